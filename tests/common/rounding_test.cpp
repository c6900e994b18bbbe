#include <gtest/gtest.h>

#include "common/rounding.h"

namespace korvex::common {
namespace {

TEST(Rounding, FloorTowardMinusInfinityForBothSigns) {
    EXPECT_DOUBLE_EQ(trunc_to(1.239, 2), 1.23);
    EXPECT_DOUBLE_EQ(trunc_to(-1.231, 2), -1.24);
    EXPECT_DOUBLE_EQ(round_to(1.005 + 1e-9, 2), 1.01);
    EXPECT_DOUBLE_EQ(round_to(-2.5, 0), -2.0);
    EXPECT_DOUBLE_EQ(round_to(2.5, 0), 3.0);
    // The whole steps are scaled back by the double 10^-n, not divided by 10^n.
    EXPECT_EQ(trunc_to(437.23, 1), 4372 * 0.1);
    EXPECT_EQ(trunc_to(0.793979, 5), 79397 * 0.00001);
    // -1250000 x 0.00001 is -12.500000000000002 in binary, so a root moment of
    // -1 250 000 N·mm rounds to -1 300 000, as the figures define it.
    EXPECT_EQ(round_to(-1250000 * 0.00001, 0) * 100000, -1300000);
}

TEST(Rounding, RealToIntegerTruncatesTowardZero) {
    EXPECT_EQ(to_int(1000.9), 1000);
    EXPECT_EQ(to_int(-3.7), -3);
    EXPECT_EQ(to_int(1e12), 2147483647);
    EXPECT_EQ(to_int(-1e12), -2147483647 - 1);
    EXPECT_EQ(to_int(0.0 / 0.0), 0);
}

} // namespace
} // namespace korvex::common
