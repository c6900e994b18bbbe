#pragma once

// Where the program keeps what belongs to the user rather than to the program:
// the first-run marker, the user's own site table, the copy of the form kept
// against a crash. `getenv` is a parameter so tests can give their own
// environment.

#include <filesystem>
#include <functional>

namespace korvex::persist {

using Getenv = std::function<const char*(const char*)>;

// $XDG_DATA_HOME, or $HOME/.local/share, or .local/share without a home.
std::filesystem::path user_data_home(const Getenv& getenv);

// The program's own folder in it: user_data_home / "korvex".
std::filesystem::path korvex_data_folder(const Getenv& getenv);

// The user's own site files, of the shipped files' names: korvex_data_folder /
// "Load_data". Nothing the program installs lives there, so an upgrade keeps it.
std::filesystem::path user_site_data_folder(const Getenv& getenv);

} // namespace korvex::persist
