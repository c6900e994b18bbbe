#pragma once

// Number texts of the report and the project file. One home for every formatter,
// so the same value reads the same on screen, on paper and in a saved design.

#include <cstdint>
#include <string>

namespace korvex::common {

// Shortest general decimal form with up to 15 significant digits and no trailing
// zeros: 1 -> "1", 0.35 -> "0.35", -0.25 -> "-0.25", 1e-06 -> "1E-6".
std::string shortest_decimal(double value);

// Fields are padded to at most this many characters: no page asks for a wider one,
// and a runaway width must not fill memory with blanks.
inline constexpr int kWidestField = 255;

// The report's fixed-point formatter. Truncates the decimal the value stands for
// toward zero at `decimals` places (so (0.29, 6, 2) reads "  0.29"), groups thousands
// with ",", writes zero as "0.0", pads the integer part with spaces to
// width - decimals - 1 characters and never cuts a longer text.
std::string format_fixed(double value, int width, int decimals);

// The report's integer formatter: thousands separators, padded to `width`; a one-
// or two-character number gets two or one extra leading spaces.
std::string format_count(long long value, int width);

// The grouped pictures ",0", ",#.##" and ",0.##": thousands separators and at
// most `max_decimals` fraction digits, rounded half away from zero, without
// trailing fraction zeros. A value below 1 keeps its integer zero only with
// `integer_zero` (",0.##" gives "0.5", ",#.##" gives ".5"); zero reads "0".
std::string format_grouped(double value, int max_decimals, bool integer_zero);

// Groups the digits of a plain integer text ("-1234567" -> "-1,234,567").
std::string group_thousands(const std::string& integer_text);

// Removes leading and trailing bytes up to and including the blank.
std::string trim(const std::string& text);

// A colour 0xRRGGBB as a page writes it: "#RRGGBB".
std::string hex_colour(std::uint32_t rgb);

} // namespace korvex::common
