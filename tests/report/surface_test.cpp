#include <gtest/gtest.h>

#include "report/recording_surface.h"
#include "report/report_run.h"
#include "report/report_text.h"
#include "tests/support/canvas.h"
#include "tests/support/designs.h"

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

TEST(Surface, BoxesOverlapOnlyBeyondTheSlack) {
    const Box a{0, 0, 10, 10};
    struct Case {
        Box b;
        double slack;
        bool overlap;
    };
    const Case cases[] = {
        {{5, 5, 15, 15}, 0, true},      {{10, 0, 20, 10}, 0, false}, // side by side
        {{9, 0, 20, 10}, 0.5, true},    {{9.6, 0, 20, 10}, 0.5, false},
        {{0, 9.6, 10, 20}, 0.5, false}, {{11, 0, 20, 10}, -2, true}, // within 2 of it
    };
    for (const Case& c : cases)
        EXPECT_EQ(boxes_overlap(a, c.b, c.slack), c.overlap)
            << c.b.left << "," << c.b.top << " slack " << c.slack;
}

TEST(Surface, ALineCrossesABoxOnlyThroughItsInside) {
    const Box box{10, 10, 30, 20};
    struct Case {
        Segment line;
        bool crosses;
    };
    const Case cases[] = {
        {{{0, 15}, {40, 15}}, true},  // straight through
        {{{20, 0}, {20, 12}}, true},  // into it from above
        {{{0, 10}, {40, 10}}, false}, // along its top edge
        {{{0, 11}, {40, 11}}, false}, // within the slack of its edge
        {{{0, 0}, {9, 30}}, false},   // beside it
        {{{0, 5}, {40, 25}}, true},   // diagonally across
        {{{31, 0}, {31, 30}}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(segment_crosses(c.line, box, 1.5), c.crosses)
            << "(" << c.line.from.x << "," << c.line.from.y << ")-(" << c.line.to.x << ","
            << c.line.to.y << ")";
}

TEST(Surface, ATextsBoxLeavesOutThePaddingAndRemembersItsSheet) {
    RecordingSurface surface; // 9 pt at 96 dpi: 12 px, 6 px per byte
    surface.set_font_size(9);
    const Box box = surface.text_box(100, 50, "  1.25 ");
    EXPECT_EQ(box.left, 112);
    EXPECT_EQ(box.right, 136);
    EXPECT_EQ(box.top, 50);
    EXPECT_GT(box.height(), 12);
    EXPECT_EQ(surface.text_box(100, 50, "　 ").width(), 0) << "spaces alone print nothing";

    surface.text_out(100, 50, "  1.25 ");
    surface.move_to(0, 0);
    surface.line_to(10, 0);
    surface.set_line_role(LineRole::frame);
    surface.line_to(10, 10);
    surface.rectangle({0, 0, 5, 5});
    const SheetMarks& marks = surface.sheet_marks();
    ASSERT_EQ(marks.texts.size(), 1u);
    EXPECT_EQ(marks.texts[0], box);
    ASSERT_EQ(marks.lines.size(), 6u);
    EXPECT_EQ(marks.lines[0].role, LineRole::figure);
    EXPECT_EQ(marks.lines[1].role, LineRole::frame);
    EXPECT_EQ(marks.lines[5].role, LineRole::frame) << "a rectangle's edges frame";
    surface.new_page();
    EXPECT_TRUE(surface.sheet_marks().texts.empty());
    EXPECT_TRUE(surface.sheet_marks().lines.empty());
}

TEST(RecordingSurface, OverADeviceMeasuresWithItAndPassesEveryCallOn) {
    RecordingSurface device({600, {4961, 7016}, 600});
    device.set_font_size(10);
    device.text_out(5, 5, "前");
    {
        // A trial draws nothing but starts from what the device's sheet holds.
        RecordingSurface trial(device, DeviceUse::measure);
        EXPECT_EQ(trial.font().size, 10);
        EXPECT_EQ(trial.sheet_marks().texts.size(), 1u);
        EXPECT_EQ(trial.page_size(), device.page_size());
        trial.text_out(0, 100, "荷重");
        EXPECT_EQ(trial.texts()[0].box.width(), device.measure("荷重").advance);
    }
    EXPECT_EQ(device.texts().size(), 1u);

    RecordingSurface tee(device, DeviceUse::draw);
    tee.set_font_size(12);
    tee.set_pen_color(rgb(1, 2, 3));
    tee.set_line_role(LineRole::tick);
    tee.text_out(10, 20, "N/m");
    tee.move_to(0, 0);
    tee.line_to(40, 0);
    tee.rectangle({1, 2, 3, 4});
    tee.new_page();
    ASSERT_EQ(device.texts().size(), 2u);
    EXPECT_EQ(device.texts()[1].font.size, 12);
    EXPECT_EQ(tee.pen_position(), (Point{0, 0}));
    ASSERT_EQ(device.lines().size(), 1u);
    EXPECT_EQ(device.lines()[0].pen.color, rgb(1, 2, 3));
    EXPECT_EQ(device.lines()[0].role, LineRole::tick);
    EXPECT_EQ(device.rectangles().size(), 1u);
    EXPECT_EQ(device.page_count(), 2);
}

// The result window's image is drawn from the recording that measured its
// layout: every call must come out as it went in.
TEST(RecordingSurface, AReplayDrawsEveryCallAsItWasMade) {
    const auto design = testing::calculate_design(
        {.spanCount = 3, .leftCantilever = 600, .roofType = calc::RoofType::arc});
    testing::CanvasFixture recorded(kPrinterOutput);
    draw_report(recorded.canvas, design->report_data());
    recorded.surface.set_brush_color(rgb(9, 9, 9));
    recorded.surface.text_out(1, 2, "塗り");
    recorded.surface.new_page();

    RecordingSurface replayed(testing::paper_geometry());
    recorded.surface.replay(replayed);

    const RecordingSurface& a = recorded.surface;
    const RecordingSurface& b = replayed;
    ASSERT_GT(a.page_count(), 2);
    EXPECT_EQ(b.page_count(), a.page_count());
    ASSERT_EQ(b.texts().size(), a.texts().size());
    for (std::size_t i = 0; i < a.texts().size(); ++i) {
        const RecordedText& x = a.texts()[i];
        const RecordedText& y = b.texts()[i];
        EXPECT_TRUE(x.order == y.order && x.page == y.page && x.at == y.at && x.text == y.text &&
                    x.font == y.font && x.box == y.box && x.brush == y.brush)
            << x.text;
    }
    ASSERT_EQ(b.lines().size(), a.lines().size());
    for (std::size_t i = 0; i < a.lines().size(); ++i) {
        const RecordedLine& x = a.lines()[i];
        const RecordedLine& y = b.lines()[i];
        EXPECT_TRUE(x.order == y.order && x.page == y.page && x.from == y.from && x.to == y.to &&
                    x.pen == y.pen && x.role == y.role)
            << i;
    }
    ASSERT_EQ(b.rectangles().size(), a.rectangles().size());
    for (std::size_t i = 0; i < a.rectangles().size(); ++i)
        EXPECT_TRUE(a.rectangles()[i].rect == b.rectangles()[i].rect &&
                    a.rectangles()[i].order == b.rectangles()[i].order &&
                    a.rectangles()[i].pen == b.rectangles()[i].pen &&
                    a.rectangles()[i].brush == b.rectangles()[i].brush);
    ASSERT_FALSE(a.arcs().empty());
    ASSERT_EQ(b.arcs().size(), a.arcs().size());
    EXPECT_EQ(b.arcs()[0].bounds, a.arcs()[0].bounds);
    ASSERT_EQ(b.fills().size(), a.fills().size());
    EXPECT_EQ(b.call_count(), a.call_count());
}

TEST(ReportText, RepeatsSingleAndMultiByteCharacters) {
    EXPECT_EQ(repeat_character("-", 4), "----");
    EXPECT_EQ(repeat_character("－", 2), "－－");
    EXPECT_EQ(repeat_character("-", 0), "");
    EXPECT_EQ(repeat_character("-", -3), "");
}

} // namespace
} // namespace korvex::report
