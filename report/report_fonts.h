#pragma once

// The report names its fonts as the result window does; every device turns
// those names into the IPA fonts it draws with, at the same whole-pixel sizes,
// so a page measures alike on screen, on paper and in the browser.

#include <string>
#include <string_view>

namespace korvex::report {

// "ＭＳ Ｐゴシック" -> IPAPGothic, "ＭＳ ゴシック" -> IPAGothic; other names are
// passed on as they are.
std::string report_font_family(std::string_view report_font_name);

// A font `size` points high at `font_dpi` pixels per inch, rounded to whole
// pixels as a desktop font would be.
int report_font_pixel_size(int size, int font_dpi);

} // namespace korvex::report
