#include "form/calculate.h"

#include <utility>

#include "calc/load_step.h"
#include "form/gathering.h"
#include "form/sea_ratio_reference.h"
#include "form/validation.h"
#include "run/calculation_run.h"

namespace korvex::form {

report::WindowSnapshot window_snapshot(const InputForm& form) {
    report::WindowSnapshot snapshot;
    snapshot.surfaceIndex = form.surfaceTreatmentBox.itemIndex;
    snapshot.surfaceName = item_text(form.surfaceTreatmentBox);
    snapshot.unitWeightText = form.deckUnitWeightEdit.text;
    snapshot.cantileverShown =
        form.cantileverLengthEdit.visible || form.rightCantileverLengthEdit.visible;
    snapshot.heavySnowBox = form.heavySnowCheck.checked;
    if (form.site.seaRatioFromReference || form.site.enteredPoint) {
        snapshot.seaMap = sea_map_figure(form.site);
        snapshot.seaRatioTaken = form.site.seaRatioFromReference;
    }
    return snapshot;
}

Session calculation_copy(const Session& session) {
    Session copy;
    copy.form = session.form;
    copy.coefficients = session.coefficients;
    copy.inputs = session.inputs;
    return copy;
}

std::optional<FormMessage> validate_for_calculation(Session& s, calc::DesignInputs& validated) {
    // Validation writes the span fields; they only take effect when it passes.
    validated = s.inputs;
    return validate_inputs(s.form, validated, s.coefficients);
}

std::optional<FormMessage> calculate(Session& s, run::RunScope scope) {
    calc::DesignInputs inputs;
    if (auto failure = validate_for_calculation(s, inputs)) return failure;
    calculate_validated(s, std::move(inputs), scope);
    return std::nullopt;
}

void calculate_validated(Session& s, calc::DesignInputs inputs, run::RunScope scope) {
    s.increase = calc::SnowIncrease{};
    gather_inputs(s.form, s.coefficients, inputs);
    s.inputs = std::move(inputs);
    calc::run_load_step({s.inputs, s.data, s.increase, s.wind, s.loads});
    s.run = run::run_calculation(s.inputs, s.data, s.loads, scope);
    s.snapshot = window_snapshot(s.form);
    if (s.snapshot.seaMap) s.snapshot.coastline = s.siteTables.coastline;
}

} // namespace korvex::form
