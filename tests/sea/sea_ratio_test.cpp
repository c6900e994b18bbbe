#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "sea/equal_area_projection.h"
#include "sea/sea_ratio.h"
#include "tests/sea/sea_fixture.h"

namespace korvex::sea {
namespace {

using testing::coastline_of;
using testing::Degrees;
using testing::dense_ring;
using testing::shipped_coastline;

constexpr double kPi = std::numbers::pi;

double fraction(const Coastline& coastline, GeoPoint centre, double radius) {
    const auto share = sea_fraction(coastline, centre, radius);
    EXPECT_TRUE(share.has_value()) << centre.latitude << ", " << centre.longitude;
    return share.value_or(-1.0);
}

// The sea east of the meridian 140 E. The meridian is a straight line through
// any centre on it, so the share there is one half, even where the centre is
// one of the coast's points (it is: a point every 0.01 degree).
TEST(SeaRatio, AStraightCoastThroughTheCentreGivesOneHalf) {
    const Coastline coast =
        coastline_of({dense_ring({{140, 31}, {149, 31}, {149, 44}, {140, 44}})});
    for (const double latitude : {37.5, 37.512345, 33.0})
        for (const double radius : {1000.0, 20000.0, 40000.0, 100000.0})
            EXPECT_NEAR(fraction(coast, {latitude, 140.0}, radius), 0.5, 1e-6) << latitude;

    // Off the coast by d the sea is the circular segment beyond d: a meridian
    // beside the centre bends by metres, far below 0.05 points.
    const EqualAreaProjection plane({37.5, 139.8});
    const double d = plane.forward({37.5, 140.0}).x; // about 17.7 km
    const double r = 40000.0;
    const double segment = r * r * std::acos(d / r) - d * std::sqrt(r * r - d * d);
    EXPECT_NEAR(fraction(coast, {37.5, 139.8}, r), segment / (kPi * r * r), 5e-4);
    EXPECT_NEAR(fraction(coast, {37.5, 140.2}, r), 1.0 - segment / (kPi * r * r), 5e-4);
}

double plane_area(const Coastline& coast, std::size_t ring, const EqualAreaProjection& plane) {
    double twice = 0.0;
    const auto at = [&](std::uint32_t i) {
        const GridPoint p = coast.point(i);
        return plane.forward({p.y / 1e5, p.x / 1e5});
    };
    for (std::uint32_t i = coast.ring_begin(ring); i < coast.ring_end(ring); ++i) {
        const PlanePoint a = at(i);
        const PlanePoint b = at(coast.next(i));
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2.0;
}

// An island (a hole of the sea, clockwise) inside the circle: the same share
// whether the centre lies at sea or on the island, and all sea or all land
// where no coast comes near.
TEST(SeaRatio, IslandsCountAsLandWhereverTheCentreLies) {
    std::vector<GridPoint> island =
        dense_ring({{140.0, 37.0}, {140.0, 37.1}, {140.1, 37.1}, {140.1, 37.0}});
    const Coastline coast =
        coastline_of({dense_ring({{135, 32}, {148, 32}, {148, 43}, {135, 43}}), island});
    const double r = 20000.0;
    for (const GeoPoint centre : {GeoPoint{37.05, 140.2}, GeoPoint{37.05, 140.05}}) {
        const EqualAreaProjection plane(centre);
        const double land = -plane_area(coast, 1, plane);
        ASSERT_GT(land, 8.0e7);
        EXPECT_NEAR(fraction(coast, centre, r), 1.0 - land / (kPi * r * r), 1e-9);
    }
    EXPECT_EQ(fraction(coast, {40.0, 145.0}, r), 1.0);
    EXPECT_EQ(fraction(coast, {31.0, 133.0}, r), 0.0);
    EXPECT_EQ(fraction(coast, {37.05, 140.05}, 3000.0), 0.0);
}

TEST(SeaRatio, ACircleBeyondTheDataIsRefused) {
    const Coastline& coast = shipped_coastline();
    EXPECT_FALSE(sea_fraction(coast, {35.0, 120.0}, 20000.0));   // west of the box
    EXPECT_FALSE(sea_fraction(coast, {46.8, 142.0}, 40000.0));   // reaches past 47.1 N
    EXPECT_TRUE(sea_fraction(coast, {45.52, 141.94}, 100000.0)); // Soya, 100 km
    EXPECT_TRUE(sea_fraction(coast, {24.45, 122.94}, 100000.0)); // Yonaguni
    EXPECT_FALSE(sea_fraction(coast, {35.0, 139.0}, 0.0));
    EXPECT_FALSE(sea_fraction(coast, {NAN, 139.0}, 20000.0));
    // An R typed by the thousand kilometres: refused, its box never counted.
    EXPECT_FALSE(sea_fraction(coast, {35.0, 139.0}, 2.0e9));
}

TEST(SeaRatio, FarInlandIsNoSeaAndFarOutIsAllSea) {
    const Coastline& coast = shipped_coastline();
    EXPECT_EQ(fraction(coast, {36.238, 137.972}, 40000.0), 0.0); // Matsumoto
    EXPECT_EQ(fraction(coast, {36.146, 137.252}, 40000.0), 0.0); // Takayama
    EXPECT_EQ(fraction(coast, {31.0, 147.0}, 100000.0), 1.0);
    EXPECT_EQ(fraction(coast, {40.5, 135.0}, 40000.0), 1.0); // Sea of Japan
}

// A count of raster cells, apart from the index and the clipping: every edge
// of the data in the plane (a long one in pieces of 0.02 degree, so that it
// stays the straight line in degrees it is), each row's crossings with their
// directions, and the cells of the disk whose centre the rings wind around.
double raster_fraction(const Coastline& coast, GeoPoint centre, double r, int cells) {
    const EqualAreaProjection plane(centre);
    std::vector<std::pair<PlanePoint, PlanePoint>> pieces;
    for (std::uint32_t i = 0; i < coast.point_count(); ++i) {
        const GridPoint a = coast.point(i);
        const GridPoint b = coast.point(coast.next(i));
        const int n =
            std::max(1, static_cast<int>(std::ceil(
                            std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)) / 2000.0)));
        PlanePoint from = plane.forward({a.y / 1e5, a.x / 1e5});
        for (int k = 1; k <= n; ++k) {
            const double t = static_cast<double>(k) / n;
            const PlanePoint to =
                plane.forward({(a.y + t * (b.y - a.y)) / 1e5, (a.x + t * (b.x - a.x)) / 1e5});
            // Only a piece that reaches into the rows can cross one of them.
            if (std::fmax(from.y, to.y) > -r && std::fmin(from.y, to.y) < r)
                pieces.emplace_back(from, to);
            from = to;
        }
    }
    const double size = 2.0 * r / cells;
    long inside = 0;
    long sea = 0;
    std::vector<std::pair<double, int>> crossings;
    for (int row = 0; row < cells; ++row) {
        const double y = -r + (row + 0.5) * size;
        crossings.clear();
        for (const auto& [a, b] : pieces) {
            if ((a.y > y) == (b.y > y)) continue;
            crossings.emplace_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y), b.y > a.y ? 1 : -1);
        }
        std::sort(crossings.begin(), crossings.end());
        int winding = 0;
        for (const auto& c : crossings) winding += c.second;
        std::size_t next = 0;
        const double half_chord = std::sqrt(r * r - y * y);
        for (int column = 0; column < cells; ++column) {
            const double x = -r + (column + 0.5) * size;
            while (next < crossings.size() && crossings[next].first < x)
                winding -= crossings[next++].second;
            if (std::fabs(x) > half_chord) continue;
            ++inside;
            if (winding != 0) ++sea;
        }
    }
    return static_cast<double>(sea) / static_cast<double>(inside);
}

