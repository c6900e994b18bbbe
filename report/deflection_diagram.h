#pragma once

// The deflection line of a load case, drawn on the moment diagram's axis.

#include "report/diagram_frame.h"
#include "report/label_layout.h"
#include "report/report_canvas.h"
#include "run/run_records.h"

namespace korvex::report {

// Downward deflections are drawn below the axis at row t; the deflection the
// case is judged by reaches 3 mm. Values in mm, 8 mm below the axis, given to
// `labels` to be drawn once the whole block stands.
void draw_deflection_diagram(ReportCanvas& canvas, const DiagramFrame& frame,
                             const run::DiagramBlock& block, double t, LabelLayout& labels);
// The diagram with its values, alone.
void draw_deflection_diagram(ReportCanvas& canvas, const DiagramFrame& frame,
                             const run::DiagramBlock& block, double t);

} // namespace korvex::report
