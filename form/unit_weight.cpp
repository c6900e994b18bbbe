#include "form/unit_weight.h"

#include <string>

#include "calc/product_tables.h"

namespace korvex::form {

void update_unit_weight(InputForm& form) {
    form.Edit99.enabled = true;
    const int surface = form.ComboBox7.item_index;
    if (surface == 0 || surface == 1) {
        form.Edit99.text =
            std::to_string(calc::deck_unit_weight(surface, form.ComboBox1.item_index));
        form.Edit99.hint = kHintUnitWeightFromTable;
    } else {
        form.Edit99.text.clear();
        form.Edit99.hint = kHintUnitWeightTyped;
        focus(form, form.Edit99.name);
    }
}

} // namespace korvex::form
