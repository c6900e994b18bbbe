// One complete calculation run, both passes and every case, for a four-span deck
// with a left cantilever in a heavy-snow area (the longest run), without drawing.

#include <benchmark/benchmark.h>

#include "calc/coefficient_settings.h"
#include "calc/load_step.h"
#include "calc/product_tables.h"
#include "run/calculation_run.h"

namespace {

void BM_CalculationRun(benchmark::State& state) {
    using namespace korvex;
    calc::DesignInputs in;
    in.comboRatio = calc::CoefficientSettings{}.comboRatio;
    in.heavySnowArea = true;
    in.sectionModulus = calc::deck_section_modulus(0) * 1000;
    in.momentOfInertia = calc::deck_moment_of_inertia(0) * 10000;
    in.deckUnitWeight = 127;
    in.otherDeadLoad = 100;
    in.roughnessCategory = 3;
    in.baseWindSpeed = 34;
    in.eaveHeightCm = 1000;
    in.buildingHeightCm = 1500;
    in.spanDirectionLengthCm = 2000;
    in.snowDepth = 100;
    in.snowUnitWeight = 30;
    in.snowLoad = 3000;
    in.spanCount = 4;
    in.spanLength = {1820, 1820, 1820, 1820};
    in.cantileverMode = 1;
    in.leftCantileverLength = 600;
    in.totalDeckLength = 4 * 1820 + 600;
    in.beamTypeName = "連続梁";
    calc::CalculationData data;
    calc::SnowIncrease increase;
    calc::WindResult wind;
    calc::LoadSet loads;
    calc::run_load_step({in, data, increase, wind, loads});

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
