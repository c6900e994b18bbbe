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

Box moved(const Box& b, double dx, double dy) {
    return {b.left + dx, b.top + dy, b.right + dx, b.bottom + dy};
}

// A leader is a hairline: 2 px on a 600-dpi sheet, the thinnest line on screen.
int leader_width(const ReportCanvas& canvas) {
    return std::max(1, static_cast<int>(canvas.dpi / 300));
}

} // namespace

Obstacles::Obstacles(const Surface& surface, const Box& area, std::optional<double> figure_air)
    : figureAir_(figure_air),
      // A quarter of an inch: centre lines and frames are taller, values and the
      // pieces of curves and arrows lower.
      tallHeight_(surface.dpi() / 4.0) {
    // And what stands just outside, within the air a text keeps from it.
    const double margin = surface.dpi() * 2.0 / 25.4;
    const Box near{area.left - margin, area.top - margin, area.right + margin,
                   area.bottom + margin};
    const SheetMarks& marks = surface.sheet_marks();
    for (const Box& b : marks.texts)
        if (b.width() > 0.0 && reaches_into(b, near)) add(b);
    for (const Segment& s : marks.lines)
        if (reaches_into(bounds_of(s), near)) add(s);
}

void Obstacles::insert(const Mark& mark) {
    if (mark.bounds.height() > tallHeight_) {
        tallMarks_.push_back(mark);
        return;
    }
    shortHeight_ = std::max(shortHeight_, mark.bounds.height());
    const auto at = std::upper_bound(shortMarks_.begin(), shortMarks_.end(), mark.bounds.top,
                                     [](double top, const Mark& m) { return top < m.bounds.top; });
    shortMarks_.insert(at, mark);
}

void Obstacles::add(const Box& box) {
    insert({Kind::text, box, {}, 0.0});
}

void Obstacles::add(const Segment& line) {
    const bool of_figure = line.role != LineRole::frame && figureAir_.has_value();
    if (line.role == LineRole::figure && !of_figure) return;
    const double air = of_figure ? *figureAir_ + std::max(1, line.width) / 2.0 : 0.0;
    widestAir_ = std::max(widestAir_, air);
    insert({of_figure ? Kind::figure : Kind::frame, bounds_of(line), line, air});
}

template <typename F> void Obstacles::for_each_near(double top, double bottom, F f) const {
    for (const Mark& m : tallMarks_)
        if (m.bounds.bottom >= top && m.bounds.top <= bottom) f(m);
    const auto first = std::lower_bound(shortMarks_.begin(), shortMarks_.end(), top - shortHeight_,
                                        [](const Mark& m, double y) { return m.bounds.top < y; });
    for (auto it = first; it != shortMarks_.end() && it->bounds.top <= bottom; ++it)
        if (it->bounds.bottom >= top) f(*it);
}

bool Obstacles::blocks(const Box& box, double slack) const {
    bool blocked = false;
    const double reach = widestAir_ + 1.0;
    for_each_near(box.top - reach, box.bottom + reach, [&](const Mark& m) {
        if (blocked) return;
        switch (m.kind) {
        case Kind::text:
            blocked = boxes_overlap(box, m.bounds, slack);
            break;
        case Kind::frame:
            blocked = segment_crosses(m.line, box, slack);
            break;
        case Kind::figure:
            blocked = segment_crosses(m.line, box, -m.air);
            break;
        }
    });
    return blocked;
}

bool Obstacles::near_text(const Segment& line, double air) const {
    const Box b = bounds_of(line);
    bool near = false;
    for_each_near(b.top - air - 1.0, b.bottom + air + 1.0, [&](const Mark& m) {
        if (!near && m.kind == Kind::text) near = segment_crosses(line, m.bounds, -air);
    });
    return near;
}

