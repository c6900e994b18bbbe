#include "form/snow.h"

#include <algorithm>

#include "calc/snow.h"
#include "form/spin_edits.h"

namespace korvex::form {

void apply_snow_depth_rule(InputForm& form) {
    const calc::HeavySnowRule rule = calc::heavy_snow_rule(form.snowDepthSpin.value);
    set_spin_value(form, form.snowUnitWeightSpin, rule.snowUnitWeight);
    // The box is enabled only for the moment of the change: the user never ticks it.
    form.heavySnowCheck.enabled = true;
    form.heavySnowCheck.checked = rule.heavySnowArea;
    form.heavySnowCheck.enabled = false;
    form.heavySnowLabel.fontColour = rule.heavySnowArea ? kBlack : kGreyedLabel;
}

std::optional<int> formula_snow_depth(InputForm& form) {
    site::SiteValues& site = form.site;
    site.seaRatio = form.seaRatioSpin.value;
    site.altitude = form.altitudeSpin.value;
    if (!site.zoneRegistered) return std::nullopt;
    return calc::formula_snow_depth_cm(site.snowCoefA, site.snowCoefB, site.snowCoefC,
                                       site.altitude, site.seaRatio);
}

void recompute_formula_snow_depth(InputForm& form) {
    const auto depth = formula_snow_depth(form);
    if (!depth) return;
    form.site.formulaSnowDepth = *depth;
    set_spin_value(form, form.snowDepthSpin, *depth);
}

calc::SnowMethod snow_method(const InputForm& form) {
    return form.formulaDepthRadio.checked ? calc::SnowMethod::formula
                                          : calc::SnowMethod::typedDepth;
}

void set_snow_method_radios(InputForm& form, calc::SnowMethod method) {
    form.typedDepthRadio.checked = method != calc::SnowMethod::formula;
    form.formulaDepthRadio.checked = method == calc::SnowMethod::formula;
    highlight_radio(form.typedDepthRadio);
    highlight_radio(form.formulaDepthRadio);
}

void apply_snow_method(InputForm& form, calc::SnowMethod method) {
    if (method == calc::SnowMethod::formula && !form.site.zoneRegistered)
        method = calc::SnowMethod::typedDepth;
    set_snow_method_radios(form, method);
    if (method == calc::SnowMethod::formula) {
        form.altitudeSpin.enabled = true;
        form.seaRatioSpin.enabled = true;
        recompute_formula_snow_depth(form);
        form.snowDepthSpin.enabled = false;
        focus(form, form.state.layoutMode == calc::LayoutMode::directLoads
                        ? form.directWindPositiveSpin.name
                        : form.seaRatioSpin.name);
    } else {
        form.snowDepthSpin.enabled = true;
        set_spin_value(form, form.snowDepthSpin, form.site.tableSnowDepth);
        form.altitudeSpin.enabled = false;
        form.seaRatioSpin.enabled = false;
    }
}

void select_snow_method(InputForm& form, calc::SnowMethod method) {
    const RadioButton& radio =
        method == calc::SnowMethod::formula ? form.formulaDepthRadio : form.typedDepthRadio;
    if (radio.checked || !radio.enabled) return;
    apply_snow_method(form, method);
}

} // namespace korvex::form
