#include <gtest/gtest.h>

#include <string>

#include "report/label_layout.h"
#include "report/verdict_box.h"
#include "tests/support/canvas.h"
#include "tests/support/designs.h"

namespace korvex::report {
namespace {

using testing::CanvasFixture;
using testing::DesignOptions;

const char* const kFootnote =
    "※全ての計算は、入力値も含め上記記載通りの有効数字を用いて行っています。";

TEST(Verdict, StatesTheRunsOutcomeBothWays) {
    DesignOptions failing;
    failing.spanCount = 1;
    failing.spanLength = 4500;
    failing.snowDepth = 100;
    const struct {
        DesignOptions options;
        const char* text;
    } cases[] = {
        {DesignOptions{}, "                     全てＯＫです "},
        {failing, "　　　「応力がNGです」「たわみがNGです」 ---設計仕様変更が必要です。"},
    };
    for (const auto& c : cases) {
        const auto sample = testing::calculate_design(c.options);
        CanvasFixture f(kScreenOutput);
        draw_verdict(f.canvas, sample->run.verdict);
        ASSERT_EQ(f.surface.texts().size(), 4u);
        EXPECT_EQ(f.surface.texts().back().text, c.text);
    }
}

TEST(Verdict, BoxAndTextsBelowThePen) {
    struct Case {
        int mode;
        Point pen;
        Rect box;
        Point footnote;
        Point heading;
        Point blank;
        Point verdict;
        int penWidth;
    };
    // The box is 13 mm from the surface's left edge and 16 mm below the pen; the
    // footnote 4 mm above it, 3 mm (screen) or 10 mm (paper) in.
    const Case cases[] = {
        {kScreenOutput,
         {100, 1000},
         {36, 1045, 546, 1073},
         {44, 1034},
         {44, 1047},
         {106, 1047},
         {41, 1059},
         1},
        {kPrinterOutput,
         {500, 3000},
         {307, 3377, 4558, 3613},
         {543, 3283},
         {377, 3400},
         {897, 3400},
         {354, 3495},
         4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        CanvasFixture f(c.mode);
        f.surface.move_to(c.pen.x, c.pen.y);
        const run::Verdict verdict{{}, "                     全てＯＫです "};
        draw_verdict(f.canvas, verdict);

        const int base = f.canvas.baseFontSize;
        const auto& texts = f.surface.texts();
        ASSERT_EQ(texts.size(), 4u);
        // The footnote stands 4 mm over the box, lifted just clear of its edge
        // where its font would reach into it.
        const RecordedRectangle& box = f.surface.rectangles().at(0);
        EXPECT_EQ(texts[0].text, kFootnote);
        EXPECT_EQ(texts[0].at.x, c.footnote.x);
        EXPECT_LE(texts[0].at.y, c.footnote.y);
        EXPECT_GE(texts[0].at.y, c.footnote.y - 1);
        EXPECT_LE(texts[0].box.bottom, box.rect.top + kHairlineMm * f.canvas.scale);
        EXPECT_EQ(texts[0].font.size, base - 1);
        EXPECT_EQ(texts[1].text, "《 判　　定 》");
        EXPECT_EQ(texts[1].at, c.heading);
        EXPECT_EQ(texts[1].font.size, base);
        EXPECT_EQ(texts[2].text, "　");
        EXPECT_EQ(texts[2].at, c.blank);
        EXPECT_EQ(texts[2].font.size, base - 1);
        EXPECT_EQ(texts[3].at, c.verdict);
        EXPECT_EQ(texts[3].font.size, base);

        ASSERT_EQ(f.surface.rectangles().size(), 1u);
        EXPECT_EQ(box.rect, c.box);
        EXPECT_EQ(box.pen.width, c.penWidth);
        EXPECT_EQ(box.pen.color, 0u);
        EXPECT_TRUE(box.brush.clear);
    }
}

TEST(Verdict, PreparesTheCanvasForWhatFollows) {
    CanvasFixture screen(kScreenOutput);
    screen.canvas.sectionRow = 200;
    screen.canvas.lineCount = 30;
    draw_verdict(screen.canvas, {});
    EXPECT_EQ(screen.canvas.fileNameX, 36);
    EXPECT_EQ(screen.canvas.sectionRowMark, 260);
    EXPECT_EQ(screen.canvas.sectionRow, 200);
    EXPECT_EQ(screen.canvas.lineCount, 30);
    EXPECT_EQ(screen.canvas.footerPending, 0);

    // On paper the next page end prints the footer, and the next sheet starts
    // from its first row.
    CanvasFixture paper(kPrinterOutput);
    paper.canvas.sectionRow = 200;
    paper.canvas.lineCount = 30;
    paper.canvas.pageFirstRow = 7;
    draw_verdict(paper.canvas, {});
    EXPECT_EQ(paper.canvas.fileNameX, 307);
    EXPECT_EQ(paper.canvas.sectionRowMark, 7);
    EXPECT_EQ(paper.canvas.sectionRow, 7);
    EXPECT_EQ(paper.canvas.lineCount, 1);
    EXPECT_EQ(paper.canvas.footerPending, 1);
}

} // namespace
} // namespace korvex::report
