#include "report/roof_figure.h"

#include <initializer_list>

#include "common/rounding.h"
#include "report/primitives.h"

namespace korvex::report {

namespace {

constexpr Color kFigureGrey = rgb(102, 102, 102);

struct MmPoint {
    double x;
    double y;
};

void polyline(ReportCanvas& canvas, std::initializer_list<MmPoint> points) {
    bool first = true;
    for (const MmPoint p : points) {
        if (first)
            move_to_mm(canvas, p.x, p.y);
        else
            line_to_mm(canvas, p.x, p.y);
        first = false;
    }
}

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

void draw_outlines(ReportCanvas& c, Roof roof) {
    switch (roof) {
    case Roof::monoPitch:
        polyline(c, {{142, 31}, {185, 23}});
        polyline(c, {{145, 42}, {145, 31}});
        polyline(c, {{185, 42}, {185, 23}});
        break;
    case Roof::gable:
        polyline(c, {{142, 32}, {165, 20}, {188, 32}});
        polyline(c, {{145, 42}, {145, 31}});
        polyline(c, {{185, 42}, {185, 31}});
        break;
    case Roof::arc:
        arc_mm(c, 132, 20, 194, 70, 194, 20, 132, 20);
        polyline(c, {{141, 42}, {141, 28}});
        polyline(c, {{185, 42}, {185, 28}});
        break;
    case Roof::canopyGable:
        polyline(c, {{142, 25}, {160, 19}, {178, 25}});
        polyline(c, {{160, 19}, {160, 39}});
        break;
    case Roof::canopyWing:
        polyline(c, {{142, 19}, {160, 25}, {178, 19}});
        polyline(c, {{160, 25}, {160, 39}});
        break;
    case Roof::none:
        break;
    }
}

// Dimension line of D and the horizontal the angle θ is measured from.
void draw_dimensions(ReportCanvas& c, Roof roof) {
    switch (roof) {
    case Roof::monoPitch:
        polyline(c, {{142, 44}, {142, 47}, {185, 47}, {185, 44}});
        polyline(c, {{145, 31}, {157, 31}});
        break;
    case Roof::gable:
        polyline(c, {{142, 44}, {142, 47}, {165, 47}, {165, 27}});
        polyline(c, {{145, 31}, {157, 31}});
        break;
    case Roof::arc:
        polyline(c, {{141, 44}, {141, 47}, {163, 47}, {163, 20.5}, {141, 27.5}, {154, 27.5}});
        break;
    case Roof::canopyGable:
        polyline(c, {{142, 28}, {142, 44}, {178, 44}, {178, 28}});
        polyline(c, {{142, 25.5}, {157, 25.5}});
        break;
    case Roof::canopyWing:
        polyline(c, {{142, 28}, {142, 44}, {178, 44}, {178, 28}});
        polyline(c, {{145, 25.5}, {160, 25.5}});
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

void draw_roof_figure(ReportCanvas& canvas, const calc::DesignInputs& inputs) {
    const Roof roof = roof_of(inputs);
    if (roof == Roof::none) return;
    Surface& surface = *canvas.surface;
    const Pen before = surface.pen();

    surface.set_pen(Pen{kFigureGrey, pen_width(canvas, 30), PenStyle::solid});
    draw_outlines(canvas, roof);
    surface.set_pen_width(pen_width(canvas, 7));
    draw_dimensions(canvas, roof);
    const Marks marks = marks_of(roof);
    text_at_mm(canvas, marks.d.x, marks.d.y, "Ｄ");
    text_at_mm(canvas, marks.theta.x, marks.theta.y, "θ");

    // The pages after this one draw in black with the pen they had.
    surface.set_pen(Pen{canvas.textColor, before.width, before.style});
}

} // namespace korvex::report
