#include <gtest/gtest.h>

#include <fstream>

#include "form/calculate.h"
#include "form/control_events.h"
#include "form/initialise.h"
#include "form/layout.h"
#include "form/project_commands.h"
#include "form/project_lines.h"
#include "form/roof.h"
#include "form/site_selection.h"
#include "form/snow.h"
#include "form/spans.h"
#include "form/spin_edits.h"
#include "tests/site/site_fixture.h"

namespace korvex::form {
namespace {

namespace fs = std::filesystem;

class ProjectLinesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write_fixture();
        start(session);
    }

    void start(Session& s) {
        const auto error = initialise_form(s.form, s.siteTables, folder.path(), "1.0");
        ASSERT_FALSE(error) << error->message;
        persist::show_settings(s.coefficientDialog, s.coefficients);
    }

    fs::path file(const std::string& name) const { return folder.path() / name; }

    void write_lines(const std::string& name, const persist::ProjectLines& lines) const {
        ASSERT_EQ(persist::write_project_file(file(name), lines), "");
    }

    // A design that touches every group of lines.
    void dress(Session& s, int spans) {
        InputForm& f = s.form;
        f.deckTypeBox.itemIndex = 3;
        f.fastenerBox.itemIndex = 1;
        f.prefectureBox.itemIndex = 1; // 青森県
        select_prefecture(f, s.siteTables);
        f.areaBox.itemIndex = 1;
        select_area(f, s.siteTables);
        f.roughnessBox.itemIndex = 2;
        f.eaveHeightEdit.text = "8000";
        f.spanDirectionLengthEdit.text = "18000";
        select_roof_type(f, calc::RoofType::arc);
        select_building_form(f, calc::BuildingForm::leewardOpen);
        set_spin_value(f, f.otherDeadLoadSpin, 250);
        set_spin_value(f, f.liveLoadSpin, 500);
        for (int n = 2; n <= spans; ++n) {
            set_spin_value(f, f.spanCountSpin, n);
            span_edit(f, n).text = std::to_string(2000 + 100 * n);
        }
        f.cantileverBox.itemIndex = 1;
        update_spans(f);
        f.cantileverLengthEdit.text = "650";
        f.surfaceTreatmentBox.itemIndex = 2;
        f.deckUnitWeightEdit.text = "133.5";
        s.printSettings.subject = "倉庫 新築工事 \"A棟\"";
        persist::click_position(s.printDialog, s.printSettings,
                                report::PageNumberPosition::bottomCentre);
        s.printDialog.numberFormatBox = 1;
        s.printDialog.startNumberSpin = 5;
        s.coefficients.comboRatio[0][9] = 0.35;
        s.coefficients.designStrength = 235;
        set_spin_value(f, f.directWindNegativeSpin, 1800);
    }

    korvex::testing::DataFolder folder;
    Session session;
};

TEST_F(ProjectLinesTest, SaveLoadSaveGivesTheSameBytes) {
    for (int spans = 1; spans <= 4; ++spans) {
        for (int layout : {0, 1}) {
            Session original;
            start(original);
            dress(original, spans);
            if (layout == 1) apply_layout(original.form, calc::LayoutMode::directLoads);
            const std::string name = "p" + std::to_string(spans) + std::to_string(layout);
            ASSERT_EQ(save_project(original, file(name + "a.kvxw")), "");

            Session loaded;
            start(loaded);
            const LoadOutcome outcome = load_project(loaded, file(name + "a.kvxw"));
            EXPECT_TRUE(outcome.applied);
            EXPECT_FALSE(outcome.failed);
            EXPECT_TRUE(outcome.messages.empty()) << outcome.messages.front();
            ASSERT_EQ(save_project(loaded, file(name + "b.kvxw")), "");

            std::ifstream a(file(name + "a.kvxw"), std::ios::binary);
            std::ifstream b(file(name + "b.kvxw"), std::ios::binary);
            const std::string bytes_a{std::istreambuf_iterator<char>(a), {}};
            const std::string bytes_b{std::istreambuf_iterator<char>(b), {}};
            EXPECT_EQ(bytes_a, bytes_b) << spans << " spans, layout " << layout;
            EXPECT_EQ(loaded.form.spanCountSpin.value, spans);
            EXPECT_EQ(loaded.form.span4Edit.visible, spans == 4);
            EXPECT_EQ(loaded.form.height, layout == 1 ? 375 : 575);
        }
    }
}

