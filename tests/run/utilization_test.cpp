#include <gtest/gtest.h>

#include <cmath>

#include "run/utilization.h"

namespace korvex::run {
namespace {

CheckPage page_of(std::initializer_list<CheckLine> lines) {
    CheckPage page;
    page.lines = lines;
    return page;
}

TEST(Utilization, TheLargestRatioGovernsAndTheFirstOfEqualOnes) {
    struct Case {
        const char* what;
        std::vector<CheckPage> pages;
        double maxRatio;
        std::size_t page;
        std::size_t line;
    };
    const Case cases[] = {
        {"a later page",
         {page_of({{CheckKind::stress, 50, 136, true}, {CheckKind::deflection, 2, 9.6, true}}),
          page_of({{CheckKind::stress, 150, 205, true}, {CheckKind::jointEnd, 900, 12000, true}})},
         150.0 / 205.0,
         1,
         0},
        // 68 / 136 and 4.8 / 9.6 are both one half: the stress line comes first.
        {"equal ratios",
         {page_of({{CheckKind::stress, 68, 136, true}, {CheckKind::deflection, 4.8, 9.6, true}}),
          page_of({{CheckKind::stress, 102.5, 205, true}})},
         0.5,
         0,
         0},
        {"a check on its limit fails at one",
         {page_of({{CheckKind::stress, 10, 136, true}}),
          page_of({{CheckKind::cantileverJoint, 12000, 12000, false}})},
         1.0,
         1,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CalculationRun run;
        run.checkPages = c.pages;
        const auto largest = utilization(run);
        ASSERT_TRUE(largest);
        EXPECT_EQ(largest->maxRatio, c.maxRatio);
        EXPECT_EQ(largest->page, c.page);
        EXPECT_EQ(largest->line, c.line);
    }
}

// A 1 mm span has no deflection and a deflection limit of nothing: the check
// calls them equal and fails, and so does the ratio.
TEST(Utilization, NothingCheckedHasNoRatioAndALimitOfNothingFails) {
    EXPECT_FALSE(utilization(CalculationRun{}));
    EXPECT_EQ(check_ratio({CheckKind::deflection, 0, 0, false}), 1.0);
    EXPECT_TRUE(std::isinf(check_ratio({CheckKind::deflection, 0.1, 0, false})));
}

} // namespace
} // namespace korvex::run
