#pragma once

// The settings of the coefficient dialog: design strength, deck length limit,
// load-combination ratios and the calculation method (layout).

#include "calc/design_inputs.h"

namespace korvex::calc {

inline constexpr RatioRow kStandardOrdinaryRatios = {1, 1, 0, 1, 1, 1, 0, 1, 1, 0, 1};
inline constexpr RatioRow kStandardHeavySnowRatios = {1, 1, 0.7, 1, 1, 1, 0, 1, 1, 0.35, 1};

struct CoefficientSettings {
    int designStrength = 205;  // N/mm2, 205 or 235
    int maxDeckLength = 12000; // mm
    std::array<RatioRow, 2> comboRatio = {kStandardOrdinaryRatios, kStandardHeavySnowRatios};
    int layoutMode = 0; // 0 loads derived, 1 wind and snow loads entered directly
};

} // namespace korvex::calc
