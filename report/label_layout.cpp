#include "report/label_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "report/primitives.h"

namespace korvex::report {

namespace {

bool reaches_into(const Box& bounds, const Box& area) {
    return bounds.right >= area.left && bounds.left <= area.right && bounds.bottom >= area.top &&
           bounds.top <= area.bottom;
}

Box bounds_of(const Segment& s) {
    return {static_cast<double>(std::min(s.from.x, s.to.x)),
            static_cast<double>(std::min(s.from.y, s.to.y)),
            static_cast<double>(std::max(s.from.x, s.to.x)),
            static_cast<double>(std::max(s.from.y, s.to.y))};
}

bool counts(const Segment& s, bool figures) {
    return figures || s.role != LineRole::figure;
}

// The x extent of the part of the segment strictly between the rows y_lo and
// y_hi; nothing when no part of it lies there.
std::optional<Obstacles::Span> x_extent_between(const Segment& s, double y_lo, double y_hi) {
    if (y_lo >= y_hi) return std::nullopt;
    const double x0 = s.from.x;
    const double y0 = s.from.y;
    const double dx = s.to.x - x0;
    const double dy = s.to.y - y0;
    if (dy == 0.0) {
        if (y0 <= y_lo || y0 >= y_hi) return std::nullopt;
        return Obstacles::Span{std::min(x0, x0 + dx), std::max(x0, x0 + dx)};
    }
    double t_lo = (y_lo - y0) / dy;
    double t_hi = (y_hi - y0) / dy;
    if (t_lo > t_hi) std::swap(t_lo, t_hi);
    t_lo = std::max(t_lo, 0.0);
    t_hi = std::min(t_hi, 1.0);
    if (t_lo >= t_hi) return std::nullopt;
    const double xa = x0 + t_lo * dx;
    const double xb = x0 + t_hi * dx;
    return Obstacles::Span{std::min(xa, xb), std::max(xa, xb)};
}

double distance_to_box(double x, double y, const Box& b) {
    const double dx = std::max({b.left - x, 0.0, x - b.right});
    const double dy = std::max({b.top - y, 0.0, y - b.bottom});
    return std::sqrt(dx * dx + dy * dy);
}

Box moved(const Box& b, double dx, double dy) {
    return {b.left + dx, b.top + dy, b.right + dx, b.bottom + dy};
}

// A leader is a hairline: 2 px on a 600-dpi sheet, the thinnest line on screen.
int leader_width(const ReportCanvas& canvas) {
    return std::max(1, static_cast<int>(canvas.dpi / 300));
}

} // namespace

Obstacles::Obstacles(const Surface& surface, const Box& area) {
    const SheetMarks& marks = surface.sheet_marks();
    for (const Box& b : marks.texts)
        if (b.width() > 0.0 && reaches_into(b, area)) boxes_.push_back(b);
    for (const Segment& s : marks.lines)
        if (reaches_into(bounds_of(s), area)) lines_.push_back(s);
}

bool Obstacles::blocks(const Box& box, double slack, bool figures) const {
    for (const Box& b : boxes_)
        if (boxes_overlap(box, b, slack)) return true;
    for (const Segment& s : lines_)
        if (counts(s, figures) && segment_crosses(s, box, slack)) return true;
    return false;
}

bool Obstacles::crosses_text(const Segment& line, double slack) const {
    return std::any_of(boxes_.begin(), boxes_.end(),
                       [&](const Box& b) { return segment_crosses(line, b, slack); });
}

std::vector<Obstacles::Span> Obstacles::free_lefts(double top, double bottom, double width,
                                                   double lo, double hi, Air air,
                                                   bool figures) const {
    // Open intervals of left edges at which the box would come nearer than the
    // air to something.
    std::vector<Span> blocked;
    for (const Box& b : boxes_)
        if (std::min(bottom, b.bottom) - std::max(top, b.top) > -air.down)
            blocked.push_back({b.left - width - air.across, b.right + air.across});
    for (const Segment& s : lines_) {
        if (!counts(s, figures)) continue;
        if (const auto x = x_extent_between(s, top - air.down, bottom + air.down))
            blocked.push_back({x->lo - width - air.across, x->hi + air.across});
    }
    std::sort(blocked.begin(), blocked.end(),
              [](const Span& a, const Span& b) { return a.lo < b.lo; });

    std::vector<Span> free;
    double from = lo;
    for (const Span& b : blocked) {
        if (b.hi <= from) continue;
        if (b.lo >= hi) break;
        if (b.lo >= from) free.push_back({from, b.lo});
        from = std::max(from, b.hi);
    }
    if (from <= hi) free.push_back({from, hi});
    return free;
}

std::vector<double> Obstacles::edge_tops(double left, double right, double width, double height,
                                         double air, bool figures) const {
    std::vector<double> tops;
    const auto add = [&](const Box& b) {
        if (b.right < left || b.left > right + width) return;
        tops.push_back(b.bottom + air);
        tops.push_back(b.top - height - air);
    };
    for (const Box& b : boxes_) add(b);
    for (const Segment& s : lines_)
        if (counts(s, figures)) add(bounds_of(s));
    return tops;
}

std::optional<Box> find_clear_place(const Obstacles& obstacles, const PlaceSearch& search,
                                    double slack, Air air,
                                    const std::function<bool(const Box&)>& acceptable) {
    const Box& stated = search.stated;
    if (!obstacles.blocks(stated, slack, false) && (!acceptable || acceptable(stated)))
        return stated;

    const double width = stated.width();
    const double height = stated.height();
    const double left_lo = search.slides ? search.area.left : stated.left;
    const double left_hi = search.slides ? search.area.right - width : stated.left;
    const double top_lo = search.area.top;
    const double top_hi = search.area.bottom - height;
    if (left_lo > left_hi + 1e-9 || top_lo > top_hi + 1e-9) return std::nullopt;

    std::vector<double> tops{stated.top};
    if (search.rowStep > 0.0) {
        for (double top = stated.top + search.rowStep; top <= top_hi + 1e-9; top += search.rowStep)
            tops.push_back(top);
        for (double top = stated.top - search.rowStep; top >= top_lo - 1e-9; top -= search.rowStep)
            tops.push_back(top);
    } else {
        tops =
            obstacles.edge_tops(left_lo, left_hi, width, height, air.down, search.clearOfFigures);
        tops.push_back(stated.top);
        tops.push_back(top_lo);
        tops.push_back(top_hi);
    }

    struct Candidate {
        double cost;
        Box box;
    };
    std::vector<Candidate> candidates;
    for (const double top : tops) {
        if (top < top_lo - 1e-9 || top > top_hi + 1e-9) continue;
        const double dy = top - stated.top;
        const double vertical = std::fabs(dy) * ((dy > 0) == (search.prefer > 0) ? 1.0 : 3.0);
        const auto spans = obstacles.free_lefts(top, top + height, width, left_lo, left_hi, air,
                                                search.clearOfFigures);
        for (const Obstacles::Span& span : spans) {
            // The nearest point of each free stretch to the stated left edge.
            const double left = std::clamp(stated.left, span.lo, span.hi);
            const double dx = left - stated.left;
            candidates.push_back(
                {vertical + search.slideWeight * std::fabs(dx), moved(stated, dx, dy)});
        }
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.cost < b.cost; });
    for (const Candidate& c : candidates)
        if (!acceptable || acceptable(c.box)) return c.box;
    return std::nullopt;
}

