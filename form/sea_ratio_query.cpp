#include "form/sea_ratio_query.h"

#include "common/number_parse.h"
#include "form/result_json.h"
#include "sea/coordinate_text.h"
#include "sea/sea_ratio.h"

namespace korvex::form {

SeaRatioAnswer answer_sea_ratio(const sea::CoastlineStore& store, std::string_view point_text,
                                std::string_view radius_text) {
    const auto point = sea::parse_coordinates(point_text);
    if (const auto* message = std::get_if<std::string>(&point)) return {std::nullopt, *message};
    const auto radius = common::parse_decimal(radius_text);
    if (!radius || *radius < kMinQueryRadiusKm || *radius > kMaxQueryRadiusKm)
        return {std::nullopt,
                "半径「" + std::string(radius_text) + "」は 1～100 の数値（km）で指定して下さい。"};
    const sea::Coastline* coastline = store.coastline();
    if (!coastline) return {std::nullopt, store.error(), true};
    const sea::GeoPoint centre = std::get<sea::GeoPoint>(point);
    const auto fraction = sea::sea_fraction(*coastline, centre, *radius * 1000.0);
    if (!fraction) return {std::nullopt, sea::outside_data_message(*coastline)};
    return {sea_ratio_json(centre, *radius, *fraction), {}};
}

} // namespace korvex::form
