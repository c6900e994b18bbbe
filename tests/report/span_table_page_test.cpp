#include <gtest/gtest.h>

#include "report/end_page.h"
#include "report/span_table_page.h"
#include "tests/support/canvas.h"

namespace korvex::report {
namespace {

using testing::CanvasFixture;
using testing::text_named;

run::SpanTable two_deck_table() {
    run::SpanTable table;
    table.conditions = {{"所在地", "北海道 札幌市（多雪地域）"}, {"はね出し", "左 1000 mm"}};
    for (int deck = 0; deck < 2; ++deck)
        for (int n = 1; n <= 4; ++n) {
            run::SpanTableCell cell;
            cell.deckIndex = deck;
            cell.deckName = deck == 0 ? "KX-50-12" : "KX-50-16";
            cell.spanCount = n;
            if (deck == 1) cell.maxSpan = 2000 + 100 * n;
            cell.governing = {deck == 0 ? run::GoverningKind::joint
                                        : run::GoverningKind::deflection,
                              "短期（暴風時負圧）"};
            table.cells.push_back(cell);
        }
    table.cells.back().governing = {run::GoverningKind::deckLength, ""};
    return table;
}

int count_texts(const testing::RecordingSurface& surface, std::string_view text) {
    int count = 0;
    for (const auto& t : surface.texts()) count += t.text == text;
    return count;
}

TEST(SpanTablePage, OneSheetWithTheDesignTheTableAndTheReportsFooter) {
    PrintSettings settings;
    settings.subject = "倉庫 A棟";
    settings.pageNumberPosition = PageNumberPosition::bottomCentre;
    CanvasFixture f(kPrinterOutput, {settings, "/work/倉庫.kvxw", "2024/05/01"});
    draw_span_table_page(f.canvas, two_deck_table());

    EXPECT_EQ(f.surface.page_count(), 1);
    EXPECT_TRUE(text_named(f.surface, "物件名： 倉庫 A棟")) << "the report's subject box";
    EXPECT_TRUE(text_named(f.surface, kSpanTableTitle));
    EXPECT_TRUE(text_named(f.surface, "： 北海道 札幌市（多雪地域）"));
    EXPECT_TRUE(text_named(f.surface, "FileName : /work/倉庫.kvxw"));
    EXPECT_TRUE(text_named(f.surface, footer_text("2024/05/01")));
    EXPECT_TRUE(text_named(f.surface, "1")) << "the bottom page number";

    EXPECT_EQ(count_texts(f.surface, "なし"), 4);
    EXPECT_EQ(count_texts(f.surface, "接合部"), 4);
    EXPECT_TRUE(text_named(f.surface, "2,300 mm"));
    EXPECT_TRUE(text_named(f.surface, "2,400 mm"));
    EXPECT_TRUE(text_named(f.surface, "デッキ最大長さ"));
    EXPECT_EQ(count_texts(f.surface, "短期（暴風時負圧）"), 7);
    for (const char* note : kSpanTableNotes)
        EXPECT_TRUE(text_named(f.surface, std::string("※") + note)) << note;

    // Every text lies on the sheet, above the footer and the page number under it.
    const testing::RecordedText* footer = text_named(f.surface, footer_text("2024/05/01"));
    const int sheet_width = testing::paper_geometry().pageSize.width;
    for (const auto& t : f.surface.texts()) {
        EXPECT_GE(t.at.x, 0) << t.text;
        EXPECT_LT(t.at.x, sheet_width) << t.text;
        if (t.text != "1") {
            EXPECT_LE(t.at.y, footer->at.y) << t.text;
        }
    }
}

TEST(SpanTablePage, WithoutASubjectTheTitleMovesUp) {
    CanvasFixture without(kPrinterOutput, {{}, "", "2024/05/01"});
    draw_span_table_page(without.canvas, two_deck_table());
    PrintSettings settings;
    settings.subject = "倉庫";
    CanvasFixture with(kPrinterOutput, {settings, "", "2024/05/01"});
    draw_span_table_page(with.canvas, two_deck_table());

    EXPECT_FALSE(text_named(without.surface, "物件名： 件名を入力"));
    const auto* low = text_named(with.surface, kSpanTableTitle);
    const auto* high = text_named(without.surface, kSpanTableTitle);
    ASSERT_TRUE(low && high);
    EXPECT_LT(high->at.y, low->at.y);
    EXPECT_FALSE(text_named(without.surface, "FileName : ")) << "no file, no file name";
}

} // namespace
} // namespace korvex::report
