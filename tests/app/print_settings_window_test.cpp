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
        subjectEdit = dialog->findChild<QLineEdit*>("subjectEdit");
        contentGroup = dialog->findChild<QGroupBox*>("contentGroup");
        numberFormatBox = dialog->findChild<QComboBox*>("numberFormatBox");
        startNumberSpin = dialog->findChild<QSpinBox*>("startNumberSpin");
        ASSERT_TRUE(subjectEdit && contentGroup && numberFormatBox && startNumberSpin);
    }

    // 1 "無し", then the positions from the top left to the bottom right.
    QRadioButton* radio(int number) {
        static const char* const kNames[7] = {
            "noPageNumberRadio", "topLeftRadio",      "topCentreRadio",  "topRightRadio",
            "bottomLeftRadio",   "bottomCentreRadio", "bottomRightRadio"};
        return dialog->findChild<QRadioButton*>(QString::fromLatin1(kNames[number - 1]));
    }
    void click(const char* name) { dialog->findChild<QAbstractButton*>(name)->click(); }

    void click_into_subject() {
        const QPointF at(20, 10);
        QMouseEvent press(QEvent::MouseButtonPress, at, subjectEdit->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(subjectEdit, &press);
    }
    void replace_subject(const QString& text) {
        click_into_subject();
        subjectEdit->selectAll();
        press_key(subjectEdit, Qt::Key_Backspace, QStringLiteral("\b"));
        type_text(subjectEdit, text);
    }
    void replace_start_number(const QString& digits) {
        startNumberSpin->selectAll();
        type_text(startNumberSpin, digits);
    }

    const report::PrintSettings& stored() const { return session->printSettings; }

    std::unique_ptr<form::Session> session;
    QWidget owner;
    std::unique_ptr<PrintSettingsWindow> dialog;
    QLineEdit* subjectEdit = nullptr;
    QGroupBox* contentGroup = nullptr;
    QComboBox* numberFormatBox = nullptr;
    QSpinBox* startNumberSpin = nullptr;
};

TEST_F(PrintSettingsWindowTest, OpensOnTheStoredSubjectWithTheOwnerDisabled) {
    session->printSettings.subject = "倉庫新築工事";
    dialog->open_dialog();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_EQ(dialog->windowTitle(), "印刷用設定");
    EXPECT_EQ(dialog->size(), QSize(466, 185));
    EXPECT_EQ(subjectEdit->text(), "倉庫新築工事");
    EXPECT_EQ(subjectEdit->maxLength(), 65);
    EXPECT_EQ(numberFormatBox->currentText(), "1,2,3･･･");
    EXPECT_EQ(startNumberSpin->value(), 1);
    EXPECT_EQ(startNumberSpin->minimum(), 1);
    EXPECT_EQ(startNumberSpin->maximum(), 9999);

    EXPECT_TRUE(radio(1)->isChecked());
    EXPECT_FALSE(contentGroup->isEnabled());
    EXPECT_EQ(radio(1)->palette().color(QPalette::WindowText), kSelected);
    for (int i = 2; i <= 7; ++i) EXPECT_EQ(radio(i)->palette().color(QPalette::WindowText), kNavy);
}

TEST_F(PrintSettingsWindowTest, ClickIntoThePromptEmptiesItButKeepsASubject) {
    dialog->open_dialog();
    EXPECT_EQ(subjectEdit->text(), "件名を入力");
    click_into_subject();
    EXPECT_EQ(subjectEdit->text(), "");
    type_text(subjectEdit, QStringLiteral("件名を入力して"));
    click_into_subject();
    EXPECT_EQ(subjectEdit->text(), "件名を入力して");
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
        dialog->open_dialog();
        replace_subject(c.typed);
        click("setButton");
        EXPECT_EQ(stored().subject, c.stored) << c.typed.toStdString();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(owner.isEnabled());
    }
}

