#include "analysis/case_results.h"

#include <utility>

namespace korvex::analysis {

void reset_case_results(BeamModel& model, CaseResults& results) {
    model = BeamModel{};
    for (auto& list : results.moment_samples) list.clear();
    for (auto& list : results.deflection_samples) list.clear();
    for (auto& list : results.cantilever_moment_samples) list.clear();
    for (auto& list : results.cantilever_deflection_samples) list.clear();
    // Keep the lists' storage: the run resets a dozen times per calculation.
    auto moment = std::move(results.moment_samples);
    auto deflection = std::move(results.deflection_samples);
    auto cantilever_moment = std::move(results.cantilever_moment_samples);
    auto cantilever_deflection = std::move(results.cantilever_deflection_samples);
    results = CaseResults{};
    results.moment_samples = std::move(moment);
    results.deflection_samples = std::move(deflection);
    results.cantilever_moment_samples = std::move(cantilever_moment);
    results.cantilever_deflection_samples = std::move(cantilever_deflection);
}

} // namespace korvex::analysis
