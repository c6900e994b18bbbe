#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "sea/disk_area.h"
#include "sea/map_rings.h"
#include "sea/sea_ratio.h"
#include "tests/sea/sea_fixture.h"

namespace korvex::sea {
namespace {

double signed_area(const MapRing& ring) {
    double twice = 0.0;
    for (std::size_t i = 0; i < ring.points.size(); ++i) {
        const PlanePoint a = ring.points[i];
        const PlanePoint b = ring.points[(i + 1) % ring.points.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2.0;
}

bool on_square(PlanePoint p, double h) {
    return std::fabs(std::fabs(p.x) - h) < 1e-6 || std::fabs(std::fabs(p.y) - h) < 1e-6;
}

TEST(MapRings, TheSquareHoldsTheSeaAndOnlyTheCoastIsMarked) {
    const Coastline coast =
        testing::coastline_of({testing::dense_ring({{140, 31}, {149, 31}, {149, 44}, {140, 44}})});
    const double h = 22000.0;
    const auto rings = map_rings(coast, {37.5, 140.0}, h);
    ASSERT_TRUE(rings);
    double area = 0.0;
    for (const MapRing& ring : *rings) {
        area += signed_area(ring);
        for (std::size_t i = 0; i < ring.points.size(); ++i) {
            const PlanePoint a = ring.points[i];
            EXPECT_LE(std::fmax(std::fabs(a.x), std::fabs(a.y)), h + 1e-6);
            if (!ring.coast[i]) continue;
            // The coast is the meridian: x = 0 in the plane.
            EXPECT_NEAR(a.x, 0.0, 1e-6);
        }
    }
    EXPECT_NEAR(area, 2.0 * h * h, 1e-3 * h);
}

// The map's rings hold the same sea in the circle as the measurement finds.
TEST(MapRings, AgreeWithTheMeasuredShare) {
    const Coastline& coast = testing::shipped_coastline();
    for (const GeoPoint centre :
         {GeoPoint{37.91611111, 139.0363889}, GeoPoint{34.34027778, 134.0433333},
          GeoPoint{32.9, 129.9583333}}) {
        const double r = 40000.0;
        const auto rings = map_rings(coast, centre, 1.15 * r);
        ASSERT_TRUE(rings);
        double sum = 0.0;
        for (const MapRing& ring : *rings) {
            for (std::size_t i = 0; i < ring.points.size(); ++i) {
                const PlanePoint a = ring.points[i];
                const PlanePoint b = ring.points[(i + 1) % ring.points.size()];
                sum += edge_disk_term(a, b, r);
                if (ring.coast[i]) {
                    EXPECT_FALSE(on_square(a, 1.15 * r) && on_square(b, 1.15 * r));
                }
            }
        }
        const int winding = coast.winding_number(centre.longitude * 1e5, centre.latitude * 1e5);
        const double disk = std::numbers::pi * r * r;
        EXPECT_NEAR((sum + winding * disk) / disk, *sea_fraction(coast, centre, r), 1e-9);
    }
    EXPECT_FALSE(map_rings(coast, {46.5, 142.0}, 50000.0));
}

} // namespace
} // namespace korvex::sea
