#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "common/text_encoding.h"
#include "form/sea_ratio_reference.h"
#include "form/site_data.h"
#include "form/site_selection.h"
#include "sea/coordinate_text.h"
#include "sea/sea_ratio.h"
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
        folder.write_sea_fixture(KORVEX_DATA_DIR);
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

    std::vector<std::string> user_lines(const char* file) const {
        return common::split_lines(common::cp932_to_utf8(bytes_of(user() / file)).value());
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
    // Its office point, shown in the editor and saved unchanged, is not copied.
    EXPECT_EQ(row.officePoint, "43.062089, 141.354389");
    EXPECT_FALSE(fs::exists(user() / site::kOfficeFileName));

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
        const char* says = ""; // a part of the message, where it matters
    };
    const Case cases[] = {
        {&UserSiteRow::prefecture, "北海島", kSitePrefectureField},
        {&UserSiteRow::area, "", kSiteAreaField},
        {&UserSiteRow::baseWindSpeed, "3４", kSiteWindSpeedField},
        {&UserSiteRow::snowDepth, "1.5", kSiteSnowDepthField},
        {&UserSiteRow::alpha, "0.5", kSiteAlphaField},
        {&UserSiteRow::radius, "", kSiteRadiusField}, // coefficients are all or none
        // The office point reads as the snow panel's site point does, with its message.
        {&UserSiteRow::officePoint, "43.06, 200", kSiteOfficePointField,
         "役所の緯度・経度「43.06, 200」を読めません。経度は -180～180 度の範囲で"},
        {&UserSiteRow::officePoint, "北緯43度", kSiteOfficePointField, "緯度と経度の両方"},
        // A name alone makes no office line, and is not dropped unsaid.
        {&UserSiteRow::officePoint, "", kSiteOfficePointField, "役所の緯度・経度も入力"},
    };
    for (const Case& c : cases) {
        UserSiteRow row = user_site_row(site_data_rows(s.siteTables)[0]);
        row.*c.member = c.text;
        const UserRowSaved saved = save_user_site_row(s, row);
        ASSERT_TRUE(saved.failure) << c.text;
        EXPECT_EQ(saved.failure->focus, c.field) << saved.failure->text;
        EXPECT_NE(saved.failure->text.find(c.says), std::string::npos) << saved.failure->text;
    }
    EXPECT_FALSE(fs::exists(user()));

    // A faulty user file is the user's to mend: storing is refused, that file
    // stays as it is and no other is written.
    struct Faulty {
        const char* file;
        const char* bytes;
    };
    const Faulty faulty[] = {
        {site::kAddressFileName, "No\r\n1,a,b\r\n"},
        {site::kOfficeFileName, "No,todofuken,chiku,lat,lon\r\n1,a,b\r\n"},
    };
    for (const Faulty& f : faulty) {
        fs::remove_all(user());
        fs::create_directories(user());
        std::ofstream(user() / f.file, std::ios::binary) << f.bytes;
        UserSiteRow row = user_site_row(site_data_rows(s.siteTables)[0]);
        row.officePoint = "43.1, 141.3"; // an office line to write, were the files sound
        const UserRowSaved saved = save_user_site_row(s, row);
        ASSERT_TRUE(saved.failure) << f.file;
        EXPECT_NE(saved.failure->text.find((user() / f.file).string() + "」の 2 行目"),
                  std::string::npos)
            << saved.failure->text;
        EXPECT_NE(saved.failure->text.find("このファイルを直すまで"), std::string::npos);
        EXPECT_EQ(bytes_of(user() / f.file), f.bytes);
        EXPECT_EQ(std::distance(fs::directory_iterator(user()), fs::directory_iterator()), 1);
    }
}

