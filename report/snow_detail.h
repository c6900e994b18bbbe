#pragma once

// The snow part of the detail pages: the vertical snow depth, the increase check
// for long, gently sloped roofs, and the design snow load. It ends the page.

#include "report/report_canvas.h"
#include "report/report_data.h"

namespace korvex::report {

// `roof_angle`: θ of the current inputs in whole degrees, as the increase check
// used it.
void draw_snow_detail(ReportCanvas& canvas, const ReportData& data, double roof_angle);

} // namespace korvex::report
