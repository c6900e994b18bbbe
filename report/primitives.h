#pragma once

// The text and line primitives of the report pages, in two coordinate systems:
// whole millimetres from the margins (row and col of the canvas) and absolute
// millimetres from the surface's top-left corner. Millimetres become pixels by
// multiplying with the canvas scale and truncating.

#include <string_view>

#include "report/report_canvas.h"

namespace korvex::report {

// Millimetres to whole pixels at the canvas scale, truncated toward zero.
int mm_to_px(const ReportCanvas& canvas, double mm);

// Draws canvas.text at (col, row) millimetres from the margins.
void text_at_row_col(ReportCanvas& canvas);
// Sets col, row and text, then draws.
void text_at_row_col(ReportCanvas& canvas, int col, int row, std::string_view text);

enum class ScriptKind { superscript = 0, subscript = 1 };

// Draws `text` as a raised or lowered run in `run_size` points right after the
// last drawn text and returns to `restore_size`. Returns the point where the line
// continues: the run's right end on the top line of the text before it. The
// surface's pen stays at the run's own end.
Point draw_script_run(ReportCanvas& canvas, ScriptKind kind, std::string_view text, int run_size,
                      int restore_size);

// Moves the section row down by `mm`, truncated to whole millimetres, and adds
// `counted` to the line count.
void advance_section(ReportCanvas& canvas, double mm, int counted = 1);

void text_at_mm(ReportCanvas& canvas, double x, double y, std::string_view text);
void move_to_mm(ReportCanvas& canvas, double x, double y);
void line_to_mm(ReportCanvas& canvas, double x, double y);
// The arc of the ellipse inscribed in (x1, y1)-(x2, y2), counterclockwise from the
// ray towards (x3, y3) to the ray towards (x4, y4).
void arc_mm(ReportCanvas& canvas, double x1, double y1, double x2, double y2, double x3, double y3,
            double x4, double y4);

} // namespace korvex::report
