#include "report/span_table_page.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "common/rounding.h"
#include "common/text_encoding.h"
#include "report/design_page.h"
#include "report/end_page.h"
#include "report/primitives.h"

namespace korvex::report {

namespace {

constexpr double kTableWidth = 180;      // mm, as page 1's frames
constexpr double kColumnWidth = 36;      // mm: the deck column and four span columns
constexpr double kHeaderHeight = 8;      // mm
constexpr double kRowHeight = 16;        // mm
constexpr double kConditionPitch = 5;    // mm
constexpr double kConditionValueAt = 30; // mm from the frame's left edge
constexpr double kFooterRow = 272;       // mm from the sheet's top

// A text's width estimated from its characters: a full-width one (two bytes in
// Shift_JIS) is as wide as the font size, a half-width letter or digit of the
// proportional face about six tenths of it.
double text_width_mm(std::string_view text, int points) {
    const auto bytes = static_cast<double>(common::cp932_byte_length(text));
    double characters = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    const double full = bytes - characters;
    const double half = characters - full;
    return (full + 0.6 * half) * points * 25.4 / 72.0;
}

class Sheet {
public:
    explicit Sheet(ReportCanvas& canvas) : c_(canvas), s_(*canvas.surface) {}

    // x and y in mm from the left margin and from the top offset.
    int x(double mm) const { return c_.leftMargin + mm_to_px(c_, mm); }
    int y(double mm) const { return c_.topOffset + mm_to_px(c_, mm); }

    void text(double left, double top, std::string_view text, int points) {
        s_.set_font_size(points);
        s_.text_out(x(left), y(top), text);
    }

    void centred(double left, double width, double top, std::string_view text, int points) {
        const double free = width - text_width_mm(text, points);
        this->text(left + (free > 0 ? free / 2 : 1), top, text, points);
    }

    void line(double x1, double y1, double x2, double y2) {
        s_.move_to(x(x1), y(y1));
        s_.line_to(x(x2), y(y2));
    }

    void box(double left, double top, double right, double bottom) {
        s_.set_brush_clear();
        s_.rectangle({x(left), y(top), x(right), y(bottom)});
    }

private:
    ReportCanvas& c_;
    Surface& s_;
};

// The design the table is for, framed like page 1's design data. Returns the
// frame's bottom in mm.
double draw_conditions(Sheet& sheet, const run::SpanTable& table, double top) {
    sheet.text(2, top + 1.5, "《設計条件》", 10);
    double row = top + 7.5;
    for (const run::SpanTableCondition& condition : table.conditions) {
        sheet.text(4, row, condition.label, 9);
        sheet.text(kConditionValueAt, row, "： " + condition.value, 9);
        row += kConditionPitch;
    }
    const double bottom = row + 1.5;
    sheet.box(0, top, kTableWidth, bottom);
    return bottom;
}

const run::SpanTableCell* find_cell(const run::SpanTable& table, int deck, int span_count) {
    for (const run::SpanTableCell& cell : table.cells)
        if (cell.deckIndex == deck && cell.spanCount == span_count) return &cell;
    return nullptr;
}

double draw_grid(Sheet& sheet, const run::SpanTable& table, double top) {
    sheet.text(2, top, "《許容スパン（等スパン）と決定要因》", 10);
    top += 6;
    int decks = 0;
    for (const run::SpanTableCell& cell : table.cells) decks = std::max(decks, cell.deckIndex + 1);
    const double bottom = top + kHeaderHeight + decks * kRowHeight;

    sheet.centred(0, kColumnWidth, top + 2, "デッキ種類", 9);
    for (int n = 1; n <= 4; ++n)
        sheet.centred(n * kColumnWidth, kColumnWidth, top + 2, std::to_string(n) + " スパン", 9);
    for (int deck = 0; deck < decks; ++deck) {
        const double row = top + kHeaderHeight + deck * kRowHeight;
        for (int n = 1; n <= 4; ++n) {
            const run::SpanTableCell* cell = find_cell(table, deck, n);
            if (!cell) continue;
            if (n == 1) sheet.centred(0, kColumnWidth, row + 5.5, cell->deckName, 10);
            const double left = n * kColumnWidth;
            sheet.centred(left, kColumnWidth, row + 1.5, run::max_span_text(*cell), 11);
            sheet.centred(left, kColumnWidth, row + 7,
                          run::governing_kind_text(cell->governing.kind), 8);
            if (!cell->governing.caseName.empty())
                sheet.centred(left, kColumnWidth, row + 11, cell->governing.caseName, 8);
        }
    }

    sheet.box(0, top, kTableWidth, bottom);
    sheet.line(0, top + kHeaderHeight, kTableWidth, top + kHeaderHeight);
    for (int deck = 1; deck < decks; ++deck) {
        const double row = top + kHeaderHeight + deck * kRowHeight;
        sheet.line(0, row, kTableWidth, row);
    }
    for (int n = 1; n <= 4; ++n) sheet.line(n * kColumnWidth, top, n * kColumnWidth, bottom);
    return bottom;
}

void draw_notes(Sheet& sheet, double top) {
    double row = top;
    for (const char* note : kSpanTableNotes) {
        sheet.text(2, row, std::string("※") + note, 8);
        row += 4.5;
    }
}

} // namespace

void draw_span_table_page(ReportCanvas& canvas, const run::SpanTable& table) {
    ReportCanvas& c = canvas;
    Surface& s = *c.surface;
    s.set_font(Font{.name = kProportionalFont, .size = c.baseFontSize, .color = c.textColor});
    draw_paper_header(c);
    s.set_font_size(12);
    s.text_out(c.leftMargin, c.topOffset - mm_to_px(c, 5), kSpanTableTitle);
    s.set_pen_width(common::to_int(c.dpi / 600.0 * 6));

    Sheet sheet(c);
    const double conditions_bottom = draw_conditions(sheet, table, 4);
    const double grid_bottom = draw_grid(sheet, table, conditions_bottom + 8);
    draw_notes(sheet, grid_bottom + 4);

    // The footer and the bottom page number end the sheet as they end the report.
    s.set_font_size(c.baseFontSize);
    s.move_to(c.leftMargin, mm_to_px(c, kFooterRow));
    c.fileNameX = c.leftMargin;
    c.footerPending = 1;
    c.lastPageFlag = kLastPage;
    end_page(c);
}

} // namespace korvex::report
