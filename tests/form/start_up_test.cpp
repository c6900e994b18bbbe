#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "form/hints.h"
#include "tests/form/form_fixture.h"

namespace korvex::form {
namespace {

TEST_F(FormTest, StartsOnTheFirstAreaOfTheFirstPrefecture) {
    EXPECT_EQ(form.prefectureBox.items.size(), 47u);
    EXPECT_EQ(item_text(form.prefectureBox), "北海道");
    EXPECT_EQ(form.areaBox.items, (std::vector<std::string>{"札幌市", "小樽市"}));
    EXPECT_EQ(item_text(form.areaBox), "札幌市");
    EXPECT_EQ(form.site.prefectureName, "北海道");
    EXPECT_EQ(form.site.areaName, "札幌市");

    EXPECT_EQ(form.baseWindSpeedLabel.caption, "32");
    EXPECT_EQ(form.tableAltitudeLabel.caption, "20");
    EXPECT_EQ(form.tableSnowDepthLabel.caption, "140");
    EXPECT_EQ(form.seaRatioRadiusLabel.caption, "40");
    EXPECT_EQ(form.altitudeSpin.value, 20);
    EXPECT_EQ(form.snowDepthSpin.value, 140);
    EXPECT_TRUE(form.snowDepthSpin.enabled);
    EXPECT_FALSE(form.altitudeSpin.enabled);
    EXPECT_FALSE(form.seaRatioSpin.enabled);
    EXPECT_EQ(form.snowUnitWeightSpin.value, 30);
    EXPECT_TRUE(form.heavySnowCheck.checked);
    EXPECT_FALSE(form.heavySnowCheck.enabled);

    EXPECT_TRUE(form.typedDepthRadio.checked);
    EXPECT_TRUE(form.formulaDepthRadio.enabled);
    EXPECT_EQ(form.typedDepthRadio.hint, kHintDirectDepthDesign);
    EXPECT_TRUE(form.buildingFormGroup.visible);
    EXPECT_FALSE(form.canopyShapeGroup.visible);
    EXPECT_FALSE(form.directLoadPanel.visible);
    EXPECT_EQ(form.height, 575);
    EXPECT_EQ(form.state.spanPicture, "spanPicture1");
    EXPECT_EQ(form.activeControl, "deckTypeBox");
    EXPECT_EQ(form.versionLabel.caption, "ver.2.2");
    EXPECT_TRUE(form.statusBar.caption.ends_with("ver.2.2"));
    EXPECT_EQ(form.caption, "Korvex屋根計算プログラム-木造梁-");
}

TEST(FormStartUp, BrokenSiteFilesEndStartUpWithTheirMessage) {
    korvex::testing::DataFolder folder;
    site::SiteTables tables;
    InputForm form;
    auto error = initialise_form(form, tables, folder.path(), "2.2");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->file, "Data_Address.csv");

    folder.write_lines("Data_Address.csv", korvex::testing::kFixtureAddressLines);
    error = initialise_form(form, tables, folder.path(), "2.2");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->file, "Data_SnowfallV.csv");
    EXPECT_NE(error->message.find("見つかりません"), std::string::npos);
}

// A data folder that is not there, or whose tables cannot be read, ends start-up
// with a message that names the file, never with a half-filled window.
TEST(FormStartUp, AMissingOrUnreadableDataFolderEndsStartUpWithItsMessage) {
    korvex::testing::DataFolder folder;
    site::SiteTables tables;
    InputForm form;

    const auto missing = initialise_form(form, tables, folder.path() / "no_such_folder", "2.2");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->file, "Data_Address.csv");
    EXPECT_NE(missing->message.find("no_such_folder"), std::string::npos);

    std::filesystem::create_directories(folder.path() / "Data_Address.csv");
    const auto folder_instead = initialise_form(form, tables, folder.path(), "2.2");
    ASSERT_TRUE(folder_instead);
    EXPECT_NE(folder_instead->message.find("読み込めません"), std::string::npos);
    EXPECT_TRUE(tables.addressRows.empty());
}

TEST(FormStartUp, AnUnreadableSiteFileEndsStartUpWithItsMessage) {
    korvex::testing::DataFolder folder;
    folder.write_fixture();
    const auto file = folder.path() / "Data_SnowfallV.csv";
    std::filesystem::permissions(file, std::filesystem::perms::none);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::all,
                                 std::filesystem::perm_options::add);
    // Root reads any file, so the start-up runs as an unprivileged user.
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::getuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(100);
        site::SiteTables tables;
        InputForm form;
        const auto error = initialise_form(form, tables, folder.path(), "2.2");
        if (!error) ::_exit(1);
        ::_exit(error->file == "Data_SnowfallV.csv" &&
                        error->message.find("読み込めません") != std::string::npos
                    ? 0
                    : 2);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: start-up went on, 2: another message";
}

TEST(Hints, ShortAndLongPartsSplitAtTheBar) {
    struct Case {
        const char* hint;
        const char* shortPart;
        const char* longPart;
    };
    for (const auto& c :
         {Case{"結果表示|入力条件の基に計算を行い、結果を表示します", "結果表示",
               "入力条件の基に計算を行い、結果を表示します"},
          Case{"デッキを選択して下さい。", "デッキを選択して下さい。", "デッキを選択して下さい。"},
          Case{"|後半", "", "後半"}}) {
        EXPECT_EQ(hint_short(c.hint), c.shortPart);
        EXPECT_EQ(hint_long(c.hint), c.longPart);
    }
}

} // namespace
} // namespace korvex::form
