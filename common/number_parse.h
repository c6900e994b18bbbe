#pragma once

// Reading numbers typed by the user or stored in a file. Blanks around the number
// are allowed; anything else that is not part of the number makes it invalid.

#include <optional>
#include <string_view>

namespace korvex::common {

// Decimal integer with an optional sign, within the 32-bit range.
std::optional<int> parse_int(std::string_view text);

// Decimal number with an optional sign, fraction and exponent ("1", "0.35", "-2",
// "1.5E2"); "." as the decimal separator. Finite values only.
std::optional<double> parse_decimal(std::string_view text);

} // namespace korvex::common
