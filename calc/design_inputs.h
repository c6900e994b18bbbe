#pragma once

// The inputs of one calculation as the calculation reads them, and the
// calculation data record the load step builds from them.

#include <array>
#include <string>

#include "calc/design_codes.h"

namespace korvex::calc {

// Combination ratios of one area kind, in the order
// long-term G, P, S; short-term snow G, P, S, W; short-term storm G, P, S, W.
using RatioRow = std::array<double, 11>;

// The source of each site value the calculation and the report use.
struct SiteSources {
    ValueSource baseWindSpeed = ValueSource::none;
    ValueSource snowZone = ValueSource::none;
    ValueSource tableAltitude = ValueSource::none;
    ValueSource tableSnowDepth = ValueSource::none;
    ValueSource snowCoefficients = ValueSource::none; // alpha, beta, gamma and R together
    friend bool operator==(const SiteSources&, const SiteSources&) = default;
};

struct DesignInputs {
    // Deck and fastening
    int deckIndex = 0;
    std::string deckName = "KX-50-12";
    double deckUnitWeight = 127.0; // N/m2
    double sectionModulus = 0.0;   // mm3 per metre width
    double momentOfInertia = 0.0;  // mm4 per metre width
    int fastenerIndex = 0;
    std::string fastenerName;
    int jointCapacityEnd = 1600; // N per screw
    int jointCapacityMid = 1600;

    // Site (copied from the selected area when the inputs are gathered)
    bool heavySnowArea = false;
    std::string prefectureName;
    std::string areaName;
    int baseWindSpeed = 0;  // V0, m/s
    int altitude = 0;       // ls, m
    int seaRatio = 0;       // rs, percent
    int seaRatioRadius = 0; // R, km
    double snowCoefA = 0.0; // alpha of the snow-depth formula
    double snowCoefB = 0.0; // beta
    double snowCoefC = 0.0; // gamma
    SiteSources siteSources;

    // Wind
    int roughnessCategory = 1;          // 1..4
    double eaveHeightCm = 0.0;          // H1
    double buildingHeightCm = 0.0;      // H2
    double spanDirectionLengthCm = 0.0; // D
    RoofType roofType = RoofType::monoPitch;
    RoofKind roofKind = RoofKind::pitched;
    std::string roofTypeName = "片流れ屋根";
    BuildingForm buildingForm = BuildingForm::closed;
    std::string buildingFormName = "閉鎖型";
    CanopyShape canopyShape = CanopyShape::gable;
    std::string canopyShapeName = "切妻屋根";

    // Snow
    SnowMethod snowMethod = SnowMethod::typedDepth;
    int snowDepth = 0;      // d, cm
    int snowUnitWeight = 0; // rho, N/m2 per cm
    int snowLoad = 0;       // S, N/m2 (raised by the increase check)

    // Other loads
    int liveLoad = 0;      // P, N/m2
    int otherDeadLoad = 0; // N/m2

    // Spans
    int spanCount = 1;
    std::array<int, 4> spanLength{};
    CantileverMode cantileverMode = CantileverMode::none;
    int leftCantileverLength = 0;
    int rightCantileverLength = 0;
    int totalDeckLength = 0;
    std::string beamTypeName = "単純梁";

    // Settings of the coefficient dialog
    bool directLoadInput = false;
    int directWindPositive = 0;
    int directWindNegative = 0; // typed as a magnitude, used negated
    int maxDeckLength = 12000;
    int designStrength = 205;
    std::array<RatioRow, 2> comboRatio{}; // [0] ordinary, [1] heavy-snow areas
};

// The calculation data record, fields in their fixed order.
struct CalculationData {
    int deckIndex = 0;
    int fastenerIndex = 0;
    std::string prefectureName;
    std::string areaName;
    int snowUnitWeight = 0;
    SnowMethod snowMethod = SnowMethod::typedDepth;
    int snowDepth = 0;
    std::string buildingFormName;
    BuildingForm buildingForm = BuildingForm::closed;
    CanopyShape canopyShape = CanopyShape::gable;
    int roughnessIndex = 0;
    int baseWindSpeed = 0;
    RoofKind roofKind = RoofKind::pitched;
    int eaveHeight = 0;          // H1, cm
    int buildingHeight = 0;      // H2, cm
    int spanDirectionLength = 0; // D, cm
    bool hasLeftCantilever = false;
    bool hasRightCantilever = false;
    int spanCount = 0;
    std::array<std::array<int, 2>, 4> spanLinearLoad{}; // snow load at each span end, N/m2
    std::array<int, 4> spanLength{};
    int leftCantileverLength = 0;
    int rightCantileverLength = 0;
};

} // namespace korvex::calc
