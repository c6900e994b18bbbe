#include "report/end_page.h"

#include "common/rounding.h"
#include "report/page_numbers.h"
#include "report/primitives.h"

namespace korvex::report {

namespace {

void end_screen_page(ReportCanvas& c) {
    c.pageBottom = common::to_int(c.penY / c.scale);
    // The top offset's pixel count is taken off as millimetres: the pages after
    // this one are laid out against exactly this row.
    c.sectionRow = c.pageBottom - c.topOffset;
    c.sectionRowMark = c.sectionRow + 20;
    c.sectionRow = common::to_int(c.sectionRow + 3 * c.pageLineHeight);
    c.lineCount += 3;
}

void print_footer(ReportCanvas& c, const std::string& footer) {
    Surface& surface = *c.surface;
    const int y = c.penY + mm_to_px(c, 1.5 * c.pageLineHeight);
    if (!c.projectFilePath.empty()) {
        surface.set_font_size(7);
        surface.text_out(c.fileNameX, y, "FileName : " + c.projectFilePath);
        surface.set_font_size(c.baseFontSize);
    }
    surface.text_out(mm_to_px(c, 144), y, footer);
}

void end_paper_page(ReportCanvas& c, const std::string& footer) {
    c.pageBottom = 0;
    if (c.footerPending == 1) {
        print_footer(c, footer);
        c.footerPending = 0;
    }
    if (is_bottom_page_number(c.printSettings.pageNumberPosition)) draw_page_number(c);
    if (c.lastPageFlag == kLastPage) return;

    c.surface->new_page();
    c.sheetIndex += 1;
    c.pageFirstRow = 7;
    c.lineCount = 1;
    if (is_top_page_number(c.printSettings.pageNumberPosition))
        draw_page_number(c);
    else
        c.pageNumberY = mm_to_px(c, 6);
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
