#pragma once

// The values of the selected prefecture and area, kept current by the site
// selection and by the snow-depth formula; the calculation reads them from here.

#include <optional>
#include <string>

#include "calc/design_inputs.h"
#include "sea/geo_point.h"

namespace korvex::site {

// Where the site's point comes from: the area's office in the office table, or
// the coordinates the user entered.
enum class PointSource { office, entered };

struct SitePoint {
    sea::GeoPoint point;
    PointSource source = PointSource::office;
    // An office's table: the shipped one or the user's.
    calc::ValueSource origin = calc::ValueSource::table;
    // The office of the current municipality, for an area that is part of it
    // (a split row 市(旧A・B)); the office may lie outside that part.
    bool currentMunicipality = false;
    std::string officeName;
};

// The sea ratio measured at the site's point within the radius R.
struct SeaRatioReference {
    SitePoint at;
    int radiusKm = 0;
    double fraction = 0.0; // 0 to 1, as measured
    int percent = 0;       // as the sea-ratio field takes it
};

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

    // The area's office, and the site's own point when the user entered one.
    std::optional<SitePoint> officePoint;
    std::optional<sea::GeoPoint> enteredPoint;
    // Measured at the site's point whenever R is known; never put into the sea
    // ratio but by the user, after which seaRatioFromReference holds until the
    // field or the reference changes.
    std::optional<SeaRatioReference> seaRatioReference;
    bool seaRatioFromReference = false;
};

} // namespace korvex::site
