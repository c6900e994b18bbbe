#pragma once

// The deck unit weight follows the deck type and the surface treatment.

#include "form/input_form.h"

namespace korvex::form {

// The change behaviour of ComboBox7 and of ComboBox1: for "Z12" and "Z27" the
// table's weight of the selected deck goes into Edit99; for "他" Edit99 is
// emptied and takes the focus, and the user types the weight.
void update_unit_weight(InputForm& form);

} // namespace korvex::form
