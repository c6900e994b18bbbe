#pragma once

#include <string>

#include "report/report_canvas.h"

namespace korvex::report {

// "Velmora建材株式会社 [" + date + "]"
std::string footer_text(const std::string& today);

// Finishes the current page. On screen it only moves the running rows below what
// was drawn last; on paper it prints a pending footer and the bottom page number,
// then starts the next sheet unless this was the last one.
void end_page(ReportCanvas& canvas);

} // namespace korvex::report
