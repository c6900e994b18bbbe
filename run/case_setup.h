#pragma once

// The analysis of one load case inside a calculation run: model, loads,
// solution and the figures the checks and diagrams read.

#include <string>

#include "analysis/beam_model.h"
#include "analysis/case_results.h"
#include "calc/design_inputs.h"
#include "calc/load_set.h"
#include "run/load_case_run.h"

namespace korvex::run {

// The single-instance records a run reads and writes.
struct RunRecords {
    const calc::DesignInputs& inputs;
    const calc::CalculationData& data;
    calc::LoadSet& loads;
    analysis::BeamModel& model;
    analysis::CaseResults& results;
    LoadCaseRun& caseRun;
    CheckCounters& counters;
};

enum class Pass { check, diagram };

struct CaseSetup {
    int k = 0;
    std::string name;
    Pass pass = Pass::check;
    // The wind pressure when it differs from the one the wind pass implies.
    bool windOverride = false;
    int W = 0;
    // Uplift reactions from the member end shears instead of the reactions.
    bool reactionsFromShears = false;
    // Record the diagram ordinates in the check pass too, for a case the diagram
    // pass takes over unchanged.
    bool keepOrdinates = false;
};

double case_stress_factor(int k);
int case_deflection_limit(int k);

// Fills case_run from the load set: factors, wind pressure and label.
void set_case(const CaseSetup& setup, RunRecords& records);

// set_case, then the analysis of the case into model and results.
void analyse_case(const CaseSetup& setup, RunRecords& records);

} // namespace korvex::run
