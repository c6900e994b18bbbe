#pragma once

// The sea around a site as a map draws it: the rings of the coastline in the
// site's equal-area plane, clipped to a square about the site. Clipping keeps
// every point's winding number inside the square (1 at sea, 0 on land), so the
// rings can be filled as they are; the edges a clip made, along the square or
// along the data's box, are marked as no coast so that only the coast is drawn.

#include <optional>
#include <vector>

#include "sea/coastline.h"
#include "sea/equal_area_projection.h"

namespace korvex::sea {

struct MapRing {
    std::vector<PlanePoint> points;
    // coast[i]: the edge from points[i] to the next point (the last to the
    // first) is coast.
    std::vector<bool> coast;
};

// The rings within the square of half side `half_width` metres about `centre`;
// nullopt when the square reaches beyond the data's box.
std::optional<std::vector<MapRing>> map_rings(const Coastline& coastline, GeoPoint centre,
                                              double half_width);

} // namespace korvex::sea
