#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/rounding.h"
#include "report/detail_pages.h"
#include "report/label_layout.h"
#include "report/primitives.h"
#include "report/roof_figure.h"
#include "report/surface.h"
#include "tests/support/canvas.h"
#include "tests/support/designs.h"

namespace korvex::report {
namespace {

using testing::CalculatedDesign;
using testing::CanvasFixture;
using testing::DesignOptions;

constexpr Color kGrey = rgb(102, 102, 102);
constexpr int kStartRow = 40;

// The detail pages of a real design, drawn from section row kStartRow on
// screen, or on paper with the 4 mm line height the run leaves.
struct DetailRender {
    std::unique_ptr<CalculatedDesign> sample;
    CanvasFixture f;

    DetailRender(int mode, const DesignOptions& o,
                 const std::function<void(CalculatedDesign&)>& tweak = {})
        : sample(testing::calculate_design(o)), f(mode) {
        if (tweak) tweak(*sample);
        f.canvas.sectionRow = kStartRow;
        f.canvas.lineCount = 1;
        if (mode == kPrinterOutput) f.canvas.pageLineHeight = 4.0;
        draw_detail_pages(f.canvas, sample->report_data());
    }

    std::vector<const RecordedText*> all(std::string_view part) const {
        std::vector<const RecordedText*> found;
        for (const RecordedText& t : f.surface.texts())
            if (t.text.find(part) != std::string::npos) found.push_back(&t);
        return found;
    }
    bool has(std::string_view part) const { return !all(part).empty(); }
    const RecordedText& text(std::string_view part) const {
        const auto found = all(part);
        if (found.empty()) ADD_FAILURE() << "no text containing " << part;
        static const RecordedText kNone;
        return found.empty() ? kNone : *found.front();
    }
    const RecordedText* exactly(std::string_view whole) const {
        for (const RecordedText& t : f.surface.texts())
            if (t.text == whole) return &t;
        return nullptr;
    }
    // Millimetres from the margins, the inverse of text_at_row_col.
    int row(std::string_view part) const { return inverse(text(part).at.y, f.canvas.topOffset); }
    int col(std::string_view part) const { return inverse(text(part).at.x, f.canvas.leftMargin); }
    int inverse(int px, int offset) const {
        for (int mm = 0; mm < 2000; ++mm)
            if (mm_to_px(f.canvas, mm) + offset == px) return mm;
        return -1;
    }
    std::vector<const RecordedLine*> grey_lines() const {
        std::vector<const RecordedLine*> found;
        for (const RecordedLine& l : f.surface.lines())
            if (l.pen.color == kGrey) found.push_back(&l);
        return found;
    }
};

DesignOptions with_cantilever() {
    DesignOptions o;
    o.leftCantilever = 450;
    return o;
}
DesignOptions roof(int type, int shape = 0) {
    DesignOptions o;
    o.roofType = *calc::from_code<calc::RoofType>(type);
    o.canopyShape = *calc::from_code<calc::CanopyShape>(shape);
    return o;
}
// Category IV with H = 7 m, below its Zb of 10 m.
DesignOptions below_zb(int roof_type = 3) {
    DesignOptions o = roof(roof_type);
    o.roughnessCategory = 4;
    o.eaveHeightMm = 6000;
    o.buildingHeightMm = 8000;
    return o;
}

// ---- layout tools -------------------------------------------------------

TEST(DetailAdvance, TruncatesToWholeMillimetresAndCountsOneLine) {
    struct Case {
        double lineHeight;
        double lines;
        int step;
    };
    const Case cases[] = {{5.0, 0.5, 2}, {5.0, 1.0, 5}, {5.0, 1.5, 7},  {5.0, 2.0, 10},
                          {4.0, 0.5, 2}, {4.0, 1.5, 6}, {5.0, -1.0, -5}};
    for (const Case c : cases) {
        CanvasFixture f(kScreenOutput);
        f.canvas.pageLineHeight = c.lineHeight;
        f.canvas.sectionRow = 101;
        f.canvas.lineCount = 4;
        advance(f.canvas, c.lines);
        SCOPED_TRACE(std::to_string(c.lineHeight) + " x " + std::to_string(c.lines));
        EXPECT_EQ(f.canvas.sectionRow, 101 + c.step);
        EXPECT_EQ(f.canvas.lineCount, 5);
    }
}

TEST(DetailTextLine, RunsSitAgainstTheLineAndTheTextGoesOnAtItsTop) {
    CanvasFixture f(kScreenOutput);
    TextLine line("・Ｖ");
    line.sub("0");
    line.sup("2") << " ＝ 0.6";
    draw_line_at(f.canvas, 10, 20, line);

    const auto& t = f.surface.texts();
    ASSERT_EQ(t.size(), 4u);
    const int top = t[0].at.y;
    EXPECT_EQ(t[0].text, "・Ｖ");
    EXPECT_EQ(t[1].text, "0");
    EXPECT_EQ(t[1].at.y, top + 3); // lowered by floor(1.0 S)
    EXPECT_EQ(t[1].font.size, 7);
    // The exponent after the subscript is raised from the line, not from the
    // lowered run before it.
    EXPECT_EQ(t[2].text, "2");
    EXPECT_EQ(t[2].at.y, top - 2);
    EXPECT_EQ(t[2].font.size, 6);
    EXPECT_EQ(t[3].text, " ＝ 0.6");
    EXPECT_EQ(t[3].at.y, top);
    EXPECT_GT(t[3].at.x, t[2].at.x);
    EXPECT_EQ(t[3].font.size, f.canvas.baseFontSize);
}

TEST(DetailHeadingFrame, OutlinesTheTitleAndPutsTheNoticeBesideIt) {
    struct Case {
        int mode;
        int widthMm;
    };
    for (const Case c : {Case{kScreenOutput, 55}, Case{kPrinterOutput, 40}}) {
        CanvasFixture f(c.mode);
        const int top = 300;
        frame_heading(f.canvas, top, "平成12年建設省告示第1458号による");
        const ReportCanvas& k = f.canvas;
        const int x1 = mm_to_px(k, 2) + k.leftMargin;
        const int x2 = x1 + mm_to_px(k, c.widthMm);
        const int y1 = top - mm_to_px(k, 1.5);
        const int y2 = top + mm_to_px(k, 6);
        const auto& lines = f.surface.lines();
        ASSERT_EQ(lines.size(), 4u);
        EXPECT_EQ(lines[0].from, (Point{x1, y1}));
        EXPECT_EQ(lines[0].to, (Point{x2, y1}));
        EXPECT_EQ(lines[1].to, (Point{x2, y2}));
        EXPECT_EQ(lines[2].to, (Point{x1, y2}));
        EXPECT_EQ(lines[3].to, (Point{x1, y1}));
        ASSERT_EQ(f.surface.texts().size(), 1u);
        EXPECT_EQ(f.surface.texts()[0].at, (Point{x2 + mm_to_px(k, 2), (y1 + y2) / 2}));
    }
}

// ---- wind part ----------------------------------------------------------

struct PresenceCase {
    const char* name;
    DesignOptions options;
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

TEST(WindDetail, ShowsWhatTheRoofAndTheCantileverCallFor) {
    const PresenceCase cases[] = {
        {"pitched without cantilever",
         {},
         {"屋根面が水平面となす角度θ：", "H＞Zb, θ= 14 度より", " （負圧軒隅角部）",
          " （負圧軒頂部）", " (告示第1458号 表1、表2より直線補間）"},
         {"A-3)", "D)帳壁", "帳壁部分の地盤面からの高さＺ：", "ｆ/ｄ", "はね出し部"}},
        {"pitched with cantilever",
         with_cantilever(),
         {"A-3)帳壁の正圧ピーク風力係数", "帳壁部分の地盤面からの高さＺ：",
          "D)帳壁の設計用風圧力　Ｗ＝ｑ･Ｃf",
          "はね出し部計算用風圧力 → 負圧計算 -1,951.00 - 1,638.00 ＝ -3,589.00 N/m",
          "告示第1458号 表8より、Ｈ > 5 mm かつ Ｚ > 5 mm、"},
         {}},
        {"arc",
         roof(5),
         {"ｆ/ｄ =  0.25,   ｈ/ｄ =  0.50より", " (告示第1458号 表4、表2より直線補間）",
          " （負圧一般部）", " （負圧周辺部）", "屋根面の種類: 円弧屋根, 閉鎖型"},
         {"屋根面が水平面となす角度θ：", "θ= ", "軒隅角部", "軒頂部", "A-3)"}},
        {"canopy",
         roof(6),
         {"A-1)正圧の風力係数 Ｃf正", "屋根面の種類: 独立上屋, 切妻屋根", "Ｃf負-風下側 ＝ ",
          " （負圧風上側一般部）"},
         {"軒隅角部", "Ｃf内圧", "A-1)正圧のピーク風力係数"}},
    };
    for (const PresenceCase& c : cases) {
        DetailRender r(kScreenOutput, c.options);
        SCOPED_TRACE(c.name);
        for (const std::string& s : c.present) EXPECT_TRUE(r.has(s)) << "missing: " << s;
        for (const std::string& s : c.absent) EXPECT_FALSE(r.has(s)) << "unexpected: " << s;
    }
}

TEST(WindDetail, PrintsTheDerivedFiguresOfTheCurrentInputs) {
    // Category III, V0 34 m/s, H 12.5 m: Er 0.83021, q 478.0, Gpe 2.928. θ 14°:
    // Cpe 0.04, W+ = floor(478 (0.04 x 2.928 + 0.5)) = 294, W- = floor(478 x -4.08).
    // Records of an earlier calculation must not leak in: the page derives anew.
    DetailRender r(kScreenOutput, {}, [](CalculatedDesign& s) {
        s.wind = calc::WindResult{};
        s.loads.windPositive = 0;
        s.loads.windNegative = 0;
    });
    EXPECT_TRUE(r.has("= 1.7×( 12.5 / 450 ) "));
    EXPECT_TRUE(r.has("= 0.83021"));
    EXPECT_TRUE(r.has(" ＝ 0.6 × 0.83021"));
    EXPECT_TRUE(r.has(" ＝ 478.00 N/m"));
    EXPECT_TRUE(r.has("   Ｃpe = 0.04、 Ｇpe = 2.92 (告示第1458号"));
    EXPECT_TRUE(r.has("Ｗ正 ＝ 478.00 ×  0.61 ＝   294.00 N/m"));
    EXPECT_TRUE(r.has("Ｗ負 ＝ 478.00 × -4.08 ＝ -1,951.00 N/m"));
    EXPECT_TRUE(r.has("本計算用風圧力 → 正圧計算 294.00 N/m"));
    EXPECT_TRUE(r.has("、  負圧計算 -1,951.00 N/m"));
    EXPECT_TRUE(r.has("12,500 mm"));
    EXPECT_TRUE(r.has("Ⅲ"));
}

TEST(WindDetail, ConditionsStandInTwoColumnsBelowTheFramedTitle) {
    DetailRender r(kScreenOutput, with_cantilever());
    const DetailColumns c = detail_columns(r.f.canvas);
    // The title is drawn two lines above the section row it starts from.
    EXPECT_EQ(r.row("風 荷 重 計 算"), kStartRow - 10);
    EXPECT_EQ(r.text("風 荷 重 計 算").font.size, r.f.canvas.baseFontSize + 2);
    EXPECT_EQ(r.row("■条　件"), kStartRow + 1);
    EXPECT_EQ(r.row("建設用地：東京都 千代田区"), kStartRow + 7);
    EXPECT_EQ(r.row("地表面粗度区分："), kStartRow + 12);
    EXPECT_EQ(r.col("張り間方向の長さＤ："), c.r + 10);
    EXPECT_EQ(r.row("張り間方向の長さＤ："), kStartRow + 12);
    EXPECT_EQ(r.col("20,000 mm"), c.r + (c.v - c.c0));
    EXPECT_EQ(r.col("12,500  mm"), c.r + (c.v - c.c0));
    EXPECT_EQ(r.row("12,500  mm"), r.row("軒の高さＨ1："));
    EXPECT_EQ(r.col("34 m/s"), c.v);
    EXPECT_EQ(r.row("■荷重の計算"), r.row("建物の高さＨ2：") + 9);
}

TEST(WindDetail, ArcRoofKeepsTheInternalCoefficientOnTheRowOfItsTwoRegions) {
    DetailRender r(kScreenOutput, roof(5));
    const int row = r.row(" Ｃf外圧 = -2.50 （一般部）");
    EXPECT_EQ(r.row(" Ｃf外圧 = -3.20 （周辺部）"), row);
    EXPECT_EQ(r.row(" Ｃf内圧 = 0.00 （閉鎖型）"), row);
    EXPECT_EQ(r.all("）= -").size(), 2u);
    EXPECT_EQ(r.row("　 ピーク風力係数  Ｃf負"), row + 7);
}

TEST(WindDetail, ExposureBelowZbTakesThreeRowsAndTheVelocityPressureFollowsThem) {
    for (int roof_type : {3, 6}) {
        DetailRender r(kScreenOutput, below_zb(roof_type));
        SCOPED_TRACE(roof_type);
        const DetailColumns c = detail_columns(r.f.canvas);
        const int first = r.row("Ｈ≦Ｚb → Ｅr = 1.7×(Ｚb/Ｚ");
        EXPECT_EQ(first, r.row("B)平均速度圧") + 5);
        EXPECT_EQ(r.col("Ｈ≦Ｚb → Ｅr"), c.r);
        EXPECT_EQ(r.row(" = 1.7×( 10.0 / 550 )"), first + 5);
        EXPECT_EQ(r.col(" = 1.7×( 10.0 / 550 )"), c.c0 + 95);
        EXPECT_EQ(r.row("= 0.57617"), first + 10);
        EXPECT_EQ(r.col("= 0.57617"), c.c0 + 95);
        // Sharing the second row, the page-wide q line would run through it.
        EXPECT_EQ(r.row("平均速度圧 ｑ＝ 0.6・Ｅr"), first + 15);
        EXPECT_TRUE(r.has(" ＝ 230.20 N/m"));
        EXPECT_FALSE(r.has("Ｈ＞Ｚb"));
    }
}

TEST(WindDetail, CanopyRowsNameSideAndPartAndClearTheirLabels) {
    DetailRender r(kScreenOutput, roof(6));
    const DetailColumns c = detail_columns(r.f.canvas);
    const char* labels[] = {" （正圧・風上側）",     " （正圧・風下側）",
                            " （負圧風上側一般部）", " （負圧風上側周辺部）",
                            " （負圧風下側一般部）", " （負圧風下側周辺部）"};
    const int first = r.row(labels[0]);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(labels[i]);
        EXPECT_EQ(r.row(labels[i]), first + 5 * i);
        EXPECT_EQ(r.col(labels[i]), c.c0 + 10);
    }
    const auto negatives = r.all("Ｗ負 ＝ 478.00 × ");
    ASSERT_EQ(negatives.size(), 4u);
    const RecordedText& label = r.text(" （負圧風上側一般部）");
    EXPECT_EQ(negatives[0]->at.y, label.at.y);
    EXPECT_GT(negatives[0]->at.x, label.at.x + r.f.surface.estimated_width(label.text));
    EXPECT_TRUE(r.has("Ｗ負 ＝ 478.00 × -2.70 ＝ -1,291.00 N/m"));
    EXPECT_TRUE(r.has("Ｃf負-風上側 ＝ -0.90 × 4.00 ＝ -3.60 （ 周辺部 ）"));
}

// ---- snow part ----------------------------------------------------------

DesignOptions increase_applies() {
    // D 10 m, flat roof, 30 cm: dr 0.05, μb 1, α = 0.7 + √(0.05/0.30) = 1.11.
    DesignOptions o;
    o.spanDirectionLengthMm = 10000;
    o.buildingHeightMm = o.eaveHeightMm;
    return o;
}
DesignOptions depth(int cm) {
    DesignOptions o;
    o.snowDepth = cm;
    return o;
}
DesignOptions heavy_snow() {
    DesignOptions o;
    o.heavySnow = true;
    return o;
}

struct SnowCase {
    const char* name;
    DesignOptions options;
    std::vector<std::string> lines; // consecutive texts from the depth line on
    std::vector<int> steps;         // rows from each line to the next
    std::vector<std::string> absent;
};

TEST(SnowDetail, ShowsTheIncreaseCheckOnlyWhereItWasExamined) {
    const SnowCase cases[] = {
        {"applied",
         increase_applies(),
         {"垂直積雪量d＝ 30 ㎝", "平成19年国土交通省告示第594号規定(割り増し係数)の検討",
          "　　張り間方向の長さＤ＝ 10m、屋根勾配θ＝ 0.0度より dr＝ 0.05m",
          "　　屋根形状係数μb ＝ √(cos(1.5×θ)) ＝ 1",
          "　　割り増し係数α＝ 0.7 + √(0.05/(1×0.30)) ＝ 1.11",
          "積雪荷重Ｗs＝ 20×30×1.11＝ 666 N/㎡"},
         {10, 5, 5, 5, 10},
         {"⇒", "対象外"}},
        {"computed factor below 1",
         {},
         {"垂直積雪量d＝ 30 ㎝", "平成19年国土交通省告示第594号規定(割り増し係数)の検討",
          "　　張り間方向の長さＤ＝ 20m、屋根勾配θ＝ 14度より dr＝ 0.02m",
          "　　屋根形状係数μb ＝ √(cos(1.5×θ)) ＝ 0.966",
          "　　割り増し係数α＝ 0.7 + √(0.02/(0.966×0.30)) ＝ 0.96 ⇒ α＝ 1.0",
          "積雪荷重Ｗs＝ 20×30×1＝ 600 N/㎡"},
         {10, 5, 5, 5, 10},
         {"対象外"}},
        {"not examined",
         depth(14),
         {"垂直積雪量d＝ 14 ㎝",
          "平成19年国土交通省告示第594号に規定された「割り増し係数の検討」は、対象外のため不要。",
          "積雪荷重Ｗs＝ 20×14＝ 280 N/㎡"},
         {10, 5},
         {"割り増し係数α"}},
        {"heavy snow",
         heavy_snow(),
         {"垂直積雪量d＝ 150 ㎝", "積雪荷重Ｗs＝ 30×150＝ 4500 N/㎡"},
         {5},
         {"割り増し係数", "対象外", "平成12年建設省告示第1455号による", "係数：α"}},
    };
    for (const SnowCase& c : cases) {
        DetailRender r(kScreenOutput, c.options);
        SCOPED_TRACE(c.name);
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            ASSERT_TRUE(r.has(c.lines[i])) << c.lines[i];
            EXPECT_EQ(r.col(c.lines[i]), 14) << c.lines[i];
            if (i + 1 < c.lines.size()) {
                EXPECT_EQ(r.row(c.lines[i + 1]) - r.row(c.lines[i]), c.steps[i]) << c.lines[i];
            }
        }
        for (const std::string& s : c.absent) EXPECT_FALSE(r.has(s)) << s;
        EXPECT_TRUE(r.grey_lines().empty()) << "the screen never shows the roof figure";
    }
}

TEST(SnowDetail, DepthFromTheSiteShowsItsFormulaAndTheNotification) {
    DetailRender r(kScreenOutput, {}, [](CalculatedDesign& s) {
        s.inputs.snowMethod = calc::SnowMethod::formula;
        s.inputs.snowCoefA = 0.0017;
        s.inputs.snowCoefB = 0;
        s.inputs.snowCoefC = 0.33;
        s.inputs.altitude = 25;
        s.inputs.seaRatio = 20;
        s.inputs.seaRatioRadius = 20;
        s.inputs.snowDepth = 37;
        s.inputs.siteSources = {calc::ValueSource::table, calc::ValueSource::none,
                                calc::ValueSource::user, calc::ValueSource::none,
                                calc::ValueSource::entered};
    });
    // The formula's metres, then the centimetre they round to.
    EXPECT_TRUE(
        r.has("垂直積雪量d = α×ｌs＋β×ｒs＋γ ＝ 0.0017×25＋0×0.20＋0.33 ＝ 0.372 m → 37 cm"));
    // Under the site: where each value came from, then the coefficients used.
    const std::string sources = "地域データの出典：Ｖ0＝標準データ、積雪区域＝データなし";
    const std::string more_sources = "標高参考値＝ユーザーデータ、垂直積雪量参考値＝データなし";
    const std::string coefficients =
        "係数：α＝ 0.0017、β＝ 0、γ＝ 0.33、海率計算用半径R＝ 20 km（入力値）";
    ASSERT_TRUE(r.exactly(sources));
    ASSERT_TRUE(r.exactly(coefficients));
    EXPECT_EQ(r.col(sources), 14);
    EXPECT_EQ(r.col(more_sources), 14 + 32); // under the values of the line above
    EXPECT_EQ(r.col(coefficients), 14);
    const RecordedText& snow_site = *r.all("建設用地：").back();
    EXPECT_EQ(r.row(sources), r.inverse(snow_site.at.y, r.f.canvas.topOffset) + 5);
    ASSERT_TRUE(r.exactly(more_sources));
    EXPECT_EQ(r.row(more_sources), r.row(sources) + 5);
    EXPECT_EQ(r.row(coefficients), r.row(more_sources) + 5);
    EXPECT_LT(r.text(coefficients).at.y, r.all("■荷重の計算").back()->at.y);
    const RecordedText& notice = r.text("平成12年建設省告示第1455号による");
    EXPECT_GT(notice.at.y, r.text("積 雪 荷 重 計 算").at.y);
    EXPECT_FALSE(r.has("垂直積雪量d＝"));
}

TEST(DetailPagesOnScreen, EndTheirPageThreeLinesBelowTheLoadLine) {
    DetailRender r(kScreenOutput, {});
    const RecordedText& last = r.f.surface.texts().back();
    EXPECT_EQ(last.text, " ");
    EXPECT_EQ(r.inverse(last.at.y, r.f.canvas.topOffset),
              r.row("積雪荷重Ｗs＝ 20×30×1＝ 600 N/㎡") + 15);
    EXPECT_EQ(r.f.canvas.pageBottom, common::to_int(last.at.y / r.f.canvas.scale));
    EXPECT_EQ(r.f.canvas.pageLineHeight, 5.0);
    // Three lines after the design values, the snow part begins.
    EXPECT_EQ(r.row("積 雪 荷 重 計 算"), r.row("本計算用風圧力") + 15);
}

// ---- paper --------------------------------------------------------------

// The snow part follows the wind part on its framed sheet when it fits between
// the wind part's last line and the foot of the frame, and takes a framed sheet
// of its own only when it does not: then the room left on the wind sheet, less
// the gap the part keeps from the wind part where it follows it, is less than
// the part needs on a sheet of its own.
TEST(DetailPagesOnPaper, SnowFollowsTheWindPartOnItsSheetWhenItFits) {
    struct Case {
        const char* name;
        DesignOptions options;
        bool ownSheet;
    };
    DesignOptions longest = below_zb(6); // a canopy below Zb, with a cantilever
    longest.leftCantilever = 450;
    DesignOptions heavy_with_cantilever = heavy_snow();
    heavy_with_cantilever.leftCantilever = 450;
    const Case cases[] = {
        {"plain, examined check with its roof figure", {}, false},
        {"arc roof", roof(5), false},
        {"heavy snow", heavy_snow(), false},
        {"heavy snow with a cantilever", heavy_with_cantilever, true},
        {"canopy below Zb with a cantilever", longest, true},
    };
    double gap = 0.0; // from the wind part's last text to the snow title, as it follows
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DetailRender r(kPrinterOutput, c.options);
        const ReportCanvas& k = r.f.canvas;
        const int top = mm_to_px(k, 18) - mm_to_px(k, 5);
        const int bottom = top + mm_to_px(k, 270);
        const int right = k.leftMargin + mm_to_px(k, 183);
        const RecordedText& wind = r.text("風 荷 重 計 算");
        const RecordedText& snow = r.text("積 雪 荷 重 計 算");
        EXPECT_EQ(snow.page, wind.page + (c.ownSheet ? 1 : 0));
        EXPECT_EQ(r.f.surface.page_count(), snow.page + 2) << "ends with a page end";
        EXPECT_EQ(k.pageBottom, 0);

        // Every sheet of the part has its frame and its title once.
        for (int page = wind.page; page <= snow.page; ++page) {
            int frame_lines = 0;
            for (const RecordedLine& l : r.f.surface.lines())
                if (l.page == page && l.from == Point{k.leftMargin, top} &&
                    l.to == Point{right, top})
                    ++frame_lines;
            EXPECT_EQ(frame_lines, 1) << "page " << page;
            const auto titles =
                r.all("Korvex構造計算 ［風荷重､積雪荷重の検討－計算詳細・応力図－］");
            EXPECT_EQ(std::count_if(titles.begin(), titles.end(),
                                    [&](const RecordedText* t) { return t->page == page; }),
                      1);
        }
        // Everything stands inside the frame, the roof figure too.
        for (const RecordedText& t : r.f.surface.texts()) EXPECT_LT(t.box.bottom, bottom) << t.text;
        for (const RecordedLine* l : r.grey_lines()) {
            EXPECT_EQ(l->page, snow.page);
            EXPECT_LT(std::max(l->from.y, l->to.y), bottom);
        }

        double wind_end = 0.0;
        double snow_end = 0.0;
        for (const RecordedText& t : r.f.surface.texts()) {
            if (t.order < snow.order) wind_end = std::max(wind_end, t.box.bottom);
            if (t.order >= snow.order) snow_end = std::max(snow_end, t.box.bottom);
        }
        if (c.ownSheet) {
            // The part's own height, title to last line, and the room it had.
            ASSERT_GT(gap, 0.0) << "a case that follows comes first";
            EXPECT_GT(snow_end - snow.box.top + gap,
                      bottom - mm_to_px(k, kDetailFrameFootRoom) - wind_end);
        } else {
            EXPECT_GT(snow.box.top, wind_end);
            gap = snow.box.top - wind_end;
        }
    }
}

