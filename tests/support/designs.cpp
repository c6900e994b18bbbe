#include "tests/support/designs.h"

#include <algorithm>
#include <string>

#include "calc/coefficient_settings.h"
#include "calc/product_tables.h"

namespace korvex::testing {

calc::DesignInputs design_inputs(const DesignOptions& o) {
    static const char* const kRoofNames[4] = {"片流れ屋根", "切妻屋根", "円弧屋根", "独立上屋"};
    static const char* const kFormNames[3] = {"閉鎖型", "風上開放型", "風下開放型"};
    static const char* const kCanopyNames[2] = {"切妻屋根", "翼型屋根"};
    calc::DesignInputs in;
    in.deckIndex = o.deckIndex;
    in.deckName = calc::deck_name(o.deckIndex);
    in.deckUnitWeight =
        o.surfaceIndex < 2 ? calc::deck_unit_weight(o.surfaceIndex, o.deckIndex) : 130.5;
    in.sectionModulus = calc::deck_section_modulus(o.deckIndex) * 1000;
    in.momentOfInertia = calc::deck_moment_of_inertia(o.deckIndex) * 10000;
    in.fastenerName = calc::fastener_name(0);
    in.jointCapacityEnd = in.jointCapacityMid = calc::fastener_capacity(0);
    in.heavySnowArea = o.heavySnow;
    in.prefectureName = o.heavySnow ? "新潟県" : "東京都";
    in.areaName = o.heavySnow ? "十日町市" : "千代田区";
    in.baseWindSpeed = o.baseWindSpeed;
    in.roughnessCategory = o.roughnessCategory;
    in.eaveHeightCm = o.eaveHeightMm * 0.1;
    in.buildingHeightCm = o.buildingHeightMm * 0.1;
    in.spanDirectionLengthCm = o.spanDirectionLengthMm * 0.1;
    in.roofType = o.roofType;
    in.roofKind = calc::roof_kind(o.roofType);
    in.roofTypeName = kRoofNames[calc::code(o.roofType) - 3];
    in.buildingForm = o.buildingForm;
    in.buildingFormName = kFormNames[calc::code(o.buildingForm)];
    in.canopyShape = o.canopyShape;
    in.canopyShapeName = kCanopyNames[calc::code(o.canopyShape)];
    in.snowDepth = o.heavySnow ? std::max(o.snowDepth, 150) : o.snowDepth;
    in.snowUnitWeight = o.heavySnow ? 30 : 20;
    in.snowLoad = in.snowDepth * in.snowUnitWeight;
    in.liveLoad = o.liveLoad;
    in.otherDeadLoad = o.otherDeadLoad;
    const std::vector<int> spans =
        o.spans.empty() ? std::vector<int>(static_cast<std::size_t>(o.spanCount), o.spanLength)
                        : o.spans;
    in.spanCount = static_cast<int>(spans.size());
    int spans_length = 0;
    for (std::size_t i = 0; i < in.spanLength.size(); ++i) {
        in.spanLength[i] = i < spans.size() ? spans[i] : 0;
        spans_length += in.spanLength[i];
    }
    const bool left = o.leftCantilever != 0;
    const bool right = o.rightCantilever != 0;
    in.cantileverMode = left && right ? calc::CantileverMode::both
                        : left        ? calc::CantileverMode::left
                        : right       ? calc::CantileverMode::right
                                      : calc::CantileverMode::none;
    in.leftCantileverLength = o.leftCantilever;
    in.rightCantileverLength = o.rightCantilever;
    in.totalDeckLength = spans_length + o.leftCantilever + o.rightCantilever;
    in.beamTypeName = in.spanCount == 1 ? "単純梁" : "連続梁";
    in.directLoadInput = o.directLoads;
    in.directWindPositive = o.directWindPositive;
    in.directWindNegative = o.directWindNegative;
    const calc::CoefficientSettings settings;
    in.comboRatio = settings.comboRatio;
    if (o.stormSnowRatio >= 0.0) in.comboRatio[o.heavySnow ? 1 : 0][9] = o.stormSnowRatio;
    in.designStrength = settings.designStrength;
    in.maxDeckLength = settings.maxDeckLength;
    return in;
}

LoadedDesign load_design(const DesignOptions& o) {
    LoadedDesign d;
    d.inputs = design_inputs(o);
    calc::run_load_step({d.inputs, d.data, d.increase, d.wind, d.loads});
    return d;
}

std::unique_ptr<CalculatedDesign> calculate_design(const DesignOptions& o) {
    auto d = std::make_unique<CalculatedDesign>();
    static_cast<LoadedDesign&>(*d) = load_design(o);
    d->run = run::run_calculation(d->inputs, d->data, d->loads);
    static const char* const kSurfaces[3] = {"Z12", "Z27", "他"};
    d->window.surfaceIndex = o.surfaceIndex;
    d->window.surfaceName = kSurfaces[o.surfaceIndex];
    d->window.unitWeightText =
        o.surfaceIndex < 2 ? std::to_string(static_cast<int>(d->inputs.deckUnitWeight)) : "130.5";
    d->window.cantileverShown = o.leftCantilever != 0 || o.rightCantilever != 0;
    d->window.heavySnowBox = o.heavySnow;
    return d;
}

} // namespace korvex::testing
