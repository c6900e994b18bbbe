#include "report/report_fonts.h"

#include <algorithm>
#include <cmath>

#include "report/report_canvas.h"

namespace korvex::report {

std::string report_font_family(std::string_view report_font_name) {
    if (report_font_name == kProportionalFont) return "IPAPGothic";
    if (report_font_name == kFixedPitchFont) return "IPAGothic";
    return std::string(report_font_name);
}

int report_font_pixel_size(int size, int font_dpi) {
    return std::max(1, static_cast<int>(std::lround(size * font_dpi / 72.0)));
}

} // namespace korvex::report
