#pragma once

// Root moments and tip deflections of the cantilevers (overhangs) for their own
// checks: each as a cantilever fixed at its support, under the load it carries
// in the beam.

#include "analysis/beam_model.h"
#include "analysis/case_results.h"

namespace korvex::analysis {

struct CantileverCase {
    bool negativePass = false; // the wind pass is "Ms": the edge loads exist
    bool derivedLoads = false; // wind and snow derived, not entered directly
};

// span_moment[4] and [5], cantilever_check_moment and the moment ordinates.
void cantilever_moments(const BeamModel& model, const CantileverCase& c, CaseResults& results);

// span_deflection[4] and [5], cantilever_check_deflection and the deflection
// ordinates.
void cantilever_deflections(const BeamModel& model, const CantileverCase& c, CaseResults& results);

} // namespace korvex::analysis
