#pragma once

// The design loads of one calculation and the three load cases built from them.

#include <array>
#include <string>

#include "calc/design_codes.h"

namespace korvex::calc {

inline constexpr int kCaseCount = 3; // 0 long-term, 1 short-term snow, 2 short-term storm

struct LoadSet {
    int deadAndLiveLoad = 0; // G + P, N/m2
    int snowLoad = 0;        // S after the increase, N/m2
    int windPositive = 0;    // W+, N/m2
    int windNegative = 0;    // W-, N/m2 (negative)
    // Positive pressure on the wall below a cantilever that the negative-pressure
    // case subtracts from W- on the cantilever. Derived loads only: with loads
    // entered directly it is 0, so the result never depends on an earlier run.
    double wallPressure = 0.0;
    bool heavySnowRatios = false;
    std::array<double, kCaseCount> ratioGP{};
    std::array<double, kCaseCount> ratioP{};
    std::array<double, kCaseCount> ratioS{};
    std::array<double, kCaseCount> ratioW{};
    std::array<double, kCaseCount> caseLoad{};
    std::array<std::string, kCaseCount> caseText;
    WindPass windPass = WindPass::positive;
};

// Total load and formula text of case k for the current wind pass, e.g.
// "G+P+0.35S+1W(正)".
void build_case(int k, LoadSet& loads);

// build_case for k = 0, 1, 2.
void build_cases(LoadSet& loads);

} // namespace korvex::calc
