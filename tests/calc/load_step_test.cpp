#include <gtest/gtest.h>

#include "calc/load_step.h"
#include "tests/support/designs.h"

namespace korvex::calc {
namespace {

struct Records {
    DesignInputs inputs;
    CalculationData data;
    SnowIncrease increase;
    WindResult wind;
    LoadSet loads;

    void run() { run_load_step({inputs, data, increase, wind, loads}); }
};

// A flat roof 10 m high and deep, two unequal spans and a typed unit weight.
Records sample() {
    Records r;
    r.inputs = testing::design_inputs(
        {.eaveHeightMm = 10000, .buildingHeightMm = 10000, .spanDirectionLengthMm = 10000});
    r.inputs.deckUnitWeight = 127.6;
    r.inputs.spanLength = {2500, 3000, 0, 0};
    return r;
}

TEST(LoadStep, DerivedLoadsRaiseSnowAndDeriveWind) {
    Records r = sample();
    r.run();
    EXPECT_EQ(r.loads.deadAndLiveLoad, 227); // 0 + 127.6 + 100 truncated
    EXPECT_EQ(r.increase.status, 1);
    EXPECT_EQ(r.inputs.snowLoad, 666);
    EXPECT_EQ(r.loads.snowLoad, 666);
    for (const auto& ends : r.data.spanLinearLoad) EXPECT_EQ(ends, (std::array<int, 2>{666, 666}));
    EXPECT_EQ(r.loads.windPositive, 218);
    EXPECT_EQ(r.loads.windNegative, -1880);
    EXPECT_EQ(r.loads.wallPressure, 1523);
    EXPECT_EQ(r.loads.ratioS, (std::array<double, 3>{0, 1, 0}));
    EXPECT_EQ(r.loads.ratioW, (std::array<double, 3>{0, 0, 1}));
    EXPECT_FALSE(r.loads.heavySnowRatios);
}

TEST(LoadStep, HeightsAreTruncatedToWholeCentimetres) {
    Records r = sample();
    r.inputs.eaveHeightCm = 10005 * 0.1;
    r.run();
    EXPECT_DOUBLE_EQ(r.inputs.eaveHeightCm, 1000.5);
    EXPECT_EQ(r.data.eaveHeight, 1000);
    EXPECT_EQ(r.data.roughnessIndex, 2);
}

TEST(LoadStep, CantileverFlagsFollowTheMode) {
    struct Case {
        int mode;
        int left;
        int right;
    };
    for (const auto& c : {Case{0, 0, 0}, Case{1, 500, 0}, Case{2, 0, 700}, Case{3, 500, 700}}) {
        Records r = sample();
        r.inputs.cantileverMode = *from_code<CantileverMode>(c.mode);
        r.inputs.leftCantileverLength = 500;
        r.inputs.rightCantileverLength = 700;
        r.run();
        EXPECT_EQ(r.data.leftCantileverLength, c.left) << c.mode;
        EXPECT_EQ(r.data.rightCantileverLength, c.right) << c.mode;
        EXPECT_EQ(r.data.hasLeftCantilever, c.left != 0);
        EXPECT_EQ(r.data.hasRightCantilever, c.right != 0);
    }
}

TEST(LoadStep, DirectInputLeavesTheDerivationAlone) {
    Records r = sample();
    r.run(); // an earlier derived calculation
    const WindResult earlier = r.wind;
    r.inputs.directLoadInput = true;
    r.inputs.directWindPositive = 800;
    r.inputs.directWindNegative = 1200;
    r.inputs.snowLoad = 600;
    r.run();
    EXPECT_EQ(r.loads.windPositive, 800);
    EXPECT_EQ(r.loads.windNegative, -1200);
    EXPECT_EQ(r.wind.wallPressure, earlier.wallPressure);
    EXPECT_EQ(r.loads.wallPressure, 0); // the cantilever then carries W- alone
    EXPECT_EQ(r.increase.status, 0);
    EXPECT_EQ(r.loads.snowLoad, 600); // no increase with direct input
}

TEST(LoadStep, HeavySnowSelectsTheSecondRatioRow) {
    Records r = sample();
    r.inputs.heavySnowArea = true;
    r.run();
    EXPECT_TRUE(r.loads.heavySnowRatios);
    EXPECT_EQ(r.loads.ratioS, (std::array<double, 3>{0.7, 1, 0.35}));
    EXPECT_EQ(r.increase.status, 0);
}

} // namespace
} // namespace korvex::calc
