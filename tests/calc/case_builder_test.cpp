#include <gtest/gtest.h>

#include "calc/coefficient_settings.h"
#include "calc/load_step.h"

namespace korvex::calc {
namespace {

LoadSet loads_for(bool heavy, int gp, int s, int w_plus, int w_minus) {
    DesignInputs in;
    in.heavySnowArea = heavy;
    in.comboRatio = CoefficientSettings{}.comboRatio;
    LoadSet loads;
    select_ratios(in, loads);
    loads.deadAndLiveLoad = gp;
    loads.snowLoad = s;
    loads.windPositive = w_plus;
    loads.windNegative = w_minus;
    return loads;
}

struct Expected {
    const char* text;
    double load;
};

void expect_cases(LoadSet loads, WindPass pass, const Expected (&expected)[3]) {
    loads.windPass = pass;
    build_cases(loads);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(loads.caseText[k], expected[k].text) << wind_pass_text(pass) << " case " << k;
        EXPECT_EQ(loads.caseLoad[k], expected[k].load) << wind_pass_text(pass) << " case " << k;
    }
}

TEST(CaseBuilder, OrdinaryAreaBothPasses) {
    const LoadSet loads = loads_for(false, 400, 600, 900, -1500);
    expect_cases(loads, WindPass::positive, {{"G+P", 400}, {"G+P+1S", 1000}, {"G+P+1W(正)", 1300}});
    expect_cases(loads, WindPass::negative,
                 {{"G+P", 400}, {"G+P+1S", 1000}, {"G+P+1W(負)", -1100}});
}

TEST(CaseBuilder, HeavySnowAreaWritesFractionalRatios) {
    const LoadSet loads = loads_for(true, 400, 600, 900, -1500);
    expect_cases(loads, WindPass::positive,
                 {{"G+P+0.7S", 820}, {"G+P+1S", 1000}, {"G+P+0.35S+1W(正)", 1510}});
}

TEST(CaseBuilder, ZeroSnowDropsTheTermAndOtherRatiosShowTheirNumber) {
    LoadSet loads = loads_for(true, 400, 0, 900, -1500);
    loads.ratioGP[1] = 0.9;
    expect_cases(loads, WindPass::positive,
                 {{"G+P", 400}, {"0.9(G+P)", 360}, {"G+P+1W(正)", 1300}});
}

} // namespace
} // namespace korvex::calc
