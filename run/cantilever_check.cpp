#include "run/cantilever_check.h"

#include <cmath>
#include <vector>

#include "common/rounding.h"

namespace korvex::run {

namespace {

double first_ordinate(const std::vector<double>& samples) {
    return samples.empty() || samples.front() == analysis::kSampleEnd ? 0.0 : samples.front();
}

// The ordinate just before the end marker.
double last_ordinate(const std::vector<double>& samples) {
    if (samples.size() < 2) return first_ordinate(samples);
    return samples[samples.size() - 2];
}

} // namespace

StressTable stress_table(const analysis::BeamModel& m, const analysis::CaseResults& r,
                         double w_total) {
    StressTable t;
    const double aL = m.cantileverLeft;
    const double pL = m.overhangLoad[0];
    t.leftRootMoment = std::fabs(pL * aL * aL / 2.0);
    t.rightRootMoment = std::fabs(first_ordinate(r.cantileverMomentSamples[1]));
    t.leftTipDeflection = std::fabs(first_ordinate(r.cantileverDeflectionSamples[0]));
    const double right_tip = last_ordinate(r.cantileverDeflectionSamples[1]);
    t.rightTipDeflection = right_tip == 0.0 ? 0.0 : -right_tip;
    t.leftCantileverForce = w_total * aL * 0.001;
    return t;
}

CantileverCheck check_cantilever(const analysis::BeamModel& m, const analysis::CaseResults& r,
                                 const StressTable& t, const AllowableValues& a, double w_total,
                                 bool wall_pressure) {
    CantileverCheck c;
    const bool left = m.cantileverLeft != 0.0;
    const bool right = m.cantileverRight != 0.0;
    c.present = left || right;
    if (!c.present) return c;
    c.wallPressure = wall_pressure;

    c.side = left ? kLeftSide : kRightSide;
    if (left && right) {
        const double l = std::fabs(r.cantileverCheckMoment[0]);
        const double rr = std::fabs(r.cantileverCheckMoment[1]);
        if (rr > l) {
            c.side = kRightSide;
            c.sideMessage = "  応力がより大きい 右側はね出し部について検討を行う。";
        } else if (l > rr) {
            c.sideMessage = "  応力がより大きい 左側はね出し部について検討を行う。";
        }
    }

    if (c.side == kLeftSide) {
        c.a = m.cantileverLeft;
        c.M = wall_pressure ? -r.cantileverCheckMoment[0] : t.leftRootMoment;
        c.sigma = std::fabs(c.M) / a.Z;
        c.delta = wall_pressure ? std::fabs(r.cantileverCheckDeflection[0]) : t.leftTipDeflection;
    } else {
        c.a = m.cantileverRight;
        c.M = wall_pressure ? r.cantileverCheckMoment[1]
                            : first_ordinate(r.cantileverMomentSamples[1]);
        c.sigma = bending_stress(c.M, a.Z);
        c.delta = wall_pressure ? std::fabs(r.cantileverCheckDeflection[1])
                                : std::fabs(last_ordinate(r.cantileverDeflectionSamples[1]));
    }

    // The joint of the first support carries the left cantilever; the wall
    // pressure case takes its own load on the cantilever, every other case the
    // case's total surface load.
    const double aL = m.cantileverLeft;
    c.V = wall_pressure ? m.overhangLoad[0] * aL : w_total * aL * 0.001;
    return c;
}

} // namespace korvex::run
