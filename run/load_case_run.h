#pragma once

// The load case being analysed, the failure counters of a run, and the case's
// combination label.

#include <string>

#include "analysis/beam_model.h"

namespace korvex::run {

inline constexpr int kLongTerm = 0;
inline constexpr int kShortTermSnow = 1;
inline constexpr int kShortTermStorm = 2;

struct LoadCaseRun {
    int caseIndex = 0;    // selects the combination factors
    std::string caseName; // "長期", "短期（暴風時負圧）" …, without the combination
    std::string label;    // case name and combination expression
    double stressFactor = 1.0;
    int deflectionLimit = 250; // the deflection limit is L / this
    analysis::CaseFactors factors;
    int W = 0; // wind pressure of the case, N/m2 (negative for suction)
};

struct CheckCounters {
    int stress = 0;
    int deflection = 0;
    int joint = 0;
};

// The check pages state the combination plainly; the diagram blocks add which
// wind pressure the case carries.
enum class LabelForm { check, diagram };

// Case name followed by the combination, e.g. "短期 (積雪時)Ｇ＋Ｐ＋Ｓ＋0.35Ｗ".
// The left cantilever adds the concentrated load term.
std::string combination_label(const std::string& case_name, int case_index,
                              const analysis::CaseFactors& factors, bool left_cantilever,
                              LabelForm form, bool negative_pass);

} // namespace korvex::run
