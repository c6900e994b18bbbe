#pragma once

// Coastlines for the tests: the shipped one, read once, and small ones built
// from rings in degrees.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "sea/coastline.h"
#include "sea/coastline_file.h"

namespace korvex::sea::testing {

inline const Coastline& shipped_coastline() {
    static const CoastlineRead kRead =
        read_coastline_file(std::filesystem::path(KORVEX_DATA_DIR) / kCoastlineFileName);
    if (!kRead.coastline) ADD_FAILURE() << kRead.error;
    return *kRead.coastline;
}

struct Degrees {
    double longitude;
    double latitude;
};

inline GridPoint grid(Degrees d) {
    return {static_cast<std::int32_t>(std::lround(d.longitude * kUnitsPerDegree)),
            static_cast<std::int32_t>(std::lround(d.latitude * kUnitsPerDegree))};
}

// A ring from `from` to `to` and on, every `step` degrees along each side, so
// that no edge is long.
inline std::vector<GridPoint> dense_ring(const std::vector<Degrees>& corners, double step = 0.01) {
    std::vector<GridPoint> ring;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Degrees a = corners[i];
        const Degrees b = corners[(i + 1) % corners.size()];
        const double length = std::hypot(b.longitude - a.longitude, b.latitude - a.latitude);
        const int pieces = std::max(1, static_cast<int>(std::ceil(length / step)));
        for (int k = 0; k < pieces; ++k) {
            const double t = static_cast<double>(k) / pieces;
            ring.push_back(grid({a.longitude + t * (b.longitude - a.longitude),
                                 a.latitude + t * (b.latitude - a.latitude)}));
        }
    }
    return ring;
}

// Rings in a box from 130 to 150 E and 30 to 45 N.
inline Coastline coastline_of(const std::vector<std::vector<GridPoint>>& rings) {
    return Coastline(
        {130 * kUnitsPerDegree, 30 * kUnitsPerDegree, 150 * kUnitsPerDegree, 45 * kUnitsPerDegree},
        rings);
}

} // namespace korvex::sea::testing
