#include <gtest/gtest.h>

#include "report/primitives.h"
#include "tests/support/canvas.h"

namespace korvex::report {
namespace {

using testing::CanvasFixture;

struct ScriptCase {
    int mode;
    ScriptKind kind;
    int runSize;
    Point offset; // from the end of the text before the run
};

TEST(DrawScriptRun, RaisesOrLowersTheRunAndContinuesOnTheBaseLine) {
    // Screen S = 2.83 px/mm, paper S = 23.62 px/mm. Offsets are floored, so a
    // subscript drops 3 (24) pixels rather than 2 (23).
    const ScriptCase cases[] = {
        {kScreenOutput, ScriptKind::superscript, 6, {2, -2}},
        {kScreenOutput, ScriptKind::subscript, 7, {0, 3}},
        {kPrinterOutput, ScriptKind::superscript, 6, {0, -6}},
        {kPrinterOutput, ScriptKind::subscript, 7, {0, 24}},
    };
    for (const auto& c : cases) {
        CanvasFixture f(c.mode);
        const int base = f.canvas.baseFontSize;
        f.surface.text_out(100, 200, "F=205N/mm");
        const Point end_of_text = f.surface.pen_position();

        const Point next = draw_script_run(f.canvas, c.kind, "2", c.runSize, base);
        SCOPED_TRACE(std::to_string(c.mode) + (c.kind == ScriptKind::subscript ? " sub" : " sup"));
        const RecordedText& run = f.surface.texts().back();
        EXPECT_EQ(run.text, "2");
        EXPECT_EQ(run.at, (Point{end_of_text.x + c.offset.x, 200 + c.offset.y}));
        EXPECT_EQ(run.font.size, c.runSize);
        EXPECT_EQ(next, (Point{f.surface.pen_position().x, 200}));
        EXPECT_GT(next.x, run.at.x);
        EXPECT_EQ(f.surface.font().size, base);
    }
}

TEST(TextAtRowCol, TruncatesMillimetresBeforeAddingTheMargins) {
    struct Case {
        int mode;
        Point expected;
    };
    // col 10 mm, row 7 mm: screen 28 + 11, 19 + 34; paper 236 + 236, 165 + 354.
    for (const Case c : {Case{kScreenOutput, {39, 53}}, Case{kPrinterOutput, {472, 519}}}) {
        CanvasFixture f(c.mode);
        text_at_row_col(f.canvas, 10, 7, "□断面性能");
        ASSERT_EQ(f.surface.texts().size(), 1u);
        EXPECT_EQ(f.surface.texts()[0].at, c.expected);
        EXPECT_EQ(f.surface.texts()[0].text, "□断面性能");
        EXPECT_EQ(f.canvas.col, 10);
        EXPECT_EQ(f.canvas.row, 7);
    }
}

TEST(AbsoluteMillimetres, TruncateTowardZeroFromTheSurfaceCorner) {
    CanvasFixture f(kScreenOutput);
    text_at_mm(f.canvas, 12.5, 40.25, "Ｄ"); // 35.4, 114.1 px
    move_to_mm(f.canvas, -0.5, 0.9);         // -1.4, 2.6 px
    line_to_mm(f.canvas, 12.5, 40.25);
    ASSERT_EQ(f.surface.texts().size(), 1u);
    EXPECT_EQ(f.surface.texts()[0].at, (Point{35, 114}));
    ASSERT_EQ(f.surface.lines().size(), 1u);
    EXPECT_EQ(f.surface.lines()[0].from, (Point{-1, 2}));
    EXPECT_EQ(f.surface.lines()[0].to, (Point{35, 114}));
    EXPECT_EQ(f.surface.pen_position(), (Point{35, 114}));
}

TEST(AbsoluteMillimetres, ArcKeepsItsRectangleAndRays) {
    CanvasFixture f(kPrinterOutput);
    arc_mm(f.canvas, 132, 20, 194, 70, 194, 20, 132, 20);
    ASSERT_EQ(f.surface.arcs().size(), 1u);
    const RecordedArc& arc = f.surface.arcs()[0];
    EXPECT_EQ(arc.bounds, (Rect{3118, 472, 4582, 1653}));
    EXPECT_EQ(arc.start, (Point{4582, 472}));
    EXPECT_EQ(arc.end, (Point{3118, 472}));
}

} // namespace
} // namespace korvex::report
