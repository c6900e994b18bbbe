#pragma once

// Moments and deflections along a span, scanned in 5 mm steps from its member end
// forces with the closed-form formulas of a uniformly loaded span.

#include "analysis/beam_model.h"
#include "analysis/case_results.h"

namespace korvex::analysis {

// Governing deflection of span i, downward positive, truncated to 0.0001 mm.
// With record_samples the ordinates at 95, 195, ... mm go to deflection_samples.
double span_deflection_scan(int i, const BeamModel& model, CaseResults& results,
                            bool record_samples);

struct MomentExtremes {
    double minimum = 99999.0;
    double minimumX = 0.0;
    double maximum = -99999.0;
    double maximumX = 0.0;
};

// Smallest and largest floored moment of span i and where they lie. With
// record_samples the moments at 0, 100, 200, ... mm go to moment_samples.
MomentExtremes span_moment_scan(int i, const BeamModel& model, CaseResults& results,
                                bool record_samples);

// Stores in span_moment[i] and span_moment_x[i] the extreme that lies inside the
// span, or 0 when both lie on the supports.
void governing_span_moment(int i, const BeamModel& model, const MomentExtremes& extremes,
                           CaseResults& results);

} // namespace korvex::analysis
