#include "report/moment_diagram.h"

#include <cmath>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "common/rounding.h"
#include "report/diagram_marks.h"
#include "report/label_layout.h"
#include "report/primitives.h"

namespace korvex::report {

namespace {

constexpr double kSampleStep = 100.0; // real mm between ordinates
// Below this length a span's right-hand values would run into the next span's.
constexpr double kShortSpan = 2500.0;

// Ordinates from `x_start` every 100 real mm. Returns the x of the last one.
double draw_ordinates(ReportCanvas& canvas, const std::vector<double>& samples, double x_start,
                      double scale, double t, double k) {
    const std::size_t count = ordinate_count(samples);
    double x = x_start;
    for (std::size_t i = 0; i < count; ++i) {
        x = x_start + static_cast<double>(i) * kSampleStep / scale;
        const double y = t - samples[i] * k;
        if (i == 0)
            move_to_mm(canvas, x, y);
        else
            line_to_mm(canvas, x, y);
    }
    return x;
}

std::string end_moment_text(double M) {
    return M == 0.0 ? std::string("0.0") : common::format_fixed(std::fabs(M) * 1e-6, 6, 3);
}

// The span's extreme, raised to the next 0.001 kN·m so the report never shows
// less than the moment the check used.
std::string span_extreme_text(double M) {
    const double v = std::fabs(M) * 1e-6;
    return common::format_fixed(common::decimal_floor(v * 1000.0 + 0.9999) / 1000.0, 6, 3);
}

std::string shear_text(double V, int decimals) {
    return "(" + common::format_fixed(V * 0.001, 6, decimals) + ")";
}

} // namespace

void draw_moment_diagram(ReportCanvas& canvas, const DiagramFrame& frame,
                         const run::DiagramBlock& block, double t, LabelLayout& labels) {
    const analysis::BeamModel& model = block.model;
    const analysis::CaseResults& r = block.results;
    const double s = frame.scale;
    const double x0 = frame.x0;
    const NodePositions nodes = beam_node_positions(model, s);
    const int spans = static_cast<int>(nodes.node.size()) - 1;
    const auto X = [&](int k) { return x0 + nodes.node[k]; };
    const bool paper = on_paper(canvas);
    const double k = 5.0 / (r.maxMoment == 0.0 ? 100.0 : r.maxMoment);

    draw_beam_axis(canvas, x0, nodes, t);

    for (int i = 0; i < spans; ++i) {
        if (ordinate_count(r.momentSamples[i]) > 0) {
            const double last = draw_ordinates(canvas, r.momentSamples[i], X(i), s, t, k);
            line_to_mm(canvas, last, t);
        }
        const double xe = X(i) + r.spanMomentX[i] / s;
        move_to_mm(canvas, xe, t);
        line_to_mm(canvas, xe, t - r.spanMoment[i] * k);
    }

    const bool left = model.cantileverLeft > 0.0 && spans > 0;
    const bool right = model.cantileverRight > 0.0 && spans > 0;
    const auto& left_samples = r.cantileverMomentSamples[0];
    const auto& right_samples = r.cantileverMomentSamples[1];
    if (left && ordinate_count(left_samples) > 0) {
        const double last = draw_ordinates(canvas, left_samples, x0, s, t, k);
        line_to_mm(canvas, last, t);
    }
    if (right) draw_ordinates(canvas, right_samples, std::trunc(X(spans)), s, t, k);

    // Values under the axis name the support they stand by; a label that has to
    // leave its place is led back to the foot of that support.
    const double foot = t + kDiagramSupportHeight;
    const auto below = [&](std::string text, double x, double y, double support, int size = 0,
                           std::vector<double> alternates = {}, bool yields = false) {
        FigureLabel label{std::move(text), x, y, support, foot, size, 1, std::move(alternates)};
        label.yields = yields;
        label.highest = foot;
        labels.add(std::move(label));
    };
    for (int i = 0; i < spans; ++i) {
        const std::string at_start = end_moment_text(r.endForces[i][2]);
        below(at_start, X(i) + 0.1 * label_width(at_start), t + 5.0, X(i));
        const std::string at_end = end_moment_text(r.endForces[i][5]);
        const bool lifted = model.L[i] < kShortSpan && i > 0;
        // A short span lifts its end value toward the axis, clear of the next
        // span's values, where the support and the curve leave it no room: it
        // stands under the axis with the others when the row has room, and
        // otherwise gives way to every other value of the block.
        std::vector<double> rows;
        if (lifted)
            for (int row = 0; row < frame.valueRows; ++row)
                rows.push_back(value_row(canvas, t, row));
        below(at_end, X(i + 1) - 1.1 * label_width(at_end), lifted ? t + 1.0 : t + 5.0, X(i + 1), 0,
              rows, lifted);

        const double M = r.spanMoment[i];
        const std::string extreme = span_extreme_text(M);
        const double xe = X(i) + r.spanMomentX[i] / s;
        labels.add({extreme, xe - 0.5 * label_width(extreme), M < 0.0 ? t - 5.0 : t - 9.0, xe,
                    t - M * k, 0, -1});
    }

    // The cantilever's root moment is written once more over the cantilever
    // itself, left of the support, as the right cantilever's is right of its own.
    if (left) {
        const std::string text = common::format_fixed(std::fabs(r.endForces[0][2]) * 1e-6, 6, 3);
        const double w = label_width(text);
        below(text, X(0) + r.spanMomentX[0] / s - (paper ? 2.2 : 2.4) * w, t + 5.0, X(0));
    }
    if (right && ordinate_count(right_samples) > 0) {
        const std::string text = common::format_fixed(std::fabs(right_samples[0]) * 1e-6, 6, 3);
        const double w = label_width(text);
        below(text, X(spans - 1) + r.spanMomentX[spans - 1] / s + 1.9 * w, t + 5.0, X(spans));
    }

    const int shear_size = canvas.baseFontSize - 1;
    const double shear_row = t + 15.0 + lower_rows_drop(canvas, frame);
    if (left) {
        const std::string text = "(" +
                                 common::trim(common::format_fixed(
                                     model.cantileverLeft * block.cantileverLoad * 1e-6, 6, 2)) +
                                 ")";
        below(text, X(0) - label_width(text), shear_row, X(0), shear_size);
    }
    const int decimals = paper ? 3 : 2;
    for (int i = 0; i < spans; ++i) {
        below(shear_text(r.endForces[i][1], decimals), X(i), shear_row, X(i), shear_size);
        const std::string at_end = shear_text(r.endForces[i][4], decimals);
        const bool short_span = model.L[i] < kShortSpan;
        below(at_end, X(i + 1) - (short_span ? 1.1 : 0.8) * label_width(at_end),
              short_span ? shear_row + 4.5 : shear_row, X(i + 1), shear_size);
    }
}

void draw_moment_diagram(ReportCanvas& canvas, const DiagramFrame& frame,
                         const run::DiagramBlock& block, double t) {
    LabelLayout labels = block_labels(canvas, frame, t);
    draw_moment_diagram(canvas, frame, block, t, labels);
    labels.draw();
}

} // namespace korvex::report
