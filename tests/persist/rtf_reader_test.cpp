#include <gtest/gtest.h>

#include "persist/rtf_reader.h"

namespace korvex::persist {
namespace {

// "概要" as \'hh bytes of code page 932, "計算" as \uN with '?' fallbacks.
constexpr const char* kFixture =
    "{\\rtf1\\ansi\\ansicpg932\\deff0"
    "{\\fonttbl{\\f0\\fnil\\fcharset128 IPAGothic;}}"
    "{\\colortbl;\\red0\\green0\\blue0;\\red204\\green0\\blue68;}"
    "{\\*\\generator Hand;}"
    "\\pard\\qc\\b\\fs32 \\'8a\\'54\\'97\\'76\\b0\\fs24\\par\n"
    "\\pard Plain \\i italic\\i0  and \\cf2 red\\cf0 .\\line next\\par\n"
    "\\u35336?\\u31639? {\\ul under}\\ulnone  {\\*\\unknown hidden} end\\par}";

TEST(RtfReader, ReadsStylesTextAndParagraphs) {
    const auto doc = read_rtf(kFixture);
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->paragraphs.size(), 3u);

    const RtfParagraph& title = doc->paragraphs[0];
    EXPECT_EQ(title.alignment, RtfAlignment::centre);
    ASSERT_EQ(title.runs.size(), 1u);
    EXPECT_EQ(title.runs[0].text, "概要");
    EXPECT_TRUE(title.runs[0].style.bold);
    EXPECT_EQ(title.runs[0].style.halfPoints, 32);

    const RtfParagraph& body = doc->paragraphs[1];
    EXPECT_EQ(body.alignment, RtfAlignment::left);
    std::string all;
    for (const auto& run : body.runs) all += run.text;
    EXPECT_EQ(all, "Plain italic and red.\nnext");
    ASSERT_GE(body.runs.size(), 4u);
    EXPECT_TRUE(body.runs[1].style.italic);
    EXPECT_EQ(body.runs[3].text, "red");
    EXPECT_EQ(body.runs[3].style.colour, 0xCC0044u);

    const RtfParagraph& last = doc->paragraphs[2];
    std::string text;
    for (const auto& run : last.runs) text += run.text;
    EXPECT_EQ(text, "計算 under  end");
    bool underlined = false;
    for (const auto& run : last.runs) underlined |= run.text == "under" && run.style.underline;
    EXPECT_TRUE(underlined);
}

TEST(RtfReader, RejectsOtherFilesAndSurvivesBrokenOnes) {
    EXPECT_FALSE(read_rtf("plain text"));
    EXPECT_FALSE(read_rtf(""));
    // Unbalanced groups, a truncated escape and a lone lead byte are not fatal.
    const auto doc = read_rtf("{\\rtf1 {{{ text }}}}}}} \\'8 \\'81 tail \\u");
    ASSERT_TRUE(doc);
    ASSERT_FALSE(doc->paragraphs.empty());
    const std::string deep = "{\\rtf1" + std::string(10000, '{') + "x" + std::string(10000, '}');
    ASSERT_TRUE(read_rtf(deep));
    EXPECT_EQ(read_rtf(deep)->paragraphs.at(0).runs.at(0).text, "x");
}

} // namespace
} // namespace korvex::persist
