#include <gtest/gtest.h>

#include "common/number_text.h"

namespace korvex::common {
namespace {

struct FixedCase {
    double value;
    int width;
    int decimals;
    std::string expected;
};

TEST(FormatFixed, TruncatesGroupsAndPads) {
    const FixedCase cases[] = {
        {1234.567, 8, 2, "1,234.56"},
        {0.5, 6, 3, " 0.500"},
        {-0.25, 6, 3, "-0.250"},
        {-5.678, 6, 2, " -5.67"},
        {12, 5, 0, "  12"},
        {0, 6, 3, " 0.000"},
        {0, 5, 0, "   0.0"},
        {-1234.5, 8, 1, "-1,234.5"},
        {0.0004, 6, 3, " 0.000"},
        {12345678.9, 6, 1, "12,345,678.9"},
        {1.239, 6, 2, "  1.23"},
        // 0.29 * 100 is 28.999... in binary; the figure is 0.29.
        {0.29, 6, 2, "  0.29"},
        {2.985, 4, 2, "2.98"},
        {-1880, 10, 0, "   -1,880"},
        {9.6, 4, 1, " 9.6"},
        {-0.5, 4, 2, "-0.50"},
        // Below 1E-5 the figure stays in fixed notation.
        {-0.000001, 10, 6, " -0.000001"},
        {-0.0000012, 12, 7, "  -0.0000012"},
        // A runaway width pads no further than the widest field.
        {7, 1 << 30, 0, std::string(kWidestField - 2, ' ') + "7"},
        {7, -2147483647 - 1, 0, "7"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(format_fixed(c.value, c.width, c.decimals), c.expected)
            << c.value << ", " << c.width << ", " << c.decimals;
    }
}

TEST(FormatCount, PadsShortNumbersExtra) {
    EXPECT_EQ(format_count(0, 6), "       0"); // eight characters
    EXPECT_EQ(format_count(35, 6), "     35");
    EXPECT_EQ(format_count(600, 6), "   600");
    EXPECT_EQ(format_count(1250, 6), " 1,250");
    EXPECT_EQ(format_count(-35, 6), "   -35");
    EXPECT_EQ(format_count(1820, 5), "1,820");
    EXPECT_EQ(format_count(-1234567, 4), "-1,234,567");
    EXPECT_EQ(format_count(123, 1 << 30).size(), static_cast<std::size_t>(kWidestField));
}

TEST(FormatGrouped, RoundsHalfAwayFromZeroAndDropsFractionZeros) {
    struct Case {
        double value;
        int maxDecimals;
        bool integerZero;
        const char* expected;
    };
    const Case cases[] = {
        {1234567.4, 0, true, "1,234,567"},
        {-1234567.5, 0, true, "-1,234,568"},
        {-86400, 0, true, "-86,400"},
        {0.5, 2, false, ".5"},
        {0.5, 2, true, "0.5"},
        {-0.25, 2, false, "-.25"},
        // 12.345 is a binary hair below itself; its decimal text rounds up.
        {12.345, 2, false, "12.35"},
        {3.1, 2, false, "3.1"},
        {1999.996, 2, true, "2,000"},
        {0.004, 2, true, "0"},
        {-0.004, 2, false, "0"},
        {0, 2, false, "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(format_grouped(c.value, c.maxDecimals, c.integerZero), c.expected)
            << c.value << ", " << c.maxDecimals << ", " << c.integerZero;
    }
}

TEST(ShortestDecimal, GeneralFormWithoutTrailingZeros) {
    EXPECT_EQ(shortest_decimal(1), "1");
    EXPECT_EQ(shortest_decimal(0), "0");
    EXPECT_EQ(shortest_decimal(0.35), "0.35");
    EXPECT_EQ(shortest_decimal(0.7), "0.7");
    EXPECT_EQ(shortest_decimal(-0.25), "-0.25");
    EXPECT_EQ(shortest_decimal(205), "205");
    EXPECT_EQ(shortest_decimal(1.2), "1.2");
    EXPECT_EQ(shortest_decimal(0.1 + 0.2), "0.3");
    EXPECT_EQ(shortest_decimal(1234567.125), "1234567.125");
    EXPECT_EQ(shortest_decimal(0.00001), "0.00001");
    EXPECT_EQ(shortest_decimal(0.000001), "1E-6");
    EXPECT_EQ(shortest_decimal(-1e15), "-1E15");
}

TEST(Trim, RemovesBlanksAndControlBytesAtBothEnds) {
    EXPECT_EQ(trim("  1,250 \t"), "1,250");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim("a b"), "a b");
}

} // namespace
} // namespace korvex::common
