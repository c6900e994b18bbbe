#include "app/report_fonts.h"

#include <QString>

#include "report/report_fonts.h"

namespace korvex::app {

QFont qt_font(const report::Font& font, int font_dpi) {
    QFont q(QString::fromStdString(report::report_font_family(font.name)));
    q.setPixelSize(report::report_font_pixel_size(font.size, font_dpi));
    q.setBold(font.bold);
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    return q;
}

} // namespace korvex::app
