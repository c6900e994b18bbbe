#pragma once

// The small marks every beam drawing of the report shares: the pin support and
// the load arrow. Coordinates in absolute millimetres of the surface.

#include "report/report_canvas.h"

namespace korvex::report {

// Equilateral triangle with its apex at (x, y) and its base at y + h.
void draw_support(ReportCanvas& canvas, double x, double y, double h);

// Vertical arrow from (x, y) up to (x, y - length); nothing when length is 0 or
// below the 1.2 mm of its head. sign < 0 puts the head at (x, y) pointing down,
// otherwise at the top pointing up.
void draw_arrow(ReportCanvas& canvas, double sign, double x, double y, double length);

} // namespace korvex::report
