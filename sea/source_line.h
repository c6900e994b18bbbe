#pragma once

// What goes with every figure taken from the map data: its source and what it
// leaves out.

#include <string>

#include "sea/geo_point.h"

namespace korvex::sea {

inline constexpr const char* kMapAttribution = "地図データ © OpenStreetMap contributors";
inline constexpr const char* kMapLicence = "ODbL 1.0";
inline constexpr const char* kNoLakes = "湖沼を含まない";

// "海率参考値：北緯 39.0822° 東経 141.7083° を中心とする半径 40 km の円内の海の面積の
// 割合（地図データ © OpenStreetMap contributors、湖沼を含まない）"
std::string sea_ratio_source_line(GeoPoint centre, double radius_km);

} // namespace korvex::sea
