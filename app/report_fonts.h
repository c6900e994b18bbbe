#pragma once

// The report's fonts as Qt fonts.

#include <QFont>

#include "report/surface.h"

namespace korvex::app {

QFont qt_font(const report::Font& font, int font_dpi);

} // namespace korvex::app
