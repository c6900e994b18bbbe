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
    // The result is the double nearest to the decimal, so it prints back as it.
    EXPECT_EQ(trunc_to(437.23, 1), 437.2);
    EXPECT_EQ(round_to(12.5 * 0.01 * 100, 2), 12.5);
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
