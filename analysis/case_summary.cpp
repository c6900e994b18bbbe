#include "analysis/case_summary.h"

#include <cmath>

#include "common/rounding.h"

namespace korvex::analysis {

void end_and_interior_reactions(const BeamModel& m, CaseResults& r) {
    const int n = m.n;
    const double first = r.reactions[0][1];
    const double last = r.reactions[n][1];
    r.reactionV1 = first < last ? first : last;
    r.reactionV2 = kNoValue;
    for (int node = 1; node < n; ++node) {
        const double v = r.reactions[node][1];
        if (v <= 0.0 && v < r.reactionV2) r.reactionV2 = v;
    }
}

void end_and_interior_shears(const BeamModel& m, CaseResults& r) {
    const int n = m.n;
    if (n <= 0) return;
    // The end support's shears include the overhang's beside it.
    const double first = r.endForces[0][1] + r.overhangEndForces[0][1];
    const double last = r.endForces[n - 1][4] + r.overhangEndForces[1][1];
    r.reactionV1 = first < last ? first : last;
    r.reactionV2 = kNoValue;
    if (n < 2) return;
    r.reactionV2 = r.endForces[0][4] + r.endForces[1][1];
    for (int node = 2; node < n; ++node) {
        const double v = r.endForces[node - 1][4] + r.endForces[node][1];
        if (v <= 0.0 && v < r.reactionV2) r.reactionV2 = v;
    }
}

void find_max_moment(const BeamModel& m, CaseResults& r) {
    r.maxMoment = 0.0;
    for (int i = 0; i < m.n; ++i) {
        for (const double value : {r.spanMoment[i], r.endForces[i][2], r.endForces[i][5]}) {
            if (std::fabs(value) > r.maxMoment) r.maxMoment = std::fabs(value);
        }
    }
}

void find_max_deflection(const BeamModel& m, CaseResults& r) {
    r.maxDeflection = 0.0;
    r.deflectionRatio = kNoValue;
    r.governingSpanLength = 0.0;
    for (int i = 0; i < m.n; ++i) {
        const double delta = std::fabs(r.spanDeflection[i]);
        if (delta > r.maxDeflection) {
            r.maxDeflection = delta;
            r.deflectionRatio = std::fabs(m.L[i] / r.spanDeflection[i]);
            r.governingSpanLength = m.L[i];
        }
    }
}

void diagram_summary(const BeamModel& m, CaseResults& r) {
    r.maxMoment = common::trunc_to(r.maxMoment, 0);
    r.maxDeflection = 0.0;
    r.deflectionRatio = kNoValue;
    r.governingSpanLength = 0.0;
    for (int i = 0; i < m.n; ++i) {
        const double delta = r.spanDeflection[i];
        const double ratio =
            delta == 0.0 ? kNoValue : common::trunc_to(std::fabs(m.L[i] / delta), 0);
        if (ratio < r.deflectionRatio) {
            r.deflectionRatio = ratio;
            r.maxDeflection = std::fabs(delta);
            r.governingSpanLength = m.L[i];
        }
    }
}

} // namespace korvex::analysis
