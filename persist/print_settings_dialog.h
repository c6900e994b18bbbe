#pragma once

// The print settings dialog as plain state, with the behaviours of its controls
// and buttons. The stored settings are report::PrintSettings; the number format
// has no store of its own and is read from the dialog's list when printing.

#include <string>

#include "report/print_settings.h"

namespace korvex::persist {

inline constexpr int kSubjectMaxLength = 65;
inline constexpr int kStartNumberMin = 1;
inline constexpr int kStartNumberMax = 9999;

struct PrintSettingsDialog {
    std::string subjectEdit = report::kSubjectPlaceholder; // subject box
    // The ticked position button.
    report::PageNumberPosition checkedPosition = report::PageNumberPosition::none;
    bool contentGroupEnabled = false; // "表示内容": disabled while "無し" is ticked
    int numberFormatBox = 0;          // list index of the number format
    int startNumberSpin = 1;          // start number
    bool visible = false;
};

// Opening the dialog shows the stored subject; everything else stays as the
// dialog was last left.
void show_print_dialog(PrintSettingsDialog& dialog, const report::PrintSettings& settings);

// A click into the subject box clears the prompt.
void click_subject(PrintSettingsDialog& dialog);

// The start-number box takes digits and backspace only.
bool accepts_start_number_key(char32_t key);

// A click on a position button. "無し" only disables the group; any other
// button stores its position at once (so キャンセル does not undo it).
void click_position(PrintSettingsDialog& dialog, report::PrintSettings& settings,
                    report::PageNumberPosition position);

// "設定": an empty subject or the prompt means no subject.
void confirm_print_dialog(PrintSettingsDialog& dialog, report::PrintSettings& settings);

// "キャンセル": the stored subject, start number and position back into the dialog.
void cancel_print_dialog(PrintSettingsDialog& dialog, report::PrintSettings& settings);

// The settings a print job uses: the stored ones with the dialog's number format.
report::PrintSettings settings_for_printing(const PrintSettingsDialog& dialog,
                                            const report::PrintSettings& settings);

} // namespace korvex::persist
