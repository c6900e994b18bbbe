// The keys of the commands reach the same slots as the buttons, and the Tab key
// walks the main window's controls panel by panel from the top left.

#include <gtest/gtest.h>

#include <tuple>

#include <QComboBox>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/program_windows.h"
#include "app/report_printing.h"
#include "app/span_table_window.h"
#include "tests/app/widget_test_support.h"

namespace korvex::app {
namespace {

namespace fs = std::filesystem;

class CountingChooser : public ProjectFileChooser {
public:
    std::optional<fs::path> choose_save(QWidget*, const fs::path&, const QString&) override {
        ++saveDialogs;
        return saveAs;
    }
    std::optional<fs::path> choose_open(QWidget*, const fs::path&) override {
        ++openDialogs;
        return std::nullopt;
    }
    std::optional<fs::path> saveAs;
    int saveDialogs = 0;
    int openDialogs = 0;
};

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        session = korvex::testing::started_session();
        ASSERT_TRUE(session);
        windows = std::make_unique<ProgramWindows>(*session, sink, chooser, to_path(dir.path()),
                                                   KORVEX_DATA_DIR,
                                                   UserStore{to_path(dir.filePath("keep"))});
        show(windows->main_window());
    }

    static void show(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QTemporaryDir dir;
    std::unique_ptr<form::Session> session;
    RecordingSink sink;
    CountingChooser chooser;
    std::unique_ptr<ProgramWindows> windows;
};

TEST_F(KeyboardTest, SaveAndOpenKeysRunTheFileCommands) {
    MainWindow& main = windows->main_window();
    chooser.saveAs = to_path(dir.filePath("plan.kvxw"));

    // Ctrl+S asks for a name while the design has none, then saves under it.
    QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(chooser.saveDialogs, 1);
    EXPECT_TRUE(fs::exists(*chooser.saveAs));
    QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(chooser.saveDialogs, 1) << "the design has its name now";

    // Ctrl+Shift+S always asks, as "データ保存" does.
    QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(chooser.saveDialogs, 2);
    main.findChild<QPushButton*>("saveButton")->click();
    EXPECT_EQ(chooser.saveDialogs, 3);

    QTest::keyClick(&main, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(chooser.openDialogs, 1);
    main.findChild<QPushButton*>("loadButton")->click();
    EXPECT_EQ(chooser.openDialogs, 2);
}

TEST_F(KeyboardTest, F9CalculatesAndTheResultWindowTakesCtrlPAndEsc) {
    MainWindow& main = windows->main_window();
    // The key works wherever the focus is, also in a field that swallows keys.
    main.findChild<QWidget*>("spanCountSpin")->setFocus();
    QTest::keyClick(&main, Qt::Key_F9);
    ResultWindow& result = windows->result_window();
    ASSERT_TRUE(result.isVisible());
    EXPECT_FALSE(main.isVisible());
    show(result);

    int print_dialogs = 0;
    ReportDialogs dialogs = system_report_dialogs();
    dialogs.runPrintDialog = [&](QPrinter&, QWidget*) {
        ++print_dialogs;
        return false;
    };
    result.set_dialogs(dialogs);
    QTest::keyClick(&result, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(print_dialogs, 1);

    QTest::keyClick(&result, Qt::Key_Escape);
    EXPECT_FALSE(result.isVisible());
    EXPECT_TRUE(result.report_image().isNull()) << "as the close button does";
    EXPECT_TRUE(main.isVisible());
}

TEST_F(KeyboardTest, TheSpanTableWindowPrintsWithCtrlPAndClosesWithEsc) {
    windows->main_window().findChild<QAction*>("spanTableAction")->trigger();
    SpanTableWindow& table = windows->span_table_window();
    ASSERT_TRUE(table.isVisible());
    show(table);
    int print_dialogs = 0;
    SpanTableDialogs dialogs = system_span_table_dialogs();
    dialogs.runPrintDialog = [&](QPrinter&, QWidget*) {
        ++print_dialogs;
        return false;
    };
    table.set_dialogs(dialogs);
    QTest::keyClick(&table, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(print_dialogs, 1);
    QTest::keyClick(&table, Qt::Key_Escape);
    EXPECT_FALSE(table.isVisible());
}

// Each control Tab reaches lies in the same panel as the one before or in a
// later one (panels from the top left), and within a panel not above the one
// before unless it starts a new column of a group.
TEST_F(KeyboardTest, TabFollowsThePanelsFromTheTopLeft) {
    MainWindow& main = windows->main_window();
    QWidget* area = main.findChild<QWidget*>("formArea");
    ASSERT_NE(area, nullptr);
    const auto panel_of = [area](QWidget* widget) {
        while (widget && widget->parentWidget() != area) widget = widget->parentWidget();
        return widget;
    };

    // With an overhang its length comes first in the span row, left of the spans.
    main.findChild<QComboBox*>("cantileverBox")->setCurrentIndex(1);
    QWidget* first = main.findChild<QWidget*>("deckTypeBox");
    first->setFocus();
    QStringList order;
    QWidget* previous = first;
    for (int step = 0; step < 200; ++step) {
        order << previous->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        // A spin edit's line is the toolkit's own; the control is the spin edit.
        while (now && (now->objectName().isEmpty() || now->objectName().startsWith("qt_")))
            now = now->parentWidget();
        ASSERT_NE(now, nullptr);
        if (now == first) break;
        QWidget* from = panel_of(previous);
        QWidget* to = panel_of(now);
        ASSERT_NE(to, nullptr) << now->objectName().toStdString();
        EXPECT_LE(std::tuple(from->y(), from->x()), std::tuple(to->y(), to->x()))
            << previous->objectName().toStdString() << " → " << now->objectName().toStdString();
        previous = now;
    }
    // The reading order of the start-up window: these come one after the other,
    // whatever else a panel may hold between them.
    const QStringList expected = {"deckTypeBox",        "surfaceTreatmentBox",
                                  "fastenerBox",        "deckUnitWeightEdit",
                                  "prefectureBox",      "areaBox",
                                  "roughnessBox",       "eaveHeightEdit",
                                  "buildingHeightEdit", "spanDirectionLengthEdit",
                                  "monoPitchRoofRadio", "closedFormRadio",
                                  "snowDepthSpin",      "snowUnitWeightSpin",
                                  "typedDepthRadio",    "otherDeadLoadSpin",
                                  "liveLoadSpin",       "spanCountSpin",
                                  "cantileverBox",      "cantileverLengthEdit",
                                  "span1Edit",          "overviewButton",
                                  "settingsButton",     "loadButton",
                                  "saveButton",         "calculateButton",
                                  "exitButton"};
    qsizetype at = 0;
    for (const QString& name : expected) {
        const qsizetype found = order.indexOf(name, at);
        EXPECT_GE(found, at) << name.toStdString() << " in " << order.join(' ').toStdString();
        if (found >= at) at = found + 1;
    }
}

} // namespace
} // namespace korvex::app
