#include "report/roof_figure.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

#include "common/rounding.h"
#include "report/label_layout.h"
#include "report/primitives.h"
#include "report/recording_surface.h"

namespace korvex::report {

namespace {

constexpr Color kFigureGrey = rgb(102, 102, 102);
// Where the figure and its marks stand at the top of a sheet, mm.
constexpr double kFigureLeft = 130.0;
constexpr double kFigureTop = 15.0;
constexpr double kFigureRight = 196.0;
constexpr double kFigureBottom = 52.0;

struct MmPoint {
    double x;
    double y;
};

// The figure's lines and marks, `dy` mm lower than their places at the top of a
// sheet.
struct Figure {
    ReportCanvas& canvas;
    double dy = 0.0;

    void polyline(std::initializer_list<MmPoint> points) const {
        bool first = true;
        for (const MmPoint p : points) {
            if (first)
                move_to_mm(canvas, p.x, p.y + dy);
            else
                line_to_mm(canvas, p.x, p.y + dy);
            first = false;
        }
    }
    void arc(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
             double y4) const {
        arc_mm(canvas, x1, y1 + dy, x2, y2 + dy, x3, y3 + dy, x4, y4 + dy);
    }
    // A mark of the figure, placed with the figure's other labels.
    void text(LabelLayout& labels, MmPoint at, std::string mark) const {
        labels.add({std::move(mark), at.x, at.y + dy, at.x, at.y + dy});
    }
};

// Pen widths are given for a 600-dpi printer and scale with the resolution.
int pen_width(const ReportCanvas& canvas, int width_at_600) {
    return common::to_int(width_at_600 * canvas.dpi / 600.0);
}

enum class Roof { none, monoPitch, gable, arc, canopyGable, canopyWing };

Roof roof_of(const calc::DesignInputs& in) {
    switch (in.roofType) {
    case calc::RoofType::monoPitch:
        return Roof::monoPitch;
    case calc::RoofType::gable:
        return Roof::gable;
    case calc::RoofType::arc:
        return Roof::arc;
    case calc::RoofType::canopy:
        return in.canopyShape == calc::CanopyShape::wing ? Roof::canopyWing : Roof::canopyGable;
    }
    return Roof::none;
}

void draw_outlines(const Figure& c, Roof roof) {
    switch (roof) {
    case Roof::monoPitch:
        c.polyline({{142, 31}, {185, 23}});
        c.polyline({{145, 42}, {145, 31}});
        c.polyline({{185, 42}, {185, 23}});
        break;
    case Roof::gable:
        c.polyline({{142, 32}, {165, 20}, {188, 32}});
        c.polyline({{145, 42}, {145, 31}});
        c.polyline({{185, 42}, {185, 31}});
        break;
    case Roof::arc:
        c.arc(132, 20, 194, 70, 194, 20, 132, 20);
        c.polyline({{141, 42}, {141, 28}});
        c.polyline({{185, 42}, {185, 28}});
        break;
    case Roof::canopyGable:
        c.polyline({{142, 25}, {160, 19}, {178, 25}});
        c.polyline({{160, 19}, {160, 39}});
        break;
    case Roof::canopyWing:
        c.polyline({{142, 19}, {160, 25}, {178, 19}});
        c.polyline({{160, 25}, {160, 39}});
        break;
    case Roof::none:
        break;
    }
}

// Dimension line of D and the horizontal the angle θ is measured from.
void draw_dimensions(const Figure& c, Roof roof) {
    switch (roof) {
    case Roof::monoPitch:
        c.polyline({{142, 44}, {142, 47}, {185, 47}, {185, 44}});
        c.polyline({{145, 31}, {157, 31}});
        break;
    case Roof::gable:
        c.polyline({{142, 44}, {142, 47}, {165, 47}, {165, 27}});
        c.polyline({{145, 31}, {157, 31}});
        break;
    case Roof::arc:
        c.polyline({{141, 44}, {141, 47}, {163, 47}, {163, 20.5}, {141, 27.5}, {154, 27.5}});
        break;
    case Roof::canopyGable:
        c.polyline({{142, 28}, {142, 44}, {178, 44}, {178, 28}});
        c.polyline({{142, 25.5}, {157, 25.5}});
        break;
    case Roof::canopyWing:
        c.polyline({{142, 28}, {142, 44}, {178, 44}, {178, 28}});
        c.polyline({{145, 25.5}, {160, 25.5}});
        break;
    case Roof::none:
        break;
    }
}

struct Marks {
    MmPoint d;
    MmPoint theta;
};

Marks marks_of(Roof roof) {
    switch (roof) {
    case Roof::monoPitch:
        return {{162, 43}, {158, 29}};
    case Roof::gable:
        return {{152, 43}, {152, 27}};
    case Roof::arc:
        return {{150, 43}, {154, 24}};
    case Roof::canopyGable:
        return {{158, 40}, {151, 26}};
    case Roof::canopyWing:
        return {{158, 40}, {149, 26}};
    case Roof::none:
        break;
    }
    return {};
}

void draw_lines(ReportCanvas& canvas, Roof roof, double dy) {
    Surface& surface = *canvas.surface;
    const Figure figure{canvas, dy};
    surface.set_pen(Pen{kFigureGrey, pen_width(canvas, 30), PenStyle::solid});
    draw_outlines(figure, roof);
    surface.set_pen_width(pen_width(canvas, 7));
    draw_dimensions(figure, roof);
}

// How far below `dy` the figure stands so that none of its lines comes near a
// text of the sheet: a long line of the page may reach into its column. Each
// place is tried on a trial sheet that holds what the sheet holds, down to the
// foot of the sheet; where none is clear it stays where it was asked to.
double clear_of_texts(const ReportCanvas& canvas, Roof roof, double dy) {
    constexpr double kStep = 0.5; // mm
    const Surface& sheet = *canvas.surface;
    const double foot = mm_of(canvas, sheet.page_size().height);
    for (int step = 0; kFigureBottom + dy + step * kStep <= foot; ++step) {
        const double lower = dy + step * kStep;
        RecordingSurface trial(*canvas.surface, DeviceUse::measure);
        ReportCanvas probe = canvas;
        probe.surface = &trial;
        const std::size_t before = trial.sheet_marks().lines.size();
        draw_lines(probe, roof, lower);
        const std::vector<Segment>& lines = trial.sheet_marks().lines;
        const Obstacles texts(sheet,
                              {px_of(canvas, kFigureLeft), px_of(canvas, kFigureTop + lower),
                               px_of(canvas, kFigureRight), px_of(canvas, kFigureBottom + lower)});
        if (std::none_of(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end(),
                         [&](const Segment& line) {
                             return texts.near_text(line, figure_line_air(canvas, line.width));
                         }))
            return lower;
    }
    return dy;
}

} // namespace

void draw_roof_figure(ReportCanvas& canvas, const calc::DesignInputs& inputs, double dy) {
    const Roof roof = roof_of(inputs);
    if (roof == Roof::none) return;
    Surface& surface = *canvas.surface;
    const Pen before = surface.pen();
    dy = clear_of_texts(canvas, roof, dy);
    const Figure figure{canvas, dy};
    draw_lines(canvas, roof, dy);
    // The marks step just clear of the lines they name.
    LabelLayout labels(canvas, kFigureLeft, kFigureTop + dy, kFigureRight, kFigureBottom + dy);
    const Marks marks = marks_of(roof);
    figure.text(labels, marks.d, "Ｄ");
    figure.text(labels, marks.theta, "θ");
    labels.draw();

    // The pages after this one draw in black with the pen they had.
    surface.set_pen(Pen{canvas.textColor, before.width, before.style});
}

} // namespace korvex::report
