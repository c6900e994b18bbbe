#include "report/report_canvas.h"

#include <utility>

#include "report/primitives.h"

namespace korvex::report {

namespace {

void set_up_screen(ReportCanvas& c) {
    c.dpi = 72;
    const Size image = c.surface->page_size();
    c.surface->fill_rect({0, 0, image.width, image.height}, kButtonFace);
    c.surface->set_pen_width(1);
    c.scale = c.dpi / 25.4;
    c.leftMargin = mm_to_px(c, 4);
    c.topOffset = mm_to_px(c, 12);
    c.rightColumnX = c.leftMargin + mm_to_px(c, 100);
    c.baseFontSize = 9;
    c.sheetIndex = 0;
}

void set_up_paper(ReportCanvas& c) {
    c.dpi = c.surface->dpi();
    c.surface->set_pen_width(7);
    const Size page = c.surface->page_size();
    c.pageWidth = page.width;
    c.pageHeight = page.height;
    c.scale = c.dpi / 25.4;
    c.leftMargin = mm_to_px(c, 10);
    c.topOffset = mm_to_px(c, 15);
    c.rightColumnX = c.leftMargin + mm_to_px(c, 105);
    c.baseFontSize = 10;
    c.sheetIndex = 1;
}

} // namespace

void begin_report(ReportCanvas& canvas, int mode, Surface& surface, ReportDocument document) {
    // Nothing of an earlier rendering may leak into this one: a footer left
    // pending by the screen image would otherwise land on the first printed sheet.
    canvas = ReportCanvas{};
    canvas.outputMode = mode == kPrinterOutput ? kPrinterOutput : kScreenOutput;
    canvas.surface = &surface;
    canvas.printSettings = std::move(document.printSettings);
    canvas.projectFilePath = std::move(document.projectFilePath);
    canvas.today = std::move(document.today);

    if (on_paper(canvas))
        set_up_paper(canvas);
    else
        set_up_screen(canvas);

    canvas.pageLineHeight = 5.0;
    canvas.pageFirstRow = 7;
    surface.set_font(
        Font{.name = kProportionalFont, .size = canvas.baseFontSize, .color = canvas.textColor});
    surface.set_pen_color(canvas.textColor);
    surface.set_pen_style(PenStyle::solid);
    surface.set_line_role(LineRole::figure);
    surface.set_brush_clear();
    surface.move_to(0, 0);
}

void read_pen(ReportCanvas& canvas) {
    const Point pen = canvas.surface->pen_position();
    canvas.penX = pen.x;
    canvas.penY = pen.y;
}

} // namespace korvex::report
