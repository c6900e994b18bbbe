#include <gtest/gtest.h>

#include "analysis/stiffness.h"

namespace korvex::analysis {
namespace {

SpanVector times(const ElementMatrix& k, const SpanVector& d) {
    SpanVector f{};
    for (int r = 0; r < 6; ++r)
        for (int s = 0; s < 6; ++s) f[r] += k[r][s] * d[s];
    return f;
}

TEST(ElementStiffness, RigidBodyMotionsCostNoForceForEveryEndKind) {
    const double E = 205000, A = 978.4, I = 663000, L = 2500;
    for (int kind = kEndsRigid; kind <= kHingesAtBothEnds; ++kind) {
        const ElementMatrix k = element_stiffness(kind, E, A, I, L);
        for (int r = 0; r < 6; ++r)
            for (int s = 0; s < 6; ++s) EXPECT_EQ(k[r][s], k[s][r]) << kind;
        // Lift and slide the whole span, then turn it about its start.
        for (const SpanVector& motion : {SpanVector{0, 1, 0, 0, 1, 0}, SpanVector{1, 0, 0, 1, 0, 0},
                                         SpanVector{0, 0, 1, 0, L, 1}}) {
            for (double f : times(k, motion)) EXPECT_NEAR(f, 0.0, 1e-6) << kind;
        }
    }
}

TEST(ElementStiffness, ReleasedRotationsAndDegenerateSpansCarryNothing) {
    const ElementMatrix start = element_stiffness(kHingeAtStart, 205000, 1000, 1e5, 2000);
    const ElementMatrix end = element_stiffness(kHingeAtEnd, 205000, 1000, 1e5, 2000);
    for (int j = 0; j < 6; ++j) {
        EXPECT_EQ(start[2][j], 0.0);
        EXPECT_EQ(end[5][j], 0.0);
    }
    EXPECT_DOUBLE_EQ(start[5][5], 3 * 205000 * 1e5 / 2000);
    EXPECT_DOUBLE_EQ(element_stiffness(kEndsRigid, 205000, 1000, 1e5, 2000)[2][5],
                     2 * 205000 * 1e5 / 2000);
    const ElementMatrix zero = element_stiffness(kEndsRigid, 205000, 1000, 1e5, 0);
    const ElementMatrix both = element_stiffness(kHingesAtBothEnds, 205000, 1000, 1e5, 2000);
    for (int r = 0; r < 6; ++r)
        for (int s = 0; s < 6; ++s) {
            EXPECT_EQ(zero[r][s], 0.0);
            EXPECT_EQ(both[r][s], 0.0);
        }
}

TEST(EquivalentLoads, CondensedForEachEndRelease) {
    const double p = -2.0, L = 3000.0, pL = p * L, p_l2 = p * L * L;
    struct Case {
        int kind;
        SpanVector expected;
    };
    const Case cases[] = {
        {kEndsRigid, {0, pL / 2, p_l2 / 12, 0, pL / 2, -p_l2 / 12}},
        {kHingeAtStart, {0, 3 * pL / 8, 0, 0, 5 * pL / 8, -p_l2 / 8}},
        {kHingeAtEnd, {0, 5 * pL / 8, p_l2 / 8, 0, 3 * pL / 8, 0}},
        {kHingesAtBothEnds, {0, pL / 2, 0, 0, pL / 2, 0}},
    };
    for (const Case& c : cases) {
        const SpanVector q = equivalent_loads(c.kind, p, L);
        for (int j = 0; j < 6; ++j) EXPECT_NEAR(q[j], c.expected[j], 1e-6) << c.kind << j;
    }
    for (double v : equivalent_loads(kEndsRigid, p, 0.0)) EXPECT_EQ(v, 0.0);
}

TEST(DofNumbering, FreeDegreesFirstThenRestrainedInNodeOrder) {
    const DofNumbering pinned = number_dofs({2, 2, 2, 2, 2}, 2);
    EXPECT_EQ(pinned.freeCount, 3);
    EXPECT_EQ(pinned.number[2], 0);
    EXPECT_EQ(pinned.number[5], 1);
    EXPECT_EQ(pinned.number[8], 2);
    EXPECT_EQ(pinned.number[0], 3);
    EXPECT_EQ(pinned.number[7], 8);

    // Free, roller, fixed; an unknown kind counts as free.
    const DofNumbering mixed = number_dofs({0, 1, 3, 7, 2}, 3);
    const int expected[12] = {0, 1, 2, 3, 8, 4, 9, 10, 11, 5, 6, 7};
    EXPECT_EQ(mixed.freeCount, 8);
    for (int dof = 0; dof < 12; ++dof) EXPECT_EQ(mixed.number[dof], expected[dof]) << dof;
}

TEST(EndKinds, OuterEndsOfTheEndSpansAreHingedUnlessTheDeckRunsOnIntoAnOverhang) {
    struct Case {
        int span, count;
        bool left, right;
        int kind;
    };
    const Case cases[] = {
        {0, 1, false, false, kHingesAtBothEnds}, {0, 1, true, false, kHingeAtEnd},
        {0, 1, false, true, kHingeAtStart},      {0, 1, true, true, kEndsRigid},
        {0, 3, false, false, kHingeAtStart},     {1, 3, false, false, kEndsRigid},
        {2, 3, false, false, kHingeAtEnd},       {0, 3, true, false, kEndsRigid},
        {2, 3, true, false, kHingeAtEnd},        {2, 3, false, true, kEndsRigid},
        {1, 3, true, true, kEndsRigid},
    };
    for (const Case& c : cases)
        EXPECT_EQ(element_end_kind(c.span, c.count, c.left, c.right), c.kind)
            << c.span << " of " << c.count << " " << c.left << c.right;
}

} // namespace
} // namespace korvex::analysis
