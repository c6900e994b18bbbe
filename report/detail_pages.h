#pragma once

// The wind and snow detail pages: how the design wind pressures and the snow load
// were obtained, coefficient by coefficient, with the notification tables they
// come from. Also the layout tools the two parts share.

#include <string>
#include <string_view>
#include <vector>

#include "report/primitives.h"
#include "report/report_canvas.h"
#include "report/report_data.h"
#include "report/report_text.h"

namespace korvex::report {

// Draws the wind part and the snow part below the current section row and ends
// the page. Only for loads derived from the site; the wind derivation is run
// again on copies, so nothing outside changes.
void draw_detail_pages(ReportCanvas& canvas, const ReportData& data);

// The frame of a printed detail sheet, mm: it starts 5 mm over the sheet's top
// offset.
inline constexpr double kDetailFrameWidth = 183.0;
inline constexpr double kDetailFrameHeight = 270.0;
// Room a detail part keeps above the foot of the frame, mm.
inline constexpr double kDetailFrameFootRoom = 3.0;

// Prepares a fresh printed sheet for a detail part: the top offset, the page
// frame, the page title and the first rows.
void open_detail_sheet(ReportCanvas& canvas);

// Columns of the detail pages in millimetres from the left margin.
struct DetailColumns {
    int c0; // base column
    int v;  // values of the left conditions
    int r;  // right half
    int f;  // formulas
};
DetailColumns detail_columns(const ReportCanvas& canvas);

// Moves the section row down by `lines` page line heights, truncated to whole
// millimetres, and counts one line whatever the step.
void advance(ReportCanvas& canvas, double lines = 1.0);

// One line of text with raised and lowered runs. Plain pieces written one after
// another are drawn as one text.
class TextLine {
public:
    struct Piece {
        std::string text;
        bool script = false;
        ScriptKind kind = ScriptKind::superscript;
    };

    TextLine() = default;
    explicit TextLine(std::string_view text) { *this << text; }

    TextLine& operator<<(std::string_view text);
    // Lowered run ("0" of V0, "G" of ZG).
    TextLine& sub(std::string_view text);
    // Raised run: exponents.
    TextLine& sup(std::string_view text);

    const std::vector<Piece>& pieces() const { return pieces_; }

private:
    std::vector<Piece> pieces_;
};

// Draws the line at `col` on `row` (millimetres from the margins); after a run
// the line goes on from the run's end on the first text's top line.
void draw_line_at(ReportCanvas& canvas, int col, int row, const TextLine& line);
// The same on the current section row.
void draw_line_at(ReportCanvas& canvas, int col, const TextLine& line);

// A rectangle outline drawn as four lines with the current pen.
void draw_outline(ReportCanvas& canvas, Rect rect);

// Frames a section title whose top is at pixel `title_top` and draws `notice`
// (when not empty) beside the frame.
void frame_heading(ReportCanvas& canvas, int title_top, std::string_view notice);

// Draws `text` at `col` on `row` in the base font size + 2 and returns the top of
// the text in pixels.
int draw_title_at(ReportCanvas& canvas, int col, int row, std::string_view text);

} // namespace korvex::report
