#include <gtest/gtest.h>

#include "form/hints.h"
#include "form/site_selection.h"
#include "form/snow.h"
#include "form/spin_edits.h"
#include "tests/form/form_fixture.h"

namespace korvex::form {
namespace {

class SiteSelection : public FormTest {
protected:
    void prefecture(int index) {
        form.prefectureBox.itemIndex = index;
        const auto message = select_prefecture(form, tables);
        ASSERT_FALSE(message) << message->text;
    }
    void area(int index) {
        form.areaBox.itemIndex = index;
        select_area(form, tables);
    }
};

TEST_F(SiteSelection, PrefectureSelectsItsFirstAreaAndShowsItsValues) {
    prefecture(1); // 青森県
    EXPECT_EQ(form.areaBox.items, (std::vector<std::string>{"青森市", "弘前市 (旧岩木町)"}));
    EXPECT_EQ(form.areaBox.itemIndex, 0);
    EXPECT_EQ(form.site.prefectureName, "青森県");
    EXPECT_EQ(form.site.areaName, "青森市");
    EXPECT_EQ(form.baseWindSpeedLabel.caption, "34");
    EXPECT_EQ(form.tableAltitudeLabel.caption, "5");
    EXPECT_EQ(form.tableSnowDepthLabel.caption, "150");
    EXPECT_EQ(form.seaRatioRadiusLabel.caption, "12");
    EXPECT_EQ(form.altitudeSpin.value, 5);
    EXPECT_EQ(form.snowDepthSpin.value, 150);
    EXPECT_TRUE(form.heavySnowCheck.checked);
    EXPECT_EQ(form.snowUnitWeightSpin.value, 30);
    EXPECT_FALSE(form.altitudeSpin.enabled);

    // A rule area first in its prefecture: both forms of the hint.
    EXPECT_EQ(form.typedDepthRadio.hint, "細則有り! 青森県の例規を確認して下さい。|青森県/"
                                         "青森市は、地区・標高・計算式等による規定があります。");
    show_hint(form, form.typedDepthRadio.hint);
    EXPECT_EQ(form.statusBar.caption,
              "青森県/青森市は、地区・標高・計算式等による規定があります。");
    area(0);
    EXPECT_EQ(form.typedDepthRadio.hint,
              "青森県の条例等を必ず確認して下さい。|青森県/青森市は、個別の規則・基準があります。");
}

TEST_F(SiteSelection, DefaultHintsDifferInTheirLastSentence) {
    prefecture(0);
    EXPECT_EQ(
        form.typedDepthRadio.hint,
        "都道府県の条例等を必ず確認して下さい。|積雪等に関する基準を定めている地域があります。"
        "都道府県の施行細則等を必ず確認して下さい。");
    area(1);
    EXPECT_EQ(
        form.typedDepthRadio.hint,
        "都道府県の条例等を必ず確認して下さい。|積雪等に関する基準を定めている地域があります。"
        "都道府県の条例等を必ず確認して下さい。");
}

TEST_F(SiteSelection, MissingValuesAndSmallRadius) {
    area(1); // 小樽市: no altitude, no snow depth, R 8
    EXPECT_EQ(form.tableAltitudeLabel.caption, " --- ");
    EXPECT_EQ(form.tableSnowDepthLabel.caption, "---");
    EXPECT_EQ(form.seaRatioRadiusLabel.caption, " 8");
    EXPECT_EQ(form.altitudeSpin.value, 0);
    EXPECT_EQ(form.snowDepthSpin.value, 0);
    EXPECT_FALSE(form.heavySnowCheck.checked);
    EXPECT_EQ(form.snowUnitWeightSpin.value, 20);
}

TEST_F(SiteSelection, DuplicateZoneLinesUseTheLastOne) {
    prefecture(2); // 岩手県 盛岡市, zone 2 listed twice
    EXPECT_EQ(form.seaRatioRadiusLabel.caption, "20");
    EXPECT_EQ(form.site.snowCoefA, 0.001);
    select_snow_method(form, calc::SnowMethod::formula);
    // 0.001 * 120 + 0 + 0.5 = 0.62 m; the first line's coefficients would give 1.37 m.
    EXPECT_EQ(form.snowDepthSpin.value, 62);
}

TEST_F(SiteSelection, FormulaFollowsTheAreaAndTheSpinEdits) {
    select_snow_method(form, calc::SnowMethod::formula);
    EXPECT_TRUE(form.formulaDepthRadio.checked);
    EXPECT_TRUE(form.formulaDepthRadio.fontBold);
    EXPECT_FALSE(form.typedDepthRadio.fontBold);
    EXPECT_TRUE(form.altitudeSpin.enabled);
    EXPECT_TRUE(form.seaRatioSpin.enabled);
    EXPECT_FALSE(form.snowDepthSpin.enabled);
    EXPECT_EQ(form.activeControl, "seaRatioSpin");
    // 札幌市: 0.0005 * 20 - 0.06 * 0.2 + 0.28 = 0.278 m
    EXPECT_EQ(form.snowDepthSpin.value, 28);
    EXPECT_EQ(form.site.formulaSnowDepth, 28);

    set_spin_value(form, form.altitudeSpin, 1500); // 0.75 - 0.012 + 0.28 = 1.018 m
    EXPECT_EQ(form.snowDepthSpin.value, 102);
    EXPECT_TRUE(form.heavySnowCheck.checked);
    EXPECT_EQ(form.site.altitude, 1500);

    area(1); // 小樽市: altitude none -> 0, sea ratio unchanged; 0.58 m
    EXPECT_EQ(form.altitudeSpin.value, 0);
    EXPECT_EQ(form.seaRatioSpin.value, 20);
    EXPECT_EQ(form.snowDepthSpin.value, 58);
    EXPECT_FALSE(form.heavySnowCheck.checked);
    EXPECT_TRUE(form.formulaDepthRadio.checked);

    select_snow_method(form, calc::SnowMethod::typedDepth); // back to the table's depth
    EXPECT_EQ(form.snowDepthSpin.value, 0);
    EXPECT_TRUE(form.snowDepthSpin.enabled);
    EXPECT_FALSE(form.altitudeSpin.enabled);
}

// Where the tables know no coefficients the formula method stays open: the
// fields are empty, no depth is made up, and typed coefficients give one.
TEST_F(SiteSelection, AreaWithoutZoneCoefficientsAsksForThem) {
    prefecture(1);
    select_snow_method(form, calc::SnowMethod::formula);
    // 青森市: 0.0019 * 5 + 0.25 * 0.2 + 0.39 = 0.4495 m
    EXPECT_EQ(form.snowDepthSpin.value, 45);
    EXPECT_EQ(form.snowCoefAlphaEdit.text, "0.0019");
    EXPECT_EQ(form.snowCoefRadiusEdit.text, "12");

    area(1); // 弘前市 (旧岩木町): zone 7 has no line
    EXPECT_EQ(form.site.areaName, "弘前市 (旧岩木町)");
    EXPECT_FALSE(form.site.zoneRegistered);
    EXPECT_EQ(form.seaRatioRadiusLabel.caption, "---");
    EXPECT_TRUE(form.formulaDepthRadio.enabled);
    EXPECT_TRUE(form.formulaDepthRadio.checked);
    EXPECT_EQ(form.formulaDepthRadio.hint, kHintFormulaNeedsCoefficients);
    for (const Edit* field : snow_coefficient_fields(form)) {
        EXPECT_EQ(field->text, "") << field->name;
        EXPECT_TRUE(field->enabled) << field->name;
    }
    EXPECT_EQ(form.site.sources.snowCoefficients, calc::ValueSource::none);
    EXPECT_EQ(form.snowDepthSpin.value, 45); // nothing to compute with: left as it was
    EXPECT_FALSE(form.snowDepthSpin.enabled);

    set_spin_value(form, form.altitudeSpin, 50);
    enter_snow_coefficient(form, form.snowCoefAlphaEdit, "0.01");
    enter_snow_coefficient(form, form.snowCoefBetaEdit, "0.1");
    enter_snow_coefficient(form, form.snowCoefGammaEdit, "0.15");
    EXPECT_EQ(form.snowDepthSpin.value, 45); // R still missing
    enter_snow_coefficient(form, form.snowCoefRadiusEdit, "7");
    // 0.01 * 50 + 0.1 * 0.2 + 0.15 = 0.67 m
    EXPECT_EQ(form.snowDepthSpin.value, 67);
    EXPECT_EQ(form.site.sources.snowCoefficients, calc::ValueSource::entered);
    EXPECT_TRUE(form.site.coefficientsEntered);

    area(0); // choosing an area fills the fields from its zone again
    EXPECT_EQ(form.formulaDepthRadio.hint, kHintFormulaMethod);
    EXPECT_EQ(form.seaRatioRadiusLabel.caption, "12");
    EXPECT_EQ(form.snowCoefAlphaEdit.text, "0.0019");
    EXPECT_FALSE(form.site.coefficientsEntered);
    EXPECT_EQ(form.site.sources.snowCoefficients, calc::ValueSource::table);
    EXPECT_TRUE(form.formulaDepthRadio.checked);
}

TEST_F(SiteSelection, PrefectureWithoutRowsKeepsTheValues) {
    prefecture(1);
    form.prefectureBox.itemIndex = 46; // 沖縄県: no rows in the fixture
    ASSERT_FALSE(select_prefecture(form, tables));
    EXPECT_TRUE(form.areaBox.items.empty());
    EXPECT_EQ(form.areaBox.itemIndex, -1);
    EXPECT_EQ(form.site.prefectureName, "沖縄県");
    EXPECT_EQ(form.site.areaName, "");
    EXPECT_EQ(form.baseWindSpeedLabel.caption, "34");
    EXPECT_EQ(form.snowDepthSpin.value, 150);
}

TEST_F(SiteSelection, BrokenZoneFileStopsThePrefectureSelection) {
    folder.write_lines("Data_SnowfallV.csv", {"zone,alpha,beta,gamma,R", "3,0.1,0.2"});
    form.prefectureBox.itemIndex = 1;
    const auto message = select_prefecture(form, tables);
    ASSERT_TRUE(message);
    EXPECT_NE(message->text.find("「Data_SnowfallV.csv」の 2 行目"), std::string::npos);
    EXPECT_EQ(form.seaRatioRadiusLabel.caption, "40"); // the displays were not reached
}

} // namespace
} // namespace korvex::form