// A negative coefficient is subtracted in the formula line, as it is written
// by hand, and listed with its sign among the coefficients.
TEST(SnowDetail, NegativeCoefficientsAreSubtractedInTheFormula) {
    DetailRender r(kScreenOutput, {}, [](CalculatedDesign& s) {
        s.inputs.snowMethod = calc::SnowMethod::formula;
        s.inputs.snowCoefA = 0.0019;
        s.inputs.snowCoefB = -1.19;
        s.inputs.snowCoefC = -0.5;
        s.inputs.altitude = 400;
        s.inputs.seaRatio = 10;
        s.inputs.snowDepth = 14;
    });
    EXPECT_TRUE(r.has("垂直積雪量d = α×ｌs＋β×ｒs＋γ ＝ 0.0019×400－1.19×0.10－0.5 ＝ 0.141 m → "
                      "14 cm"));
}

struct FigureCase {
    int roofType;
    int shape;
    int wide;
    int narrow;
    int arcs;
    double firstX, firstY; // where the figure's first grey line starts at the top of a sheet
    double dX, dY, thetaX, thetaY;
};

// A mark stands at its place in the figure, or steps just clear of the lines it
// names: up, down or aside by less than a row.
void expect_mark_near(const ReportCanvas& k, const RecordedText& mark, Point place) {
    const double row = mark.box.height() + kClearanceMm * k.scale;
    EXPECT_LE(std::abs(mark.at.x - place.x), row + 1) << mark.text;
    EXPECT_LE(std::abs(mark.at.y - place.y), row + 1) << mark.text;
}

