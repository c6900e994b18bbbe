#include "form/spin_edits.h"

#include <algorithm>

#include "common/number_parse.h"
#include "form/snow.h"
#include "form/spans.h"

namespace korvex::form {

int clamp_to_range(const SpinEdit& spin, int value) {
    return std::clamp(value, spin.minValue, std::max(spin.minValue, spin.maxValue));
}

void set_spin_value(InputForm& form, SpinEdit& spin, int value) {
    spin.value = clamp_to_range(spin, value);
    if (&spin == &form.snowDepthSpin) {
        apply_snow_depth_rule(form);
    } else if (&spin == &form.altitudeSpin || &spin == &form.seaRatioSpin) {
        // A sea ratio set by any other hand is no longer the reference taken.
        if (&spin == &form.seaRatioSpin) form.site.seaRatioFromReference = false;
        recompute_formula_snow_depth(form);
    } else if (&spin == &form.spanCountSpin) {
        update_spans(form);
    }
}

void set_spin_text(InputForm& form, SpinEdit& spin, std::string_view text) {
    set_spin_value(form, spin, common::parse_int(text).value_or(spin.minValue));
}

} // namespace korvex::form
