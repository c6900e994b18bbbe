#include "report/detail_pages.h"

#include "calc/wind.h"
#include "common/number_text.h"
#include "common/rounding.h"
#include "report/snow_detail.h"
#include "report/wind_detail.h"

namespace korvex::report {

namespace {

// The base column of the pages after page 1, the same the check pages use.
constexpr int kBaseColumn = kPageBaseColumn;

// Exponents are set smaller than the letters below a base line.
int run_size(ScriptKind kind) {
    return kind == ScriptKind::subscript ? 7 : 6;
}

} // namespace

DetailColumns detail_columns(const ReportCanvas& canvas) {
    // Paper text is small against the millimetre grid, the screen image's desktop
    // font is large; on paper the values and the right half sit closer in.
    const bool paper = on_paper(canvas);
    return {kBaseColumn, kBaseColumn + (paper ? 60 : 68), kBaseColumn + (paper ? 80 : 85),
            kBaseColumn + 15};
}

void advance(ReportCanvas& canvas, double lines) {
    advance_section(canvas, lines * canvas.pageLineHeight);
}

TextLine& TextLine::operator<<(std::string_view text) {
    if (pieces_.empty() || pieces_.back().script)
        pieces_.push_back({std::string(text)});
    else
        pieces_.back().text += text;
    return *this;
}

TextLine& TextLine::sub(std::string_view text) {
    pieces_.push_back({std::string(text), true, ScriptKind::subscript});
    return *this;
}

TextLine& TextLine::sup(std::string_view text) {
    pieces_.push_back({std::string(text), true, ScriptKind::superscript});
    return *this;
}

void draw_line_at(ReportCanvas& canvas, int col, int row, const TextLine& line) {
    Surface& surface = *canvas.surface;
    const auto& pieces = line.pieces();
    const bool starts_plain = !pieces.empty() && !pieces.front().script;
    text_at_row_col(canvas, col, row, starts_plain ? pieces.front().text : std::string());
    Point next = surface.pen_position();
    for (std::size_t i = starts_plain ? 1 : 0; i < pieces.size(); ++i) {
        const TextLine::Piece& piece = pieces[i];
        if (piece.script) {
            // Every run is placed against the line's own top, also right after
            // another run (the "2" of V0 squared).
            surface.move_to(next.x, next.y);
            next = draw_script_run(canvas, piece.kind, piece.text, run_size(piece.kind),
                                   canvas.baseFontSize);
        } else {
            surface.text_out(next.x, next.y, piece.text);
            next = surface.pen_position();
        }
    }
}

void draw_line_at(ReportCanvas& canvas, int col, const TextLine& line) {
    draw_line_at(canvas, col, canvas.sectionRow, line);
}

void draw_outline(ReportCanvas& canvas, Rect rect) {
    Surface& surface = *canvas.surface;
    const LineRoleScope frame(surface, LineRole::frame);
    surface.move_to(rect.left, rect.top);
    surface.line_to(rect.right, rect.top);
    surface.line_to(rect.right, rect.bottom);
    surface.line_to(rect.left, rect.bottom);
    surface.line_to(rect.left, rect.top);
}

void frame_heading(ReportCanvas& canvas, int title_top, std::string_view notice) {
    const DetailColumns c = detail_columns(canvas);
    const int width = on_paper(canvas) ? 40 : 55;
    Rect frame;
    frame.left = mm_to_px(canvas, c.c0 - 2) + canvas.leftMargin;
    frame.top = title_top - mm_to_px(canvas, 1.5);
    frame.right = frame.left + mm_to_px(canvas, width);
    frame.bottom = title_top + mm_to_px(canvas, 6);
    draw_outline(canvas, frame);
    if (notice.empty()) return;
    canvas.surface->text_out(frame.right + mm_to_px(canvas, 2),
                             common::to_int((frame.top + frame.bottom) * 0.5), notice);
}

void open_detail_sheet(ReportCanvas& canvas) {
    canvas.topOffset = mm_to_px(canvas, 18);
    const int top = canvas.topOffset - mm_to_px(canvas, 5);
    draw_outline(canvas,
                 {canvas.leftMargin, top, canvas.leftMargin + mm_to_px(canvas, kDetailFrameWidth),
                  top + mm_to_px(canvas, kDetailFrameHeight)});
    canvas.sectionRowMark = canvas.pageFirstRow;
    canvas.sectionRow = canvas.pageFirstRow;
    canvas.lineCount = 1;
    advance(canvas);
    // The page title stands in the sheet's own top band, above the top offset.
    Surface& surface = *canvas.surface;
    surface.set_font_size(canvas.baseFontSize + 2);
    surface.text_out(canvas.leftMargin + mm_to_px(canvas, 27),
                     mm_to_px(canvas, canvas.sectionRow + 3),
                     "Korvex構造計算 ［風荷重､積雪荷重の検討－計算詳細・応力図－］");
    surface.set_font_size(canvas.baseFontSize);
    advance(canvas);
}

int draw_title_at(ReportCanvas& canvas, int col, int row, std::string_view text) {
    canvas.surface->set_font_size(canvas.baseFontSize + 2);
    text_at_row_col(canvas, col, row, text);
    const int top = canvas.surface->pen_position().y;
    canvas.surface->set_font_size(canvas.baseFontSize);
    return top;
}

void draw_detail_pages(ReportCanvas& canvas, const ReportData& data) {
    // The page always shows the values of the current inputs; the copies keep the
    // records of the last Calculate as they are.
    calc::WindResult wind;
    calc::LoadSet loads = data.loads;
    calc::derive_wind(data.data, wind, loads);

    draw_wind_detail(canvas, data, wind, loads);
    draw_snow_detail(canvas, data, wind.roofAngle);
}

} // namespace korvex::report
