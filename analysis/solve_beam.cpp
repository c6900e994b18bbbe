#include "analysis/solve_beam.h"

#include "analysis/gauss.h"
#include "analysis/stiffness.h"
#include "common/rounding.h"

namespace korvex::analysis {

namespace {

// Multi-span reactions are reported to the 0.001 N below, and the remains of the
// elimination's rounding near zero as exactly 0.
double tidy_reaction(double x) {
    x = common::trunc_to(x, 3);
    return (x > -0.01 && x < 0.01) ? 0.0 : x;
}

void add_span_to_reactions(int span, CaseResults& results) {
    for (int r = 0; r < 6; ++r)
        results.reactions[span + r / 3][r % 3] += results.endForces[span][r];
}

using NodeLoad = std::array<double, 3>; // Fx, Fy, M applied at a support

// What an overhang of length a under the line load p puts on its support: its
// whole load, and the moment of that load about the support (counter-clockwise
// positive, so a downward load on the left overhang gives a positive moment).
NodeLoad left_overhang_load(double p, double a) {
    return {0.0, p * a, -p * a * a / 2.0};
}
NodeLoad right_overhang_load(double p, double a) {
    return {0.0, p * a, p * a * a / 2.0};
}

} // namespace

void solve_beam(const BeamModel& model, CaseResults& results) {
    const int n = model.n;
    if (n <= 0) return;
    const double E = model.E;
    const DofNumbering dofs = number_dofs(model.support, n);
    const int N = dofs.freeCount;
    const bool left = has_left_overhang(model);
    const bool right = has_right_overhang(model);

    std::array<SpanVector, kMaxSpans> Q{};
    std::array<ElementMatrix, kMaxSpans> k{};
    AugmentedMatrix system{};
    for (int i = 0; i < n; ++i) {
        const int kind = element_end_kind(i, n, left, right);
        Q[i] = equivalent_loads(kind, model.w[i] + model.q[i][0], model.L[i]);
        k[i] = element_stiffness(kind, E, model.A[i], model.I[i], model.L[i]);
        for (int r = 0; r < 6; ++r) {
            const int gr = dofs.number[3 * i + r];
            if (gr >= N) continue;
            system[gr][N] += Q[i][r];
            for (int s = 0; s < 6; ++s) {
                const int gs = dofs.number[3 * i + s];
                if (gs < N) system[gr][gs] += k[i][r][s];
            }
        }
    }

    // The deck runs on over the end supports into the overhangs: their load and
    // its moment are loads at those nodes, carried by the continuous beam like
    // any other load. The moment turns the end span, which is why an end span
    // with an overhang is not released at that support.
    std::array<NodeLoad, 2> overhang{};
    if (left) overhang[0] = left_overhang_load(model.overhangLoad[0], model.cantileverLeft);
    if (right) overhang[1] = right_overhang_load(model.overhangLoad[1], model.cantileverRight);
    const std::array<int, 2> overhang_node{0, n};
    for (int side = 0; side < 2; ++side) {
        for (int j = 0; j < 3; ++j) {
            const int g = dofs.number[3 * overhang_node[side] + j];
            if (g < N) system[g][N] += overhang[side][j];
        }
    }

    const Solution x = gauss_full_pivot(system, N);
    for (int i = 0; i < n; ++i) {
        SpanVector& d = results.displacements[i];
        for (int s = 0; s < 6; ++s) {
            const int g = dofs.number[3 * i + s];
            d[s] = g < N ? x[g] : 0.0;
        }
        for (int r = 0; r < 6; ++r) {
            double force = 0.0;
            for (int s = 0; s < 6; ++s) force += k[i][r][s] * d[s];
            results.endForces[i][r] = force - Q[i][r];
        }
        add_span_to_reactions(i, results);
    }
    // The support holds the overhang up against its load: that force belongs to
    // the end reaction beside the end span's own shear.
    for (int side = 0; side < 2; ++side) {
        for (int j = 0; j < 3; ++j) {
            results.overhangEndForces[side][j] = -overhang[side][j];
            results.reactions[overhang_node[side]][j] -= overhang[side][j];
        }
    }
    // A single span is reported as solved; the continuous beam to 0.001 N.
    if (n == 1) return;
    for (int node = 0; node <= n; ++node)
        for (double& value : results.reactions[node]) value = tidy_reaction(value);
}

} // namespace korvex::analysis