// Every grey line of the figure keeps the figures' air from every text of its
// sheet, from the edge of its pen.
void expect_clear_of_texts(const DetailRender& r, const ReportCanvas& k, int page) {
    for (const RecordedLine* l : r.grey_lines())
        for (const RecordedText& t : r.f.surface.texts()) {
            if (t.page != page) continue;
            EXPECT_FALSE(segment_crosses({l->from, l->to, LineRole::figure}, t.box,
                                         -(kClearanceMm * k.scale + l->pen.width / 2.0)))
                << t.text;
        }
}

// Where the snow part follows the wind part, the figure stands beside the snow
// title rather than at the top of the sheet, in the wind conditions; the figure
// keeps its shape and stays clear of every text.
TEST(RoofFigure, DrawnOnPaperAfterAnExaminedCheckBesideTheSnowTitle) {
    const FigureCase cases[] = {
        {3, 0, 3, 4, 0, 142, 31, 162, 43, 158, 29}, {4, 0, 4, 4, 0, 142, 32, 152, 43, 152, 27},
        {5, 0, 2, 5, 1, 141, 42, 150, 43, 154, 24}, {6, 0, 3, 4, 0, 142, 25, 158, 40, 151, 26},
        {6, 1, 3, 4, 0, 142, 19, 158, 40, 149, 26},
    };
    for (const FigureCase& c : cases) {
        DetailRender r(kPrinterOutput, roof(c.roofType, c.shape));
        SCOPED_TRACE(std::to_string(c.roofType) + "/" + std::to_string(c.shape));
        const ReportCanvas& k = r.f.canvas;
        const RecordedText& title = r.text("積 雪 荷 重 計 算");
        int wide = 0;
        int narrow = 0;
        for (const RecordedLine* l : r.grey_lines()) {
            EXPECT_EQ(l->page, title.page);
            wide += l->pen.width == 30;
            narrow += l->pen.width == 7;
        }
        expect_clear_of_texts(r, k, title.page);
        EXPECT_EQ(wide, c.wide);
        EXPECT_EQ(narrow, c.narrow);
        EXPECT_EQ(static_cast<int>(r.f.surface.arcs().size()), c.arcs);
        ASSERT_FALSE(r.grey_lines().empty());
        // The figure, lowered as a whole, stands no higher than the title; its
        // marks keep their places in it.
        const RecordedLine& first = *r.grey_lines().front();
        EXPECT_EQ(first.from.x, mm_to_px(k, c.firstX));
        const int lowered = first.from.y - mm_to_px(k, c.firstY);
        EXPECT_GE(lowered, title.box.top - mm_to_px(k, 19.0));
        const RecordedText* d = r.exactly("Ｄ");
        const RecordedText* theta = r.exactly("θ");
        ASSERT_TRUE(d && theta);
        expect_mark_near(k, *d, {mm_to_px(k, c.dX), mm_to_px(k, c.dY) + lowered});
        expect_mark_near(k, *theta, {mm_to_px(k, c.thetaX), mm_to_px(k, c.thetaY) + lowered});
        EXPECT_EQ(d->page, title.page);
        EXPECT_GT(d->order, r.text("積雪荷重Ｗs＝ ").order);
        EXPECT_EQ(r.f.surface.pen().color, k.textColor);
        EXPECT_EQ(r.f.surface.pen().width, 7);
    }
}

