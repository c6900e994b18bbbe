#pragma once

// The 1 m wide deck strip as a continuous beam of one to four spans on pinned
// supports, and the loads of one load case on it.

#include <array>

#include "calc/design_inputs.h"

namespace korvex::analysis {

inline constexpr int kMaxSpans = 4;
inline constexpr int kMaxNodes = kMaxSpans + 1;

// Support kinds of a node; any other value counts as free.
inline constexpr int kSupportFree = 0;
inline constexpr int kSupportRoller = 1;
inline constexpr int kSupportPin = 2;
inline constexpr int kSupportFixed = 3;

// Values at the six degrees of freedom of a span: u, v, theta of its start node,
// then of its end node.
using SpanVector = std::array<double, 6>;

// Units: N, mm, N/mm, N·mm. y points up, so a downward line load is negative.
struct BeamModel {
    int E = 0;
    int n = 0;
    std::array<double, kMaxSpans> L{};
    double cantileverLeft = 0.0;
    double cantileverRight = 0.0;
    std::array<double, kMaxSpans> A{};
    std::array<double, kMaxSpans> I{};
    std::array<int, kMaxNodes> support{kSupportPin, kSupportPin, kSupportPin, kSupportPin,
                                       kSupportPin};
    std::array<double, kMaxSpans> w{};
    std::array<std::array<double, 2>, kMaxSpans> q{};
    std::array<int, kMaxSpans> loadShape{};
    std::array<double, kMaxSpans> edgeLoad{};
    // The line load each overhang (left, right) carries in this case, N/mm: the
    // edge load with its snow share under suction, otherwise the end span's load.
    std::array<double, 2> overhangLoad{};
    double deckHeight = 0.0; // mm; the 75 mm decks get the larger deflection factor
};

// The four combination factors of a load case: dead plus live, concentrated,
// snow and wind.
struct CaseFactors {
    double cG = 0.0;
    double cP = 0.0;
    double cS = 0.0;
    double cW = 0.0;
};

// What one load case puts on the strip.
struct CaseLoadInputs {
    int G = 0; // dead plus live load, N/m2
    int W = 0; // wind pressure of the case, N/m2 (negative for suction)
    std::array<std::array<int, 2>, kMaxSpans> S{}; // snow at each span end, N/m2
    CaseFactors factors;
    bool negativePass = false; // the wind pass is "Ms"
    double Pw = 0.0;           // positive pressure on the wall below a cantilever, N/m2
};

void setup_model(const calc::CalculationData& data, BeamModel& model);

void apply_case_loads(const CaseLoadInputs& loads, BeamModel& model);

// Whether the deck runs on past the first support (left) or the last (right).
bool has_left_overhang(const BeamModel& model);
bool has_right_overhang(const BeamModel& model);

// Whether the deck height calls for the 1.2 deflection factor of the 75 mm decks.
double deflection_factor(const BeamModel& model);

} // namespace korvex::analysis
