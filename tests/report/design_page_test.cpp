#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/number_text.h"
#include "report/design_page.h"
#include "report/primitives.h"
#include "tests/support/canvas.h"
#include "tests/support/designs.h"

namespace korvex::report {
namespace {

using testing::CalculatedDesign;
using testing::CanvasFixture;
using testing::DesignOptions;

constexpr Color kHeading = rgb(0, 89, 132);

// Page 1 of a real design on a recording canvas. The records can be changed
// before drawing.
struct Page1 {
    std::unique_ptr<CalculatedDesign> sample;
    CanvasFixture f;

    Page1(const DesignOptions& options, int mode, ReportDocument document = {})
        : sample(testing::calculate_design(options)), f(mode, std::move(document)) {}

    Page1& draw() {
        draw_design_data_page(f.canvas, sample->report_data());
        return *this;
    }

    const std::vector<RecordedText>& texts() const { return f.surface.texts(); }

    // Index of the first text that starts with `prefix`, or -1.
    int find(std::string_view prefix) const { return testing::find_text(texts(), prefix); }

    const RecordedText& at(int index) const { return texts().at(static_cast<std::size_t>(index)); }
    const RecordedText& text(std::string_view prefix) const {
        const int i = find(prefix);
        EXPECT_GE(i, 0) << "no text starting with " << prefix;
        return at(i < 0 ? 0 : i);
    }
};

DesignOptions with_cantilevers(int left, int right) {
    DesignOptions o;
    o.leftCantilever = left;
    o.rightCantilever = right;
    return o;
}

TEST(DesignDataPage, TitleAndFrameOnEachDevice) {
    struct Case {
        int mode;
        bool cantilever;
        Point titleAt;
        int titleSize;
        Rect frame;
        int penWidth;
    };
    // Screen: frame 190 mm wide from 4 mm, 71/66 mm high from 12 mm. Paper without
    // a subject: 180 mm wide from 13 mm, 55/51 mm high from 18 mm (17 + 6 - 5).
    const Case cases[] = {
        {kScreenOutput, false, {11, 11}, 10, {11, 34, 549, 221}, 0},
        {kScreenOutput, true, {11, 11}, 10, {11, 34, 549, 235}, 0},
        {kPrinterOutput, false, {307, 306}, 12, {307, 424, 4558, 1628}, 6},
        {kPrinterOutput, true, {307, 306}, 12, {307, 424, 4558, 1723}, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + (c.cantilever ? " with cantilever" : ""));
        Page1 p(c.cantilever ? with_cantilevers(600, 0) : DesignOptions{}, c.mode);
        p.draw();
        const RecordedText& title = p.at(0);
        EXPECT_EQ(
            title.text,
            "Korvex構造計算(木造梁)－風荷重､積雪荷重の検討－ ［ デッキプレート：KX-50-12(Z12) ］");
        EXPECT_EQ(title.at, c.titleAt);
        EXPECT_EQ(title.font.size, c.titleSize);
        EXPECT_EQ(title.font.name, kProportionalFont);

        const auto& rects = p.f.surface.rectangles();
        ASSERT_EQ(rects.size(), 1u);
        EXPECT_EQ(rects[0].rect, c.frame);
        EXPECT_EQ(rects[0].pen.width, c.penWidth);
        EXPECT_TRUE(rects[0].brush.clear);
        EXPECT_EQ(p.f.canvas.frameRight, c.frame.right);
        EXPECT_EQ(p.f.canvas.frameBottom, c.frame.bottom);
    }
}

TEST(DesignDataPage, TitleNamesTheTreatmentUnlessItIsOther) {
    const std::pair<int, const char*> cases[] = {
        {0, "［ デッキプレート：KX-50-12(Z12) ］"},
        {1, "［ デッキプレート：KX-50-12(Z27) ］"},
        {2, "［ デッキプレート：KX-50-12 ］"},
    };
    for (const auto& [surface, ending] : cases) {
        DesignOptions o;
        o.surfaceIndex = surface;
        Page1 p(o, kScreenOutput);
        p.draw();
        EXPECT_TRUE(p.at(0).text.ends_with(ending)) << p.at(0).text;
    }
}

TEST(DesignDataPage, SubjectBoxOnlyOnPaperAndOnlyWithASubject) {
    PrintSettings subject;
    subject.subject = "倉庫新築工事";
    subject.pageNumberPosition = report::PageNumberPosition::topRight;

    Page1 paper(DesignOptions{}, kPrinterOutput, {subject, "", ""});
    paper.draw();
    const auto& rects = paper.f.surface.rectangles();
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].rect, (Rect{307, 259, 4558, 400}));
    EXPECT_EQ(rects[0].pen.width, 6);
    EXPECT_EQ(paper.text("物件名： ").text, "物件名： 倉庫新築工事");
    EXPECT_EQ(paper.text("物件名： ").at, (Point{354, 289}));
    // The frame stays 5 mm lower than without a subject.
    EXPECT_EQ(rects[1].rect, (Rect{307, 542, 4558, 1746}));
    // The first sheet's number sits at the top, 6 mm down.
    EXPECT_EQ(paper.at(0).text, "1");
    EXPECT_EQ(paper.at(0).at.y, 141);

