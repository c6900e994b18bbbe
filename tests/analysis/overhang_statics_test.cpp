#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/case_summary.h"
#include "analysis/solve_beam.h"
#include "tests/analysis/beam_fixture.h"

// The continuous beam with its overhangs against statics worked out
// independently: support moments by the three-moment equation, reactions from
// the span free bodies, and the two equilibrium conditions of the whole beam.

namespace korvex::analysis {
namespace {

using testing::uniform_beam;

struct OverhangCase {
    std::vector<double> spans;
    double left = 0.0; // overhang lengths, mm
    double right = 0.0;
    double w = 1.0;     // span load, N/mm, downward positive
    double wLeft = 1.0; // overhang loads (the edge load under suction)
    double wRight = 1.0;
};

// Support moments M_0 .. M_n, sagging positive, for equal EI: the three-moment
// equation at every interior support, the overhangs' root moments at the ends.
std::vector<double> three_moment_support_moments(const OverhangCase& c) {
    const int n = static_cast<int>(c.spans.size());
    std::vector<double> M(n + 1, 0.0);
    M[0] = -c.wLeft * c.left * c.left / 2.0;
    M[n] = -c.wRight * c.right * c.right / 2.0;
    const int unknowns = n - 1;
    if (unknowns <= 0) return M;
    // Tridiagonal system for M_1 .. M_{n-1}, solved by elimination.
    std::vector<double> sub(unknowns), diag(unknowns), sup(unknowns), rhs(unknowns);
    for (int k = 0; k < unknowns; ++k) {
        const double La = c.spans[k], Lb = c.spans[k + 1];
        sub[k] = La;
        diag[k] = 2.0 * (La + Lb);
        sup[k] = Lb;
        rhs[k] = -c.w * (La * La * La + Lb * Lb * Lb) / 4.0;
    }
    rhs[0] -= sub[0] * M[0];
    rhs[unknowns - 1] -= sup[unknowns - 1] * M[n];
    for (int k = 1; k < unknowns; ++k) {
        const double f = sub[k] / diag[k - 1];
        diag[k] -= f * sup[k - 1];
        rhs[k] -= f * rhs[k - 1];
    }
    M[unknowns] = rhs[unknowns - 1] / diag[unknowns - 1];
    for (int k = unknowns - 2; k >= 0; --k) M[k + 1] = (rhs[k] - sup[k] * M[k + 2]) / diag[k];
    return M;
}

// Upward support reactions from the span free bodies and the overhang loads.
std::vector<double> statics_reactions(const OverhangCase& c, const std::vector<double>& M) {
    const int n = static_cast<int>(c.spans.size());
    std::vector<double> R(n + 1, 0.0);
    for (int i = 0; i < n; ++i) {
        const double L = c.spans[i];
        const double start = c.w * L / 2.0 + (M[i + 1] - M[i]) / L;
        R[i] += start;
        R[i + 1] += c.w * L - start;
    }
    R[0] += c.wLeft * c.left;
    R[n] += c.wRight * c.right;
    return R;
}

BeamModel model_of(const OverhangCase& c) {
    BeamModel m = uniform_beam({}, 0.0, c.left, c.right);
    m.n = static_cast<int>(c.spans.size());
    for (int i = 0; i < m.n; ++i) {
        m.L[i] = c.spans[i];
        m.A[i] = 1000.0;
        m.I[i] = testing::kEI / m.E;
        m.w[i] = -c.w; // y points up in the model
    }
    m.overhangLoad = {-c.wLeft, -c.wRight};
    return m;
}

std::string describe(const OverhangCase& c) {
    std::string text = "spans";
    for (double L : c.spans) text += " " + std::to_string(static_cast<int>(L));
    return text + ", overhangs " + std::to_string(static_cast<int>(c.left)) + "/" +
           std::to_string(static_cast<int>(c.right)) + ", w " + std::to_string(c.w) + "/" +
           std::to_string(c.wLeft) + "/" + std::to_string(c.wRight);
}

const OverhangCase kCases[] = {
    // The three designs worked by hand in the verification manual.
    {{1500}, 1000},
    {{1500, 1500}, 1000},
    {{1200, 1200, 1200, 1200}, 1000},
    // Right and both overhangs, every span count, unequal spans.
    {{1800}, 0, 600},
    {{2000}, 450, 300},
    {{2400, 1820}, 0, 900},
    {{900, 3600, 3600, 1820}, 800, 0},
    {{1820, 2730, 1820}, 500, 700},
    {{3000, 2000, 1000, 2500}, 1000, 1000},
    // Uplift: the spans lifted by suction, the overhangs lifted harder by the
    // wall pressure below them.
    {{1820, 1820}, 600, 0, -0.8, -1.3, -0.8},
    {{2500}, 0, 900, -0.5, -0.5, -1.1},
    {{1200, 2400, 1800}, 400, 1000, -1.2, -1.9, -1.7},
    {{900, 3600, 3600, 1820}, 800, 0, -1.109, -1.5, -1.109},
};

TEST(OverhangStatics, ContinuousBeamWithOverhangsMatchesTheThreeMomentEquation) {
    for (const OverhangCase& c : kCases) {
        SCOPED_TRACE(describe(c));
        const int n = static_cast<int>(c.spans.size());
        const BeamModel m = model_of(c);
        CaseResults r;
        solve_beam(m, r);

        const std::vector<double> M = three_moment_support_moments(c);
        const std::vector<double> R = statics_reactions(c, M);
        // Member end moments: the node's moment on the span, counter-clockwise,
        // is minus the sagging moment at a span's start and plus it at its end.
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(-r.endForces[i][2], M[i], 1.0) << "M at the start of span " << i;
            EXPECT_NEAR(r.endForces[i][5], M[i + 1], 1.0) << "M at the end of span " << i;
        }
        double sum_r = 0.0, moment_about_first = 0.0, x = 0.0;
        for (int node = 0; node <= n; ++node) {
            EXPECT_NEAR(r.reactions[node][1], R[node], 0.01) << "R at support " << node;
            EXPECT_NEAR(r.reactions[node][2], 0.0, 0.01) << "a pin carries no moment";
            sum_r += r.reactions[node][1];
            moment_about_first += r.reactions[node][1] * x;
            if (node < n) x += c.spans[node];
        }

        // The whole beam in equilibrium: the reactions carry the total load, and
        // their moment about the first support balances the loads' moment.
        double total = c.wLeft * c.left + c.wRight * c.right;
        double load_moment =
            -c.wLeft * c.left * c.left / 2.0 + c.wRight * c.right * (x + c.right / 2.0);
        double start = 0.0;
        for (double L : c.spans) {
            total += c.w * L;
            load_moment += c.w * L * (start + L / 2.0);
            start += L;
        }
        const double truncation = n == 1 ? 1e-6 : 0.001 * (n + 1);
        EXPECT_NEAR(sum_r, total, truncation);
        EXPECT_NEAR(moment_about_first, load_moment, truncation * x);
    }
}

TEST(OverhangStatics, TheIssuedFiguresByHand) {
    struct Expected {
        OverhangCase c;
        std::vector<double> R;
        int support;
        double hogging; // |M| at that support
    };
    const Expected table[] = {
        {{{1500}, 1000}, {2083.3, 416.7}, 0, 500000.0},
        {{{1500, 1500}, 1000}, {1979.2, 1375.0, 645.8}, 1, 156250.0},
        {{{1200, 1200, 1200, 1200}, 1000}, {1999.7, 701.8, 1292.9, 1326.8, 478.9}, 2, 138571.0},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(describe(e.c));
        CaseResults r;
        solve_beam(model_of(e.c), r);
        for (std::size_t node = 0; node < e.R.size(); ++node)
            EXPECT_NEAR(r.reactions[node][1], e.R[node], 0.05) << node; // one decimal given
        const double M = e.support == 0 ? r.endForces[0][2] : r.endForces[e.support - 1][5];
        EXPECT_NEAR(std::fabs(M), e.hogging, 1.0);
    }
}

// The storm case without snow of heavy-snow areas reads the end forces instead
// of the reactions: with an overhang both must still give the same tension.
TEST(OverhangStatics, ShearsAndReactionsGiveTheSameEndTension) {
    for (const OverhangCase& c : kCases) {
        SCOPED_TRACE(describe(c));
        const BeamModel m = model_of(c);
        CaseResults by_reactions;
        solve_beam(m, by_reactions);
        CaseResults by_shears = by_reactions;
        end_and_interior_reactions(m, by_reactions);
        end_and_interior_shears(m, by_shears);
        EXPECT_NEAR(by_shears.reactionV1, by_reactions.reactionV1, 0.002);
        if (by_reactions.reactionV2 != 99999.0) {
            EXPECT_NEAR(by_shears.reactionV2, by_reactions.reactionV2, 0.002);
        }
    }
}

} // namespace
} // namespace korvex::analysis
