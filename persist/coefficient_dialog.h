#pragma once

// The coefficient dialog as plain state: the 22 ratio edits, the design-strength
// and calculation-method radio pairs and the deck-length spin edit, with the
// behaviours of its keys and buttons. The stored values are CoefficientSettings;
// the controls only become settings with Set.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calc/coefficient_settings.h"

namespace korvex::persist {

inline constexpr int kRatioEditCount = 22;

struct CoefficientDialog {
    // Index 0..10 the ordinary area, 11..21 the heavy-snow area, each in the
    // ratio order of CoefficientSettings.
    std::array<std::string, kRatioEditCount> ratioEdits;
    bool strength205Radio = true;  // "205 N/m㎡"
    bool strength235Radio = false; // "235 N/m㎡"
    bool derivedLoadsRadio = true; // "告示第1458号及び積雪量より計算する"
    bool directLoadsRadio = false; // "風・雪荷重値を直接入力する"
    int maxDeckLengthSpin = 12000; // maximum deck length, mm
    bool visible = false;
};

inline constexpr int kMaxDeckLengthMin = 0;
inline constexpr int kMaxDeckLengthMax = 90000;
inline constexpr int kMaxDeckLengthStep = 50;

// "ordinarySnowW" + "Edit" for index 6, "heavySnowLongTermG" + "Edit" for 11.
std::string ratio_edit_name(int index);
// The index of the edit of that name; -1 for a name no ratio edit has.
int ratio_edit_index(std::string_view name);

// True for the read-only P edits (index 1, 4, 8 of either area).
bool is_p_edit(int index);

// A typed character passes only when it is a digit, "." or backspace.
bool accepts_ratio_key(char32_t key);

// A change of a G edit copies its text into the P edit of the same row.
void mirror_g_to_p(CoefficientDialog& dialog, int changed_index);

// Puts the stored values into the controls: F radio, deck length and ratio texts in
// their shortest decimal form. The calculation-method radios are left alone.
void show_settings(CoefficientDialog& dialog, const calc::CoefficientSettings& settings);

// Selects the calculation-method radio of a layout mode.
void select_method(CoefficientDialog& dialog, calc::LayoutMode layout_mode);

// "初期値へ戻す": the standard values into the controls, not into the settings.
void reset_to_standard(CoefficientDialog& dialog);

struct SetFailure {
    std::string message;
    int editIndex; // the edit that does not hold a number
};

// "設定": takes every control into the settings, or none of them when an edit is
// not a number (then the dialog stays open with the message). The caller then
// applies the layout of chosen_layout_mode, changed or not.
std::optional<SetFailure> apply_set(const CoefficientDialog& dialog,
                                    calc::CoefficientSettings& settings);

// Derived loads for "告示第1458号及び積雪量より計算する", direct loads for
// "風・雪荷重値を直接入力する".
calc::LayoutMode chosen_layout_mode(const CoefficientDialog& dialog);

// "キャンセル": the stored values back into the controls.
void apply_cancel(CoefficientDialog& dialog, const calc::CoefficientSettings& settings);

} // namespace korvex::persist
