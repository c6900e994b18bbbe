#include "report/surface.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>

namespace korvex::report {

std::vector<double> dash_lengths(PenStyle style, int dpi) {
    std::vector<double> points;
    if (style == PenStyle::dot) points = {3, 3};
    if (style == PenStyle::dashDot) points = {9, 6, 3, 6};
    for (double& p : points) p = p * dpi / 72.0;
    return points;
}

bool boxes_overlap(const Box& a, const Box& b, double slack) {
    const double across = std::min(a.right, b.right) - std::max(a.left, b.left);
    const double down = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return across > slack && down > slack;
}

bool segment_crosses(const Segment& segment, const Box& box, double slack) {
    // The part of the segment inside the box shrunk by the slack (Liang-Barsky);
    // a part of no length only touches.
    constexpr double kStrict = 1e-6;
    const double left = box.left + slack + kStrict;
    const double right = box.right - slack - kStrict;
    const double top = box.top + slack + kStrict;
    const double bottom = box.bottom - slack - kStrict;
    if (left >= right || top >= bottom) return false;
    const double x0 = segment.from.x;
    const double y0 = segment.from.y;
    const double dx = segment.to.x - x0;
    const double dy = segment.to.y - y0;
    double t0 = 0.0;
    double t1 = 1.0;
    const auto clip = [&](double p, double q) {
        if (p == 0.0) return q > 0.0;
        const double t = q / p;
        if (p < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    if (!clip(-dx, x0 - left) || !clip(dx, right - x0) || !clip(-dy, y0 - top) ||
        !clip(dy, bottom - y0))
        return false;
    if (dx == 0.0 && dy == 0.0) return true; // a dot inside the box
    return t1 > t0;
}

std::vector<Segment> arc_chords(const Rect& bounds, Point start, Point end) {
    const double cx = (bounds.left + bounds.right) / 2.0;
    const double cy = (bounds.top + bounds.bottom) / 2.0;
    const double rx = (bounds.right - bounds.left) / 2.0;
    const double ry = (bounds.bottom - bounds.top) / 2.0;
    if (rx == 0.0 || ry == 0.0) return {};
    // The ellipse's own parameter of the ray towards a point, counterclockwise
    // as seen on the page (y grows downward).
    const auto angle = [&](Point p) { return std::atan2(-(p.y - cy) / ry, (p.x - cx) / rx); };
    const double from = angle(start);
    double sweep = angle(end) - from;
    while (sweep <= 0.0) sweep += 2.0 * std::numbers::pi; // the same ray twice: the whole ellipse
    const int count = static_cast<int>(std::ceil(sweep / (5.0 * std::numbers::pi / 180.0)));
    const auto at = [&](int i) {
        const double a = from + sweep * i / count;
        return Point{static_cast<int>(std::lround(cx + rx * std::cos(a))),
                     static_cast<int>(std::lround(cy - ry * std::sin(a)))};
    };
    std::vector<Segment> chords;
    for (int i = 0; i < count; ++i) chords.push_back({at(i), at(i + 1), LineRole::figure});
    return chords;
}

namespace {

constexpr std::string_view kSpace = " ";
constexpr std::string_view kWideSpace = "　";

std::string_view without_leading_spaces(std::string_view text) {
    for (;;) {
        if (text.starts_with(kSpace))
            text.remove_prefix(kSpace.size());
        else if (text.starts_with(kWideSpace))
            text.remove_prefix(kWideSpace.size());
        else
            return text;
    }
}

std::string_view without_trailing_spaces(std::string_view text) {
    for (;;) {
        if (text.ends_with(kSpace))
            text.remove_suffix(kSpace.size());
        else if (text.ends_with(kWideSpace))
            text.remove_suffix(kWideSpace.size());
        else
            return text;
    }
}

} // namespace

TextMetrics Surface::text_metrics(const Font& font, std::string_view text) const {
    // What the width depends on: face, size and style, then the text.
    std::string& key = measureKey_;
    key.assign(font.name);
    key += '\x1f';
    key += std::to_string(font.size);
    key += font.bold ? 'b' : '-';
    key += font.italic ? 'i' : '-';
    key += '\x1f';
    key.append(text);
    if (const auto found = measures_->find(key); found != measures_->end()) return found->second;
    const TextMetrics measured = measure_text(font, text);
    measures_->emplace(key, measured);
    return measured;
}

Box Surface::text_box(const Font& font, double x, double y, std::string_view text) const {
    // Only what is printed counts: the spaces a number is padded with leave no
    // mark, so they may run into a neighbour.
    const TextMetrics whole = text_metrics(font, text);
    const std::string_view printed = without_trailing_spaces(text);
    const std::string_view visible = without_leading_spaces(printed);
    const std::string_view padding = printed.substr(0, printed.size() - visible.size());
    const double left = x + (padding.empty() ? 0.0 : text_metrics(font, padding).advance);
    const double right = visible.empty()                 ? left
                         : printed.size() == text.size() ? x + whole.advance
                                                         : x + text_metrics(font, printed).advance;
    return {left, y, right, y + whole.height()};
}

void Surface::mark_line(Point from, Point to, LineRole role) {
    marks_.lines.push_back({from, to, role, pen_.width});
}

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
    marks_.texts.push_back(text_box(x, y, text));
    const int advance = draw_text({x, y}, text);
    penPosition_ = {x + advance, y};
}

void Surface::move_to(int x, int y) {
    penPosition_ = {x, y};
}

void Surface::line_to(int x, int y) {
    mark_line(penPosition_, {x, y}, lineRole_);
    draw_line(penPosition_, {x, y});
    penPosition_ = {x, y};
}

void Surface::rectangle(const Rect& rect) {
    const Point corners[] = {{rect.left, rect.top},
                             {rect.right, rect.top},
                             {rect.right, rect.bottom},
                             {rect.left, rect.bottom}};
    for (int i = 0; i < 4; ++i) mark_line(corners[i], corners[(i + 1) % 4], LineRole::frame);
    draw_rectangle(rect);
}

void Surface::arc(const Rect& bounds, Point start, Point end) {
    for (Segment chord : arc_chords(bounds, start, end)) {
        chord.width = pen_.width;
        marks_.lines.push_back(chord);
    }
    draw_arc(bounds, start, end);
}

void Surface::fill_rect(const Rect& rect, Color color) {
    draw_fill(rect, color);
}

void Surface::new_page() {
    start_new_page();
    penPosition_ = {};
    marks_ = {};
}

} // namespace korvex::report
