#pragma once

// The beam of the load figure: its line, the supports with their centre lines
// and the span dimensions below it.

#include "analysis/beam_model.h"
#include "report/label_layout.h"
#include "report/report_canvas.h"

namespace korvex::report {

// A dimension bracket for `length` real mm starting at x: its ends run from
// y + e down to y + f, its value, given to `labels`, sits above the line,
// g - 3.175 mm below y.
void draw_dimension(ReportCanvas& canvas, double scale, double x, double y, double length, double e,
                    double f, double g, LabelLayout& labels);

// The beam at row y; the supports' centre lines reach up to `centre_line_top`,
// leaving out the labels already on the sheet. The span dimensions' values go
// to `labels`.
void draw_beam_figure(ReportCanvas& canvas, const analysis::BeamModel& model, double scale,
                      double x0, double y, double centre_line_top, LabelLayout& labels);

} // namespace korvex::report