    for (const char* none : {kSubjectPlaceholder, ""}) {
        PrintSettings settings;
        settings.subject = none;
        Page1 p(DesignOptions{}, kPrinterOutput, {settings, "", ""});
        p.draw();
        EXPECT_EQ(p.f.surface.rectangles().size(), 1u) << '"' << none << '"';
        EXPECT_EQ(p.find("物件名"), -1);
        EXPECT_EQ(p.f.surface.rectangles()[0].rect.top, 424);
    }

    Page1 screen(DesignOptions{}, kScreenOutput, {subject, "", ""});
    screen.draw();
    EXPECT_EQ(screen.f.surface.rectangles().size(), 1u);
    EXPECT_EQ(screen.find("物件名"), -1);
    EXPECT_EQ(screen.find("1"), -1) << "the screen shows no page number";
}

TEST(DesignDataPage, SiteLineWithAndWithoutV0) {
    struct Case {
        int mode;
        bool direct;
        bool heavy;
        const char* site;
        const char* afterV0; // nullptr: no wind speed at all
        int siteBelowSection;
        int spansBelowSection;
    };
    // Screen: the site line 7 mm under the section line (5 mm with direct loads);
    // paper: 4 mm. The spans line follows one row further down.
    const Case cases[] = {
        {kScreenOutput, false, false, "□建設用地： 東京都千代田区 [平均風速V", " = 34 m/sec]", 19,
         38},
        {kScreenOutput, false, true, "□建設用地： 新潟県十日町市 [平均風速V",
         " = 34 m/sec、多雪地域]", 19, 38},
        {kScreenOutput, true, false, "□建設用地： 東京都千代田区", nullptr, 14, 28},
        {kScreenOutput, true, true, "□建設用地： 新潟県十日町市[多雪地域]", nullptr, 14, 28},
        {kPrinterOutput, false, false, "□建設用地： 東京都千代田区 [平均風速V", " = 34 m/sec]", 94,
         188},
        {kPrinterOutput, true, false, "□建設用地： 東京都千代田区", nullptr, 94, 188},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.site);
        DesignOptions o;
        o.directLoads = c.direct;
        o.heavySnow = c.heavy;
        Page1 p(o, c.mode);
        p.draw();
        const int site = p.find("□建設用地");
        ASSERT_GE(site, 0);
        EXPECT_EQ(p.at(site).text, c.site);
        const int section_y = p.text("Z:").at.y;
        EXPECT_EQ(p.at(site).at.y - section_y, c.siteBelowSection);
        EXPECT_EQ(p.text("□2連続梁").at.y - section_y, c.spansBelowSection);
        if (c.afterV0 != nullptr) {
            EXPECT_EQ(p.at(site + 1).text, "0");
            EXPECT_EQ(p.at(site + 1).font.size, 7);
            EXPECT_EQ(p.at(site + 2).text, c.afterV0);
            EXPECT_EQ(p.at(site + 2).at.y, p.at(site).at.y);
        } else {
            EXPECT_EQ(p.find("□2連続梁"), site + 1);
        }
    }
}

