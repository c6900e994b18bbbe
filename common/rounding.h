#pragma once

// The truncation and rounding rules every figure of the calculation follows.
// Both helpers use floor, toward minus infinity, also for negative values:
// trunc_to(-1.234, 2) is -1.24. The result is the nearest double to the decimal
// k / 10^n, so it prints back as that decimal.

#include <cmath>

namespace korvex::common {

// The value of pi the calculation converts degrees and radians with.
inline constexpr double kPi = 3.1415926;

inline double power_of_ten(int places) {
    static constexpr double kPowers[] = {1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    return (places >= 0 && places < 10) ? kPowers[places] : std::pow(10.0, places);
}

// floor(x * 10^n) / 10^n
inline double trunc_to(double x, int places) {
    const double p = power_of_ten(places);
    return std::floor(x * p) / p;
}

// floor(x * 10^n + 0.5) / 10^n: half up, halves of negative values toward zero.
inline double round_to(double x, int places) {
    const double p = power_of_ten(places);
    return std::floor(x * p + 0.5) / p;
}

// A real becomes an integer by truncation toward zero.
inline int to_int(double x) {
    if (!(x > -2147483648.0)) return x != x ? 0 : -2147483647 - 1; // NaN gives 0
    if (!(x < 2147483648.0)) return 2147483647;
    return static_cast<int>(x);
}

} // namespace korvex::common
