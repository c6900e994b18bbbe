#include "analysis/case_summary.h"

#include <cmath>

#include "common/rounding.h"

namespace korvex::analysis {

void end_and_interior_reactions(const BeamModel& m, CaseResults& r) {
    const int n = m.n;
    const double first = r.reactions[0][1];
    const double last = r.reactions[n][1];
    r.reaction_v1 = first < last ? first : last;
    r.reaction_v2 = kNoValue;
    for (int node = 1; node < n; ++node) {
        const double v = r.reactions[node][1];
        if (v <= 0.0 && v < r.reaction_v2) r.reaction_v2 = v;
    }
}

void end_and_interior_shears(const BeamModel& m, CaseResults& r) {
    const int n = m.n;
    if (n <= 0) return;
    // The end support's shears include the overhang's beside it.
    const double first = r.end_forces[0][1] + r.overhang_end_forces[0][1];
    const double last = r.end_forces[n - 1][4] + r.overhang_end_forces[1][1];
    r.reaction_v1 = first < last ? first : last;
    r.reaction_v2 = kNoValue;
    if (n < 2) return;
    r.reaction_v2 = r.end_forces[0][4] + r.end_forces[1][1];
    for (int node = 2; node < n; ++node) {
        const double v = r.end_forces[node - 1][4] + r.end_forces[node][1];
        if (v <= 0.0 && v < r.reaction_v2) r.reaction_v2 = v;
    }
}

void find_max_moment(const BeamModel& m, CaseResults& r) {
    r.max_moment = 0.0;
    for (int i = 0; i < m.n; ++i) {
        for (const double value : {r.span_moment[i], r.end_forces[i][2], r.end_forces[i][5]}) {
            if (std::fabs(value) > r.max_moment) r.max_moment = std::fabs(value);
        }
    }
}

void find_max_deflection(const BeamModel& m, CaseResults& r) {
    r.max_deflection = 0.0;
    r.deflection_ratio = kNoValue;
    r.governing_span_length = 0.0;
    for (int i = 0; i < m.n; ++i) {
        const double delta = std::fabs(r.span_deflection[i]);
        if (delta > r.max_deflection) {
            r.max_deflection = delta;
            r.deflection_ratio = std::fabs(m.L[i] / r.span_deflection[i]);
            r.governing_span_length = m.L[i];
        }
    }
}

void diagram_summary(const BeamModel& m, CaseResults& r) {
    r.max_moment = common::trunc_to(r.max_moment, 0);
    r.max_deflection = 0.0;
    r.deflection_ratio = kNoValue;
    r.governing_span_length = 0.0;
    for (int i = 0; i < m.n; ++i) {
        const double delta = r.span_deflection[i];
        const double ratio = delta == 0.0 ? kNoValue : common::trunc_to(std::fabs(m.L[i] / delta), 0);
        if (ratio < r.deflection_ratio) {
            r.deflection_ratio = ratio;
            r.max_deflection = std::fabs(delta);
            r.governing_span_length = m.L[i];
        }
    }
}

} // namespace korvex::analysis
