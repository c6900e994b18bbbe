#pragma once

#include <string>
#include <string_view>

namespace korvex::app {

inline constexpr const char* kVersionErrorText = "バージョン取得エラー";

// The displayed version "%d.%d" from the major and minor parts of the program's
// version ("2.2.0.0" gives "2.2"); empty when the program carries no version,
// "バージョン取得エラー" when it cannot be read.
std::string version_string(std::string_view program_version);

} // namespace korvex::app
