#pragma once

// The diagram part of the report: the load figure, then one block per load case
// with the case's loads, its moment and shear values and its deflection line.

#include "report/load_figure.h"
#include "report/report_canvas.h"
#include "report/report_data.h"
#include "run/run_records.h"

namespace korvex::report {

// Where a block of the diagrams was drawn: its axis row, how much taller than
// usual it grew (mm, 0 when its values fit its band), which the blocks after it
// move down by, and how many of its values had to stand far from their points
// where no leader could reach them.
struct DrawnBlock {
    double axisRow = 0.0;
    double grown = 0.0;
    int astray = 0;
};

// The block of one load case at axis row `axis_row` (mm). On paper a block of
// the three cases is set off from the next by a dotted rule and its axis moves
// up 4 mm; the row it was drawn at is returned, so that the negative-pressure
// block can be placed 50 mm below the third one.
DrawnBlock draw_diagram_block(ReportCanvas& canvas, const ReportData& data,
                              const DiagramFrame& frame, const run::DiagramBlock& block,
                              double axis_row);

} // namespace korvex::report