// The office point typed in the editor goes into the user's office file, over
// the line of its area and beside the user's other lines; the list shows it and,
// once the area is selected, the sea ratio's reference is measured there.
TEST_F(SiteData, AnOfficePointIsStoredAndMeasuredAt) {
    fs::create_directories(user());
    std::ofstream(user() / site::kOfficeFileName, std::ios::binary)
        << common::utf8_to_cp932(std::string(site::kUserOfficeHeader) +
                                 "\r\n"
                                 "1,北海道,札幌市,43.0,141.0,0,古い点,古いメモ\r\n"
                                 "2,青森県,青森市,40.8,140.7,0,青森市役所,残す行\r\n")
               .value();
    Session session;
    start(session);

    struct Case {
        const char* name;
        std::size_t prefecture;
        const char* area;
        const char* point;
        const char* office;
        bool newArea; // with coefficients of R 20 km
        std::vector<std::string> line;
        const char* listedOffice;
        int radiusKm; // the reference's R; 0: none is shown
    };
    const Case cases[] = {
        {"the selected area, in degrees, minutes and seconds",
         0,
         "札幌市",
         "43°05'27\"N 141°20'26\"E",
         " 札幌市北区役所 ",
         false,
         {"-", "北海道", "札幌市", "43.090833", "141.340556", "0", "札幌市北区役所", "市の資料"},
         "札幌市北区役所",
         40},
        {"a new area in decimal degrees",
         0,
         "ニセコ町",
         "42.8048, 140.6874",
         "ニセコ町役場",
         true,
         {"-", "北海道", "ニセコ町", "42.8048", "140.6874", "0", "ニセコ町役場", "市の資料"},
         "ニセコ町役場",
         20},
        // Renamed where it stands, a former town's office is still today's city's.
        {"a renamed office that stays",
         1,
         "弘前市 (旧岩木町)",
         "40.603056, 140.464167",
         "弘前市役所",
         false,
         {"-", "青森県", "弘前市 (旧岩木町)", "40.603056", "140.464167", "1", "弘前市役所",
          "市の資料"},
         "弘前市役所（現在の市町村の役所）",
         0},
    };
    std::vector<std::string> expected = user_lines(site::kOfficeFileName);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UserSiteRow row;
        if (c.newArea) {
            row.prefecture = "北海道";
            row.area = c.area;
            row.baseWindSpeed = "32";
            row.alpha = "0.0021";
            row.beta = "-1.19";
            row.gamma = "1.16";
            row.radius = "20";
        } else {
            row = user_site_row(*listed(site_data_rows(session.siteTables), c.area));
        }
        row.officePoint = c.point;
        row.officeName = c.office;
        row.sourceNote = "市の資料";
        const UserRowSaved saved = save_user_site_row(session, row);
        ASSERT_FALSE(saved.failure) << saved.failure->text;

        // Over the line of its area, else after the others; every other line kept.
        const std::string line = site::comma_line(c.line);
        const auto same = std::find_if(expected.begin(), expected.end(), [&](const auto& l) {
            const auto fields = site::split_comma_text(l);
            return fields.size() > 2 && fields[1] == c.line[1] && fields[2] == c.line[2];
        });
        if (same == expected.end())
            expected.push_back(line);
        else
            *same = line;
        EXPECT_EQ(user_lines(site::kOfficeFileName), expected);

        const auto rows = site_data_rows(session.siteTables);
        const SiteDataRow* shown = listed(rows, c.area);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->latitude, c.line[3]);
        EXPECT_EQ(shown->longitude, c.line[4]);
        EXPECT_EQ(shown->office, c.listedOffice);
        EXPECT_EQ(user_site_row(*shown).officePoint, c.line[3] + ", " + c.line[4]);

        // The selected 札幌市 shows its new office at once; the others once chosen.
        if (item_text(session.form.areaBox) != c.area) {
            ASSERT_FALSE(choose_area(session.form, session.siteTables, c.prefecture, c.area));
        }
        const site::SiteValues& site = session.form.site;
        ASSERT_TRUE(site.officePoint);
        EXPECT_EQ(sea::coordinate_number(site.officePoint->point.latitude), c.line[3]);
        EXPECT_EQ(sea::coordinate_number(site.officePoint->point.longitude), c.line[4]);
        const std::string& caption = session.form.seaRatioReferenceLabel.caption;
        if (c.radiusKm == 0) {
            EXPECT_EQ(caption, "");
            continue;
        }
        ASSERT_TRUE(site.seaRatioReference);
        EXPECT_EQ(site.seaRatioReference->radiusKm, c.radiusKm);
        const auto* coastline = session.siteTables.coastline->coastline();
        ASSERT_NE(coastline, nullptr);
        const int percent = sea::sea_ratio_percent(
            *sea::sea_fraction(*coastline, site.officePoint->point, c.radiusKm * 1000.0));
        EXPECT_EQ(caption, "[海率参考値 " + std::to_string(percent) + " ％（役所）]");
        EXPECT_NE(session.form.seaRatioReferenceLabel.hint.find(
                      sea::coordinates_text(site.officePoint->point)),
                  std::string::npos);
    }
}

} // namespace
} // namespace korvex::form
