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
    a.stressFactor = run.stressFactor;
    a.deflectionLimit = run.deflectionLimit;
    a.F = in.designStrength;
    a.fA = allowable_stress(in.designStrength, run.stressFactor);
    a.Z = in.sectionModulus;
    a.jointCapacityEnd = in.jointCapacityEnd;
    a.jointCapacityMid = in.jointCapacityMid;
    a.cEnd = joint_capacity(in.jointCapacityEnd, run.stressFactor);
    a.cMid = joint_capacity(in.jointCapacityMid, run.stressFactor);
    return a;
}

CheckPage check_case(const CaseOnPage& in, CheckCounters& counters) {
    CheckPage page;
    page.label = in.run.label;
    page.caseText = in.caseText;
    page.wTotal = in.wTotal;
    page.windPass = in.windPass;
    page.derivedLoads = !in.inputs.directLoadInput;
    // Keyed to the case itself, not to its formula text: a short-term case whose
    // combination reads like the long-term one still has the short-term allowance.
    page.longTermAllowable = in.run.stressFactor == 1.0;
    page.beamTypeName = in.inputs.beamTypeName;
    page.caseRun = in.run;
    page.model = in.model;
    page.results = in.results;
    page.allowable = allowable_values(in.inputs, in.run);
    const AllowableValues& a = page.allowable;
    const analysis::CaseResults& r = in.results;

    page.maxMoment = common::trunc_to(r.maxMoment, 0);
    page.sigma = bending_stress(page.maxMoment, a.Z);
    page.lines.push_back(below(CheckKind::stress, page.sigma, a.fA, counters));

    page.maxDeflection = r.maxDeflection;
    page.governingSpanLength = r.governingSpanLength;
    page.deflectionAllowance = r.governingSpanLength / a.deflectionLimit;
    page.lines.push_back(
        within(CheckKind::deflection, page.maxDeflection, page.deflectionAllowance, counters));

    page.reactionV1 = r.reactionV1;
    page.reactionV2 = r.reactionV2;
    if (r.reactionV1 < 0.0)
        page.lines.push_back(below(CheckKind::jointEnd, std::fabs(r.reactionV1), a.cEnd, counters));
    if (r.reactionV2 < 0.0)
        page.lines.push_back(below(CheckKind::jointMid, std::fabs(r.reactionV2), a.cMid, counters));

    page.table = stress_table(in.model, r, in.wTotal);
    const bool wall_pressure = page.derivedLoads && in.windPass == calc::WindPass::negative;
    page.cantilever = check_cantilever(in.model, r, page.table, a, in.wTotal, wall_pressure);
    const CantileverCheck& c = page.cantilever;
    if (c.present) {
        page.lines.push_back(below(CheckKind::cantileverStress, c.sigma, a.fA, counters));
        page.lines.push_back(
            within(CheckKind::cantileverDeflection, c.delta, c.a / a.deflectionLimit, counters));
        if (r.reactionV1 < 0.0)
            page.lines.push_back(
                below(CheckKind::cantileverJoint, std::fabs(c.V), a.cEnd, counters));
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
