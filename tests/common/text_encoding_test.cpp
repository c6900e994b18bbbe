#include <gtest/gtest.h>

#include <iconv.h>

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

// The shipped table against the system's converter it was made from: every
// single byte, every lead and trail byte pair, and every character of the Basic
// Multilingual Plane convert alike, valid or not.
namespace korvex::common {
namespace {

std::optional<std::string> system_convert(std::string_view input, const char* from,
                                          const char* to) {
    iconv_t cd = iconv_open(to, from);
    std::string output(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t in_left = input.size();
    char* out = output.data();
    std::size_t out_left = output.size();
    const bool ok = iconv(cd, &in, &in_left, &out, &out_left) != static_cast<std::size_t>(-1) &&
                    iconv(cd, nullptr, nullptr, &out, &out_left) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (!ok) return std::nullopt;
    output.resize(output.size() - out_left);
    return output;
}

TEST(Cp932Table, ConvertsEveryByteSequenceAndCharacterAsTheSystemConverter) {
    int differences = 0;
    for (int lead = 0; lead < 256; ++lead) {
        const std::string single(1, static_cast<char>(lead));
        if (cp932_to_utf8(single) != system_convert(single, "CP932", "UTF-8")) ++differences;
        for (int trail = 0; trail < 256; ++trail) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            if (cp932_to_utf8(pair) != system_convert(pair, "CP932", "UTF-8")) {
                if (++differences < 5) ADD_FAILURE() << std::hex << lead << ' ' << trail;
            }
        }
    }
    for (char32_t cp = 1; cp <= 0xFFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        std::string utf8;
        if (cp < 0x80) {
            utf8 = std::string(1, static_cast<char>(cp));
        } else if (cp < 0x800) {
            utf8 = {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
        } else {
            utf8 = {static_cast<char>(0xE0 | (cp >> 12)),
                    static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                    static_cast<char>(0x80 | (cp & 0x3F))};
        }
        if (utf8_to_cp932(utf8) != system_convert(utf8, "UTF-8", "CP932")) {
            if (++differences < 10) ADD_FAILURE() << "U+" << std::hex << static_cast<long>(cp);
        }
    }
    EXPECT_EQ(differences, 0);
}

TEST(Cp932Table, RefusesWhatIsNotStrictUtf8) {
    for (const std::string bad :
         {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE3\x81", "\x80", "\xFF"})
        EXPECT_FALSE(utf8_to_cp932(bad)) << bad;
    EXPECT_EQ(utf8_to_cp932("㎡①～"), std::string("\x87\x75\x87\x40\x81\x60"));
}

} // namespace
} // namespace korvex::common
