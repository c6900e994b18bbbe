#include <gtest/gtest.h>

#include "form/gathering.h"
#include "form/layout.h"
#include "form/roof.h"
#include "form/site_selection.h"
#include "form/snow.h"
#include "form/spans.h"
#include "form/spin_edits.h"
#include "form/unit_weight.h"
#include "form/validation.h"
#include "tests/form/form_fixture.h"

namespace korvex::form {
namespace {

// A whole input session as the window would drive it, then the two steps of
// the Calculate command.
TEST_F(FormTest, WholeSessionGathersWhatTheFormShows) {
    form.deckTypeBox.itemIndex = 3; // KX-75-16
    update_unit_weight(form);
    form.surfaceTreatmentBox.itemIndex = 1; // Z27
    update_unit_weight(form);
    form.fastenerBox.itemIndex = 1;
    form.prefectureBox.itemIndex = 1; // 青森県
    ASSERT_FALSE(select_prefecture(form, tables));
    select_snow_method(form, calc::SnowMethod::formula);
    set_spin_value(form, form.seaRatioSpin, 40); // 0.0095 + 0.1 + 0.39 = 0.4995 m
    form.roughnessBox.itemIndex = 2;
    form.eaveHeightEdit.text = "10005";
    select_roof_type(form, calc::RoofType::canopy);
    select_canopy_shape(form, calc::CanopyShape::wing);
    set_spin_value(form, form.spanCountSpin, 2);
    form.span2Edit.text = "3000";
    form.cantileverBox.itemIndex = 1;
    update_spans(form);
    set_spin_value(form, form.otherDeadLoadSpin, 250);
    set_spin_value(form, form.liveLoadSpin, 600);

    calc::CoefficientSettings settings;
    settings.designStrength = 235;
    calc::DesignInputs in;
    ASSERT_FALSE(validate_inputs(form, in, settings));
    gather_inputs(form, settings, in);

    EXPECT_EQ(in.deckIndex, 3);
    EXPECT_EQ(in.deckName, "KX-75-16");
    EXPECT_EQ(in.deckUnitWeight, 188.0);
    EXPECT_EQ(in.sectionModulus, 52700.0);
    EXPECT_EQ(in.momentOfInertia, 2160000.0);
    EXPECT_EQ(in.fastenerName, "木ねじ SR5×105");
    EXPECT_EQ(in.jointCapacityEnd, 1120);
    EXPECT_EQ(in.jointCapacityMid, 1120);

    EXPECT_EQ(in.prefectureName, "青森県");
    EXPECT_EQ(in.areaName, "青森市");
    EXPECT_EQ(in.baseWindSpeed, 34);
    EXPECT_EQ(in.altitude, 5);
    EXPECT_EQ(in.seaRatio, 40);
    EXPECT_EQ(in.seaRatioRadius, 12);
    EXPECT_EQ(in.snowCoefA, 0.0019);
    EXPECT_EQ(in.snowCoefB, 0.25);
    EXPECT_EQ(in.snowCoefC, 0.39);
    EXPECT_FALSE(in.heavySnowArea);

    EXPECT_EQ(in.roughnessCategory, 3);
    EXPECT_EQ(in.eaveHeightCm, 1000.5);
    EXPECT_EQ(in.buildingHeightCm, 1500.0);
    EXPECT_EQ(in.spanDirectionLengthCm, 2000.0);
    EXPECT_EQ(in.roofType, calc::RoofType::canopy);
    EXPECT_EQ(in.roofKind, calc::RoofKind::canopy);
    EXPECT_EQ(in.roofTypeName, "独立上屋");
    EXPECT_EQ(in.buildingForm, calc::BuildingForm::closed);
    EXPECT_EQ(in.buildingFormName, "閉鎖型");
    EXPECT_EQ(in.canopyShape, calc::CanopyShape::wing);
    EXPECT_EQ(in.canopyShapeName, "翼型屋根");

    EXPECT_EQ(in.snowMethod, calc::SnowMethod::formula);
    EXPECT_EQ(in.snowDepth, 50);
    EXPECT_EQ(in.snowUnitWeight, 20);
    EXPECT_EQ(in.snowLoad, 1000);
    EXPECT_EQ(in.otherDeadLoad, 250);
    EXPECT_EQ(in.liveLoad, 600);

    EXPECT_EQ(in.spanCount, 2);
    EXPECT_EQ(in.cantileverMode, calc::CantileverMode::left);
    EXPECT_EQ(in.leftCantileverLength, 500);
    EXPECT_EQ(in.totalDeckLength, 6000);
    EXPECT_FALSE(in.directLoadInput);
    EXPECT_EQ(in.designStrength, 235);
    EXPECT_EQ(in.maxDeckLength, 12000);
    EXPECT_EQ(in.comboRatio[1][9], 0.35);
}

TEST_F(FormTest, DirectLoadsTakeTheSnowLoadAsTyped) {
    apply_layout(form, calc::LayoutMode::directLoads);
    select_snow_method(form, calc::SnowMethod::formula);
    EXPECT_EQ(form.activeControl, "directWindPositiveSpin");
    set_spin_value(form, form.directSnowLoadSpin, 1200);
    set_spin_value(form, form.directWindPositiveSpin, 900);
    set_spin_value(form, form.directWindNegativeSpin, 1400);
    calc::DesignInputs in;
    in.snowDepth = 77;
    ASSERT_FALSE(validate_inputs(form, in, {}));
    gather_inputs(form, {}, in);
    EXPECT_TRUE(in.directLoadInput);
    EXPECT_EQ(in.snowLoad, 1200);
    EXPECT_EQ(in.snowDepth, 77); // depth and unit weight are not read again
    EXPECT_EQ(in.directWindPositive, 900);
    EXPECT_EQ(in.directWindNegative, 1400);
}

} // namespace
} // namespace korvex::form
