#pragma once

// The sea ratio of Notification 1455: the share of the circle of radius R about
// the site that is sea, measured on the coastline in the equal-area plane
// centred on the site (sea/equal_area_projection.h) by exact clipping of the
// sea polygons against the circle (sea/disk_area.h). Lakes are not in the map
// data and count as land.

#include <optional>
#include <string>

#include "sea/coastline.h"
#include "sea/geo_point.h"

namespace korvex::sea {

// The box in 1e-5 degrees that holds the circle of `radius` metres about
// `centre` as the equal-area plane draws it.
GridBox circle_bounds(GeoPoint centre, double radius);

// No circle wider than this (metres) can lie within the data's box; a wider one
// (an R typed by the thousand kilometres) is refused before its box is counted.
inline constexpr double kWidestRadius = 2'000'000.0;

// The share of the circle covered by sea, from 0 to 1; nullopt when the circle
// does not lie within the coastline's box.
std::optional<double> sea_fraction(const Coastline& coastline, GeoPoint centre, double radius);

// Why a circle is refused: it reaches beyond the data's box, which the message
// names.
std::string outside_data_message(const Coastline& coastline);

// The figures as they are shown: the fraction to three decimals and the
// percentage to a whole number as the sea-ratio field takes it, both rounded
// half up.
double rounded_sea_fraction(double fraction);
int sea_ratio_percent(double fraction);

} // namespace korvex::sea
