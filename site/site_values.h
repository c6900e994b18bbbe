#pragma once

// The values of the selected prefecture and area, kept current by the site
// selection and by the snow-depth formula; the calculation reads them from here.

#include <string>

#include "calc/design_inputs.h"

namespace korvex::site {

struct SiteValues {
    std::string prefectureName;
    std::string areaName;
    int snowZone = 0;
    int baseWindSpeed = 0;   // V0, m/s
    int tableAltitude = -1;  // m; negative: the table has no value
    int tableSnowDepth = -1; // cm; negative: the table has no value
    int ruleFlag = 0;        // 9: the prefecture has detailed snow rules for the area

    // Coefficients of the snow-depth formula: those of the area's snow zone, or
    // the ones the user typed into the snow panel. When the zone has no line in
    // the snow-zone table they are all zero and zoneRegistered is false: a depth
    // computed from another area's coefficients would look right and be wrong.
    double snowCoefA = 0.0; // alpha, m per m of altitude
    double snowCoefB = 0.0; // beta, coefficient of the sea ratio
    double snowCoefC = 0.0; // gamma, m
    int seaRatioRadius = 0; // R, km
    bool zoneRegistered = false;
    // The user typed the coefficients; a new site selection fills them afresh.
    bool coefficientsEntered = false;

    // Where each value above came from, for the report and the JSON.
    calc::SiteSources sources;

    // Taken by the last evaluation of the snow-depth formula.
    int altitude = 0;         // m
    int seaRatio = 0;         // percent
    int formulaSnowDepth = 0; // cm
};

} // namespace korvex::site
