#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "report/label_layout.h"
#include "report/primitives.h"
#include "tests/support/canvas.h"

namespace korvex::report {
namespace {

using testing::CanvasFixture;

// On paper: 10 pt at 600 dpi, 41.5 px (1.76 mm) per byte and 89.6 px (3.8 mm)
// high by the recording surface's estimate.
struct Paper : CanvasFixture {
    Paper() : CanvasFixture(kPrinterOutput) {}
    double slack() const { return kHairlineMm * canvas.scale; }
    const RecordedText& text(const std::string& t) const {
        const RecordedText* found = testing::text_named(surface, t);
        EXPECT_NE(found, nullptr) << t;
        static const RecordedText kNone;
        return found ? *found : kNone;
    }
};

TEST(LabelLayout, AClearLabelKeepsItsPlaceALaterOneGivesWayToTheNearestFreeRow) {
    struct Case {
        const char* name;
        double secondX;   // mm; the first label stands at (50, 100)
        int prefer;       // of the second
        double moveDown;  // rows the second moves: 0 stays, 1 down, -1 up
        bool slidInstead; // it slides along its row instead
    };
    const Case cases[] = {
        {"apart", 70, 1, 0, false},
        {"on top, down first", 50, 1, 1, false},
        {"on top, up first", 50, -1, -1, false},
        {"a hair over its end", 60.0, 1, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Paper p;
        LabelLayout labels(p.canvas, 0, 80, 190, 120);
        labels.add({"12.345", 50, 100, 50, 98, 0, 1});
        labels.add({"6.789", c.secondX, 100, c.secondX, 98, 0, c.prefer});
        labels.draw();
        const RecordedText& first = p.text("12.345");
        const RecordedText& second = p.text("6.789");
        EXPECT_EQ(first.at, testing::at_mm(p.canvas, 50, 100));
        EXPECT_FALSE(boxes_overlap(first.box, second.box, p.slack()));
        const Point stated = testing::at_mm(p.canvas, c.secondX, 100);
        if (c.slidInstead) {
            EXPECT_EQ(second.at.y, stated.y);
            EXPECT_GE(second.box.left, first.box.right + kSideClearanceMm * p.canvas.scale - 1);
        } else if (c.moveDown == 0) {
            EXPECT_EQ(second.at, stated);
        } else {
            EXPECT_EQ(second.at.x, stated.x);
            const double row = second.box.height() + kClearanceMm * p.canvas.scale;
            EXPECT_NEAR(second.at.y - stated.y, c.moveDown * row, 1.0);
        }
    }
}

TEST(LabelLayout, TriesTheRowsItsFigureKeepsBeforeAnyOther) {
    Paper p;
    LabelLayout labels(p.canvas, 0, 80, 190, 120);
    labels.add({"0.788", 50, 100, 50, 98, 0, 1});
    labels.add({"0.910", 51, 100, 51, 98, 0, 1, {90.0, 110.0}});
    labels.draw();
    EXPECT_EQ(p.text("0.910").at, testing::at_mm(p.canvas, 51, 90));
    EXPECT_EQ(labels.astray(), 0);
}

// With its own place and every row its figure keeps for it taken, a label still
// finds a clear place, and the figure learns that it stands out of its rows.
TEST(LabelLayout, ALabelOutOfEveryRowItsFigureKeepsIsCounted) {
    Paper p;
    LabelLayout labels(p.canvas, 0, 80, 190, 120);
    labels.add({"0.788", 50, 100, 50, 98, 0, 1});
    labels.add({"0.520", 50, 90, 50, 88, 0, 1});
    labels.add({"0.910", 51, 100, 51, 98, 0, 1, {90.0}});
    labels.draw();
    const RecordedText& moved = p.text("0.910");
    EXPECT_NE(moved.at, testing::at_mm(p.canvas, 51, 100));
    EXPECT_NE(moved.at, testing::at_mm(p.canvas, 51, 90));
    for (const char* other : {"0.788", "0.520"})
        EXPECT_FALSE(boxes_overlap(moved.box, p.text(other).box, p.slack())) << other;
    EXPECT_EQ(labels.astray(), 1);
}

TEST(LabelLayout, ALabelThatGoesFarIsLedBackToItsPoint) {
    // Its row is taken far to both sides and the band holds only that row: it
    // slides along it to one end, well away from the point it names above.
    Paper p;
    text_at_mm(p.canvas, 20, 100, "────────────────────────────────────");
    LabelLayout labels(p.canvas, 0, 100, 190, 104);
    labels.add({"4.56", 60, 100, 62, 60, 0, 1});
    labels.draw();
    const RecordedText& moved = p.text("4.56");
    EXPECT_EQ(moved.at.y, testing::at_mm(p.canvas, 60, 100).y);
    const Box& row = p.surface.texts().front().box;
    EXPECT_TRUE(moved.box.right <= row.left || moved.box.left >= row.right);
    ASSERT_EQ(p.surface.lines().size(), 1u);
    const RecordedLine& leader = p.surface.lines().back();
    const Point point = testing::at_mm(p.canvas, 62, 60);
    EXPECT_NEAR(leader.from.x, point.x, 1);
    EXPECT_NEAR(leader.from.y, point.y, 1);
    // It stops short of the label's nearest corner.
    const double near_x = std::clamp<double>(leader.to.x, moved.box.left, moved.box.right);
    const double near_y = std::clamp<double>(leader.to.y, moved.box.top, moved.box.bottom);
    EXPECT_LE(std::abs(near_x - leader.to.x) + std::abs(near_y - leader.to.y),
              2 * (kClearanceMm * p.canvas.scale + 4));
    EXPECT_LT(leader.pen.width, 3) << "a hairline";
    // Like every line of a figure it keeps the clearance from every text, its
    // own label's included.
    for (const RecordedText& t : p.surface.texts())
        EXPECT_FALSE(segment_crosses({leader.from, leader.to, LineRole::figure}, t.box,
                                     -(kClearanceMm * p.canvas.scale + leader.pen.width / 2.0)))
            << t.text;
}

TEST(LabelLayout, AMarkGoesPastTheEndOfALineThatReachesItsColumn) {
    for (const bool long_line : {false, true}) {
        Paper p;
        const std::string line = long_line ? std::string(60, '8') : std::string(20, '8');
        p.surface.text_out(100, 1000, line);
        const int line_end = p.surface.pen_position().x;
        const int column = 1500;
        const int x = x_past_line(p.canvas, column, 1000, "---------- OK", 4900);
        if (long_line)
            EXPECT_GE(x, line_end + mm_to_px(p.canvas, kSideClearanceMm) - 1);
        else
            EXPECT_EQ(x, column);
    }
}

TEST(LabelLayout, ARunComesBackTowardItsLineJustClearOfTheLineAbove) {
    Paper p;
    p.surface.text_out(100, 1000, "N/m N/m N/m");
    const int above_bottom =
        static_cast<int>(std::ceil(p.surface.sheet_marks().texts.back().bottom));
    p.surface.set_font_size(6);
    // Raised into the line above by 10 px, it may come down as far as 30 px.
    const int stated = above_bottom - 10;
    EXPECT_EQ(y_clear_between(p.canvas, 150, stated, stated, stated + 30, "2"), above_bottom);
    // Clear already, or beside the line rather than under it: it stays.
    EXPECT_EQ(
        y_clear_between(p.canvas, 150, above_bottom + 5, above_bottom + 5, above_bottom + 30, "2"),
        above_bottom + 5);
    EXPECT_EQ(y_clear_between(p.canvas, 2000, stated, stated, stated + 30, "2"), stated);
}

TEST(LabelLayout, AFigureLineLeavesOutTheTextsItRunsThrough) {
    Paper p;
    text_at_mm(p.canvas, 20, 50, "風荷重 Ｗ(負圧)＝-1109N/㎡");
    const Box caption = p.surface.sheet_marks().texts.back();
    p.surface.set_pen_style(PenStyle::dashDot);
    line_around_texts(p.canvas, 30, 70, 30, 40);
    line_around_texts(p.canvas, 150, 70, 150, 40); // clear of the caption
    const auto& lines = p.surface.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].from, testing::at_mm(p.canvas, 30, 70));
    // It keeps the clearance from the caption, past the edge of its pen.
    const double air = kClearanceMm * p.canvas.scale + lines[0].pen.width / 2.0;
    EXPECT_GE(lines[0].to.y, caption.bottom + air);
    EXPECT_LE(lines[1].from.y, caption.top - air);
    EXPECT_EQ(lines[1].to, testing::at_mm(p.canvas, 30, 40));
    EXPECT_EQ(lines[2].from, testing::at_mm(p.canvas, 150, 70));
    EXPECT_EQ(lines[2].to, testing::at_mm(p.canvas, 150, 40));
}

// Every line of its figure stands in a label's way: one that merely touches
// the label moves it just clear, within half a row of its place; one that runs
// through it sends it to the nearest free row. Either way the label keeps the
// clearance from the edge of the line's pen.
TEST(LabelLayout, ALabelKeepsTheClearanceFromEveryLineOfItsFigure) {
    struct Case {
        const char* name;
        double lineY; // the label's box runs from 100 to 103.8 mm
        bool touched;
    };
    const Case cases[] = {
        {"touching its foot", 103.9, true},
        {"touching its head", 99.9, true},
        {"through its middle", 102.0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Paper p;
        p.surface.set_pen_width(3);
        move_to_mm(p.canvas, 30, c.lineY);
        line_to_mm(p.canvas, 90, c.lineY);
        LabelLayout labels(p.canvas, 0, 80, 190, 120);
        labels.add({"0.910", 50, 100, 55, 98, 0, 1});
        labels.draw();
        const RecordedText& t = p.text("0.910");
        const RecordedLine& line = p.surface.lines().front();
        EXPECT_FALSE(segment_crosses({line.from, line.to, LineRole::figure}, t.box,
                                     -(kClearanceMm * p.canvas.scale + 1.5)));
        const Point stated = testing::at_mm(p.canvas, 50, 100);
        const double row = t.box.height() + kClearanceMm * p.canvas.scale;
        if (c.touched) {
            EXPECT_EQ(t.at.x, stated.x);
            EXPECT_LE(std::abs(t.at.y - stated.y), row / 2);
        } else {
            EXPECT_NEAR(std::abs(t.at.y - stated.y), row, 1.0);
        }
        EXPECT_EQ(p.surface.lines().size(), 1u) << "no leader for a label still by its place";
    }
}

// A band whose every row a line runs through has no clear place: it grows
// downward rather than let the label stand on the line.
TEST(LabelLayout, ABandWithNoClearPlaceGrowsDownward) {
    Paper p;
    move_to_mm(p.canvas, 0, 102);
    line_to_mm(p.canvas, 190, 102);
    LabelLayout labels(p.canvas, 0, 100, 190, 104);
    labels.add({"4.56", 60, 100, 62, 98, 0, 1});
    labels.draw();
    const RecordedText& t = p.text("4.56");
    EXPECT_GE(t.box.top, mm_to_px(p.canvas, 102) + kClearanceMm * p.canvas.scale);
    EXPECT_GT(labels.bottom(), mm_to_px(p.canvas, 104));
    EXPECT_EQ(labels.astray(), 0) << "a leader reaches it";
}

// A label that yields is placed after every other, whatever the order they
// were given in: the others keep their places.
TEST(LabelLayout, AYieldingLabelGivesWayToTheOthers) {
    Paper p;
    LabelLayout labels(p.canvas, 0, 80, 190, 120);
    FigureLabel lifted{"0.910", 50, 100, 50, 98, 0, 1};
    lifted.yields = true;
    labels.add(lifted);
    labels.add({"1.173", 50, 100, 50, 98, 0, 1});
    labels.draw();
    EXPECT_EQ(p.text("1.173").at, testing::at_mm(p.canvas, 50, 100));
    EXPECT_NE(p.text("0.910").at, testing::at_mm(p.canvas, 50, 100));
    EXPECT_FALSE(boxes_overlap(p.text("0.910").box, p.text("1.173").box, p.slack()));
}

TEST(LabelLayout, ARowMovesDownTogetherJustClearOfWhatReachesIntoIt) {
    Paper p;
    p.surface.text_out(500, 1000, "Ｍ");
    const double above = p.surface.sheet_marks().texts.back().bottom;
    const Box label = p.surface.text_box(500, 1050, "δ");
    const Box value = p.surface.text_box(1500, 1050, "0.27");
    const double air = kClearanceMm * p.canvas.scale;
    EXPECT_NEAR(shift_down_clear(p.surface, {label, value}, p.slack(), air, 500),
                above + air - label.top, 1e-9);
    EXPECT_EQ(shift_down_clear(p.surface, {value}, p.slack(), air, 500), 0.0);
    EXPECT_EQ(shift_down_clear(p.surface, {label}, p.slack(), air, 10), 0.0) << "beyond the limit";
}

} // namespace
} // namespace korvex::report
