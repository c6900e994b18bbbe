#include "run/design_checks.h"

#include <cmath>

#include "calc/product_tables.h"
#include "common/rounding.h"
#include "run/cantilever_check.h"

namespace korvex::run {

namespace {

CheckLine judge(CheckKind kind, double value, double limit, bool ok, CheckCounters& counters) {
    if (!ok) {
        switch (kind) {
        case CheckKind::stress:
        case CheckKind::cantileverStress:
            ++counters.stress;
            break;
        case CheckKind::deflection:
        case CheckKind::cantileverDeflection:
            ++counters.deflection;
            break;
        default:
            ++counters.joint;
            break;
        }
    }
    return {kind, value, limit, ok};
}

// Value below limit passes; the same check at equality fails.
CheckLine below(CheckKind kind, double value, double limit, CheckCounters& counters) {
    return judge(kind, value, limit, value < limit, counters);
}

// The limit exceeds the value (the deflection form of the comparison).
CheckLine within(CheckKind kind, double value, double limit, CheckCounters& counters) {
    return judge(kind, value, limit, limit > value, counters);
}

} // namespace

const char* check_kind_name(CheckKind kind) {
    switch (kind) {
    case CheckKind::stress:
        return "stress";
    case CheckKind::deflection:
        return "deflection";
    case CheckKind::jointEnd:
        return "jointEnd";
    case CheckKind::jointMid:
        return "jointMid";
    case CheckKind::cantileverStress:
        return "cantileverStress";
    case CheckKind::cantileverDeflection:
        return "cantileverDeflection";
    case CheckKind::cantileverJoint:
        return "cantileverJoint";
    }
    return "";
}

double bending_stress(double moment, double Z) {
    return std::fabs(common::trunc_to(moment / Z, 1));
}

double allowable_stress(int F, double stress_factor) {
    return common::trunc_to(F * stress_factor / 1.5, 0);
}

double joint_capacity(int capacity_per_screw, double stress_factor) {
    return capacity_per_screw * stress_factor * calc::kScrewsPerDeckWidth * 1000.0 /
           calc::kDeckWidthMm;
}

AllowableValues allowable_values(const calc::DesignInputs& in, const LoadCaseRun& run) {
    AllowableValues a;
    a.stress_factor = run.stress_factor;
    a.deflection_limit = run.deflection_limit;
    a.F = in.designStrength;
    a.f_a = allowable_stress(in.designStrength, run.stress_factor);
    a.Z = in.sectionModulus;
    a.jointCapacityEnd = in.jointCapacityEnd;
    a.jointCapacityMid = in.jointCapacityMid;
    a.C_end = joint_capacity(in.jointCapacityEnd, run.stress_factor);
    a.C_mid = joint_capacity(in.jointCapacityMid, run.stress_factor);
    return a;
}

CheckPage check_case(const CaseOnPage& in, CheckCounters& counters) {
    CheckPage page;
    page.label = in.run.label;
    page.case_text = in.case_text;
    page.W_total = in.W_total;
    page.windPass = in.windPass;
    page.derived_loads = !in.inputs.directLoadInput;
    // Keyed to the case itself, not to its formula text: a short-term case whose
    // combination reads like the long-term one still has the short-term allowance.
    page.long_term_allowable = in.run.stress_factor == 1.0;
    page.beam_type_name = in.inputs.beamTypeName;
    page.case_run = in.run;
    page.model = in.model;
    page.results = in.results;
    page.allowable = allowable_values(in.inputs, in.run);
    const AllowableValues& a = page.allowable;
    const analysis::CaseResults& r = in.results;

    page.max_moment = common::trunc_to(r.max_moment, 0);
    page.sigma = bending_stress(page.max_moment, a.Z);
    page.lines.push_back(below(CheckKind::stress, page.sigma, a.f_a, counters));

    page.max_deflection = r.max_deflection;
    page.governing_span_length = r.governing_span_length;
    page.deflection_allowance = r.governing_span_length / a.deflection_limit;
    page.lines.push_back(
        within(CheckKind::deflection, page.max_deflection, page.deflection_allowance, counters));

    page.reaction_v1 = r.reaction_v1;
    page.reaction_v2 = r.reaction_v2;
    if (r.reaction_v1 < 0.0)
        page.lines.push_back(
            below(CheckKind::jointEnd, std::fabs(r.reaction_v1), a.C_end, counters));
    if (r.reaction_v2 < 0.0)
        page.lines.push_back(
            below(CheckKind::jointMid, std::fabs(r.reaction_v2), a.C_mid, counters));

    page.table = stress_table(in.model, r, in.W_total);
    const bool wall_pressure = page.derived_loads && in.windPass == "Ms";
    page.cantilever = check_cantilever(in.model, r, page.table, a, in.W_total, wall_pressure);
    const CantileverCheck& c = page.cantilever;
    if (c.present) {
        page.lines.push_back(below(CheckKind::cantileverStress, c.sigma, a.f_a, counters));
        page.lines.push_back(
            within(CheckKind::cantileverDeflection, c.delta, c.a / a.deflection_limit, counters));
        if (r.reaction_v1 < 0.0)
            page.lines.push_back(
                below(CheckKind::cantileverJoint, std::fabs(c.V), a.C_end, counters));
    }
    return page;
}

std::string verdict_text(const CheckCounters& counters) {
    std::string failures;
    if (counters.stress != 0) failures += "「応力がNGです」";
    if (counters.deflection != 0) failures += "「たわみがNGです」";
    if (counters.joint != 0) failures += "「接合部がNGです」";
    if (failures.empty()) return "                     全てＯＫです ";
    return "　　　" + failures + " ---設計仕様変更が必要です。";
}

} // namespace korvex::run
