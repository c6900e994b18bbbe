#pragma once

// The whole report after the surface set-up: page 1, then the pages of the
// calculation run in its order — check pages, verdict, wind and snow detail pages
// (derived loads only), load figure and one diagram block per case — with the
// page ends between them and the end of the report.

#include "report/report_canvas.h"
#include "report/report_data.h"

namespace korvex::report {

// Draws everything after `begin_report`.
void draw_report(ReportCanvas& canvas, const ReportData& data);

// Height of the screen image in report pixels: 3550 when the loads are derived, a
// cantilever is shown and the site is a heavy-snow area (the detail pages are then
// longest), 3350 otherwise.
int screen_image_height(const ReportData& data);

} // namespace korvex::report
