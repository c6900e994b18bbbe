#pragma once

#include <filesystem>
#include <optional>

namespace korvex::app {

// The data folder "Load_data": beside the program, or in the installed share
// folder (../share/korvex/Load_data). nullopt when neither exists.
std::optional<std::filesystem::path> find_data_folder(const std::filesystem::path& program_folder);

} // namespace korvex::app
