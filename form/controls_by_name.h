#pragma once

// The controls of the input form found by their role names, kind by kind: what
// a view needs to bind its widgets to the form and what the change of a named
// control needs to find the value it stores. A name of another kind, or no
// control's name, finds nothing.

#include <string_view>

#include "form/input_form.h"

namespace korvex::form {

Edit* find_edit(InputForm& form, std::string_view name);
SpinEdit* find_spin(InputForm& form, std::string_view name);
ComboBox* find_combo(InputForm& form, std::string_view name);
RadioButton* find_radio(InputForm& form, std::string_view name);
CheckBox* find_check(InputForm& form, std::string_view name);
Label* find_label(InputForm& form, std::string_view name);
Button* find_button(InputForm& form, std::string_view name);
GroupBox* find_group(InputForm& form, std::string_view name);
Image* find_image(InputForm& form, std::string_view name);
// The panels that move or hide with the layout mode; deckPanel and sitePanel
// never do and have no member.
Panel* find_panel(InputForm& form, std::string_view name);
const Panel* find_panel(const InputForm& form, std::string_view name);

} // namespace korvex::form