TEST_F(ProjectLinesTest, OneSpanWritesZerosAndTheCantileverLineFollowsTheList) {
    const persist::ProjectLines lines = collect_project_lines(session);
    ASSERT_EQ(lines.size(), 65u);
    EXPECT_EQ(lines[0], "korvex for wood");
    EXPECT_EQ(lines[25], "0");
    EXPECT_EQ(lines[27], "0");
    EXPECT_EQ(lines[64], "0");
    EXPECT_EQ(lines[45], "1");
    EXPECT_EQ(lines[55], "0.35");
}

TEST_F(ProjectLinesTest, ACapitalKIsNoProject) {
    persist::ProjectLines lines = collect_project_lines(session);
    lines[0] = "Korvex for wood";
    write_lines("capital.kvxw", lines);
    const std::string caption = session.form.caption;
    const LoadOutcome outcome = load_project(session, file("capital.kvxw"));
    EXPECT_FALSE(outcome.applied);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_EQ(outcome.messages[0], persist::kNotAProjectMessage);
    EXPECT_EQ(session.form.caption, caption);
    EXPECT_TRUE(session.paths.currentFilePath.empty());
    EXPECT_EQ(session.paths.lastOpenedPath, file("capital.kvxw"));
}

TEST_F(ProjectLinesTest, ARatioThatIsNoNumberTakesItsDefaultAndLoadingGoesOn) {
    persist::ProjectLines lines = collect_project_lines(session);
    lines[40] = "abc";
    lines[41] = "0.8";   // the ordinary short-term snow W ratio
    lines[46] = "1e300"; // ratios the dialog cannot store count as no number
    lines[47] = "-0.5";
    lines[57] = "1";
    write_lines("ratio.kvxw", lines);
    const LoadOutcome outcome = load_project(session, file("ratio.kvxw"));
    EXPECT_TRUE(outcome.applied);
    EXPECT_FALSE(outcome.failed);
    ASSERT_EQ(outcome.messages.size(), 3u);
    EXPECT_NE(outcome.messages[0].find("abc"), std::string::npos);
    EXPECT_NE(outcome.messages[1].find("47 行目の荷重比率「1e300」は 0～100 の範囲にありません。"),
              std::string::npos);
    EXPECT_NE(outcome.messages[2].find("-0.5"), std::string::npos);
    EXPECT_EQ(session.coefficients.comboRatio[1][0], 1.0);
    EXPECT_EQ(session.coefficients.comboRatio[1][1], 1.0);
    EXPECT_EQ(session.coefficients.comboRatio[0][5], 1.0);
    EXPECT_EQ(session.coefficients.comboRatio[0][6], 0.8);
    EXPECT_EQ(session.coefficientDialog.ratioEdits[6], "0.8");
    EXPECT_EQ(session.form.state.layoutMode, calc::LayoutMode::directLoads);
    EXPECT_EQ(session.form.caption, "Korvex for wood [" + file("ratio.kvxw").string() + "]");
}

TEST_F(ProjectLinesTest, AShortFileStopsAtTheFirstMissingInteger) {
    write_lines("short.kvxw", {"korvex for wood", "2", "1", "0", "1", "34", "3"});
    const LoadOutcome outcome = load_project(session, file("short.kvxw"));
    EXPECT_TRUE(outcome.applied);
    EXPECT_TRUE(outcome.failed);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_NE(outcome.messages[0].find("17 行目"), std::string::npos);
    EXPECT_EQ(session.form.deckTypeBox.itemIndex, 2); // applied before the stop
    EXPECT_EQ(session.form.roughnessBox.itemIndex, 3);
    EXPECT_EQ(session.form.eaveHeightEdit.text, ""); // a text past the end is empty
    EXPECT_EQ(session.form.state.roofType, calc::RoofType::monoPitch); // an int-or-D past the end
}

TEST_F(ProjectLinesTest, ASavedTypedDepthSurvivesLoadingIntoTheFormulaMethod) {
    set_spin_value(session.form, session.form.snowDepthSpin, 200);
    set_spin_value(session.form, session.form.snowUnitWeightSpin, 40);
    ASSERT_EQ(save_project(session, file("typed.kvxw")), "");

    Session other;
    start(other);
    apply_snow_method(other.form, calc::SnowMethod::formula); // 札幌市 has its coefficients
    ASSERT_TRUE(other.form.formulaDepthRadio.checked);
    EXPECT_FALSE(load_project(other, file("typed.kvxw")).failed);
    EXPECT_EQ(other.form.snowDepthSpin.value, 200);
    EXPECT_EQ(other.form.snowUnitWeightSpin.value, 40);
    EXPECT_TRUE(other.form.typedDepthRadio.checked);
    EXPECT_TRUE(other.form.snowDepthSpin.enabled);
    EXPECT_FALSE(other.form.altitudeSpin.enabled);
}

