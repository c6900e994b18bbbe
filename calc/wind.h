#pragma once

// Design wind pressure on the roof cladding (Notifications 1454 and 1458 of 2000):
// mean velocity pressure, peak wind force coefficients per roof region, the
// design pressures W+ and W-, and the wind on a cantilever, which adds the
// positive pressure on the wall below it to the roof suction.

#include <array>

#include "calc/design_inputs.h"
#include "calc/load_set.h"

namespace korvex::calc {

// Marks a value the derivation has not computed.
inline constexpr double kNotComputed = -99999.0;
inline constexpr int kNotComputedPressure = -99999;

struct WindResult {
    double roofAngle = kNotComputed;        // theta, whole degrees
    double meanHeight = kNotComputed;       // H, m
    double heightDifference = kNotComputed; // dH, m
    double riseRatio = kNotComputed;        // f/d (arc roofs)
    double heightRatio = kNotComputed;      // h/d (arc roofs)
    double zb = kNotComputed;               // m
    int zg = kNotComputedPressure;          // m
    double alpha = kNotComputed;
    double exposureFactor = kNotComputed;      // Er
    double velocityPressure = kNotComputed;    // q, N/m2
    double gustFactor = kNotComputed;          // Gpe
    double externalCoefficient = kNotComputed; // Cpe
    double peakExternalPositive = kNotComputed;
    // Negative peak external coefficients per region; the four Cf of a canopy.
    std::array<double, 4> peakExternalNegative{kNotComputed, kNotComputed, kNotComputed,
                                               kNotComputed};
    double internalPositive = kNotComputed;
    double internalNegative = kNotComputed;
    std::array<double, 2> peakPositive{kNotComputed, kNotComputed};
    std::array<double, 4> peakNegative{kNotComputed, kNotComputed, kNotComputed, kNotComputed};
    std::array<int, 2> pressurePositive{kNotComputedPressure, kNotComputedPressure};
    std::array<int, 4> pressureNegative{kNotComputedPressure, kNotComputedPressure,
                                        kNotComputedPressure, kNotComputedPressure};
    int positiveCount = 0;
    int negativeCount = 0;
    // The wall below a cantilever
    double wallHeight = kNotComputed; // Z, m
    double wallHeightFactor = kNotComputed;
    double wallGustFactor = kNotComputed;
    double wallPeakExternal = kNotComputed;
    double wallInternal = kNotComputed;
    double wallPeak = kNotComputed;
    double wallVelocityPressure = kNotComputed; // N/m2
    double wallPressure = kNotComputed;         // N/m2
    double cantileverWind = kNotComputed;       // N/m2
};

// Roof pitch in whole degrees, rounded down. An arc roof keeps the sign of
// H2 - H1; the others use |H2 - H1|. Heights and D in cm; D = 0 gives 0.
double roof_angle(RoofKind roof_kind, int eave_height_cm, int building_height_cm,
                  int span_direction_length_cm);

// Roughness parameters of category index 0..3 (table of Notification 1454).
struct RoughnessParameters {
    double zb;
    int zg;
    double alpha;
};
RoughnessParameters roughness_parameters(int roughness_index);

// Gust factor Gpe by mean height H (m), linear between 5 m and 40 m.
double gust_factor(int roughness_index, double mean_height);

// Internal pressure coefficients subtracted in the positive and negative case.
struct InternalCoefficients {
    double positive;
    double negative;
};
InternalCoefficients internal_coefficients(BuildingForm building_form);

// Runs the whole derivation on a copy of the calculation data: rewrites `wind`
// and sets windPositive and windNegative of `loads`.
void derive_wind(CalculationData data, WindResult& wind, LoadSet& loads);

} // namespace korvex::calc
