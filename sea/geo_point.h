#pragma once

// A point on the earth in decimal degrees (WGS 84, which JGD 2011 and the map
// data share to well below a metre): latitude north, longitude east.

namespace korvex::sea {

struct GeoPoint {
    double latitude = 0.0;
    double longitude = 0.0;
    friend bool operator==(const GeoPoint&, const GeoPoint&) = default;
};

} // namespace korvex::sea
