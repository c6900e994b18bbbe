#pragma once

// Checks that hold for every calculation the program accepts, whatever its inputs:
// every figure it leaves is a finite number, and both report modes draw only
// readable numbers inside the sheet. The numeric-limits table and the project-file
// fuzz target share them.

#include <string>
#include <vector>

#include "form/session.h"

namespace korvex::limits {

using Faults = std::vector<std::string>;

// Every double of the last calculation's records that is NaN or infinite.
Faults result_faults(const form::Session& session);

// Draws the report on the screen image (72 dpi, 565 px wide, desktop fonts) and on
// an A4 sheet at 600 dpi, and names every text that reads "nan" or "inf" and
// every text, line or frame that starts or ends outside the sheet.
Faults drawn_report_faults(const form::Session& session);

} // namespace korvex::limits
