#pragma once

// The first step of the Calculate command: the span, cantilever, unit-weight and
// deck-length checks, in their fixed order. It fills spanCount, spanLength,
// cantileverMode, the cantilever lengths, totalDeckLength and beamTypeName of
// the inputs; the first failing check gives its message and moves the focus.

#include <optional>

#include "calc/coefficient_settings.h"
#include "calc/design_inputs.h"
#include "form/input_form.h"

namespace korvex::form {

// N/m2: the heaviest dead or live load the window's own fields take.
inline constexpr double kMaxUnitWeight = 9000.0;
inline constexpr const char* kUnitWeightMessage = "デッキの単位重量を正しく設定して下さい。";
inline constexpr const char* kCantileverMissing =
    "はね出し部分の長さを入力して下さい。[Min-200mm / Max-1,000mm]";
inline constexpr const char* kCantileverTooShort =
    "検討可能なはね出し部分の最小長さは200mm以上です。[Min-200mm / Max-1,000mm]";
inline constexpr const char* kCantileverTooLong =
    "検討可能なはね出し部分の最大長さは1,000mm以下です。[Min-200mm / Max-1,000mm]";
inline constexpr const char* kSpanLengthMessage = "スパンの長さを正しく入力して下さい。";
inline constexpr const char* kDeckTooLong = "デッキの最大長さを超えています。";

std::optional<FormMessage> validate_inputs(InputForm& form, calc::DesignInputs& inputs,
                                           const calc::CoefficientSettings& settings);

} // namespace korvex::form
