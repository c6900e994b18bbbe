#pragma once

// The designs at the edges of what the window and the coefficient dialog accept.
// The numeric-limits test calculates each one and checks its figures; the report
// layout test draws each one on the real devices.

#include <optional>
#include <span>
#include <vector>

#include "calc/design_codes.h"
#include "form/session.h"

namespace korvex::testing {

// One design at the edge. Fields left unset keep the values of a freshly started
// session.
struct LimitDesign {
    const char* name;
    int deck = 0;
    int fastener = 0;
    int surface = 0;             // 2 "他" takes unitWeight
    const char* unitWeight = ""; // N/m2, typed
    int roughness = 2;
    const char* h1 = "10000";
    const char* h2 = "15000";
    const char* d = "20000";
    calc::RoofType roof = calc::RoofType::monoPitch;
    calc::BuildingForm building = calc::BuildingForm::closed;
    calc::CanopyShape canopy = calc::CanopyShape::gable;
    std::optional<int> v0 = std::nullopt; // the address table's V0, as a hand-edited row gives it
    int snowDepth = 30;                   // cm
    int snowUnitWeight = 20;
    int live = 0;
    int otherDead = 100;
    calc::LayoutMode layout = calc::LayoutMode::derivedLoads;
    int windPositive = 100;
    int windNegative = 100;
    int snowLoad = 100;
    std::vector<int> spans = {2500};
    int cantilever = 0; // left, mm; 0 none
    int strength = 205;
    std::optional<double> ratio = std::nullopt; // every combination ratio
    int maxDeckLength = 12000;
};

std::span<const LimitDesign> limit_designs();

// Puts the design into a started session's window state and coefficients, as a
// user would enter it; Calculate is left to the caller.
void set_limit_design(form::Session& session, const LimitDesign& design);

} // namespace korvex::testing
