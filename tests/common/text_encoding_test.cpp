#include <gtest/gtest.h>

#include "common/text_encoding.h"

namespace korvex::common {
namespace {

TEST(Cp932, ByteLengthCountsFullWidthAsTwo) {
    EXPECT_EQ(cp932_byte_length("abc"), 3u);
    EXPECT_EQ(cp932_byte_length("《 計 算 結 果 》"), 17u);
    EXPECT_EQ(cp932_byte_length("ﾃﾞｯｷ幅600"), 9u);
    EXPECT_EQ(cp932_byte_length("N/㎡"), 4u);
}

TEST(Cp932, RoundTripAndRejection) {
    const std::string text = "Korvex for wood 北海道 札幌市 ①";
    const auto bytes = utf8_to_cp932(text);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->size(), cp932_byte_length(text));
    EXPECT_EQ(cp932_to_utf8(*bytes), text);
    EXPECT_FALSE(utf8_to_cp932("\xF0\x9F\x98\x80")); // an emoji has no CP932 form
    EXPECT_FALSE(cp932_to_utf8("\x81"));             // a lead byte without its trail
}

TEST(DecodeFileText, HonoursByteOrderMarks) {
    EXPECT_EQ(decode_file_text("\xEF\xBB\xBF"
                               "東京都"),
              "東京都");
    EXPECT_EQ(decode_file_text(std::string("\xFF\xFE\x71\x67\xAC\x4E", 6)), "東京");
    EXPECT_EQ(decode_file_text(std::string("\xFE\xFF\x67\x71\x4E\xAC", 6)), "東京");
    EXPECT_EQ(decode_file_text("\x93\x8C\x8B\x9E"), "東京");
    EXPECT_FALSE(decode_file_text("\xEF\xBB\xBF\xC3"));
}

TEST(SplitLines, AcceptsEveryLineBreak) {
    EXPECT_EQ(split_lines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(split_lines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(split_lines("").empty());
}

} // namespace
} // namespace korvex::common
