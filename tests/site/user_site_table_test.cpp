#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/text_encoding.h"
#include "site/comma_text.h"
#include "site/user_site_table.h"
#include "tests/site/site_fixture.h"

namespace korvex::site {
namespace {

namespace fs = std::filesystem;
using calc::ValueSource;

// The shipped fixture, and the user's folder beside it.
class UserSiteTable : public ::testing::Test {
protected:
    void SetUp() override {
        shipped.write_fixture();
        fs::create_directories(user());
    }

    fs::path user() const { return shipped.path() / "user"; }

    void write_user(const std::string& name, const std::vector<std::string>& lines) const {
        std::string text;
        for (const auto& line : lines) text += line + "\r\n";
        write_user_bytes(name, common::utf8_to_cp932(text).value());
    }

    void write_user_bytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(user() / name, std::ios::binary | std::ios::trunc) << bytes;
    }

    std::string bytes_of(const fs::path& file) const {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Start-up as the program does it: address table, then the first area's zone.
    SiteTables load(SiteValues& values, std::vector<std::string>& areas) const {
        SiteTables tables;
        tables.userFolder = user();
        const auto error = load_address_table(shipped.path(), tables, values, areas);
        EXPECT_FALSE(error) << error->message;
        EXPECT_FALSE(load_snow_zone_table(tables, values.snowZone, values));
        return tables;
    }

    korvex::testing::DataFolder shipped;
};

TEST_F(UserSiteTable, UserRowsOverrideTheShippedOnesAndAddNewOnes) {
    write_user(kAddressFileName,
               {kUserAddressHeader,
                "1,さっぽろし,北海道,札幌市,9,34,15,150,0,-,01,011002,V0,\"札幌市 建築指導課\"",
                "-,にせこちょう,北海道,ニセコ町,0,32,-1,180,9,-,01,-,user,町の資料"});
    write_user(kSnowZoneFileName,
               {kUserZoneHeader, "9,0.0021,-1.19,1.16,20,細則第15条", "1,0.001,0,0.5,30,"});
    SiteValues values;
    std::vector<std::string> areas;
    SiteTables tables = load(values, areas);

    // 札幌市 keeps its place in the list; the new town comes after the shipped ones.
    EXPECT_EQ(areas, (std::vector<std::string>{"札幌市", "小樽市", "ニセコ町"}));
    EXPECT_EQ(values.baseWindSpeed, 34);
    EXPECT_EQ(values.snowZone, 9);
    EXPECT_EQ(values.tableAltitude, 15);
    EXPECT_EQ(values.tableSnowDepth, 150);
    EXPECT_EQ(values.snowCoefA, 0.0021);
    EXPECT_EQ(values.seaRatioRadius, 20);
    EXPECT_EQ(values.sources,
              (calc::SiteSources{ValueSource::user, ValueSource::user, ValueSource::user,
                                 ValueSource::user, ValueSource::user}));
    const AddressRow* sapporo = find_area_row(tables, "北海道", "札幌市");
    ASSERT_NE(sapporo, nullptr);
    EXPECT_EQ(sapporo->sourceNote, "札幌市 建築指導課");
    EXPECT_EQ(find_zone_row(tables, 9)->sourceNote, "細則第15条");

    // A zone row overrides the shipped zone of its number; the other areas keep
    // the shipped table as their source.
    const AddressRow* otaru = find_area_row(tables, "北海道", "小樽市");
    ASSERT_NE(otaru, nullptr);
    apply_address_row(*otaru, values);
    find_snow_zone(tables, 4, values);
    EXPECT_EQ(values.sources.baseWindSpeed, ValueSource::table);
    EXPECT_EQ(values.sources.tableAltitude, ValueSource::none);
    EXPECT_EQ(values.sources.snowCoefficients, ValueSource::table);
    find_snow_zone(tables, 1, values);
    EXPECT_EQ(values.snowCoefC, 0.5);
    EXPECT_EQ(values.sources.snowCoefficients, ValueSource::user);
    EXPECT_TRUE(take_user_notices(tables).empty());
}

// The office points: the user's row moves 札幌市's point and gives a new area
// one; a faulty file is told with its line and left out whole.
TEST_F(UserSiteTable, UserOfficeRowsMoveAndAddPoints) {
    shipped.write_lines(kOfficeFileName, korvex::testing::kFixtureOfficeLines);
    write_user(kOfficeFileName,
               {kUserOfficeHeader, "1,北海道,札幌市,43.0,141.3,0,,\"区役所 の 位置\"",
                "-,北海道,ニセコ町,42.8048,140.6874,,,"});
    SiteValues values;
    std::vector<std::string> areas;
    SiteTables tables = load(values, areas);
    const OfficeRow* sapporo = find_office_row(tables, "北海道", "札幌市");
    ASSERT_NE(sapporo, nullptr);
    EXPECT_EQ(sapporo->point, (sea::GeoPoint{43.0, 141.3}));
    EXPECT_EQ(sapporo->origin, ValueSource::user);
    EXPECT_EQ(sapporo->sourceNote, "区役所 の 位置");
    ASSERT_NE(find_office_row(tables, "北海道", "ニセコ町"), nullptr);
    const OfficeRow* hirosaki = find_office_row(tables, "青森県", "弘前市 (旧岩木町)");
    ASSERT_NE(hirosaki, nullptr);
    EXPECT_TRUE(hirosaki->currentMunicipality);
    EXPECT_EQ(hirosaki->origin, ValueSource::table);
    EXPECT_TRUE(take_user_notices(tables).empty());

    write_user(kOfficeFileName,
               {kUserOfficeHeader, "1,北海道,札幌市,43.0,141.3", "2,北海道,小樽市,北緯43度,141.0"});
    tables = load(values, areas);
    EXPECT_EQ(find_office_row(tables, "北海道", "札幌市")->origin, ValueSource::table);
    const auto notices = take_user_notices(tables);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].message.find("3 行目：「緯度」の値「北緯43度」"), std::string::npos)
        << notices[0].message;
}

