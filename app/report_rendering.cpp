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
    return {persist::settings_for_printing(s.printDialog, s.printSettings),
            s.paths.currentFilePath.string(),
            QDate::currentDate().toString("yyyy/MM/dd").toStdString()};
}

namespace {

// The lowest point the screen report draws at, found by drawing it once on a
// recording surface: vertical positions do not depend on the font engine.
int screen_report_bottom(const form::Session& s, int height) {
    report::RecordingSurface recording({ScreenImageSurface::kDpi,
                                        {ScreenImageSurface::kWidth, height},
                                        ScreenImageSurface::kFontDpi});
    report::ReportCanvas canvas;
    report::begin_report(canvas, report::kScreenOutput, recording, report_document(s));
    report::draw_report(canvas, s.report_data());
    int bottom = 0;
    for (const auto& text : recording.texts()) bottom = std::max(bottom, text.at.y);
    for (const auto& line : recording.lines()) bottom = std::max({bottom, line.from.y, line.to.y});
    return bottom;
}

} // namespace

QImage render_screen_report(const form::Session& s) {
    const report::ReportData data = s.report_data();
    int height = report::screen_image_height(data);
    // A long design may draw below the usual image: it grows to keep every line.
    height = std::max(height, screen_report_bottom(s, height) + 40);
    ScreenImageSurface surface(height);
    report::ReportCanvas canvas;
    report::begin_report(canvas, report::kScreenOutput, surface, report_document(s));
    report::draw_report(canvas, data);
    return surface.finish();
}

bool render_paper_report(const form::Session& s, QPagedPaintDevice& device) {
    PaperSurface surface(device);
    if (!surface.is_active()) return false;
    report::ReportCanvas canvas;
    report::begin_report(canvas, report::kPrinterOutput, surface, report_document(s));
    report::draw_report(canvas, s.report_data());
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
