#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "sea/disk_area.h"

namespace korvex::sea {
namespace {

constexpr double kPi = std::numbers::pi;

// The area a closed ring covers in the disk, with the winding number at the
// centre given.
double ring_area_in_disk(const std::vector<PlanePoint>& ring, double r, int winding) {
    double sum = 0.0;
    for (std::size_t i = 0; i < ring.size(); ++i)
        sum += edge_disk_term(ring[i], ring[(i + 1) % ring.size()], r);
    return kPi * r * r * winding + sum;
}

// The area of the disk beyond a chord at distance d from the centre.
double segment_area(double r, double d) {
    return r * r * std::acos(d / r) - d * std::sqrt(r * r - d * d);
}

TEST(DiskArea, HalfPlanesCutTheirCircularSegment) {
    const double r = 40000.0;
    for (const double d : {-39000.0, -20000.0, -0.5, 1e-3, 12345.0, 39999.0, 45000.0}) {
        // Sea east of x = d, counterclockwise, reaching far beyond the disk.
        const std::vector<PlanePoint> sea = {{d, -1e6}, {1e6, -1e6}, {1e6, 1e6}, {d, 1e6}};
        const int winding = d < 0.0 ? 1 : 0;
        const double expected = d >= r   ? 0.0
                                : d >= 0 ? segment_area(r, d)
                                         : kPi * r * r - segment_area(r, -d);
        EXPECT_NEAR(ring_area_in_disk(sea, r, winding), expected, 1e-6 * r * r) << d;
    }
}

TEST(DiskArea, IslandsAndBaysCountWithTheirOrientation) {
    const double r = 20000.0;
    // A square island (clockwise: land) of 2 km inside the disk, off the centre,
    // in a sea that covers everything.
    const std::vector<PlanePoint> island = {{5000, 5000}, {5000, 7000}, {7000, 7000}, {7000, 5000}};
    EXPECT_NEAR(ring_area_in_disk(island, r, 1), kPi * r * r - 4e6, 1e-3);
    // The same square as a pond of sea (counterclockwise) on land.
    const std::vector<PlanePoint> pond(island.rbegin(), island.rend());
    EXPECT_NEAR(ring_area_in_disk(pond, r, 0), 4e6, 1e-3);
    // A square half out of the disk: the part inside is the square's inside part.
    const std::vector<PlanePoint> edge_pond = {
        {19000, -1000}, {21000, -1000}, {21000, 1000}, {19000, 1000}};
    const double inside =
        2.0 * (std::sqrt(r * r - 1000.0 * 1000.0) * 1000.0 + r * r * std::asin(1000.0 / r)) / 2.0 -
        19000.0 * 2000.0;
    EXPECT_NEAR(ring_area_in_disk(edge_pond, r, 0), inside, 1e-3);
    // Far from the disk a ring adds nothing.
    const std::vector<PlanePoint> far = {{50000, 0}, {60000, 0}, {60000, 10000}};
    EXPECT_EQ(ring_area_in_disk(far, r, 0), 0.0);
}

TEST(DiskArea, DistanceToASegment) {
    EXPECT_DOUBLE_EQ(distance_to_segment({3, -1}, {3, 1}), 3.0);
    EXPECT_DOUBLE_EQ(distance_to_segment({3, 4}, {6, 8}), 5.0);
    EXPECT_DOUBLE_EQ(distance_to_segment({-1, 0}, {1, 0}), 0.0);
    EXPECT_DOUBLE_EQ(distance_to_segment({2, 2}, {2, 2}), std::sqrt(8.0));
}

} // namespace
} // namespace korvex::sea
