#pragma once

// Snow load: the vertical snow depth of Notification 1455, the heavy-snow area
// rule, and the increase factor of Notification 594 (2007) for long, gently
// sloped roofs outside heavy-snow areas.

namespace korvex::calc {

// d = alpha * ls + beta * rs * 0.01 + gamma metres, altitude ls in m and sea
// ratio rs in percent, as the formula gives it.
double formula_snow_depth_m(double alpha, double beta, double gamma, int altitude, int sea_ratio);

// The formula's depth rounded half up to the whole centimetre (0.5362 m is 54 cm).
int formula_snow_depth_cm(double alpha, double beta, double gamma, int altitude, int sea_ratio);

// A depth of 100 cm or more makes a heavy-snow area with a snow unit weight of
// 30 N/m2 per cm; below that 20 and no heavy snow.
struct HeavySnowRule {
    int snowUnitWeight;
    bool heavySnowArea;
};
HeavySnowRule heavy_snow_rule(int snow_depth_cm);

struct SnowIncrease {
    int status = 0;           // 0 not examined, 1 applied, 2 computed factor below 1, replaced by 1
    double factor = 0.0;      // alpha applied to S (2 decimals)
    double rawFactor = 0.0;   // the computed factor before it was replaced by 1 (status 2)
    double drValue = 0.0;     // dr, m
    double shapeFactor = 0.0; // mu_b
};

// The increase check. theta is the roof angle in whole degrees, D in cm.
// A roof so steeply inverted that cos(1.5 theta) is not positive (an arc roof
// with theta below -60 degrees) has no shape factor and is left outside the check.
SnowIncrease check_snow_increase(bool heavy_snow_area, int snow_depth_cm,
                                 double span_direction_length_cm, double theta);

// S raised by the factor of an examined check (nearest N/m2, halves up).
int increased_snow_load(int snow_load, const SnowIncrease& increase);

} // namespace korvex::calc
