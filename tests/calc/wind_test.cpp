#include <gtest/gtest.h>

#include "calc/interpolate.h"
#include "calc/wind.h"

namespace korvex::calc {
namespace {

CalculationData site(int roughness_index, int v0, int h1_cm, int h2_cm, int d_cm,
                     RoofKind roof_kind = RoofKind::pitched,
                     BuildingForm building_form = BuildingForm::closed) {
    CalculationData d;
    d.roughnessIndex = roughness_index;
    d.baseWindSpeed = v0;
    d.eaveHeight = h1_cm;
    d.buildingHeight = h2_cm;
    d.spanDirectionLength = d_cm;
    d.roofKind = roof_kind;
    d.buildingForm = building_form;
    return d;
}

struct Derived {
    WindResult wind;
    LoadSet loads;
};

Derived derive(const CalculationData& data) {
    Derived r;
    derive_wind(data, r.wind, r.loads);
    return r;
}

TEST(Interpolate, ClampsAndInterpolates) {
    const double xs[] = {10, 30, 45, 90};
    const double ys[] = {0, 0.2, 0.4, 0.8};
    EXPECT_EQ(interpolate(4, xs, ys, -5), 0);
    EXPECT_EQ(interpolate(4, xs, ys, 100), 0.8);
    EXPECT_EQ(interpolate(4, xs, ys, 30), 0.2);
    EXPECT_NEAR(interpolate(4, xs, ys, 20), 0.1, 1e-15);
    EXPECT_NEAR(interpolate(4, xs, ys, 67.5), 0.6, 1e-15);
}

TEST(RoofAngle, WholeDegreesRoundedDown) {
    EXPECT_EQ(roof_angle(RoofKind::pitched, 1000, 1500, 2000), 14); // atan(0.25) = 14.04 degrees
    EXPECT_EQ(roof_angle(RoofKind::pitched, 1500, 1000, 2000), 14); // pitched roofs use |H2 - H1|
    EXPECT_EQ(roof_angle(RoofKind::arc, 1500, 1000, 2000), -15);    // an arc keeps the sign
    EXPECT_EQ(roof_angle(RoofKind::pitched, 1000, 1000, 2000), 0);
    EXPECT_EQ(roof_angle(RoofKind::pitched, 1000, 1500, 0), 0);
    EXPECT_EQ(roof_angle(RoofKind::arc, 1000, 1500, 0), 0);
}

TEST(WindDerivation, WorkedExampleCategoryThreeClosedMonoPitch) {
    const auto r = derive(site(2, 34, 1000, 1000, 2000));
    const WindResult& w = r.wind;
    EXPECT_DOUBLE_EQ(w.meanHeight, 10.0);
    EXPECT_EQ(w.roofAngle, 0);
    EXPECT_DOUBLE_EQ(w.exposureFactor, 0.79397);
    EXPECT_DOUBLE_EQ(w.velocityPressure, 437.2);
    EXPECT_DOUBLE_EQ(w.gustFactor, 2.985);
    EXPECT_EQ(w.externalCoefficient, 0);
    EXPECT_EQ(w.peakPositive[0], 0.5);
    EXPECT_EQ(w.positiveCount, 1);
    EXPECT_EQ(w.negativeCount, 4);
    EXPECT_EQ(w.pressurePositive[0], 218);
    EXPECT_EQ(w.pressureNegative, (std::array<int, 4>{-1093, -1400, -1880, -1400}));
    EXPECT_EQ(r.loads.windPositive, 218);
    EXPECT_EQ(r.loads.windNegative, -1880);
    // The wall below a cantilever: 1.0 x 2.985 + 0.5 = 3.485; 437.2 x 3.485 = 1523.6
    EXPECT_EQ(w.wallHeightFactor, 1.0);
    EXPECT_DOUBLE_EQ(w.wallPeakExternal, 2.985);
    EXPECT_DOUBLE_EQ(w.wallPeak, 3.485);
    EXPECT_EQ(w.wallPressure, 1523);
    EXPECT_EQ(w.cantileverWind, -1880 - 1523);
    // Arc-only values stay marked as not computed.
    EXPECT_EQ(w.riseRatio, kNotComputed);
    EXPECT_EQ(w.heightRatio, kNotComputed);
}

TEST(WindDerivation, HeightsBetweenTableColumns) {
    const auto r = derive(site(2, 34, 1250, 1250, 2000));
    EXPECT_DOUBLE_EQ(r.wind.exposureFactor, 0.83021);
    EXPECT_DOUBLE_EQ(r.wind.velocityPressure, 478.0);
    EXPECT_DOUBLE_EQ(r.wind.gustFactor, 2.928);
}

TEST(WindDerivation, LowAndHighBuildingsClampToTheTables) {
    // Below Zb the exposure factor uses Zb: 4 m and 5 m give the same Er.
    EXPECT_EQ(derive(site(0, 30, 400, 400, 1000)).wind.exposureFactor,
              derive(site(0, 30, 500, 500, 1000)).wind.exposureFactor);
    struct GustCase {
        int category;
        int heightCm;
        double gust;
    };
    for (const auto& c : {GustCase{0, 300, 2.2}, GustCase{0, 5000, 1.9}, GustCase{1, 500, 2.6},
                          GustCase{1, 4000, 2.1}, GustCase{3, 100, 3.1}, GustCase{3, 9000, 2.3}}) {
        EXPECT_DOUBLE_EQ(derive(site(c.category, 30, c.heightCm, c.heightCm, 1000)).wind.gustFactor,
                         c.gust)
            << c.category << " " << c.heightCm;
    }
}

TEST(WindDerivation, OpenWindwardSubtractsOneAndAHalfEverywhere) {
    const auto r =
        derive(site(2, 34, 1000, 1000, 2000, RoofKind::pitched, BuildingForm::windwardOpen));
    EXPECT_EQ(r.wind.peakPositive[0], -1.5);
    EXPECT_EQ(r.wind.pressurePositive[0], -656); // floor(437.2 x -1.5 = -655.8)
    EXPECT_EQ(r.loads.windPositive, -656);       // a negative W+ is kept as it is
    EXPECT_EQ(r.wind.peakNegative[2], -4.3 - 1.5);
    EXPECT_EQ(r.loads.windNegative, -2536); // floor(437.2 x -5.8 = -2535.76)
}

TEST(WindDerivation, SteepPitchedRoofTakesTheInterpolatedColumns) {
    // H1 = 10 m, H2 = 15 m, D = 20 m: theta = 14, Cpe = trunc(0.04, 3)
    const auto r = derive(site(2, 34, 1000, 1500, 2000));
    EXPECT_EQ(r.wind.roofAngle, 14);
    EXPECT_EQ(r.wind.externalCoefficient, 0.04);
    EXPECT_EQ(r.wind.peakExternalNegative[2], -3.86); // -4.3 + 1.1 x 0.4
    EXPECT_EQ(r.wind.peakExternalNegative[3], -4.08); // -3.2 - 2.2 x 0.4
}

TEST(WindDerivation, ArcRoofClampsHeightRatio) {
    // h/d = 1500 / 2000 beyond 0.5: the h/d = 0.5 row; f/d = 0.25
    const auto r = derive(site(2, 34, 1500, 2000, 2000, RoofKind::arc));
    EXPECT_EQ(r.wind.heightRatio, 0.5);
    EXPECT_EQ(r.wind.riseRatio, 0.25);
    EXPECT_EQ(r.wind.externalCoefficient, 0.1); // halfway between 0 and 0.2
    EXPECT_EQ(r.wind.negativeCount, 2);
    EXPECT_EQ(r.wind.pressureNegative[2], kNotComputedPressure);
    EXPECT_EQ(r.wind.peakExternalNegative[1], -3.2);
}

TEST(WindDerivation, CanopyKeepsWindwardOnEqualMagnitudes) {
    CalculationData d = site(2, 34, 1000, 1000, 2000, RoofKind::canopy);
    d.canopyShape = calc::CanopyShape::wing;
    auto r = derive(d);
    EXPECT_EQ(r.wind.positiveCount, 2);
    EXPECT_EQ(r.wind.internalPositive, kNotComputed); // no internal pressure on a canopy
    // theta = 0, wing: windward +0.6, leeward +0.2; suction -1.0 and -0.8
    EXPECT_EQ(r.wind.peakPositive[0], 1.79); // trunc(0.6 x 2.985, 2)
    // -0.8 x 3.0 is -2.4000000000000004 in binary; the figure is -2.40.
    EXPECT_EQ(r.wind.peakNegative, (std::array<double, 4>{-3.0, -4.0, -2.40, -3.2}));
    EXPECT_EQ(r.loads.windNegative, -1749); // floor(437.2 x -4.0)

    // Equal magnitudes: V0 = 0 makes every pressure 0 and W+ stays the first.
    d.baseWindSpeed = 0;
    r = derive(d);
    EXPECT_EQ(r.loads.windPositive, 0);
    EXPECT_EQ(r.loads.windNegative, 0);
}

TEST(WindDerivation, RerunReplacesEveryValue) {
    WindResult wind;
    LoadSet loads;
    derive_wind(site(2, 34, 1500, 2000, 2000, RoofKind::arc), wind, loads);
    derive_wind(site(2, 34, 1000, 1000, 2000), wind, loads);
    EXPECT_EQ(wind.riseRatio, kNotComputed);
    EXPECT_EQ(loads.windNegative, -1880);
}

} // namespace
} // namespace korvex::calc
