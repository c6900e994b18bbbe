#pragma once

// The deck unit weight follows the deck type and the surface treatment.

#include "form/input_form.h"

namespace korvex::form {

// The change behaviour of surfaceTreatmentBox and of deckTypeBox: for "Z12" and "Z27" the
// table's weight of the selected deck goes into deckUnitWeightEdit; for "他" deckUnitWeightEdit is
// emptied and takes the focus, and the user types the weight.
void update_unit_weight(InputForm& form);

} // namespace korvex::form
