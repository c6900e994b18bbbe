#include "form/gathering.h"

#include <algorithm>

#include "calc/product_tables.h"
#include "common/number_parse.h"
#include "form/snow.h"

namespace korvex::form {

namespace {

// The validation has checked these texts; anything else reads as 0.
double millimetres_as_cm(const Edit& edit) {
    return common::parse_int(edit.text).value_or(0) * 0.1;
}

void gather_roof(const InputForm& form, calc::DesignInputs& in) {
    static constexpr const char* kRoofNames[4] = {"片流れ屋根", "切妻屋根", "円弧屋根", "独立上屋"};
    static constexpr const char* kFormNames[3] = {"閉鎖型", "風上開放型", "風下開放型"};
    static constexpr const char* kCanopyNames[2] = {"切妻屋根", "翼型屋根"};
    const RadioButton* const roofs[4] = {&form.monoPitchRoofRadio, &form.gableRoofRadio,
                                         &form.arcRoofRadio, &form.canopyRoofRadio};
    for (int i = 0; i < 4; ++i) {
        if (roofs[i]->checked) {
            in.roofType = *calc::from_code<calc::RoofType>(3 + i);
            break;
        }
    }
    in.roofKind = calc::roof_kind(in.roofType);
    in.roofTypeName = kRoofNames[calc::code(in.roofType) - 3];
    in.buildingForm = form.state.buildingForm;
    in.buildingFormName = kFormNames[calc::code(in.buildingForm)];
    in.canopyShape = form.state.canopyShape;
    in.canopyShapeName = kCanopyNames[calc::code(in.canopyShape)];
}

void gather_site(const InputForm& form, calc::DesignInputs& in) {
    const site::SiteValues& site = form.site;
    in.prefectureName = site.prefectureName;
    in.areaName = site.areaName;
    in.baseWindSpeed = site.baseWindSpeed;
    in.altitude = site.altitude;
    in.seaRatio = site.seaRatio;
    in.seaRatioRadius = site.seaRatioRadius;
    in.snowCoefA = site.snowCoefA;
    in.snowCoefB = site.snowCoefB;
    in.snowCoefC = site.snowCoefC;
    // Typed coefficients are what the fields hold now, whether or not a depth
    // has been computed from them since (a loaded project sets them last).
    if (site.coefficientsEntered) {
        if (const auto typed = read_snow_coefficients(form)) {
            in.snowCoefA = typed->alpha;
            in.snowCoefB = typed->beta;
            in.snowCoefC = typed->gamma;
            in.seaRatioRadius = typed->radius;
        }
    }
    in.siteSources = site.sources;
}

} // namespace

void gather_inputs(const InputForm& form, const calc::CoefficientSettings& settings,
                   calc::DesignInputs& in) {
    in.deckIndex = form.deckTypeBox.itemIndex;
    in.deckName = item_text(form.deckTypeBox);
    in.deckUnitWeight = common::parse_decimal(form.deckUnitWeightEdit.text).value_or(0.0);
    in.sectionModulus = calc::deck_section_modulus(in.deckIndex) * 1000;
    in.momentOfInertia = calc::deck_moment_of_inertia(in.deckIndex) * 10000;
    in.fastenerIndex = form.fastenerBox.itemIndex;
    in.fastenerName = item_text(form.fastenerBox);
    in.jointCapacityEnd = calc::fastener_capacity(in.fastenerIndex);
    in.jointCapacityMid = in.jointCapacityEnd;

    in.heavySnowArea = form.heavySnowCheck.checked;
    gather_site(form, in);

    in.roughnessCategory = form.roughnessBox.itemIndex + 1;
    in.eaveHeightCm = millimetres_as_cm(form.eaveHeightEdit);
    in.buildingHeightCm = millimetres_as_cm(form.buildingHeightEdit);
    in.spanDirectionLengthCm = millimetres_as_cm(form.spanDirectionLengthEdit);
    gather_roof(form, in);

    in.directLoadInput = form.state.layoutMode == calc::LayoutMode::directLoads;
    in.snowMethod = snow_method(form);
    if (in.directLoadInput) {
        in.snowLoad = form.directSnowLoadSpin.value;
    } else {
        in.snowDepth = form.snowDepthSpin.value;
        in.snowUnitWeight = form.snowUnitWeightSpin.value;
        in.snowLoad = in.snowDepth * in.snowUnitWeight;
    }
    in.liveLoad = form.liveLoadSpin.value;
    in.otherDeadLoad = form.otherDeadLoadSpin.value;

    in.directWindPositive = form.directWindPositiveSpin.value;
    in.directWindNegative = form.directWindNegativeSpin.value;
    in.maxDeckLength = settings.maxDeckLength;
    in.designStrength = settings.designStrength;
    in.comboRatio = settings.comboRatio;
}

} // namespace korvex::form
