#pragma once

// The settings of the coefficient dialog: design strength, deck length limit and
// load-combination ratios. The calculation method the dialog also sets is the
// input window's layout mode and lives there.

#include "calc/design_inputs.h"

namespace korvex::calc {

inline constexpr RatioRow kStandardOrdinaryRatios = {1, 1, 0, 1, 1, 1, 0, 1, 1, 0, 1};
inline constexpr RatioRow kStandardHeavySnowRatios = {1, 1, 0.7, 1, 1, 1, 0, 1, 1, 0.35, 1};

// A combination ratio scales a load. The dialog takes digits and a point only, so
// a ratio is never negative; past this bound it is no design any more, and loads
// built from it would leave the range of the figures.
inline constexpr double kMaxComboRatio = 100.0;

inline bool is_combo_ratio(double ratio) {
    return ratio >= 0.0 && ratio <= kMaxComboRatio;
}

struct CoefficientSettings {
    int designStrength = 205;  // N/mm2, 205 or 235
    int maxDeckLength = 12000; // mm
    std::array<RatioRow, 2> comboRatio = {kStandardOrdinaryRatios, kStandardHeavySnowRatios};
};

} // namespace korvex::calc
