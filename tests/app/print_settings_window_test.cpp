#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSpinBox>

#include "app/print_settings_window.h"
#include "tests/app/widget_test_support.h"

namespace korvex::app {
namespace {

using korvex::testing::press_key;
using korvex::testing::type_text;

const QColor kSelected(204, 0, 68);
const QColor kNavy(0, 0, 128);

class PrintSettingsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = korvex::testing::started_session();
        ASSERT_TRUE(session);
        owner.show();
        dialog = std::make_unique<PrintSettingsWindow>(*session, &owner);
        Edit1 = dialog->findChild<QLineEdit*>("Edit1");
        GroupBox1 = dialog->findChild<QGroupBox*>("GroupBox1");
        ComboBox1 = dialog->findChild<QComboBox*>("ComboBox1");
        CSpinEdit1 = dialog->findChild<QSpinBox*>("CSpinEdit1");
        ASSERT_TRUE(Edit1 && GroupBox1 && ComboBox1 && CSpinEdit1);
    }

    QRadioButton* radio(int number) {
        return dialog->findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(number));
    }
    void click(const char* name) { dialog->findChild<QAbstractButton*>(name)->click(); }

    void click_into_subject() {
        const QPointF at(20, 10);
        QMouseEvent press(QEvent::MouseButtonPress, at, Edit1->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Edit1, &press);
    }
    void replace_subject(const QString& text) {
        click_into_subject();
        Edit1->selectAll();
        press_key(Edit1, Qt::Key_Backspace, QStringLiteral("\b"));
        type_text(Edit1, text);
    }
    void replace_start_number(const QString& digits) {
        CSpinEdit1->selectAll();
        type_text(CSpinEdit1, digits);
    }

    const report::PrintSettings& stored() const { return session->printSettings; }

    std::unique_ptr<form::Session> session;
    QWidget owner;
    std::unique_ptr<PrintSettingsWindow> dialog;
    QLineEdit* Edit1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QSpinBox* CSpinEdit1 = nullptr;
};

TEST_F(PrintSettingsWindowTest, OpensOnTheStoredSubjectWithTheOwnerDisabled) {
    session->printSettings.subject = "倉庫新築工事";
    dialog->FormShow();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_EQ(dialog->windowTitle(), "印刷用設定");
    EXPECT_EQ(dialog->size(), QSize(466, 185));
    EXPECT_EQ(Edit1->text(), "倉庫新築工事");
    EXPECT_EQ(Edit1->maxLength(), 65);
    EXPECT_EQ(ComboBox1->currentText(), "1,2,3･･･");
    EXPECT_EQ(CSpinEdit1->value(), 1);
    EXPECT_EQ(CSpinEdit1->minimum(), 1);
    EXPECT_EQ(CSpinEdit1->maximum(), 9999);

    EXPECT_TRUE(radio(1)->isChecked());
    EXPECT_FALSE(GroupBox1->isEnabled());
    EXPECT_EQ(radio(1)->palette().color(QPalette::WindowText), kSelected);
    for (int i = 2; i <= 7; ++i) EXPECT_EQ(radio(i)->palette().color(QPalette::WindowText), kNavy);
}

TEST_F(PrintSettingsWindowTest, ClickIntoThePromptEmptiesItButKeepsASubject) {
    dialog->FormShow();
    EXPECT_EQ(Edit1->text(), "件名を入力");
    click_into_subject();
    EXPECT_EQ(Edit1->text(), "");
    type_text(Edit1, QStringLiteral("件名を入力して"));
    click_into_subject();
    EXPECT_EQ(Edit1->text(), "件名を入力して");
}

TEST_F(PrintSettingsWindowTest, ConfirmStoresTheSubjectOrNone) {
    struct Case {
        QString typed;
        std::string stored;
    };
    const Case cases[] = {
        {QStringLiteral("倉庫新築工事 A棟"), "倉庫新築工事 A棟"},
        {QString(), "件名を入力"},
        {QStringLiteral("件名を入力"), "件名を入力"},
        {QString(70, QChar(u'棟')), std::string(QString(65, QChar(u'棟')).toStdString())},
    };
    for (const Case& c : cases) {
        session->printSettings.subject = "前の件名";
        dialog->FormShow();
        replace_subject(c.typed);
        click("BitBtn2");
        EXPECT_EQ(stored().subject, c.stored) << c.typed.toStdString();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(owner.isEnabled());
    }
}

