#include "calc/snow.h"

#include <cmath>

#include "common/rounding.h"

namespace korvex::calc {

using common::round_to;

double formula_snow_depth_m(double alpha, double beta, double gamma, int altitude, int sea_ratio) {
    return alpha * altitude + beta * sea_ratio * 0.01 + gamma;
}

int formula_snow_depth_cm(double alpha, double beta, double gamma, int altitude, int sea_ratio) {
    // The authorities' worked examples and their published sheets round the
    // formula's metres at the second decimal, halves up: to the centimetre.
    const double centimetres = formula_snow_depth_m(alpha, beta, gamma, altitude, sea_ratio) * 100;
    return common::to_int(round_to(centimetres, 0));
}

HeavySnowRule heavy_snow_rule(int snow_depth_cm) {
    if (snow_depth_cm < 100) return {20, false};
    return {30, true};
}

namespace {

// dr (m) by the span-direction length l (m) and theta: linear in l between 10 m
// and 50 m and in theta between 2 and 15 degrees.
double dr_value(double l, double theta) {
    if (l == 10.0) {
        if (theta <= 2) return 0.05;
        if (theta == 15) return 0.01;
        return 0.05 - (theta - 2) * 0.04 / 13;
    }
    if (l >= 50.0) {
        if (theta <= 2) return 0.14;
        if (theta == 15) return 0.03;
        return 0.14 - (theta - 2) * 0.11 / 13;
    }
    const double g = 0.05 + (l - 10) * 0.09 / 40;
    const double h = 0.01 + (l - 10) * 0.02 / 40;
    if (theta <= 2) return g;
    if (theta == 15) return h;
    return h + (15 - theta) * (g - h) / 13;
}

} // namespace

SnowIncrease check_snow_increase(bool heavy_snow_area, int snow_depth_cm,
                                 double span_direction_length_cm, double theta) {
    SnowIncrease result;
    result.factor = 1.0;
    const bool applies =
        !heavy_snow_area && snow_depth_cm >= 15 && span_direction_length_cm >= 1000 && theta <= 15;
    if (!applies) return result;

    const double cosine = std::cos(1.5 * theta * common::kPi / 180);
    const double shape = cosine > 0 ? round_to(std::sqrt(cosine), 3) : 0.0;
    if (shape <= 0) return result; // no real shape factor: outside the check

    const double l = span_direction_length_cm * 0.01;
    result.shapeFactor = shape;
    result.drValue = round_to(dr_value(l, theta), 2);
    result.factor = round_to(0.7 + std::sqrt(result.drValue / (shape * snow_depth_cm * 0.01)), 2);
    result.status = 1;
    if (result.factor < 1) {
        result.rawFactor = result.factor;
        result.factor = 1.0;
        result.status = 2;
    }
    return result;
}

int increased_snow_load(int snow_load, const SnowIncrease& increase) {
    if (increase.status == 0) return snow_load;
    return common::to_int(round_to(snow_load * increase.factor, 0));
}

} // namespace korvex::calc
