#include <gtest/gtest.h>

#include <QPushButton>
#include <QTemporaryDir>

#include "app/program_windows.h"
#include "tests/app/widget_test_support.h"

namespace korvex::app {
namespace {

// Chooses the prepared files instead of asking.
class PreparedChooser : public ProjectFileChooser {
public:
    std::optional<std::filesystem::path> choose_save(QWidget*, const std::filesystem::path&,
                                                     const QString&) override {
        return saveAs;
    }
    std::optional<std::filesystem::path> choose_open(QWidget*,
                                                     const std::filesystem::path&) override {
        return openFile;
    }
    std::optional<std::filesystem::path> saveAs;
    std::optional<std::filesystem::path> openFile;
};

class ProgramWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = korvex::testing::started_session();
        ASSERT_TRUE(session);
        windows = std::make_unique<ProgramWindows>(*session, sink, chooser,
                                                   dir.path().toStdString(), KORVEX_DATA_DIR);
        windows->main_window().show();
    }

    QTemporaryDir dir;
    std::unique_ptr<form::Session> session;
    RecordingSink sink;
    PreparedChooser chooser;
    std::unique_ptr<ProgramWindows> windows;
};

TEST_F(ProgramWindowsTest, CalculateShowsTheResultWindowAndClosingBringsTheInputBack) {
    windows->main_window().calculate();
    EXPECT_TRUE(windows->result_window().isVisible());
    EXPECT_FALSE(windows->main_window().isVisible());
    EXPECT_EQ(windows->result_window().windowTitle(), "Korvex for wood [計算結果の表示]");
    windows->result_window().close();
    EXPECT_TRUE(windows->main_window().isVisible());
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join("\n").toStdString();
}

TEST_F(ProgramWindowsTest, SavingAndLoadingUpdateEveryWindow) {
    session->coefficients.designStrength = 235;
    chooser.saveAs = dir.filePath("plan").toStdString();
    windows->save();
    const QString saved = dir.filePath("plan.kvxw");
    EXPECT_EQ(windows->main_window().windowTitle(), "Korvex for wood [" + saved + "]");

    // Another program state, then the saved file comes back through the open dialog.
    session->coefficients.designStrength = 205;
    session->form.span1Edit.text = "3000";
    chooser.openFile = saved.toStdString();
    windows->load();
    EXPECT_EQ(session->form.span1Edit.text, "2500");
    EXPECT_EQ(session->coefficients.designStrength, 235);
    EXPECT_EQ(windows->main_window().windowTitle(), "Korvex for wood [" + saved + "]");
    EXPECT_TRUE(sink.messages.isEmpty()) << sink.messages.join("\n").toStdString();
}

TEST_F(ProgramWindowsTest, AFileNamedAtStartIsLoadedLikeDataLoad) {
    windows->open_file(std::filesystem::path(KORVEX_FIXTURES) / "direct_two_spans.kvxw");
    EXPECT_EQ(session->form.state.layoutMode, calc::LayoutMode::directLoads);
    EXPECT_EQ(session->form.spanCountSpin.value, 2);
    EXPECT_EQ(windows->main_window().height(), kMenuBarHeight + 375);
    windows->open_file(std::filesystem::path(KORVEX_FIXTURES) / "not_a_project.kvxw");
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_EQ(sink.messages.front(), "「Korvex木造梁」用のデータではありません。");
}

} // namespace
} // namespace korvex::app
