#include "run/calculation_run.h"

#include <array>

#include "analysis/case_results.h"
#include "analysis/case_summary.h"
#include "common/rounding.h"

namespace korvex::run {

namespace {

constexpr std::array<const char*, 3> kCheckCaseNames = {"長期", "短期 (積雪時)",
                                                        "短期（暴風時正圧）"};
constexpr std::array<const char*, 3> kDiagramCaseNames = {"長期", "短期 (積雪時)",
                                                          "短期（暴風時）"};
constexpr const char* kSuctionCaseName = "短期（暴風時負圧）";
constexpr const char* kNoSnowCaseName = "短期（暴風時-積雪無し）";

struct StormRatios {
    double gp, p, s, w;
};

StormRatios save_storm_ratios(const calc::LoadSet& loads) {
    const int k = kShortTermStorm;
    return {loads.ratioGP[k], loads.ratioP[k], loads.ratioS[k], loads.ratioW[k]};
}

void set_storm_ratios(const StormRatios& r, calc::LoadSet& loads) {
    const int k = kShortTermStorm;
    loads.ratioGP[k] = r.gp;
    loads.ratioP[k] = r.p;
    loads.ratioS[k] = r.s;
    loads.ratioW[k] = r.w;
}

class RunWriter {
public:
    RunWriter(RunRecords& records, CalculationRun& out) : rec_(records), out_(out) {}

    void check_page(double w_total, const std::string& case_text) {
        const CaseOnPage page{rec_.inputs,         rec_.caseRun, rec_.model, rec_.results,
                              rec_.loads.windPass, w_total,      case_text};
        out_.checkPages.push_back(check_case(page, rec_.counters));
        out_.order.push_back({RunItemKind::checkPage, int(out_.checkPages.size()) - 1});
    }

    void diagram_block(const std::string& label, double cantilever_load, bool negative_block) {
        out_.diagramBlocks.push_back(
            {label, rec_.caseRun, rec_.model, rec_.results, cantilever_load, negative_block});
        out_.order.push_back({RunItemKind::diagramBlock, int(out_.diagramBlocks.size()) - 1});
    }

    void item(RunItemKind kind) { out_.order.push_back({kind, 0}); }

