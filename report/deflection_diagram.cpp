#include "report/deflection_diagram.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "report/diagram_marks.h"
#include "report/label_layout.h"
#include "report/primitives.h"

namespace korvex::report {

namespace {

constexpr double kSampleStep = 100.0; // real mm between ordinates
constexpr Color kCurveColor = rgb(255, 0, 255);

// Cantilever ordinates run from x_start every 100 real mm; they are downward
// negative, so t - δ·k puts a sagging tip below the axis.
void draw_cantilever(ReportCanvas& canvas, const std::vector<double>& samples, double x_start,
                     double scale, double t, double k) {
    const std::size_t count = ordinate_count(samples);
    for (std::size_t i = 0; i < count; ++i) {
        const double x = x_start + static_cast<double>(i) * kSampleStep / scale;
        const double y = t - samples[i] * k;
        if (i == 0)
            move_to_mm(canvas, x, y);
        else
            line_to_mm(canvas, x, y);
    }
}

// Millimetres on the sheet per millimetre of deflection: the governing span's
// deflection is drawn 3 mm from the axis. A span or a cantilever that deflects
// further than the governing span (a cantilever beside short spans, a long span
// beside a weak short one) would be drawn past the diagram's band, on a short
// enough beam far off the sheet; then its largest ordinate takes the 3 mm.
double deflection_scale(const analysis::CaseResults& r, int spans, bool left, bool right) {
    double largest = r.maxDeflection;
    const auto widen = [&largest](const std::vector<double>& samples) {
        const std::size_t count = ordinate_count(samples);
        for (std::size_t i = 0; i < count; ++i) largest = std::max(largest, std::fabs(samples[i]));
    };
    for (int i = 0; i < spans; ++i) widen(r.deflectionSamples[static_cast<std::size_t>(i)]);
    if (left) widen(r.cantileverDeflectionSamples[0]);
    if (right) widen(r.cantileverDeflectionSamples[1]);
    return 3.0 / (largest == 0.0 ? 100.0 : largest);
}

std::string deflection_text(double delta) {
    return common::format_fixed(std::fabs(delta), 4, 2);
}

} // namespace

void draw_deflection_diagram(ReportCanvas& canvas, const DiagramFrame& frame,
                             const run::DiagramBlock& block, double t, LabelLayout& labels) {
    const analysis::BeamModel& model = block.model;
    const analysis::CaseResults& r = block.results;
    const double s = frame.scale;
    const double x0 = frame.x0;
    const NodePositions nodes = beam_node_positions(model, s);
    const int spans = static_cast<int>(nodes.node.size()) - 1;
    const auto X = [&](int k) { return x0 + nodes.node[k]; };
    const bool left = model.cantileverLeft > 0.0 && spans > 0;
    const bool right = model.cantileverRight > 0.0 && spans > 0;
    const double k = deflection_scale(r, spans, left, right);
    Surface& surface = *canvas.surface;

    draw_beam_axis(canvas, x0, nodes, t);

    surface.set_pen_color(kCurveColor);
    surface.set_pen_style(PenStyle::solid);
    for (int i = 0; i < spans; ++i) {
        // The ordinates lie at 95, 195, ... mm and are drawn on the 100 mm grid;
        // the last one, 5 mm short of the next step, gives way to the axis there.
        const std::vector<double>& samples = r.deflectionSamples[i];
        const std::size_t count = ordinate_count(samples);
        if (count == 0) continue;
        move_to_mm(canvas, X(i), t);
        std::size_t j = 0;
        for (; j + 1 < count; ++j)
            line_to_mm(canvas, X(i) + static_cast<double>(j + 1) * kSampleStep / s,
                       t + samples[j] * k);
        line_to_mm(canvas, X(i) + static_cast<double>(j + 1) * kSampleStep / s, t);
    }
    const auto& left_samples = r.cantileverDeflectionSamples[0];
    const auto& right_samples = r.cantileverDeflectionSamples[1];
    if (left) draw_cantilever(canvas, left_samples, x0, s, t, k);
    if (right) draw_cantilever(canvas, right_samples, X(spans), s, t, k);
    surface.set_pen_color(canvas.textColor);

    const double drop = lower_rows_drop(canvas, frame);
    text_at_mm(canvas, frame.labelX, t + 10.0 + drop, "δ[mm]");

    // The values stand 8 mm under the axis, where they may reach into the
    // moment values' row 5 mm under it; one that does goes to the row right
    // under those values. A value that has to go further is led back to the
    // curve it measures.
    const double row_below = t + 5.0 + label_height(canvas) + kClearanceMm + drop;
    const auto value = [&](std::string text, double x, double point_x, double point_y) {
        labels.add({std::move(text), x, t + 8.0 + drop, point_x, point_y, 0, 1, {row_below}});
    };
    for (int i = 0; i < spans; ++i) {
        const std::string text = deflection_text(r.spanDeflection[i]);
        const double mid = (X(i) + X(i + 1)) / 2.0;
        value(text, mid - 0.5 * label_width(text), mid, t + r.spanDeflection[i] * k);
    }
    if (left && ordinate_count(left_samples) > 0)
        value(deflection_text(left_samples[0]), x0, x0, t - left_samples[0] * k);
    if (const std::size_t count = ordinate_count(right_samples); right && count > 0) {
        const std::string text = deflection_text(right_samples[count - 1]);
        const double tip = x0 + nodes.total;
        value(text, tip - label_width(text), tip, t - right_samples[count - 1] * k);
    }
}

void draw_deflection_diagram(ReportCanvas& canvas, const DiagramFrame& frame,
                             const run::DiagramBlock& block, double t) {
    LabelLayout labels = block_labels(canvas, frame, t);
    draw_deflection_diagram(canvas, frame, block, t, labels);
    labels.draw();
}

} // namespace korvex::report
