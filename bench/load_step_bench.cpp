// The load step of one calculation: snow increase and the wind derivation.

#include <benchmark/benchmark.h>

#include "calc/coefficient_settings.h"
#include "calc/load_step.h"

namespace {

void BM_LoadStep(benchmark::State& state) {
    using namespace korvex::calc;
    DesignInputs base;
    base.comboRatio = CoefficientSettings{}.comboRatio;
    base.roughnessCategory = 3;
    base.baseWindSpeed = 34;
    base.eaveHeightCm = 1000;
    base.buildingHeightCm = 1500;
    base.spanDirectionLengthCm = 2000;
    base.snowDepth = 30;
    base.snowUnitWeight = 20;
    base.snowLoad = 600;
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
