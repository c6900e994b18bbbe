#pragma once

// Everything the report pages draw from: the records of the last Calculate and
// the few things of the input window the pages show as they stood then.

#include <string>

#include "calc/design_inputs.h"
#include "calc/load_set.h"
#include "calc/snow.h"
#include "calc/wind.h"
#include "run/run_records.h"

namespace korvex::report {

// The input window as it stood when Calculate was pressed.
struct WindowSnapshot {
    int surfaceIndex = 0;         // surfaceTreatmentBox: 0 "Z12", 1 "Z27", 2 "他"
    std::string surfaceName;      // its item text
    std::string unitWeightText;   // deckUnitWeightEdit as shown
    bool cantileverShown = false; // cantileverLengthEdit or rightCantileverLengthEdit visible
    bool heavySnowBox = false;    // heavySnowCheck ticked
};

struct ReportData {
    const calc::DesignInputs& inputs;
    const calc::CalculationData& data;
    const calc::WindResult& wind; // not used with loads entered directly
    const calc::SnowIncrease& increase;
    const calc::LoadSet& loads;
    const run::CalculationRun& run;
    WindowSnapshot window;
};

} // namespace korvex::report
