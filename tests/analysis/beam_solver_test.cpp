#include <gtest/gtest.h>

#include <cmath>

#include "analysis/beam_model.h"
#include "analysis/case_summary.h"
#include "analysis/gauss.h"
#include "analysis/solve_beam.h"
#include "analysis/span_scans.h"
#include "calc/design_inputs.h"
#include "tests/analysis/beam_fixture.h"

namespace korvex::analysis {
namespace {

using testing::uniform_beam;

CaseResults solved(const BeamModel& m) {
    CaseResults r;
    solve_beam(m, r);
    return r;
}

TEST(BeamSolver, TwoEqualSpansGiveThreeEighthsAndTenEighthsReactions) {
    const double p = -1.2, L = 2000.0;
    const BeamModel m = uniform_beam({L, L}, p);
    CaseResults r = solved(m);
    // Reactions are truncated downward to 0.001 N.
    EXPECT_NEAR(r.reactions[0][1], -3.0 / 8.0 * p * L, 0.0011);
    EXPECT_NEAR(r.reactions[1][1], -10.0 / 8.0 * p * L, 0.0011);
    EXPECT_NEAR(r.reactions[2][1], -3.0 / 8.0 * p * L, 0.0011);
    EXPECT_LE(r.reactions[0][1], -3.0 / 8.0 * p * L + 1e-9);
    // The interior support hogs by pL²/8 on both sides.
    EXPECT_NEAR(r.endForces[0][5], p * L * L / 8.0, 1e-3);
    EXPECT_NEAR(r.endForces[1][2], -p * L * L / 8.0, 1e-3);
    // The free outer rotations stay without stiffness and come out 0, not NaN.
    EXPECT_EQ(r.displacements[0][2], 0.0);
    EXPECT_FALSE(std::isnan(r.displacements[1][2]));

    end_and_interior_reactions(m, r);
    EXPECT_EQ(r.reactionV1, r.reactions[2][1]);
    EXPECT_EQ(r.reactionV2, 99999.0);

    // The sagging extreme lies at 3L/8 and is 9pL²/128.
    const MomentExtremes e = span_moment_scan(0, m, r, false);
    governing_span_moment(0, m, e, r);
    EXPECT_EQ(r.spanMomentX[0], 750.0);
    EXPECT_NEAR(r.spanMoment[0], 9.0 / 128.0 * p * L * L, 1.0);
}

TEST(BeamSolver, NetUpliftGivesNegativeReactions) {
    const double p = 0.8, L = 1820.0;
    const BeamModel m = uniform_beam({L, L, L}, p);
    CaseResults r = solved(m);
    for (int node = 0; node <= 3; ++node) EXPECT_LT(r.reactions[node][1], 0.0) << node;
    // Three equal spans: 0.4 pL at the ends, 1.1 pL inside.
    EXPECT_NEAR(r.reactions[0][1], -0.4 * p * L, 0.0011);
    EXPECT_NEAR(r.reactions[1][1], -1.1 * p * L, 0.0011);
    end_and_interior_reactions(m, r);
    EXPECT_LT(r.reactionV1, 0.0);
    EXPECT_EQ(r.reactionV2, std::min(r.reactions[1][1], r.reactions[2][1]));
}

TEST(BeamSolver, SingleSpanWithBothOverhangsIsStaticAndNotRounded) {
    const double p = -0.0012345, L = 1000.0, aL = 500.0, aR = 300.0;
    const BeamModel m = uniform_beam({L}, p, aL, aR);
    const CaseResults r = solved(m);
    // Moments about the other support; y up, so the loads p are negative.
    const double R0 = -p * (L * L / 2 + aL * (L + aL / 2) - aR * aR / 2) / L;
    const double R1 = -p * (L * L / 2 + aR * (L + aR / 2) - aL * aL / 2) / L;
    EXPECT_NEAR(r.reactions[0][1], R0, 1e-12);
    EXPECT_NEAR(r.reactions[1][1], R1, 1e-12);
    // The span's ends carry the overhangs' root moments.
    EXPECT_NEAR(r.endForces[0][2], -p * aL * aL / 2, 1e-12);
    EXPECT_NEAR(r.endForces[0][5], p * aR * aR / 2, 1e-12);
    // Not truncated: the reactions are the end forces of the span and the overhangs.
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(r.reactions[0][j], r.endForces[0][j] + r.overhangEndForces[0][j]);
        EXPECT_EQ(r.reactions[1][j], r.endForces[0][3 + j] + r.overhangEndForces[1][j]);
    }
}

TEST(BeamSolver, TinyReactionsOfMultiSpanBeamsReadZero) {
    struct Case {
        double p;
        double end;      // outer reaction
        double interior; // middle reaction
    };
    // 3/8 pL = ±0.00375 falls inside ±0.01 after truncation; 10/8 pL = 0.0125 stays.
    for (const Case c : {Case{-1e-5, 0.0, 0.012}, Case{1e-5, 0.0, -0.013}}) {
        const CaseResults r = solved(uniform_beam({1000, 1000}, c.p));
        EXPECT_EQ(r.reactions[0][1], c.end) << c.p;
        EXPECT_NEAR(r.reactions[1][1], c.interior, 1e-12) << c.p;
    }
}

TEST(BeamSolver, SetupAndLoadsFromTheCalculationData) {
    calc::CalculationData data;
    data.deckIndex = 2; // KX-75-12
    data.spanCount = 2;
    data.spanLength = {2500, 3000, 0, 0};
    data.leftCantileverLength = 450;
    data.rightCantileverLength = 300;
    data.spanLinearLoad = {{{600, 600}, {600, 600}, {600, 600}, {600, 600}}};
    BeamModel m;
    m.support = {0, 0, 0, 0, 0};
    setup_model(data, m);
    EXPECT_EQ(m.E, 205000);
    EXPECT_EQ(m.n, 2);
    EXPECT_EQ(m.L[1], 3000.0);
    EXPECT_DOUBLE_EQ(m.A[0], 1065.0);
    EXPECT_DOUBLE_EQ(m.I[0], 1630000.0);
    EXPECT_EQ(m.support[4], kSupportPin);
    EXPECT_EQ(deflection_factor(m), 1.2);

    CaseLoadInputs in;
    in.G = 400;
    in.W = -1500;
    in.S = data.spanLinearLoad;
    in.factors = {1.0, 1.0, 0.35, 1.0};
    in.Pw = 700;
    apply_case_loads(in, m);
    EXPECT_DOUBLE_EQ(m.w[1], -0.001 * (400 - 1500));
    EXPECT_DOUBLE_EQ(m.q[1][1], -0.001 * 600 * 0.35);
    // Positive pass: no edge loads.
    EXPECT_EQ(m.edgeLoad[0], 0.0);
    EXPECT_EQ(m.edgeLoad[1], 0.0);

    in.negativePass = true;
    apply_case_loads(in, m);
    const double edge = -0.001 * (400 + (-1500 - 700));
    EXPECT_DOUBLE_EQ(m.edgeLoad[0], edge);
    EXPECT_DOUBLE_EQ(m.edgeLoad[1], edge);
    // Under suction the overhangs carry the edge load and their snow share; in
    // the positive pass the end spans' loads.
    EXPECT_DOUBLE_EQ(m.overhangLoad[0], edge + m.q[0][0]);
    EXPECT_DOUBLE_EQ(m.overhangLoad[1], edge + m.q[1][1]);
    in.negativePass = false;
    apply_case_loads(in, m);
    EXPECT_DOUBLE_EQ(m.overhangLoad[0], m.w[0] + m.q[0][0]);
    EXPECT_DOUBLE_EQ(m.overhangLoad[1], m.w[1] + m.q[1][1]);

    // One span with both overhangs: the right side reads the first slot.
    data.spanCount = 1;
    setup_model(data, m);
    in.negativePass = true;
    apply_case_loads(in, m);
    EXPECT_DOUBLE_EQ(m.overhangLoad[1], edge + m.q[0][1]);
}

TEST(Gauss, ZeroPivotsGiveZeroAndNeverDivide) {
    AugmentedMatrix a{};
    // x0 has no stiffness at all; 2 x1 + x2 = 5, x1 + 3 x2 = 10.
    a[1][1] = 2;
    a[1][2] = 1;
    a[1][3] = 5;
    a[2][1] = 1;
    a[2][2] = 3;
    a[2][3] = 10;
    const Solution x = gauss_full_pivot(a, 3);
    EXPECT_EQ(x[0], 0.0);
    EXPECT_NEAR(x[1], 1.0, 1e-12);
    EXPECT_NEAR(x[2], 3.0, 1e-12);

    const Solution none = gauss_full_pivot(AugmentedMatrix{}, 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(none[i], 0.0);
}

TEST(Gauss, FullPivotingSolvesAZeroDiagonalSystem) {
    // [0 2 1; 1 0 4; 3 1 0] x = (7, 13, 5) has the solution (1, 2, 3).
    AugmentedMatrix a{};
    const double rows[3][4] = {{0, 2, 1, 7}, {1, 0, 4, 13}, {3, 1, 0, 5}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) a[i][j == 3 ? 3 : j] = rows[i][j];
    const Solution x = gauss_full_pivot(a, 3);
    EXPECT_NEAR(x[0], 1.0, 1e-12);
    EXPECT_NEAR(x[1], 2.0, 1e-12);
    EXPECT_NEAR(x[2], 3.0, 1e-12);
}

} // namespace
} // namespace korvex::analysis
