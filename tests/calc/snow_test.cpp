#include <gtest/gtest.h>

#include "calc/snow.h"

namespace korvex::calc {
namespace {

// The depth is the formula's metres to the whole centimetre, halves up, read as
// the decimals they are: a half that the binary product lands a hair below
// still rounds up.
TEST(SnowDepthFormula, RoundsToTheWholeCentimetre) {
    struct Case {
        double alpha, beta, gamma;
        int altitude, seaRatio, cm;
    };
    for (const Case& c : {
             Case{0.0019, 0.25, 0.39, 23, 41, 54},  // 0.5362 m, a prefecture's worked office
             Case{0.0021, -1.19, 1.16, 5, 40, 69},  // 0.6945 m
             Case{0.0017, 0, 0.33, 25, 20, 37},     // 0.3725 m (the tens rule gave 40)
             Case{0, 0, 0.345, 0, 0, 35},           // a half, up
             Case{0.0015, 0, 0.3, 30, 0, 35},       // 0.045 + 0.3: a half through a product
             Case{0.0005, -0.06, 0.28, 0, 100, 22}, // a negative sea term
             Case{0, 0, 0.994, 0, 0, 99}, Case{0, 0, 0.995, 0, 0, 100},
             Case{0, -1, 0.2, 0, 50, -30}, // below zero: the depth field clamps it
         })
        EXPECT_EQ(formula_snow_depth_cm(c.alpha, c.beta, c.gamma, c.altitude, c.seaRatio), c.cm)
            << c.alpha << " " << c.beta << " " << c.gamma;
}

TEST(HeavySnowRule, ThresholdAtOneMetre) {
    EXPECT_EQ(heavy_snow_rule(99).snowUnitWeight, 20);
    EXPECT_FALSE(heavy_snow_rule(99).heavySnowArea);
    EXPECT_EQ(heavy_snow_rule(100).snowUnitWeight, 30);
    EXPECT_TRUE(heavy_snow_rule(100).heavySnowArea);
    EXPECT_FALSE(heavy_snow_rule(0).heavySnowArea);
}

TEST(SnowIncrease, OutsideTheConditionsNothingChanges) {
    struct Case {
        bool heavy;
        int depth;
        double dCm;
        double theta;
    };
    for (const auto& c : {Case{false, 14, 1000, 0}, Case{true, 30, 1000, 0},
                          Case{false, 30, 999.9, 0}, Case{false, 30, 1000, 16}}) {
        const SnowIncrease inc = check_snow_increase(c.heavy, c.depth, c.dCm, c.theta);
        EXPECT_EQ(inc.status, 0);
        EXPECT_EQ(inc.factor, 1.0);
        EXPECT_EQ(increased_snow_load(c.depth * 20, inc), c.depth * 20);
    }
}

TEST(SnowIncrease, WorkedExampleRaises600To666) {
    const SnowIncrease inc = check_snow_increase(false, 30, 1000, 0);
    EXPECT_EQ(inc.status, 1);
    EXPECT_EQ(inc.drValue, 0.05);
    EXPECT_EQ(inc.shapeFactor, 1.0);
    EXPECT_EQ(inc.factor, 1.11);
    EXPECT_EQ(increased_snow_load(600, inc), 666);
}

TEST(SnowIncrease, DrBetweenTheTableCorners) {
    struct Case {
        double dCm;
        double theta;
        double dr;
    };
    for (const auto& c :
         {Case{3000, 15, 0.02}, Case{5000, 8, 0.09}, Case{5000, 2, 0.14}, Case{6000, 15, 0.03},
          Case{1000, 15, 0.01}, Case{1000, 8, 0.03}, Case{3000, 0, 0.1}}) {
        EXPECT_EQ(check_snow_increase(false, 50, c.dCm, c.theta).drValue, c.dr)
            << c.dCm << " " << c.theta;
    }
}

TEST(SnowIncrease, FactorBelowOneIsReplacedByOne) {
    // D = 10 m, theta = 15: dr 0.01, mu_b 0.961, d = 99 cm gives 0.80
    const SnowIncrease inc = check_snow_increase(false, 99, 1000, 15);
    EXPECT_EQ(inc.status, 2);
    EXPECT_EQ(inc.shapeFactor, 0.961);
    EXPECT_EQ(inc.rawFactor, 0.8);
    EXPECT_EQ(inc.factor, 1.0);
    EXPECT_EQ(increased_snow_load(1980, inc), 1980);
}

TEST(SnowIncrease, InvertedArcWithoutShapeFactorStaysOutside) {
    for (double theta : {-61.0, -60.0, -80.0}) {
        const SnowIncrease inc = check_snow_increase(false, 30, 2000, theta);
        EXPECT_EQ(inc.status, 0) << theta;
        EXPECT_EQ(inc.factor, 1.0);
    }
    // Shallower inverted arcs are examined with the steeper table column.
    EXPECT_EQ(check_snow_increase(false, 30, 2000, -20).status, 1);
}

} // namespace
} // namespace korvex::calc
