#include "report/primitives.h"

#include <cmath>

#include "common/rounding.h"
#include "report/label_layout.h"

namespace korvex::report {

int mm_to_px(const ReportCanvas& canvas, double mm) {
    return common::to_int(mm * canvas.scale);
}

void text_at_row_col(ReportCanvas& canvas) {
    const int x = mm_to_px(canvas, canvas.col) + canvas.leftMargin;
    const int y = mm_to_px(canvas, canvas.row) + canvas.topOffset;
    canvas.surface->text_out(x, y, canvas.text);
}

void text_at_row_col(ReportCanvas& canvas, int col, int row, std::string_view text) {
    canvas.col = col;
    canvas.row = row;
    canvas.text = text;
    text_at_row_col(canvas);
}

Point draw_script_run(ReportCanvas& canvas, ScriptKind kind, std::string_view text, int run_size,
                      int restore_size) {
    Surface& surface = *canvas.surface;
    const Point base = surface.pen_position();
    surface.set_font_size(run_size);

    // A smaller run drawn at the same top already sits high; paper lifts it only
    // slightly, the coarse screen image also moves it clear of the text before it.
    double dx = 0.0;
    double dy = -1.0;
    if (kind == ScriptKind::superscript) {
        const bool screen = !on_paper(canvas);
        dx = screen ? 1.0 : 0.0;
        dy = screen ? 0.8 : 0.28;
    }
    const int x = base.x + static_cast<int>(std::floor(dx * canvas.scale));
    const int stated_y = base.y - static_cast<int>(std::floor(dy * canvas.scale));
    // A run that would reach into the line above or below comes back toward its
    // own line just far enough to clear it.
    const int y = stated_y < base.y ? y_clear_between(canvas, x, stated_y, stated_y, base.y, text)
                                    : y_clear_between(canvas, x, stated_y, base.y, stated_y, text);
    surface.text_out(x, y, text);

    const Point after{surface.pen_position().x, base.y};
    surface.set_font_size(restore_size);
    return after;
}

void advance_section(ReportCanvas& canvas, double mm, int counted) {
    canvas.sectionRow = common::to_int(canvas.sectionRow + mm);
    canvas.lineCount += counted;
}

void text_at_mm(ReportCanvas& canvas, double x, double y, std::string_view text) {
    canvas.surface->text_out(mm_to_px(canvas, x), mm_to_px(canvas, y), text);
}

void move_to_mm(ReportCanvas& canvas, double x, double y) {
    canvas.surface->move_to(mm_to_px(canvas, x), mm_to_px(canvas, y));
}

void line_to_mm(ReportCanvas& canvas, double x, double y) {
    canvas.surface->line_to(mm_to_px(canvas, x), mm_to_px(canvas, y));
}

void arc_mm(ReportCanvas& canvas, double x1, double y1, double x2, double y2, double x3, double y3,
            double x4, double y4) {
    const auto px = [&](double mm) { return mm_to_px(canvas, mm); };
    canvas.surface->arc({px(x1), px(y1), px(x2), px(y2)}, {px(x3), px(y3)}, {px(x4), px(y4)});
}

} // namespace korvex::report
