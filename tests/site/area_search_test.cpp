#include <gtest/gtest.h>

#include "site/area_search.h"
#include "tests/site/site_fixture.h"

namespace korvex::site {
namespace {

class AreaSearch : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write_fixture();
        SiteValues values;
        std::vector<std::string> areas;
        ASSERT_FALSE(load_address_table(folder.path(), tables, values, areas));
        // A user's town comes after the shipped rows but belongs to its prefecture.
        AddressRow town;
        town.fields = {"-", "にせこちょう", "北海道", "ニセコ町", "0", "32", "-1", "-1", "0"};
        town.origin = calc::ValueSource::user;
        town.hasNumbers = true;
        tables.addressRows.push_back(town);
    }

    std::vector<std::string> found(const std::string& text, std::size_t limit = 10) const {
        std::vector<std::string> names;
        for (const AreaMatch& m : find_areas(tables, text, limit))
            names.push_back(m.prefectureName + " " + m.areaName);
        return names;
    }

    korvex::testing::DataFolder folder;
    SiteTables tables;
};

TEST_F(AreaSearch, FindsByAnyPartOfTheNameOrTheReading) {
    using Names = std::vector<std::string>;
    struct Case {
        const char* text;
        Names expected;
    };
    const Case cases[] = {
        {"札幌", {"北海道 札幌市"}},
        {"さっぽろ", {"北海道 札幌市"}},
        {"サッポロ", {"北海道 札幌市"}}, // katakana reads as hiragana
        {" 樽 ", {"北海道 小樽市"}},     // blanks around do not count
        {"にせこ", {"北海道 ニセコ町"}}, // and a katakana name is found by its reading
        // Those that begin with the text first, then prefecture order.
        {"もり", {"岩手県 盛岡市", "青森県 青森市"}},
        {"町", {"北海道 ニセコ町", "青森県 弘前市 (旧岩木町)"}},
        {"市",
         {"北海道 札幌市", "北海道 小樽市", "青森県 青森市", "青森県 弘前市 (旧岩木町)",
          "岩手県 盛岡市"}},
        {"大阪", {}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(found(c.text), c.expected) << c.text;
    EXPECT_EQ(found("市", 2), (Names{"北海道 札幌市", "北海道 小樽市"}));

    const auto match = find_areas(tables, "ひろさき", 5);
    ASSERT_EQ(match.size(), 1u);
    EXPECT_EQ(match[0].prefectureIndex, 1u);
    EXPECT_EQ(match[0].reading, "ひろさきし");
    EXPECT_EQ(to_hiragana("アイウ・ヴァー漢字abc"), "あいう・ゔぁー漢字abc");
}

} // namespace
} // namespace korvex::site
