#pragma once

// Where a text goes when the place its page states for it is taken. A text keeps
// its stated place when that is clear of everything the sheet already holds;
// otherwise it gives way, the later text to the earlier, and takes the nearest
// clear place its kind allows:
// - a label of a figure takes the nearest free row above or below, sliding
//   along it if it must, with a thin leader back to its point when it leaves it
//   (LabelLayout);
// - a text that follows on a line, like the OK/NG mark, goes past the end of
//   what stands before it (x_past_line);
// - a small text tied to its line, like an exponent, shifts up or down just
//   clear of its neighbour (y_clear_between).
// Whether a place is clear is decided with the real metrics of the font the
// device draws in (Surface::measure).

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_canvas.h"

namespace korvex::report {

// Boxes that share less than this, and frames that run less far inside a box,
// do not collide: the smoothed edges of glyphs a hairline apart do not touch.
inline constexpr double kHairlineMm = 0.25;
// The air a text that has given way keeps from its new neighbours: a little
// above and below, and about a space beside them, so that two numbers on one
// row never read as one. Every line of a figure keeps the smaller air all
// round from every text, counted from the edge of its pen.
inline constexpr double kClearanceMm = 0.3;
inline constexpr double kSideClearanceMm = 1.0;

// Room kept around a box, px: across (left and right) and down (above and below).
struct Air {
    double across = 0.0;
    double down = 0.0;
};

// What stands in the way of a text: the sheet's texts and frames, and the lines
// of its figures when they are to be kept clear of; places kept for texts not
// yet drawn can be added. The marks are held in the order of their tops, so
// that a question about a few rows looks at the marks of those rows only.
class Obstacles {
public:
    // The marks of `surface`'s sheet that reach into `area` (px) or come within
    // 2 mm of it. With a
    // `figure_air`, every line of a figure (curves, axes, arrows, supports,
    // ticks, leaders) must stay that many px clear of a text beyond half its
    // pen; without one, figure lines may run beside a text and ticks count as
    // frames.
    Obstacles(const Surface& surface, const Box& area,
              std::optional<double> figure_air = std::nullopt);

    void add(const Box& box);
    void add(const Segment& line);

    // True when `box` shares more than `slack` px with a text, a frame runs
    // more than `slack` px into it, or a figure line comes within its air.
    bool blocks(const Box& box, double slack) const;
    // True when the line comes within `air` px of a text's box.
    bool near_text(const Segment& line, double air) const;

    // The left edges in [lo, hi] at which a box `width` wide over the rows
    // [top, bottom] keeps `air` from every text and frame and their own air
    // from figure lines, as closed intervals from left to right.
    struct Span {
        double lo;
        double hi;
    };
    std::vector<Span> free_lefts(double top, double bottom, double width, double lo, double hi,
                                 Air air) const;
    // Tops in [top_lo, top_hi] at which a box `height` high would just clear a
    // mark above or below it, for a box whose left edge may lie in [left, right].
    std::vector<double> edge_tops(double left, double right, double width, double height,
                                  double air, double top_lo, double top_hi) const;

private:
    enum class Kind { text, frame, figure };
    struct Mark {
        Kind kind;
        Box bounds;
        Segment line; // frames and figure lines
        double air;   // figure lines: what a text keeps from the line's middle
    };
    void insert(const Mark& mark);
    // Calls f(mark) for every mark whose rows may reach [top, bottom].
    template <typename F> void for_each_near(double top, double bottom, F f) const;

