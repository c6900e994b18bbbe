#include <gtest/gtest.h>

#include "site/comma_text.h"

namespace korvex::site {
namespace {

TEST(CommaText, SplitsLikeTheDataFilesAreWritten) {
    struct Case {
        const char* line;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"1,札幌市,0,32", {"1", "札幌市", "0", "32"}},
        {"a b\tc", {"a", "b", "c"}},                             // blanks and tabs separate
        {"  a ,  b  ", {"a", "b"}},                              // blanks around commas vanish
        {"\"弘前市 (旧岩木町)\",7", {"弘前市 (旧岩木町)", "7"}}, // quoted blank stays
        {"\"a,b\",c", {"a,b", "c"}},                             // quoted comma stays
        {"\"say \"\"hi\"\"\",x", {"say \"hi\"", "x"}},           // doubled quote is one quote
        {"a,,b", {"a", "", "b"}},                                // empty field kept
        {"a,", {"a", ""}}, // trailing comma closes an empty field
        {",a", {"", "a"}},
        {"", {}},
        {"\"open", {"open"}}, // an unclosed quote runs to the end
        {"\"ab\"cd,e", {"ab", "cd", "e"}},
    };
    for (const auto& c : cases) EXPECT_EQ(split_comma_text(c.line), c.fields) << c.line;
}

} // namespace
} // namespace korvex::site
