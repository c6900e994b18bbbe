#pragma once

// The one way tests and benchmarks build a design: options with the values of a
// plain Tokyo warehouse, turned into DesignInputs as gathering would, and put
// through the load step and the calculation run exactly as Calculate does.

#include <memory>
#include <vector>

#include "calc/design_inputs.h"
#include "calc/load_step.h"
#include "report/report_data.h"
#include "run/calculation_run.h"

namespace korvex::testing {

struct DesignOptions {
    int spanCount = 2;
    int spanLength = 2500;
    // Spans of their own lengths; when empty, spanCount spans of spanLength.
    std::vector<int> spans = {};
    int leftCantilever = 0; // mm, 0 = none
    int rightCantilever = 0;
    bool heavySnow = false; // a heavy-snow area: depth at least 150 cm, rho 30
    bool directLoads = false;
    calc::RoofType roofType = calc::RoofType::monoPitch;
    calc::CanopyShape canopyShape = calc::CanopyShape::gable;
    calc::BuildingForm buildingForm = calc::BuildingForm::closed;
    int deckIndex = 0;
    int eaveHeightMm = 10000;
    int buildingHeightMm = 15000;
    int spanDirectionLengthMm = 20000;
    int baseWindSpeed = 34;
    int roughnessCategory = 3;
    int snowDepth = 30; // cm
    int liveLoad = 0;
    int otherDeadLoad = 100;
    int surfaceIndex = 0; // 0 "Z12", 1 "Z27", 2 "他" (130.5 N/m2)
    int directWindPositive = 800;
    int directWindNegative = 1500;
    double stormSnowRatio = -1.0; // the storm case's snow ratio; the standard one unless set
};

calc::DesignInputs design_inputs(const DesignOptions& options = {});

// The records of the load step.
struct LoadedDesign {
    calc::DesignInputs inputs;
    calc::CalculationData data;
    calc::WindResult wind;
    calc::SnowIncrease increase;
    calc::LoadSet loads;
};

LoadedDesign load_design(const DesignOptions& options = {});

// Everything a report is drawn from.
struct CalculatedDesign : LoadedDesign {
    run::CalculationRun run;
    report::WindowSnapshot window;

    report::ReportData report_data() const {
        return {inputs, data, wind, increase, loads, run, window};
    }
};

std::unique_ptr<CalculatedDesign> calculate_design(const DesignOptions& options = {});

} // namespace korvex::testing
