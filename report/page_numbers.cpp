#include "report/page_numbers.h"

#include "common/number_parse.h"
#include "common/rounding.h"
#include "common/text_encoding.h"

namespace korvex::report {

namespace {

// The dialog only ever stores 1 to 9999; anything else that reaches here (a
// hand-edited value) numbers from 1 rather than stopping the print job.
int start_number(const std::string& text) {
    return common::parse_int(text).value_or(1);
}

} // namespace

std::string page_number_text(const PrintSettings& settings, int sheet_index) {
    const std::string number = std::to_string(
        static_cast<long long>(start_number(settings.startNumber)) + sheet_index - 1);
    return settings.numberFormat == PageNumberFormat::dashed ? "-" + number + "-" : number;
}

bool is_top_page_number(PageNumberPosition position) {
    return code(position) / 10 == 1;
}

bool is_bottom_page_number(PageNumberPosition position) {
    return code(position) / 10 == 2;
}

std::optional<Point> page_number_position(PageNumberPosition position, std::size_t text_bytes,
                                          const PageNumberFrame& frame) {
    const double s = frame.scale;
    const double width = static_cast<double>(text_bytes) * s;
    int y = 0;
    if (is_top_page_number(position))
        y = common::to_int(6 * s);
    else if (is_bottom_page_number(position))
        y = common::to_int(frame.pageHeight - frame.fontSize * s * 0.8);
    else
        return std::nullopt;

    int x = 0;
    switch (code(position) % 10) {
    case 0:
        x = common::to_int(5 * s);
        break;
    case 1:
        x = common::to_int((frame.pageWidth - width) * 0.5);
        break;
    default:
        x = common::to_int(frame.pageWidth - width - 12 * s);
        break;
    }
    return Point{x, y};
}

void draw_page_number(ReportCanvas& canvas) {
    const std::string text = page_number_text(canvas.printSettings, canvas.sheetIndex);
    const PageNumberFrame frame{canvas.scale, canvas.pageWidth, canvas.pageHeight,
                                canvas.surface->font().size};
    const auto at = page_number_position(canvas.printSettings.pageNumberPosition,
                                         common::cp932_byte_length(text), frame);
    if (!at) return;
    canvas.pageNumberX = at->x;
    canvas.pageNumberY = at->y;
    canvas.surface->text_out(at->x, at->y, text);
}

} // namespace korvex::report
