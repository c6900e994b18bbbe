#include "report/surface.h"

#include <utility>

namespace korvex::report {

void Surface::set_font(const Font& font) {
    font_ = font;
    font_changed();
}

void Surface::set_font_name(std::string name) {
    font_.name = std::move(name);
    font_changed();
}

void Surface::set_font_size(int points) {
    font_.size = points;
    font_changed();
}

void Surface::set_font_color(Color color) {
    font_.color = color;
    font_changed();
}

void Surface::set_pen(const Pen& pen) {
    pen_ = pen;
    pen_changed();
}

void Surface::set_pen_color(Color color) {
    pen_.color = color;
    pen_changed();
}

void Surface::set_pen_width(int pixels) {
    pen_.width = pixels;
    pen_changed();
}

void Surface::set_pen_style(PenStyle style) {
    pen_.style = style;
    pen_changed();
}

void Surface::set_brush_clear() {
    brush_.clear = true;
    brush_changed();
}

void Surface::set_brush_color(Color color) {
    brush_.clear = false;
    brush_.color = color;
    brush_changed();
}

void Surface::text_out(int x, int y, std::string_view text) {
    const int advance = draw_text({x, y}, text);
    penPosition_ = {x + advance, y};
}

void Surface::move_to(int x, int y) {
    penPosition_ = {x, y};
}

void Surface::line_to(int x, int y) {
    draw_line(penPosition_, {x, y});
    penPosition_ = {x, y};
}

void Surface::rectangle(const Rect& rect) {
    draw_rectangle(rect);
}

void Surface::arc(const Rect& bounds, Point start, Point end) {
    draw_arc(bounds, start, end);
}

void Surface::fill_rect(const Rect& rect, Color color) {
    draw_fill(rect, color);
}

void Surface::new_page() {
    start_new_page();
    penPosition_ = {};
}

} // namespace korvex::report
