#include "report/recording_surface.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include "common/rounding.h"
#include "common/text_encoding.h"

namespace korvex::report {

namespace {

// The line height of the report's Japanese fonts, in ems above and below the top
// line's base: what an estimate takes when no device measures.
constexpr double kEstimatedAscent = 0.88;
constexpr double kEstimatedDescent = 0.2;

SurfaceGeometry geometry_of(const Surface& device) {
    // The font resolution only serves the estimate, which a device replaces.
    return {device.dpi(), device.page_size(), device.dpi()};
}

} // namespace

RecordingSurface::RecordingSurface(Surface& device, DeviceUse use)
    : RecordingSurface(device, use, geometry_of(device)) {}

RecordingSurface::RecordingSurface(Surface& device, DeviceUse use, SurfaceGeometry geometry)
    : geometry_(geometry), device_(&device), use_(use) {
    if (use == DeviceUse::measure) {
        take_sheet_marks(device.sheet_marks());
        set_font(device.font());
        set_pen(device.pen());
        move_to(device.pen_position().x, device.pen_position().y);
    }
}

void RecordingSurface::clear() {
    take_sheet_marks({});
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

TextMetrics RecordingSurface::measure_text(const Font& font, std::string_view text) const {
    if (device_ != nullptr) return device_->text_metrics(font, text);
    const double pixels = std::lround(font.size * geometry_.fontDpi / 72.0);
    const double bytes = static_cast<double>(common::cp932_byte_length(text));
    return {static_cast<double>(common::to_int(bytes * pixels * 0.5)), kEstimatedAscent * pixels,
            kEstimatedDescent * pixels};
}

int RecordingSurface::draw_text(Point at, std::string_view text) {
    const Box box = text_box(at.x, at.y, text);
    texts_.push_back({order_++, page_, at, std::string(text), font(), box, brush()});
    if (passes_on()) {
        device_->text_out(at.x, at.y, text);
        return device_->pen_position().x - at.x;
    }
    return static_cast<int>(std::lround(measure(text).advance));
}

void RecordingSurface::draw_line(Point from, Point to) {
    lines_.push_back({order_++, page_, from, to, pen(), line_role()});
    if (passes_on()) {
        device_->set_line_role(line_role());
        device_->move_to(from.x, from.y);
        device_->line_to(to.x, to.y);
    }
}

void RecordingSurface::draw_rectangle(const Rect& rect) {
    rectangles_.push_back({order_++, page_, rect, pen(), brush()});
    if (passes_on()) device_->rectangle(rect);
}

void RecordingSurface::draw_arc(const Rect& bounds, Point start, Point end) {
    arcs_.push_back({order_++, page_, bounds, start, end, pen()});
    if (passes_on()) device_->arc(bounds, start, end);
}

void RecordingSurface::draw_fill(const Rect& rect, Color color) {
    fills_.push_back({order_++, page_, rect, color});
    if (passes_on()) device_->fill_rect(rect, color);
}

void RecordingSurface::start_new_page() {
    ++page_;
    ++order_;
    if (passes_on()) device_->new_page();
}

void RecordingSurface::replay(Surface& target) const {
    std::size_t text = 0, line = 0, rectangle = 0, arc = 0, fill = 0;
    int page = 0;
    const auto set_brush = [&](const Brush& b) {
        if (b == target.brush()) return;
        if (b.clear)
            target.set_brush_clear();
        else
            target.set_brush_color(b.color);
    };
    const auto to_page = [&](int p) {
        for (; page < p; ++page) target.new_page();
    };
    const auto next_order = [](const auto& calls, std::size_t i) {
        return i < calls.size() ? calls[i].order : std::numeric_limits<int>::max();
    };
    for (;;) {
        const int orders[] = {next_order(texts_, text), next_order(lines_, line),
                              next_order(rectangles_, rectangle), next_order(arcs_, arc),
                              next_order(fills_, fill)};
        const int* first = std::min_element(std::begin(orders), std::end(orders));
        if (*first == std::numeric_limits<int>::max()) break;
        switch (first - std::begin(orders)) {
        case 0: {
            const RecordedText& t = texts_[text++];
            to_page(t.page);
            if (!(t.font == target.font())) target.set_font(t.font);
            set_brush(t.brush);
            target.text_out(t.at.x, t.at.y, t.text);
            break;
        }
        case 1: {
            const RecordedLine& l = lines_[line++];
            to_page(l.page);
            if (!(l.pen == target.pen())) target.set_pen(l.pen);
            target.set_line_role(l.role);
            target.move_to(l.from.x, l.from.y);
            target.line_to(l.to.x, l.to.y);
            break;
        }
        case 2: {
            const RecordedRectangle& r = rectangles_[rectangle++];
            to_page(r.page);
            if (!(r.pen == target.pen())) target.set_pen(r.pen);
            set_brush(r.brush);
            target.rectangle(r.rect);
            break;
        }
        case 3: {
            const RecordedArc& a = arcs_[arc++];
            to_page(a.page);
            if (!(a.pen == target.pen())) target.set_pen(a.pen);
            target.arc(a.bounds, a.start, a.end);
            break;
        }
        default: {
            const RecordedFill& f = fills_[fill++];
            to_page(f.page);
            target.fill_rect(f.rect, f.color);
            break;
        }
        }
    }
    to_page(page_);
    // And leaves the target as the recording was left.
    if (!(font() == target.font())) target.set_font(font());
    if (!(pen() == target.pen())) target.set_pen(pen());
    set_brush(brush());
    target.set_line_role(line_role());
    target.move_to(pen_position().x, pen_position().y);
}

void RecordingSurface::font_changed() {
    if (passes_on()) device_->set_font(font());
}

void RecordingSurface::pen_changed() {
    if (passes_on()) device_->set_pen(pen());
}

void RecordingSurface::brush_changed() {
    if (!passes_on()) return;
    if (brush().clear)
        device_->set_brush_clear();
    else
        device_->set_brush_color(brush().color);
}

} // namespace korvex::report
