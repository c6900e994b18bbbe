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
                         double W_total) {
    StressTable t;
    const double aL = m.cantilever_left;
    const double pL = m.overhang_load[0];
    t.left_root_moment = std::fabs(pL * aL * aL / 2.0);
    t.right_root_moment = std::fabs(first_ordinate(r.cantilever_moment_samples[1]));
    t.left_tip_deflection = std::fabs(first_ordinate(r.cantilever_deflection_samples[0]));
    const double right_tip = last_ordinate(r.cantilever_deflection_samples[1]);
    t.right_tip_deflection = right_tip == 0.0 ? 0.0 : -right_tip;
    t.left_cantilever_force = W_total * aL * 0.001;
    return t;
}

CantileverCheck check_cantilever(const analysis::BeamModel& m, const analysis::CaseResults& r,
                                 const StressTable& t, const AllowableValues& a, double W_total,
                                 bool wall_pressure) {
    CantileverCheck c;
    const bool left = m.cantilever_left != 0.0;
    const bool right = m.cantilever_right != 0.0;
    c.present = left || right;
    if (!c.present) return c;
    c.wall_pressure = wall_pressure;

    c.side = left ? kLeftSide : kRightSide;
    if (left && right) {
        const double l = std::fabs(r.cantilever_check_moment[0]);
        const double rr = std::fabs(r.cantilever_check_moment[1]);
        if (rr > l) {
            c.side = kRightSide;
            c.side_message = "  応力がより大きい 右側はね出し部について検討を行う。";
        } else if (l > rr) {
            c.side_message = "  応力がより大きい 左側はね出し部について検討を行う。";
        }
    }

    if (c.side == kLeftSide) {
        c.a = m.cantilever_left;
        c.M = wall_pressure ? -r.cantilever_check_moment[0] : t.left_root_moment;
        c.sigma = std::fabs(c.M) / a.Z;
        c.delta =
            wall_pressure ? std::fabs(r.cantilever_check_deflection[0]) : t.left_tip_deflection;
    } else {
        c.a = m.cantilever_right;
        c.M = wall_pressure ? r.cantilever_check_moment[1]
                            : first_ordinate(r.cantilever_moment_samples[1]);
        c.sigma = bending_stress(c.M, a.Z);
        c.delta = wall_pressure ? std::fabs(r.cantilever_check_deflection[1])
                                : std::fabs(last_ordinate(r.cantilever_deflection_samples[1]));
    }

    // The joint of the first support carries the left cantilever; the wall
    // pressure case takes its own load on the cantilever, every other case the
    // case's total surface load.
    const double aL = m.cantilever_left;
    c.V = wall_pressure ? m.overhang_load[0] * aL : W_total * aL * 0.001;
    return c;
}

} // namespace korvex::run
