#include "form/snow.h"

#include <algorithm>

#include "calc/snow.h"
#include "common/number_parse.h"
#include "common/number_text.h"
#include "form/sea_ratio_reference.h"
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

std::array<Edit*, 4> snow_coefficient_fields(InputForm& form) {
    return {&form.snowCoefAlphaEdit, &form.snowCoefBetaEdit, &form.snowCoefGammaEdit,
            &form.snowCoefRadiusEdit};
}

std::optional<SnowCoefficients> read_snow_coefficients(const InputForm& form) {
    const auto alpha = common::parse_decimal(form.snowCoefAlphaEdit.text);
    const auto beta = common::parse_decimal(form.snowCoefBetaEdit.text);
    const auto gamma = common::parse_decimal(form.snowCoefGammaEdit.text);
    const auto radius = common::parse_int(form.snowCoefRadiusEdit.text);
    if (!alpha || !beta || !gamma || !radius) return std::nullopt;
    return SnowCoefficients{*alpha, *beta, *gamma, *radius};
}

std::optional<int> formula_snow_depth(InputForm& form) {
    site::SiteValues& site = form.site;
    site.seaRatio = form.seaRatioSpin.value;
    site.altitude = form.altitudeSpin.value;
    const auto coefficients = read_snow_coefficients(form);
    if (!coefficients) return std::nullopt;
    site.snowCoefA = coefficients->alpha;
    site.snowCoefB = coefficients->beta;
    site.snowCoefC = coefficients->gamma;
    site.seaRatioRadius = coefficients->radius;
    return calc::formula_snow_depth_cm(site.snowCoefA, site.snowCoefB, site.snowCoefC,
                                       site.altitude, site.seaRatio);
}

void fill_snow_coefficients(InputForm& form) {
    const site::SiteValues& site = form.site;
    const bool known = site.zoneRegistered;
    form.snowCoefAlphaEdit.text = known ? common::shortest_decimal(site.snowCoefA) : "";
    form.snowCoefBetaEdit.text = known ? common::shortest_decimal(site.snowCoefB) : "";
    form.snowCoefGammaEdit.text = known ? common::shortest_decimal(site.snowCoefC) : "";
    form.snowCoefRadiusEdit.text = known ? std::to_string(site.seaRatioRadius) : "";
    form.site.coefficientsEntered = false;
}

void enter_snow_coefficient(InputForm& form, Edit& field, const std::string& text) {
    field.text = text;
    form.site.coefficientsEntered = true;
    form.site.sources.snowCoefficients = calc::ValueSource::entered;
    recompute_formula_snow_depth(form);
}

void recompute_formula_snow_depth(InputForm& form) {
    const auto depth = formula_snow_depth(form);
    if (!depth) return;
    form.site.formulaSnowDepth = *depth;
    set_spin_value(form, form.snowDepthSpin, *depth);
}

std::optional<std::string> recompute_loaded_formula_depth(InputForm& form) {
    if (snow_method(form) != calc::SnowMethod::formula) return std::nullopt;
    const int saved = form.snowDepthSpin.value;
    const int saved_unit_weight = form.snowUnitWeightSpin.value;
    const bool saved_heavy_snow = form.heavySnowCheck.checked;
    const auto depth = formula_snow_depth(form);
    if (!depth) return std::nullopt;
    form.site.formulaSnowDepth = *depth;
    if (clamp_to_range(form.snowDepthSpin, *depth) == saved) return std::nullopt;
    // The new depth runs the heavy-snow rule. The unit weight saved with the
    // design stays while the site stays on the same side of 100 cm; a site that
    // crosses it takes the rule's unit weight, and the user is told.
    set_spin_value(form, form.snowDepthSpin, *depth);
    if (form.heavySnowCheck.checked == saved_heavy_snow)
        set_spin_value(form, form.snowUnitWeightSpin, saved_unit_weight);
    std::string message = "保存されていた垂直積雪量 " + std::to_string(saved) +
                          " cm を、告示第1455号の式から1 cm単位で求め直し " +
                          std::to_string(form.snowDepthSpin.value) + " cm としました。";
    if (form.snowUnitWeightSpin.value != saved_unit_weight)
        message += "積雪の単位荷重は " + std::to_string(saved_unit_weight) + " から " +
                   std::to_string(form.snowUnitWeightSpin.value) + " N/㎝/㎡ になりました。";
    return message;
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

void enable_formula_fields(InputForm& form, bool enabled) {
    form.altitudeSpin.enabled = enabled;
    form.seaRatioSpin.enabled = enabled;
    for (Edit* field : snow_coefficient_fields(form)) field->enabled = enabled;
    enable_take_button(form);
}

// The formula method is open to every area: where the tables know no
// coefficients the user types them, and until then the depth stays as it is.
void apply_snow_method(InputForm& form, calc::SnowMethod method) {
    set_snow_method_radios(form, method);
    if (method == calc::SnowMethod::formula) {
        enable_formula_fields(form, true);
        recompute_formula_snow_depth(form);
        form.snowDepthSpin.enabled = false;
        focus(form, form.state.layoutMode == calc::LayoutMode::directLoads
                        ? form.directWindPositiveSpin.name
                        : form.seaRatioSpin.name);
    } else {
        form.snowDepthSpin.enabled = true;
        set_spin_value(form, form.snowDepthSpin, form.site.tableSnowDepth);
        enable_formula_fields(form, false);
    }
}

void select_snow_method(InputForm& form, calc::SnowMethod method) {
    const RadioButton& radio =
        method == calc::SnowMethod::formula ? form.formulaDepthRadio : form.typedDepthRadio;
    if (radio.checked || !radio.enabled) return;
    apply_snow_method(form, method);
}

} // namespace korvex::form
