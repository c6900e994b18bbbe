#pragma once

// The load figure that opens the diagram part of the report: the dead-plus-live
// band, the suction band, the snow on the beam, the beam with its spans, and the
// heading of the stress and deflection diagrams that follow.

#include "report/diagram_frame.h"
#include "report/report_canvas.h"
#include "report/report_data.h"

namespace korvex::report {

// Draws the figure with its origin at the canvas's page bottom and returns the
// rows, the scale and the label column the stress blocks are drawn with. Leaves
// the diagram pen (black, solid, 1 px on screen, 3 on paper) on the surface.
DiagramFrame draw_load_figure(ReportCanvas& canvas, const ReportData& data);

} // namespace korvex::report
