#include "form/control_events.h"

#include <algorithm>
#include <string>

#include "common/number_parse.h"
#include "form/controls_by_name.h"
#include "form/roof.h"
#include "form/sea_ratio_reference.h"
#include "form/site_selection.h"
#include "form/snow.h"
#include "form/spans.h"
#include "form/spin_edits.h"
#include "form/unit_weight.h"

namespace korvex::form {

namespace {

using Behaviour = std::optional<FormMessage> (*)(Session&);

std::optional<FormMessage> unit_weight(Session& session) {
    update_unit_weight(session.form);
    return std::nullopt;
}

std::optional<FormMessage> prefecture(Session& session) {
    return select_prefecture(session.form, session.siteTables);
}

std::optional<FormMessage> area(Session& session) {
    select_area(session.form, session.siteTables);
    return std::nullopt;
}

std::optional<FormMessage> spans(Session& session) {
    update_spans(session.form);
    return std::nullopt;
}

// The combo boxes that do more than store their item index; the index is set
// before the behaviour runs, as the behaviours expect.
struct ComboBehaviour {
    ComboBox InputForm::*combo;
    Behaviour behaviour;
};
constexpr ComboBehaviour kComboBehaviours[] = {{&InputForm::deckTypeBox, unit_weight},
                                               {&InputForm::surfaceTreatmentBox, unit_weight},
                                               {&InputForm::prefectureBox, prefecture},
                                               {&InputForm::areaBox, area},
                                               {&InputForm::cantileverBox, spans}};

std::optional<FormMessage> change_combo(Session& session, ComboBox& combo, std::string_view value) {
    const std::optional<int> index = common::parse_int(value);
    if (!index || *index < 0 || *index >= static_cast<int>(combo.items.size())) return std::nullopt;
    combo.itemIndex = *index;
    for (const auto& [member, behaviour] : kComboBehaviours)
        if (&(session.form.*member) == &combo) return behaviour(session);
    return std::nullopt;
}

void change_edit(Session& session, Edit& edit, std::string_view value) {
    InputForm& form = session.form;
    if (&edit == &form.siteCoordinatesEdit)
        return enter_site_coordinates(form, session.siteTables, std::string(value));
    const auto coefficients = snow_coefficient_fields(form);
    if (std::find(coefficients.begin(), coefficients.end(), &edit) != coefficients.end()) {
        // A typed coefficient counts as the user's and the depth follows at once;
        // the sea ratio's reference follows R.
        enter_snow_coefficient(form, edit, std::string(value));
        refresh_sea_ratio_reference(form, session.siteTables);
        return;
    }
    edit.text = value;
}

// A click on a radio button: its group's behaviour for the button's choice.
void click_radio(InputForm& form, const RadioButton& radio) {
    const std::pair<const RadioButton*, calc::RoofType> roofs[] = {
        {&form.monoPitchRoofRadio, calc::RoofType::monoPitch},
        {&form.gableRoofRadio, calc::RoofType::gable},
        {&form.arcRoofRadio, calc::RoofType::arc},
        {&form.canopyRoofRadio, calc::RoofType::canopy}};
    for (const auto& [button, type] : roofs)
        if (&radio == button) return select_roof_type(form, type);
    const std::pair<const RadioButton*, calc::BuildingForm> forms[] = {
        {&form.closedFormRadio, calc::BuildingForm::closed},
        {&form.windwardOpenFormRadio, calc::BuildingForm::windwardOpen},
        {&form.leewardOpenFormRadio, calc::BuildingForm::leewardOpen}};
    for (const auto& [button, building_form] : forms)
        if (&radio == button) return select_building_form(form, building_form);
    const std::pair<const RadioButton*, calc::CanopyShape> shapes[] = {
        {&form.gableCanopyRadio, calc::CanopyShape::gable},
        {&form.wingCanopyRadio, calc::CanopyShape::wing}};
    for (const auto& [button, shape] : shapes)
        if (&radio == button) return select_canopy_shape(form, shape);
    const std::pair<const RadioButton*, calc::SnowMethod> methods[] = {
        {&form.typedDepthRadio, calc::SnowMethod::typedDepth},
        {&form.formulaDepthRadio, calc::SnowMethod::formula}};
    for (const auto& [button, method] : methods)
        if (&radio == button) return select_snow_method(form, method);
}

} // namespace

std::optional<FormMessage> change_control(Session& session, std::string_view name,
                                          std::string_view value) {
    InputForm& form = session.form;
    if (ComboBox* combo = find_combo(form, name)) return change_combo(session, *combo, value);
    if (SpinEdit* spin = find_spin(form, name)) {
        set_spin_text(form, *spin, value);
    } else if (Edit* edit = find_edit(form, name)) {
        change_edit(session, *edit, value);
    } else if (RadioButton* radio = find_radio(form, name)) {
        if (value == "1") click_radio(form, *radio);
    } else if (CheckBox* check = find_check(form, name)) {
        check->checked = value == "1";
    } else if (name == form.takeSeaRatioButton.name && value == "1") {
        take_sea_ratio_reference(form);
    }
    return std::nullopt;
}

std::optional<FormMessage> leave_control(Session& session, std::string_view name) {
    if (name == session.form.cantileverLengthEdit.name) return check_cantilever_exit(session.form);
    if (name == session.form.siteCoordinatesEdit.name) return check_site_coordinates(session.form);
    return std::nullopt;
}

} // namespace korvex::form