std::vector<Obstacles::Span> Obstacles::free_lefts(double top, double bottom, double width,
                                                   double lo, double hi, Air air) const {
    // Open intervals of left edges at which the box would come nearer than the
    // air to something.
    std::vector<Span> blocked;
    const double reach = std::max(air.down, widestAir_) + 1.0;
    for_each_near(top - reach, bottom + reach, [&](const Mark& m) {
        switch (m.kind) {
        case Kind::text:
            if (std::min(bottom, m.bounds.bottom) - std::max(top, m.bounds.top) > -air.down)
                blocked.push_back(
                    {m.bounds.left - width - air.across, m.bounds.right + air.across});
            break;
        case Kind::frame:
            if (const auto x = x_extent_between(m.line, top - air.down, bottom + air.down))
                blocked.push_back({x->lo - width - air.across, x->hi + air.across});
            break;
        case Kind::figure:
            if (const auto x = x_extent_between(m.line, top - m.air, bottom + m.air))
                blocked.push_back({x->lo - width - m.air, x->hi + m.air});
            break;
        }
    });
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
                                         double air, double top_lo, double top_hi) const {
    std::vector<double> tops;
    const double reach = std::max(air, widestAir_) + 1.0;
    for_each_near(top_lo - reach, top_hi + height + reach, [&](const Mark& m) {
        const double a = m.kind == Kind::figure ? m.air : air;
        if (m.bounds.right < left - a || m.bounds.left > right + width + a) return;
        for (const double top : {m.bounds.bottom + a, m.bounds.top - height - a})
            if (top >= top_lo && top <= top_hi) tops.push_back(top);
    });
    return tops;
}

std::optional<Box> find_clear_place(const Obstacles& obstacles, const PlaceSearch& search,
                                    double slack, Air air,
                                    const std::function<bool(const Box&)>& acceptable) {
    const Box& stated = search.stated;
    if (!obstacles.blocks(stated, slack) && (!acceptable || acceptable(stated))) return stated;

    const double width = stated.width();
    const double height = stated.height();
    const double left_lo = search.slides ? search.area.left : stated.left;
    const double left_hi = search.slides ? search.area.right - width : stated.left;
    const double top_lo = search.area.top;
    const double top_hi = search.area.bottom - height;
    if (left_lo > left_hi + 1e-9 || top_lo > top_hi + 1e-9) return std::nullopt;

    // The rows it may take, each with what moving there costs.
    struct Row {
        double cost;
        double top;
    };
    std::vector<Row> rows;
    const auto add_row = [&](double top) {
        if (top < top_lo - 1e-9 || top > top_hi + 1e-9) return;
        const double dy = top - stated.top;
        rows.push_back({std::fabs(dy) * ((dy > 0) == (search.prefer > 0) ? 1.0 : 3.0), top});
    };
    add_row(stated.top);
    if (search.rowStep > 0.0) {
        for (double top = stated.top + search.rowStep; top <= top_hi + 1e-9; top += search.rowStep)
            add_row(top);
        for (double top = stated.top - search.rowStep; top >= top_lo - 1e-9; top -= search.rowStep)
            add_row(top);
    } else {
        for (const double top :
             obstacles.edge_tops(left_lo, left_hi, width, height, air.down, top_lo, top_hi))
            add_row(top);
        add_row(top_lo);
        add_row(top_hi);
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.cost < b.cost; });

    // Nearest first: a place is taken once nothing on a row still to be looked
    // at can be nearer, as no row costs less than its own move.
    struct Candidate {
        double cost;
        Box box;
    };
    std::vector<Candidate> waiting;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        const double dy = row.top - stated.top;
        for (const Obstacles::Span& span :
             obstacles.free_lefts(row.top, row.top + height, width, left_lo, left_hi, air)) {
            // The nearest point of each free stretch to the stated left edge.
            const double left = std::clamp(stated.left, span.lo, span.hi);
            const double dx = left - stated.left;
            waiting.push_back(
                {row.cost + search.slideWeight * std::fabs(dx), moved(stated, dx, dy)});
        }
        const double next =
            i + 1 < rows.size() ? rows[i + 1].cost : std::numeric_limits<double>::infinity();
        std::stable_sort(waiting.begin(), waiting.end(),
                         [](const Candidate& a, const Candidate& b) { return a.cost < b.cost; });
        std::size_t taken = 0;
        for (; taken < waiting.size() && waiting[taken].cost <= next; ++taken)
            if (!acceptable || acceptable(waiting[taken].box)) return waiting[taken].box;
        waiting.erase(waiting.begin(), waiting.begin() + static_cast<std::ptrdiff_t>(taken));
    }
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
    search.slideWeight = 1.0;
    const Obstacles obstacles(surface, search.area);
    const auto found =
        find_clear_place(obstacles, search, px_of(canvas, kHairlineMm),
                         {px_of(canvas, kSideClearanceMm), px_of(canvas, kClearanceMm)}, nullptr);
    if (!found || found->left < stated.left) return stated_x;
    return stated_x + static_cast<int>(std::ceil(found->left - stated.left));
}

