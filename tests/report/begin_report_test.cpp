#include <gtest/gtest.h>

#include "canvas_fixtures.h"

namespace korvex::report {
namespace {

using testing::CanvasFixture;

struct SetUpCase {
    int mode;
    int dpi;
    int left_margin;
    int top_offset;
    int right_column_x;
    int base_font_size;
    int pen_width;
    int sheet_index;
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
        EXPECT_EQ(rc.OutputMode, c.mode);
        EXPECT_EQ(rc.surface, &f.surface);
        EXPECT_EQ(rc.dpi, c.dpi);
        EXPECT_DOUBLE_EQ(rc.scale, c.dpi / 25.4);
        EXPECT_EQ(rc.left_margin, c.left_margin);
        EXPECT_EQ(rc.top_offset, c.top_offset);
        EXPECT_EQ(rc.right_column_x, c.right_column_x);
        EXPECT_EQ(rc.base_font_size, c.base_font_size);
        EXPECT_EQ(rc.sheet_index, c.sheet_index);
        EXPECT_DOUBLE_EQ(rc.page_line_height, 5.0);
        EXPECT_EQ(rc.page_first_row, 7);

        const Font expected_font{.name = kProportionalFont, .size = c.base_font_size};
        EXPECT_EQ(f.surface.font(), expected_font);
        EXPECT_EQ(f.surface.pen(), (Pen{0, c.pen_width, PenStyle::Solid}));
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
    EXPECT_EQ(f.canvas.page_width, 4961);
    EXPECT_EQ(f.canvas.page_height, 7016);
}

TEST(BeginReport, ForgetsTheEarlierRendering) {
    // A screen image leaves a footer pending; the print job after it must not
    // print that footer on its first sheet.
    CanvasFixture f(kScreenOutput);
    f.canvas.footer_pending = 1;
    f.canvas.last_page_flag = kLastPage;
    f.canvas.section_row = 250;
    f.canvas.line_count = 40;
    f.canvas.page_line_height = 4.0;

    PrintSettings settings;
    settings.PageNumberPosition = kPageNumberBottomRight;
    begin_report(f.canvas, kPrinterOutput, f.surface, {settings, "/work/roof.kvxw", "2024/05/01"});
    EXPECT_EQ(f.canvas.footer_pending, 0);
    EXPECT_EQ(f.canvas.last_page_flag, 0);
    EXPECT_EQ(f.canvas.section_row, 0);
    EXPECT_EQ(f.canvas.line_count, 0);
    EXPECT_DOUBLE_EQ(f.canvas.page_line_height, 5.0);
    EXPECT_EQ(f.canvas.print_settings.PageNumberPosition, kPageNumberBottomRight);
    EXPECT_EQ(f.canvas.project_file_path, "/work/roof.kvxw");
    EXPECT_EQ(f.canvas.today, "2024/05/01");
}

} // namespace
} // namespace korvex::report
