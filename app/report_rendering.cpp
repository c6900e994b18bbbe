#include "app/report_rendering.h"

#include <algorithm>

#include <QDate>
#include <QFileInfo>
#include <QPdfWriter>

#include "app/paper_surface.h"
#include "app/screen_image_surface.h"
#include "report/recording_surface.h"
#include "report/report_run.h"

namespace korvex::app {

report::ReportDocument report_document(const form::Session& s) {
    return form::report_document(s, QDate::currentDate().toString("yyyy/MM/dd").toStdString());
}

namespace {

// The lowest point the screen report draws at, found by drawing it once on a
// recording surface that measures its texts with the screen image's fonts, so
// that every label lands where the image will have it.
int screen_report_bottom(const form::Session& s, int height) {
    ScreenImageSurface fonts(1);
    report::RecordingSurface recording(fonts, report::DeviceUse::measure,
                                       {ScreenImageSurface::kDpi,
                                        {ScreenImageSurface::kWidth, height},
                                        ScreenImageSurface::kFontDpi});
    draw_session_report(s, report::kScreenOutput, recording);
    int bottom = 0;
    for (const auto& text : recording.texts())
        bottom = std::max(bottom, static_cast<int>(text.box.bottom));
    for (const auto& line : recording.lines()) bottom = std::max({bottom, line.from.y, line.to.y});
    return bottom;
}

} // namespace

void draw_session_report(const form::Session& s, int mode, report::Surface& surface) {
    report::ReportCanvas canvas;
    report::begin_report(canvas, mode, surface, report_document(s));
    report::draw_report(canvas, s.report_data());
}

int screen_report_height(const form::Session& s) {
    const int height = report::screen_image_height(s.report_data());
    // A long design may draw below the usual image: it grows to keep every line.
    return std::max(height, screen_report_bottom(s, height) + 40);
}

QImage render_screen_report(const form::Session& s) {
    ScreenImageSurface surface(screen_report_height(s));
    draw_session_report(s, report::kScreenOutput, surface);
    return surface.finish();
}

bool render_paper_report(const form::Session& s, QPagedPaintDevice& device) {
    PaperSurface surface(device);
    if (!surface.is_active()) return false;
    draw_session_report(s, report::kPrinterOutput, surface);
    return surface.finish();
}

QString save_pdf_report(const form::Session& s, const QString& file) {
    QPdfWriter writer(file);
    set_up_pdf_writer(writer);
    writer.setTitle(QStringLiteral("Korvex for wood 計算書"));
    writer.setCreator(QStringLiteral("Korvex for wood"));
    if (!render_paper_report(s, writer))
        return QStringLiteral("PDF ファイル %1 に書き込めませんでした。").arg(file);
    return {};
}

} // namespace korvex::app
