#pragma once

// The diagram part of the report: the load figure, then one block per load case
// with the case's loads, its moment and shear values and its deflection line.

#include "report/load_figure.h"
#include "report/report_canvas.h"
#include "report/report_data.h"
#include "run/run_records.h"

namespace korvex::report {

// The block of one load case at axis row `axis_row` (mm). On paper a block of
// the three cases is set off from the one above by a dotted rule and its axis
// moves up 4 mm; the row it was drawn at is returned, so that the negative-
// pressure block can be placed 50 mm below the third one.
double draw_diagram_block(ReportCanvas& canvas, const ReportData& data, const DiagramFrame& frame,
                          const run::DiagramBlock& block, double axis_row);

} // namespace korvex::report
