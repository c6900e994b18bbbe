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

namespace korvex::form {

common::JsonObject results_json(const Session& session, const std::vector<std::string>& messages);

// {"error": {"message": ..., "control": ... or null}}
common::JsonObject error_json(const std::string& message, const std::string& control = {});

} // namespace korvex::form
