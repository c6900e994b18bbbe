#pragma once

// The bending-moment diagram of a load case with its moment and shear values.

#include "report/diagram_frame.h"
#include "report/label_layout.h"
#include "report/report_canvas.h"
#include "run/run_records.h"

namespace korvex::report {

// Hogging moments are drawn above the axis at row t, sagging ones below; the
// case's largest moment reaches 5 mm. Values in kN·m and kN per metre of deck,
// given to `labels` to be drawn once the whole block stands.
void draw_moment_diagram(ReportCanvas& canvas, const DiagramFrame& frame,
                         const run::DiagramBlock& block, double t, LabelLayout& labels);
// The diagram with its values, alone.
void draw_moment_diagram(ReportCanvas& canvas, const DiagramFrame& frame,
                         const run::DiagramBlock& block, double t);

} // namespace korvex::report
