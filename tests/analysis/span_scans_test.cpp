#include <gtest/gtest.h>

#include "analysis/solve_beam.h"
#include "analysis/span_scans.h"
#include "tests/analysis/beam_fixture.h"

namespace korvex::analysis {
namespace {

using testing::kEI;
using testing::uniform_beam;

TEST(SpanDeflection, SimpleSpanMatchesFivePL4Over384EI) {
    // 75 mm decks take 1.2 times the deflection.
    for (const double height : {50.0, 75.0}) {
        const BeamModel m = uniform_beam({1000}, -1.0, 0, 0, height);
        CaseResults r;
        solve_beam(m, r);
        const double k = height == 75.0 ? 1.2 : 1.0;
        const double exact = 5.0 * 1.0 * 1e12 / (384.0 * kEI) * k;
        const double delta = span_deflection_scan(0, m, r, false);
        EXPECT_NEAR(delta, exact, 1.0001e-4) << height;
        EXPECT_GE(delta, exact - 1e-12) << "truncated away from the beam";
        EXPECT_EQ(r.spanDeflection[0], delta);
    }
}

TEST(SpanDeflection, UpliftReportsTheUpwardDeflectionNegative) {
    const BeamModel m = uniform_beam({2000}, 0.5);
    CaseResults r;
    solve_beam(m, r);
    EXPECT_LT(span_deflection_scan(0, m, r, false), 0.0);
}

TEST(SpanScans, OrdinatesGrowWithTheSpanAndEndWithTheMarker) {
    struct Case {
        double L;
        std::size_t moments;     // 0, 100, ... <= L
        std::size_t deflections; // 95, 195, ... < L
    };
    for (const Case c : {Case{1000, 11, 10}, Case{2450, 25, 24}, Case{12000, 121, 120}}) {
        const BeamModel m = uniform_beam({c.L}, -1.0);
        CaseResults r;
        solve_beam(m, r);
        span_deflection_scan(0, m, r, true);
        span_moment_scan(0, m, r, true);
        ASSERT_EQ(r.momentSamples[0].size(), c.moments + 1) << c.L;
        ASSERT_EQ(r.deflectionSamples[0].size(), c.deflections + 1) << c.L;
        EXPECT_EQ(r.momentSamples[0].back(), kSampleEnd);
        EXPECT_EQ(r.deflectionSamples[0].back(), kSampleEnd);
        // Moments at x = 100 and deflections at x = 95, unfloored moment values.
        EXPECT_DOUBLE_EQ(r.momentSamples[0][1], -1.0 * (c.L * 100 - 100 * 100) / 2);
        const double x = 95.0;
        const double v =
            -(x * x * x * x / 24 - c.L * x * x * x / 12 + c.L * c.L * c.L * x / 24) / kEI;
        EXPECT_NEAR(r.deflectionSamples[0][0], -v, 1.0001e-4);
    }
    // The check pass records nothing.
    const BeamModel m = uniform_beam({1000}, -1.0);
    CaseResults r;
    solve_beam(m, r);
    span_moment_scan(0, m, r, false);
    EXPECT_TRUE(r.momentSamples[0].empty());
}

// The moment scan stops at the last multiple of 5 mm inside the span, so a hogging
// end moment at 2502 mm is never seen at the support.
TEST(SpanMoment, GoverningExtremeMustLieInsideTheSpan) {
    struct Case {
        double L;
        double M2; // end moment on the span at its right support
        double p;
        double moment; // stored governing moment
        double x;
    };
    const Case cases[] = {
        // Sagging inside, maximum at the left support: the minimum governs.
        {2000, 0, -1.0, -500000, 1000},
        // Hogging inside under uplift, minimum at the left support: the maximum.
        {2000, 0, 1.0, 500000, 1000},
        // 2500 is scanned: the hogging end lies on the support, the sag governs.
        {2500, -100000, -1.0, -732050, 1210},
        // 2502 stops at 2500: both extremes lie inside, nothing is stored.
        {2502, -100000, -1.0, 0, 0},
    };
    for (const Case& c : cases) {
        const BeamModel m = uniform_beam({c.L}, c.p);
        CaseResults r;
        r.endForces[0][5] = c.M2;
        const MomentExtremes e = span_moment_scan(0, m, r, false);
        governing_span_moment(0, m, e, r);
        EXPECT_EQ(r.spanMoment[0], c.moment) << c.L;
        EXPECT_EQ(r.spanMomentX[0], c.x) << c.L;
        EXPECT_LE(e.maximumX, c.L);
    }
}

} // namespace
} // namespace korvex::analysis
