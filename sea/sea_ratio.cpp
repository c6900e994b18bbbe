#include "sea/sea_ratio.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "common/number_text.h"
#include "common/rounding.h"
#include "sea/disk_area.h"
#include "sea/equal_area_projection.h"

namespace korvex::sea {

namespace {

// A degree of latitude is at least this long (at the equator).
constexpr double kMinMetresPerDegreeLatitude = 110574.0;
// The plane's distances are true to 2.5e-4 within 100 km; the bounds allow 1 %.
constexpr double kBoundsAllowance = 1.01;
// An edge through the centre leaves the angle it subtends undefined; the centre
// then moves by 13 micrometres, which changes a share of a 1 km circle by 1e-8.
constexpr double kCentreClearance = 1e-6;
constexpr std::array<PlanePoint, 3> kCentreShifts = {
    {{0.0, 0.0}, {1.03e-5, 0.71e-5}, {-0.67e-5, 1.09e-5}}};

GeoPoint geo(const GridPoint& p) {
    return {static_cast<double>(p.y) / kUnitsPerDegree, static_cast<double>(p.x) / kUnitsPerDegree};
}

struct Segment {
    PlanePoint from;
    PlanePoint to;
};

// The edges near the circle in the plane, each in pieces short enough to be
// straight there; consecutive edges of a ring share their point, which is
// projected once.
std::vector<Segment> project_edges(const Coastline& coastline, const EqualAreaProjection& plane,
                                   const std::vector<std::uint32_t>& edges) {
    std::vector<Segment> segments;
    segments.reserve(edges.size());
    std::uint32_t last_end = 0;
    PlanePoint last_point;
    bool have_last = false;
    for (std::uint32_t edge : edges) {
        const GridPoint a = coastline.point(edge);
        const GridPoint b = coastline.point(coastline.next(edge));
        PlanePoint from = have_last && last_end == edge ? last_point : plane.forward(geo(a));
        const double dx = static_cast<double>(b.x) - a.x;
        const double dy = static_cast<double>(b.y) - a.y;
        const int pieces = piece_count(dx, dy);
        for (int k = 1; k < pieces; ++k) {
            const double t = static_cast<double>(k) / pieces;
            const PlanePoint to =
                plane.forward({(a.y + t * dy) / kUnitsPerDegree, (a.x + t * dx) / kUnitsPerDegree});
            segments.push_back({from, to});
            from = to;
        }
        last_end = coastline.next(edge);
        last_point = plane.forward(geo(b));
        have_last = true;
        segments.push_back({from, last_point});
    }
    return segments;
}

// The sum of edge_disk_term about `centre` in the plane, or nullopt when an
// edge passes through the centre and `clear` asks for clearance.
std::optional<double> term_sum(const std::vector<Segment>& segments, PlanePoint centre,
                               double radius, bool clear) {
    double sum = 0.0;
    for (const Segment& s : segments) {
        const PlanePoint from{s.from.x - centre.x, s.from.y - centre.y};
        const PlanePoint to{s.to.x - centre.x, s.to.y - centre.y};
        if (clear && distance_to_segment(from, to) < kCentreClearance) return std::nullopt;
        sum += edge_disk_term(from, to, radius);
    }
    return sum;
}

} // namespace

GridBox circle_bounds(GeoPoint centre, double radius) {
    const double dlat = radius / kMinMetresPerDegreeLatitude * kBoundsAllowance;
    const double far_latitude = std::fmin(
        89.0, std::fmax(std::fabs(centre.latitude - dlat), std::fabs(centre.latitude + dlat)));
    const double metres_per_degree_longitude = kEquatorialRadius * std::numbers::pi / 180.0 *
                                               std::cos(far_latitude * std::numbers::pi / 180.0);
    const double dlon = radius / metres_per_degree_longitude * kBoundsAllowance;
    const auto units = [](double degrees, auto round) {
        return static_cast<std::int32_t>(round(degrees * kUnitsPerDegree));
    };
    const auto down = [](double v) { return std::floor(v); };
    const auto up = [](double v) { return std::ceil(v); };
    return {units(centre.longitude - dlon, down), units(centre.latitude - dlat, down),
            units(centre.longitude + dlon, up), units(centre.latitude + dlat, up)};
}

std::optional<double> sea_fraction(const Coastline& coastline, GeoPoint centre, double radius) {
    if (!(radius > 0.0) || radius > kWidestRadius || !std::isfinite(centre.latitude) ||
        !std::isfinite(centre.longitude) || std::fabs(centre.latitude) > 89.0)
        return std::nullopt;
    const GridBox bounds = circle_bounds(centre, radius);
    if (!coastline.box().contains(bounds)) return std::nullopt;
    std::vector<std::uint32_t> edges;
    coastline.edges_near(bounds, edges);
    const EqualAreaProjection plane(centre);
    const std::vector<Segment> segments = project_edges(coastline, plane, edges);

    std::optional<double> sum;
    for (const PlanePoint& shift : kCentreShifts)
        if ((sum = term_sum(segments, shift, radius, true))) break;
    if (!sum) sum = term_sum(segments, kCentreShifts.back(), radius, false);

    // sum = sea area - W pi r^2, W being 1 at sea and 0 on land: its sign tells
    // W wherever any coast enters the circle; only a circle that is all sea or
    // all land (up to a few square metres) asks where its centre lies.
    const double disk = std::numbers::pi * radius * radius;
    const double tolerance = 1e-9 * disk;
    double area = *sum;
    if (*sum < -tolerance) {
        area += disk;
    } else if (*sum <= tolerance) {
        const int winding = coastline.winding_number(centre.longitude * kUnitsPerDegree,
                                                     centre.latitude * kUnitsPerDegree);
        area += winding > 0 ? disk : 0.0;
    }
    return std::clamp(area / disk, 0.0, 1.0);
}

std::string outside_data_message(const Coastline& coastline) {
    const auto degrees = [](std::int32_t units) {
        return common::shortest_decimal(static_cast<double>(units) / kUnitsPerDegree);
    };
    const GridBox& box = coastline.box();
    return "半径Rの円が地図データの範囲（北緯 " + degrees(box.south) + "～" + degrees(box.north) +
           "°、東経 " + degrees(box.west) + "～" + degrees(box.east) +
           "°）からはみ出すため、海率を測れません。";
}

double rounded_sea_fraction(double fraction) {
    return common::round_to(fraction, 3);
}

int sea_ratio_percent(double fraction) {
    return common::to_int(common::round_to(fraction * 100.0, 0));
}

} // namespace korvex::sea