TEST_F(PrintSettingsWindowTest, PositionIsStoredAtOnceAndConfirmTakesTheStartNumber) {
    dialog->open_dialog();
    radio(7)->click();
    EXPECT_EQ(stored().pageNumberPosition, report::PageNumberPosition::bottomRight);
    EXPECT_TRUE(contentGroup->isEnabled());
    EXPECT_EQ(radio(7)->palette().color(QPalette::WindowText), kSelected);
    EXPECT_EQ(radio(1)->palette().color(QPalette::WindowText), kNavy);

    press_key(numberFormatBox, Qt::Key_Down);
    EXPECT_EQ(numberFormatBox->currentIndex(), 1);
    replace_start_number(QStringLiteral("5"));
    EXPECT_EQ(stored().startNumber, "1") << "the start number waits for 設定";
    click("setButton");
    EXPECT_EQ(stored().startNumber, "5");
    EXPECT_EQ(stored().pageNumberPosition, report::PageNumberPosition::bottomRight);
    const report::PrintSettings used =
        persist::settings_for_printing(session->printDialog, session->printSettings);
    EXPECT_EQ(used.numberFormat, report::PageNumberFormat::dashed);
}

TEST_F(PrintSettingsWindowTest, CancelUndoesSubjectAndStartNumberButNotThePosition) {
    session->printSettings.subject = "倉庫新築工事";
    session->printSettings.startNumber = "3";
    session->printDialog.startNumberSpin = 3;
    dialog->open_dialog();
    replace_subject(QStringLiteral("別の件名"));
    radio(3)->click();
    replace_start_number(QStringLiteral("7"));
    press_key(numberFormatBox, Qt::Key_Down);
    click("cancelButton");

    EXPECT_EQ(stored().subject, "倉庫新築工事");
    EXPECT_EQ(stored().startNumber, "3");
    EXPECT_EQ(stored().pageNumberPosition, report::PageNumberPosition::topCentre);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(owner.isEnabled());

    dialog->open_dialog();
    EXPECT_EQ(subjectEdit->text(), "倉庫新築工事");
    EXPECT_EQ(startNumberSpin->value(), 3);
    EXPECT_TRUE(radio(3)->isChecked());
    EXPECT_EQ(numberFormatBox->currentIndex(), 1) << "the format is kept as the list shows it";
}

TEST_F(PrintSettingsWindowTest, NoneDisablesTheGroupAndOnlyConfirmClearsThePosition) {
    session->printSettings.pageNumberPosition = report::PageNumberPosition::topRight;
    dialog->open_dialog();
    radio(4)->click();
    radio(1)->click();
    EXPECT_FALSE(contentGroup->isEnabled());
    EXPECT_EQ(stored().pageNumberPosition, report::PageNumberPosition::topRight);
    click("cancelButton");
    dialog->open_dialog();
    EXPECT_TRUE(radio(4)->isChecked()) << "キャンセル brings the stored position back";
    EXPECT_TRUE(contentGroup->isEnabled());

    radio(1)->click();
    click("setButton");
    EXPECT_EQ(stored().pageNumberPosition, report::PageNumberPosition::none);
    dialog->open_dialog();
    EXPECT_TRUE(radio(1)->isChecked());
    EXPECT_FALSE(contentGroup->isEnabled());
}

TEST_F(PrintSettingsWindowTest, StartNumberBoxTakesDigitsOnly) {
    session->printSettings.pageNumberPosition = report::PageNumberPosition::bottomCentre;
    session->printDialog.contentGroupEnabled = true;
    // Where numbers are written with group separators, the box would take them too.
    startNumberSpin->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    dialog->open_dialog();
    replace_start_number(QStringLiteral("12"));
    EXPECT_EQ(startNumberSpin->value(), 12);
    type_text(startNumberSpin, QStringLiteral("a-+.,５ "));
    EXPECT_EQ(startNumberSpin->text(), "12");
    press_key(startNumberSpin, Qt::Key_Backspace, QStringLiteral("\b"));
    type_text(startNumberSpin, QStringLiteral("99999"));
    EXPECT_EQ(startNumberSpin->value(), 1999);
    EXPECT_EQ(session->printDialog.startNumberSpin, 1999);
}

TEST_F(PrintSettingsWindowTest, WindowManagerCloseActsAsCancel) {
    session->printSettings.subject = "倉庫新築工事";
    dialog->open_dialog();
    replace_subject(QStringLiteral("別の件名"));
    EXPECT_TRUE(dialog->close());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(stored().subject, "倉庫新築工事");
    EXPECT_EQ(session->printDialog.subjectEdit, "倉庫新築工事");
}

} // namespace
} // namespace korvex::app
