#include "report/load_figure.h"

#include <cmath>
#include <string>

#include "common/rounding.h"
#include "report/beam_figure.h"
#include "report/label_layout.h"
#include "report/load_diagram.h"
#include "report/primitives.h"

namespace korvex::report {

namespace {

// The heading box in the right end of the rule on paper.
constexpr double kHeadingBoxWidth = 40.0;
constexpr double kHeadingBoxHeight = 6.0;

int scaled_size(int base, double factor) {
    return static_cast<int>(std::floor(factor * base));
}

void draw_labels(ReportCanvas& canvas, const DiagramLayout& rows, double x, int G, int w_plus,
                 int w_minus) {
    Surface& surface = *canvas.surface;
    const bool paper = on_paper(canvas);
    const int base = canvas.baseFontSize;
    const auto& y = rows.y;

    if (paper) {
        text_at_mm(canvas, x + 142.0, y[2] - 14.0, "荷   　  重");
    } else {
        surface.set_font_size(scaled_size(base, 1.25));
        text_at_mm(canvas, x - 5.0, y[2] - 14.0, "荷   　  重");
    }
    surface.set_font_size(scaled_size(base, 0.9));
    text_at_mm(canvas, x + 145.0, y[2] - (paper ? 8.0 : 11.0), "（下向き荷重を正とする）");
    surface.set_font_size(base);

    // The caption stands over its band; a tall screen font lifts it clear.
    const std::string dead_load =
        "固定荷重Ｇ[自重＋その他荷重]＋積載荷重Ｐ   Ｗ＝" + std::to_string(G) + "N/㎡";
    const int dead_load_x = mm_to_px(canvas, x);
    const int dead_load_y = mm_to_px(canvas, y[2] - (paper ? 8.0 : 7.0));
    surface.text_out(dead_load_x,
                     y_clear_between(canvas, dead_load_x, dead_load_y,
                                     dead_load_y - mm_to_px(canvas, 2.0), dead_load_y, dead_load,
                                     figure_air(canvas)),
                     dead_load);
    text_at_mm(canvas, x, y[3] - 9.0,
               "風荷重 Ｗ(負圧)＝" + std::to_string(w_minus) + "N/㎡(下記)、  Ｗ(正圧)＝" +
                   std::to_string(w_plus) + "N/㎡");
    text_at_mm(canvas, x, y[4] - 11.0, "積雪荷重Ｓ");
    // The unit stands right under the caption, a little lower where the
    // caption's font reaches down to it.
    const std::string unit = "   [N/㎡]";
    const int unit_x = mm_to_px(canvas, x);
    const int unit_y = mm_to_px(canvas, y[4] - (paper ? 7.5 : 6.5));
    surface.text_out(
        unit_x,
        y_clear_between(canvas, unit_x, unit_y, unit_y, unit_y + mm_to_px(canvas, 1.0), unit),
        unit);
    text_at_mm(canvas, x, y[5] + 3.0, "スパン[mm]");

    if (paper) {
        text_at_mm(canvas, x + 142.0, y[6] - 29.0, "計算結果（M-図,δ-図）");
    } else {
        surface.set_font_size(scaled_size(base, 1.25));
        text_at_mm(canvas, x - 5.0, y[6] - 32.0, "計算結果（M-図,δ-図）");
        surface.set_font_size(base);
    }
}

void draw_rules(ReportCanvas& canvas, const DiagramLayout& rows) {
    Surface& surface = *canvas.surface;
    const int L = canvas.leftMargin;
    const LineRoleScope rules(surface, LineRole::frame);
    surface.set_pen_style(PenStyle::solid);
    if (on_paper(canvas)) {
        // A rule over the stress diagrams with a small box in its right end that
        // frames their heading.
        const int y = mm_to_px(canvas, rows.y[6] - 30.0);
        const int right = L + mm_to_px(canvas, kPaperFigureWidth);
        const int box_left = right - mm_to_px(canvas, kHeadingBoxWidth);
        const int box_bottom = mm_to_px(canvas, rows.y[6] - 30.0 + kHeadingBoxHeight);
        surface.move_to(L, y);
        surface.line_to(right, y);
        surface.move_to(box_left, y);
        surface.line_to(box_left, box_bottom);
        surface.line_to(right, box_bottom);
    } else {
        // As wide as page 1's frame, like the other rules of the screen report.
        const int y = mm_to_px(canvas, rows.y[1] + 8.0);
        surface.move_to(L, y);
        surface.line_to(canvas.frameRight, y);
    }
}

} // namespace

DiagramFrame draw_load_figure(ReportCanvas& canvas, const ReportData& data) {
    const run::LoadFigure& figure = data.run.loadFigure;
    const calc::DesignInputs& in = data.inputs;
    const bool paper = on_paper(canvas);
    Surface& surface = *canvas.surface;

    DiagramFrame frame;
    frame.layout = diagram_layout(canvas.pageBottom);
    frame.x0 = kBeamOriginX;
    frame.scale = data.run.diagramScale;
    frame.labelX = paper ? kPaperLabelX : kScreenLabelX;
    const auto& y = frame.layout.y;

    const int G = common::to_int(in.liveLoad + in.otherDeadLoad + in.deckUnitWeight);
    surface.set_pen(Pen{canvas.textColor, paper ? 3 : 1, PenStyle::solid});
    surface.set_font(
        Font{.name = kProportionalFont, .size = canvas.baseFontSize, .color = canvas.textColor});

    // The bands stand first and the row captions keep clear of them; the
    // supports' centre lines leave the captions out, and the values of the snow
    // and the spans keep clear of all of them.
    const analysis::BeamModel& model = figure.model;
    if (G != 0) draw_load_band(canvas, model, frame.scale, -G, frame.x0, y[2], 2.5);
    if (figure.windNegative != 0)
        draw_load_band(canvas, model, frame.scale, -figure.windNegative, frame.x0, y[3], 3.5);
    draw_labels(canvas, frame.layout, frame.labelX, G, figure.windPositive, figure.windNegative);
    draw_rules(canvas, frame.layout);
    LabelLayout labels(canvas, frame.labelX, y[3], figure_right(canvas), y[6] - 30.0);
    draw_beam_figure(canvas, model, frame.scale, frame.x0, y[5], y[2], labels);
    draw_load_diagram(canvas, model, frame.scale, model.q, frame.x0, y[4], 1.0, figure.windNegative,
                      LoadDiagramMode::scaleAdj, labels);
    labels.draw();
    return frame;
}

} // namespace korvex::report
