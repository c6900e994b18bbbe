#include "form/coefficient_commands.h"

#include "form/layout.h"

namespace korvex::form {

std::optional<persist::SetFailure> coefficient_set(Session& s) {
    if (auto failure = persist::apply_set(s.coefficientDialog, s.coefficients)) return failure;
    s.coefficientDialog.visible = false;
    apply_layout(s.form, persist::chosen_layout_mode(s.coefficientDialog));
    return std::nullopt;
}

void coefficient_cancel(Session& s) {
    persist::apply_cancel(s.coefficientDialog, s.coefficients);
    s.coefficientDialog.visible = false;
}

} // namespace korvex::form
