#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/json.h"

namespace korvex::common {
namespace {

// The figures of every committed example's JSON were written in these forms; the
// browser edition must write the same bytes.
TEST(JsonNumber, ShortestFormThatReadsBack) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {-99999.0, "-99999"},
        {1000000000000000.0, "1000000000000000"},
        {9007199254740992.0, "9007199254740992"},
        {1e16, "1e+16"},
        {12345678901234567.0, "12345678901234568"},
        {0.1, "0.1"},
        {0.001, "0.001"},
        {0.0001234, "0.0001234"},
        {1e-4, "1e-04"},
        {1.5e-5, "1.5e-05"},
        {0.30000000000000004, "0.30000000000000004"},
        {628.4110000000001, "628.4110000000001"},
        {1.7976931348623157e308, "1.7976931348623157e+308"},
        {5e-324, "5e-324"},
        {std::numeric_limits<double>::quiet_NaN(), "null"},
        {-std::numeric_limits<double>::infinity(), "null"},
    };
    for (const Case& c : cases) EXPECT_EQ(json_number_text(c.value), c.text) << c.text;
}

TEST(JsonDocument, SortedKeysIndentedAndEscaped) {
    const JsonObject document{
        {"b", JsonArray{1, "x"}},          {"a", JsonObject{}}, {"B", JsonArray{}},
        {"text", "\"\\/\n\t\x01\x7f日本"}, {"none", nullptr},   {"yes", true},
    };
    EXPECT_EQ(to_json_text(document), "{\n"
                                      "    \"B\": [\n"
                                      "    ],\n"
                                      "    \"a\": {\n"
                                      "    },\n"
                                      "    \"b\": [\n"
                                      "        1,\n"
                                      "        \"x\"\n"
                                      "    ],\n"
                                      "    \"none\": null,\n"
                                      "    \"text\": \"\\\"\\\\/\\n\\t\\u0001\x7f日本\",\n"
                                      "    \"yes\": true\n"
                                      "}\n");
}

} // namespace
} // namespace korvex::common