double px_of(const ReportCanvas& canvas, double mm) {
    return mm * canvas.scale;
}

double mm_of(const ReportCanvas& canvas, double px) {
    return px / canvas.scale;
}

int x_past_line(const ReportCanvas& canvas, int stated_x, int y, std::string_view text,
                int right_limit) {
    const Surface& surface = *canvas.surface;
    const Box stated = surface.text_box(stated_x, y, text);
    PlaceSearch search;
    search.stated = stated;
    search.area = {stated.left, stated.top, std::max<double>(right_limit, stated.right),
                   stated.bottom};
    search.slides = true;
    search.clearOfFigures = false;
    search.slideWeight = 1.0;
    const Obstacles obstacles(surface, search.area);
    const auto found =
        find_clear_place(obstacles, search, px_of(canvas, kHairlineMm),
                         {px_of(canvas, kSideClearanceMm), px_of(canvas, kClearanceMm)}, nullptr);
    if (!found || found->left < stated.left) return stated_x;
    return stated_x + static_cast<int>(std::ceil(found->left - stated.left));
}

int y_clear_between(const ReportCanvas& canvas, int x, int stated_y, int lo, int hi,
                    std::string_view text) {
    const Surface& surface = *canvas.surface;
    const Box stated = surface.text_box(x, stated_y, text);
    PlaceSearch search;
    search.stated = stated;
    search.area = {stated.left, static_cast<double>(lo), stated.right, hi + stated.height()};
    search.clearOfFigures = false;
    search.prefer = hi > stated_y ? 1 : -1;
    const Obstacles obstacles(surface, search.area);
    // Just clear: the text stays as close to its line as it can.
    const auto found = find_clear_place(obstacles, search, px_of(canvas, kHairlineMm), {}, nullptr);
    if (!found) return stated_y;
    const double dy = found->top - stated.top;
    return stated_y + static_cast<int>(dy > 0 ? std::ceil(dy) : std::floor(dy));
}