    std::optional<double> figureAir_;
    double tallHeight_ = 0.0;      // marks higher than this are kept apart
    std::vector<Mark> shortMarks_; // by their tops
    double shortHeight_ = 0.0;     // of the highest of them
    std::vector<Mark> tallMarks_;
    double widestAir_ = 0.0; // of any figure line
};

// How a text may move to find a clear place.
struct PlaceSearch {
    Box stated; // its box at the stated place, px
    Box area;   // the box must stay inside this
    // Moves up or down by whole rows of this height (px); 0 moves just far
    // enough to clear what is in the way.
    double rowStep = 0.0;
    bool slides = false;
    // The direction the text moves in first: +1 down, -1 up. Moving the other
    // way costs three times as much.
    int prefer = 1;
    // Horizontal moves count this many times their length against vertical ones:
    // a label stays over its point rather than drift along its row.
    double slideWeight = 1.5;
};

// The nearest clear place for the searched box that `acceptable` (when given)
// accepts, the stated one when it is clear; nothing when the area holds none. A
// moved box keeps `air` from its neighbours; the stated one needs only to share
// no more than `slack` px with them. Either keeps the obstacles' own air from
// figure lines.
std::optional<Box> find_clear_place(const Obstacles& obstacles, const PlaceSearch& search,
                                    double slack, Air air,
                                    const std::function<bool(const Box&)>& acceptable = nullptr);

// Millimetres to pixels and back at the canvas scale, without truncation.
double px_of(const ReportCanvas& canvas, double mm);
double mm_of(const ReportCanvas& canvas, double px);

// The x at which `text` (current font) starts at row y when it follows a line:
// `stated_x`, or past the end of the texts that stand there, up to `right_limit`.
int x_past_line(const ReportCanvas& canvas, int stated_x, int y, std::string_view text,
                int right_limit);

// The top nearest `stated_y` in [lo, hi] at which `text` (current font) drawn at
// x is clear of the sheet's texts and frames, and, with a `figure_air`, that far
// from its figure lines; `stated_y` when nothing is.
int y_clear_between(const ReportCanvas& canvas, int x, int stated_y, int lo, int hi,
                    std::string_view text, std::optional<double> figure_air = std::nullopt);

// The air (px) a text keeps from the edge of a figure line's pen: the
// clearance, and a pixel more, as lines and texts are drawn on whole pixels.
double figure_air(const ReportCanvas& canvas);
// The same from the middle of a line drawn with a pen `width` px wide.
double figure_line_air(const ReportCanvas& canvas, int width);

// Draws the line from (x1, y1) to (x2, y2), absolute millimetres, with the
// current pen and role, left out where it would come near a text of the sheet:
// the centre lines of a figure give way to the labels of its rows.
void line_around_texts(ReportCanvas& canvas, double x1, double y1, double x2, double y2);

// How far (px, 0 or more) the boxes of a row must move down together to keep
// `air` from the sheet's texts and frames they would run into, and, with a
// `figure_air`, from its figure lines; 0 when they are clear, or when no shift
// up to `limit` clears them.
double shift_down_clear(const Surface& surface, const std::vector<Box>& boxes, double slack,
                        double air, double limit, std::optional<double> figure_air = std::nullopt);

// A label of a figure: the text, its stated top-left corner and the point it
// names, all in absolute millimetres of the surface.
struct FigureLabel {
    std::string text;
    double x = 0.0;
    double y = 0.0;
    double anchorX = 0.0;
    double anchorY = 0.0;
    int size = 0;   // points; 0 for the base size
    int prefer = 1; // +1 moves down first, -1 up
    // Rows the figure itself keeps for this label when its own is taken, tried in
    // order before any other place.
    std::vector<double> alternateRows = {};
    // Whether it may slide along a row; a label that belongs between two marks
    // (a dimension between its ticks) only changes rows.
    bool slides = true;
    // Whether it gives way to the other labels of its figure: placed after them
    // all, like a value its figure lifts out of a full row.
    bool yields = false;
    // The highest its top may stand, when it must stay below a line of its
    // figure: a value under the axis stays under the supports it names.
    std::optional<double> highest = std::nullopt;
};

// The labels of one figure, drawn together once the figure's lines stand: each
// keeps its stated place when that is clear of the sheet's texts, frames and
// figure lines and of the labels before it, or takes the first clear one of the
// rows its figure keeps for it; a label a line merely touches steps just clear
// of it; the others move to the nearest free row of the figure's band, sliding
// along it if they must, with a leader back to their point. Where the band holds
// no clear place it grows downward.
class LabelLayout {
public:
    // The band the labels may use, absolute millimetres.
    LabelLayout(ReportCanvas& canvas, double left, double top, double right, double bottom);

    void add(FigureLabel label);
    // Places and draws every label, and the leaders of those that moved.
    void draw();

    // Where each label went (px top-left), in the order they were added, and the
    // lowest point any of them reaches (px), below the band when it had to
    // grow; filled by draw().
    const std::vector<Point>& placed() const { return placed_; }
    double bottom() const { return bottom_; }
    // How many labels had to go far from their places where no leader could
    // reach them, or out of every row their figure keeps for them; filled by
    // draw().
    int astray() const { return astray_; }

private:
    struct Leader {
        Point from;
        Point to;
    };
    // Where the label goes, given what stands before it; adds its leader, if it
    // needs one, to `leaders` and to the obstacles.
    Box place(Obstacles& obstacles, const FigureLabel& label, const Box& stated,
              std::vector<Leader>& leaders);

    ReportCanvas& canvas_;
    Box area_;
    std::vector<FigureLabel> labels_;
    std::vector<Point> placed_;
    double bottom_ = 0.0;
    int astray_ = 0;
};

} // namespace korvex::report