int y_clear_between(const ReportCanvas& canvas, int x, int stated_y, int lo, int hi,
                    std::string_view text, std::optional<double> figure_air) {
    const Surface& surface = *canvas.surface;
    const Box stated = surface.text_box(x, stated_y, text);
    PlaceSearch search;
    search.stated = stated;
    search.area = {stated.left, static_cast<double>(lo), stated.right, hi + stated.height()};
    search.prefer = hi > stated_y ? 1 : -1;
    const Obstacles obstacles(surface, search.area, figure_air);
    // Just clear: the text stays as close to its line as it can.
    const auto found = find_clear_place(obstacles, search, px_of(canvas, kHairlineMm), {}, nullptr);
    if (!found) return stated_y;
    const double dy = found->top - stated.top;
    return stated_y + static_cast<int>(dy > 0 ? std::ceil(dy) : std::floor(dy));
}

double shift_down_clear(const Surface& surface, const std::vector<Box>& boxes, double slack,
                        double air, double limit, std::optional<double> figure_air) {
    if (boxes.empty()) return 0.0;
    Box reach = boxes.front();
    for (const Box& b : boxes)
        reach = {std::min(reach.left, b.left), std::min(reach.top, b.top),
                 std::max(reach.right, b.right), std::max(reach.bottom, b.bottom) + limit};
    const Obstacles obstacles(surface, reach, figure_air);
    const auto clear_at = [&](double dy) {
        return std::none_of(boxes.begin(), boxes.end(), [&](const Box& b) {
            return obstacles.blocks(moved(b, 0.0, dy), slack);
        });
    };
    if (clear_at(0.0)) return 0.0;
    // Each box just under each obstacle above it.
    std::vector<double> shifts;
    for (const Box& b : boxes)
        for (const double top :
             obstacles.edge_tops(b.left, b.left, b.width(), b.height(), air, b.top, b.top + limit))
            if (top > b.top && top - b.top <= limit) shifts.push_back(top - b.top);
    std::sort(shifts.begin(), shifts.end());
    for (const double dy : shifts)
        if (clear_at(dy)) return dy;
    return 0.0;
}

double figure_air(const ReportCanvas& canvas) {
    return px_of(canvas, kClearanceMm) + 1.0;
}

double figure_line_air(const ReportCanvas& canvas, int width) {
    return figure_air(canvas) + std::max(1, width) / 2.0;
}

