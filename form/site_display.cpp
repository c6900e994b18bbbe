#include "form/site_selection.h"

#include "form/input_form.h"
#include "form/snow.h"
#include "form/spin_edits.h"

namespace korvex::form {

namespace {

std::string radius_text(const site::SiteValues& site) {
    if (!site.zoneRegistered) return "---";
    const std::string r = std::to_string(site.seaRatioRadius);
    return site.seaRatioRadius < 10 ? " " + r : r;
}

} // namespace

void show_site_values(InputForm& form) {
    const site::SiteValues& site = form.site;
    fill_snow_coefficients(form);
    form.formulaDepthRadio.enabled = true;
    form.formulaDepthRadio.hint =
        site.zoneRegistered ? kHintFormulaMethod : kHintFormulaNeedsCoefficients;
    const bool direct = snow_method(form) == calc::SnowMethod::typedDepth;
    // The altitude edit's change evaluates the formula; it needs the edits enabled.
    if (direct) enable_formula_fields(form, true);
    if (site.tableAltitude < 0) {
        form.tableAltitudeLabel.caption = " --- ";
        set_spin_value(form, form.altitudeSpin, 0);
    } else {
        form.tableAltitudeLabel.caption = std::to_string(site.tableAltitude);
        set_spin_value(form, form.altitudeSpin, site.tableAltitude);
    }
    form.tableSnowDepthLabel.caption =
        site.tableSnowDepth < 0 ? "---" : std::to_string(site.tableSnowDepth);
    form.seaRatioRadiusLabel.caption = radius_text(site);
    if (direct) {
        set_spin_value(form, form.snowDepthSpin, site.tableSnowDepth);
        enable_formula_fields(form, false);
    } else {
        recompute_formula_snow_depth(form);
    }
}

std::string prefecture_rule_hint(const site::SiteValues& site) {
    if (site.ruleFlag == 9)
        return "細則有り! " + site.prefectureName + "の例規を確認して下さい。|" +
               site.prefectureName + "/" + site.areaName +
               "は、地区・標高・計算式等による規定があります。";
    return "都道府県の条例等を必ず確認して下さい。|積雪等に関する基準を定めている地域があります。"
           "都道府県の施行細則等を必ず確認して下さい。";
}

std::string area_rule_hint(const site::SiteValues& site) {
    if (site.ruleFlag == 9)
        return site.prefectureName + "の条例等を必ず確認して下さい。|" + site.prefectureName + "/" +
               site.areaName + "は、個別の規則・基準があります。";
    return "都道府県の条例等を必ず確認して下さい。|積雪等に関する基準を定めている地域があります。"
           "都道府県の条例等を必ず確認して下さい。";
}

} // namespace korvex::form
