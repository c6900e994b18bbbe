#include <gtest/gtest.h>

#include "common/number_text.h"
#include "common/rounding.h"

namespace korvex::common {
namespace {

// Figures whose decimal value lies exactly on a step, where the binary double
// lands a hair beside it: each must come out as the decimal figure.
TEST(Rounding, WorksOnTheDecimalValueTheDoubleStandsFor) {
    struct Case {
        const char* what;
        double got;
        double expected;
    };
    const Case cases[] = {
        {"canopy -0.8 x 3.0 to 2 decimals", trunc_to(-0.8 * 3.0, 2), -2.40},
        {"ridge end at 15 degrees", trunc_to(-3.2 + (-5.4 + 3.2) * 0.5, 3), -4.30},
        {"q 788.8 to 1 decimal", trunc_to(788.8000000000001, 1), 788.8},
        {"788.8 x -2.5 floored", trunc_to(788.8 * -2.5, 0), -1972.0},
        {"788.8000000000001 x -2.5 floored", trunc_to(788.8000000000001 * -2.5, 0), -1972.0},
        {"-1 250 000 half up to 100 000", round_to(-1250000.0, -5), -1200000.0},
        {"1 250 000 half up to 100 000", round_to(1250000.0, -5), 1300000.0},
        {"1.005 half up to 2 decimals", round_to(1.005, 2), 1.01},
        {"0.29 truncated to 2 decimals", trunc_to(0.29, 2), 0.29},
        {"-64 499.9 half up to 1 000", round_to(-64499.9, -3), -64000.0},
        // Far from a step nothing moves, and floor stays toward minus infinity.
        {"1.239 truncated", trunc_to(1.239, 2), 1.23},
        {"-1.231 truncated", trunc_to(-1.231, 2), -1.24},
        {"2.9999 truncated", trunc_to(2.9999, 0), 2.0},
        {"-2.5 half up", round_to(-2.5, 0), -2.0},
        {"2.5 half up", round_to(2.5, 0), 3.0},
        {"1 234 567 half up to 100 000", round_to(1234567.0, -5), 1200000.0},
        {"0.793979 truncated to 5", trunc_to(0.793979, 5), 0.79397},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST(Rounding, TheResultIsTheDoubleNearestTheDecimal) {
    // 4372 x 0.1 is 437.20000000000005; the figure is 437.2.
    EXPECT_EQ(trunc_to(437.23, 1), 437.2);
    EXPECT_NE(trunc_to(437.23, 1), 4372 * 0.1);
    EXPECT_EQ(trunc_to(0.00723, 4), 0.0072);
}

TEST(Rounding, RealToIntegerTruncatesTowardZero) {
    EXPECT_EQ(to_int(1000.9), 1000);
    EXPECT_EQ(to_int(-3.7), -3);
    EXPECT_EQ(to_int(2.9999999999999996), 3);
    EXPECT_EQ(to_int(-1971.9999999999998), -1972);
    EXPECT_EQ(to_int(1e12), 2147483647);
    EXPECT_EQ(to_int(-1e12), -2147483647 - 1);
    EXPECT_EQ(to_int(0.0 / 0.0), 0);
}

TEST(Rounding, NumberTextsKeepTheLastDigit) {
    EXPECT_EQ(format_fixed(0.29, 6, 2), "  0.29");
    // 0.7 x 3.0 is 2.0999999999999996 in binary.
    EXPECT_EQ(format_fixed(0.7 * 3.0, 6, 1), "   2.1");
    EXPECT_EQ(format_fixed(-0.7 * 3.0, 6, 2), " -2.10");
    EXPECT_EQ(format_grouped(1.005, 2, true), "1.01");
}

} // namespace
} // namespace korvex::common
