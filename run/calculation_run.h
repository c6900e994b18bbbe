#pragma once

// The calculation run: every load case analysed and checked, the verdict, then
// every case analysed again for the stress and deflection diagrams.

#include "calc/design_inputs.h"
#include "calc/load_set.h"
#include "run/case_setup.h"
#include "run/run_records.h"

namespace korvex::run {

// How much of the run is wanted.
enum class RunScope {
    whole, // both passes: everything the report draws
    // The check pass up to the first check page that fails, without the diagrams:
    // enough to tell whether a design passes and which check fails first, for a
    // caller that tries many designs. The verdict counts the pages checked.
    untilFailure,
    // The whole check pass and the verdict, without the diagrams: every check of
    // every case, for a caller that shows the verdict and the ratios alone.
    checks,
};

// The loads are changed as the report expects after a run: windPass and the case
// totals and texts are those of the last pass; the snow factor of the storm case
// is the one the run started with.
CalculationRun run_calculation(RunRecords records, RunScope scope = RunScope::whole);

// The same with the per-case records of its own.
CalculationRun run_calculation(const calc::DesignInputs& inputs, const calc::CalculationData& data,
                               calc::LoadSet& loads, RunScope scope = RunScope::whole);

// Real millimetres per paper millimetre along the beam of the diagrams.
int diagram_scale(const analysis::BeamModel& model, int total_deck_length);

} // namespace korvex::run
