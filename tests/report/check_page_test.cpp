#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/text_encoding.h"
#include "report/check_page.h"
#include "report/design_page.h"
#include "report/label_layout.h"
#include "report/primitives.h"
#include "tests/support/canvas.h"
#include "tests/support/designs.h"

namespace korvex::report {
namespace {

using testing::CalculatedDesign;
using testing::CanvasFixture;
using testing::DesignOptions;

constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kGrey = rgb(102, 102, 102);
constexpr int kStartRow = 41;

// Check pages of a real design, drawn where page 1 leaves the canvas, from
// section row 41 and line count 1.
struct CheckPages {
    std::unique_ptr<CalculatedDesign> sample;
    CanvasFixture f;

    CheckPages(const DesignOptions& options, int mode, ReportDocument document = {})
        : sample(testing::calculate_design(options)), f(mode, std::move(document)) {
        draw_design_data_page(f.canvas, sample->report_data());
        f.canvas.sectionRow = kStartRow;
        f.canvas.lineCount = 1;
        f.surface.clear();
    }

    const run::CheckPage& page(int k) const {
        return sample->run.checkPages.at(static_cast<std::size_t>(k));
    }
    int page_count() const { return static_cast<int>(sample->run.checkPages.size()); }

    // Draws page k alone on a fresh recording, from the start row.
    CheckPages& draw(int k) {
        f.surface.clear();
        f.canvas.sectionRow = kStartRow;
        f.canvas.lineCount = 1;
        draw_check_page(f.canvas, sample->report_data(), page(k));
        return *this;
    }

    const std::vector<RecordedText>& texts() const { return f.surface.texts(); }
    const RecordedText& at(int i) const { return texts().at(static_cast<std::size_t>(i)); }

    int find(std::string_view prefix, int from = 0) const {
        return testing::find_text(texts(), prefix, from);
    }
    int find_exact(std::string_view text, int from = 0) const {
        return testing::find_exact(texts(), text, from);
    }
    bool has(std::string_view prefix) const { return find(prefix) >= 0; }

    int y_of_row(int row) const { return mm_to_px(f.canvas, row) + f.canvas.topOffset; }
    int x_of_col(int col) const { return mm_to_px(f.canvas, col) + f.canvas.leftMargin; }

    // Text i and the texts after it on its row up to an exponent or a mark: a
    // check line as it reads.
    std::string line_text(int i) const {
        std::string line = at(i).text;
        for (const RecordedText* t : rest_of_row(i)) {
            if (t->font.size < at(i).font.size || t->text == "---------- ") break;
            line += t->text;
        }
        return line;
    }
    int find_line(std::string_view text) const {
        for (int i = 0; i < static_cast<int>(texts().size()); ++i)
            if (line_text(i) == text) return i;
        return -1;
    }

