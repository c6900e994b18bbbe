#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/text_encoding.h"
#include "form/site_data.h"
#include "form/site_selection.h"
#include "site/comma_text.h"
#include "site/user_site_table.h"
#include "tests/site/site_fixture.h"

namespace korvex::form {
namespace {

namespace fs = std::filesystem;

class SiteData : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write_fixture();
        folder.write_lines(site::kOfficeFileName, testing::kFixtureOfficeLines);
        start(s);
    }

    fs::path user() const { return folder.path() / "korvex" / "Load_data"; }

    void start(Session& session) {
        const auto error = start_session(session, folder.path(), "1.0", user());
        ASSERT_FALSE(error) << error->message;
    }

    std::string bytes_of(const fs::path& file) const {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    const SiteDataRow* listed(const std::vector<SiteDataRow>& rows, const std::string& area) {
        for (const SiteDataRow& row : rows)
            if (row.area == area) return &row;
        return nullptr;
    }

    korvex::testing::DataFolder folder;
    Session s;
};

TEST_F(SiteData, ListsEveryAreaWithItsValuesAndFilters) {
    const auto rows = site_data_rows(s.siteTables);
    ASSERT_EQ(rows.size(), 5u);
    const SiteDataRow& sapporo = rows[0];
    EXPECT_EQ(sapporo.prefecture, "北海道");
    EXPECT_EQ(sapporo.area, "札幌市");
    EXPECT_EQ(sapporo.reading, "さっぽろし");
    EXPECT_EQ(sapporo.alpha, "0.0005");
    EXPECT_EQ(sapporo.radius, "40");
    EXPECT_EQ(sapporo.altitude, "20");
    EXPECT_EQ(sapporo.origin, kShippedRowWord);
    // The office its sea-ratio reference is measured at, as the project file keeps a point.
    EXPECT_EQ(sapporo.latitude, "43.062089");
    EXPECT_EQ(sapporo.longitude, "141.354389");
    EXPECT_EQ(sapporo.office, "札幌市");
    const SiteDataRow* hirosaki = listed(rows, "弘前市 (旧岩木町)");
    ASSERT_NE(hirosaki, nullptr);
    EXPECT_EQ(hirosaki->alpha, ""); // zone 7 has no coefficients
    EXPECT_EQ(hirosaki->altitude, "");
    // A former town's row stands at today's city office, and says so.
    EXPECT_EQ(hirosaki->office, "弘前市（現在の市町村の役所）");

    EXPECT_TRUE(site_data_row_matches(sapporo, ""));
    EXPECT_TRUE(site_data_row_matches(sapporo, "サッポ"));
    EXPECT_TRUE(site_data_row_matches(sapporo, "海道"));
    EXPECT_FALSE(site_data_row_matches(sapporo, "おたる"));
}

// The user of 札幌市 stores a corrected depth with its source; it is there after a
// restart, and the shipped file is untouched.
TEST_F(SiteData, AStoredRowIsKeptAcrossARestart) {
    const std::string shipped = bytes_of(folder.path() / site::kAddressFileName);
    UserSiteRow row = user_site_row(site_data_rows(s.siteTables)[0]);
    row.snowDepth = "160";
    row.sourceNote = "札幌市 建築指導課, 2024年";
    const UserRowSaved saved = save_user_site_row(s, row);
    ASSERT_FALSE(saved.failure) << saved.failure->text;
    EXPECT_NE(saved.status.find("北海道 札幌市 を保存しました"), std::string::npos);
    // The selected area shows the stored value at once.
    EXPECT_EQ(s.form.tableSnowDepthLabel.caption, "160");
    EXPECT_EQ(s.form.snowDepthSpin.value, 160);
    EXPECT_EQ(s.form.site.sources.tableSnowDepth, calc::ValueSource::user);
    EXPECT_EQ(bytes_of(folder.path() / site::kAddressFileName), shipped);

    Session again;
    start(again);
    EXPECT_EQ(again.form.tableSnowDepthLabel.caption, "160");
    EXPECT_EQ(again.form.site.sources.tableSnowDepth, calc::ValueSource::user);
    EXPECT_EQ(again.form.site.sources.snowCoefficients, calc::ValueSource::table);
    const auto rows = site_data_rows(again.siteTables);
    // The row is the user's; its zone's coefficients are still the shipped ones.
    EXPECT_EQ(rows[0].origin, std::string(kUserRowWord) + "（係数: " + kShippedRowWord + "）");
    EXPECT_EQ(rows[0].sourceNote, "札幌市 建築指導課, 2024年");
    EXPECT_EQ(rows.size(), 5u);
    EXPECT_TRUE(take_user_notices(again.siteTables).empty());
}

TEST_F(SiteData, ANewAreaWithCoefficientsGetsAZoneOfItsOwn) {
    UserSiteRow row;
    row.prefecture = "北海道";
    row.area = "ニセコ町";
    row.reading = "にせこちょう";
    row.baseWindSpeed = "32";
    row.alpha = "0.0021";
    row.beta = "-1.19";
    row.gamma = "1.16";
    row.radius = "20";
    row.sourceNote = "町の資料";
    const UserRowSaved saved = save_user_site_row(s, row);
    ASSERT_FALSE(saved.failure) << saved.failure->text;
    EXPECT_NE(saved.status.find("積雪区域 1001"), std::string::npos) << saved.status;
    // Added to the list of the selected prefecture, after its shipped areas.
    EXPECT_EQ(s.form.areaBox.items.back(), "ニセコ町");
    EXPECT_EQ(item_text(s.form.areaBox), "札幌市");

    const auto rows = site_data_rows(s.siteTables);
    const SiteDataRow* town = listed(rows, "ニセコ町");
    ASSERT_NE(town, nullptr);
    EXPECT_EQ(town->snowZone, "1001");
    EXPECT_EQ(town->alpha, "0.0021");
    EXPECT_EQ(town->altitude, ""); // left empty: no value
    EXPECT_EQ(town->origin, kUserRowWord);
    const auto zone_line = site::split_comma_text(
        common::split_lines(
            common::cp932_to_utf8(bytes_of(user() / site::kSnowZoneFileName)).value())
            .back());
    EXPECT_EQ(zone_line,
              (std::vector<std::string>{"1001", "0.0021", "-1.19", "1.16", "20", "町の資料"}));
}

TEST_F(SiteData, ARowThatCannotBeStoredIsRefusedWithItsField) {
    struct Case {
        std::string UserSiteRow::*member;
        const char* text;
        const char* field;
    };
    const Case cases[] = {
        {&UserSiteRow::prefecture, "北海島", kSitePrefectureField},
        {&UserSiteRow::area, "", kSiteAreaField},
        {&UserSiteRow::baseWindSpeed, "3４", kSiteWindSpeedField},
        {&UserSiteRow::snowDepth, "1.5", kSiteSnowDepthField},
        {&UserSiteRow::alpha, "0.5", kSiteAlphaField},
        {&UserSiteRow::radius, "", kSiteRadiusField}, // coefficients are all or none
    };
    for (const Case& c : cases) {
        UserSiteRow row = user_site_row(site_data_rows(s.siteTables)[0]);
        row.*c.member = c.text;
        const UserRowSaved saved = save_user_site_row(s, row);
        ASSERT_TRUE(saved.failure) << c.text;
        EXPECT_EQ(saved.failure->focus, c.field) << saved.failure->text;
    }
    EXPECT_FALSE(fs::exists(user() / site::kAddressFileName));

    // A faulty user file is the user's to mend: storing is refused and the file
    // stays as it is.
    fs::create_directories(user());
    std::ofstream(user() / site::kAddressFileName, std::ios::binary) << "No\r\n1,a,b\r\n";
    const std::string before = bytes_of(user() / site::kAddressFileName);
    const UserRowSaved saved =
        save_user_site_row(s, user_site_row(site_data_rows(s.siteTables)[0]));
    ASSERT_TRUE(saved.failure);
    EXPECT_NE(saved.failure->text.find((user() / site::kAddressFileName).string() + "」の 2 行目"),
              std::string::npos)
        << saved.failure->text;
    EXPECT_EQ(bytes_of(user() / site::kAddressFileName), before);
}

} // namespace
} // namespace korvex::form
