#include "persist/print_settings_dialog.h"

#include <algorithm>

#include "common/number_parse.h"

namespace korvex::persist {

void show_print_dialog(PrintSettingsDialog& dialog, const report::PrintSettings& settings) {
    dialog.subjectEdit = settings.subject;
    dialog.visible = true;
}

void click_subject(PrintSettingsDialog& dialog) {
    if (dialog.subjectEdit == report::kSubjectPlaceholder) dialog.subjectEdit.clear();
}

bool accepts_start_number_key(char32_t key) {
    return (key >= U'0' && key <= U'9') || key == 8;
}

void click_position(PrintSettingsDialog& dialog, report::PrintSettings& settings,
                    report::PageNumberPosition position) {
    dialog.checkedPosition = position;
    dialog.contentGroupEnabled = position != report::PageNumberPosition::none;
    if (position != report::PageNumberPosition::none) settings.pageNumberPosition = position;
}

void confirm_print_dialog(PrintSettingsDialog& dialog, report::PrintSettings& settings) {
    settings.subject =
        dialog.subjectEdit.empty() || dialog.subjectEdit == report::kSubjectPlaceholder
            ? report::kSubjectPlaceholder
            : dialog.subjectEdit;
    if (dialog.contentGroupEnabled)
        settings.startNumber = std::to_string(dialog.startNumberSpin);
    else
        settings.pageNumberPosition = report::PageNumberPosition::none;
    dialog.visible = false;
}

void cancel_print_dialog(PrintSettingsDialog& dialog, report::PrintSettings& settings) {
    dialog.subjectEdit = settings.subject;
    dialog.contentGroupEnabled = true;
    dialog.startNumberSpin = std::clamp(common::parse_int(settings.startNumber).value_or(1),
                                        kStartNumberMin, kStartNumberMax);
    click_position(dialog, settings, settings.pageNumberPosition);
    dialog.visible = false;
}

report::PrintSettings settings_for_printing(const PrintSettingsDialog& dialog,
                                            const report::PrintSettings& settings) {
    report::PrintSettings used = settings;
    used.numberFormat = dialog.numberFormatBox == 1 ? report::PageNumberFormat::dashed
                                                    : report::PageNumberFormat::plain;
    return used;
}

} // namespace korvex::persist
