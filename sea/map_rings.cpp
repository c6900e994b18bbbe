#include "sea/map_rings.h"

#include <cmath>
#include <numbers>

#include "sea/sea_ratio.h"

namespace korvex::sea {

namespace {

// A ring as its points, each with whether the edge leaving it is coast.
struct FlaggedRing {
    std::vector<PlanePoint> points;
    std::vector<bool> coast;
};

// Sutherland-Hodgman against one half-plane; the clip's own edges are no coast.
template <class Inside, class Cross>
FlaggedRing clip(const FlaggedRing& ring, Inside inside, Cross cross) {
    FlaggedRing out;
    const std::size_t n = ring.points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const PlanePoint& p = ring.points[i];
        const PlanePoint& q = ring.points[(i + 1) % n];
        const bool p_in = inside(p);
        const bool q_in = inside(q);
        if (p_in) {
            out.points.push_back(p);
            out.coast.push_back(ring.coast[i]);
            if (!q_in) {
                out.points.push_back(cross(p, q));
                out.coast.push_back(false);
            }
        } else if (q_in) {
            out.points.push_back(cross(p, q));
            out.coast.push_back(ring.coast[i]);
        }
    }
    return out;
}

FlaggedRing clip_to_box(FlaggedRing ring, double west, double south, double east, double north) {
    const auto at_x = [](double x) {
        return [x](PlanePoint p, PlanePoint q) {
            return PlanePoint{x, p.y + (q.y - p.y) * (x - p.x) / (q.x - p.x)};
        };
    };
    const auto at_y = [](double y) {
        return [y](PlanePoint p, PlanePoint q) {
            return PlanePoint{p.x + (q.x - p.x) * (y - p.y) / (q.y - p.y), y};
        };
    };
    ring = clip(
        ring, [west](PlanePoint p) { return p.x >= west; }, at_x(west));
    ring = clip(
        ring, [east](PlanePoint p) { return p.x <= east; }, at_x(east));
    ring = clip(
        ring, [south](PlanePoint p) { return p.y >= south; }, at_y(south));
    return clip(
        ring, [north](PlanePoint p) { return p.y <= north; }, at_y(north));
}

// The ring in the plane, its long edges in pieces that stay straight there.
FlaggedRing projected(const FlaggedRing& ring, const EqualAreaProjection& plane) {
    FlaggedRing out;
    const std::size_t n = ring.points.size();
    for (std::size_t i = 0; i < n; ++i) {
        const PlanePoint a = ring.points[i];
        const PlanePoint b = ring.points[(i + 1) % n];
        const int pieces = piece_count(b.x - a.x, b.y - a.y);
        for (int k = 0; k < pieces; ++k) {
            const double t = static_cast<double>(k) / pieces;
            out.points.push_back(plane.forward({(a.y + t * (b.y - a.y)) / kUnitsPerDegree,
                                                (a.x + t * (b.x - a.x)) / kUnitsPerDegree}));
            out.coast.push_back(ring.coast[i]);
        }
    }
    return out;
}

} // namespace

std::optional<std::vector<MapRing>> map_rings(const Coastline& coastline, GeoPoint centre,
                                              double half_width) {
    // The square's corners lie half_width * sqrt(2) away.
    const GridBox bounds = circle_bounds(centre, half_width * std::numbers::sqrt2);
    if (!coastline.box().contains(bounds)) return std::nullopt;
    const EqualAreaProjection plane(centre);
    std::vector<MapRing> rings;
    for (std::size_t r = 0; r < coastline.ring_count(); ++r) {
        if (!bounds.meets(coastline.ring_bounds(r))) continue;
        FlaggedRing ring;
        for (std::uint32_t i = coastline.ring_begin(r); i < coastline.ring_end(r); ++i) {
            const GridPoint& p = coastline.point(i);
            ring.points.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
            ring.coast.push_back(!coastline.is_cut(i));
        }
        // First in degrees, to project only what lies near; then in the plane.
        ring = clip_to_box(std::move(ring), bounds.west, bounds.south, bounds.east, bounds.north);
        if (ring.points.size() < 3) continue;
        ring = projected(ring, plane);
        ring = clip_to_box(std::move(ring), -half_width, -half_width, half_width, half_width);
        if (ring.points.size() < 3) continue;
        rings.push_back({std::move(ring.points), std::move(ring.coast)});
    }
    return rings;
}

} // namespace korvex::sea
