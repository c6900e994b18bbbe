#pragma once

// Report canvases on recording surfaces shaped like the two real devices, and the
// questions page tests ask of what was drawn.

#include <ostream>
#include <string_view>
#include <vector>

#include "report/recording_surface.h"
#include "report/report_canvas.h"

namespace korvex::report {

// How GoogleTest prints the surface's values in a failure.
void PrintTo(const Point& p, std::ostream* os);
void PrintTo(const Font& f, std::ostream* os);

} // namespace korvex::report

namespace korvex::testing {

using report::Point;
using report::RecordedLine;
using report::RecordedText;
using report::RecordingSurface;

// The result window's 72-dpi image with desktop fonts, and an A4 sheet at 600 dpi.
report::SurfaceGeometry screen_geometry();
report::SurfaceGeometry paper_geometry();

struct CanvasFixture {
    RecordingSurface surface;
    report::ReportCanvas canvas;

    explicit CanvasFixture(int mode, report::ReportDocument document = {});
};

Point at_mm(const report::ReportCanvas& canvas, double x, double y);

// The first text equal to `text`, or null.
const RecordedText* text_named(const RecordingSurface& surface, std::string_view text);

// Index of the first text from `from` on that starts with `prefix` (or equals
// `text`), or -1.
int find_text(const std::vector<RecordedText>& texts, std::string_view prefix, int from = 0);
int find_exact(const std::vector<RecordedText>& texts, std::string_view text, int from = 0);

bool has_text(const RecordingSurface& surface, std::string_view text, Point at);
bool has_line(const RecordingSurface& surface, Point from, Point to);
bool has_line_to(const RecordingSurface& surface, Point to, report::Color color = 0);

// The texts drawn after text i on its line, exponents and subscripts included:
// everything up to a text more than `near` pixels higher or lower.
std::vector<const RecordedText*> rest_of_row(const std::vector<RecordedText>& texts, int i,
                                             int near);

} // namespace korvex::testing
