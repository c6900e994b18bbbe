#pragma once

// Which typed characters a control lets through. The window asks before it
// passes a key press (or a key-down) on to the control.

#include <string_view>

#include "form/input_form.h"

namespace korvex::form {

inline constexpr char32_t kBackspace = 8;

// A typed character: the length and load fields take digits and backspace only;
// deckUnitWeightEdit takes nothing while its value comes from the table; spanCountSpin takes
// nothing at all (only its up and down buttons change it). Other controls take
// every character.
bool accepts_key(const InputForm& form, std::string_view control, char32_t key);

// A key-down (arrows, Delete and the like): swallowed by deckUnitWeightEdit while its value
// comes from the table and always by spanCountSpin.
bool accepts_key_down(const InputForm& form, std::string_view control);

} // namespace korvex::form
