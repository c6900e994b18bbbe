#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "sea/equal_area_projection.h"

namespace korvex::sea {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Points at a geodesic distance from a centre on GRS 80, from Vincenty's direct
// solution (computed apart from this program): the plane's circle of that radius
// must pass through them.
struct GeodesicPoint {
    double centreLatitude, centreLongitude;
    int azimuth;
    double distance, latitude, longitude;
};
constexpr GeodesicPoint kGeodesicPoints[] = {
    {24.34, 124.16, 0, 40000, 24.7011222937, 124.1600000000},
    {24.34, 124.16, 90, 40000, 24.3394880427, 124.5541549491},
    {24.34, 124.16, 225, 100000, 23.6999990246, 123.4666762038},
    {39.08222222, 141.7083333, 0, 40000, 39.4425160613, 141.7083333000},
    {39.08222222, 141.7083333, 90, 40000, 39.0813058584, 142.1706178070},
    {39.08222222, 141.7083333, 225, 100000, 38.4424265617, 140.8983861226},
    {45.41, 141.67, 0, 40000, 45.7698957174, 141.6700000000},
    {45.41, 141.67, 90, 40000, 45.4088571269, 142.1809631039},
    {45.41, 141.67, 225, 100000, 44.7702131417, 140.7767528728},
};

TEST(EqualAreaProjection, TheGroundsCircleIsThePlanesCircleToWithinMetres) {
    for (const GeodesicPoint& g : kGeodesicPoints) {
        const EqualAreaProjection plane({g.centreLatitude, g.centreLongitude});
        const PlanePoint p = plane.forward({g.latitude, g.longitude});
        EXPECT_NEAR(std::hypot(p.x, p.y), g.distance, g.distance < 50000 ? 0.25 : 2.0)
            << g.centreLatitude << " azimuth " << g.azimuth;
        // North is up and east to the right.
        const double bearing = std::atan2(p.x, p.y) / kDegree;
        EXPECT_NEAR(std::remainder(bearing - g.azimuth, 360.0), 0.0, 0.01);
    }
}

// The scale at the centre is true along the meridian and the parallel, and an
// area anywhere keeps its size: the Jacobian is M N cos(latitude), the area of
// a unit cell of latitude and longitude on the ellipsoid.
TEST(EqualAreaProjection, ScaleIsTrueAtTheCentreAndAreasKeepTheirSize) {
    const double h = 1e-4; // degrees; central differences
    for (const double latitude : {24.3, 35.0, 39.08, 45.4}) {
        const EqualAreaProjection plane({latitude, 140.0});
        const auto step = [&](GeoPoint at, double dlat, double dlon) {
            const PlanePoint a = plane.forward({at.latitude + dlat, at.longitude + dlon});
            const PlanePoint b = plane.forward({at.latitude - dlat, at.longitude - dlon});
            return PlanePoint{(a.x - b.x) / (2 * h * kDegree), (a.y - b.y) / (2 * h * kDegree)};
        };
        const PlanePoint north = step({latitude, 140.0}, h, 0);
        const PlanePoint east = step({latitude, 140.0}, 0, h);
        EXPECT_NEAR(north.y / meridian_radius(latitude), 1.0, 1e-9);
        EXPECT_NEAR(east.x / (prime_vertical_radius(latitude) * std::cos(latitude * kDegree)), 1.0,
                    1e-9);
        EXPECT_NEAR(north.x, 0.0, 1e-6);
        EXPECT_NEAR(east.y, 0.0, 1e-6);

        for (const GeoPoint at :
             {GeoPoint{latitude + 0.5, 140.3}, GeoPoint{latitude - 0.7, 139.2}}) {
            const PlanePoint dn = step(at, h, 0);
            const PlanePoint de = step(at, 0, h);
            const double jacobian = de.x * dn.y - de.y * dn.x;
            const double ground = meridian_radius(at.latitude) *
                                  prime_vertical_radius(at.latitude) *
                                  std::cos(at.latitude * kDegree);
            EXPECT_NEAR(jacobian / ground, 1.0, 1e-6) << latitude;
        }
    }
}

} // namespace
} // namespace korvex::sea
