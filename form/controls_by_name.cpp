#include "form/controls_by_name.h"

#include "form/control_index.h"

namespace korvex::form {

namespace {

template <class Control>
Control* find_of_kind(InputForm& form, std::string_view name) {
    const auto control = find_control(form, name);
    if (!control) return nullptr;
    Control* const* found = std::get_if<Control*>(&*control);
    return found ? *found : nullptr;
}

} // namespace

Edit* find_edit(InputForm& form, std::string_view name) {
    return find_of_kind<Edit>(form, name);
}

SpinEdit* find_spin(InputForm& form, std::string_view name) {
    return find_of_kind<SpinEdit>(form, name);
}

ComboBox* find_combo(InputForm& form, std::string_view name) {
    return find_of_kind<ComboBox>(form, name);
}

RadioButton* find_radio(InputForm& form, std::string_view name) {
    return find_of_kind<RadioButton>(form, name);
}

CheckBox* find_check(InputForm& form, std::string_view name) {
    return find_of_kind<CheckBox>(form, name);
}

Label* find_label(InputForm& form, std::string_view name) {
    return find_of_kind<Label>(form, name);
}

Button* find_button(InputForm& form, std::string_view name) {
    return find_of_kind<Button>(form, name);
}

GroupBox* find_group(InputForm& form, std::string_view name) {
    return find_of_kind<GroupBox>(form, name);
}

Image* find_image(InputForm& form, std::string_view name) {
    return find_of_kind<Image>(form, name);
}

Panel* find_panel(InputForm& form, std::string_view name) {
    return find_of_kind<Panel>(form, name);
}

const Panel* find_panel(const InputForm& form, std::string_view name) {
    // Finding changes nothing; the index only hands out pointers that may.
    return find_panel(const_cast<InputForm&>(form), name);
}

} // namespace korvex::form
