#include <gtest/gtest.h>

#include "persist/coefficient_dialog.h"

namespace korvex::persist {
namespace {

CoefficientDialog dialog_showing(const calc::CoefficientSettings& settings) {
    CoefficientDialog dialog;
    show_settings(dialog, settings);
    select_method(dialog, calc::LayoutMode::derivedLoads);
    return dialog;
}

TEST(CoefficientDialog, KeyFilterTakesDigitsPointAndBackspace) {
    for (char32_t ok : {U'0', U'9', U'.', char32_t{8}}) EXPECT_TRUE(accepts_ratio_key(ok));
    for (char32_t bad : {U',', U'-', U'a', U'１', U' '}) EXPECT_FALSE(accepts_ratio_key(bad));
}

TEST(CoefficientDialog, GEditsMirrorIntoTheirPEdits) {
    CoefficientDialog dialog = dialog_showing({});
    dialog.ratioEdits[7] = "0.9"; // storm G
    mirror_g_to_p(dialog, 7);
    EXPECT_EQ(dialog.ratioEdits[8], "0.9"); // storm P
    dialog.ratioEdits[2] = "0.5";           // long-term S: nothing to mirror
    mirror_g_to_p(dialog, 2);
    EXPECT_EQ(dialog.ratioEdits[3], "1");
    EXPECT_TRUE(is_p_edit(19)); // heavy-snow storm P
    EXPECT_EQ(ratio_edit_name(19), "heavySnowStormPEdit");
    EXPECT_EQ(ratio_edit_name(0), "ordinaryLongTermGEdit");
    EXPECT_EQ(ratio_edit_name(6), "ordinarySnowWEdit");
    for (int i = 0; i < kRatioEditCount; ++i) EXPECT_EQ(ratio_edit_index(ratio_edit_name(i)), i);
    EXPECT_EQ(ratio_edit_index("ordinarySnowEdit"), -1);
}

TEST(CoefficientDialog, StandardValuesReadAsShortestDecimals) {
    const CoefficientDialog dialog = dialog_showing({});
    EXPECT_EQ(dialog.ratioEdits[13], "0.7");  // heavy-snow long-term S
    EXPECT_EQ(dialog.ratioEdits[20], "0.35"); // heavy-snow storm S
    EXPECT_EQ(dialog.maxDeckLengthSpin, 12000);
    EXPECT_TRUE(dialog.strength205Radio);
}

TEST(CoefficientDialog, SetTakesEverythingOrNothing) {
    calc::CoefficientSettings settings;
    CoefficientDialog dialog = dialog_showing(settings);
    dialog.ratioEdits[0] = "0.9";
    dialog.ratioEdits[5] = "1.2.3";
    dialog.maxDeckLengthSpin = 9000;
    const auto failure = apply_set(dialog, settings);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->editIndex, 5);
    EXPECT_NE(failure->message.find("1.2.3"), std::string::npos);
    EXPECT_EQ(settings.comboRatio[0][0], 1.0);
    EXPECT_EQ(settings.maxDeckLength, 12000);

    // A ratio far past any design would carry the loads out of the figures' range.
    dialog.ratioEdits[5] = "100.5";
    const auto too_large = apply_set(dialog, settings);
    ASSERT_TRUE(too_large);
    EXPECT_EQ(too_large->editIndex, 5);
    EXPECT_NE(too_large->message.find("0～100"), std::string::npos);
    EXPECT_EQ(settings.comboRatio[0][0], 1.0);

    dialog.ratioEdits[5] = "1";
    dialog.strength235Radio = true;
    dialog.strength205Radio = false;
    select_method(dialog, calc::LayoutMode::directLoads);
    EXPECT_FALSE(apply_set(dialog, settings));
    EXPECT_EQ(settings.comboRatio[0][0], 0.9);
    EXPECT_EQ(settings.maxDeckLength, 9000);
    EXPECT_EQ(settings.designStrength, 235);
    EXPECT_EQ(chosen_layout_mode(dialog), calc::LayoutMode::directLoads);
}

TEST(CoefficientDialog, ResetThenCancelRestoresTheStoredValues) {
    calc::CoefficientSettings settings;
    settings.designStrength = 235;
    settings.maxDeckLength = 15000;
    settings.comboRatio[1][9] = 0.5;
    CoefficientDialog dialog = dialog_showing(settings);
    reset_to_standard(dialog);
    EXPECT_EQ(dialog.ratioEdits[20], "0.35");
    EXPECT_TRUE(dialog.strength205Radio);
    apply_cancel(dialog, settings);
    EXPECT_EQ(settings.maxDeckLength, 15000);
    EXPECT_EQ(dialog.maxDeckLengthSpin, 15000);
    EXPECT_EQ(dialog.ratioEdits[20], "0.5");
    EXPECT_TRUE(dialog.strength235Radio);
}

TEST(CoefficientDialog, CancelLeavesTheChosenMethodForTheNextSet) {
    calc::CoefficientSettings settings;
    CoefficientDialog dialog = dialog_showing(settings);
    select_method(dialog,
                  calc::LayoutMode::directLoads); // the user picks direct input, then cancels
    apply_cancel(dialog, settings);
    EXPECT_TRUE(dialog.directLoadsRadio);
    EXPECT_FALSE(apply_set(dialog, settings)); // the next Set applies it
    EXPECT_EQ(chosen_layout_mode(dialog), calc::LayoutMode::directLoads);
}

} // namespace
} // namespace korvex::persist
