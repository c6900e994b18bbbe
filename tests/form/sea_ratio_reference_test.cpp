#include <gtest/gtest.h>

#include <algorithm>

#include "form/calculate.h"
#include "form/control_events.h"
#include "form/sea_ratio_reference.h"
#include "form/session.h"
#include "form/site_selection.h"
#include "report/recording_surface.h"
#include "report/report_run.h"
#include "sea/coastline_file.h"
#include "sea/sea_ratio.h"
#include "tests/site/site_fixture.h"

namespace korvex::form {
namespace {

constexpr sea::GeoPoint kSapporoOffice{43.06208877, 141.3543886};
constexpr sea::GeoPoint kHirosakiOffice{40.60305556, 140.4641667};
// 39°04'56"N 141°42'30"E, near 大船渡市's office.
constexpr sea::GeoPoint kOfunato{39.0 + 4.0 / 60 + 56.0 / 3600, 141.0 + 42.0 / 60 + 30.0 / 3600};

// The percentage measured apart from the form, on the shipped coastline.
int measured_percent(sea::GeoPoint at, int radius_km) {
    static const sea::CoastlineRead kRead =
        sea::read_coastline_file(std::filesystem::path(KORVEX_DATA_DIR) / sea::kCoastlineFileName);
    return sea::sea_ratio_percent(*sea::sea_fraction(*kRead.coastline, at, radius_km * 1000.0));
}

std::string reference_text(int percent, const char* source) {
    return "[海率参考値 " + std::to_string(percent) + " ％（" + source + "）]";
}

class SeaRatioReferenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write_fixture();
        folder.write_sea_fixture(KORVEX_DATA_DIR);
        ASSERT_FALSE(start_session(session, folder.path(), "1.0"));
    }

    void change(const std::string& control, const std::string& value) {
        change_control(session, control, value);
    }

    void choose(std::size_t prefecture, const std::string& area) {
        ASSERT_FALSE(choose_area(form(), session.siteTables, prefecture, area));
    }

    InputForm& form() { return session.form; }

    korvex::testing::DataFolder folder;
    Session session;
};

// 札幌市 (zone 1, R 40) from the start: the office's figure, with its source in
// the hint, and the sea ratio left as it was.
TEST_F(SeaRatioReferenceTest, TheOfficesFigureShowsWheneverRIsKnownAndIsNeverApplied) {
    const InputForm& f = form();
    const int sapporo = measured_percent(kSapporoOffice, 40);
    EXPECT_EQ(f.seaRatioReferenceLabel.caption, reference_text(sapporo, "役所"));
    EXPECT_NE(f.seaRatioReferenceLabel.hint.find(
                  "北緯 43.0621° 東経 141.3544° を中心とする半径 40 km の円内の海の面積の割合（地図"
                  "データ © OpenStreetMap contributors、湖沼を含まない）"),
              std::string::npos);
    EXPECT_EQ(f.seaRatioSpin.value, 20);
    EXPECT_TRUE(f.seaMapButton.enabled);

    // 弘前市 (旧岩木町): no zone line, so no R and no figure, until R is typed;
    // its point is 弘前市's office, and the hint says so.
    choose(1, "弘前市 (旧岩木町)");
    EXPECT_EQ(f.seaRatioReferenceLabel.caption, "");
    EXPECT_FALSE(f.seaMapButton.enabled);
    change("snowCoefRadiusEdit", "20");
    EXPECT_EQ(f.seaRatioReferenceLabel.caption,
              reference_text(measured_percent(kHirosakiOffice, 20), "役所"));
    EXPECT_NE(f.seaRatioReferenceLabel.hint.find("旧市町村の役場の位置ではありません"),
              std::string::npos);
    change("snowCoefRadiusEdit", "0");
    EXPECT_EQ(f.seaRatioReferenceLabel.caption, "");

    // 小樽市 (R 8) has no office in the table: no figure, and the hint says why.
    choose(0, "小樽市");
    EXPECT_EQ(f.seaRatioReferenceLabel.caption, "[海率参考値 --- ]");
    EXPECT_NE(f.seaRatioReferenceLabel.hint.find("役所の位置が地域データにありません"),
              std::string::npos);
    EXPECT_FALSE(f.site.seaRatioReference);
}

TEST_F(SeaRatioReferenceTest, TheSitesOwnPointTakesTheOfficesPlace) {
    const InputForm& f = form();
    change("siteCoordinatesEdit", "39°04'56\"N 141°42'30\"E");
    EXPECT_EQ(f.seaRatioReferenceLabel.caption,
              reference_text(measured_percent(kOfunato, 40), "建設地"));
    ASSERT_TRUE(f.site.seaRatioReference);
    EXPECT_EQ(f.site.seaRatioReference->at.source, site::PointSource::entered);

    // Half typed: no figure while the text does not read, and a message when the
    // field is left; the office comes back when the field is emptied.
    change("siteCoordinatesEdit", "39.08");
    EXPECT_EQ(f.seaRatioReferenceLabel.caption, "[海率参考値 --- ]");
    const auto message = leave_control(session, "siteCoordinatesEdit");
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "緯度と経度の両方を入力して下さい。");
    EXPECT_EQ(message->focus, "siteCoordinatesEdit");
    change("siteCoordinatesEdit", "");
    EXPECT_FALSE(leave_control(session, "siteCoordinatesEdit"));
    EXPECT_EQ(f.seaRatioReferenceLabel.caption,
              reference_text(measured_percent(kSapporoOffice, 40), "役所"));

    // Beyond the map data: no figure, and the hint names the data's area.
    change("siteCoordinatesEdit", "35.0, 120.0");
    EXPECT_EQ(f.seaRatioReferenceLabel.caption, "[海率参考値 --- ]");
    EXPECT_NE(f.seaRatioReferenceLabel.hint.find("地図データの範囲"), std::string::npos);
}

