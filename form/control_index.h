#pragma once

// Every control of the input form, reachable by its role name: for callers that
// are handed a control's name (the browser edition's page, a test) rather than
// the member itself.

#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "form/input_form.h"

namespace korvex::form {

using ControlRef = std::variant<Edit*, SpinEdit*, ComboBox*, RadioButton*, CheckBox*, Label*,
                                GroupBox*, Button*, Panel*, Image*>;

// In the order the form declares them.
std::vector<ControlRef> all_controls(InputForm& form);

std::optional<ControlRef> find_control(InputForm& form, std::string_view name);

// The role name a control carries.
const std::string& control_name(const ControlRef& control);

// The hint a control shows, or "" for a kind that has none.
std::string control_hint(const ControlRef& control);

} // namespace korvex::form
