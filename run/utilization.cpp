#include "run/utilization.h"

#include <limits>

namespace korvex::run {

double check_ratio(const CheckLine& line) {
    if (line.limit > 0.0) return line.value / line.limit;
    if (line.value == line.limit) return 1.0;
    return std::numeric_limits<double>::infinity();
}

std::optional<Utilization> utilization(const CalculationRun& run) {
    std::optional<Utilization> largest;
    for (std::size_t p = 0; p < run.checkPages.size(); ++p) {
        const auto& lines = run.checkPages[p].lines;
        for (std::size_t l = 0; l < lines.size(); ++l) {
            const double ratio = check_ratio(lines[l]);
            // Strictly larger: an equal ratio later in the report does not govern.
            if (!largest || ratio > largest->maxRatio) largest = Utilization{ratio, p, l};
        }
    }
    return largest;
}

} // namespace korvex::run