    // The texts drawn after text i on its line, exponents and subscripts
    // included: everything up to a text more than 2 mm higher or lower.
    std::vector<const RecordedText*> rest_of_row(int i) const {
        return testing::rest_of_row(texts(), i, mm_to_px(f.canvas, 2));
    }
};

DesignOptions design(int spans, int length) {
    DesignOptions o;
    o.spanCount = spans;
    o.spanLength = length;
    return o;
}

// One span long enough to fail in bending and deflection under snow.
DesignOptions failing_design() {
    DesignOptions o = design(1, 4500);
    o.snowDepth = 100;
    return o;
}

DesignOptions cantilever_design() {
    DesignOptions o = design(3, 1820);
    o.leftCantilever = 600;
    o.rightCantilever = 450;
    return o;
}

DesignOptions heavy_cantilever_design() {
    DesignOptions o = design(1, 1820);
    o.heavySnow = true;
    o.leftCantilever = 600;
    return o;
}

TEST(CheckPage, RowsAdvanceByThePageLineHeight) {
    struct Row {
        const char* text;
        int row;
    };
    struct Case {
        const char* name;
        DesignOptions options;
        int mode;
        int page;
        std::vector<Row> rows;
        int finalRow;
        int lineCount;
        double lineHeight;
    };
    // Screen lines are 5 mm, the table steps 4 mm; on paper the table and all
    // lines after it step 4 mm and 3.5 mm. Half-line advances truncate. (The
    // screen's lower table rows give way to the tall desktop font, below.)
    const Case cases[] = {
        {"screen",
         DesignOptions{},
         kScreenOutput,
         0,
         {{"■長期", 41},
          {"等分布荷重合計Ｗ", 46},
          {"応力分布[M：", 51},
          {"Ｍ", 56},
          {"耐力検討", 74},
          {"最大曲げモーメントMmax", 79},
          {"σ= Mmax/Z", 84},
          {"最大たわみδmax", 89}},
         96,
         14,
         5.0},
        {"paper",
         DesignOptions{},
         kPrinterOutput,
         0,
         {{"■長期", 41},
          {"等分布荷重合計Ｗ", 46},
          {"応力分布[M：", 51},
          {"Ｍ", 55},
          {"δ", 67},
          {"耐力検討", 71},
          {"最大曲げモーメントMmax", 75},
          {"σ= Mmax/Z", 79},
          {"最大たわみδmax", 83}},
         89,
         14,
         4.0},
        {"suction with cantilever and uplift",
         heavy_cantilever_design(),
         kScreenOutput,
         3,
         {{"単純梁-耐力検討", 82},
          {"接合部（引張反力のみチェック）", 102},
          {"端　部：", 107},
          {"はね出し部-耐力検討", 114},
          {"接合部V = ", 134}},
         141,
         21,
         5.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CheckPages p(c.options, c.mode);
        p.draw(c.page);
        for (const Row& row : c.rows) {
            const int i = p.find(row.text);
            ASSERT_GE(i, 0) << row.text;
            EXPECT_EQ(p.at(i).at.y, p.y_of_row(row.row)) << row.text;
        }
        EXPECT_EQ(p.f.canvas.sectionRow, c.finalRow);
        EXPECT_EQ(p.f.canvas.lineCount, c.lineCount);
        EXPECT_DOUBLE_EQ(p.f.canvas.pageLineHeight, c.lineHeight);
    }
}

TEST(CheckPage, TableRowsStandClearOfTheRowAbove) {
    // The screen's 4 mm table rows are lower than its desktop font is tall: a row
    // moves down just clear of the row above it, a paper row keeps its place.
    struct Case {
        int mode;
        std::vector<int> rows; // Ｍ1, Ｍ0, δ, Ｑ as stated
    };
    const Case cases[] = {{kScreenOutput, {56, 64, 68, 72}}, {kPrinterOutput, {55, 62, 67, 72}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        CheckPages p(heavy_cantilever_design(), c.mode);
        p.draw(3);
        const double hairline = kHairlineMm * p.f.canvas.scale;
        const double air = 2 * kClearanceMm * p.f.canvas.scale;
        std::vector<int> labels{p.find_exact("Ｍ")};
        for (const char* label : {"Ｍ", "δ", "Ｑ"})
            labels.push_back(p.find_exact(label, labels.back() + 1));
        ASSERT_EQ(std::count(labels.begin(), labels.end(), -1), 0);
        for (std::size_t k = 0; k < labels.size(); ++k) {
            const RecordedText& label = p.at(labels[k]);
            const int stated = p.y_of_row(c.rows[k]);
            if (k == 0 || c.mode == kPrinterOutput) {
                EXPECT_EQ(label.at.y, stated) << label.text;
                continue;
            }
            double above = 0.0;
            for (int i = labels[k - 1]; i < labels[k]; ++i)
                above = std::max(above, p.at(i).box.bottom);
            EXPECT_GE(label.box.top, above - hairline) << label.text;
            EXPECT_LE(label.box.top, std::max<double>(stated, above + air)) << label.text;
        }
    }
}

TEST(CheckPage, HeadingStatesTheCaseAndItsTotalLoad) {
    CheckPages p(DesignOptions{}, kScreenOutput);
    p.draw(1);
    const int title = p.find("■");
    ASSERT_GE(title, 0);
    EXPECT_EQ(p.at(title).text, "■" + p.page(1).label + "の検討");
    EXPECT_EQ(p.at(title).at.x, p.x_of_col(-1));
    const int total = p.find_exact("等分布荷重合計Ｗ");
    ASSERT_GE(total, 0);
    EXPECT_EQ(p.at(total).at.x, p.x_of_col(14));
    EXPECT_EQ(p.at(total + 1).text, p.page(1).caseText);
    EXPECT_EQ(p.at(total + 1).font.size, 7);
    EXPECT_GT(p.at(total + 1).at.y, p.at(total).at.y) << "a subscript";
    EXPECT_EQ(p.at(total + 2).text, " = 827 N/㎡");
    EXPECT_EQ(p.at(total + 2).at.y, p.at(total).at.y);
}

TEST(CheckPage, CheckLinesShowValueComparisonAllowanceAndMark) {
    struct Case {
        bool failing;
        int page;
        const char* line;
        bool ok;
    };
    const Case cases[] = {
        {false, 0, "σ= Mmax/Z = 177,343/26,300 = 6.7 < F/1.5 = 136N/㎜", true},
        {false, 1, "σ= Mmax/Z = 646,093/26,300 = 24.5 < F = 205N/㎜", true},
        {false, 0, "最大たわみδmax = 0.35 < L/250 = 10.0㎜", true},
        {false, 0, "最大曲げモーメントMmax = 177,343N・㎜", true},
        {true, 1, "σ= Mmax/Z = 5,637,094/26,300 = 214.3 > F = 205N/㎜", false},
        {true, 1, "最大たわみδmax = 87.48 > L/180 = 25.0㎜", false},
    };
    for (int mode : {kScreenOutput, kPrinterOutput}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.line) + (mode == kScreenOutput ? " screen" : " paper"));
            CheckPages p(c.failing ? failing_design() : DesignOptions{}, mode);
            p.draw(c.page);
            const int i = p.find_line(c.line);
            ASSERT_GE(i, 0);
            EXPECT_EQ(p.at(i).at.x, p.x_of_col(14));
            const auto row = p.rest_of_row(i);
            if (std::string_view(c.line).starts_with("最大曲げ")) {
                EXPECT_TRUE(row.empty()) << "the moment line has no mark";
                continue;
            }
            ASSERT_GE(row.size(), 2u);
            if (std::string_view(c.line).starts_with("σ")) {
                EXPECT_EQ(row[1]->text, "2");
                EXPECT_EQ(row[1]->font.size, 6);
            }
            const RecordedText& dashes = *row[row.size() - 2];
            const RecordedText& mark = *row.back();
            EXPECT_EQ(dashes.text, "---------- ");
            EXPECT_EQ(dashes.at.x, p.x_of_col(mode == kScreenOutput ? 159 : 149));
            EXPECT_EQ(mark.text, c.ok ? "OK" : "NG");
            const bool red = !c.ok && mode == kScreenOutput;
            EXPECT_EQ(mark.font.color, red ? kRed : 0u);
            EXPECT_EQ(mark.font.bold, red);
        }
    }
}

TEST(CheckPage, MarkAfterAnNgReturnsToTheTextColour) {
    CheckPages p(failing_design(), kScreenOutput);
    p.draw(3);
    const auto& page = p.page(3);
    ASSERT_GE(page.lines.size(), 3u);
    ASSERT_FALSE(page.lines[1].ok) << "the deflection fails";
    ASSERT_TRUE(page.lines[2].ok) << "the joint holds";
    std::vector<const RecordedText*> marks;
    for (const RecordedText& t : p.texts())
        if (t.text == "OK" || t.text == "NG") marks.push_back(&t);
    ASSERT_EQ(marks.size(), page.lines.size());
    for (std::size_t i = 0; i < marks.size(); ++i) {
        EXPECT_EQ(marks[i]->text, page.lines[i].ok ? "OK" : "NG");
        EXPECT_EQ(marks[i]->font.bold, !page.lines[i].ok);
    }
    EXPECT_EQ(p.f.surface.font().color, 0u);
    EXPECT_FALSE(p.f.surface.font().bold);
}

TEST(CheckPage, JointLinesOnlyWithUplift) {
    int with_uplift = 0;
    int without = 0;
    for (const DesignOptions& o : {DesignOptions{}, design(1, 1820), heavy_cantilever_design()}) {
        CheckPages p(o, kScreenOutput);
        for (int k = 0; k < p.page_count(); ++k) {
            SCOPED_TRACE(p.page(k).label);
            p.draw(k);
            const run::CheckPage& page = p.page(k);
            const bool v1 = page.reactionV1 < 0;
            const bool v2 = page.reactionV2 < 0;
            (v1 || v2 ? with_uplift : without) += 1;
            EXPECT_EQ(p.has("接合部（引張反力のみチェック）"), v1 || v2);
            EXPECT_EQ(p.has("V1 = "), v1);
            EXPECT_EQ(p.has("V2 = "), v2);
            if (v1) {
                const RecordedText& place = p.at(p.find("端　部："));
                const RecordedText& value = p.at(p.find("V1 = "));
                EXPECT_EQ(place.at.x, p.x_of_col(14));
                EXPECT_EQ(value.at.x, p.x_of_col(29));
                EXPECT_EQ(value.at.y, place.at.y);
            }
        }
    }
    EXPECT_GT(with_uplift, 0);
    EXPECT_GT(without, 0);

    CheckPages p(DesignOptions{}, kScreenOutput);
    p.draw(3);
    EXPECT_EQ(p.at(p.find("V1 = ")).text,
              "V1 = 1,616 < 1000/ﾃﾞｯｷ幅600×3ヶ所×1600×1.5 = 12,000.0N/m");
    EXPECT_EQ(p.at(p.find("V2 = ")).text,
              "V2 = 5,387 < 1000/ﾃﾞｯｷ幅600×3ヶ所×1600×1.5 = 12,000.0N/m");
    EXPECT_EQ(p.at(p.find("中間部：")).at.y, p.at(p.find("V2 = ")).at.y);
}

TEST(CheckPage, CantileverSection) {
    CheckPages p(cantilever_design(), kScreenOutput);
    for (int k = 0; k < p.page_count(); ++k) {
        const run::CheckPage& page = p.page(k);
        SCOPED_TRACE(page.label);
        p.draw(k);
        EXPECT_TRUE(p.has("連続梁-耐力検討"));
        EXPECT_EQ(p.find_exact("耐力検討"), -1);
        const bool wall = page.windPass == calc::WindPass::negative;
        EXPECT_GE(
            p.find_exact(wall ? "はね出し部-耐力検討 [壁面正圧を考慮]" : "はね出し部-耐力検討"), 0);
        EXPECT_EQ(p.has("接合部V = "), page.reactionV1 < 0);
        const int m = p.find("曲げモーメントM = ");
        ASSERT_GE(m, 0);
        EXPECT_EQ(p.at(m).at.x, p.x_of_col(14));
    }

    p.draw(0);
    EXPECT_GE(p.find_exact("曲げモーメントM = 40,860N・㎜"), 0);
    const int sigma = p.find_line("σ= M/Z = 40,860/26,300 = 1.55 < F/1.5 = 136N/㎜");
    ASSERT_GE(sigma, 0);
    EXPECT_EQ(p.rest_of_row(sigma).back()->text, "OK");
    EXPECT_GE(p.find_exact("たわみδ = 0.03 <  L/250 =  2.4㎜"), 0);

    // Loads entered directly: the wall pressure is not part of the suction case.
    DesignOptions direct = cantilever_design();
    direct.directLoads = true;
    CheckPages d(direct, kScreenOutput);
    ASSERT_EQ(d.page(3).windPass, calc::WindPass::negative);
    d.draw(3);
    EXPECT_GE(d.find_exact("はね出し部-耐力検討"), 0);
    EXPECT_FALSE(d.has("はね出し部-耐力検討 ["));
}

TEST(CheckPage, SideMessageNamesTheGoverningCantilever) {
    struct Case {
        int left;
        int right;
        const char* message;
    };
    const Case cases[] = {
        {1000, 500, "  応力がより大きい 左側はね出し部について検討を行う。"},
        {500, 1000, "  応力がより大きい 右側はね出し部について検討を行う。"},
    };
    for (const Case& c : cases) {
        DesignOptions o = design(2, 1820);
        o.heavySnow = true;
        o.leftCantilever = c.left;
        o.rightCantilever = c.right;
        CheckPages p(o, kScreenOutput);
        p.draw(0);
        ASSERT_EQ(p.page(0).cantilever.sideMessage, c.message);
        const int heading = p.find("はね出し部-耐力検討");
        ASSERT_GE(heading, 0);
        const RecordedText& message = p.at(heading + 1);
        EXPECT_EQ(message.text, c.message);
        EXPECT_EQ(message.at.x, p.x_of_col(4));
        EXPECT_GT(message.at.y, p.at(heading).at.y);
        EXPECT_LT(message.at.y, p.at(p.find("曲げモーメントM = ")).at.y);
    }

    // Equal moments: the left side is examined without a message.
    CheckPages both(cantilever_design(), kScreenOutput);
    ASSERT_TRUE(both.page(0).cantilever.sideMessage.empty());
    both.draw(0);
    EXPECT_FALSE(both.has("  応力がより大きい"));
}

TEST(CheckPage, RightCantileverJointShowsZero) {
    DesignOptions o = design(4, 900);
    o.directLoads = true;
    o.rightCantilever = 450;
    CheckPages p(o, kScreenOutput);
    ASSERT_LT(p.page(3).reactionV1, 0.0);
    p.draw(3);
    EXPECT_GE(p.find_exact("接合部V = 0.0 < 1000/ﾃﾞｯｷ幅600×3ヶ所×1600×1.5 = 12,000.0N/m"), 0);
}

TEST(CheckPage, ShearRowOnlyInSuctionCases) {
    for (const DesignOptions& o : {DesignOptions{}, heavy_cantilever_design()}) {
        CheckPages p(o, kScreenOutput);
        for (int k = 0; k < p.page_count(); ++k) {
            const run::CheckPage& page = p.page(k);
            SCOPED_TRACE(page.label);
            p.draw(k);
            const bool suction = page.windPass == calc::WindPass::negative;
            EXPECT_GE(
                p.find_exact(suction ? "応力分布[M：kN･m/δ：mm/Q：kN]" : "応力分布[M：kN･m/δ：mm]"),
                0);
            const int q = p.find_exact("Ｑ");
            EXPECT_EQ(q >= 0, suction);
            if (q < 0) continue;
            EXPECT_EQ(p.at(q).at.x, p.x_of_col(20));
            EXPECT_EQ(static_cast<int>(p.rest_of_row(q).size()), page.model.n + 1);
        }
    }

    // The force on the left cantilever, -149 N/m2 over 600 mm = -89.4 N, reads
    // in kN like the shears beside it.
    CheckPages p(heavy_cantilever_design(), kScreenOutput);
    ASSERT_DOUBLE_EQ(p.page(3).wTotal, -149.0);
    p.draw(3);
    const int q = p.find_exact("Ｑ");
    ASSERT_GE(q, 0);
    EXPECT_TRUE(p.rest_of_row(q).front()->text.starts_with("-0.08/"))
        << p.rest_of_row(q).front()->text;
}

// Texts of the table row labelled `label` (label and subscript excluded).
std::vector<std::string> row_values(const CheckPages& p, std::string_view label,
                                    std::string_view subscript) {
    for (int i = 0; i + 1 < static_cast<int>(p.texts().size()); ++i) {
        if (p.at(i).text != label || p.at(i + 1).text != subscript) continue;
        std::vector<std::string> values;
        for (int j = i + 2; j < static_cast<int>(p.texts().size()) && p.at(j).at.y == p.at(i).at.y;
             ++j)
            values.push_back(p.at(j).text);
        return values;
    }
    return {};
}

TEST(CheckPage, TableValuesSitAtTheirSpansAndSupports) {
    using Values = std::vector<std::string>;
    CheckPages plain(DesignOptions{}, kScreenOutput);
    plain.draw(0);
    EXPECT_EQ(row_values(plain, "Ｍ", "1"), (Values{"0.099", "0.099"}));
    EXPECT_EQ(row_values(plain, "Ｍ", "0"), (Values{"0.000", "0.177/0.177", "0.000"}));

    // Cantilever roots join the first and last support, the tips close the
    // deflection row.
    CheckPages cantilevers(cantilever_design(), kScreenOutput);
    cantilevers.draw(0);
    EXPECT_EQ(row_values(cantilevers, "Ｍ", "0"),
              (Values{"0.040/0.040", "0.065/0.065", "0.071/0.071", "0.022/0.022"}));
    const int delta = cantilevers.find_exact("δ");
    ASSERT_GE(delta, 0);
    std::vector<std::string> deflections;
    for (const RecordedText* t : cantilevers.rest_of_row(delta)) deflections.push_back(t->text);
    EXPECT_EQ(deflections, (Values{"0.02", "0.07", "0.02", "0.09", "0.00"}));

    // Centred on the schematic: supports every 25 mm from 55 mm (after the 10 mm
    // cantilever), the tip at 45 mm.
    // The recording surface gives an 8-point text 5.5 px per byte.
    const double S = cantilevers.f.canvas.scale;
    const auto centre = [&](const RecordedText& t) {
        return t.at.x + static_cast<double>(common::cp932_byte_length(t.text)) * 5.5 / 2;
    };
    const int first = cantilevers.find_exact("0.040/0.040");
    ASSERT_GE(first, 0);
    auto supports = cantilevers.rest_of_row(first);
    supports.insert(supports.begin(), &cantilevers.at(first));
    ASSERT_EQ(supports.size(), 4u);
    for (std::size_t j = 0; j < supports.size(); ++j) {
        Font f = supports[j]->font;
        EXPECT_EQ(f.size, 8) << "table values are a point smaller on screen";
        EXPECT_NEAR(centre(*supports[j]), (55 + 25 * static_cast<double>(j)) * S, 3.0);
    }
    EXPECT_NEAR(centre(*cantilevers.rest_of_row(delta).front()), 45 * S, 3.0);
}

// The texts of a table row, from its label on, in the order they were drawn.
std::vector<const RecordedText*> row_texts(const CheckPages& p, std::string_view label,
                                           std::string_view subscript) {
    for (int i = 0; i + 1 < static_cast<int>(p.texts().size()); ++i) {
        if (p.at(i).text != label || p.at(i + 1).text != subscript) continue;
        std::vector<const RecordedText*> row;
        for (int j = i + 2; j < static_cast<int>(p.texts().size()) && p.at(j).at.y == p.at(i).at.y;
             ++j)
            row.push_back(&p.at(j));
        return row;
    }
    return {};
}

// The beam stands where the page above leaves it, or lower, just clear under
// the span moments where the device's font reaches down to it; the support
// moments under it keep clear of its supports.
TEST(CheckPage, SchematicBeamFollowsThePageAboveClearOfItsValues) {
    struct Case {
        const char* name;
        int mode;
        DesignOptions options;
        PrintSettings settings;
        int sheet;
        double beamMm; // from the surface top
        int beamWidth;
        int supportWidth;
    };
    PrintSettings subject_top;
    subject_top.subject = "倉庫";
    subject_top.pageNumberPosition = report::PageNumberPosition::topCentre;
    PrintSettings subject_bottom = subject_top;
    subject_bottom.pageNumberPosition = report::PageNumberPosition::bottomCentre;
    DesignOptions direct;
    direct.directLoads = true;
    DesignOptions cantilever = design(2, 2500);
    cantilever.leftCantilever = 600;
    // R, the first table row, is 56 mm on screen and 55 mm on paper.
    const Case cases[] = {
        {"screen", kScreenOutput, DesignOptions{}, {}, 0, 56 + 53, 3, 0},
        {"screen cantilever", kScreenOutput, cantilever, {}, 0, 56 + 58, 3, 0},
        {"screen direct", kScreenOutput, direct, {}, 0, 56 + 50, 3, 0},
        {"paper", kPrinterOutput, DesignOptions{}, {}, 1, 55 + 50, 12, 4},
        {"paper cantilever", kPrinterOutput, cantilever, {}, 1, 55 + 53, 12, 4},
        {"paper subject, top number", kPrinterOutput, DesignOptions{}, subject_top, 1, 55 + 55.5,
         12, 4},
        {"paper subject, bottom number", kPrinterOutput, DesignOptions{}, subject_bottom, 1,
         55 + 55, 12, 4},
        {"paper second sheet", kPrinterOutput, DesignOptions{}, subject_top, 2, 55 + 16, 12, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CheckPages p(c.options, c.mode, {c.settings, "", ""});
        p.f.canvas.sheetIndex = c.sheet;
        // A later sheet starts its rows 12 mm from its top.
        if (c.sheet >= 2) p.f.canvas.topOffset = mm_to_px(p.f.canvas, 12);
        p.draw(0);
        const auto& lines = p.f.surface.lines();
        ASSERT_FALSE(lines.empty());
        const RecordedLine& beam = lines[0];
        const int y = beam.from.y;
        const int stated = mm_to_px(p.f.canvas, c.beamMm);
        EXPECT_GE(y, stated);
        const double air = kClearanceMm * p.f.canvas.scale + c.beamWidth / 2.0;
        double over = 0.0;
        for (const RecordedText* t : row_texts(p, "Ｍ", "1")) over = std::max(over, t->box.bottom);
        EXPECT_GE(y - over, air) << "the span moments keep clear of the beam";
        if (y > stated) {
            EXPECT_LE(y - over, air + 3) << "and it stands just under them";
        }

        EXPECT_EQ(beam.from.x, mm_to_px(p.f.canvas, 45));
        const double end = c.options.leftCantilever != 0 ? 105 : 95;
        EXPECT_EQ(beam.to, (Point{mm_to_px(p.f.canvas, end), y}));
        EXPECT_EQ(beam.pen.color, kGrey);
        EXPECT_EQ(beam.pen.width, c.beamWidth);
        // A triangle of three lines at each of the three supports, in black.
        ASSERT_EQ(lines.size(), 1u + 3 * 3);
        int feet = y;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].pen.color, 0u);
            EXPECT_EQ(lines[i].pen.width, c.supportWidth);
            feet = std::max({feet, lines[i].from.y, lines[i].to.y});
        }
        EXPECT_EQ(lines[1].from.y, y) << "the support's apex on the beam";
        for (const RecordedText* t : row_texts(p, "Ｍ", "0"))
            EXPECT_GE(t->box.top - feet, kClearanceMm * p.f.canvas.scale) << t->text;
    }
}

} // namespace
} // namespace korvex::report
