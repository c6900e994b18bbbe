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

std::string version_string(std::string_view program_version) {
    if (program_version.empty()) return {};
    const std::size_t dot = program_version.find('.');
    const std::string_view major_text = program_version.substr(0, dot);
    std::string_view minor_text = "0";
    if (dot != std::string_view::npos) {
        const std::string_view rest = program_version.substr(dot + 1);
        minor_text = rest.substr(0, rest.find('.'));
    }
    if (!all_digits(major_text) || !all_digits(minor_text)) return kVersionErrorText;
    const auto major = common::parse_int(major_text);
    const auto minor = common::parse_int(minor_text);
    if (!major || !minor) return kVersionErrorText;
    return std::to_string(*major) + "." + std::to_string(*minor);
}

} // namespace korvex::app
