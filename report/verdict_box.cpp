#include "report/verdict_box.h"

#include "report/primitives.h"

namespace korvex::report {

void draw_verdict(ReportCanvas& canvas, const run::Verdict& verdict) {
    ReportCanvas& c = canvas;
    Surface& s = *c.surface;
    const bool paper = on_paper(c);
    const auto px = [&](double mm) { return mm_to_px(c, mm); };

    read_pen(c);
    const int left = px(13);
    const int top = c.pen_y + px(16);

    if (paper) s.set_pen_width(4);
    s.set_pen_color(c.text_color);
    s.set_font_size(c.base_font_size - 1);
    s.text_out(left + px(paper ? 10 : 3), top - px(4),
               "※全ての計算は、入力値も含め上記記載通りの有効数字を用いて行っています。");

    s.set_brush_clear();
    s.rectangle({left, top, left + px(180), top + px(10)});

    s.set_font_size(c.base_font_size);
    s.text_out(left + px(3), top + px(1), "《 判　　定 》");
    s.set_font_size(c.base_font_size - 1);
    s.text_out(left + px(25), top + px(1), "　");
    s.set_font_size(c.base_font_size);
    s.text_out(left + px(2), top + px(5), verdict.text);

    // The footer's file name lines up with the box.
    c.file_name_x = left;
    if (paper) {
        c.section_row_mark = c.page_first_row;
        c.section_row = c.page_first_row;
        c.line_count = 1;
        c.footer_pending = 1;
    } else {
        c.section_row_mark = c.section_row + 60;
    }
}

} // namespace korvex::report
