#pragma once

// The design checks of one load case: bending stress, deflection, the pull-out
// force on the screws at supports in uplift and, with cantilevers, the
// cantilever's stress, deflection and joint. Every value a check page prints is
// kept, so the page never analyses again.

#include <string>
#include <vector>

#include "analysis/beam_model.h"
#include "analysis/case_results.h"
#include "calc/design_inputs.h"
#include "calc/load_set.h"
#include "run/load_case_run.h"

namespace korvex::run {

enum class CheckKind {
    stress,
    deflection,
    jointEnd,
    jointMid,
    cantileverStress,
    cantileverDeflection,
    cantileverJoint
};

// The kind's name in the results file.
const char* check_kind_name(CheckKind kind);

// OK only when the value stays strictly inside its limit: equality fails.
struct CheckLine {
    CheckKind kind = CheckKind::stress;
    double value = 0.0;
    double limit = 0.0;
    bool ok = false;
};

struct AllowableValues {
    double stressFactor = 1.0; // s
    int deflectionLimit = 250; // n
    int F = 0;                 // design strength, N/mm2
    double fA = 0.0;           // allowable stress, N/mm2
    double Z = 0.0;            // section modulus, mm3 per metre
    int jointCapacityEnd = 0;  // N per screw
    int jointCapacityMid = 0;
    double cEnd = 0.0; // N per metre of deck width
    double cMid = 0.0;
};

// |floor(M / Z x 10) / 10|: N/mm2 truncated at 0.1 before the magnitude is taken.
double bending_stress(double moment, double Z);

double allowable_stress(int F, double stress_factor);
// Three screws per 600 mm wide deck sheet, stated per metre of deck width.
double joint_capacity(int capacity_per_screw, double stress_factor);
AllowableValues allowable_values(const calc::DesignInputs& inputs, const LoadCaseRun& run);

inline constexpr int kLeftSide = 0;
inline constexpr int kRightSide = 1;

struct CantileverCheck {
    bool present = false;
    // Loads derived and suction: the wall's positive pressure acts on the cantilever.
    bool wallPressure = false;
    int side = kLeftSide;    // the examined side
    std::string sideMessage; // empty unless both sides exist and one governs
    double M = 0.0;          // N·mm, with its sign
    double sigma = 0.0;      // N/mm2
    double delta = 0.0;      // mm
    double a = 0.0;          // examined side's length, mm
    double V = 0.0;          // joint force, N per metre
};

// The cantilever figures of the stress-distribution table.
struct StressTable {
    double leftRootMoment = 0.0;      // |p_L a_L^2 / 2|, N·mm
    double rightRootMoment = 0.0;     // |first right moment ordinate|
    double leftTipDeflection = 0.0;   // |first left deflection ordinate|, mm
    double rightTipDeflection = 0.0;  // last right ordinate, sign reversed
    double leftCantileverForce = 0.0; // W_total × a_L × 0.001, N
};

struct CheckPage {
    std::string label;
    std::string caseText;
    double wTotal = 0.0; // N/m2
    calc::WindPass windPass = calc::WindPass::positive;
    bool derivedLoads = true;
    // The allowable stress is stated as F/1.5 (long-term) rather than F.
    bool longTermAllowable = false;
    std::string beamTypeName;

    LoadCaseRun caseRun;
    analysis::BeamModel model;
    // The whole analysis of the case; the three positive-pressure pages also hold
    // the diagram ordinates, which the diagram pass takes over.
    analysis::CaseResults results;
    AllowableValues allowable;

    double maxMoment = 0.0; // whole N·mm
    double sigma = 0.0;
    double maxDeflection = 0.0;
    double governingSpanLength = 0.0;
    double deflectionAllowance = 0.0; // governing_span_length / n
    double reactionV1 = 0.0;
    double reactionV2 = 0.0;

    CantileverCheck cantilever;
    StressTable table;
    std::vector<CheckLine> lines; // in the order the page prints them
};

struct CaseOnPage {
    const calc::DesignInputs& inputs;
    const LoadCaseRun& run;
    const analysis::BeamModel& model;
    const analysis::CaseResults& results;
    calc::WindPass windPass = calc::WindPass::positive;
    double wTotal = 0.0;
    std::string caseText;
};

// Runs every check of the case and adds its failures to the counters.
CheckPage check_case(const CaseOnPage& page, CheckCounters& counters);

// "　　　「応力がNGです」... ---設計仕様変更が必要です。" or the all-OK text.
std::string verdict_text(const CheckCounters& counters);

} // namespace korvex::run
