#pragma once

// The check section of one load case: heading and total load, the stress
// distribution of the beam as a small schematic with values, then every check
// with its value, comparison, allowable value and OK/NG mark.

#include "report/report_canvas.h"
#include "report/report_data.h"
#include "run/design_checks.h"

namespace korvex::report {

// An NG mark on screen; whatever else calls a check NG shows it in this colour.
inline constexpr Color kNgColor = rgb(255, 0, 0);

// Draws from the canvas's section row down and leaves the section row and the
// line count below the section. Every figure comes from `page`; on paper the
// page line height becomes 4 mm from the table on.
void draw_check_page(ReportCanvas& canvas, const ReportData& data, const run::CheckPage& page);

} // namespace korvex::report
