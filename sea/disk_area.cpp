#include "sea/disk_area.h"

#include <algorithm>
#include <cmath>

namespace korvex::sea {

double edge_disk_term(PlanePoint p, PlanePoint q, double r) {
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    // |p + t d|^2 = r^2: the edge's line meets the circle at t0 <= t1.
    const double a = dx * dx + dy * dy;
    if (a == 0.0) return 0.0;
    const double b = p.x * dx + p.y * dy;
    const double c = p.x * p.x + p.y * p.y - r * r;
    const double discriminant = b * b - a * c;
    if (discriminant <= 0.0) return 0.0;
    const double root = std::sqrt(discriminant);
    const double t0 = std::max(0.0, (-b - root) / a);
    const double t1 = std::min(1.0, (-b + root) / a);
    if (t0 >= t1) return 0.0;
    const PlanePoint from{p.x + t0 * dx, p.y + t0 * dy};
    const PlanePoint to{p.x + t1 * dx, p.y + t1 * dy};
    const double cross = from.x * to.y - from.y * to.x;
    const double dot = from.x * to.x + from.y * to.y;
    return 0.5 * cross - 0.5 * r * r * std::atan2(cross, dot);
}

double distance_to_segment(PlanePoint p, PlanePoint q) {
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    const double a = dx * dx + dy * dy;
    const double t = a == 0.0 ? 0.0 : std::clamp(-(p.x * dx + p.y * dy) / a, 0.0, 1.0);
    const double x = p.x + t * dx;
    const double y = p.y + t * dy;
    // sqrt rather than hypot: the figures are far from overflow, and hypot's
    // newer symbol would raise the C library the package needs.
    return std::sqrt(x * x + y * y);
}

} // namespace korvex::sea
