#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

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

// Values at the edges the rule turns on: whole steps, halves, and the noise
// tolerance on both sides of a whole step, small and large, of both signs, with
// their neighbouring doubles; and a seeded spread of others.
std::vector<double> edge_values() {
    std::vector<double> values = {0.0, -0.0, 1e-320, -1e-320, 4.5e15, -4.5e15, 9.1e15,
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity()};
    for (const double whole : {0.0, 1.0, 2.0, 7.0, 1972.0, 1e6, 4.99e8, 5e8, 5.01e8, 1e12}) {
        for (const double sign : {1.0, -1.0}) {
            const double w = sign * whole;
            const double tolerance = 1e-9 * std::fmax(1.0, std::fabs(w));
            for (const double at : {w, w + 0.5, w - 0.5, w + tolerance, w - tolerance,
                                    w + 2 * tolerance, w - 2 * tolerance, w + 0.3, w - 0.7}) {
                double v = at;
                for (int i = 0; i < 3; ++i) v = std::nextafter(v, -HUGE_VAL);
                for (int i = 0; i < 7; ++i, v = std::nextafter(v, HUGE_VAL)) values.push_back(v);
            }
        }
    }
    std::mt19937_64 random(1454);
    std::uniform_real_distribution<double> spread(-1e7, 1e7);
    for (int i = 0; i < 20000; ++i) values.push_back(spread(random));
    return values;
}

bool same_double(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The scans floor in their inner loops with a quicker form of the rule; it must
// give what the rule defines to the last bit, the sign of zero included.
TEST(Rounding, TheQuickFloorIsTheDefinedOne) {
    for (const double v : edge_values()) {
        EXPECT_PRED2(same_double, nearest_whole(v), std::nearbyint(v)) << v;
        EXPECT_PRED2(same_double, decimal_floor(v), std::floor(snap_to_whole(v))) << v;
    }
}

// The scans truncate only the values that pass their extremes: that is sound
// only while truncation never turns the order of two values round.
TEST(Rounding, TruncationKeepsOrder) {
    std::vector<double> values = edge_values();
    std::sort(values.begin(), values.end());
    for (const int places : {0, 4}) {
        for (std::size_t i = 1; i < values.size(); ++i)
            ASSERT_LE(trunc_to(values[i - 1], places), trunc_to(values[i], places))
                << values[i - 1] << " and " << values[i] << " to " << places << " places";
    }
}

} // namespace
} // namespace korvex::common
