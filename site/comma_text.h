#pragma once

// The comma text of the site data files: fields are separated by commas, and
// blanks and other characters below code 33 outside double quotes separate
// fields too. A quoted field may hold commas and blanks; a doubled quote inside
// it stands for one quote.

#include <string>
#include <string_view>
#include <vector>

namespace korvex::site {

std::vector<std::string> split_comma_text(std::string_view line);

} // namespace korvex::site
