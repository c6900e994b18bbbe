#include "report/diagrams.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/text_encoding.h"
#include "report/deflection_diagram.h"
#include "report/load_diagram.h"
#include "report/moment_diagram.h"
#include "report/primitives.h"
#include "report/report_text.h"

namespace korvex::report {

namespace {

// The screen heading is a dashed line of this many bytes in the fixed-pitch
// font, with the case label in its middle.
constexpr int kHeadingBytes = 80;

std::string screen_heading(const std::string& label) {
    const std::string inner = " ■" + label + " ";
    const int room = kHeadingBytes - static_cast<int>(common::cp932_byte_length(inner));
    const int dashes = room / 2;
    std::string line = repeat_character("-", dashes) + inner + repeat_character("-", dashes);
    if (room > 0 && room % 2 == 1) line += "-";
    return line;
}

void draw_heading(ReportCanvas& canvas, const run::DiagramBlock& block, double t) {
    Surface& surface = *canvas.surface;
    const bool paper = on_paper(canvas);
    const double lower = block.negativePressureBlock ? 0.5 : 0.0;
    surface.set_font_name(kFixedPitchFont);
    surface.set_font_size(canvas.baseFontSize);
    if (paper)
        text_at_mm(canvas, 14.0, t - 25.0 + lower, "■" + block.label);
    else
        text_at_mm(canvas, 6.0, t - 26.0 + lower, screen_heading(block.label));
    surface.set_font_name(kProportionalFont);
}

void draw_captions(ReportCanvas& canvas, const DiagramFrame& frame, bool negative_block, double t) {
    const bool paper = on_paper(canvas);
    const double x = frame.labelX;
    const double title_row = !paper ? t - 15.0 : negative_block ? t - 15.0 : t - 11.0;
    text_at_mm(canvas, x, title_row, "応力図");
    text_at_mm(canvas, x, paper ? t + 4.5 : t + 5.0, "Ｍ[" + std::string(UnitLabels::kNM) + "]");
    text_at_mm(canvas, x, t + 15.0 + lower_rows_drop(canvas, frame),
               "(Ｑ[" + std::string(UnitLabels::kn) + "])");
}

} // namespace

DrawnBlock draw_diagram_block(ReportCanvas& canvas, const ReportData& data,
                              const DiagramFrame& frame, const run::DiagramBlock& block,
                              double axis_row) {
    const bool paper = on_paper(canvas);
    const bool set_off = paper && !block.negativePressureBlock;
    // The block's own loads stand over the axis row it was given; everything
    // else of a block set off by a rule moves up 4 mm.
    const double t = set_off ? std::trunc(axis_row - 4.0) : axis_row;
    // The values of the block are placed together once all its lines stand, so
    // that a value that gives way finds a place clear of every one of them.
    LabelLayout labels = block_labels(canvas, frame, t);
    draw_load_diagram(canvas, block.model, frame.scale, block.results.totalLoad, frame.x0,
                      axis_row - 12.0, 0.5, data.run.loadFigure.windNegative,
                      LoadDiagramMode::nonScale, labels);
    draw_heading(canvas, block, t);
    draw_captions(canvas, frame, block.negativePressureBlock, t);
    draw_moment_diagram(canvas, frame, block, t, labels);
    draw_deflection_diagram(canvas, frame, block, t, labels);
    labels.draw();
    const double grown =
        std::max(0.0, mm_of(canvas, labels.bottom()) - block_band_bottom(canvas, frame, t));

    if (set_off) {
        // Under the values, however far they had to go.
        Surface& surface = *canvas.surface;
        const int y = mm_to_px(canvas, axis_row + 20.0 + lower_rows_drop(canvas, frame) + grown);
        const int x = canvas.leftMargin + mm_to_px(canvas, 2.0);
        const LineRoleScope rule(surface, LineRole::frame);
        surface.set_pen_style(PenStyle::dot);
        surface.move_to(x, y);
        surface.line_to(x + mm_to_px(canvas, 176.0), y);
        surface.set_pen_style(PenStyle::solid);
    }
    return {t, grown + lower_rows_drop(canvas, frame), labels.astray()};
}

} // namespace korvex::report