TEST_F(PrintSettingsWindowTest, PositionIsStoredAtOnceAndConfirmTakesTheStartNumber) {
    dialog->FormShow();
    radio(7)->click();
    EXPECT_EQ(stored().PageNumberPosition, 22);
    EXPECT_TRUE(GroupBox1->isEnabled());
    EXPECT_EQ(radio(7)->palette().color(QPalette::WindowText), kSelected);
    EXPECT_EQ(radio(1)->palette().color(QPalette::WindowText), kNavy);

    press_key(ComboBox1, Qt::Key_Down);
    EXPECT_EQ(ComboBox1->currentIndex(), 1);
    replace_start_number(QStringLiteral("5"));
    EXPECT_EQ(stored().start_number, "1") << "the start number waits for 設定";
    click("BitBtn2");
    EXPECT_EQ(stored().start_number, "5");
    EXPECT_EQ(stored().PageNumberPosition, 22);
    const report::PrintSettings used =
        persist::settings_for_printing(session->printDialog, session->printSettings);
    EXPECT_EQ(used.number_format, report::kDashedNumbers);
}

TEST_F(PrintSettingsWindowTest, CancelUndoesSubjectAndStartNumberButNotThePosition) {
    session->printSettings.subject = "倉庫新築工事";
    session->printSettings.start_number = "3";
    session->printDialog.CSpinEdit1 = 3;
    dialog->FormShow();
    replace_subject(QStringLiteral("別の件名"));
    radio(3)->click();
    replace_start_number(QStringLiteral("7"));
    press_key(ComboBox1, Qt::Key_Down);
    click("BitBtn1");

    EXPECT_EQ(stored().subject, "倉庫新築工事");
    EXPECT_EQ(stored().start_number, "3");
    EXPECT_EQ(stored().PageNumberPosition, 11);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(owner.isEnabled());

    dialog->FormShow();
    EXPECT_EQ(Edit1->text(), "倉庫新築工事");
    EXPECT_EQ(CSpinEdit1->value(), 3);
    EXPECT_TRUE(radio(3)->isChecked());
    EXPECT_EQ(ComboBox1->currentIndex(), 1) << "the format is kept as the list shows it";
}

TEST_F(PrintSettingsWindowTest, NoneDisablesTheGroupAndOnlyConfirmClearsThePosition) {
    session->printSettings.PageNumberPosition = 12;
    dialog->FormShow();
    radio(4)->click();
    radio(1)->click();
    EXPECT_FALSE(GroupBox1->isEnabled());
    EXPECT_EQ(stored().PageNumberPosition, 12);
    click("BitBtn1");
    dialog->FormShow();
    EXPECT_TRUE(radio(4)->isChecked()) << "キャンセル brings the stored position back";
    EXPECT_TRUE(GroupBox1->isEnabled());

    radio(1)->click();
    click("BitBtn2");
    EXPECT_EQ(stored().PageNumberPosition, 0);
    dialog->FormShow();
    EXPECT_TRUE(radio(1)->isChecked());
    EXPECT_FALSE(GroupBox1->isEnabled());
}

TEST_F(PrintSettingsWindowTest, StartNumberBoxTakesDigitsOnly) {
    session->printSettings.PageNumberPosition = 21;
    session->printDialog.GroupBox1Enabled = true;
    // Where numbers are written with group separators, the box would take them too.
    CSpinEdit1->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    dialog->FormShow();
    replace_start_number(QStringLiteral("12"));
    EXPECT_EQ(CSpinEdit1->value(), 12);
    type_text(CSpinEdit1, QStringLiteral("a-+.,５ "));
    EXPECT_EQ(CSpinEdit1->text(), "12");
    press_key(CSpinEdit1, Qt::Key_Backspace, QStringLiteral("\b"));
    type_text(CSpinEdit1, QStringLiteral("99999"));
    EXPECT_EQ(CSpinEdit1->value(), 1999);
    EXPECT_EQ(session->printDialog.CSpinEdit1, 1999);
}

TEST_F(PrintSettingsWindowTest, WindowManagerCloseActsAsCancel) {
    session->printSettings.subject = "倉庫新築工事";
    dialog->FormShow();
    replace_subject(QStringLiteral("別の件名"));
    EXPECT_TRUE(dialog->close());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(stored().subject, "倉庫新築工事");
    EXPECT_EQ(session->printDialog.Edit1, "倉庫新築工事");
}

} // namespace
} // namespace korvex::app
