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

// The screen report drawn on a recording surface of the usual image's size that
// measures its texts with the screen image's fonts, so that every label lands
// where the image will have it.
struct ScreenRecording {
    ScreenImageSurface fonts{1};
    report::RecordingSurface recording;

    ScreenRecording(const form::Session& s, int height)
        : recording(fonts, report::DeviceUse::measure,
                    {ScreenImageSurface::kDpi,
                     {ScreenImageSurface::kWidth, height},
                     ScreenImageSurface::kFontDpi}) {
        draw_session_report(s, report::kScreenOutput, recording);
    }

    // The lowest point it draws at.
    int bottom() const {
        int lowest = 0;
        for (const auto& text : recording.texts())
            lowest = std::max(lowest, static_cast<int>(text.box.bottom));
        for (const auto& line : recording.lines())
            lowest = std::max({lowest, line.from.y, line.to.y});
        return lowest;
    }
};

// A long design may draw below the usual image: it grows to keep every line.
int grown_height(int height, int bottom) {
    return std::max(height, bottom + 40);
}

} // namespace

void draw_session_report(const form::Session& s, int mode, report::Surface& surface) {
    report::ReportCanvas canvas;
    report::begin_report(canvas, mode, surface, report_document(s));
    report::draw_report(canvas, s.report_data());
}

int screen_report_height(const form::Session& s) {
    const int height = report::screen_image_height(s.report_data());
    return grown_height(height, ScreenRecording(s, height).bottom());
}

QImage render_screen_report(const form::Session& s) {
    // Laid out once: the recording that finds the image's height is drawn on
    // the image, unless the image had to grow, which changes its background.
    const int height = report::screen_image_height(s.report_data());
    const ScreenRecording laid_out(s, height);
    const int grown = grown_height(height, laid_out.bottom());
    ScreenImageSurface surface(grown);
    surface.share_measures(laid_out.fonts);
    if (grown == height)
        laid_out.recording.replay(surface);
    else
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
