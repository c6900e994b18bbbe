#include "form/controls_by_name.h"

#include <array>

namespace korvex::form {

namespace {

template <class Control, std::size_t N>
Control* find_member(InputForm& form, const std::array<Control InputForm::*, N>& members,
                     std::string_view name) {
    for (Control InputForm::*member : members)
        if ((form.*member).name == name) return &(form.*member);
    return nullptr;
}

constexpr std::array kEdits = {&InputForm::deckUnitWeightEdit,
                               &InputForm::eaveHeightEdit,
                               &InputForm::buildingHeightEdit,
                               &InputForm::spanDirectionLengthEdit,
                               &InputForm::snowCoefAlphaEdit,
                               &InputForm::snowCoefBetaEdit,
                               &InputForm::snowCoefGammaEdit,
                               &InputForm::snowCoefRadiusEdit,
                               &InputForm::span1Edit,
                               &InputForm::span2Edit,
                               &InputForm::span3Edit,
                               &InputForm::span4Edit,
                               &InputForm::cantileverLengthEdit,
                               &InputForm::rightCantileverLengthEdit};

constexpr std::array kSpins = {
    &InputForm::directWindPositiveSpin, &InputForm::directWindNegativeSpin,
    &InputForm::directSnowLoadSpin,     &InputForm::snowDepthSpin,
    &InputForm::snowUnitWeightSpin,     &InputForm::altitudeSpin,
    &InputForm::seaRatioSpin,           &InputForm::otherDeadLoadSpin,
    &InputForm::liveLoadSpin,           &InputForm::spanCountSpin};

constexpr std::array kCombos = {
    &InputForm::deckTypeBox,   &InputForm::fastenerBox, &InputForm::surfaceTreatmentBox,
    &InputForm::prefectureBox, &InputForm::areaBox,     &InputForm::roughnessBox,
    &InputForm::cantileverBox};

constexpr std::array kRadios = {&InputForm::monoPitchRoofRadio,   &InputForm::gableRoofRadio,
                                &InputForm::arcRoofRadio,         &InputForm::canopyRoofRadio,
                                &InputForm::closedFormRadio,      &InputForm::windwardOpenFormRadio,
                                &InputForm::leewardOpenFormRadio, &InputForm::gableCanopyRadio,
                                &InputForm::wingCanopyRadio,      &InputForm::typedDepthRadio,
                                &InputForm::formulaDepthRadio};

constexpr std::array kChecks = {&InputForm::heavySnowCheck};

constexpr std::array kLabels = {&InputForm::heavySnowLabel,
                                &InputForm::baseWindSpeedLabel,
                                &InputForm::tableSnowDepthLabel,
                                &InputForm::tableAltitudeLabel,
                                &InputForm::seaRatioRadiusLabel,
                                &InputForm::programNameLabel,
                                &InputForm::versionLabel,
                                &InputForm::usageNoticeLink,
                                &InputForm::statusBar};

constexpr std::array kButtons = {&InputForm::siteDataButton, &InputForm::overviewButton,
                                 &InputForm::settingsButton, &InputForm::loadButton,
                                 &InputForm::saveButton,     &InputForm::calculateButton,
                                 &InputForm::exitButton};

constexpr std::array kGroups = {&InputForm::roofTypeGroup, &InputForm::buildingFormGroup,
                                &InputForm::canopyShapeGroup, &InputForm::snowMethodGroup};

constexpr std::array kImages = {&InputForm::roofPicture, &InputForm::buildingFormPicture,
                                &InputForm::canopyShapePicture};

constexpr std::array kPanels = {&InputForm::windPanel, &InputForm::directLoadPanel,
                                &InputForm::snowPanel, &InputForm::otherLoadPanel,
                                &InputForm::spanPanel, &InputForm::commandPanel};

} // namespace

Edit* find_edit(InputForm& form, std::string_view name) {
    return find_member(form, kEdits, name);
}

SpinEdit* find_spin(InputForm& form, std::string_view name) {
    return find_member(form, kSpins, name);
}

ComboBox* find_combo(InputForm& form, std::string_view name) {
    return find_member(form, kCombos, name);
}

RadioButton* find_radio(InputForm& form, std::string_view name) {
    return find_member(form, kRadios, name);
}

CheckBox* find_check(InputForm& form, std::string_view name) {
    return find_member(form, kChecks, name);
}

Label* find_label(InputForm& form, std::string_view name) {
    return find_member(form, kLabels, name);
}

Button* find_button(InputForm& form, std::string_view name) {
    return find_member(form, kButtons, name);
}

GroupBox* find_group(InputForm& form, std::string_view name) {
    return find_member(form, kGroups, name);
}

Image* find_image(InputForm& form, std::string_view name) {
    return find_member(form, kImages, name);
}

Panel* find_panel(InputForm& form, std::string_view name) {
    return find_member(form, kPanels, name);
}

const Panel* find_panel(const InputForm& form, std::string_view name) {
    return find_panel(const_cast<InputForm&>(form), name);
}

} // namespace korvex::form
