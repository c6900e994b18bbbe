#include "analysis/cantilever.h"

#include <cmath>

#include "common/rounding.h"

namespace korvex::analysis {

namespace {

inline constexpr double kSampleStep = 100.0;

double left_load(const BeamModel& m) {
    return m.overhangLoad[0];
}
double right_load(const BeamModel& m) {
    return m.overhangLoad[1];
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
    const double aL = m.cantileverLeft;
    const double aR = m.cantileverRight;
    const double pL = left_load(m);
    const double pR = right_load(m);

    r.spanMoment[kLeftCantileverSlot] = round_root_moment(pL * aL * aL / 2.0);
    r.spanMoment[kRightCantileverSlot] = round_root_moment(-pR * aR * aR / 2.0);

    const bool wall_pressure = c.negativePass && c.derivedLoads;
    r.cantileverCheckMoment = {0.0, 0.0};
    if (aL != 0.0) {
        r.cantileverCheckMoment[0] =
            wall_pressure ? pL * aL * aL / 2.0 : r.spanMoment[kLeftCantileverSlot];
    }
    if (aR != 0.0) {
        r.cantileverCheckMoment[1] = wall_pressure ? common::round_to(-pR * aR * aR / 2.0, -3)
                                                   : r.spanMoment[kRightCantileverSlot];
    }

    auto& left = r.cantileverMomentSamples[0];
    auto& right = r.cantileverMomentSamples[1];
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
    const double aL = m.cantileverLeft;
    const double aR = m.cantileverRight;
    const double pL = left_load(m);
    const double pR = right_load(m);
    const double cL = inverse_stiffness(m, 0);
    const double cR = inverse_stiffness(m, m.n - 1);

    r.spanDeflection[kLeftCantileverSlot] = tip_deflection(pL, aL, cL, k);
    r.spanDeflection[kRightCantileverSlot] = tip_deflection(pR, aR, cR, k);
    r.cantileverCheckDeflection = {0.0, 0.0};
    if (c.negativePass && aL != 0.0) r.cantileverCheckDeflection[0] = tip_deflection(pL, aL, cL, k);
    if (c.negativePass && aR != 0.0) r.cantileverCheckDeflection[1] = tip_deflection(pR, aR, cR, k);

    auto& left = r.cantileverDeflectionSamples[0];
    auto& right = r.cantileverDeflectionSamples[1];
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
