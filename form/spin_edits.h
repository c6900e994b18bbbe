#pragma once

// Setting a spin edit the way the window does: the value is clamped to the
// edit's range and the edit's change behaviour runs (the heavy-snow rule for the
// snow depth, the snow-depth formula for altitude and sea ratio, the span
// bookkeeping for the span count). The project loader relies on exactly these
// side effects.

#include <string_view>

#include "form/input_form.h"

namespace korvex::form {

int clamp_to_range(const SpinEdit& spin, int value);

void set_spin_value(InputForm& form, SpinEdit& spin, int value);

// Text typed into the spin edit: a text that is not an integer reads as the
// edit's minimum and the edit shows the minimum.
void set_spin_text(InputForm& form, SpinEdit& spin, std::string_view text);

} // namespace korvex::form
