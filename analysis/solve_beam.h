#pragma once

// The stiffness solution of the continuous beam: member end forces, node
// displacements and support reactions of one load case.

#include "analysis/beam_model.h"
#include "analysis/case_results.h"

namespace korvex::analysis {

// Adds into results.reactions (the caller clears them) and writes end_forces and
// displacements. Never fails: parts of the system without stiffness give 0.
void solve_beam(const BeamModel& model, CaseResults& results);

} // namespace korvex::analysis