// A dozen offices on coasts of every kind: open, bays, straits and islands.
TEST(SeaRatio, TheClippedShareMatchesARasterCountAtRealPoints) {
    struct Site {
        const char* name;
        GeoPoint point;
    };
    const Site sites[] = {
        {"新潟市", {37.91611111, 139.0363889}}, {"大船渡市", {39.08222222, 141.7083333}},
        {"久慈市", {40.19027778, 141.7752778}}, {"大村市", {32.9, 129.9583333}},
        {"那覇市", {26.2125, 127.6811111}},     {"函館市", {41.76864057, 140.7290679}},
        {"長崎市", {32.75, 129.8777778}},       {"松島町", {38.38027778, 141.0669444}},
        {"高松市", {34.34027778, 134.0433333}}, {"鳥羽市", {34.48138889, 136.8433333}},
        {"稚内市", {45.41555556, 141.6730556}}, {"石垣市", {24.34055556, 124.1555556}},
    };
    const Coastline& coast = shipped_coastline();
    for (const Site& site : sites) {
        for (const double r : {20000.0, 40000.0}) {
            const double clipped = fraction(coast, site.point, r);
            EXPECT_NEAR(clipped, raster_fraction(coast, site.point, r, 1000), 0.002)
                << site.name << " R " << r / 1000;
        }
    }
}

// Edges hundreds of kilometres long, slanting across the box: indexed by the
// cells they pass through (not by their bounds), and measured as a raster
// count of the same edges finds them.
TEST(SeaRatio, LongSlantingEdgesAreIndexedAlongTheirWay) {
    const Coastline coast(
        {-180 * kUnitsPerDegree, -80 * kUnitsPerDegree, 180 * kUnitsPerDegree,
         80 * kUnitsPerDegree},
        {{testing::grid({130, 30}), testing::grid({150, 30}), testing::grid({140, 45})}});
    EXPECT_LT(coast.index_entry_count(), 2000u);
    for (const GeoPoint centre :
         {GeoPoint{37.5, 135.0}, GeoPoint{37.5, 145.0}, GeoPoint{30.5, 140.0}}) {
        const double r = 100000.0;
        const double share = fraction(coast, centre, r);
        EXPECT_GT(share, 0.05);
        EXPECT_LT(share, 0.95);
        EXPECT_NEAR(share, raster_fraction(coast, centre, r, 1000), 0.002);
    }
    EXPECT_EQ(fraction(coast, {35.0, 140.0}, 20000.0), 1.0);
    EXPECT_EQ(fraction(coast, {35.0, 160.0}, 20000.0), 0.0);
}

TEST(SeaRatio, FiguresAreRoundedHalfUpAsShown) {
    struct Case {
        double fraction;
        double rounded;
        int percent;
    };
    for (const Case c : {Case{0.0, 0.0, 0}, Case{0.0049, 0.005, 0}, Case{0.125, 0.125, 13},
                         Case{0.1249, 0.125, 12}, Case{0.41234, 0.412, 41}, Case{0.4125, 0.413, 41},
                         Case{0.995, 0.995, 100}, Case{1.0, 1.0, 100}}) {
        EXPECT_DOUBLE_EQ(rounded_sea_fraction(c.fraction), c.rounded) << c.fraction;
        EXPECT_EQ(sea_ratio_percent(c.fraction), c.percent) << c.fraction;
    }
}

} // namespace
} // namespace korvex::sea
