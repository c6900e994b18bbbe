#include "report/recording_surface.h"

#include <cmath>

#include "common/rounding.h"
#include "common/text_encoding.h"

namespace korvex::report {

void RecordingSurface::clear() {
    texts_.clear();
    lines_.clear();
    rectangles_.clear();
    arcs_.clear();
    fills_.clear();
    page_ = 0;
    order_ = 0;
}

int RecordingSurface::font_pixel_size() const {
    return static_cast<int>(std::lround(font().size * geometry_.fontDpi / 72.0));
}

int RecordingSurface::estimated_width(std::string_view text) const {
    const double bytes = static_cast<double>(common::cp932_byte_length(text));
    return common::to_int(bytes * font_pixel_size() * 0.5);
}

int RecordingSurface::draw_text(Point at, std::string_view text) {
    texts_.push_back({order_++, page_, at, std::string(text), font()});
    return estimated_width(text);
}

void RecordingSurface::draw_line(Point from, Point to) {
    lines_.push_back({order_++, page_, from, to, pen()});
}

void RecordingSurface::draw_rectangle(const Rect& rect) {
    rectangles_.push_back({order_++, page_, rect, pen(), brush()});
}

void RecordingSurface::draw_arc(const Rect& bounds, Point start, Point end) {
    arcs_.push_back({order_++, page_, bounds, start, end, pen()});
}

void RecordingSurface::draw_fill(const Rect& rect, Color color) {
    fills_.push_back({order_++, page_, rect, color});
}

void RecordingSurface::start_new_page() {
    ++page_;
    ++order_;
}

} // namespace korvex::report
