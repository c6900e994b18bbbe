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
    int surfaceIndex = 0;         // ComboBox7: 0 "Z12", 1 "Z27", 2 "他"
    std::string surfaceName;      // its item text
    std::string unitWeightText;   // Edit99 as shown
    bool cantileverShown = false; // Edit77 or Edit88 visible
    bool heavySnowBox = false;    // CheckBox1 ticked
};

struct ReportData {
    const calc::DesignInputs& inputs;
    const calc::CaLC_DATA& data;
    const calc::WindResult& wind; // not used with loads entered directly
    const calc::SnowIncrease& increase;
    const calc::LoadSet& loads;
    const run::CalculationRun& run;
    WindowSnapshot window;
};

} // namespace korvex::report
