#include "report/end_page.h"

#include "common/rounding.h"
#include "report/page_numbers.h"
#include "report/primitives.h"

namespace korvex::report {

namespace {

void end_screen_page(ReportCanvas& c) {
    c.page_bottom = common::to_int(c.pen_y / c.scale);
    // The top offset's pixel count is taken off as millimetres: the pages after
    // this one are laid out against exactly this row.
    c.section_row = c.page_bottom - c.top_offset;
    c.section_row_mark = c.section_row + 20;
    c.section_row = common::to_int(c.section_row + 3 * c.page_line_height);
    c.line_count += 3;
}

void print_footer(ReportCanvas& c, const std::string& footer) {
    Surface& surface = *c.surface;
    const int y = c.pen_y + mm_to_px(c, 1.5 * c.page_line_height);
    if (!c.project_file_path.empty()) {
        surface.set_font_size(7);
        surface.text_out(c.file_name_x, y, "FileName : " + c.project_file_path);
        surface.set_font_size(c.base_font_size);
    }
    surface.text_out(mm_to_px(c, 144), y, footer);
}

void end_paper_page(ReportCanvas& c, const std::string& footer) {
    c.page_bottom = 0;
    if (c.footer_pending == 1) {
        print_footer(c, footer);
        c.footer_pending = 0;
    }
    const int code = c.print_settings.PageNumberPosition;
    if (is_bottom_page_number(code)) draw_page_number(c);
    if (c.last_page_flag == kLastPage) return;

    c.surface->new_page();
    c.sheet_index += 1;
    c.page_first_row = 7;
    c.line_count = 1;
    if (is_top_page_number(code))
        draw_page_number(c);
    else
        c.page_number_y = mm_to_px(c, 6);
}

} // namespace

std::string footer_text(const std::string& today) {
    return "Velmora建材株式会社 [" + today + "]";
}

void end_page(ReportCanvas& canvas) {
    const std::string footer = footer_text(canvas.today);
    read_pen(canvas);
    if (on_paper(canvas))
        end_paper_page(canvas, footer);
    else
        end_screen_page(canvas);
}

} // namespace korvex::report