TEST(RoofFigure, StandsAtTheTopOfASheetOfItsOwn) {
    // A canopy below Zb with a cantilever leaves no room for the snow part.
    DesignOptions o = below_zb(6);
    o.leftCantilever = 450;
    DetailRender r(kPrinterOutput, o);
    const ReportCanvas& k = r.f.canvas;
    const RecordedText& title = r.text("積 雪 荷 重 計 算");
    ASSERT_EQ(title.page, r.text("風 荷 重 計 算").page + 1);
    ASSERT_FALSE(r.grey_lines().empty());
    // At the top, or a little lower where a line of the part reaches into it.
    const Point first = r.grey_lines().front()->from;
    EXPECT_EQ(first.x, mm_to_px(k, 142));
    const int lowered = first.y - mm_to_px(k, 25);
    EXPECT_GE(lowered, 0);
    EXPECT_LE(lowered, mm_to_px(k, 5.0));
    const RecordedText* d = r.exactly("Ｄ");
    ASSERT_NE(d, nullptr);
    expect_mark_near(k, *d, {mm_to_px(k, 158), mm_to_px(k, 40) + lowered});
    expect_clear_of_texts(r, k, title.page);
}

// A long line of the sheet that reaches into the figure's column: the figure
// stands lower, just clear of it.
TEST(RoofFigure, StandsLowerWhereALongLineReachesIntoItsColumn) {
    const auto design = testing::calculate_design(roof(6, 0));
    testing::CanvasFixture f(kPrinterOutput);
    f.surface.set_pen_color(0);
    text_at_mm(f.canvas, 60, 20, std::string(50, '8')); // to about 150 mm
    const Box line = f.surface.texts().back().box;
    draw_roof_figure(f.canvas, design->inputs);

    const ReportCanvas& k = f.canvas;
    std::vector<const RecordedLine*> figure;
    for (const RecordedLine& l : f.surface.lines())
        if (l.pen.color == kGrey) figure.push_back(&l);
    ASSERT_FALSE(figure.empty());
    // The canopy's ridge line starts at (142, 25) at the top of a sheet.
    const int lowered = figure.front()->from.y - mm_to_px(k, 25);
    EXPECT_GT(lowered, 0);
    EXPECT_LE(lowered, line.height() + mm_to_px(k, 2.0));
    for (const RecordedLine* l : figure)
        EXPECT_FALSE(segment_crosses({l->from, l->to, LineRole::figure}, line,
                                     -(kClearanceMm * k.scale + l->pen.width / 2.0)));
}

