#pragma once

// The one rounding rule of every figure of the calculation and the report.
//
// A figure is a decimal number: −0.8 × 3.0 is −2.40 and 788.8 × −2.5 is −1972,
// even where the binary double lands a hair beside the whole number of steps.
// Every truncation and rounding therefore scales the value to whole steps,
// takes a scaled value within binary noise of a whole number as that whole
// number, and only then floors. The result is the double nearest the decimal
// result: the whole number of steps divided by 10^n (never multiplied by the
// inexact 10^-n).
//
// Truncation floors toward minus infinity, also for negative values:
// trunc_to(-1.234, 2) is -1.24. Rounding is half up (halves of negative values
// go toward zero). A negative number of places rounds to tens, hundreds, ...:
// round_to(-1250000, -5) is -1200000.

#include <cmath>

namespace korvex::common {

// The value of pi the calculation converts degrees and radians with.
inline constexpr double kPi = 3.1415926;

// How far a scaled value may lie from a whole number and still stand for it,
// relative to max(1, |value|): far above the noise of a few binary operations,
// far below any difference a figure could mean.
inline constexpr double kDecimalNoise = 1e-9;

inline double power_of_ten(int places) {
    static constexpr double kPowers[] = {1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    return (places >= 0 && places < 10) ? kPowers[places] : std::pow(10.0, places);
}

// The whole number nearest to x, halves to the even one: std::nearbyint in the
// default rounding mode, without its library call. The rule runs in the inner
// loops of the span scans, where that call would cost more than the scan.
inline double nearest_whole(double x) {
    const double below = std::floor(x);
    const double rest = x - below;
    const double whole = rest < 0.5   ? below
                         : rest > 0.5 ? below + 1.0
                         : std::floor(below * 0.5) * 2.0 == below ? below
                                                                  : below + 1.0;
    // -0.3 comes to -0, as nearbyint has it.
    return std::copysign(whole, x);
}

// The whole number a scaled value stands for, when it lies within binary noise
// of one; otherwise the value itself.
inline double snap_to_whole(double scaled) {
    const double whole = nearest_whole(scaled);
    const double magnitude = std::fabs(scaled);
    const double tolerance = kDecimalNoise * (magnitude > 1.0 ? magnitude : 1.0);
    return std::fabs(scaled - whole) <= tolerance ? whole : scaled;
}

// floor of a scaled value, read as the decimal it stands for: the whole number
// just above it when the value lies within binary noise under that one.
inline double decimal_floor(double scaled) {
    const double magnitude = std::fabs(scaled);
    const double tolerance = kDecimalNoise * (magnitude > 1.0 ? magnitude : 1.0);
    // Values this large have no room for a fraction the noise could hide.
    if (!(tolerance < 0.5)) return std::floor(snap_to_whole(scaled));
    const double below = std::floor(scaled);
    const double above = below + 1.0;
    // The same test as snap_to_whole's, in one floor; -0.3 floors to -1 and
    // -1e-12 to -0.
    return std::copysign(above - scaled <= tolerance ? above : below, scaled);
}

namespace detail {

inline double to_steps(double x, int places) {
    return places >= 0 ? x * power_of_ten(places) : x / power_of_ten(-places);
}

inline double from_steps(double steps, int places) {
    return places >= 0 ? steps / power_of_ten(places) : steps * power_of_ten(-places);
}

} // namespace detail

// x truncated (floored) to `places` decimals. Truncation keeps the order of
// values (a <= b gives trunc_to(a) <= trunc_to(b)), so the extreme of truncated
// values is the truncated extreme, and a scan need not truncate a value that
// does not pass the extreme it has.
inline double trunc_to(double x, int places) {
    return detail::from_steps(decimal_floor(detail::to_steps(x, places)), places);
}

// x rounded half up to `places` decimals.
inline double round_to(double x, int places) {
    return detail::from_steps(decimal_floor(detail::to_steps(x, places) + 0.5), places);
}

// x truncated toward zero to `places` decimals (the report's number texts).
inline double trunc_toward_zero(double x, int places) {
    const double steps = decimal_floor(detail::to_steps(std::fabs(x), places));
    const double magnitude = detail::from_steps(steps, places);
    return x < 0 ? -magnitude : magnitude;
}

// A real becomes an integer by truncation toward zero, of the decimal it
// stands for.
inline int to_int(double x) {
    if (x != x) return 0; // NaN gives 0
    x = snap_to_whole(x);
    if (!(x > -2147483648.0)) return -2147483647 - 1;
    if (!(x < 2147483648.0)) return 2147483647;
    return static_cast<int>(x);
}

} // namespace korvex::common
