#include "calc/load_set.h"

#include "common/number_text.h"

namespace korvex::calc {

using common::shortest_decimal;

void build_case(int k, LoadSet& loads) {
    const double gp = loads.ratioGP[k];
    double load = loads.deadAndLiveLoad * gp;
    std::string text = gp == 1.0 ? "G+P" : shortest_decimal(gp) + "(G+P)";

    const double snow = loads.snowLoad * loads.ratioS[k];
    if (snow != 0.0) {
        load += snow;
        text += "+" + shortest_decimal(loads.ratioS[k]) + "S";
    }
    if (k != 0) {
        const bool positive = loads.windPass == WindPass::positive;
        const double wind = (positive ? loads.windPositive : loads.windNegative) * loads.ratioW[k];
        if (wind != 0.0) {
            load += wind;
            text += "+" + shortest_decimal(loads.ratioW[k]) + (positive ? "W(正)" : "W(負)");
        }
    }
    loads.caseLoad[k] = load;
    loads.caseText[k] = text;
}

void build_cases(LoadSet& loads) {
    for (int k = 0; k < kCaseCount; ++k) build_case(k, loads);
}

} // namespace korvex::calc
