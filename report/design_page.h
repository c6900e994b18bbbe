#pragma once

// The first page of the report: on paper the first page number and the subject
// box, then the title and the framed design data (《設計仕様》) and load conditions,
// closed by the heading under which the check pages follow.

#include "report/print_settings.h"
#include "report/report_canvas.h"
#include "report/report_data.h"

namespace korvex::report {

// Draws page 1 right after `begin_report`. Leaves the pen after the results
// heading, the top offset at the separator between the design data and the
// loads, the left margin and line pitch as the check pages expect them.
void draw_design_data_page(ReportCanvas& canvas, const ReportData& data);

// Whether the printed first sheet carries a subject box: the dialog's prompt,
// or nothing at all, is no subject.
bool subject_entered(const PrintSettings& settings);

// The first sheet's page number at the top and the subject box; everything
// below moves up when there is no subject. Sets the left margin and the top
// offset the sheet's title hangs from.
void draw_paper_header(ReportCanvas& canvas);

} // namespace korvex::report