// Typed snow coefficients travel in lines 65-69, after line 64 of every project.
TEST_F(ProjectLinesTest, TypedCoefficientsTravelInLinesSixtyFiveToSixtyNine) {
    InputForm& f = session.form;
    ASSERT_FALSE(choose_area(f, session.siteTables, 1, "弘前市 (旧岩木町)")); // no zone line
    select_snow_method(f, calc::SnowMethod::formula);
    set_spin_value(f, f.altitudeSpin, 5);
    set_spin_value(f, f.seaRatioSpin, 40);
    enter_snow_coefficient(f, f.snowCoefAlphaEdit, "0.0021");
    enter_snow_coefficient(f, f.snowCoefBetaEdit, "-1.19");
    enter_snow_coefficient(f, f.snowCoefGammaEdit, "1.160");
    enter_snow_coefficient(f, f.snowCoefRadiusEdit, "20");
    set_spin_value(f, f.snowUnitWeightSpin, 30); // the user's own rho survives loading
    ASSERT_EQ(f.snowDepthSpin.value, 69);
    const persist::ProjectLines lines = collect_project_lines(session);
    ASSERT_EQ(lines.size(), 70u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 65, lines.end()),
              (std::vector<std::string>{"1", "0.0021", "-1.19", "1.160", "20"})); // as typed
    ASSERT_EQ(save_project(session, file("typed.kvxw")), "");

    Session loaded;
    start(loaded);
    const LoadOutcome outcome = load_project(loaded, file("typed.kvxw"));
    EXPECT_FALSE(outcome.failed);
    EXPECT_TRUE(outcome.messages.empty());
    const InputForm& g = loaded.form;
    EXPECT_TRUE(g.formulaDepthRadio.checked);
    EXPECT_FALSE(g.snowDepthSpin.enabled);
    EXPECT_TRUE(g.snowCoefAlphaEdit.enabled);
    EXPECT_EQ(g.snowCoefGammaEdit.text, "1.160");
    EXPECT_EQ(g.snowDepthSpin.value, 69);
    EXPECT_EQ(g.snowUnitWeightSpin.value, 30);
    EXPECT_EQ(g.site.sources.snowCoefficients, calc::ValueSource::entered);
    ASSERT_EQ(save_project(loaded, file("again.kvxw")), "");
    std::ifstream a(file("typed.kvxw"), std::ios::binary);
    std::ifstream b(file("again.kvxw"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}),
              std::string(std::istreambuf_iterator<char>(b), {}));
    ASSERT_FALSE(calculate(loaded));
    EXPECT_EQ(loaded.inputs.snowCoefA, 0.0021);
    EXPECT_EQ(loaded.inputs.snowDepth, 69);

    // The same file without its last five lines loads as a 65-line file always
    // did: the area's tables have no coefficients, so the saved depth counts as
    // typed in.
    write_lines("cut.kvxw", persist::ProjectLines(lines.begin(), lines.begin() + 65));
    Session cut;
    start(cut);
    EXPECT_FALSE(load_project(cut, file("cut.kvxw")).failed);
    EXPECT_TRUE(cut.form.typedDepthRadio.checked);
    EXPECT_EQ(cut.form.snowDepthSpin.value, 69);
    EXPECT_EQ(cut.form.snowCoefAlphaEdit.text, "");
    EXPECT_FALSE(cut.form.site.coefficientsEntered);
    EXPECT_EQ(collect_project_lines(cut).size(), 65u);

    // A line 65 other than "1" leaves the coefficient lines unread.
    persist::ProjectLines off = lines;
    off[65] = "0";
    write_lines("off.kvxw", off);
    Session unread;
    start(unread);
    EXPECT_FALSE(load_project(unread, file("off.kvxw")).failed);
    EXPECT_EQ(unread.form.snowCoefAlphaEdit.text, "");
}