// A user's note may name another prefecture; the row still belongs to its own.
TEST_F(UserSiteTable, TheNoteNamesNoPrefecture) {
    write_user(kAddressFileName, {kUserAddressHeader,
                                  "-,あ,青森県,新町,0,32,-1,-1,0,-,02,-,user,東京都の資料による"});
    SiteValues values;
    std::vector<std::string> areas;
    SiteTables tables = load(values, areas);
    fill_prefecture_areas(tables, "東京都", values, areas);
    EXPECT_TRUE(areas.empty());
    fill_prefecture_areas(tables, "青森県", values, areas);
    EXPECT_EQ(areas.back(), "新町");
}

struct FaultyFile {
    const char* name;
    const char* file;
    std::string secondLine; // after a valid header
    int line;
    const char* says;
};

// Every fault leaves the whole user file out, tells it once with the file and
// the line, changes nothing of the file, and the shipped data still loads.
TEST_F(UserSiteTable, AFaultyUserFileIsToldOnceAndLeftOut) {
    const FaultyFile cases[] = {
        {"too few fields", kAddressFileName, "1,さっぽろし,北海道,札幌市,1,34", 2, "項目が 6 個"},
        {"V0 no number", kAddressFileName, "1,さっぽろし,北海道,札幌市,1,強い,20,140,0", 2,
         "「基準風速V0」の値「強い」が整数ではありません"},
        {"marker no number", kAddressFileName, "1,さっぽろし,北海道,札幌市,1,34,20,140,x", 2,
         "「細則の有無」"},
        {"unknown prefecture", kAddressFileName, "1,さっぽろし,北海島,札幌市,1,34,20,140,0", 2,
         "「北海島」は都道府県名ではありません"},
        {"zone too few fields", kSnowZoneFileName, "1,0.001,0,0.5", 2, "項目が 4 個"},
        {"zone number no number", kSnowZoneFileName, "一,0.001,0,0.5,30", 2,
         "「積雪区域」の値「一」が整数ではありません"},
        {"gamma no number", kSnowZoneFileName, "1,0.001,0,0.5m,30", 2, "「γ」の値「0.5m」"},
        {"R no whole number", kSnowZoneFileName, "1,0.001,0,0.5,4.5", 2, "「R」の値「4.5」"},
        {"zone 0", kSnowZoneFileName, "0,0.001,0,0.5,30", 2, "0 は「区域不明」"},
        {"not text", kAddressFileName, std::string("1,\0\x01\x02,abc", 9), 2,
         "テキストファイルではありません"},
        {"undecodable", kSnowZoneFileName, "1,0.001,0,0.5,\xFF\xFE", 2, "文字を読み取れません"},
    };
    for (const FaultyFile& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(user());
        fs::create_directories(user());
        const bool address = std::string(c.file) == kAddressFileName;
        const std::string header = address ? kUserAddressHeader : kUserZoneHeader;
        // The header goes through Shift_JIS; the faulty line as raw bytes.
        const std::string bytes = common::utf8_to_cp932(header + "\r\n").value() +
                                  (common::utf8_to_cp932(c.secondLine).value_or(c.secondLine)) +
                                  "\r\n";
        write_user_bytes(c.file, bytes);

        SiteValues values;
        std::vector<std::string> areas;
        SiteTables tables = load(values, areas);
        EXPECT_EQ(areas, (std::vector<std::string>{"札幌市", "小樽市"}));
        EXPECT_EQ(values.sources.baseWindSpeed, ValueSource::table);
        EXPECT_EQ(find_area_row(tables, "北海道", "札幌市")->origin, ValueSource::table);
        EXPECT_EQ(find_zone_row(tables, 1)->origin, ValueSource::table);

        // Reading the zones again (every prefecture choice) tells nothing new.
        EXPECT_FALSE(load_snow_zone_table(tables, 1, values));
        const auto notices = take_user_notices(tables);
        ASSERT_EQ(notices.size(), 1u);
        const std::string& text = notices[0].message;
        EXPECT_NE(text.find((user() / c.file).string()), std::string::npos) << text;
        EXPECT_NE(text.find(std::to_string(c.line) + " 行目"), std::string::npos) << text;
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
        EXPECT_EQ(bytes_of(user() / c.file), bytes);

        // And a faulty file is never written over.
        UserFileLines lines =
            address ? read_user_address_lines(user()) : read_user_zone_lines(user());
        EXPECT_TRUE(lines.error);
    }
}

