#pragma once

// The first-run marker: a four-byte file in the user's data folder whose absence
// makes the program show the usage notice at start-up.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace korvex::persist {

inline constexpr int kFirstRunMarkerValue = 101;

// $XDG_DATA_HOME, or $HOME/.local/share, + "Velmora_DeckPlate/korvex_wood.dat".
// `getenv` is a parameter so tests can give their own environment.
std::filesystem::path first_run_marker_path(const std::function<const char*(const char*)>& getenv);

struct FirstRunResult {
    bool noticeShown = false;
    std::optional<std::string> error; // the marker could not be created or written
};

// Shows the notice (through the callback) when the folder or the file is missing,
// then creates the folder and the file, and makes the file hold 101 as a 32-bit
// little-endian number. A failure is reported, never thrown; the program goes on.
FirstRunResult check_first_run(const std::filesystem::path& marker,
                               const std::function<void()>& show_notice);

} // namespace korvex::persist
