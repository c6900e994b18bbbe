#include "form/key_filter.h"

#include <algorithm>
#include <array>

namespace korvex::form {

namespace {

constexpr std::array<std::string_view, 16> kDigitControls = {
    "Edit1",      "Edit2",      "Edit3",      "Edit4",      "Edit5",      "Edit6",
    "Edit7",      "CSpinEdit1", "CSpinEdit2", "CSpinEdit3", "CSpinEdit4", "CSpinEdit5",
    "CSpinEdit7", "CSpinEdit8", "CSpinEdit9", "CSpinEdit10"};

bool unit_weight_from_table(const InputForm& form) {
    return form.ComboBox7.item_index != 2;
}

} // namespace

bool accepts_key(const InputForm& form, std::string_view control, char32_t key) {
    if (control == form.CSpinEdit6.name) return false;
    if (control == form.Edit99.name) return !unit_weight_from_table(form);
    if (std::find(kDigitControls.begin(), kDigitControls.end(), control) != kDigitControls.end())
        return (key >= U'0' && key <= U'9') || key == kBackspace;
    return true;
}

bool accepts_key_down(const InputForm& form, std::string_view control) {
    if (control == form.CSpinEdit6.name) return false;
    if (control == form.Edit99.name) return !unit_weight_from_table(form);
    return true;
}

} // namespace korvex::form