TEST_F(UserSiteTable, OfTwoRowsOfOneKeyTheLaterCountsAndIsTold) {
    write_user(kAddressFileName, {kUserAddressHeader, "1,さっぽろし,北海道,札幌市,1,34,20,140,0",
                                  "1,さっぽろし,北海道,札幌市,1,36,20,160,0"});
    write_user(kSnowZoneFileName, {"1,0.001,0,0.5,30", "1,0.002,0,0.5,30"}); // no header
    SiteValues values;
    std::vector<std::string> areas;
    SiteTables tables = load(values, areas);
    EXPECT_EQ(values.baseWindSpeed, 36);
    EXPECT_EQ(values.tableSnowDepth, 160);
    EXPECT_EQ(values.snowCoefA, 0.002);
    const auto notices = take_user_notices(tables);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_NE(notices[0].message.find("3 行目：「北海道 札幌市」は 2 行目と重なっています"),
              std::string::npos)
        << notices[0].message;
    EXPECT_NE(notices[1].message.find("2 行目：積雪区域 1 は 1 行目と重なっています"),
              std::string::npos)
        << notices[1].message;
}

// Putting a row in keeps every other line of the user's file as it was.
TEST_F(UserSiteTable, PuttingARowInKeepsTheRestOfTheFile) {
    write_user(kAddressFileName, {"No,kana,todofuken,chiku,zone,V0,alt,snow,flag,出典",
                                  "1,さっぽろし,北海道,札幌市,1,34,20,140,0,古いメモ",
                                  "2,おたるし,北海道,小樽市,4,34,-1,-1,0,残す行"});
    UserFileLines file = read_user_address_lines(user());
    ASSERT_FALSE(file.error);
    put_user_address_line(file,
                          {"1", "さっぽろし", "北海道", "札幌市", "1", "34", "20", "160", "0"},
                          "市の資料, 2024 \"改訂\"");
    put_user_address_line(file, {"-", "", "青森県", "新町", "0", "32", "-1", "-1", "0"}, "");
    ASSERT_EQ(file.lines.size(), 4u);
    EXPECT_EQ(file.lines[2], "2,おたるし,北海道,小樽市,4,34,-1,-1,0,残す行");
    // The note goes in the header's "出典" column, quoted where it must be.
    const auto fields = split_comma_text(file.lines[1]);
    ASSERT_EQ(fields.size(), 10u);
    EXPECT_EQ(fields[7], "160");
    EXPECT_EQ(fields[9], "市の資料, 2024 \"改訂\"");
    EXPECT_EQ(split_comma_text(file.lines[3])[3], "新町");

    const std::string bytes = user_file_bytes(file);
    EXPECT_EQ(common::cp932_to_utf8(bytes).value(), file.lines[0] + "\r\n" + file.lines[1] +
                                                        "\r\n" + file.lines[2] + "\r\n" +
                                                        file.lines[3] + "\r\n");
    // A character Shift_JIS lacks turns the file into UTF-8 with its mark.
    put_user_zone_line(file, {"5", "0.001", "0", "0.5", "30"}, "𠮷野町");
    EXPECT_EQ(user_file_bytes(file).substr(0, 3), "\xEF\xBB\xBF");
}

} // namespace
} // namespace korvex::site
