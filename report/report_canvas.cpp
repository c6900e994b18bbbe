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
    c.left_margin = mm_to_px(c, 4);
    c.top_offset = mm_to_px(c, 12);
    c.right_column_x = c.left_margin + mm_to_px(c, 100);
    c.base_font_size = 9;
    c.sheet_index = 0;
}

void set_up_paper(ReportCanvas& c) {
    c.dpi = c.surface->dpi();
    c.surface->set_pen_width(7);
    const Size page = c.surface->page_size();
    c.page_width = page.width;
    c.page_height = page.height;
    c.scale = c.dpi / 25.4;
    c.left_margin = mm_to_px(c, 10);
    c.top_offset = mm_to_px(c, 15);
    c.right_column_x = c.left_margin + mm_to_px(c, 105);
    c.base_font_size = 10;
    c.sheet_index = 1;
}

} // namespace

void begin_report(ReportCanvas& canvas, int mode, Surface& surface, ReportDocument document) {
    // Nothing of an earlier rendering may leak into this one: a footer left
    // pending by the screen image would otherwise land on the first printed sheet.
    canvas = ReportCanvas{};
    canvas.OutputMode = mode == kPrinterOutput ? kPrinterOutput : kScreenOutput;
    canvas.surface = &surface;
    canvas.print_settings = std::move(document.print_settings);
    canvas.project_file_path = std::move(document.project_file_path);
    canvas.today = std::move(document.today);

    if (on_paper(canvas))
        set_up_paper(canvas);
    else
        set_up_screen(canvas);

    canvas.page_line_height = 5.0;
    canvas.page_first_row = 7;
    surface.set_font(
        Font{.name = kProportionalFont, .size = canvas.base_font_size, .color = canvas.text_color});
    surface.set_pen_color(canvas.text_color);
    surface.set_pen_style(PenStyle::Solid);
    surface.set_brush_clear();
    surface.move_to(0, 0);
}

void read_pen(ReportCanvas& canvas) {
    const Point pen = canvas.surface->pen_position();
    canvas.pen_x = pen.x;
    canvas.pen_y = pen.y;
}

} // namespace korvex::report
