#include "form/control_index.h"

namespace korvex::form {

std::vector<ControlRef> all_controls(InputForm& f) {
    return {&f.deckTypeBox,
            &f.fastenerBox,
            &f.surfaceTreatmentBox,
            &f.deckUnitWeightEdit,
            &f.prefectureBox,
            &f.areaBox,
            &f.heavySnowCheck,
            &f.heavySnowLabel,
            &f.siteDataButton,
            &f.windPanel,
            &f.baseWindSpeedLabel,
            &f.roughnessBox,
            &f.eaveHeightEdit,
            &f.buildingHeightEdit,
            &f.spanDirectionLengthEdit,
            &f.roofTypeGroup,
            &f.monoPitchRoofRadio,
            &f.gableRoofRadio,
            &f.arcRoofRadio,
            &f.canopyRoofRadio,
            &f.roofPicture,
            &f.buildingFormGroup,
            &f.closedFormRadio,
            &f.windwardOpenFormRadio,
            &f.leewardOpenFormRadio,
            &f.buildingFormPicture,
            &f.canopyShapeGroup,
            &f.gableCanopyRadio,
            &f.wingCanopyRadio,
            &f.canopyShapePicture,
            &f.directLoadPanel,
            &f.directWindPositiveSpin,
            &f.directWindNegativeSpin,
            &f.directSnowLoadSpin,
            &f.snowPanel,
            &f.snowDepthSpin,
            &f.snowUnitWeightSpin,
            &f.snowMethodGroup,
            &f.typedDepthRadio,
            &f.formulaDepthRadio,
            &f.altitudeSpin,
            &f.seaRatioSpin,
            &f.tableSnowDepthLabel,
            &f.tableAltitudeLabel,
            &f.seaRatioRadiusLabel,
            &f.siteCoordinatesEdit,
            &f.seaMapButton,
            &f.seaRatioReferenceLabel,
            &f.takeSeaRatioButton,
            &f.snowCoefAlphaEdit,
            &f.snowCoefBetaEdit,
            &f.snowCoefGammaEdit,
            &f.snowCoefRadiusEdit,
            &f.otherLoadPanel,
            &f.otherDeadLoadSpin,
            &f.liveLoadSpin,
            &f.spanPanel,
            &f.span1Edit,
            &f.span2Edit,
            &f.span3Edit,
            &f.span4Edit,
            &f.spanCountSpin,
            &f.cantileverBox,
            &f.cantileverLengthEdit,
            &f.rightCantileverLengthEdit,
            &f.commandPanel,
            &f.programNameLabel,
            &f.versionLabel,
            &f.usageNoticeLink,
            &f.overviewButton,
            &f.settingsButton,
            &f.loadButton,
            &f.saveButton,
            &f.calculateButton,
            &f.exitButton,
            &f.statusBar};
}

std::optional<ControlRef> find_control(InputForm& form, std::string_view name) {
    for (const ControlRef& control : all_controls(form))
        if (control_name(control) == name) return control;
    return std::nullopt;
}

const std::string& control_name(const ControlRef& control) {
    return std::visit([](const auto* c) -> const std::string& { return c->name; }, control);
}

std::string control_hint(const ControlRef& control) {
    return std::visit(
        [](const auto* c) -> std::string {
            if constexpr (requires { c->hint; })
                return c->hint;
            else
                return {};
        },
        control);
}

} // namespace korvex::form
