#pragma once

// The switch between the window with derived wind and snow loads and the
// smaller one where both loads are typed in.

#include "form/input_form.h"

namespace korvex::form {

// The site, snow and wind controls keep their values while they are hidden.
void apply_layout(InputForm& form, calc::LayoutMode mode);

} // namespace korvex::form
