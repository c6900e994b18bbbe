#pragma once

// The cantilever side of the checks: which side governs and its moment, stress,
// deflection and joint force.

#include "analysis/beam_model.h"
#include "analysis/case_results.h"
#include "run/design_checks.h"

namespace korvex::run {

StressTable stress_table(const analysis::BeamModel& model, const analysis::CaseResults& results,
                         double w_total);

// wall_pressure: the loads are derived and the case is the suction pass.
CantileverCheck check_cantilever(const analysis::BeamModel& model,
                                 const analysis::CaseResults& results, const StressTable& table,
                                 const AllowableValues& allowable, double w_total,
                                 bool wall_pressure);

} // namespace korvex::run
