#include "form/calculate.h"

#include "calc/load_step.h"
#include "form/gathering.h"
#include "form/validation.h"
#include "run/calculation_run.h"

namespace korvex::form {

report::WindowSnapshot window_snapshot(const InputForm& form) {
    report::WindowSnapshot snapshot;
    snapshot.surfaceIndex = form.ComboBox7.item_index;
    snapshot.surfaceName = item_text(form.ComboBox7);
    snapshot.unitWeightText = form.Edit99.text;
    snapshot.cantileverShown = form.Edit77.visible || form.Edit88.visible;
    snapshot.heavySnowBox = form.CheckBox1.checked;
    return snapshot;
}

std::optional<FormMessage> calculate(Session& s) {
    // Validation writes the span fields; they only take effect when it passes.
    calc::DesignInputs inputs = s.inputs;
    if (auto failure = validate_inputs(s.form, inputs, s.coefficients)) return failure;

    s.increase = calc::SnowIncrease{};
    gather_inputs(s.form, s.coefficients, inputs);
    s.inputs = inputs;
    calc::run_load_step({s.inputs, s.data, s.increase, s.wind, s.loads});
    s.run = run::run_calculation(s.inputs, s.data, s.loads);
    s.snapshot = window_snapshot(s.form);
    return std::nullopt;
}

} // namespace korvex::form
