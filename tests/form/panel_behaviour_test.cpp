#include <gtest/gtest.h>

#include "form/key_filter.h"
#include "form/layout.h"
#include "form/roof.h"
#include "form/spin_edits.h"
#include "form/unit_weight.h"

namespace korvex::form {
namespace {

TEST(UnitWeight, FollowsDeckAndSurface) {
    const int expected[4][2] = {{127, 131}, {169, 172}, {138, 142}, {183, 188}};
    InputForm form;
    for (int surface = 0; surface < 2; ++surface) {
        for (int deck = 0; deck < 4; ++deck) {
            form.surfaceTreatmentBox.itemIndex = surface;
            form.deckTypeBox.itemIndex = deck;
            update_unit_weight(form);
            EXPECT_EQ(form.deckUnitWeightEdit.text, std::to_string(expected[deck][surface]))
                << deck << " " << surface;
            EXPECT_EQ(form.deckUnitWeightEdit.hint, "選択されたデッキの単位重量です。");
        }
    }
    form.activeControl = "deckTypeBox";
    form.surfaceTreatmentBox.itemIndex = 2; // "他"
    update_unit_weight(form);
    EXPECT_EQ(form.deckUnitWeightEdit.text, "");
    EXPECT_EQ(form.deckUnitWeightEdit.hint, "デッキの単位重量を設定して下さい。");
    EXPECT_EQ(form.activeControl, "deckUnitWeightEdit");
}

TEST(HeavySnowRule, FollowsTheSnowDepthEdit) {
    struct Case {
        int depth;
        int rho;
        bool heavy;
    };
    InputForm form;
    for (const auto& c :
         {Case{99, 20, false}, Case{100, 30, true}, Case{0, 20, false}, Case{9000, 30, true}}) {
        set_spin_value(form, form.snowDepthSpin, c.depth);
        EXPECT_EQ(form.snowUnitWeightSpin.value, c.rho) << c.depth;
        EXPECT_EQ(form.heavySnowCheck.checked, c.heavy) << c.depth;
        EXPECT_FALSE(form.heavySnowCheck.enabled);
        EXPECT_EQ(form.heavySnowLabel.fontColour, c.heavy ? kBlack : kGreyedLabel);
    }
}

TEST(SpinEdits, ClampToTheirRangeAndReadBadTextAsTheMinimum) {
    InputForm form;
    set_spin_value(form, form.snowDepthSpin, 9500);
    EXPECT_EQ(form.snowDepthSpin.value, 9000);
    set_spin_value(form, form.snowDepthSpin, -1);
    EXPECT_EQ(form.snowDepthSpin.value, 0);
    set_spin_value(form, form.directWindPositiveSpin, 5);
    EXPECT_EQ(form.directWindPositiveSpin.value, 10);

    set_spin_text(form, form.snowDepthSpin, "150");
    EXPECT_EQ(form.snowUnitWeightSpin.value, 30);
    set_spin_text(form, form.snowDepthSpin, "1５0"); // a full-width digit is no digit
    EXPECT_EQ(form.snowDepthSpin.value, 0);
    EXPECT_EQ(form.snowUnitWeightSpin.value, 20); // and the change behaviour ran
}

TEST(KeyFilters, WhichCharactersGetThrough) {
    struct Case {
        const char* control;
        int surface;
        char32_t key;
        bool accepted;
    };
    const Case cases[] = {
        {"eaveHeightEdit", 0, U'7', true},
        {"eaveHeightEdit", 0, U'a', false},
        {"span4Edit", 0, kBackspace, true},
        {"span1Edit", 0, U'-', false},
        {"span1Edit", 0, U'５', false},
        {"snowDepthSpin", 0, U'.', false},
        {"directSnowLoadSpin", 0, U'0', true},
        {"spanCountSpin", 0, U'2', false},
        {"cantileverLengthEdit", 0, U'x', true},
        {"deckUnitWeightEdit", 0, U'1', false},
        {"deckUnitWeightEdit", 1, kBackspace, false},
        {"deckUnitWeightEdit", 2, U'.', true},
        {"deckTypeBox", 0, U'a', true},
    };
    InputForm form;
    for (const auto& c : cases) {
        form.surfaceTreatmentBox.itemIndex = c.surface;
        EXPECT_EQ(accepts_key(form, c.control, c.key), c.accepted) << c.control << " " << c.surface;
    }
    form.surfaceTreatmentBox.itemIndex = 0;
    EXPECT_FALSE(accepts_key_down(form, "deckUnitWeightEdit"));
    EXPECT_FALSE(accepts_key_down(form, "spanCountSpin"));
    EXPECT_TRUE(accepts_key_down(form, "eaveHeightEdit"));
    form.surfaceTreatmentBox.itemIndex = 2;
    EXPECT_TRUE(accepts_key_down(form, "deckUnitWeightEdit"));
}

TEST(RoofGroups, CanopyShapeReplacesBuildingForm) {
    InputForm form;
    select_roof_type(form, calc::RoofType::canopy);
    EXPECT_EQ(form.state.roofType, calc::RoofType::canopy);
    EXPECT_TRUE(form.canopyShapeGroup.visible);
    EXPECT_FALSE(form.buildingFormGroup.visible);
    EXPECT_EQ(form.roofPicture.pictureFile, "Independent_roof.bmp");
    EXPECT_TRUE(form.canopyRoofRadio.checked);
    EXPECT_FALSE(form.monoPitchRoofRadio.checked);
    EXPECT_EQ(form.canopyRoofRadio.fontColour, kNavy);
    EXPECT_TRUE(form.canopyRoofRadio.fontBold);
    EXPECT_EQ(form.monoPitchRoofRadio.fontColour, kBlack);
    EXPECT_FALSE(form.monoPitchRoofRadio.fontBold);

    select_roof_type(form, calc::RoofType::gable);
    EXPECT_TRUE(form.buildingFormGroup.visible);
    EXPECT_FALSE(form.canopyShapeGroup.visible);
    EXPECT_EQ(form.roofPicture.pictureFile, "Gable_roof.bmp");
    EXPECT_EQ(form.state.roofType, calc::RoofType::gable);

    select_building_form(form, calc::BuildingForm::leewardOpen);
    EXPECT_EQ(form.state.buildingForm, calc::BuildingForm::leewardOpen);
    EXPECT_EQ(form.buildingFormPicture.pictureFile, "Shape_leeward.bmp");
    EXPECT_TRUE(form.leewardOpenFormRadio.fontBold);
    EXPECT_FALSE(form.closedFormRadio.checked);
    select_canopy_shape(form, calc::CanopyShape::wing);
    EXPECT_EQ(form.state.canopyShape, calc::CanopyShape::wing);
    EXPECT_EQ(form.canopyShapePicture.pictureFile, "Shape_wing_roof.bmp");
    EXPECT_TRUE(form.wingCanopyRadio.checked);
    EXPECT_FALSE(form.gableCanopyRadio.fontBold);
}

TEST(Layout, DirectLoadsShrinkTheWindow) {
    InputForm form;
    apply_layout(form, calc::LayoutMode::directLoads);
    EXPECT_EQ(form.state.layoutMode, calc::LayoutMode::directLoads);
    EXPECT_EQ(form.height, 375);
    EXPECT_TRUE(form.directLoadPanel.visible);
    EXPECT_FALSE(form.windPanel.visible);
    EXPECT_FALSE(form.snowPanel.visible);
    EXPECT_EQ(form.directLoadPanel.top, form.windPanel.top); // where the wind panel was
    EXPECT_EQ(form.otherLoadPanel.top, 72);
    EXPECT_EQ(form.otherLoadPanel.height, 95);
    EXPECT_EQ(form.spanPanel.top, 176);
    EXPECT_EQ(form.commandPanel.top, 268);

    apply_layout(form, calc::LayoutMode::derivedLoads);
    EXPECT_EQ(form.state.layoutMode, calc::LayoutMode::derivedLoads);
    EXPECT_EQ(form.height, 575);
    EXPECT_TRUE(form.windPanel.visible);
    EXPECT_FALSE(form.directLoadPanel.visible);
    EXPECT_EQ(form.otherLoadPanel.top, 284);
    EXPECT_EQ(form.otherLoadPanel.height, 85);
    EXPECT_EQ(form.spanPanel.top, 376);
    EXPECT_EQ(form.commandPanel.top, 468);
}

} // namespace
} // namespace korvex::form
