#include "report/beam_figure.h"

#include <string>

#include "common/number_text.h"
#include "report/diagram_frame.h"
#include "report/diagram_marks.h"
#include "report/primitives.h"

namespace korvex::report {

void draw_dimension(ReportCanvas& canvas, double scale, double x, double y, double length, double e,
                    double f, double g, LabelLayout& labels) {
    const double end = x + length / scale;
    const LineRoleScope ticks(*canvas.surface, LineRole::tick);
    move_to_mm(canvas, x, y + e);
    line_to_mm(canvas, x, y + f);
    line_to_mm(canvas, end, y + f);
    line_to_mm(canvas, end, y + e);
    // A value taller than the room above its line stands right on the line; one
    // wider than its bracket goes under the line, clear of the bracket's ends. It
    // never slides into the next bracket.
    const std::string text = common::format_fixed(length, 5, 0);
    const double middle = x + length / (2.0 * scale);
    // The air a label keeps from the line, and a pixel for the rows' rounding.
    const double air = mm_of(canvas, figure_line_air(canvas, canvas.surface->pen().width) + 1.0);
    const double on_line = y + f - label_height(canvas) - air;
    FigureLabel label{text, middle - label_width(text) / 2.0, y + g - kCharacterWidthUnit, middle,
                      y + f};
    label.alternateRows = {on_line, y + f + air};
    label.slides = false;
    labels.add(std::move(label));
}

void draw_beam_figure(ReportCanvas& canvas, const analysis::BeamModel& model, double scale,
                      double x0, double y, double centre_line_top, LabelLayout& labels) {
    const NodePositions nodes = beam_node_positions(model, scale);
    move_to_mm(canvas, x0, y);
    line_to_mm(canvas, x0 + nodes.total, y);

    Surface& surface = *canvas.surface;
    for (const double node : nodes.node) {
        const double x = x0 + node;
        surface.set_pen_style(PenStyle::dashDot);
        surface.set_line_role(LineRole::tick);
        line_around_texts(canvas, x, y + 8.0, x, centre_line_top);
        surface.set_line_role(LineRole::figure);
        surface.set_pen_style(PenStyle::solid);
        draw_support(canvas, x, y, kDiagramSupportHeight);
    }

    constexpr double e = 5.0, f = 8.0, g = 7.0;
    if (model.cantileverLeft > 0.0)
        draw_dimension(canvas, scale, x0, y, model.cantileverLeft, e, f, g, labels);
    for (int k = 0; k + 1 < static_cast<int>(nodes.node.size()); ++k)
        draw_dimension(canvas, scale, x0 + nodes.node[k], y, model.L[k], e, f, g, labels);
    if (model.cantileverRight > 0.0)
        draw_dimension(canvas, scale, x0 + nodes.node.back(), y, model.cantileverRight, e, f, g,
                       labels);
}

} // namespace korvex::report
