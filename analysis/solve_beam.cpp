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
        results.reactions[span + r / 3][r % 3] += results.end_forces[span][r];
}

} // namespace

void solve_beam(const BeamModel& model, CaseResults& results) {
    const int n = model.n;
    if (n <= 0) return;
    const double E = model.E;
    const DofNumbering dofs = number_dofs(model.support, n);
    const int N = dofs.free_count;

    std::array<SpanVector, kMaxSpans> Q{};
    std::array<ElementMatrix, kMaxSpans> k{};
    AugmentedMatrix system{};
    for (int i = 0; i < n; ++i) {
        const int kind = element_end_kind(i, n);
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

    // The cantilevers load the end supports only: their force and moment join the
    // end spans' loads after assembly, so they reach the member end forces and
    // reactions but not the continuous beam's solution.
    const double aL = model.cantilever_left;
    const double aR = model.cantilever_right;
    const double pL = model.w[0] + model.q[0][0];
    const double pR = model.w[n - 1] + model.q[n - 1][1];
    Q[0][1] += pL * aL;
    Q[0][2] += pL * aL * aL / 2.0;
    Q[n - 1][4] += pR * aR;
    Q[n - 1][5] += -pR * aR * aR / 2.0;

    if (n == 1) {
        for (int j = 0; j < 6; ++j) results.end_forces[0][j] = -Q[0][j];
        results.displacements[0] = {};
        add_span_to_reactions(0, results);
        return;
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
            results.end_forces[i][r] = force - Q[i][r];
        }
        add_span_to_reactions(i, results);
    }
    for (int node = 0; node <= n; ++node)
        for (double& value : results.reactions[node]) value = tidy_reaction(value);
}

} // namespace korvex::analysis
