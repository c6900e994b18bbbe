#pragma once

// A site's latitude and longitude as people copy them from web maps and type
// them: decimal degrees ("39.0822, 141.7083", "39.0822 141.7083",
// "39.0822N 141.7083E") or degrees, minutes and seconds
// ("39°04'56"N 141°42'30"E", "39°04'56.0\"N", "北緯39度4分56秒 東経141度42分30秒",
// "39°04.933'N"), in full-width or half-width characters. Latitude comes first
// unless N/S and E/W (北緯/南緯, 東経/西経) say otherwise.

#include <string>
#include <string_view>
#include <variant>

#include "sea/geo_point.h"

namespace korvex::sea {

// The point, or the Japanese message that says what is wrong.
std::variant<GeoPoint, std::string> parse_coordinates(std::string_view text);

// "北緯 39.0822° 東経 141.7083°": four decimals (about 10 m), south and west as
// 南緯 and 西経.
std::string coordinates_text(GeoPoint point);

// A coordinate as a project file keeps it: six decimals at most (0.1 m).
std::string coordinate_number(double degrees);

} // namespace korvex::sea
