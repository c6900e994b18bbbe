#include <gtest/gtest.h>

#include "persist/print_settings_dialog.h"

namespace korvex::persist {
namespace {

using report::PrintSettings;

TEST(PrintSettingsDialog, EmptySubjectOrPromptMeansNoSubject) {
    for (const char* typed : {"", "件名を入力"}) {
        PrintSettings settings;
        settings.subject = "倉庫新築工事";
        PrintSettingsDialog dialog;
        show_print_dialog(dialog, settings);
        dialog.subjectEdit = typed;
        confirm_print_dialog(dialog, settings);
        EXPECT_EQ(settings.subject, report::kSubjectPlaceholder) << typed;
    }
    PrintSettingsDialog dialog;
    click_subject(dialog);
    EXPECT_EQ(dialog.subjectEdit, "");
    dialog.subjectEdit = "倉庫";
    click_subject(dialog);
    EXPECT_EQ(dialog.subjectEdit, "倉庫");
}

TEST(PrintSettingsDialog, PositionIsStoredAtOnceAndNoneOnlyOnConfirm) {
    PrintSettings settings;
    PrintSettingsDialog dialog;
    click_position(dialog, settings, report::PageNumberPosition::bottomCentre);
    EXPECT_EQ(settings.pageNumberPosition, report::PageNumberPosition::bottomCentre);
    EXPECT_TRUE(dialog.contentGroupEnabled);
    dialog.startNumberSpin = 5;
    confirm_print_dialog(dialog, settings);
    EXPECT_EQ(settings.startNumber, "5");

    click_position(
        dialog, settings,
        report::PageNumberPosition::none); // "無し": the group closes, nothing stored yet
    EXPECT_EQ(settings.pageNumberPosition, report::PageNumberPosition::bottomCentre);
    EXPECT_FALSE(dialog.contentGroupEnabled);
    confirm_print_dialog(dialog, settings);
    EXPECT_EQ(settings.pageNumberPosition, report::PageNumberPosition::none);
}

TEST(PrintSettingsDialog, CancelUndoesSubjectStartAndNoneButNotANewPosition) {
    PrintSettings settings;
    settings.subject = "件名A";
    settings.pageNumberPosition = report::PageNumberPosition::topLeft;
    settings.startNumber = "3";
    PrintSettingsDialog dialog;
    show_print_dialog(dialog, settings);
    click_position(dialog, settings, report::PageNumberPosition::topRight); // stored at once
    dialog.subjectEdit = "件名B";
    dialog.startNumberSpin = 8;
    cancel_print_dialog(dialog, settings);
    EXPECT_EQ(settings.pageNumberPosition, report::PageNumberPosition::topRight);
    EXPECT_EQ(dialog.checkedPosition, report::PageNumberPosition::topRight);
    EXPECT_EQ(dialog.subjectEdit, "件名A");
    EXPECT_EQ(dialog.startNumberSpin, 3);
    EXPECT_EQ(settings.startNumber, "3");

    click_position(dialog, settings, report::PageNumberPosition::none);
    cancel_print_dialog(dialog, settings); // a change to "無し" is undone
    EXPECT_EQ(dialog.checkedPosition, report::PageNumberPosition::topRight);
    EXPECT_TRUE(dialog.contentGroupEnabled);

    settings.pageNumberPosition = report::PageNumberPosition::none;
    cancel_print_dialog(dialog, settings);
    EXPECT_EQ(dialog.checkedPosition, report::PageNumberPosition::none);
    EXPECT_FALSE(dialog.contentGroupEnabled);
}

TEST(PrintSettingsDialog, NumberFormatComesFromTheListAndKeysAreDigits) {
    PrintSettings settings;
    PrintSettingsDialog dialog;
    dialog.numberFormatBox = 1;
    EXPECT_EQ(settings_for_printing(dialog, settings).numberFormat,
              report::PageNumberFormat::dashed);
    EXPECT_EQ(settings.numberFormat, report::PageNumberFormat::plain);
    EXPECT_TRUE(accepts_start_number_key(U'7'));
    EXPECT_TRUE(accepts_start_number_key(8));
    EXPECT_FALSE(accepts_start_number_key(U'-'));
    EXPECT_FALSE(accepts_start_number_key(U'a'));
}

} // namespace
} // namespace korvex::persist
