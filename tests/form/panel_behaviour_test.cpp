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
            form.ComboBox7.item_index = surface;
            form.ComboBox1.item_index = deck;
            update_unit_weight(form);
            EXPECT_EQ(form.Edit99.text, std::to_string(expected[deck][surface]))
                << deck << " " << surface;
            EXPECT_EQ(form.Edit99.hint, "選択されたデッキの単位重量です。");
        }
    }
    form.active_control = "ComboBox1";
    form.ComboBox7.item_index = 2; // "他"
    update_unit_weight(form);
    EXPECT_EQ(form.Edit99.text, "");
    EXPECT_EQ(form.Edit99.hint, "デッキの単位重量を設定して下さい。");
    EXPECT_EQ(form.active_control, "Edit99");
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
        set_spin_value(form, form.CSpinEdit2, c.depth);
        EXPECT_EQ(form.CSpinEdit3.value, c.rho) << c.depth;
        EXPECT_EQ(form.CheckBox1.checked, c.heavy) << c.depth;
        EXPECT_FALSE(form.CheckBox1.enabled);
        EXPECT_EQ(form.Label34.font_colour, c.heavy ? kBlack : kGreyedLabel);
    }
}

TEST(SpinEdits, ClampToTheirRangeAndReadBadTextAsTheMinimum) {
    InputForm form;
    set_spin_value(form, form.CSpinEdit2, 9500);
    EXPECT_EQ(form.CSpinEdit2.value, 9000);
    set_spin_value(form, form.CSpinEdit2, -1);
    EXPECT_EQ(form.CSpinEdit2.value, 0);
    set_spin_value(form, form.CSpinEdit8, 5);
    EXPECT_EQ(form.CSpinEdit8.value, 10);

    set_spin_text(form, form.CSpinEdit2, "150");
    EXPECT_EQ(form.CSpinEdit3.value, 30);
    set_spin_text(form, form.CSpinEdit2, "1５0"); // a full-width digit is no digit
    EXPECT_EQ(form.CSpinEdit2.value, 0);
    EXPECT_EQ(form.CSpinEdit3.value, 20); // and the change behaviour ran
}

TEST(KeyFilters, WhichCharactersGetThrough) {
    struct Case {
        const char* control;
        int surface;
        char32_t key;
        bool accepted;
    };
    const Case cases[] = {
        {"Edit1", 0, U'7', true},         {"Edit1", 0, U'a', false},
        {"Edit7", 0, kBackspace, true},   {"Edit4", 0, U'-', false},
        {"Edit4", 0, U'５', false},       {"CSpinEdit2", 0, U'.', false},
        {"CSpinEdit10", 0, U'0', true},   {"CSpinEdit6", 0, U'2', false},
        {"Edit77", 0, U'x', true},        {"Edit99", 0, U'1', false},
        {"Edit99", 1, kBackspace, false}, {"Edit99", 2, U'.', true},
        {"ComboBox1", 0, U'a', true},
    };
    InputForm form;
    for (const auto& c : cases) {
        form.ComboBox7.item_index = c.surface;
        EXPECT_EQ(accepts_key(form, c.control, c.key), c.accepted) << c.control << " " << c.surface;
    }
    form.ComboBox7.item_index = 0;
    EXPECT_FALSE(accepts_key_down(form, "Edit99"));
    EXPECT_FALSE(accepts_key_down(form, "CSpinEdit6"));
    EXPECT_TRUE(accepts_key_down(form, "Edit1"));
    form.ComboBox7.item_index = 2;
    EXPECT_TRUE(accepts_key_down(form, "Edit99"));
}

TEST(RoofGroups, CanopyShapeReplacesBuildingForm) {
    InputForm form;
    select_roof_type(form, 6);
    EXPECT_EQ(form.state.roofType, 6);
    EXPECT_TRUE(form.GroupBox4.visible);
    EXPECT_FALSE(form.GroupBox5.visible);
    EXPECT_EQ(form.Image2.picture_file, "Independent_roof.bmp");
    EXPECT_TRUE(form.RadioButton6.checked);
    EXPECT_FALSE(form.RadioButton3.checked);
    EXPECT_EQ(form.RadioButton6.font_colour, kNavy);
    EXPECT_TRUE(form.RadioButton6.font_bold);
    EXPECT_EQ(form.RadioButton3.font_colour, kBlack);
    EXPECT_FALSE(form.RadioButton3.font_bold);

    select_roof_type(form, 4);
    EXPECT_TRUE(form.GroupBox5.visible);
    EXPECT_FALSE(form.GroupBox4.visible);
    EXPECT_EQ(form.Image2.picture_file, "Gable_roof.bmp");
    select_roof_type(form, 7); // no such radio
    EXPECT_EQ(form.state.roofType, 4);

    select_building_form(form, 2);
    EXPECT_EQ(form.state.buildingForm, 2);
    EXPECT_EQ(form.Image5.picture_file, "Shape_leeward.bmp");
    EXPECT_TRUE(form.RadioButton9.font_bold);
    EXPECT_FALSE(form.RadioButton7.checked);
    select_canopy_shape(form, 1);
    EXPECT_EQ(form.state.canopyShape, 1);
    EXPECT_EQ(form.Image4.picture_file, "Shape_wing_roof.bmp");
    EXPECT_TRUE(form.RadioButton11.checked);
    EXPECT_FALSE(form.RadioButton10.font_bold);
}

TEST(Layout, DirectLoadsShrinkTheWindow) {
    InputForm form;
    apply_layout(form, 1);
    EXPECT_EQ(form.state.layoutMode, 1);
    EXPECT_EQ(form.height, 375);
    EXPECT_TRUE(form.Panel9.visible);
    EXPECT_FALSE(form.Panel6.visible);
    EXPECT_FALSE(form.Panel4.visible);
    EXPECT_EQ(form.Panel9.top, form.Panel6.top); // where the wind panel was
    EXPECT_EQ(form.Panel3.top, 72);
    EXPECT_EQ(form.Panel3.height, 95);
    EXPECT_EQ(form.Panel8.top, 176);
    EXPECT_EQ(form.Panel12.top, 268);

    apply_layout(form, 3); // anything but 1 is the derived layout
    EXPECT_EQ(form.state.layoutMode, 0);
    EXPECT_EQ(form.height, 575);
    EXPECT_TRUE(form.Panel6.visible);
    EXPECT_FALSE(form.Panel9.visible);
    EXPECT_EQ(form.Panel3.top, 284);
    EXPECT_EQ(form.Panel3.height, 85);
    EXPECT_EQ(form.Panel8.top, 376);
    EXPECT_EQ(form.Panel12.top, 468);
}

} // namespace
} // namespace korvex::form
