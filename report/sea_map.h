#pragma once

// The small map of a sea ratio: the circle of radius R about the site on the
// equal-area plane the ratio is measured in, the sea shaded, the coast, the
// point, a north arrow and a scale bar, and under it where the point is and
// where the map comes from. Drawn on any surface: the map window, the page,
// the browser's SVG.

#include <string>

#include "report/surface.h"
#include "sea/coastline.h"
#include "sea/geo_point.h"

namespace korvex::report {

struct SeaMapFigure {
    sea::GeoPoint centre;
    double radiusKm = 0.0;
    double fraction = 0.0; // the measured share, 0 to 1
    // The site's own point ("建設地"), or the area's office ("役所").
    bool enteredPoint = false;
    friend bool operator==(const SeaMapFigure&, const SeaMapFigure&) = default;
};

// The map shows this much more than the circle, each way.
inline constexpr double kSeaMapMargin = 1.15;

// How high the figure is when `width` pixels wide: the square map and three
// rows of text under it at most.
int sea_map_height(const Surface& surface, int width);

// Draws the figure with its top-left corner at `at`, `width` pixels wide. False
// (and nothing drawn) when the map data does not reach round the square.
bool draw_sea_map(Surface& surface, Point at, int width, const sea::Coastline& coastline,
                  const SeaMapFigure& figure);

} // namespace korvex::report