double shift_down_clear(const Surface& surface, const std::vector<Box>& boxes, double slack,
                        double air, double limit) {
    if (boxes.empty()) return 0.0;
    Box reach = boxes.front();
    for (const Box& b : boxes)
        reach = {std::min(reach.left, b.left), std::min(reach.top, b.top),
                 std::max(reach.right, b.right), std::max(reach.bottom, b.bottom) + limit};
    const Obstacles obstacles(surface, reach);
    const auto clear_at = [&](double dy) {
        return std::none_of(boxes.begin(), boxes.end(), [&](const Box& b) {
            return obstacles.blocks(moved(b, 0.0, dy), slack, false);
        });
    };
    if (clear_at(0.0)) return 0.0;
    // Each box just under each obstacle above it.
    std::vector<double> shifts;
    for (const Box& b : boxes)
        for (const double top :
             obstacles.edge_tops(b.left, b.left, b.width(), b.height(), air, false))
            if (top > b.top && top - b.top <= limit) shifts.push_back(top - b.top);
    std::sort(shifts.begin(), shifts.end());
    for (const double dy : shifts)
        if (clear_at(dy)) return dy;
    return 0.0;
}

void line_around_texts(ReportCanvas& canvas, double x1, double y1, double x2, double y2) {
    const double air = px_of(canvas, kClearanceMm);
    const double ax = px_of(canvas, x1);
    const double ay = px_of(canvas, y1);
    const double dx = px_of(canvas, x2) - ax;
    const double dy = px_of(canvas, y2) - ay;
    // The stretches of the line, as fractions of it, that run through a text.
    std::vector<Obstacles::Span> hidden;
    for (const Box& b : canvas.surface->sheet_marks().texts) {
        if (b.width() <= 0.0) continue;
        double t0 = 0.0;
        double t1 = 1.0;
        const auto clip = [&](double p, double q) {
            if (p == 0.0) return q >= 0.0;
            const double r = q / p;
            if (p < 0.0)
                t0 = std::max(t0, r);
            else
                t1 = std::min(t1, r);
            return t0 < t1;
        };
        if (clip(-dx, ax - (b.left - air)) && clip(dx, b.right + air - ax) &&
            clip(-dy, ay - (b.top - air)) && clip(dy, b.bottom + air - ay))
            hidden.push_back({t0, t1});
    }
    std::sort(hidden.begin(), hidden.end(),
              [](const Obstacles::Span& a, const Obstacles::Span& b) { return a.lo < b.lo; });
    const auto piece = [&](double from, double to) {
        if (to - from <= 0.0) return;
        move_to_mm(canvas, x1 + (x2 - x1) * from, y1 + (y2 - y1) * from);
        line_to_mm(canvas, x1 + (x2 - x1) * to, y1 + (y2 - y1) * to);
    };
    double from = 0.0;
    for (const Obstacles::Span& h : hidden) {
        if (h.lo > from) piece(from, h.lo);
        from = std::max(from, h.hi);
    }
    if (from < 1.0) piece(from, 1.0);
}

LabelLayout::LabelLayout(ReportCanvas& canvas, double left, double top, double right, double bottom)
    : canvas_(canvas),
      // Whole pixels, taken outward, as texts are placed on whole pixels.
      area_{std::floor(px_of(canvas, left)), std::floor(px_of(canvas, top)),
            std::ceil(px_of(canvas, right)), std::ceil(px_of(canvas, bottom))} {}

void LabelLayout::add(FigureLabel label) {
    labels_.push_back(std::move(label));
}

