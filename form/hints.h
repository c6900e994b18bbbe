#pragma once

// Hint texts that behaviours put on controls, and the split of a hint into the
// short part (tooltip) and the long part (status bar) at "|".

#include <string>
#include <string_view>

namespace korvex::form {

struct InputForm;

inline constexpr const char* kHintUnitWeightDesign = "選択デッキの重量です";
inline constexpr const char* kHintUnitWeightFromTable = "選択されたデッキの単位重量です。";
inline constexpr const char* kHintUnitWeightTyped = "デッキの単位重量を設定して下さい。";

inline constexpr const char* kHintDirectDepthDesign =
    "都道府県の条例等を必ず確認して下さい。|北陸等は、個別の詳細な規則・基準があります。";
inline constexpr const char* kHintFormulaMethod =
    "施行令86条・平成12年告示1455号による計算|標高・海率・半径Rより計算します。";
inline constexpr const char* kHintFormulaNeedsCoefficients =
    "係数α・β・γ・Rを入力して下さい|この地域は積雪区域の係数が地域データにありません。特定行政"
    "庁の定めるα・β・γ・Rを入力すると、標高・海率から垂直積雪量を計算します。";
inline constexpr const char* kHintCoefAlpha =
    "係数α（m/m）|標高 1 m あたりの垂直積雪量の増え方です。0～0.01。平成12年告示1455号・特定行政庁"
    "の定めによります。";
inline constexpr const char* kHintCoefBeta =
    "係数β|海率にかかる係数です。-5～5。平成12年告示1455号・特定行政庁の定めによります。";
inline constexpr const char* kHintCoefGamma =
    "係数γ（m）|定数項です。-5～5。平成12年告示1455号・特定行政庁の定めによります。";
inline constexpr const char* kHintCoefRadius =
    "海率計算用半径R（km）|海率を求める円の半径です。0～100 の整数。平成12年告示1455号・特定行政"
    "庁の定めによります。";

inline constexpr const char* kHintSiteCoordinates =
    "建設地の緯度・経度（任意）|地図サイトからコピーした「39.0822, 141.7083」や「39°04'56\"N "
    "141°42'"
    "30\"E」をそのまま入力できます。入力すると海率参考値を建設地で測ります。空欄では地域の役所の"
    "位置で測ります。";
inline constexpr const char* kHintSeaMap =
    "海率の地図|建設地（または役所）を中心とする半径Rの円、海岸線と海を地図で示します。";
inline constexpr const char* kHintTakeSeaRatio =
    "海率参考値を海率へ|海率参考値を「海率」欄に入れます。入れた後も値は変えられます。";

// Before "|", or the whole hint.
std::string hint_short(std::string_view hint);

// After "|", or the whole hint.
std::string hint_long(std::string_view hint);

// The hint event: the long part of the hint under the mouse goes to the status bar.
void show_hint(InputForm& form, std::string_view hint);

// The status bar's line at start, ending in "ver." and the version.
std::string startup_status_text(const std::string& version);

} // namespace korvex::form
