#include "form/snow.h"

#include <algorithm>

#include "calc/snow.h"
#include "form/spin_edits.h"

namespace korvex::form {

void apply_snow_depth_rule(InputForm& form) {
    const calc::HeavySnowRule rule = calc::heavy_snow_rule(form.CSpinEdit2.value);
    set_spin_value(form, form.CSpinEdit3, rule.snowUnitWeight);
    // The box is enabled only for the moment of the change: the user never ticks it.
    form.CheckBox1.enabled = true;
    form.CheckBox1.checked = rule.heavySnowArea;
    form.CheckBox1.enabled = false;
    form.Label34.font_colour = rule.heavySnowArea ? kBlack : kGreyedLabel;
}

std::optional<int> formula_snow_depth(InputForm& form) {
    site::SiteValues& site = form.site;
    site.seaRatio = form.CSpinEdit5.value;
    site.altitude = form.CSpinEdit4.value;
    if (!site.zone_registered) return std::nullopt;
    return calc::formula_snow_depth_cm(site.snowCoefA, site.snowCoefB, site.snowCoefC,
                                       site.altitude, site.seaRatio);
}

void recompute_formula_snow_depth(InputForm& form) {
    const auto depth = formula_snow_depth(form);
    if (!depth) return;
    form.site.formulaSnowDepth = *depth;
    set_spin_value(form, form.CSpinEdit2, *depth);
}

int snow_method(const InputForm& form) {
    return form.RadioButton2.checked ? kFormulaDepth : kDirectDepth;
}

void set_snow_method_radios(InputForm& form, int method) {
    form.RadioButton1.checked = method != kFormulaDepth;
    form.RadioButton2.checked = method == kFormulaDepth;
    highlight_radio(form.RadioButton1);
    highlight_radio(form.RadioButton2);
}

void apply_snow_method(InputForm& form, int method) {
    if (method == kFormulaDepth && !form.site.zone_registered) method = kDirectDepth;
    set_snow_method_radios(form, method);
    if (method == kFormulaDepth) {
        form.CSpinEdit4.enabled = true;
        form.CSpinEdit5.enabled = true;
        recompute_formula_snow_depth(form);
        form.CSpinEdit2.enabled = false;
        focus(form, form.state.layoutMode == 1 ? form.CSpinEdit8.name : form.CSpinEdit5.name);
    } else {
        form.CSpinEdit2.enabled = true;
        set_spin_value(form, form.CSpinEdit2, form.site.tableSnowDepth);
        form.CSpinEdit4.enabled = false;
        form.CSpinEdit5.enabled = false;
    }
}

void select_snow_method(InputForm& form, int method) {
    const RadioButton& radio = method == kFormulaDepth ? form.RadioButton2 : form.RadioButton1;
    if (radio.checked || !radio.enabled) return;
    apply_snow_method(form, method);
}

} // namespace korvex::form
