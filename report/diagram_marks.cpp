#include "report/diagram_marks.h"

#include <cmath>

#include "report/primitives.h"

namespace korvex::report {

namespace {

constexpr double kArrowHalfWidth = 0.4;
constexpr double kArrowHeadLength = 1.2;

} // namespace

void draw_support(ReportCanvas& canvas, double x, double y, double h) {
    const double half_base = h / std::sqrt(3.0);
    move_to_mm(canvas, x, y);
    line_to_mm(canvas, x - half_base, y + h);
    line_to_mm(canvas, x + half_base, y + h);
    line_to_mm(canvas, x, y);
}

void draw_arrow(ReportCanvas& canvas, double sign, double x, double y, double length) {
    if (length == 0.0 || length < kArrowHeadLength) return;
    move_to_mm(canvas, x, y);
    line_to_mm(canvas, x, y - length);
    const double tip = sign < 0 ? y : y - length;
    const double base = sign < 0 ? y - kArrowHeadLength : y - length + kArrowHeadLength;
    move_to_mm(canvas, x, tip);
    line_to_mm(canvas, x - kArrowHalfWidth, base);
    move_to_mm(canvas, x, tip);
    line_to_mm(canvas, x + kArrowHalfWidth, base);
}

} // namespace korvex::report
