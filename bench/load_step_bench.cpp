// The load step of one calculation: snow increase and the wind derivation.

#include <benchmark/benchmark.h>

#include "calc/load_step.h"
#include "tests/support/designs.h"

namespace {

void BM_LoadStep(benchmark::State& state) {
    using namespace korvex::calc;
    const DesignInputs base = korvex::testing::design_inputs();
    CalculationData data;
    SnowIncrease increase;
    WindResult wind;
    LoadSet loads;
    for (auto _ : state) {
        DesignInputs inputs = base;
        run_load_step({inputs, data, increase, wind, loads});
        benchmark::DoNotOptimize(loads);
    }
}
BENCHMARK(BM_LoadStep);

} // namespace