    bool last_page_failed() const {
        for (const CheckLine& line : out_.checkPages.back().lines)
            if (!line.ok) return true;
        return false;
    }

private:
    RunRecords& rec_;
    CalculationRun& out_;
};

} // namespace

int diagram_scale(const analysis::BeamModel& model, int total_deck_length) {
    double total = model.cantileverLeft + model.cantileverRight;
    for (int i = 0; i < model.n; ++i) total += model.L[i];
    int scale = total <= 10000.0 ? 80 : 100;
    if (total_deck_length > 15000)
        scale = common::to_int(total_deck_length * static_cast<double>(scale) / 110000.0) * 10 - 10;
    return scale;
}

CalculationRun run_calculation(RunRecords rec, RunScope scope) {
    calc::LoadSet& loads = rec.loads;
    const bool heavy_snow = loads.heavySnowRatios;
    const bool derived = !rec.inputs.directLoadInput;
    CalculationRun out;
    RunWriter writer(rec, out);

    analysis::setup_model(rec.data, rec.model);
    out.diagramScale = diagram_scale(rec.model, rec.inputs.totalDeckLength);
    rec.counters = {};

    // Check pass, positive pressure.
    std::array<double, 3> cantilever_loads{};
    double storm_snow_ratio = loads.ratioS[kShortTermStorm];
    loads.windPass = calc::WindPass::positive;
    // The diagram pass meets these three cases again with the same loads; their
    // solution is kept rather than solved a second time.
    struct SolvedCase {
        analysis::BeamModel model;
        analysis::CaseResults results;
    };
    std::array<SolvedCase, 3> positive_cases;
    for (int k = 0; k < 3; ++k) {
        CaseSetup setup{k, kCheckCaseNames[k]};
        setup.keepOrdinates = scope == RunScope::whole;
        analyse_case(setup, rec);
        positive_cases[k] = {rec.model, rec.results};
        calc::build_cases(loads);
        cantilever_loads[k] = loads.caseLoad[k];
        if (k == kShortTermStorm) storm_snow_ratio = loads.ratioS[k];
        writer.check_page(loads.caseLoad[k], loads.caseText[k]);
        if (scope == RunScope::untilFailure && writer.last_page_failed()) {
            out.verdict = {rec.counters, verdict_text(rec.counters)};
            return out;
        }
    }

    // Suction. Ordinary areas carry no snow with the storm; heavy-snow areas keep
    // theirs and are checked once more without it.
    loads.windPass = calc::WindPass::negative;
    if (!heavy_snow) loads.ratioS[kShortTermStorm] = 0.0;
    analyse_case({kShortTermStorm, kSuctionCaseName}, rec);
    calc::build_cases(loads);
    writer.check_page(loads.caseLoad[kShortTermStorm], loads.caseText[kShortTermStorm]);
    const bool stop = scope == RunScope::untilFailure && writer.last_page_failed();

    std::string no_snow_label;
    double no_snow_total = 0.0;
    if (heavy_snow && !stop) {
        const StormRatios saved = save_storm_ratios(loads);
        loads.ratioS[kShortTermStorm] = 0.0;
        CaseSetup setup{kShortTermStorm, kNoSnowCaseName};
        setup.reactionsFromShears = true;
        analyse_case(setup, rec);
        no_snow_label = rec.caseRun.label + "（負圧）";
        calc::build_cases(loads);
        no_snow_total = loads.deadAndLiveLoad + loads.windNegative;
        writer.check_page(no_snow_total, loads.caseText[kShortTermStorm]);
        set_storm_ratios(saved, loads);
    }

    out.verdict = {rec.counters, verdict_text(rec.counters)};
    if (scope != RunScope::whole) {
        loads.ratioS[kShortTermStorm] = storm_snow_ratio;
        return out;
    }
    writer.item(RunItemKind::verdict);
    out.detailPages = derived;
    if (derived) writer.item(RunItemKind::detailPages);

    // Diagram pass: first the unfactored loads for the load figure.
    analysis::reset_case_results(rec.model, rec.results);
    loads.windPass = calc::WindPass::positive;
    loads.ratioS[kShortTermStorm] = storm_snow_ratio;
    analysis::setup_model(rec.data, rec.model);
    analysis::CaseLoadInputs unfactored;
    unfactored.G = loads.deadAndLiveLoad;
    unfactored.W = loads.windPositive;
    unfactored.S = rec.data.spanLinearLoad;
    unfactored.factors = {1.0, 1.0, 1.0, 1.0};
    unfactored.Pw = loads.wallPressure;
    analysis::apply_case_loads(unfactored, rec.model);
    out.loadFigure = {rec.model, loads.deadAndLiveLoad, loads.windPositive, loads.windNegative};
    writer.item(RunItemKind::loadFigure);

    for (int k = 0; k < 3; ++k) {
        set_case({k, kDiagramCaseNames[k], Pass::diagram}, rec);
        rec.model = positive_cases[k].model;
        rec.results = positive_cases[k].results;
        analysis::diagram_summary(rec.model, rec.results);
        writer.diagram_block(rec.caseRun.label, cantilever_loads[k], false);
    }

    if (heavy_snow) {
        // Dead, live and suction unfactored, no snow, and no wall pressure.
        const StormRatios saved = save_storm_ratios(loads);
        set_storm_ratios({1.0, 1.0, 0.0, 1.0}, loads);
        CaseSetup setup{kShortTermStorm, kNoSnowCaseName, Pass::diagram};
        setup.windOverride = true;
        setup.W = loads.windNegative;
        analyse_case(setup, rec);
        rec.caseRun.label = no_snow_label;
        writer.diagram_block(no_snow_label, no_snow_total, true);
        set_storm_ratios(saved, loads);
    } else {
        loads.ratioS[kShortTermStorm] = 0.0;
        loads.windPass = calc::WindPass::negative;
        analyse_case({kShortTermStorm, kDiagramCaseNames[kShortTermStorm], Pass::diagram}, rec);
        calc::build_cases(loads);
        writer.diagram_block(rec.caseRun.label, loads.caseLoad[kShortTermStorm], true);
        loads.ratioS[kShortTermStorm] = storm_snow_ratio;
    }
    return out;
}

CalculationRun run_calculation(const calc::DesignInputs& inputs, const calc::CalculationData& data,
                               calc::LoadSet& loads, RunScope scope) {
    analysis::BeamModel model;
    analysis::CaseResults results;
    LoadCaseRun case_run;
    CheckCounters counters;
    return run_calculation({inputs, data, loads, model, results, case_run, counters}, scope);
}

} // namespace korvex::run
