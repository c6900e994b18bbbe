#include <gtest/gtest.h>

#include "report/recording_surface.h"
#include "report/report_text.h"

namespace korvex::report {
namespace {

TEST(Surface, TextLeavesThePenAtItsRightEndOnTheSameTopLine) {
    RecordingSurface surface; // 9 pt at 96 dpi: 12 px, 6 px per byte
    surface.set_font_size(9);
    surface.text_out(10, 40, "N/m");
    EXPECT_EQ(surface.pen_position(), (Point{28, 40}));
    surface.text_out(28, 40, "荷重");
    EXPECT_EQ(surface.pen_position(), (Point{52, 40}));
}

TEST(Surface, LinesFollowThePenAndANewPageStartsAtTheCorner) {
    RecordingSurface surface;
    surface.move_to(5, 5);
    surface.line_to(50, 5);
    surface.set_pen_style(PenStyle::dashDot);
    surface.line_to(50, 80);
    surface.arc({0, 0, 20, 10}, {20, 0}, {0, 0});
    EXPECT_EQ(surface.pen_position(), (Point{50, 80})) << "an arc leaves the pen alone";
    surface.new_page();
    surface.line_to(1, 1);

    const auto& lines = surface.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].from, (Point{5, 5}));
    EXPECT_EQ(lines[1].from, (Point{50, 5}));
    EXPECT_EQ(lines[1].pen.style, PenStyle::dashDot);
    EXPECT_EQ(lines[2].from, (Point{0, 0}));
    EXPECT_EQ(lines[2].page, 1);
    EXPECT_EQ(surface.page_count(), 2);
}

TEST(ReportText, RepeatsSingleAndMultiByteCharacters) {
    EXPECT_EQ(repeat_character("-", 4), "----");
    EXPECT_EQ(repeat_character("－", 2), "－－");
    EXPECT_EQ(repeat_character("-", 0), "");
    EXPECT_EQ(repeat_character("-", -3), "");
}

} // namespace
} // namespace korvex::report
