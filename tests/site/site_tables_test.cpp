#include <gtest/gtest.h>

#include "common/text_encoding.h"
#include "site/site_tables.h"
#include "tests/site/site_fixture.h"

namespace korvex::site {
namespace {

using korvex::testing::DataFolder;
using korvex::testing::kFixtureAddressLines;
using korvex::testing::kFixtureZoneLines;

struct Loaded {
    SiteTables tables;
    SiteValues values;
    std::vector<std::string> areas;
    std::optional<SiteError> error;
};

Loaded load(const DataFolder& folder) {
    Loaded l;
    l.error = load_address_table(folder.path(), l.tables, l.values, l.areas);
    return l;
}

TEST(AddressTable, FirstPrefectureFillsAreasAndValues) {
    DataFolder folder;
    folder.write_fixture();
    Loaded l = load(folder);
    ASSERT_FALSE(l.error) << l.error->message;
    EXPECT_EQ(l.areas, (std::vector<std::string>{"札幌市", "小樽市"}));
    EXPECT_EQ(l.values.snowZone, 1);
    EXPECT_EQ(l.values.baseWindSpeed, 32);
    EXPECT_EQ(l.values.tableAltitude, 20);
    EXPECT_EQ(l.values.tableSnowDepth, 140);
    EXPECT_EQ(l.values.ruleFlag, 0);
    EXPECT_EQ(l.tables.addressRows.size(), kFixtureAddressLines.size());
    EXPECT_FALSE(l.tables.addressRows[0].hasNumbers); // the header names no prefecture
}

TEST(AddressTable, QuotedAreaNameAndAreaLookup) {
    DataFolder folder;
    folder.write_fixture();
    Loaded l = load(folder);
    ASSERT_FALSE(l.error);
    SiteValues values;
    std::vector<std::string> areas;
    fill_prefecture_areas(l.tables, "青森県", values, areas);
    EXPECT_EQ(areas, (std::vector<std::string>{"青森市", "弘前市 (旧岩木町)"}));
    const AddressRow* row = find_area_row(l.tables, "青森県", "弘前市 (旧岩木町)");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->snowZone, 7);
    EXPECT_EQ(row->tableSnowDepth, 60);
    EXPECT_EQ(find_area_row(l.tables, "北海道", "青森市"), nullptr);

    // A prefecture without rows leaves the values alone.
    values.baseWindSpeed = 99;
    fill_prefecture_areas(l.tables, "沖縄県", values, areas);
    EXPECT_TRUE(areas.empty());
    EXPECT_EQ(values.baseWindSpeed, 99);
}

TEST(AddressTable, ReadsByteOrderMarkedFilesLikeShiftJis) {
    std::string utf8;
    for (const auto& line : kFixtureAddressLines) utf8 += line + "\n";
    const std::string utf16le = korvex::testing::utf16le_with_bom(utf8);
    for (const std::string& bytes : {"\xEF\xBB\xBF" + utf8, utf16le}) {
        DataFolder folder;
        folder.write_bytes("Data_Address.csv", bytes);
        Loaded l = load(folder);
        ASSERT_FALSE(l.error) << l.error->message;
        EXPECT_EQ(l.areas, (std::vector<std::string>{"札幌市", "小樽市"}));
    }
}

TEST(AddressTable, BrokenFilesNameFileAndLine) {
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        int line;
        const char* says;
    };
    const Case cases[] = {
        {"too few fields",
         {kFixtureAddressLines[0], "1,さっぽろし,北海道,札幌市,1,32,20,140"},
         2,
         "8 個しかありません"},
        {"empty line", {kFixtureAddressLines[0], kFixtureAddressLines[1], ""}, 3, "空の行"},
        {"zone not a number",
         {kFixtureAddressLines[0], "1,さっぽろし,北海道,札幌市,x,32,20,140,0"},
         2,
         "「積雪区域」の値「x」が整数ではありません"},
        {"depth not a number",
         {kFixtureAddressLines[0], kFixtureAddressLines[1], "2,あ,青森県,青森市,1,34,5,1.5,0"},
         3,
         "「垂直積雪量」の値「1.5」"},
    };
    for (const auto& c : cases) {
        DataFolder folder;
        folder.write_lines("Data_Address.csv", c.lines);
        Loaded l = load(folder);
        ASSERT_TRUE(l.error) << c.what;
        EXPECT_EQ(l.error->file, "Data_Address.csv") << c.what;
        EXPECT_EQ(l.error->line, c.line) << c.what;
        EXPECT_NE(
            l.error->message.find("「Data_Address.csv」の " + std::to_string(c.line) + " 行目"),
            std::string::npos)
            << l.error->message;
        EXPECT_NE(l.error->message.find(c.says), std::string::npos) << l.error->message;
        EXPECT_TRUE(l.tables.addressRows.empty()) << c.what;
    }
}

