#pragma once

// The results of a calculation as one JSON document, for `korvex --json`:
// every input, the site, the derivations, each check page and diagram block,
// the counters and the verdict. Numbers read back to the same double.

#include <string>
#include <vector>

#include <QJsonObject>

#include "form/session.h"

namespace korvex::app {

QJsonObject results_json(const form::Session& session, const std::vector<std::string>& messages);

// {"error": {"message": ..., "control": ... or null}}
QJsonObject error_json(const std::string& message, const std::string& control = {});

} // namespace korvex::app
