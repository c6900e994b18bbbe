#pragma once

// The switch between the window with derived wind and snow loads (mode 0) and
// the smaller one where both loads are typed in (mode 1).

#include "form/input_form.h"

namespace korvex::form {

// Any mode other than 1 counts as 0. The site, snow and wind controls keep their
// values while they are hidden.
void apply_layout(InputForm& form, int mode);

} // namespace korvex::form
