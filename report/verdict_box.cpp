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
    const int top = c.penY + px(16);

    if (paper) s.set_pen_width(4);
    s.set_pen_color(c.textColor);
    s.set_font_size(c.baseFontSize - 1);
    s.text_out(left + px(paper ? 10 : 3), top - px(4),
               "※全ての計算は、入力値も含め上記記載通りの有効数字を用いて行っています。");

    s.set_brush_clear();
    s.rectangle({left, top, left + px(180), top + px(10)});

    s.set_font_size(c.baseFontSize);
    s.text_out(left + px(3), top + px(1), "《 判　　定 》");
    s.set_font_size(c.baseFontSize - 1);
    s.text_out(left + px(25), top + px(1), "　");
    s.set_font_size(c.baseFontSize);
    s.text_out(left + px(2), top + px(5), verdict.text);

    // The footer's file name lines up with the box.
    c.fileNameX = left;
    if (paper) {
        c.sectionRowMark = c.pageFirstRow;
        c.sectionRow = c.pageFirstRow;
        c.lineCount = 1;
        c.footerPending = 1;
    } else {
        c.sectionRowMark = c.sectionRow + 60;
    }
}

} // namespace korvex::report
