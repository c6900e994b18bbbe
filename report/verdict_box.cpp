#include "report/verdict_box.h"

#include "report/label_layout.h"
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
    s.set_brush_clear();
    s.rectangle({left, top, left + px(180), top + px(10)});

    // The note stands over the box and the verdict under the heading inside it;
    // a tall font lifts the note and lowers the verdict just clear of them.
    const std::string note =
        "※全ての計算は、入力値も含め上記記載通りの有効数字を用いて行っています。";
    const int note_x = left + px(paper ? 10 : 3);
    s.set_font_size(c.baseFontSize - 1);
    s.text_out(note_x, y_clear_between(c, note_x, top - px(4), top - px(6), top - px(4), note),
               note);

    s.set_font_size(c.baseFontSize);
    s.text_out(left + px(3), top + px(1), "《 判　　定 》");
    s.set_font_size(c.baseFontSize - 1);
    s.text_out(left + px(25), top + px(1), "　");
    s.set_font_size(c.baseFontSize);
    const int verdict_y = top + px(5);
    s.text_out(
        left + px(2),
        y_clear_between(c, left + px(2), verdict_y, verdict_y, verdict_y + px(1), verdict.text),
        verdict.text);

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
