#pragma once

// The load step of the Calculate command: builds the calculation data from the
// gathered inputs, applies the snow increase, derives the wind pressures (or
// takes the ones entered directly) and selects the combination ratios.

#include "calc/design_inputs.h"
#include "calc/load_set.h"
#include "calc/snow.h"
#include "calc/wind.h"

namespace korvex::calc {

// The records the load step reads and writes.
struct LoadStepRecords {
    DesignInputs& inputs; // snowLoad may be raised
    CalculationData& data;
    SnowIncrease& increase;
    WindResult& wind; // untouched with loads entered directly
    LoadSet& loads;
};

void run_load_step(LoadStepRecords records);

// Fills the calculation data from the inputs, all but the spans and their loads.
void fill_calculation_data(const DesignInputs& inputs, CalculationData& data);

// Selects the ratio row of the area kind into the three cases.
void select_ratios(const DesignInputs& inputs, LoadSet& loads);

} // namespace korvex::calc
