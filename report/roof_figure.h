#pragma once

// The schematic roof of the printed snow page, with the span-direction length D
// and the roof angle θ marked. The result window does not show it.

#include "calc/design_inputs.h"
#include "report/report_canvas.h"

namespace korvex::report {

// Draws at fixed places near the top right of the printable area, `dy` mm lower
// when the snow part does not start its sheet, by the roof type (and the canopy
// shape); nothing for a roof type it has no drawing for. Where a long line of
// the sheet reaches into the figure's column, the figure stands lower, just
// clear of it.
void draw_roof_figure(ReportCanvas& canvas, const calc::DesignInputs& inputs, double dy = 0.0);

// The top of the drawings above, mm from the top of the printable area.
inline constexpr double kRoofFigureTop = 19.0;

} // namespace korvex::report
