#include "persist/coefficient_dialog.h"

#include <algorithm>

#include "common/number_parse.h"
#include "common/number_text.h"

namespace korvex::persist {

namespace {

// Within one area kind: the row and letter of each ratio, for messages.
constexpr const char* kRowNames[11] = {"長　期",        "長　期",        "長　期",
                                       "短期 (積雪時)", "短期 (積雪時)", "短期 (積雪時)",
                                       "短期 (積雪時)", "短期 (暴風時)", "短期 (暴風時)",
                                       "短期 (暴風時)", "短期 (暴風時)"};
constexpr const char* kLetters[11] = {"Ｇ", "Ｐ", "Ｓ", "Ｇ", "Ｐ", "Ｓ",
                                      "Ｗ", "Ｇ", "Ｐ", "Ｓ", "Ｗ"};
// Index within a row kind of every G edit; its P edit follows it.
constexpr int kGIndices[3] = {0, 3, 7};

void set_ratio_texts(CoefficientDialog& dialog, const std::array<calc::RatioRow, 2>& ratios) {
    for (int area = 0; area < 2; ++area)
        for (int i = 0; i < 11; ++i)
            dialog.ratioEdits[area * 11 + i] = common::shortest_decimal(ratios[area][i]);
}

void select_strength(CoefficientDialog& dialog, int design_strength) {
    dialog.strength205Radio = design_strength == 205;
    dialog.strength235Radio = !dialog.strength205Radio;
}

} // namespace

std::string ratio_edit_name(int index) {
    static constexpr const char* kArea[2] = {"ordinary", "heavySnow"};
    static constexpr const char* kRatio[11] = {"LongTermG", "LongTermP", "LongTermS", "SnowG",
                                               "SnowP",     "SnowS",     "SnowW",     "StormG",
                                               "StormP",    "StormS",    "StormW"};
    const int i = std::clamp(index, 0, kRatioEditCount - 1);
    return std::string(kArea[i / 11]) + kRatio[i % 11] + "Edit";
}

int ratio_edit_index(std::string_view name) {
    for (int i = 0; i < kRatioEditCount; ++i)
        if (ratio_edit_name(i) == name) return i;
    return -1;
}

bool is_p_edit(int index) {
    const int i = index % 11;
    return i == 1 || i == 4 || i == 8;
}

bool accepts_ratio_key(char32_t key) {
    return (key >= U'0' && key <= U'9') || key == U'.' || key == 8;
}

void mirror_g_to_p(CoefficientDialog& dialog, int changed_index) {
    for (int g : kGIndices) {
        if (changed_index % 11 == g && changed_index >= 0 && changed_index < kRatioEditCount)
            dialog.ratioEdits[changed_index + 1] = dialog.ratioEdits[changed_index];
    }
}

void show_settings(CoefficientDialog& dialog, const calc::CoefficientSettings& settings) {
    select_strength(dialog, settings.designStrength);
    dialog.maxDeckLengthSpin = settings.maxDeckLength;
    set_ratio_texts(dialog, settings.comboRatio);
}

void select_method(CoefficientDialog& dialog, calc::LayoutMode layout_mode) {
    dialog.directLoadsRadio = layout_mode == calc::LayoutMode::directLoads;
    dialog.derivedLoadsRadio = !dialog.directLoadsRadio;
}

void reset_to_standard(CoefficientDialog& dialog) {
    const calc::CoefficientSettings standard;
    show_settings(dialog, standard);
    select_method(dialog, calc::LayoutMode::derivedLoads);
}

std::optional<SetFailure> apply_set(const CoefficientDialog& dialog,
                                    calc::CoefficientSettings& settings) {
    std::array<calc::RatioRow, 2> ratios{};
    for (int index = 0; index < kRatioEditCount; ++index) {
        const auto value = common::parse_decimal(dialog.ratioEdits[index]);
        if (!value) {
            const int i = index % 11;
            const std::string area = index < 11 ? "一般の場合" : "多雪区域";
            return SetFailure{area + "「" + kRowNames[i] + "」の" + kLetters[i] + "の比率「" +
                                  dialog.ratioEdits[index] + "」は数値ではありません。" +
                                  "数値を入力して下さい。",
                              index};
        }
        if (!calc::is_combo_ratio(*value)) {
            const int i = index % 11;
            const std::string area = index < 11 ? "一般の場合" : "多雪区域";
            return SetFailure{area + "「" + kRowNames[i] + "」の" + kLetters[i] + "の比率「" +
                                  dialog.ratioEdits[index] + "」は 0～" +
                                  common::shortest_decimal(calc::kMaxComboRatio) +
                                  " の範囲で入力して下さい。",
                              index};
        }
        ratios[index / 11][index % 11] = *value;
    }
    settings.maxDeckLength = dialog.maxDeckLengthSpin;
    settings.designStrength = dialog.strength205Radio ? 205 : 235;
    settings.comboRatio = ratios;
    return std::nullopt;
}

calc::LayoutMode chosen_layout_mode(const CoefficientDialog& dialog) {
    return dialog.derivedLoadsRadio ? calc::LayoutMode::derivedLoads
                                    : calc::LayoutMode::directLoads;
}

void apply_cancel(CoefficientDialog& dialog, const calc::CoefficientSettings& settings) {
    show_settings(dialog, settings);
}

} // namespace korvex::persist