TEST_F(SeaRatioReferenceTest, OnlyTheButtonPutsTheFigureIntoTheSeaRatio) {
    const InputForm& f = form();
    const int sapporo = measured_percent(kSapporoOffice, 40);
    // With the typed-in depth the sea ratio is not in use: nothing to take.
    EXPECT_FALSE(f.takeSeaRatioButton.enabled);
    change("takeSeaRatioButton", "1");
    EXPECT_EQ(f.seaRatioSpin.value, 20);

    change("formulaDepthRadio", "1");
    ASSERT_TRUE(f.takeSeaRatioButton.enabled);
    change("takeSeaRatioButton", "1");
    EXPECT_EQ(f.seaRatioSpin.value, sapporo);
    EXPECT_TRUE(f.site.seaRatioFromReference);
    EXPECT_EQ(f.site.seaRatio, sapporo); // the depth formula ran with it

    // Another figure in the field, or another point, and it is the user's again.
    change("seaRatioSpin", "35");
    EXPECT_FALSE(f.site.seaRatioFromReference);
    change("takeSeaRatioButton", "1");
    EXPECT_TRUE(f.site.seaRatioFromReference);
    change("siteCoordinatesEdit", "39.0822, 141.7083");
    EXPECT_FALSE(f.site.seaRatioFromReference);
    EXPECT_EQ(f.seaRatioSpin.value, sapporo);
}

TEST_F(SeaRatioReferenceTest, CalculateRefusesAPointThatDoesNotRead) {
    change("siteCoordinatesEdit", "北緯39度 東経");
    const auto failure = calculate(session);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->focus, "siteCoordinatesEdit");
    EXPECT_EQ(form().activeControl, "siteCoordinatesEdit");
    change("siteCoordinatesEdit", "北緯39度4分56秒 東経141度42分30秒");
    EXPECT_FALSE(calculate(session));
}

// The texts of the screen report of the last calculation, and whether it drew
// a circle (the map's).
struct DrawnReport {
    std::vector<std::string> texts;
    bool circle = false;
    bool has(const std::string& part) const {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const std::string& t) { return t.find(part) != std::string::npos; });
    }
};

DrawnReport drawn_report(const Session& s) {
    report::RecordingSurface surface;
    report::ReportCanvas canvas;
    report::begin_report(canvas, report::kScreenOutput, surface, {});
    report::draw_report(canvas, s.report_data());
    DrawnReport out;
    for (const report::RecordedText& t : surface.texts()) out.texts.push_back(t.text);
    out.circle = !surface.arcs().empty();
    return out;
}

// The snow page shows what was measured, where and whether 海率 took it, with
// the map; a sea ratio that is only typed in shows nothing of the kind.
TEST_F(SeaRatioReferenceTest, TheReportShowsWhatWasMeasuredAndWhetherItWasTaken) {
    const int sapporo = measured_percent(kSapporoOffice, 40);
    change("formulaDepthRadio", "1");
    change("takeSeaRatioButton", "1");
    ASSERT_FALSE(calculate(session));
    const std::string rs = "0." + std::to_string(sapporo);
    DrawnReport page = drawn_report(session);
    EXPECT_TRUE(page.has("■海率の参考値"));
    EXPECT_TRUE(page.has("海率参考値：北緯 43.0621° 東経 141.3544° を中心とする半径 40 km の円内"
                         "の海の面積の割合"));
    EXPECT_TRUE(page.has("（地図データ © OpenStreetMap contributors、湖沼を含まない）"));
    EXPECT_TRUE(page.has("海率参考値＝ " + std::to_string(sapporo) + " ％（役所の位置で測定） → " +
                         "海率 rs＝ " + rs + " として採用"));
    EXPECT_TRUE(page.circle);

    change("seaRatioSpin", "35");
    ASSERT_FALSE(calculate(session));
    page = drawn_report(session);
    EXPECT_FALSE(page.has("海率の参考値"));
    EXPECT_FALSE(page.circle);

    // The site's own point is shown even where the engineer keeps a figure of
    // their own.
    change("siteCoordinatesEdit", "39°04'56\"N 141°42'30\"E");
    ASSERT_FALSE(calculate(session));
    page = drawn_report(session);
    EXPECT_TRUE(page.has("北緯 39.0822° 東経 141.7083° を中心とする半径 40 km"));
    EXPECT_TRUE(page.has("％（建設地の位置で測定）。計算には入力した海率 rs＝ 0.35 を用いた"));
    EXPECT_TRUE(page.circle);
}

} // namespace
} // namespace korvex::form
