#include <gtest/gtest.h>

#include "tests/support/canvas.h"

namespace korvex::report {
namespace {

using testing::CanvasFixture;

struct SetUpCase {
    int mode;
    int dpi;
    int leftMargin;
    int topOffset;
    int rightColumnX;
    int baseFontSize;
    int penWidth;
    int sheetIndex;
};

TEST(BeginReport, SetsUpEachDevice) {
    const SetUpCase cases[] = {
        {kScreenOutput, 72, 11, 34, 294, 9, 1, 0},
        {kPrinterOutput, 600, 236, 354, 2716, 10, 7, 1},
    };
    for (const auto& c : cases) {
        CanvasFixture f(c.mode);
        const ReportCanvas& rc = f.canvas;
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(rc.outputMode, c.mode);
        EXPECT_EQ(rc.surface, &f.surface);
        EXPECT_EQ(rc.dpi, c.dpi);
        EXPECT_DOUBLE_EQ(rc.scale, c.dpi / 25.4);
        EXPECT_EQ(rc.leftMargin, c.leftMargin);
        EXPECT_EQ(rc.topOffset, c.topOffset);
        EXPECT_EQ(rc.rightColumnX, c.rightColumnX);
        EXPECT_EQ(rc.baseFontSize, c.baseFontSize);
        EXPECT_EQ(rc.sheetIndex, c.sheetIndex);
        EXPECT_DOUBLE_EQ(rc.pageLineHeight, 5.0);
        EXPECT_EQ(rc.pageFirstRow, 7);

        const Font expected_font{.name = kProportionalFont, .size = c.baseFontSize};
        EXPECT_EQ(f.surface.font(), expected_font);
        EXPECT_EQ(f.surface.pen(), (Pen{0, c.penWidth, PenStyle::solid}));
        EXPECT_TRUE(f.surface.brush().clear);
        EXPECT_TRUE(f.surface.texts().empty()) << "the first page is drawn by its own routine";
    }
}

TEST(BeginReport, ScreenStartsFromAWindowColouredImage) {
    CanvasFixture f(kScreenOutput);
    ASSERT_EQ(f.surface.fills().size(), 1u);
    EXPECT_EQ(f.surface.fills()[0].rect, (Rect{0, 0, 565, 3350}));
    EXPECT_EQ(f.surface.fills()[0].color, kButtonFace);
}

TEST(BeginReport, PaperKeepsTheSheetAsItIsAndReadsItsSize) {
    CanvasFixture f(kPrinterOutput);
    EXPECT_TRUE(f.surface.fills().empty());
    EXPECT_EQ(f.canvas.pageWidth, 4961);
    EXPECT_EQ(f.canvas.pageHeight, 7016);
}

TEST(BeginReport, ForgetsTheEarlierRendering) {
    // A screen image leaves a footer pending; the print job after it must not
    // print that footer on its first sheet.
    CanvasFixture f(kScreenOutput);
    f.canvas.footerPending = 1;
    f.canvas.lastPageFlag = kLastPage;
    f.canvas.sectionRow = 250;
    f.canvas.lineCount = 40;
    f.canvas.pageLineHeight = 4.0;

    PrintSettings settings;
    settings.pageNumberPosition = report::PageNumberPosition::bottomRight;
    begin_report(f.canvas, kPrinterOutput, f.surface, {settings, "/work/roof.kvxw", "2024/05/01"});
    EXPECT_EQ(f.canvas.footerPending, 0);
    EXPECT_EQ(f.canvas.lastPageFlag, 0);
    EXPECT_EQ(f.canvas.sectionRow, 0);
    EXPECT_EQ(f.canvas.lineCount, 0);
    EXPECT_DOUBLE_EQ(f.canvas.pageLineHeight, 5.0);
    EXPECT_EQ(f.canvas.printSettings.pageNumberPosition, report::PageNumberPosition::bottomRight);
    EXPECT_EQ(f.canvas.projectFilePath, "/work/roof.kvxw");
    EXPECT_EQ(f.canvas.today, "2024/05/01");
}

} // namespace
} // namespace korvex::report
