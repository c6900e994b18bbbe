#include <gtest/gtest.h>

#include "analysis/case_results.h"
#include "analysis/case_summary.h"
#include "tests/analysis/beam_fixture.h"

namespace korvex::analysis {
namespace {

using testing::uniform_beam;

TEST(CaseSummary, CheckPassTakesTheLargestDeflectionDiagramPassTheSmallestRatio) {
    const BeamModel m = uniform_beam({2000, 1000, 1500}, -1.0);
    CaseResults r;
    r.spanDeflection = {4.0, -3.0, 0.0, 0.0, -9.0, -9.0}; // cantilever slots never count
    r.maxMoment = 1234.9;

    find_max_deflection(m, r);
    EXPECT_EQ(r.maxDeflection, 4.0);
    EXPECT_EQ(r.deflectionRatio, 500.0);
    EXPECT_EQ(r.governingSpanLength, 2000.0);

    diagram_summary(m, r);
    EXPECT_EQ(r.maxDeflection, 3.0); // 1000 / 3 = 333 is below 2000 / 4 = 500
    EXPECT_EQ(r.deflectionRatio, 333.0);
    EXPECT_EQ(r.maxMoment, 1234.0);

    // No deflection at all: nothing governs and nothing divides by zero.
    r.spanDeflection = {};
    diagram_summary(m, r);
    EXPECT_EQ(r.maxDeflection, 0.0);
    EXPECT_EQ(r.deflectionRatio, 99999.0);
}

TEST(CaseSummary, MaxMomentIncludesEndMomentsButNotCantileverSlots) {
    const BeamModel m = uniform_beam({2000, 2000}, -1.0);
    CaseResults r;
    r.spanMoment = {-300000, -250000, 0, 0, 9e9, 9e9};
    r.endForces[0][5] = -500000.5;
    r.endForces[1][2] = 500000.5;
    find_max_moment(m, r);
    EXPECT_EQ(r.maxMoment, 500000.5);
}

TEST(CaseSummary, UpliftReactions) {
    const BeamModel m = uniform_beam({2000, 2000, 2000}, 1.0);
    CaseResults r;
    r.reactions[0][1] = -800;
    r.reactions[1][1] = -2200;
    r.reactions[2][1] = -2300;
    r.reactions[3][1] = -700;
    end_and_interior_reactions(m, r);
    EXPECT_EQ(r.reactionV1, -800);
    EXPECT_EQ(r.reactionV2, -2300);

    // A positive interior reaction is no uplift even when the ends lift.
    r.reactions[1][1] = r.reactions[2][1] = 50;
    end_and_interior_reactions(m, r);
    EXPECT_EQ(r.reactionV2, 99999.0);
}

TEST(CaseSummary, ShearRuleStartsAtTheFirstInteriorNodeWhateverItsSign) {
    const BeamModel m = uniform_beam({2000, 2000, 2000}, 1.0);
    CaseResults r;
    r.endForces[0][1] = -600;
    r.endForces[2][4] = -650;
    r.endForces[0][4] = 40; // node 1: 40 + 30 > 0, still the start value
    r.endForces[1][1] = 30;
    r.endForces[1][4] = 20; // node 2: 20 + 10 > 0, not uplift
    r.endForces[2][1] = 10;
    end_and_interior_shears(m, r);
    EXPECT_EQ(r.reactionV1, -650);
    EXPECT_EQ(r.reactionV2, 70);

    r.endForces[1][4] = -900; // node 2 now lifts: -890 replaces it
    end_and_interior_shears(m, r);
    EXPECT_EQ(r.reactionV2, -890);

    const BeamModel single = uniform_beam({2000}, 1.0);
    end_and_interior_shears(single, r);
    EXPECT_EQ(r.reactionV2, 99999.0);
}

TEST(CaseResults, ResetLeavesNothingOfTheEarlierCase) {
    BeamModel m = uniform_beam({2000, 2000}, -1.0, 500);
    m.support = {3, 3, 3, 3, 3};
    m.edgeLoad[0] = 2.0;
    CaseResults r;
    r.reactions[2][1] = 5.0;
    r.cantileverCheckDeflection[1] = -3.0;
    r.momentSamples[1] = {1.0, kSampleEnd};
    reset_case_results(m, r);
    EXPECT_EQ(m.n, 0);
    EXPECT_EQ(m.support[3], kSupportPin);
    EXPECT_EQ(m.edgeLoad[0], 0.0);
    EXPECT_EQ(r.reactions[2][1], 0.0);
    EXPECT_EQ(r.cantileverCheckDeflection[1], 0.0);
    EXPECT_TRUE(r.momentSamples[1].empty());
}

} // namespace
} // namespace korvex::analysis
