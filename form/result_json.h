#pragma once

// The results of a calculation as one JSON document, for `korvex --json` and the
// browser edition alike: every input, the site, the derivations, each check page
// (every check with its ratio) and diagram block, the counters, the verdict and
// the check that comes closest to its limit. Numbers read back to the same
// double.

#include <string>
#include <vector>

#include "common/json.h"
#include "form/session.h"
#include "sea/geo_point.h"

namespace korvex::form {

common::JsonObject results_json(const Session& session, const std::vector<std::string>& messages);

// {"lat", "lon", "radiusKm", "seaRatio" (the fraction to 3 decimals), "percent"}:
// what `korvex --sea-ratio` prints and the results' site.seaRatioReference holds.
common::JsonObject sea_ratio_json(sea::GeoPoint centre, double radius_km, double fraction);

// {"error": {"message": ..., "control": ... or null}}
common::JsonObject error_json(const std::string& message, const std::string& control = {});

} // namespace korvex::form
