#include "form/unit_weight.h"

#include <string>

#include "calc/product_tables.h"

namespace korvex::form {

void update_unit_weight(InputForm& form) {
    form.deckUnitWeightEdit.enabled = true;
    const int surface = form.surfaceTreatmentBox.itemIndex;
    if (surface == 0 || surface == 1) {
        form.deckUnitWeightEdit.text =
            std::to_string(calc::deck_unit_weight(surface, form.deckTypeBox.itemIndex));
        form.deckUnitWeightEdit.hint = kHintUnitWeightFromTable;
    } else {
        form.deckUnitWeightEdit.text.clear();
        form.deckUnitWeightEdit.hint = kHintUnitWeightTyped;
        focus(form, form.deckUnitWeightEdit.name);
    }
}

} // namespace korvex::form
