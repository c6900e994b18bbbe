#include "sea/source_line.h"

#include "common/number_text.h"
#include "sea/coordinate_text.h"

namespace korvex::sea {

std::string sea_ratio_source_line(GeoPoint centre, double radius_km) {
    return "海率参考値：" + coordinates_text(centre) + " を中心とする半径 " +
           common::shortest_decimal(radius_km) + " km の円内の海の面積の割合（" + kMapAttribution +
           "、" + kNoLakes + "）";
}

} // namespace korvex::sea
