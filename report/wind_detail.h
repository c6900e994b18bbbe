#pragma once

// The wind part of the detail pages: conditions, peak wind force coefficients,
// the mean velocity pressure and the design wind pressures.

#include "calc/load_set.h"
#include "calc/wind.h"
#include "report/report_canvas.h"
#include "report/report_data.h"

namespace korvex::report {

// `wind` and `loads` are the results of the derivation run for this page. On
// paper the part opens a new framed sheet with the page title.
void draw_wind_detail(ReportCanvas& canvas, const ReportData& data, const calc::WindResult& wind,
                      const calc::LoadSet& loads);

} // namespace korvex::report
