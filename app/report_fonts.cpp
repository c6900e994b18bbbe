#include "app/report_fonts.h"

#include <algorithm>
#include <cmath>

#include "report/report_canvas.h"

namespace korvex::app {

QString font_family_for(std::string_view report_font_name) {
    if (report_font_name == report::kProportionalFont) return QStringLiteral("IPAPGothic");
    if (report_font_name == report::kFixedPitchFont) return QStringLiteral("IPAGothic");
    return QString::fromUtf8(report_font_name.data(),
                             static_cast<qsizetype>(report_font_name.size()));
}

int font_pixel_size(int size, int font_dpi) {
    return std::max(1, static_cast<int>(std::lround(size * font_dpi / 72.0)));
}

QFont qt_font(const report::Font& font, int font_dpi) {
    QFont q(font_family_for(font.name));
    q.setPixelSize(font_pixel_size(font.size, font_dpi));
    q.setBold(font.bold);
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    return q;
}

} // namespace korvex::app
