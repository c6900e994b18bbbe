#include <gtest/gtest.h>

#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include "app/message_sink.h"
#include "app/sea_map_window.h"
#include "app/site_data_window.h"
#include "form/site_data.h"
#include "site/user_site_table.h"
#include "tests/app/widget_test_support.h"

namespace korvex::app {
namespace {

namespace fs = std::filesystem;

class SiteDataWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        user = fs::path(home.path().toStdString()) / "korvex" / "Load_data";
        ASSERT_FALSE(form::start_session(session, KORVEX_DATA_DIR, "1.0", user));
        window = std::make_unique<SiteDataWindow>(session, sink);
        window->show_site_data();
    }

    QLineEdit* field(const char* name) const {
        auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_NE(edit, nullptr) << name;
        return edit;
    }

    QTemporaryDir home;
    fs::path user;
    form::Session session;
    RecordingSink sink;
    std::unique_ptr<SiteDataWindow> window;
};

TEST_F(SiteDataWindowTest, ListsEveryAreaAndFiltersByNameOrReading) {
    EXPECT_EQ(window->windowTitle(), "地域データ");
    EXPECT_EQ(window->rows().size(), form::site_data_rows(session.siteTables).size());
    EXPECT_GT(window->rows().size(), 1800u);
    auto* table = window->findChild<QTableView*>("siteTableView");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->model()->headerData(12, Qt::Horizontal).toString(), "役所の緯度");
    EXPECT_EQ(table->model()->headerData(16, Qt::Horizontal).toString(), "出典");

    field("siteFilterEdit")->setText(QStringLiteral("さっぽろ"));
    EXPECT_EQ(window->shown_row_count(), 1);
    field("siteFilterEdit")->setText(QStringLiteral("盛岡"));
    EXPECT_EQ(window->shown_row_count(), 1);
    field("siteFilterEdit")->clear();
    EXPECT_EQ(window->shown_row_count(), static_cast<int>(window->rows().size()));
}

// The map button shows the circle of the zone's R about the selected area's
// office, and only where the zone has an R.
TEST_F(SiteDataWindowTest, MapsTheCircleAboutTheSelectedOffice) {
    auto* table = window->findChild<QTableView*>("siteTableView");
    auto* map_button = window->findChild<QPushButton*>("siteSeaMapButton");
    ASSERT_NE(map_button, nullptr);
    auto select = [&](const std::string& prefecture, const std::string& area) {
        const auto& rows = window->rows();
        const auto found = std::find_if(rows.begin(), rows.end(), [&](const auto& row) {
            return row.prefecture == prefecture && row.area == area;
        });
        ASSERT_NE(found, rows.end()) << area;
        table->selectRow(static_cast<int>(found - rows.begin()));
    };
    select("岩手県", "盛岡市"); // zone 106: no R
    EXPECT_FALSE(map_button->isEnabled());
    select("岩手県", "大船渡市(旧大船渡市)"); // zone 105: R 40 km
    ASSERT_TRUE(map_button->isEnabled());
    map_button->click();
    auto* map = window->findChild<SeaMapWindow*>();
    ASSERT_NE(map, nullptr);
    EXPECT_TRUE(map->isVisible());
    EXPECT_FALSE(map->image().isNull());
}

TEST_F(SiteDataWindowTest, StoresTheEditedRowAsTheUsersOwn) {
    auto* table = window->findChild<QTableView*>("siteTableView");
    table->selectRow(0); // 北海道 札幌市
    EXPECT_EQ(field("siteAreaEdit")->text(), "札幌市");
    field("siteSnowDepthEdit")->setText("160");
    field("siteSourceNoteEdit")->setText(QStringLiteral("札幌市 建築指導課"));
    int changed = 0;
    QObject::connect(window.get(), &SiteDataWindow::site_data_changed, [&changed] { ++changed; });
    window->findChild<QPushButton*>("saveUserRowButton")->click();
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
    EXPECT_EQ(changed, 1);
    EXPECT_TRUE(fs::exists(user / site::kAddressFileName));
    EXPECT_EQ(window->rows()[0].origin, form::kUserRowWord);
    EXPECT_EQ(window->rows()[0].snowDepth, "160");
    EXPECT_TRUE(window->findChild<QLabel*>("siteStatusLabel")->text().contains("保存しました"));
    EXPECT_EQ(session.form.tableSnowDepthLabel.caption, "160");
    // The office point, shown and saved unchanged, is not copied to the user's file.
    EXPECT_EQ(field("siteOfficePointEdit")->text(), "43.062089, 141.354389");
    EXPECT_EQ(field("siteOfficeNameEdit")->text(), "札幌市");
    EXPECT_FALSE(fs::exists(user / site::kOfficeFileName));

    // A point typed in degrees, minutes and seconds is the area's office from now on.
    field("siteOfficePointEdit")->setText(QStringLiteral("43°05'27\"N 141°20'26\"E"));
    window->findChild<QPushButton*>("saveUserRowButton")->click();
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();
    EXPECT_TRUE(fs::exists(user / site::kOfficeFileName));
    EXPECT_EQ(field("siteOfficePointEdit")->text(), "43.090833, 141.340556");
    EXPECT_EQ(window->rows()[0].latitude, "43.090833");
    ASSERT_TRUE(session.form.site.officePoint);
    EXPECT_NEAR(session.form.site.officePoint->point.latitude, 43.090833, 1e-6);
    EXPECT_EQ(changed, 2);

    // A value that is no number is refused with the focus on its field.
    field("siteWindSpeedEdit")->setText("強");
    window->findChild<QPushButton*>("saveUserRowButton")->click();
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].contains("基準風速V0"));
    EXPECT_EQ(changed, 2);
}

} // namespace
} // namespace korvex::app
