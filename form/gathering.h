#pragma once

// The second step of the Calculate command: everything the validation did not
// fill is read from the form, its site values and the coefficient settings, so
// the calculation never reads the form itself. Run it after a passed validation.

#include "calc/coefficient_settings.h"
#include "calc/design_inputs.h"
#include "form/input_form.h"

namespace korvex::form {

void gather_inputs(const InputForm& form, const calc::CoefficientSettings& settings,
                   calc::DesignInputs& inputs);

} // namespace korvex::form
