#pragma once

// Drawing the report of the session's last calculation onto the devices: the
// result window's image, a printer and a PDF file. Each draws the report anew
// from the records; nothing is copied from the screen image.

#include <QImage>
#include <QString>

#include "form/session.h"
#include "report/report_canvas.h"
#include "report/surface.h"

class QPagedPaintDevice;

namespace korvex::app {

// What every printed sheet carries besides its drawing: the print settings, the
// project file for the footer and today's date.
report::ReportDocument report_document(const form::Session& session);

// The report as the result window shows it. The image is 3350 or 3550 report
// pixels high, taller when a design draws further down.
QImage render_screen_report(const form::Session& session);

// The height the screen image of the session's report needs, in report pixels.
int screen_report_height(const form::Session& session);

// The printed report on an opened printer or PDF writer: A4 sheets with the
// subject, page numbers and footer of the print settings. Returns false when the
// device could not be opened.
bool render_paper_report(const form::Session& session, QPagedPaintDevice& device);

// The whole report on `surface` in `mode` (report::kScreenOutput or
// kPrinterOutput), as the two functions above draw it on their devices.
void draw_session_report(const form::Session& session, int mode, report::Surface& surface);

// The printed report as an A4 PDF file at 600 dpi; an error message on failure.
QString save_pdf_report(const form::Session& session, const QString& file);

} // namespace korvex::app
