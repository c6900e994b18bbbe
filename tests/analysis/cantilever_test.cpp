#include <gtest/gtest.h>

#include <vector>

#include "analysis/cantilever.h"
#include "tests/analysis/beam_fixture.h"

namespace korvex::analysis {
namespace {

using testing::kEI;
using testing::uniform_beam;

TEST(CantileverMoments, OrdinatesEvery100mmWithoutTheRootOfA450mmCantilever) {
    const BeamModel m = uniform_beam({2000}, -2.0, 450.0);
    CaseResults r;
    cantilever_moments(m, {}, r);
    // -p x² / 2 from the tip.
    const std::vector<double> expected = {0.0, 10000.0, 40000.0, 90000.0, 160000.0, kSampleEnd};
    EXPECT_EQ(r.cantileverMomentSamples[0], expected);
    // No right cantilever: a single zero ordinate at the root, then the marker.
    EXPECT_EQ(r.cantileverMomentSamples[1], (std::vector<double>{0.0, kSampleEnd}));
    EXPECT_EQ(r.spanMoment[kLeftCantileverSlot], -200000.0); // -202500 to 100000
    EXPECT_EQ(r.cantileverCheckMoment[0], -200000.0);
    EXPECT_EQ(r.cantileverCheckMoment[1], 0.0);
}

TEST(CantileverMoments, RootMomentsRoundToTheNearest100000) {
    struct Case {
        double load; // p·a²/2 of the left cantilever
        double rounded;
    };
    for (const Case c : {Case{1234567, 1200000}, Case{-1234567, -1200000}, Case{1250000, 1300000},
                         Case{-1260000, -1300000}}) {
        // a = 1000 mm: p = 2 M / a².
        const BeamModel m = uniform_beam({2000}, 2.0 * c.load / 1e6, 1000.0);
        CaseResults r;
        cantilever_moments(m, {}, r);
        EXPECT_EQ(r.spanMoment[kLeftCantileverSlot], c.rounded) << c.load;
    }
}

TEST(CantileverMoments, WallPressureCaseUsesTheEdgeLoad) {
    BeamModel m = uniform_beam({2000, 2000}, 0.5, 600.0, 400.0);
    // Under suction the overhangs carry the edge load and their snow share.
    m.overhangLoad = {1.2, 1.1 - 0.3};
    CaseResults r;
    cantilever_moments(m, {true, true}, r);
    EXPECT_DOUBLE_EQ(r.cantileverCheckMoment[0], 1.2 * 600 * 600 / 2);
    // -(1.1 - 0.3) · 400² / 2 = -64000, to the nearest 1000.
    EXPECT_EQ(r.cantileverCheckMoment[1], -64000.0);
    // Direct input in the suction pass keeps the rounded root moments.
    cantilever_moments(m, {true, false}, r);
    EXPECT_EQ(r.cantileverCheckMoment[0], r.spanMoment[kLeftCantileverSlot]);
    EXPECT_EQ(r.cantileverCheckMoment[1], r.spanMoment[kRightCantileverSlot]);
}

TEST(CantileverDeflections, TipIsPA4Over8EIDownwardNegative) {
    const double p = -1.5, a = 600.0;
    for (const double height : {50.0, 75.0}) {
        const double k = height == 75.0 ? 1.2 : 1.0;
        const BeamModel m = uniform_beam({2400}, p, a, 0.0, height);
        CaseResults r;
        cantilever_deflections(m, {}, r);
        const double exact = p * a * a * a * a / (8.0 * kEI) * k;
        EXPECT_NEAR(r.spanDeflection[kLeftCantileverSlot], exact, 1.0001e-3);
        EXPECT_LE(r.spanDeflection[kLeftCantileverSlot], exact);
        const auto& samples = r.cantileverDeflectionSamples[0];
        ASSERT_EQ(samples.size(), 8u);                  // 0 .. 600, then the marker
        EXPECT_NEAR(samples.front(), exact, 1.0001e-3); // the tip
        EXPECT_EQ(samples[6], 0.0);                     // the root
    }
}

TEST(CantileverDeflections, RightCantileverOfASingleSpanUsesThatSpan) {
    BeamModel m = uniform_beam({2000}, -1.0, 0.0, 500.0);
    m.I[0] = 2 * kEI / m.E; // twice as stiff as the fixture
    CaseResults r;
    cantilever_deflections(m, {}, r);
    const double exact = -1.0 * 500.0 * 500 * 500 * 500 / (8.0 * 2 * kEI);
    EXPECT_NEAR(r.spanDeflection[kRightCantileverSlot], exact, 1.0001e-3);
    // Ordinates run from the root to the tip.
    const auto& right = r.cantileverDeflectionSamples[1];
    EXPECT_EQ(right.front(), 0.0);
    EXPECT_NEAR(right[right.size() - 2], exact, 1.0001e-3);
    // The suction pass checks the tip under the edge load; no left cantilever, no value.
    m.overhangLoad[1] = 0.8;
    cantilever_deflections(m, {true, true}, r);
    EXPECT_NEAR(r.cantileverCheckDeflection[1], 0.8 * 500.0 * 500 * 500 * 500 / (16.0 * kEI),
                1.0001e-3);
    EXPECT_EQ(r.cantileverCheckDeflection[0], 0.0);
}

} // namespace
} // namespace korvex::analysis
