#pragma once

// One sea ratio asked for by text, as `korvex --sea-ratio LAT,LON RADIUS_KM`
// asks: the point as the snow panel reads it, the radius 1-100 km.

#include <optional>
#include <string>
#include <string_view>

#include "common/json.h"
#include "sea/coastline_store.h"

namespace korvex::form {

inline constexpr double kMinQueryRadiusKm = 1.0;
inline constexpr double kMaxQueryRadiusKm = 100.0;

struct SeaRatioAnswer {
    std::optional<common::JsonObject> figures; // sea_ratio_json
    std::string message;                       // why there are none
    bool dataMissing = false;                  // the coastline file, not the question
};

SeaRatioAnswer answer_sea_ratio(const sea::CoastlineStore& store, std::string_view point_text,
                                std::string_view radius_text);

} // namespace korvex::form
