#include "report/diagram_frame.h"

#include <algorithm>

#include "analysis/case_results.h"
#include "common/text_encoding.h"
#include "report/diagram_marks.h"
#include "report/primitives.h"

namespace korvex::report {

double label_width(std::string_view text) {
    return static_cast<double>(common::cp932_byte_length(text)) * 0.5 * kCharacterWidthUnit;
}

DiagramLayout diagram_layout(double origin_y) {
    DiagramLayout layout;
    double y = origin_y;
    for (std::size_t i = 0; i < layout.y.size(); ++i) {
        y += DiagramLayout::kRowSteps[i];
        layout.y[i] = y;
    }
    return layout;
}

NodePositions beam_node_positions(const analysis::BeamModel& model, double scale) {
    NodePositions positions;
    // Real lengths are summed first and divided once, so a support lands where
    // its distance from the tip says, whatever the spans before it.
    double real = model.cantileverLeft;
    positions.node.push_back(real / scale);
    for (int k = 0; k < model.n && k < analysis::kMaxSpans; ++k) {
        real += model.L[k];
        positions.node.push_back(real / scale);
    }
    positions.total = (real + model.cantileverRight) / scale;
    return positions;
}

void draw_beam_axis(ReportCanvas& canvas, double x0, const NodePositions& nodes, double t) {
    move_to_mm(canvas, x0, t);
    line_to_mm(canvas, x0 + nodes.total, t);
    for (double node : nodes.node) draw_support(canvas, x0 + node, t, kDiagramSupportHeight);
}

double figure_right(const ReportCanvas& canvas) {
    if (on_paper(canvas)) return mm_of(canvas, canvas.leftMargin) + kPaperFigureWidth;
    if (canvas.frameRight > 0) return mm_of(canvas, canvas.frameRight);
    return mm_of(canvas, canvas.surface->page_size().width);
}

double label_height(const ReportCanvas& canvas) {
    Font font = canvas.surface->font();
    font.size = canvas.baseFontSize;
    return mm_of(canvas, canvas.surface->text_metrics(font, "0").height());
}

LabelLayout block_labels(ReportCanvas& canvas, const DiagramFrame& frame, double t) {
    // The heading stands 25 mm over the axis and is 4 mm high.
    return LabelLayout(canvas, frame.labelX, t - 21.0, figure_right(canvas),
                       block_band_bottom(canvas, frame, t));
}

double block_band_bottom(const ReportCanvas& canvas, const DiagramFrame& frame, double t) {
    // The next block's heading (on paper its dotted rule) lies 24 mm under the axis.
    return t + 23.5 + lower_rows_drop(canvas, frame);
}

double value_row(const ReportCanvas& canvas, double t, int row) {
    return t + 5.0 + row * (label_height(canvas) + kClearanceMm);
}

double lower_rows_drop(const ReportCanvas& canvas, const DiagramFrame& frame) {
    if (frame.valueRows <= 1) return 0.0;
    // The deflection values stand 8 mm under the axis, under the last row of
    // moment values.
    return std::max(0.0, value_row(canvas, 0.0, frame.valueRows) - 8.0);
}

std::size_t ordinate_count(const std::vector<double>& samples) {
    std::size_t count = 0;
    while (count < samples.size() && samples[count] != analysis::kSampleEnd) ++count;
    return count;
}

} // namespace korvex::report
