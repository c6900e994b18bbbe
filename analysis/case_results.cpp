#include "analysis/case_results.h"

#include <utility>

namespace korvex::analysis {

void reset_case_results(BeamModel& model, CaseResults& results) {
    model = BeamModel{};
    for (auto& list : results.momentSamples) list.clear();
    for (auto& list : results.deflectionSamples) list.clear();
    for (auto& list : results.cantileverMomentSamples) list.clear();
    for (auto& list : results.cantileverDeflectionSamples) list.clear();
    // Keep the lists' storage: the run resets a dozen times per calculation.
    auto moment = std::move(results.momentSamples);
    auto deflection = std::move(results.deflectionSamples);
    auto cantilever_moment = std::move(results.cantileverMomentSamples);
    auto cantilever_deflection = std::move(results.cantileverDeflectionSamples);
    results = CaseResults{};
    results.momentSamples = std::move(moment);
    results.deflectionSamples = std::move(deflection);
    results.cantileverMomentSamples = std::move(cantilever_moment);
    results.cantileverDeflectionSamples = std::move(cantilever_deflection);
}

} // namespace korvex::analysis
