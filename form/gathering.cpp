#include "form/gathering.h"

#include <algorithm>

#include "calc/product_tables.h"
#include "common/number_parse.h"

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
    const RadioButton* const roofs[4] = {&form.RadioButton3, &form.RadioButton4, &form.RadioButton5,
                                         &form.RadioButton6};
    for (int i = 0; i < 4; ++i) {
        if (roofs[i]->checked) {
            in.roofType = 3 + i;
            break;
        }
    }
    in.roofKind = in.roofType == 5 ? 1 : in.roofType == 6 ? 2 : 0;
    in.roofTypeName = kRoofNames[std::clamp(in.roofType, 3, 6) - 3];
    in.buildingForm = form.state.buildingForm;
    in.buildingFormName = (in.buildingForm >= 0 && in.buildingForm <= 2)
                              ? kFormNames[in.buildingForm]
                              : kFormNames[0];
    in.canopyShape = form.state.canopyShape;
    in.canopyShapeName = in.canopyShape == 1 ? kCanopyNames[1] : kCanopyNames[0];
}

void gather_site(const site::SiteValues& site, calc::DesignInputs& in) {
    in.prefectureName = site.prefectureName;
    in.areaName = site.areaName;
    in.baseWindSpeed = site.baseWindSpeed;
    in.altitude = site.altitude;
    in.seaRatio = site.seaRatio;
    in.seaRatioRadius = site.seaRatioRadius;
    in.snowCoefA = site.snowCoefA;
    in.snowCoefB = site.snowCoefB;
    in.snowCoefC = site.snowCoefC;
}

} // namespace

void gather_inputs(const InputForm& form, const calc::CoefficientSettings& settings,
                   calc::DesignInputs& in) {
    in.deckIndex = form.ComboBox1.item_index;
    in.deckName = item_text(form.ComboBox1);
    in.deckUnitWeight = common::parse_decimal(form.Edit99.text).value_or(0.0);
    in.sectionModulus = calc::deck_section_modulus(in.deckIndex) * 1000;
    in.momentOfInertia = calc::deck_moment_of_inertia(in.deckIndex) * 10000;
    in.fastenerIndex = form.ComboBox2.item_index;
    in.fastenerName = item_text(form.ComboBox2);
    in.jointCapacityEnd = calc::fastener_capacity(in.fastenerIndex);
    in.jointCapacityMid = in.jointCapacityEnd;

    in.heavySnowArea = form.CheckBox1.checked;
    gather_site(form.site, in);

    in.roughnessCategory = form.ComboBox5.item_index + 1;
    in.eaveHeightCm = millimetres_as_cm(form.Edit1);
    in.buildingHeightCm = millimetres_as_cm(form.Edit2);
    in.spanDirectionLengthCm = millimetres_as_cm(form.Edit3);
    gather_roof(form, in);

    in.directLoadInput = form.state.layoutMode == 1;
    in.snowDepthComputed = form.RadioButton2.checked;
    if (in.directLoadInput) {
        in.snowLoad = form.CSpinEdit10.value;
    } else {
        in.snowDepth = form.CSpinEdit2.value;
        in.snowUnitWeight = form.CSpinEdit3.value;
        in.snowLoad = in.snowDepth * in.snowUnitWeight;
    }
    in.liveLoad = form.CSpinEdit1.value;
    in.otherDeadLoad = form.CSpinEdit7.value;

    in.directWindPositive = form.CSpinEdit8.value;
    in.directWindNegative = form.CSpinEdit9.value;
    in.maxDeckLength = settings.maxDeckLength;
    in.designStrength = settings.designStrength;
    in.comboRatio = settings.comboRatio;
}

} // namespace korvex::form
