#include "app/paper_surface.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

namespace korvex::app {

void set_up_pdf_writer(QPdfWriter& writer) {
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

void set_up_printer(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(false);
}

PaperSurface::PaperSurface(QPagedPaintDevice& device)
    : PainterSurface(device.logicalDpiY(), device.logicalDpiY()), device_(device) {
    begin(&device_, {device_.width(), device_.height()});
}

PaperSurface::~PaperSurface() {
    end();
}

bool PaperSurface::finish() {
    return end();
}

void PaperSurface::start_new_page() {
    device_.newPage();
}

} // namespace korvex::app
