#pragma once

// The figures of one case that the checks read: tension reactions, the largest
// moment and the governing deflection.

#include "analysis/beam_model.h"
#include "analysis/case_results.h"

namespace korvex::analysis {

// Marks "no interior uplift" and "no governing span" in the running minima.
inline constexpr double kNoValue = 99999.0;

// reaction_v1 from the end supports, reaction_v2 from the interior supports in
// uplift, both from the solved reactions.
void end_and_interior_reactions(const BeamModel& model, CaseResults& results);

// The same from the member end shears, for the storm case without snow of heavy-
// snow areas: the interior value starts at node 1 whatever its sign.
void end_and_interior_shears(const BeamModel& model, CaseResults& results);

// Largest absolute moment over the spans' governing moments and end moments.
void find_max_moment(const BeamModel& model, CaseResults& results);

// Check pass: the span with the largest deflection governs.
void find_max_deflection(const BeamModel& model, CaseResults& results);

// Diagram pass: the span with the smallest L/deflection governs, and the largest
// moment is stated in whole N·mm.
void diagram_summary(const BeamModel& model, CaseResults& results);

} // namespace korvex::analysis
