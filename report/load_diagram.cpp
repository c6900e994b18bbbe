#include "report/load_diagram.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/number_text.h"
#include "report/diagram_frame.h"
#include "report/diagram_marks.h"
#include "report/primitives.h"

namespace korvex::report {

namespace {

constexpr double kArrowSpacing = 5.0; // mm, near which arrows are spread

// Arrows over a cantilever or a band segment stand at whole-millimetre steps.
// The left cantilever's arrows stop short of its root, where the first span's
// own arrow stands; every other segment also gets one at its far end. A segment
// shorter than one step thus has a single arrow at its start, and a left
// cantilever that short none at all.
template <typename Arrow>
void arrows_at_whole_steps(double start, double length, bool include_end, Arrow arrow) {
    const int n = static_cast<int>(std::floor(length / kArrowSpacing));
    const double step = n > 0 ? std::floor(length / n) : 0.0;
    const int last = include_end ? n : n - 1;
    for (int i = 0; i <= last; ++i) arrow(start + i * step);
}

void horizontal_line(ReportCanvas& canvas, double x1, double x2, double y) {
    move_to_mm(canvas, x1, y);
    line_to_mm(canvas, x2, y);
}

} // namespace

void draw_load_band(ReportCanvas& canvas, const analysis::BeamModel& model, double scale,
                    double value, double x0, double y, double h) {
    const NodePositions nodes = beam_node_positions(model, scale);
    horizontal_line(canvas, x0, x0 + nodes.total, y);
    horizontal_line(canvas, x0, x0 + nodes.total, y - h);

    const auto arrow = [&](double x) { draw_arrow(canvas, value, x, y, h); };
    const double left = model.cantileverLeft / scale;
    if (left > 0.0) arrows_at_whole_steps(x0, left, false, arrow);
    for (int k = 0; k + 1 < static_cast<int>(nodes.node.size()); ++k) {
        const double d = nodes.node[k + 1] - nodes.node[k];
        if (d > 0.0) arrows_at_whole_steps(x0 + nodes.node[k], d, true, arrow);
    }
    const double right = model.cantileverRight / scale;
    if (right > 0.0) arrows_at_whole_steps(x0 + nodes.node.back(), right, true, arrow);
    arrow(x0 + nodes.total);
}

void draw_load_diagram(ReportCanvas& canvas, const analysis::BeamModel& model, double scale,
                       const SpanLoads& values, double x0, double y, double factor,
                       double reference_load, LoadDiagramMode mode, LabelLayout& labels) {
    const NodePositions nodes = beam_node_positions(model, scale);
    const int spans = static_cast<int>(nodes.node.size()) - 1;

    double r = 6.0 * factor;
    double largest = 0.0;
    for (int i = 0; i < spans; ++i)
        largest = std::max({largest, std::fabs(values[i][0]), std::fabs(values[i][1])});
    if (mode == LoadDiagramMode::scaleAdj && reference_load != 0.0)
        r = 0.6 * r * largest * 1000.0 / std::fabs(reference_load);

    const auto height = [&](double value) {
        return (r == 0.0 || largest == 0.0) ? 0.0 : r * value / largest;
    };
    // Heights beyond 7 mm would run into the next row; the coarse screen image
    // has less room and takes them down to 6.
    const double cut_to = on_paper(canvas) ? 7.0 : 6.0;
    const auto cut = [&](double h) { return h > 7.0 ? cut_to : h < -7.0 ? -cut_to : h; };

    // An arrow of height k = -F stands on y: a downward load (F < 0) has its head
    // on y, an upward one at its top; either way the tips lie at y - |F|.
    const auto arrow = [&](double x, double k) {
        if (k >= 0.0)
            draw_arrow(canvas, -1.0, x, y, k);
        else
            draw_arrow(canvas, 1.0, x, y, -k);
    };

    for (int i = 0; i < spans; ++i) {
        const double F = cut(height(values[i][0]));
        const double G = cut(height(values[i][1]));
        const double start = x0 + nodes.node[i];
        const double end = x0 + nodes.node[i + 1];
        const double d = nodes.node[i + 1] - nodes.node[i];
        const int n = static_cast<int>(std::floor(d / kArrowSpacing));
        const double step = n > 0 ? d / n : 0.0;
        const double height_step = n > 0 ? (F - G) / n : 0.0;
        bool tips_below = false; // some arrow has k >= 0
        bool tips_above = false;
        for (int j = 0; j <= n; ++j) {
            const double k = -(F - j * height_step);
            arrow(start + j * step, k);
            (k >= 0.0 ? tips_below : tips_above) = true;
        }
        if (tips_below) {
            move_to_mm(canvas, start, y + F);
            line_to_mm(canvas, end, y + G);
        }
        if (tips_above) {
            move_to_mm(canvas, start, y - F);
            line_to_mm(canvas, end, y - G);
        }
    }

    if (spans > 0) {
        const auto cantilever = [&](double start, double length, double F, bool include_end) {
            arrows_at_whole_steps(start, length, include_end, [&](double x) { arrow(x, -F); });
            horizontal_line(canvas, start, start + length, y - std::fabs(F));
        };
        const double left = model.cantileverLeft / scale;
        const double right = model.cantileverRight / scale;
        // The same load as the span beside it, so the same (cut) height: uncut, a
        // heavy snow load would stand far taller over the cantilever than over the
        // spans and run into the rows above.
        if (left > 0.0) cantilever(x0, left, cut(height(values[0][0])), false);
        if (right > 0.0)
            cantilever(x0 + nodes.node.back(), right, cut(height(values[spans - 1][1])), true);
    }

    const bool per_square_metre = factor == 1.0;
    const double unit = per_square_metre ? 1.0 : 0.75;
    for (int i = 0; i < spans; ++i) {
        const double start = values[i][0];
        if (start == 0.0) continue;
        const std::string text = per_square_metre ? common::format_fixed(-start * 1000.0, 5, 0)
                                                  : common::format_fixed(-start, 5, 3);
        const double middle = x0 + (nodes.node[i] + nodes.node[i + 1]) / 2.0;
        labels.add({text, middle - 0.6 * label_width(text), y - 10.0 * unit - 1.0, middle,
                    y - std::fabs(cut(height(start))), 0, -1});
    }
}

void draw_load_diagram(ReportCanvas& canvas, const analysis::BeamModel& model, double scale,
                       const SpanLoads& values, double x0, double y, double factor,
                       double reference_load, LoadDiagramMode mode) {
    const double page = mm_of(canvas, canvas.surface->page_size().width);
    LabelLayout labels(canvas, 0.0, y - 25.0, page, y);
    draw_load_diagram(canvas, model, scale, values, x0, y, factor, reference_load, mode, labels);
    labels.draw();
}

} // namespace korvex::report