void line_around_texts(ReportCanvas& canvas, double x1, double y1, double x2, double y2) {
    const double air = figure_line_air(canvas, canvas.surface->pen().width);
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

namespace {

// How far a band may grow for a label it has no clear place for, in rows.
constexpr int kMostGrownRows = 12;

} // namespace

Box LabelLayout::place(Obstacles& obstacles, const FigureLabel& l, const Box& stated,
                       std::vector<Leader>& leaders) {
    const double slack = px_of(canvas_, kHairlineMm);
    const Air air{px_of(canvas_, kSideClearanceMm), px_of(canvas_, kClearanceMm)};
    const double row = stated.height() + air.down;
    if (stated.width() == 0.0 || !obstacles.blocks(stated, slack)) return stated;
    Box area = area_;
    if (l.highest) area.top = std::max(area.top, std::ceil(px_of(canvas_, *l.highest)));
    for (const double alternate : l.alternateRows) {
        const Box b = moved(stated, 0.0, mm_to_px(canvas_, alternate) - mm_to_px(canvas_, l.y));
        if (!obstacles.blocks(b, slack)) return b;
    }

    // A label a line or a neighbour merely touches steps just clear of it, up or
    // down by less than half a row, aside by less than a row, and still reads
    // as standing in its place, not in the row above or below.
    PlaceSearch step_off;
    step_off.stated = stated;
    step_off.area = {
        std::max(area.left, stated.left - row), std::max(area.top, stated.top - row / 2),
        std::min(area.right, stated.right + row), std::min(area.bottom, stated.bottom + row / 2)};
    step_off.slides = l.slides;
    step_off.prefer = l.prefer;
    if (const auto found = find_clear_place(obstacles, step_off, slack, air)) return *found;
    // Out of every row its figure keeps for it, it would stand in a row of
    // other figures (a moment value among the deflections): the figure is
    // told, so that it can keep another row.
    if (!l.alternateRows.empty()) ++astray_;

    const int leader_pen = leader_width(canvas_);
    const double leader_air = figure_line_air(canvas_, leader_pen);
    const double ax = px_of(canvas_, l.anchorX);
    const double ay = px_of(canvas_, l.anchorY);
    // A label that moved a row or slid a little, still beside its own place,
    // reads as before; one that went further gets a leader from the point it
    // names to the nearest point of its box, stopping short of the glyphs.
    const auto leader_of = [&](const Box& b) -> std::optional<Segment> {
        if (boxes_overlap(b, stated, -std::max(air.across, air.down) - 1.0)) return std::nullopt;
        // It ends where it would come within the air all round the box, and a
        // pixel before, as its ends are drawn on whole pixels.
        const double stop = leader_air + 1.0;
        const Box kept{b.left - stop, b.top - stop, b.right + stop, b.bottom + stop};
        if (ax > kept.left && ax < kept.right && ay > kept.top && ay < kept.bottom)
            return std::nullopt;
        const double dx = std::clamp(ax, b.left, b.right) - ax;
        const double dy = std::clamp(ay, b.top, b.bottom) - ay;
        // The part of the way towards the box's nearest point before it enters
        // the air: where it has entered it both across and down.
        double k = 0.0;
        if (ax <= kept.left) k = std::max(k, (kept.left - ax) / dx);
        if (ax >= kept.right) k = std::max(k, (kept.right - ax) / dx);
        if (ay <= kept.top) k = std::max(k, (kept.top - ay) / dy);
        if (ay >= kept.bottom) k = std::max(k, (kept.bottom - ay) / dy);
        return Segment{{static_cast<int>(std::lround(ax)), static_cast<int>(std::lround(ay))},
                       {static_cast<int>(std::lround(ax + dx * k)),
                        static_cast<int>(std::lround(ay + dy * k))},
                       LineRole::figure,
                       leader_pen};
    };
    // A leader keeps the figures' air from every text it passes.
    const auto leader_clear = [&](const Box& b) {
        const auto leader = leader_of(b);
        return !leader || !obstacles.near_text(*leader, leader_air);
    };

    // Nearest first among the rows it is meant for, with a clear way back to its
    // point; then out of its own stretch (a dimension out of its bracket). A
    // label never goes far without its leader: a band with no such place left
    // grows row by row.
    PlaceSearch search;
    search.stated = stated;
    search.rowStep = row;
    search.prefer = l.prefer;
    for (int grown = 0; grown <= kMostGrownRows; ++grown) {
        search.area = area;
        search.area.bottom += grown * row;
        for (const bool slides : {l.slides, true}) {
            search.slides = slides;
            const auto found = find_clear_place(obstacles, search, slack, air, leader_clear);
            if (!found) continue;
            if (const auto leader = leader_of(*found)) {
                obstacles.add(*leader);
                leaders.push_back({leader->from, leader->to});
            }
            return *found;
        }
    }
    // Nothing in reach at all: the nearest clear place, which a leader cannot
    // reach unseen.
    ++astray_;
    search.slides = true;
    if (const auto found = find_clear_place(obstacles, search, slack, air)) return *found;
    return stated;
}

void LabelLayout::draw() {
    Surface& surface = *canvas_.surface;
    const Font base = surface.font();
    const auto font_of = [&](const FigureLabel& label) {
        Font font = base;
        if (label.size > 0) font.size = label.size;
        return font;
    };

    // In the order the figure gives them, as if each were drawn in turn, those
    // that yield last: a label whose place is clear of the sheet and of the
    // labels before it keeps it.
    // What stands just outside the band counts too: a leader or a label on its
    // edge keeps its air from it. Below, the band may grow.
    const double margin = px_of(canvas_, 5.0);
    const Box reach{area_.left - margin, area_.top - margin, area_.right + margin,
                    area_.bottom + margin + kMostGrownRows * px_of(canvas_, 10.0)};
    Obstacles obstacles(surface, reach, figure_air(canvas_));
    std::vector<Box> stated(labels_.size());
    std::vector<Box> final(labels_.size());
    std::vector<Leader> leaders;
    astray_ = 0;
    for (const bool yielding : {false, true})
        for (std::size_t i = 0; i < labels_.size(); ++i) {
            const FigureLabel& l = labels_[i];
            if (l.yields != yielding) continue;
            stated[i] = surface.text_box(font_of(l), mm_to_px(canvas_, l.x), mm_to_px(canvas_, l.y),
                                         l.text);
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
