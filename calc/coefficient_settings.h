#pragma once

// The settings of the coefficient dialog: design strength, deck length limit and
// load-combination ratios. The calculation method the dialog also sets is the
// input window's layout mode and lives there.

#include "calc/design_inputs.h"

namespace korvex::calc {

inline constexpr RatioRow kStandardOrdinaryRatios = {1, 1, 0, 1, 1, 1, 0, 1, 1, 0, 1};
inline constexpr RatioRow kStandardHeavySnowRatios = {1, 1, 0.7, 1, 1, 1, 0, 1, 1, 0.35, 1};

struct CoefficientSettings {
    int designStrength = 205;  // N/mm2, 205 or 235
    int maxDeckLength = 12000; // mm
    std::array<RatioRow, 2> comboRatio = {kStandardOrdinaryRatios, kStandardHeavySnowRatios};
};

} // namespace korvex::calc