// The site's own point and a sea ratio taken from its reference come after the
// coefficient lines, which are then written too (line 65 "0": none typed).
TEST_F(ProjectLinesTest, TheSitesPointAndTheTakenSeaRatioTravelInLinesSeventyToSeventyThree) {
    folder.write_sea_fixture(KORVEX_DATA_DIR);
    Session s;
    start(s);
    change_control(s, "formulaDepthRadio", "1");
    change_control(s, "siteCoordinatesEdit", "39°04'56\"N 141°42'30\"E");
    change_control(s, "takeSeaRatioButton", "1");
    ASSERT_TRUE(s.form.site.seaRatioFromReference);
    const int taken = s.form.seaRatioSpin.value;
    const persist::ProjectLines lines = collect_project_lines(s);
    ASSERT_EQ(lines.size(), 74u);
    EXPECT_EQ(lines[65], "0");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 70, lines.end()),
              (std::vector<std::string>{"1", "39.082222", "141.708333", "1"}));
    ASSERT_EQ(save_project(s, file("point.kvxw")), "");

    Session loaded;
    start(loaded);
    ASSERT_FALSE(load_project(loaded, file("point.kvxw")).failed);
    const InputForm& g = loaded.form;
    EXPECT_EQ(g.siteCoordinatesEdit.text, "39.082222, 141.708333");
    ASSERT_TRUE(g.site.seaRatioReference);
    EXPECT_EQ(g.site.seaRatioReference->at.source, site::PointSource::entered);
    EXPECT_EQ(g.seaRatioSpin.value, taken);
    EXPECT_TRUE(g.site.seaRatioFromReference);
    EXPECT_FALSE(g.site.coefficientsEntered);
    EXPECT_EQ(collect_project_lines(loaded), lines);

    // A sea ratio changed by hand after taking it is the user's own in the file.
    persist::ProjectLines edited = lines;
    edited[17] = std::to_string(taken + 5);
    write_lines("edited.kvxw", edited);
    Session hand;
    start(hand);
    ASSERT_FALSE(load_project(hand, file("edited.kvxw")).failed);
    EXPECT_FALSE(hand.form.site.seaRatioFromReference);

    // The first 65 lines alone: no point, whatever the form held before.
    write_lines("cut.kvxw", persist::ProjectLines(lines.begin(), lines.begin() + 65));
    ASSERT_FALSE(load_project(loaded, file("cut.kvxw")).failed);
    EXPECT_EQ(loaded.form.siteCoordinatesEdit.text, "");
    EXPECT_FALSE(loaded.form.site.enteredPoint);
    EXPECT_FALSE(loaded.form.site.seaRatioFromReference);
    EXPECT_EQ(collect_project_lines(loaded).size(), 65u);
}

TEST_F(ProjectLinesTest, PrintingUsesTheLoadedStartNumber) {
    persist::ProjectLines lines = collect_project_lines(session);
    lines[29] = "22";
    lines[30] = "1";
    lines[31] = "7";
    write_lines("pages.kvxw", lines);
    load_project(session, file("pages.kvxw"));
    EXPECT_EQ(session.printSettings.startNumber, "7");
    EXPECT_EQ(session.printSettings.pageNumberPosition, report::PageNumberPosition::bottomRight);
    EXPECT_EQ(session.printDialog.checkedPosition, report::PageNumberPosition::bottomRight);
    EXPECT_TRUE(session.printDialog.contentGroupEnabled);
    EXPECT_EQ(
        persist::settings_for_printing(session.printDialog, session.printSettings).numberFormat,
        report::PageNumberFormat::dashed);
}

TEST_F(ProjectLinesTest, UnitWeightLineKeepsDecimalsAndOddTexts) {
    persist::ProjectLines lines = collect_project_lines(session);
    lines[61] = "2";
    for (const auto& [stored, shown] :
         {std::pair{"127.60", "127.6"}, std::pair{"abc", "abc"}, std::pair{"", ""}}) {
        lines[62] = stored;
        write_lines("weight.kvxw", lines);
        const LoadOutcome outcome = load_project(session, file("weight.kvxw"));
        EXPECT_FALSE(outcome.failed) << stored;
        EXPECT_EQ(session.form.deckUnitWeightEdit.text, shown);
    }
}

TEST_F(ProjectLinesTest, OutOfRangeIndexesTakeTheirDefaults) {
    persist::ProjectLines lines = collect_project_lines(session);
    lines[1] = "7";
    lines[3] = "99";
    lines[10] = "9";
    lines[29] = "25";
    write_lines("range.kvxw", lines);
    EXPECT_FALSE(load_project(session, file("range.kvxw")).failed);
    EXPECT_EQ(session.form.deckTypeBox.itemIndex, 0);
    EXPECT_EQ(session.form.prefectureBox.itemIndex, 0);
    EXPECT_EQ(session.form.state.roofType, calc::RoofType::monoPitch);
    EXPECT_EQ(session.printSettings.pageNumberPosition, report::PageNumberPosition::none);
}

} // namespace
} // namespace korvex::form
