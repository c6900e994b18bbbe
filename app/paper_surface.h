#pragma once

// The report on paper: a printer or a PDF file, A4 portrait. The origin is the
// top-left corner of the printable area, report pixels are device pixels and
// points are dpi / 72 pixels.

#include <QPagedPaintDevice>

#include "app/painter_surface.h"

class QPdfWriter;
class QPrinter;

namespace korvex::app {

// The resolution of PDF reports.
inline constexpr int kPdfDpi = 600;

// A4 portrait at 600 dpi; the whole sheet is printable, as a PDF has no
// unprintable edge.
void set_up_pdf_writer(QPdfWriter& writer);
// A4 portrait within the printer's printable area.
void set_up_printer(QPrinter& printer);

class PaperSurface : public PainterSurface {
public:
    // Opens the print document on `device`, which must outlive the surface;
    // is_active() tells whether that worked.
    explicit PaperSurface(QPagedPaintDevice& device);
    ~PaperSurface() override;

    // Ends the document, which sends the sheets to the printer or the file.
    bool finish();

protected:
    void start_new_page() override;

private:
    QPagedPaintDevice& device_;
};

} // namespace korvex::app
