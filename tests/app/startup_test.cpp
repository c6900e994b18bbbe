#include <chrono>
#include <fstream>
#include <iterator>

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

#include "app/program_icon.h"
#include "app/program_version.h"
#include "app/splash_box.h"
#include "app/startup.h"
#include "tests/app/widget_test_support.h"

namespace korvex::app {
namespace {

namespace fs = std::filesystem;

SplashBox* visible_splash() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* splash = qobject_cast<SplashBox*>(w); splash && splash->isVisible())
            return splash;
    return nullptr;
}

QString label_text(const QWidget* parent, const char* name) {
    const auto* label = parent->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QString();
}

// The program folder is the build's, where the data folder was copied; the user
// data folder a fresh temporary one.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(userData.isValid());
        xdg = userData.path().toStdString();
        options.programFolder = fs::path(KORVEX_DATA_DIR).parent_path();
        options.version = "1.0";
        options.getenv = [this](const char* name) -> const char* {
            return std::string_view(name) == "XDG_DATA_HOME" ? xdg.c_str() : nullptr;
        };
        options.showUsageNotice = [this] {
            events.push_back(visible_splash() ? "notice after splash" : "notice");
        };
        options.wait = [this](std::chrono::milliseconds remaining) {
            SplashBox* splash = visible_splash();
            events.push_back(splash ? "splash" : "wait without splash");
            if (splash) {
                EXPECT_EQ(label_text(splash, "Version"), "ver.1.0");
                EXPECT_EQ(label_text(splash, "ProductName"), "Korvex  for wood");
                EXPECT_EQ(label_text(splash, "Starting"), "プログラムを起動中です ・・・");
                EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
                EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
            }
            EXPECT_LE(remaining.count(), 1000);
            EXPECT_GT(remaining.count(), 500);
        };
    }

    fs::path marker() const { return fs::path(xdg) / "Velmora_DeckPlate" / "korvex_wood.dat"; }

    QTemporaryDir userData;
    std::string xdg;
    StartupOptions options;
    RecordingSink sink;
    std::vector<std::string> events;
};

TEST_F(StartupTest, FirstStartShowsTheNoticeFirstAndOnlyOnce) {
    form::Session first;
    const StartupOutcome outcome = run_startup(first, sink, options);
    EXPECT_TRUE(outcome.ok);
    EXPECT_TRUE(outcome.noticeShown);
    EXPECT_EQ(events, (std::vector<std::string>{"notice", "splash"}));
    EXPECT_EQ(visible_splash(), nullptr);
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join('\n').toStdString();

    std::ifstream in(marker(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes, std::string("\x65\x00\x00\x00", 4));

    // The session is the started one: first prefecture, version shown.
    EXPECT_EQ(first.form.site.prefectureName, "北海道");
    EXPECT_EQ(first.form.versionLabel.caption, "ver.1.0");
    EXPECT_TRUE(first.form.statusBar.caption.ends_with("ver.1.0"));

    events.clear();
    form::Session second;
    const StartupOutcome again = run_startup(second, sink, options);
    EXPECT_TRUE(again.ok);
    EXPECT_FALSE(again.noticeShown);
    EXPECT_EQ(events, (std::vector<std::string>{"splash"}));
}

TEST_F(StartupTest, TheSplashStaysAtLeastOneSecond) {
    options.wait = nullptr;
    form::Session session;
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(run_startup(session, sink, options).ok);
    EXPECT_GE(timer.elapsed(), 1000);
    EXPECT_EQ(visible_splash(), nullptr);
}

TEST_F(StartupTest, AMissingSiteFileEndsStartUpWithItsMessage) {
    QTemporaryDir program;
    ASSERT_TRUE(fs::create_directory(fs::path(program.path().toStdString()) / "Load_data"));
    options.programFolder = program.path().toStdString();
    form::Session session;
    const StartupOutcome outcome = run_startup(session, sink, options);
    EXPECT_FALSE(outcome.ok);
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages[0].contains("Data_Address.csv")) << sink.messages[0].toStdString();
    EXPECT_EQ(visible_splash(), nullptr);
}

// The user's site files are found in the data home the environment names.
TEST_F(StartupTest, AFaultyUserSiteFileIsToldOnceAndTheProgramStarts) {
    const fs::path folder = fs::path(xdg) / "korvex" / "Load_data";
    fs::create_directories(folder);
    std::ofstream(folder / "Data_SnowfallV.csv", std::ios::binary)
        << "zone,alpha,beta,gamma,R\r\n106,0.0015,0,0.58\r\n";
    form::Session session;
    const StartupOutcome outcome = run_startup(session, sink, options);
    EXPECT_TRUE(outcome.ok);
    ASSERT_EQ(sink.messages.size(), 1);
    const std::string message = sink.messages[0].toStdString();
    EXPECT_NE(message.find((folder / "Data_SnowfallV.csv").string() + "」の 2 行目"),
              std::string::npos)
        << message;
    EXPECT_EQ(session.form.site.areaName, "札幌市");
    EXPECT_EQ(session.siteTables.userFolder, folder);
}

TEST(ProgramVersion, MajorAndMinorOfTheProgramVersion) {
    const std::pair<const char*, const char*> cases[] = {{"2.2.0.0", "2.2"},
                                                         {"1.0", "1.0"},
                                                         {"10.25.3", "10.25"},
                                                         {"3", "3.0"},
                                                         {"", ""},
                                                         {"a.b", kVersionErrorText},
                                                         {"1.x", kVersionErrorText},
                                                         {"-1.2", kVersionErrorText}};
    for (const auto& [version, shown] : cases) EXPECT_EQ(version_string(version), shown) << version;
    EXPECT_EQ(version_string(KORVEX_VERSION), KORVEX_VERSION);
}

TEST(ProgramIcon, TheApplicationCarriesTitleAndIcon) {
    set_up_application();
    EXPECT_EQ(QApplication::applicationName(), "Korvex for wood");
    EXPECT_FALSE(QApplication::windowIcon().pixmap(32, 32).isNull());
    // Both forms are built in; the PNG serves machines without the SVG plug-in.
    EXPECT_TRUE(QFile::exists(":/icons/korvex.svg"));
    const QImage png(":/icons/korvex.png");
    EXPECT_EQ(png.size(), QSize(256, 256));
    EXPECT_EQ(png.pixelColor(110, 205), QColor(99, 69, 24)); // the purlin
}

} // namespace
} // namespace korvex::app
