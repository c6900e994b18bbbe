#pragma once

// The verdict after the last check page: a footnote on the figures used, and a
// box stating that everything is OK or which kinds of check failed.

#include "report/report_canvas.h"
#include "run/run_records.h"

namespace korvex::report {

// Draws below the pen and prepares the canvas for what follows: on paper the
// next page end prints the footer and the next sheet starts at its first row.
void draw_verdict(ReportCanvas& canvas, const run::Verdict& verdict);

} // namespace korvex::report
