#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "app/coefficient_window.h"
#include "app/radio_highlight.h"
#include "tests/app/widget_test_support.h"

namespace korvex::app {
namespace {

class CoefficientWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = korvex::testing::started_session();
        ASSERT_TRUE(session);
        dialog = std::make_unique<CoefficientWindow>(*session, sink, &mainWindow);
        QObject::connect(dialog.get(), &CoefficientWindow::settings_set, [this] { ++settingsSet; });
        dialog->show_coefficient_dialog();
    }

    template <typename T> T* control(const char* name) {
        T* found = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The ratio edit `number` 1..22 in the ratio order, ordinary area first.
    QLineEdit* edit(int number) {
        return control<QLineEdit>(persist::ratio_edit_name(number - 1).c_str());
    }
    void click(const char* button) { control<QPushButton>(button)->click(); }

    // True when the dialog is gone and the main window usable again.
    bool closed() const { return !dialog->isVisible() && mainWindow.isEnabled(); }

    std::unique_ptr<form::Session> session;
    RecordingSink sink;
    QWidget mainWindow;
    std::unique_ptr<CoefficientWindow> dialog;
    int settingsSet = 0;
};

bool highlighted(const QRadioButton* r) {
    return r->font().bold() && r->palette().color(QPalette::WindowText) == kHighlightNavy;
}

TEST_F(CoefficientWindowTest, OpensBesideTheDisabledMainWindowWithoutCloseBox) {
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_EQ(dialog->windowTitle(), "係数等の定義");
    EXPECT_EQ(dialog->height(), 450);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowSystemMenuHint);
    // The dialog itself stays usable while its main window is disabled.
    EXPECT_TRUE(dialog->isEnabled());

    const char* standard[22] = {"1", "1", "0",   "1", "1", "1", "0", "1", "1", "0",    "1",
                                "1", "1", "0.7", "1", "1", "1", "0", "1", "1", "0.35", "1"};
    for (int i = 0; i < 22; ++i) EXPECT_EQ(edit(i + 1)->text(), standard[i]) << "ratio " << i + 1;
    for (int p : {2, 5, 9, 13, 16, 20}) EXPECT_TRUE(edit(p)->isReadOnly()) << "ratio " << p;
    EXPECT_FALSE(edit(8)->isReadOnly());
    auto* spin = control<QSpinBox>("maxDeckLengthSpin");
    EXPECT_EQ(spin->value(), 12000);
    EXPECT_EQ(spin->maximum(), 90000);
    EXPECT_EQ(spin->singleStep(), 50);
    EXPECT_TRUE(highlighted(control<QRadioButton>("strength205Radio")));
    EXPECT_FALSE(highlighted(control<QRadioButton>("strength235Radio")));
    EXPECT_EQ(control<QPushButton>("resetButton")->toolTip(),
              "建築基準法施行令に定められた値に設定します");
}

TEST_F(CoefficientWindowTest, SetTakesTheControlsAndSwitchesTheLayout) {
    edit(8)->setText("0.9");
    EXPECT_EQ(edit(9)->text(), "0.9"); // P follows G at once
    edit(19)->setText("1.2");
    EXPECT_EQ(edit(20)->text(), "1.2");
    control<QRadioButton>("strength235Radio")->setChecked(true);
    control<QRadioButton>("directLoadsRadio")->setChecked(true);
    EXPECT_TRUE(highlighted(control<QRadioButton>("directLoadsRadio")));
    EXPECT_FALSE(highlighted(control<QRadioButton>("derivedLoadsRadio")));
    control<QSpinBox>("maxDeckLengthSpin")->setValue(15000);

    click("setButton");
    EXPECT_TRUE(closed());
    EXPECT_EQ(settingsSet, 1);
    const calc::CoefficientSettings& c = session->coefficients;
    EXPECT_EQ(c.comboRatio[0][7], 0.9);
    EXPECT_EQ(c.comboRatio[0][8], 0.9);
    EXPECT_EQ(c.comboRatio[1][7], 1.2);
    EXPECT_EQ(c.comboRatio[1][8], 1.2);
    EXPECT_EQ(c.designStrength, 235);
    EXPECT_EQ(c.maxDeckLength, 15000);
    EXPECT_EQ(session->form.state.layoutMode, calc::LayoutMode::directLoads);
    EXPECT_EQ(session->form.height, 375);
}

