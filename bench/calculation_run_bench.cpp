// One complete calculation run, both passes and every case, for a four-span deck
// with a left cantilever in a heavy-snow area (the longest run), without drawing.

#include <benchmark/benchmark.h>

#include "run/calculation_run.h"
#include "tests/support/designs.h"

namespace {

void BM_CalculationRun(benchmark::State& state) {
    using namespace korvex;
    testing::DesignOptions options;
    options.heavySnow = true;
    options.snowDepth = 100;
    options.spanCount = 4;
    options.spanLength = 1820;
    options.leftCantilever = 600;
    testing::LoadedDesign d = testing::load_design(options);
    calc::DesignInputs& in = d.inputs;
    calc::CalculationData& data = d.data;
    calc::LoadSet& loads = d.loads;

    analysis::BeamModel model;
    analysis::CaseResults results;
    run::LoadCaseRun case_run;
    run::CheckCounters counters;
    for (auto _ : state) {
        run::CalculationRun out =
            run::run_calculation({in, data, loads, model, results, case_run, counters});
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_CalculationRun)->Unit(benchmark::kMicrosecond);

} // namespace