TEST(RoofFigure, MonoPitchLinesRunBetweenTheGivenPoints) {
    DetailRender r(kPrinterOutput, {});
    const ReportCanvas& k = r.f.canvas;
    const auto lines = r.grey_lines();
    ASSERT_EQ(lines.size(), 7u);
    // The figure as drawn at the top of a sheet, lowered as a whole.
    const int dy = lines[0]->from.y - mm_to_px(k, 31);
    const auto px = [&](double x, double y) { return Point{mm_to_px(k, x), mm_to_px(k, y) + dy}; };
    const auto near = [](Point a, Point b) {
        return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1;
    };
    EXPECT_TRUE(near(lines[0]->to, px(185, 23)));
    EXPECT_TRUE(near(lines[2]->from, px(185, 42)));
    EXPECT_TRUE(near(lines[3]->from, px(142, 44)));
    EXPECT_TRUE(near(lines[5]->to, px(185, 44)));
    EXPECT_TRUE(near(lines[6]->from, px(145, 31)));
    EXPECT_TRUE(near(lines[6]->to, px(157, 31)));
}

TEST(RoofFigure, LeftOutWhenTheCheckWasNotExamined) {
    for (const DesignOptions& o : {depth(14), heavy_snow()}) {
        DetailRender r(kPrinterOutput, o);
        EXPECT_TRUE(r.grey_lines().empty());
        EXPECT_TRUE(r.f.surface.arcs().empty());
        EXPECT_EQ(r.exactly("Ｄ"), nullptr);
    }
}

} // namespace
} // namespace korvex::report
