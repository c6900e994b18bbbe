#include "persist/print_settings_dialog.h"

#include <algorithm>

#include "common/number_parse.h"

namespace korvex::persist {

namespace {

bool is_position_code(int code) {
    return std::find(std::begin(kPositionCodes), std::end(kPositionCodes), code) !=
           std::end(kPositionCodes);
}

} // namespace

void show_print_dialog(PrintSettingsDialog& dialog, const report::PrintSettings& settings) {
    dialog.Edit1 = settings.subject;
    dialog.visible = true;
}

void click_subject(PrintSettingsDialog& dialog) {
    if (dialog.Edit1 == report::kSubjectPlaceholder) dialog.Edit1.clear();
}

bool accepts_start_number_key(char32_t key) {
    return (key >= U'0' && key <= U'9') || key == 8;
}

void click_position(PrintSettingsDialog& dialog, report::PrintSettings& settings, int code) {
    if (!is_position_code(code) || code == report::kPageNumberNone) {
        dialog.checkedPosition = report::kPageNumberNone;
        dialog.GroupBox1Enabled = false;
        return;
    }
    dialog.checkedPosition = code;
    dialog.GroupBox1Enabled = true;
    settings.PageNumberPosition = code;
}

void confirm_print_dialog(PrintSettingsDialog& dialog, report::PrintSettings& settings) {
    settings.subject = dialog.Edit1.empty() || dialog.Edit1 == report::kSubjectPlaceholder
                           ? report::kSubjectPlaceholder
                           : dialog.Edit1;
    if (dialog.GroupBox1Enabled)
        settings.start_number = std::to_string(dialog.CSpinEdit1);
    else
        settings.PageNumberPosition = report::kPageNumberNone;
    dialog.visible = false;
}

void cancel_print_dialog(PrintSettingsDialog& dialog, report::PrintSettings& settings) {
    dialog.Edit1 = settings.subject;
    dialog.GroupBox1Enabled = true;
    dialog.CSpinEdit1 = std::clamp(common::parse_int(settings.start_number).value_or(1),
                                   kStartNumberMin, kStartNumberMax);
    click_position(dialog, settings, settings.PageNumberPosition);
    dialog.visible = false;
}

report::PrintSettings settings_for_printing(const PrintSettingsDialog& dialog,
                                            const report::PrintSettings& settings) {
    report::PrintSettings used = settings;
    used.number_format =
        dialog.ComboBox1 == report::kDashedNumbers ? report::kDashedNumbers : report::kPlainNumbers;
    return used;
}

} // namespace korvex::persist
