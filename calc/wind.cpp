#include "calc/wind.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "calc/interpolate.h"
#include "common/rounding.h"

namespace korvex::calc {

using common::kPi;
using common::round_to;
using common::trunc_to;

namespace {

constexpr RoughnessParameters kRoughness[4] = {
    {5, 250, 0.10}, {5, 350, 0.15}, {5, 450, 0.20}, {10, 550, 0.27}};

// Gpe at H <= 5 m and H >= 40 m per roughness category.
constexpr double kGustHeights[2] = {5, 40};
constexpr double kGust[4][2] = {{2.2, 1.9}, {2.6, 2.1}, {3.1, 2.3}, {3.1, 2.3}};

// Positive external coefficient Cpe of pitched roofs by theta.
constexpr double kPitchedAngles[4] = {10, 30, 45, 90};
constexpr double kPitchedCpe[4] = {0, 0.2, 0.4, 0.8};

// Negative peak external coefficients of pitched roofs by theta, per region
// general part, edge part, eave corner, ridge part.
constexpr double kPitchedNegativeAngles[3] = {10, 20, 30};
constexpr double kPitchedNegative[4][3] = {
    {-2.5, -2.5, -2.5}, {-3.2, -3.2, -3.2}, {-4.3, -3.2, -3.2}, {-3.2, -5.4, -3.2}};

// Positive Cpe of arc roofs by f/d, for h/d = 0 and h/d = 0.5.
constexpr double kArcRiseRatios[4] = {0.05, 0.2, 0.3, 0.5};
constexpr double kArcCpeLow[4] = {0.1, 0.2, 0.3, 0.6};
constexpr double kArcCpeHigh[4] = {0, 0, 0.2, 0.6};
constexpr double kArcNegative[2] = {-2.5, -3.2};

// Wind force coefficients of free-standing canopies by theta: windward positive,
// windward negative, leeward positive, leeward negative; gable and wing shape.
constexpr double kCanopyAngles[2] = {10, 30};
constexpr double kCanopyCf[2][4][2] = {
    {{0.6, 0.9}, {-1.0, -0.5}, {0.2, 0.0}, {-0.8, -1.5}},
    {{0.6, 0.4}, {-1.0, -1.2}, {0.2, 0.8}, {-0.8, -0.3}},
};
// Gust factors of canopy suction: general part and edge part.
constexpr double kCanopyGeneralGust = 3.0;
constexpr double kCanopyEdgeGust = 4.0;

constexpr InternalCoefficients kInternal[3] = {{-0.5, 0.0}, {1.5, 1.5}, {-1.2, -1.2}};

int clamp_index(int index, int count) {
    return std::clamp(index, 0, count - 1);
}

} // namespace

double roof_angle(RoofKind roof_kind, int eave_height_cm, int building_height_cm,
                  int span_direction_length_cm) {
    const double dh = round_to(std::abs(building_height_cm - eave_height_cm) * 0.01, 2);
    if (roof_kind == RoofKind::arc) {
        const double t = span_direction_length_cm != 0
                             ? std::atan(static_cast<double>(building_height_cm - eave_height_cm) /
                                         span_direction_length_cm)
                             : std::atan(0.0);
        return t != 0.0 ? trunc_to(t / kPi * 180.0, 0) : 0.0;
    }
    if (span_direction_length_cm == 0) return 0.0;
    return trunc_to(std::atan(dh * 100.0 / span_direction_length_cm) / kPi * 180.0, 0);
}

RoughnessParameters roughness_parameters(int roughness_index) {
    return kRoughness[clamp_index(roughness_index, 4)];
}

double gust_factor(int roughness_index, double mean_height) {
    return interpolate(2, kGustHeights, kGust[clamp_index(roughness_index, 4)], mean_height);
}

InternalCoefficients internal_coefficients(BuildingForm building_form) {
    return kInternal[clamp_index(code(building_form), 3)];
}

void derive_wind(CalculationData data, WindResult& w, LoadSet& loads) {
    w = WindResult{};
    int design_positive = 0;
    int design_negative = 0;

    const int h1 = data.eaveHeight;
    const int h2 = data.buildingHeight;
    const int d = data.spanDirectionLength;
    w.meanHeight = round_to((h1 + h2) * 0.5 * 0.01, 2);
    w.heightDifference = round_to(std::abs(h2 - h1) * 0.01, 2);
    w.roofAngle = roof_angle(data.roofKind, h1, h2, d);
    const double theta = w.roofAngle;
    const double h = w.meanHeight;

    const RoughnessParameters r = roughness_parameters(data.roughnessIndex);
    w.zb = r.zb;
    w.zg = r.zg;
    w.alpha = r.alpha;
    const double z = h >= r.zb ? h : r.zb;
    w.exposureFactor = trunc_to(1.7 * std::pow(z / r.zg, r.alpha), 5);
    const double v0 = data.baseWindSpeed;
    w.velocityPressure = trunc_to(0.6 * w.exposureFactor * w.exposureFactor * v0 * v0, 1);
    const double q = w.velocityPressure;
    w.gustFactor = trunc_to(gust_factor(data.roughnessIndex, h), 3);
    const double gpe = w.gustFactor;

    const bool canopy = data.roofKind == RoofKind::canopy;
    if (data.roofKind == RoofKind::arc) {
        w.positiveCount = 1;
        w.negativeCount = 2;
        w.riseRatio = d != 0 ? w.heightDifference * 100.0 / d : 0.0;
        double hd = d != 0 ? static_cast<double>(h1) / d : 0.0;
        double row[4];
        if (hd <= 0) {
            hd = 0;
            std::copy(std::begin(kArcCpeLow), std::end(kArcCpeLow), row);
        } else if (hd >= 0.5) {
            hd = 0.5;
            std::copy(std::begin(kArcCpeHigh), std::end(kArcCpeHigh), row);
        } else {
            for (int i = 0; i < 4; ++i)
                row[i] = kArcCpeLow[i] + (kArcCpeHigh[i] - kArcCpeLow[i]) * hd / 0.5;
        }
        w.heightRatio = hd;
        w.externalCoefficient = trunc_to(interpolate(4, kArcRiseRatios, row, w.riseRatio), 3);
        w.peakExternalPositive = w.externalCoefficient * gpe;
        w.peakExternalNegative[0] = kArcNegative[0];
        w.peakExternalNegative[1] = kArcNegative[1];
    } else if (canopy) {
        w.positiveCount = 2;
        w.negativeCount = 4;
        const int shape = code(data.canopyShape);
        for (int i = 0; i < 4; ++i)
            w.peakExternalNegative[i] =
                trunc_to(interpolate(2, kCanopyAngles, kCanopyCf[shape][i], theta), 3);
    } else {
        w.positiveCount = 1;
        w.negativeCount = 4;
        w.externalCoefficient = trunc_to(interpolate(4, kPitchedAngles, kPitchedCpe, theta), 3);
        w.peakExternalPositive = w.externalCoefficient * gpe;
        for (int i = 0; i < 4; ++i)
            w.peakExternalNegative[i] =
                trunc_to(interpolate(3, kPitchedNegativeAngles, kPitchedNegative[i], theta), 3);
    }

    const InternalCoefficients internal = internal_coefficients(data.buildingForm);
    if (canopy) {
        const auto& cf = w.peakExternalNegative;
        w.peakPositive = {trunc_to(cf[0] * gpe, 2), trunc_to(cf[2] * gpe, 2)};
        w.peakNegative = {
            trunc_to(cf[1] * kCanopyGeneralGust, 2), trunc_to(cf[1] * kCanopyEdgeGust, 2),
            trunc_to(cf[3] * kCanopyGeneralGust, 2), trunc_to(cf[3] * kCanopyEdgeGust, 2)};
    } else {
        w.internalPositive = internal.positive;
        w.internalNegative = internal.negative;
        w.peakPositive[0] = w.peakExternalPositive - w.internalPositive;
        for (int i = 0; i < 4; ++i)
            w.peakNegative[i] = w.peakExternalNegative[i] - w.internalNegative;
    }

    // The design pressures are the largest in magnitude; the first of equal
    // magnitudes stays.
    for (int i = 0; i < w.positiveCount; ++i) {
        w.pressurePositive[i] = common::to_int(trunc_to(q * w.peakPositive[i], 0));
        if (std::abs(w.pressurePositive[i]) > std::abs(design_positive))
            design_positive = w.pressurePositive[i];
    }
    for (int i = 0; i < w.negativeCount; ++i) {
        w.pressureNegative[i] = common::to_int(trunc_to(q * w.peakNegative[i], 0));
        if (w.pressureNegative[i] != kNotComputedPressure &&
            std::abs(w.pressureNegative[i]) > std::abs(design_negative))
            design_negative = w.pressureNegative[i];
    }
    loads.windPositive = design_positive;
    loads.windNegative = design_negative;

    // The wall below a cantilever stands at the mean height, so its height
    // factor (Z/H)^2alpha is 1 for every H.
    w.wallHeight = h;
    double factor = 1.0;
    if (h > 5.0) {
        const double zw = w.wallHeight;
        factor = zw <= 5.0 ? std::pow(5.0 / h, 2 * r.alpha) : std::pow(zw / h, 2 * r.alpha);
    }
    w.wallHeightFactor = trunc_to(factor, 3);
    w.wallGustFactor = trunc_to(gust_factor(data.roughnessIndex, h), 3);
    w.wallPeakExternal = trunc_to(w.wallHeightFactor * w.wallGustFactor, 3);
    w.wallInternal = internal.positive;
    w.wallPeak = w.wallPeakExternal - w.wallInternal;
    w.wallVelocityPressure = round_to(q, 1);
    w.wallPressure = trunc_to(w.wallVelocityPressure * w.wallPeak, 0);
    w.cantileverWind = design_negative - w.wallPressure;
}

} // namespace korvex::calc
