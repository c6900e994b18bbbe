#include "app/sample_design.h"

#include "calc/coefficient_settings.h"
#include "calc/product_tables.h"

namespace korvex::app {

calc::DesignInputs sample_design() {
    calc::DesignInputs in;
    in.deckIndex = 0;
    in.deckName = calc::deck_name(0);
    in.deckUnitWeight = calc::deck_unit_weight(0, 0);
    in.sectionModulus = calc::deck_section_modulus(0) * 1000;
    in.momentOfInertia = calc::deck_moment_of_inertia(0) * 10000;
    in.fastenerName = calc::fastener_name(0);
    in.jointCapacityEnd = in.jointCapacityMid = calc::fastener_capacity(0);
    in.prefectureName = "東京都";
    in.areaName = "千代田区";
    in.baseWindSpeed = 34;
    in.roughnessCategory = 3;
    in.eaveHeightCm = 10000 * 0.1;
    in.buildingHeightCm = 15000 * 0.1;
    in.spanDirectionLengthCm = 20000 * 0.1;
    in.snowDepth = 30;
    in.snowUnitWeight = 20;
    in.snowLoad = in.snowDepth * in.snowUnitWeight;
    in.otherDeadLoad = 100;
    in.spanCount = 2;
    in.spanLength = {2500, 2500, 2500, 2500};
    in.totalDeckLength = 5000;
    in.beamTypeName = "連続梁";
    const calc::CoefficientSettings settings;
    in.comboRatio = settings.comboRatio;
    in.designStrength = settings.designStrength;
    in.maxDeckLength = settings.maxDeckLength;
    return in;
}

} // namespace korvex::app
