#include "report/roof_figure.h"

#include <initializer_list>
#include <string_view>

#include "common/rounding.h"
#include "report/primitives.h"

namespace korvex::report {

namespace {

constexpr Color kFigureGrey = rgb(102, 102, 102);

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
    void text(MmPoint at, std::string_view mark) const {
        text_at_mm(canvas, at.x, at.y + dy, mark);
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

} // namespace

void draw_roof_figure(ReportCanvas& canvas, const calc::DesignInputs& inputs, double dy) {
    const Roof roof = roof_of(inputs);
    if (roof == Roof::none) return;
    Surface& surface = *canvas.surface;
    const Pen before = surface.pen();
    const Figure figure{canvas, dy};

    surface.set_pen(Pen{kFigureGrey, pen_width(canvas, 30), PenStyle::solid});
    draw_outlines(figure, roof);
    surface.set_pen_width(pen_width(canvas, 7));
    draw_dimensions(figure, roof);
    const Marks marks = marks_of(roof);
    figure.text(marks.d, "Ｄ");
    figure.text(marks.theta, "θ");

    // The pages after this one draw in black with the pen they had.
    surface.set_pen(Pen{canvas.textColor, before.width, before.style});
}

} // namespace korvex::report
