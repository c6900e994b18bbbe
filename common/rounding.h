#pragma once

// The truncation and rounding rules every figure of the calculation follows.
// Both helpers use floor, toward minus infinity, also for negative values:
// trunc_to(-1.234, 2) is -1.24. The whole number of steps is scaled back by the
// double 10^-n (not divided by 10^n), exactly as the figures are defined, so the
// last binary digit of every stored value is the defined one.

#include <cmath>

namespace korvex::common {

// The value of pi the calculation converts degrees and radians with.
inline constexpr double kPi = 3.1415926;

inline double power_of_ten(int places) {
    static constexpr double kPowers[] = {1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    return (places >= 0 && places < 10) ? kPowers[places] : std::pow(10.0, places);
}

// 10^-n as the double nearest to it (0.1, 0.01, ...).
inline double power_of_ten_inverse(int places) {
    static constexpr double kInverse[] = {1.0,  1e-1, 1e-2, 1e-3, 1e-4,
                                          1e-5, 1e-6, 1e-7, 1e-8, 1e-9};
    return (places >= 0 && places < 10) ? kInverse[places] : std::pow(10.0, -places);
}

// floor(x * 10^n) * 10^-n
inline double trunc_to(double x, int places) {
    return std::floor(x * power_of_ten(places)) * power_of_ten_inverse(places);
}

// floor(x * 10^n + 0.5) * 10^-n: half up, halves of negative values toward zero.
inline double round_to(double x, int places) {
    return std::floor(x * power_of_ten(places) + 0.5) * power_of_ten_inverse(places);
}

// A real becomes an integer by truncation toward zero.
inline int to_int(double x) {
    if (!(x > -2147483648.0)) return x != x ? 0 : -2147483647 - 1; // NaN gives 0
    if (!(x < 2147483648.0)) return 2147483647;
    return static_cast<int>(x);
}

} // namespace korvex::common
