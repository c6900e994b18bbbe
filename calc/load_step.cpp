#include "calc/load_step.h"

#include "common/rounding.h"

namespace korvex::calc {

void fill_calculation_data(const DesignInputs& in, CalculationData& data) {
    data.deckIndex = in.deckIndex;
    data.fastenerIndex = in.fastenerIndex;
    data.prefectureName = in.prefectureName;
    data.areaName = in.areaName;
    data.snowUnitWeight = in.snowUnitWeight;
    data.snowMethod = in.snowMethod;
    data.snowDepth = in.snowDepth;
    data.buildingFormName = in.buildingFormName;
    data.buildingForm = in.buildingForm;
    data.canopyShape = in.canopyShape;
    data.roughnessIndex = in.roughnessCategory - 1;
    data.baseWindSpeed = in.baseWindSpeed;
    data.roofKind = in.roofKind;
    data.eaveHeight = common::to_int(in.eaveHeightCm);
    data.buildingHeight = common::to_int(in.buildingHeightCm);
    data.spanDirectionLength = common::to_int(in.spanDirectionLengthCm);

    const bool left = has_left_cantilever(in.cantileverMode);
    const bool right = has_right_cantilever(in.cantileverMode);
    data.hasLeftCantilever = left;
    data.hasRightCantilever = right;
    data.leftCantileverLength = left ? in.leftCantileverLength : 0;
    data.rightCantileverLength = right ? in.rightCantileverLength : 0;
    data.spanCount = in.spanCount;
}

void select_ratios(const DesignInputs& in, LoadSet& loads) {
    loads.heavySnowRatios = in.heavySnowArea;
    const RatioRow& r = in.comboRatio[in.heavySnowArea ? 1 : 0];
    loads.ratioGP = {r[0], r[3], r[7]};
    loads.ratioP = {r[1], r[4], r[8]};
    loads.ratioS = {r[2], r[5], r[9]};
    loads.ratioW = {0.0, r[6], r[10]};
}

void run_load_step(LoadStepRecords rec) {
    DesignInputs& in = rec.inputs;
    fill_calculation_data(in, rec.data);
    if (!in.directLoadInput) {
        const double theta = roof_angle(rec.data.roofKind, rec.data.eaveHeight,
                                        rec.data.buildingHeight, rec.data.spanDirectionLength);
        rec.increase =
            check_snow_increase(in.heavySnowArea, in.snowDepth, in.spanDirectionLengthCm, theta);
        in.snowLoad = increased_snow_load(in.snowLoad, rec.increase);
    } else {
        rec.increase = SnowIncrease{};
    }
    for (int i = 0; i < 4; ++i) {
        rec.data.spanLength[i] = in.spanLength[i];
        rec.data.spanLinearLoad[i] = {in.snowLoad, in.snowLoad};
    }
    rec.loads.snowLoad = in.snowLoad;
    rec.loads.deadAndLiveLoad = common::to_int(in.liveLoad + in.deckUnitWeight + in.otherDeadLoad);
    if (in.directLoadInput) {
        rec.loads.windPositive = in.directWindPositive;
        rec.loads.windNegative = -in.directWindNegative;
        rec.loads.wallPressure = 0.0;
    } else {
        derive_wind(rec.data, rec.wind, rec.loads);
        rec.loads.wallPressure = rec.wind.wallPressure;
    }
    select_ratios(in, rec.loads);
}

} // namespace korvex::calc