TEST_F(CoefficientWindowTest, CancelPutsTheStoredValuesBackAndKeepsTheLayout) {
    edit(3)->setText("5");
    control<QRadioButton>("strength235Radio")->setChecked(true);
    control<QRadioButton>("directLoadsRadio")->setChecked(true);
    control<QSpinBox>("maxDeckLengthSpin")->setValue(3000);

    click("cancelButton");
    EXPECT_TRUE(closed());
    EXPECT_EQ(settingsSet, 0);
    EXPECT_EQ(edit(3)->text(), "0");
    EXPECT_TRUE(control<QRadioButton>("strength205Radio")->isChecked());
    EXPECT_EQ(control<QSpinBox>("maxDeckLengthSpin")->value(), 12000);
    EXPECT_EQ(session->coefficients.designStrength, 205);
    EXPECT_EQ(session->form.state.layoutMode, calc::LayoutMode::derivedLoads);

    // The method radio stays as chosen, so the next Set applies it unchanged.
    dialog->show_coefficient_dialog();
    EXPECT_TRUE(control<QRadioButton>("directLoadsRadio")->isChecked());
    click("setButton");
    EXPECT_EQ(session->form.state.layoutMode, calc::LayoutMode::directLoads);
}

TEST_F(CoefficientWindowTest, ResetChangesOnlyTheControlsUntilSet) {
    edit(1)->setText("2");
    click("setButton");
    ASSERT_EQ(session->coefficients.comboRatio[0][0], 2.0);

    dialog->show_coefficient_dialog();
    EXPECT_EQ(edit(1)->text(), "2");
    click("resetButton");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(edit(1)->text(), "1");
    EXPECT_EQ(edit(2)->text(), "1");
    EXPECT_EQ(session->coefficients.comboRatio[0][0], 2.0);
    click("cancelButton");
    EXPECT_EQ(edit(1)->text(), "2");
    EXPECT_EQ(edit(2)->text(), "2");
}

TEST_F(CoefficientWindowTest, SetWithATextThatIsNoNumberKeepsTheDialogOpen) {
    edit(4)->setText("");
    edit(10)->setText("1.2.3");
    click("setButton");
    ASSERT_EQ(sink.messages.size(), 1);
    EXPECT_TRUE(sink.messages.front().contains("数値")) << sink.messages.front().toStdString();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_EQ(settingsSet, 0);
    EXPECT_EQ(session->coefficients.comboRatio[0][3], 1.0);

    edit(4)->setText("1");
    edit(10)->setText("0");
    click("setButton");
    EXPECT_TRUE(closed());
}

TEST_F(CoefficientWindowTest, WindowManagerCloseAndEscapeActAsCancel) {
    for (const bool escape : {false, true}) {
        dialog->show_coefficient_dialog();
        edit(6)->setText("3");
        if (escape) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(dialog.get(), &key);
        } else {
            dialog->close();
        }
        EXPECT_TRUE(closed()) << escape;
        EXPECT_EQ(edit(6)->text(), "1") << escape;
    }
    EXPECT_EQ(settingsSet, 0);
}

TEST_F(CoefficientWindowTest, RatioEditsTakeOnlyDigitsPointAndBackspace) {
    struct Key {
        int code;
        QString text;
    };
    const Key keys[] = {
        {Qt::Key_1, "1"}, {Qt::Key_Comma, ","}, {Qt::Key_Period, "."}, {Qt::Key_A, "a"},
        {Qt::Key_5, "5"}, {Qt::Key_Minus, "-"}, {Qt::Key_Space, " "},  {0, "５"}};
    QLineEdit* g = edit(15);
    g->clear();
    for (const Key& k : keys) {
        QKeyEvent press(QEvent::KeyPress, k.code, Qt::NoModifier, k.text);
        QApplication::sendEvent(g, &press);
    }
    EXPECT_EQ(g->text(), "1.5");
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, "\b");
    QApplication::sendEvent(g, &backspace);
    EXPECT_EQ(g->text(), "1.");
    EXPECT_EQ(edit(16)->text(), "1.");
    EXPECT_EQ(session->coefficientDialog.ratioEdits[14], "1.");
}

} // namespace
} // namespace korvex::app
