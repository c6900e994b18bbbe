#pragma once

// Real report data for the page tests: a design is put through the load step and
// the calculation run, exactly as Calculate does, and the pages are drawn from
// the records on a recording surface.

#include <algorithm>
#include <memory>
#include <string>

#include "calc/coefficient_settings.h"
#include "calc/load_step.h"
#include "calc/product_tables.h"
#include "report/report_data.h"
#include "run/calculation_run.h"

namespace korvex::report::testing {

struct DesignOptions {
    int spanCount = 2;
    int spanLength = 2500;
    int leftCantilever = 0; // mm, 0 = none
    int rightCantilever = 0;
    bool heavySnow = false;
    bool directLoads = false;
    int roofType = 3; // 3 mono-pitch, 4 gable, 5 arc, 6 canopy
    int canopyShape = 0;
    int buildingForm = 0;
    int deckIndex = 0;
    int eaveHeightMm = 10000;
    int buildingHeightMm = 15000;
    int spanDirectionLengthMm = 20000;
    int baseWindSpeed = 34;
    int roughnessCategory = 3;
    int snowDepth = 30; // cm
    int liveLoad = 0;
    int otherDeadLoad = 100;
    int surfaceIndex = 0; // 0 "Z12", 1 "Z27", 2 "他"
};

struct SampleReport {
    calc::DesignInputs inputs;
    calc::CalculationData data;
    calc::WindResult wind;
    calc::SnowIncrease increase;
    calc::LoadSet loads;
    run::CalculationRun run;
    WindowSnapshot window;

    ReportData report_data() const { return {inputs, data, wind, increase, loads, run, window}; }
};

inline std::unique_ptr<SampleReport> make_sample_report(const DesignOptions& o = {}) {
    static const char* const kRoofNames[4] = {"片流れ屋根", "切妻屋根", "円弧屋根", "独立上屋"};
    static const char* const kFormNames[3] = {"閉鎖型", "風上開放型", "風下開放型"};
    static const char* const kSurfaces[3] = {"Z12", "Z27", "他"};
    auto r = std::make_unique<SampleReport>();
    calc::DesignInputs& in = r->inputs;
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
    in.roofKind = o.roofType == 5 ? 1 : o.roofType == 6 ? 2 : 0;
    in.roofTypeName = kRoofNames[o.roofType - 3];
    in.buildingForm = o.buildingForm;
    in.buildingFormName = kFormNames[o.buildingForm];
    in.canopyShape = o.canopyShape;
    in.canopyShapeName = o.canopyShape == 1 ? "翼型屋根" : "切妻屋根";
    in.snowDepth = o.heavySnow ? std::max(o.snowDepth, 150) : o.snowDepth;
    in.snowUnitWeight = o.heavySnow ? 30 : 20;
    in.snowLoad = in.snowDepth * in.snowUnitWeight;
    in.liveLoad = o.liveLoad;
    in.otherDeadLoad = o.otherDeadLoad;
    in.spanCount = o.spanCount;
    in.spanLength = {o.spanLength, o.spanLength, o.spanLength, o.spanLength};
    in.cantileverMode = (o.leftCantilever ? 1 : 0) + (o.rightCantilever ? 2 : 0);
    in.leftCantileverLength = o.leftCantilever;
    in.rightCantileverLength = o.rightCantilever;
    in.totalDeckLength = o.spanCount * o.spanLength + o.leftCantilever + o.rightCantilever;
    in.beamTypeName = o.spanCount == 1 ? "単純梁" : "連続梁";
    in.directLoadInput = o.directLoads;
    in.directWindPositive = 800;
    in.directWindNegative = 1500;
    const calc::CoefficientSettings settings;
    in.comboRatio = settings.comboRatio;
    in.designStrength = settings.designStrength;
    in.maxDeckLength = settings.maxDeckLength;

    calc::run_load_step({in, r->data, r->increase, r->wind, r->loads});
    r->run = run::run_calculation(in, r->data, r->loads);
    r->window.surfaceIndex = o.surfaceIndex;
    r->window.surfaceName = kSurfaces[o.surfaceIndex];
    r->window.unitWeightText =
        o.surfaceIndex < 2 ? std::to_string(int(in.deckUnitWeight)) : "130.5";
    r->window.cantileverShown = o.leftCantilever != 0 || o.rightCantilever != 0;
    r->window.heavySnowBox = o.heavySnow;
    return r;
}

} // namespace korvex::report::testing
