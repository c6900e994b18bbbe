#pragma once

// How close a design comes to its limits: every check's value over its limit,
// the two figures its check page prints, and the largest of them over a run.

#include <cstddef>
#include <optional>

#include "run/run_records.h"

namespace korvex::run {

// value / limit. A passing check stays below 1; equality already fails, so a
// check at exactly 1 is NG. A limit of nothing (a span too short to have a
// deflection limit) gives 1 for a value of nothing, which the check calls
// equal, and infinity for any other.
double check_ratio(const CheckLine& line);

struct Utilization {
    double maxRatio = 0.0;
    std::size_t page = 0; // into CalculationRun::checkPages
    std::size_t line = 0; // into that page's lines
};

// The largest ratio of the run's check pages, the first in report order among
// equal ones; none when nothing was checked.
std::optional<Utilization> utilization(const CalculationRun& run);

} // namespace korvex::run
