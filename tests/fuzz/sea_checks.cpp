#include <cmath>

#include "sea/coastline_file.h"
#include "sea/coordinate_text.h"
#include "sea/map_rings.h"
#include "sea/sea_ratio.h"
#include "tests/fuzz/fuzz_checks.h"

namespace korvex::fuzz {

namespace {

bool close_to(sea::GeoPoint a, sea::GeoPoint b, double tolerance) {
    return std::fabs(a.latitude - b.latitude) <= tolerance &&
           std::fabs(a.longitude - b.longitude) <= tolerance;
}

} // namespace

Faults check_coordinates(std::string_view bytes) {
    Faults faults;
    const auto read = sea::parse_coordinates(bytes);
    if (const auto* message = std::get_if<std::string>(&read)) {
        if (message->empty()) faults.push_back("a refused text gave no message");
        return faults;
    }
    const sea::GeoPoint point = std::get<sea::GeoPoint>(read);
    if (!std::isfinite(point.latitude) || !std::isfinite(point.longitude) ||
        std::fabs(point.latitude) > 90.0 || std::fabs(point.longitude) > 180.0)
        return {"a point off the earth: " + sea::coordinates_text(point)};
    // What the program writes reads back: the source line's four decimals and
    // the project file's six.
    const auto shown = sea::parse_coordinates(sea::coordinates_text(point));
    if (!std::holds_alternative<sea::GeoPoint>(shown) ||
        !close_to(std::get<sea::GeoPoint>(shown), point, 0.5e-4 + 1e-9))
        faults.push_back("\"" + sea::coordinates_text(point) + "\" does not read back");
    const std::string saved =
        sea::coordinate_number(point.latitude) + ", " + sea::coordinate_number(point.longitude);
    const auto kept = sea::parse_coordinates(saved);
    if (!std::holds_alternative<sea::GeoPoint>(kept) ||
        !close_to(std::get<sea::GeoPoint>(kept), point, 0.5e-6 + 1e-9))
        faults.push_back("\"" + saved + "\" does not read back");
    return faults;
}

Faults check_coastline(std::string_view bytes) {
    const sea::CoastlineRead read = sea::parse_coastline(bytes, "fuzz.bin");
    if (!read.coastline) {
        if (read.error.find("「fuzz.bin」") == std::string::npos)
            return {"a refused file's message names no file: " + read.error};
        return {};
    }
    Faults faults;
    const sea::GridBox& box = read.coastline->box();
    const sea::GeoPoint centre{(box.south + box.north) / 2.0 / sea::kUnitsPerDegree,
                               (box.west + box.east) / 2.0 / sea::kUnitsPerDegree};
    for (const double radius : {500.0, 5000.0}) {
        const auto share = sea::sea_fraction(*read.coastline, centre, radius);
        if (share && !(*share >= 0.0 && *share <= 1.0))
            faults.push_back("a share of " + std::to_string(*share));
        if (const auto rings = sea::map_rings(*read.coastline, centre, radius))
            for (const sea::MapRing& ring : *rings)
                for (const sea::PlanePoint& p : ring.points)
                    if (!std::isfinite(p.x) || !std::isfinite(p.y))
                        faults.push_back("a map point off the plane");
    }
    return faults;
}

} // namespace korvex::fuzz
