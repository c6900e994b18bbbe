#include "run/case_setup.h"

#include "analysis/cantilever.h"
#include "analysis/case_summary.h"
#include "analysis/solve_beam.h"
#include "analysis/span_scans.h"

namespace korvex::run {

double case_stress_factor(int k) {
    return k == kLongTerm ? 1.0 : 1.5;
}

int case_deflection_limit(int k) {
    return k == kLongTerm ? 250 : 180;
}

void set_case(const CaseSetup& setup, RunRecords& rec) {
    const calc::LoadSet& loads = rec.loads;
    const bool negative_pass = loads.windPass == calc::WindPass::negative;
    const int k = setup.k;
    LoadCaseRun& run = rec.caseRun;
    run.caseIndex = k;
    run.caseName = setup.name;
    run.stressFactor = case_stress_factor(k);
    run.deflectionLimit = case_deflection_limit(k);
    run.factors = {loads.ratioGP[k], loads.ratioP[k], loads.ratioS[k], loads.ratioW[k]};
    run.W =
        setup.windOverride ? setup.W : (negative_pass ? loads.windNegative : loads.windPositive);
    run.label = combination_label(
        setup.name, k, run.factors, rec.data.hasLeftCantilever,
        setup.pass == Pass::diagram ? LabelForm::diagram : LabelForm::check, negative_pass);
}

void analyse_case(const CaseSetup& setup, RunRecords& rec) {
    using namespace analysis;
    const calc::LoadSet& loads = rec.loads;
    const bool negative_pass = loads.windPass == calc::WindPass::negative;
    BeamModel& model = rec.model;
    CaseResults& results = rec.results;

    reset_case_results(model, results);
    set_case(setup, rec);
    const LoadCaseRun& run = rec.caseRun;

    setup_model(rec.data, model);
    CaseLoadInputs case_loads;
    case_loads.G = loads.deadAndLiveLoad;
    case_loads.W = run.W;
    case_loads.S = rec.data.spanLinearLoad;
    case_loads.factors = run.factors;
    case_loads.negativePass = negative_pass;
    case_loads.Pw = loads.wallPressure;
    apply_case_loads(case_loads, model);
    for (int i = 0; i < model.n; ++i)
        results.totalLoad[i] = {model.q[i][0] + model.w[i], model.q[i][1] + model.w[i]};
    solve_beam(model, results);

    if (setup.reactionsFromShears)
        end_and_interior_shears(model, results);
    else
        end_and_interior_reactions(model, results);

    const bool record = setup.pass == Pass::diagram || setup.keepOrdinates;
    const CantileverCase cantilever{negative_pass, !rec.inputs.directLoadInput};
    for (int i = 0; i < model.n; ++i) span_deflection_scan(i, model, results, record);
    cantilever_deflections(model, cantilever, results);
    for (int i = 0; i < model.n; ++i) {
        const MomentExtremes extremes = span_moment_scan(i, model, results, record);
        governing_span_moment(i, model, extremes, results);
    }
    find_max_moment(model, results);
    cantilever_moments(model, cantilever, results);
    if (setup.pass == Pass::diagram)
        diagram_summary(model, results);
    else
        find_max_deflection(model, results);
}

} // namespace korvex::run
