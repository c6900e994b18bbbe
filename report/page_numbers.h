#pragma once

// Page numbers of the printed report: their text and where each position code
// puts them on the sheet.

#include <cstddef>
#include <optional>
#include <string>

#include "report/report_canvas.h"

namespace korvex::report {

// The number printed on sheet `sheet_index` (1 for the first): the start number
// plus the sheets before it, as "7" or "-7-".
std::string page_number_text(const PrintSettings& settings, int sheet_index);

// What the placement depends on, in pixels and points.
struct PageNumberFrame {
    double scale = 72 / 25.4; // pixels per millimetre
    int pageWidth = 0;
    int pageHeight = 0;
    int fontSize = 10; // the size the surface has when the number is drawn
};

// Top-left corner of a page number of `text_bytes` bytes for a position code;
// nothing for code 0 and for codes that name no position.
std::optional<Point> page_number_position(PageNumberPosition position, std::size_t text_bytes,
                                          const PageNumberFrame& frame);

bool is_top_page_number(PageNumberPosition position);
bool is_bottom_page_number(PageNumberPosition position);

// Draws the current sheet's number where the canvas's position code puts it and
// keeps that place in page_number_x and page_number_y.
void draw_page_number(ReportCanvas& canvas);

} // namespace korvex::report