// The office file is optional: without it no area has a point. A broken one
// stops start-up like the other shipped tables.
TEST(OfficeTable, ReadsPointsByAreaAndNamesTheBrokenLine) {
    DataFolder folder;
    folder.write_fixture();
    Loaded none = load(folder);
    ASSERT_FALSE(none.error);
    EXPECT_TRUE(none.tables.officeRows.empty());
    EXPECT_EQ(find_office_row(none.tables, "北海道", "札幌市"), nullptr);

    folder.write_lines(kOfficeFileName, korvex::testing::kFixtureOfficeLines);
    Loaded offices = load(folder);
    ASSERT_FALSE(offices.error);
    const OfficeRow* aomori = find_office_row(offices.tables, "青森県", "青森市");
    ASSERT_NE(aomori, nullptr);
    EXPECT_EQ(aomori->point, (sea::GeoPoint{40.82222222, 140.7475}));
    EXPECT_FALSE(aomori->currentMunicipality);
    EXPECT_TRUE(
        find_office_row(offices.tables, "青森県", "弘前市 (旧岩木町)")->currentMunicipality);
    EXPECT_EQ(find_office_row(offices.tables, "北海道", "小樽市"), nullptr);

    std::vector<std::string> broken = korvex::testing::kFixtureOfficeLines;
    broken[2] = "3,青森県,青森市,40.8,東経140度,0,青森市";
    folder.write_lines(kOfficeFileName, broken);
    Loaded refused = load(folder);
    ASSERT_TRUE(refused.error);
    EXPECT_NE(
        refused.error->message.find("「Data_Office.csv」の 3 行目：「経度」の値「東経140度」"),
        std::string::npos)
        << refused.error->message;
}

TEST(AddressTable, MissingAndUndecodableFiles) {
    DataFolder folder;
    Loaded missing = load(folder);
    ASSERT_TRUE(missing.error);
    EXPECT_NE(missing.error->message.find("「Data_Address.csv」が見つかりません"),
              std::string::npos);

    // 0x81 0x20 is no Shift_JIS character.
    folder.write_bytes("Data_Address.csv", "No,a,b,c,d,e,f,g,h\r\n1,x,\x81\x20,y,1,2,3,4,5\r\n");
    Loaded bad = load(folder);
    ASSERT_TRUE(bad.error);
    EXPECT_EQ(bad.error->line, 2);
    EXPECT_NE(bad.error->message.find("文字を読み取れません"), std::string::npos);
}

class SnowZones : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write_fixture();
        std::vector<std::string> areas;
        ASSERT_FALSE(load_address_table(folder.path(), tables, values, areas));
    }
    DataFolder folder;
    SiteTables tables;
    SiteValues values;
};

TEST_F(SnowZones, LastMatchingLineWins) {
    ASSERT_FALSE(load_snow_zone_table(tables, 2, values));
    EXPECT_TRUE(values.zoneRegistered);
    EXPECT_EQ(values.snowCoefA, 0.001);
    EXPECT_EQ(values.snowCoefB, 0.0);
    EXPECT_EQ(values.snowCoefC, 0.5);
    EXPECT_EQ(values.seaRatioRadius, 20);
    find_snow_zone(tables, 1, values);
    EXPECT_EQ(values.snowCoefB, -0.06);
    EXPECT_EQ(values.seaRatioRadius, 40);
}

TEST_F(SnowZones, UnknownZoneClearsTheCoefficients) {
    ASSERT_FALSE(load_snow_zone_table(tables, 3, values));
    find_snow_zone(tables, 7, values);
    EXPECT_FALSE(values.zoneRegistered);
    EXPECT_EQ(values.snowCoefA, 0.0);
    EXPECT_EQ(values.snowCoefB, 0.0);
    EXPECT_EQ(values.snowCoefC, 0.0);
    EXPECT_EQ(values.seaRatioRadius, 0);
}

TEST_F(SnowZones, FileIsReadAgainAndAFaultKeepsTheTable) {
    ASSERT_FALSE(load_snow_zone_table(tables, 1, values));
    folder.write_lines("Data_SnowfallV.csv", {"zone,alpha,beta,gamma,R", "1,0.002,0,0.3,15"});
    ASSERT_FALSE(load_snow_zone_table(tables, 1, values));
    EXPECT_EQ(values.snowCoefA, 0.002);
    EXPECT_EQ(values.seaRatioRadius, 15);

    auto lines = kFixtureZoneLines;
    lines.push_back("x9,0.1,0,0.3,15");
    folder.write_lines("Data_SnowfallV.csv", lines);
    const auto error = load_snow_zone_table(tables, 2, values);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->file, "Data_SnowfallV.csv");
    EXPECT_EQ(error->line, 7);
    EXPECT_NE(error->message.find("「積雪区域」の値「x9」"), std::string::npos) << error->message;
    EXPECT_EQ(values.snowCoefA, 0.002); // nothing applied
    ASSERT_EQ(tables.snowZoneRows.size(), 1u);

    folder.write_lines("Data_SnowfallV.csv", {"zone,alpha,beta,gamma,R", "1,0.002,0,0.3"});
    const auto short_line = load_snow_zone_table(tables, 1, values);
    ASSERT_TRUE(short_line);
    EXPECT_EQ(short_line->line, 2);
    folder.write_lines("Data_SnowfallV.csv", {"zone,alpha,beta,gamma,R", "1,0.0a2,0,0.3,15"});
    const auto bad_alpha = load_snow_zone_table(tables, 1, values);
    ASSERT_TRUE(bad_alpha);
    EXPECT_NE(bad_alpha->message.find("「α」の値「0.0a2」が数値ではありません"), std::string::npos);
}

} // namespace
} // namespace korvex::site
