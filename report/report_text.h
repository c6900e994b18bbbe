#pragma once

// Texts the report pages share.

#include <string>
#include <string_view>

namespace korvex::report {

// Unit labels as the pages print them. The two middle dots are different
// characters: "kN･m" has the half-width one, "N・㎜" the full-width one.
struct UnitLabels {
    static constexpr std::string_view mm = "mm";
    static constexpr std::string_view kMmWide = "㎜";
    static constexpr std::string_view kNPerM = "N/m";
    static constexpr std::string_view kn = "kN";
    static constexpr std::string_view kNM = "kN･m";
    static constexpr std::string_view kNMm = "N・㎜";
    static constexpr std::string_view kNPerMm = "N/㎜";
};

// `count` copies of one character (which may take several bytes); none for a
// count of zero or less.
std::string repeat_character(std::string_view character, int count);

// The report's fixed-point text without its leading spaces.
std::string fixed_trimmed(double value, int width, int decimals);

} // namespace korvex::report
