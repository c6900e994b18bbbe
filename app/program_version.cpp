#include "app/program_version.h"

#include <algorithm>
#include <cctype>

#include "common/number_parse.h"

namespace korvex::app {

namespace {

bool all_digits(std::string_view part) {
    return !part.empty() && std::all_of(part.begin(), part.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

} // namespace

std::string version_string(std::string_view programVersion) {
    if (programVersion.empty()) return {};
    const std::size_t dot = programVersion.find('.');
    const std::string_view majorText = programVersion.substr(0, dot);
    std::string_view minorText = "0";
    if (dot != std::string_view::npos) {
        const std::string_view rest = programVersion.substr(dot + 1);
        minorText = rest.substr(0, rest.find('.'));
    }
    if (!all_digits(majorText) || !all_digits(minorText)) return kVersionErrorText;
    const auto major = common::parse_int(majorText);
    const auto minor = common::parse_int(minorText);
    if (!major || !minor) return kVersionErrorText;
    return std::to_string(*major) + "." + std::to_string(*minor);
}

} // namespace korvex::app
