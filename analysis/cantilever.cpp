#include "analysis/cantilever.h"

#include <cmath>

#include "common/rounding.h"

namespace korvex::analysis {

namespace {

inline constexpr double kSampleStep = 100.0;

double left_load(const BeamModel& m) {
    return m.overhang_load[0];
}
double right_load(const BeamModel& m) {
    return m.overhang_load[1];
}

double inverse_stiffness(const BeamModel& m, int span) {
    if (span < 0 || m.I[span] == 0.0) return 0.0;
    return 1.0 / (m.E * m.I[span]);
}

// Rounded to the nearest 100000 N·mm, as the report states root moments.
double round_root_moment(double M) {
    return common::round_to(M, -5);
}

double tip_deflection(double p, double a, double c, double k) {
    return common::trunc_to(p * (a * a * a * a) / 8.0 * c * k, 3);
}

// Deflection at distance u from the tip of a cantilever of length a.
double deflection_ordinate(double u, double a, double p, double c, double k) {
    const double shape = u * u * u * u - 4.0 * (a * a * a) * u + 3.0 * (a * a * a * a);
    return -common::trunc_to(shape * (-p * c / 24.0) * k, 3);
}

} // namespace

void cantilever_moments(const BeamModel& m, const CantileverCase& c, CaseResults& r) {
    const double aL = m.cantilever_left;
    const double aR = m.cantilever_right;
    const double pL = left_load(m);
    const double pR = right_load(m);

    r.span_moment[kLeftCantileverSlot] = round_root_moment(pL * aL * aL / 2.0);
    r.span_moment[kRightCantileverSlot] = round_root_moment(-pR * aR * aR / 2.0);

    const bool wall_pressure = c.negative_pass && c.derived_loads;
    r.cantilever_check_moment = {0.0, 0.0};
    if (aL != 0.0) {
        r.cantilever_check_moment[0] =
            wall_pressure ? pL * aL * aL / 2.0 : r.span_moment[kLeftCantileverSlot];
    }
    if (aR != 0.0) {
        r.cantilever_check_moment[1] =
            wall_pressure
                ? common::round_to(-pR * aR * aR / 2.0, -3)
                : r.span_moment[kRightCantileverSlot];
    }

    auto& left = r.cantilever_moment_samples[0];
    auto& right = r.cantilever_moment_samples[1];
    left.clear();
    right.clear();
    for (double x = 0.0; x <= aL; x += kSampleStep) left.push_back(-pL * x * x / 2.0);
    left.push_back(kSampleEnd);
    for (double x = 0.0; x <= aR; x += kSampleStep)
        right.push_back(-pR * (aR - x) * (aR - x) / 2.0);
    right.push_back(kSampleEnd);
}

void cantilever_deflections(const BeamModel& m, const CantileverCase& c, CaseResults& r) {
    const double k = deflection_factor(m);
    const double aL = m.cantilever_left;
    const double aR = m.cantilever_right;
    const double pL = left_load(m);
    const double pR = right_load(m);
    const double cL = inverse_stiffness(m, 0);
    const double cR = inverse_stiffness(m, m.n - 1);

    r.span_deflection[kLeftCantileverSlot] = tip_deflection(pL, aL, cL, k);
    r.span_deflection[kRightCantileverSlot] = tip_deflection(pR, aR, cR, k);
    r.cantilever_check_deflection = {0.0, 0.0};
    if (c.negative_pass && aL != 0.0)
        r.cantilever_check_deflection[0] = tip_deflection(pL, aL, cL, k);
    if (c.negative_pass && aR != 0.0)
        r.cantilever_check_deflection[1] = tip_deflection(pR, aR, cR, k);

    auto& left = r.cantilever_deflection_samples[0];
    auto& right = r.cantilever_deflection_samples[1];
    left.clear();
    right.clear();
    for (double x = 0.0; x <= aL; x += kSampleStep)
        left.push_back(deflection_ordinate(x, aL, pL, cL, k));
    left.push_back(kSampleEnd);
    for (double x = 0.0; x <= aR; x += kSampleStep)
        right.push_back(deflection_ordinate(aR - x, aR, pR, cR, k));
    right.push_back(kSampleEnd);
}

} // namespace korvex::analysis