Box LabelLayout::place(Obstacles& obstacles, const FigureLabel& l, const Box& stated,
                       std::vector<Leader>& leaders) const {
    const double slack = px_of(canvas_, kHairlineMm);
    const Air air{px_of(canvas_, kSideClearanceMm), px_of(canvas_, kClearanceMm)};
    if (stated.width() == 0.0 || !obstacles.blocks(stated, slack, false)) return stated;
    for (const double row : l.alternateRows) {
        const Box b = moved(stated, 0.0, mm_to_px(canvas_, row) - mm_to_px(canvas_, l.y));
        if (!obstacles.blocks(b, slack, false)) return b;
    }

    const double ax = px_of(canvas_, l.anchorX);
    const double ay = px_of(canvas_, l.anchorY);
    // A label that moved a row or slid a little, still beside its own place,
    // reads as before; one that went further gets a leader from the point it
    // names to the nearest point of its box, stopping short of the glyphs.
    const auto leader_of = [&](const Box& b) -> std::optional<Segment> {
        if (boxes_overlap(b, stated, -std::max(air.across, air.down) - 1.0)) return std::nullopt;
        const double d = distance_to_box(ax, ay, b);
        if (d <= air.down) return std::nullopt;
        const double px = std::clamp(ax, b.left, b.right);
        const double py = std::clamp(ay, b.top, b.bottom);
        const double k = std::max(0.0, (d - air.down) / d);
        return Segment{{static_cast<int>(std::lround(ax)), static_cast<int>(std::lround(ay))},
                       {static_cast<int>(std::lround(ax + (px - ax) * k)),
                        static_cast<int>(std::lround(ay + (py - ay) * k))},
                       LineRole::figure};
    };
    const auto leader_clear = [&](const Box& b) {
        const auto leader = leader_of(b);
        return !leader || !obstacles.crosses_text(*leader, 0.0);
    };

    // Nearest first among the places it is meant for: clear of the figure's
    // lines and with a clear way back to its point. A crowded band lets it stand
    // over a curve, then slide out of its own stretch (a dimension out of its
    // bracket), and last go without a leader.
    struct Attempt {
        bool slides;
        bool clearOfFigures;
        bool leader;
    };
    const Attempt attempts[] = {{l.slides, true, true},
                                {l.slides, false, true},
                                {true, true, true},
                                {true, false, true},
                                {true, false, false}};
    PlaceSearch search;
    search.stated = stated;
    search.area = area_;
    search.rowStep = stated.height() + air.down;
    search.prefer = l.prefer;
    std::optional<Box> found;
    bool led = true;
    for (const Attempt& attempt : attempts) {
        search.slides = attempt.slides;
        search.clearOfFigures = attempt.clearOfFigures;
        found = find_clear_place(obstacles, search, slack, air,
                                 attempt.leader ? leader_clear : std::function<bool(const Box&)>{});
        led = attempt.leader;
        if (found) break;
    }
    if (!found) return stated;
    if (!led) return *found;
    if (const auto leader = leader_of(*found)) {
        obstacles.add(*leader);
        leaders.push_back({leader->from, leader->to});
    }
    return *found;
}

void LabelLayout::draw() {
    Surface& surface = *canvas_.surface;
    const Font base = surface.font();
    const auto font_of = [&](const FigureLabel& label) {
        Font font = base;
        if (label.size > 0) font.size = label.size;
        return font;
    };

    // In the order the figure gives them, as if each were drawn in turn: a label
    // whose place is clear of the sheet and of the labels before it keeps it.
    Obstacles obstacles(surface, area_);
    std::vector<Box> stated(labels_.size());
    std::vector<Box> final(labels_.size());
    std::vector<Leader> leaders;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const FigureLabel& l = labels_[i];
        stated[i] =
            surface.text_box(font_of(l), mm_to_px(canvas_, l.x), mm_to_px(canvas_, l.y), l.text);
        // Whole pixels, as the label will be drawn.
        const Box found = place(obstacles, l, stated[i], leaders);
        final[i] = moved(stated[i], std::round(found.left - stated[i].left),
                         std::round(found.top - stated[i].top));
        obstacles.add(final[i]);
    }

    // Leaders first, so that the pen stays after the last label as it would
    // after any text.
    if (!leaders.empty()) {
        const Pen pen = surface.pen();
        const LineRole role = surface.line_role();
        surface.set_pen(Pen{canvas_.textColor, leader_width(canvas_), PenStyle::solid});
        surface.set_line_role(LineRole::figure);
        for (const Leader& leader : leaders) {
            surface.move_to(leader.from.x, leader.from.y);
            surface.line_to(leader.to.x, leader.to.y);
        }
        surface.set_line_role(role);
        surface.set_pen(pen);
    }

    placed_.clear();
    bottom_ = 0.0;
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const FigureLabel& l = labels_[i];
        const int x =
            mm_to_px(canvas_, l.x) + static_cast<int>(std::lround(final[i].left - stated[i].left));
        const int y =
            mm_to_px(canvas_, l.y) + static_cast<int>(std::lround(final[i].top - stated[i].top));
        surface.set_font(font_of(l));
        surface.text_out(x, y, l.text);
        placed_.push_back({x, y});
        bottom_ = std::max(bottom_, final[i].bottom);
    }
    surface.set_font(base);
}

} // namespace korvex::report
