#pragma once

// The report names its fonts as the result window does; this is where those
// names become fonts that are installed here.

#include <string_view>

#include <QFont>
#include <QString>

#include "report/surface.h"

namespace korvex::app {

// "ＭＳ Ｐゴシック" -> IPAPGothic, "ＭＳ ゴシック" -> IPAGothic; other names
// are passed on as they are.
QString font_family_for(std::string_view report_font_name);

// A font `size` points high at `font_dpi` pixels per inch, rounded to whole
// pixels as a desktop font would be.
int font_pixel_size(int size, int font_dpi);

QFont qt_font(const report::Font& font, int font_dpi);

} // namespace korvex::app