TEST(DesignDataPage, SpansAndCantileverLines) {
    struct Case {
        int spans;
        int length;
        int left;
        int right;
        const char* spansLine;
        const char* cantileverLine; // nullptr: none
    };
    const Case cases[] = {
        {1, 1820, 0, 0, "□単純梁 [ スパン1 = 1,820mm ]", nullptr},
        {3, 900, 0, 0, "□3連続梁 [ スパン1 =   900mm,  スパン2 =   900mm,  スパン3 =   900mm ]",
         nullptr},
        {2, 2500, 600, 0, "□2連続梁 [ スパン1 = 2,500mm,  スパン2 = 2,500mm ]",
         "□はね出し部 [600mm]"},
        {2, 2500, 600, 450, "□2連続梁 [ スパン1 = 2,500mm,  スパン2 = 2,500mm ]",
         "□はね出し部 [左側 600mm、 右側 450mm]"},
        {2, 2500, 0, 450, "□2連続梁 [ スパン1 = 2,500mm,  スパン2 = 2,500mm ]",
         "□はね出し部 [右側 450mm]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spansLine);
        DesignOptions o = with_cantilevers(c.left, c.right);
        o.spanCount = c.spans;
        o.spanLength = c.length;
        Page1 p(o, kScreenOutput);
        p.draw();
        ASSERT_GE(p.find(c.spansLine), 0);
        const RecordedText& line = p.text(c.spansLine);
        EXPECT_EQ(line.text, c.spansLine);
        EXPECT_EQ(line.at.x, 28);
        const int cantilever = p.find("□はね出し部 ");
        if (c.cantileverLine == nullptr) {
            EXPECT_EQ(cantilever, -1);
            continue;
        }
        ASSERT_GE(cantilever, 0);
        EXPECT_EQ(p.at(cantilever).text, c.cantileverLine);
        // One 5 mm row further from the site line: 12 mm against 7 mm.
        EXPECT_EQ(p.at(cantilever).at.y - line.at.y, 34 - 19);
    }
}

TEST(DesignDataPage, CantileverWindLineOnlyWithDerivedLoads) {
    Page1 derived(with_cantilevers(600, 0), kScreenOutput);
    derived.draw();
    const int label = derived.find("□はね出し部用 風荷重(負)W");
    ASSERT_GE(label, 0);
    const RecordedText& subscript = derived.at(label + 1);
    EXPECT_EQ(subscript.text, "W－");
    const RecordedText& value = derived.at(label + 2);
    const std::string expected =
        common::trim(common::shortest_decimal(derived.sample->wind.cantileverWind)) + " N/m";
    EXPECT_EQ(value.text, expected);
    EXPECT_LT(derived.sample->wind.cantileverWind, 0.0);
    EXPECT_EQ(value.at.y, derived.at(label).at.y);
    EXPECT_EQ(derived.at(label + 3).text, "2");

    DesignOptions direct = with_cantilevers(600, 0);
    direct.directLoads = true;
    Page1 p(direct, kScreenOutput);
    p.draw();
    EXPECT_EQ(p.find("□はね出し部用"), -1);
    EXPECT_GE(p.find("□はね出し部 [600mm]"), 0);
}

TEST(DesignDataPage, SnowLineCarriesTheIncreaseFactorWhenExamined) {
    struct Case {
        int status;
        double factor;
        const char* suffix; // nullptr: none
    };
    const Case cases[] = {
        {1, 1.0, " (α：1.0)"}, {2, 1.0, " (α：1.0)"}, {1, 1.25, " (α：1.25)"}, {0, 1.25, nullptr}};
    for (const Case& c : cases) {
        Page1 p(DesignOptions{}, kScreenOutput);
        p.sample->increase.status = c.status;
        p.sample->increase.factor = c.factor;
        p.draw();
        const int snow = p.find("□積雪荷重W");
        ASSERT_GE(snow, 0);
        EXPECT_EQ(p.at(snow + 1).text, "S");
        EXPECT_EQ(p.at(snow + 3).text, "2");
        const int alpha = p.find(" (α：");
        if (c.suffix == nullptr) {
            EXPECT_EQ(alpha, -1);
            continue;
        }
        EXPECT_EQ(alpha, snow + 4);
        EXPECT_EQ(p.at(alpha).text, c.suffix);
    }
}

TEST(DesignDataPage, LoadValuesStandInTheirColumns) {
    Page1 p(DesignOptions{}, kScreenOutput);
    p.draw();
    // Load block 8 mm under the separator at y 137; values 45 mm (live load 44 mm)
    // right of the 5 mm margin, the right column 40 mm right of x 294.
    const int dead = p.find("□固定荷重W");
    ASSERT_GE(dead, 0);
    EXPECT_EQ(p.at(dead).at, (Point{28, 159}));
    EXPECT_EQ(p.at(dead + 1).text, "G");
    EXPECT_EQ(p.at(dead + 2).text, "   227 N/m");
    EXPECT_EQ(p.at(dead + 2).at, (Point{141, 159}));
    const int live = p.find("□積載荷重W");
    EXPECT_EQ(p.at(live + 2).text, "       0 N/m");
    EXPECT_EQ(p.at(live + 2).at.x, 138);
    const int wind = p.find("□風荷重(正)W");
    EXPECT_EQ(p.at(wind).at, (Point{294, 159}));
    EXPECT_EQ(p.at(wind + 2).at, (Point{407, 159}));
    const int suction = p.find("□風荷重(負)W");
    EXPECT_EQ(p.at(suction + 1).text, "W－");
    EXPECT_EQ(p.at(suction + 2).text,
              common::format_count(p.sample->loads.windNegative, 6) + " N/m");
    EXPECT_LT(p.sample->loads.windNegative, 0);
}

TEST(DesignDataPage, HeadingsAreColouredOnScreenOnly) {
    for (int mode : {kScreenOutput, kPrinterOutput}) {
        Page1 p(DesignOptions{}, mode);
        p.draw();
        const Color expected = mode == kScreenOutput ? kHeading : 0;
        EXPECT_EQ(p.text("《設計仕様》").font.color, expected);
        EXPECT_EQ(p.text("《荷重条件》").font.color, expected);
        EXPECT_EQ(p.text("□デッキプレート基準強度").font.color, 0u);
        EXPECT_EQ(p.text("□固定荷重W").font.color, 0u);
    }
}

TEST(DesignDataPage, SectionLineWritesExponentsAndUnits) {
    Page1 p(DesignOptions{}, kScreenOutput);
    p.draw();
    const int z = p.find("Z:");
    ASSERT_GE(z, 0);
    std::vector<std::string> run;
    for (int i = z; i < z + 10; ++i) run.push_back(p.at(i).text);
    EXPECT_EQ(run, (std::vector<std::string>{"Z:26.3×10", "3", "mm", "3", "/m", "、 I:66.3×10", "4",
                                             "mm", "4", "/m"}));
    // The unit keeps 1.5 mm (4 px) clear of the 6-point exponent (4 px wide
    // on the recording surface) before it.
    const RecordedText& exponent = p.at(z + 1);
    EXPECT_EQ(exponent.font.size, 6);
    EXPECT_EQ(p.at(z + 2).at.x, exponent.at.x + 4 + 4);
    EXPECT_EQ(p.at(z + 2).at.y, p.at(z).at.y);
}

TEST(DesignDataPage, PrintedNoteOnlyOnPaperWithDerivedLoads) {
    const char* note = "※風荷重・積雪荷重値算出については、後ページの詳細を参照。";
    Page1 paper(DesignOptions{}, kPrinterOutput);
    paper.draw();
    EXPECT_EQ(paper.text(note).at, (Point{2715, 1085}));
    EXPECT_EQ(paper.text(note).font.size, 8);

    DesignOptions direct;
    direct.directLoads = true;
    Page1 direct_paper(direct, kPrinterOutput);
    direct_paper.draw();
    EXPECT_EQ(direct_paper.find(note), -1);
    Page1 screen(DesignOptions{}, kScreenOutput);
    screen.draw();
    EXPECT_EQ(screen.find(note), -1);
}

TEST(DesignDataPage, LeavesThePenAndCanvasForTheCheckPages) {
    struct Case {
        int mode;
        Point headingAt;
        int leftMargin;
        int linePitch;
        int topOffset; // the separator's y
        Rect separator;
    };
    const Case cases[] = {
        {kScreenOutput, {211, 229}, 14, 5, 137, {25, 137, 541, 137}},
        {kPrinterOutput, {1960, 1675}, 307, 4, 1060, {401, 1060, 4558, 1060}},
    };
    for (const Case& c : cases) {
        Page1 p(DesignOptions{}, c.mode);
        p.draw();
        const RecordedText& last = p.texts().back();
        EXPECT_EQ(last.text, "《 計 算 結 果 》");
        EXPECT_EQ(last.at, c.headingAt);
        EXPECT_EQ(last.font.size, p.f.canvas.baseFontSize);
        EXPECT_EQ(p.f.surface.pen_position().y, c.headingAt.y);
        EXPECT_EQ(p.f.canvas.leftMargin, c.leftMargin);
        EXPECT_EQ(p.f.canvas.linePitch, c.linePitch);
        EXPECT_EQ(p.f.canvas.topOffset, c.topOffset);
        ASSERT_EQ(p.f.surface.lines().size(), 1u);
        const RecordedLine& line = p.f.surface.lines()[0];
        EXPECT_EQ((Rect{line.from.x, line.from.y, line.to.x, line.to.y}), c.separator);
    }
}

} // namespace
} // namespace korvex::report
