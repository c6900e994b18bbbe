#include <gtest/gtest.h>

#include "common/number_parse.h"

namespace korvex::common {
namespace {

TEST(ParseInt, AcceptsSignedDecimalsWithinRange) {
    EXPECT_EQ(parse_int("2500"), 2500);
    EXPECT_EQ(parse_int(" -35 "), -35);
    EXPECT_EQ(parse_int("+7"), 7);
    EXPECT_EQ(parse_int("2147483647"), 2147483647);
    for (const char* bad : {"", " ", "abc", "12a", "1.5", "2147483648", "--1", "0x10"})
        EXPECT_FALSE(parse_int(bad)) << bad;
}

TEST(ParseDecimal, AcceptsPlainAndExponentForms) {
    EXPECT_EQ(parse_decimal("0.35"), 0.35);
    EXPECT_EQ(parse_decimal("1"), 1.0);
    EXPECT_EQ(parse_decimal(".5"), 0.5);
    EXPECT_EQ(parse_decimal("-2"), -2.0);
    EXPECT_EQ(parse_decimal("1.5E2"), 150.0);
    EXPECT_EQ(parse_decimal(" 127.6\t"), 127.6);
    for (const char* bad : {"", ".", "1.2.3", "abc", "1,5", "inf", "nan", "1e999", "0x1p3"})
        EXPECT_FALSE(parse_decimal(bad)) << bad;
}

} // namespace
} // namespace korvex::common
