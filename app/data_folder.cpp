#include "app/data_folder.h"

#include <system_error>

namespace korvex::app {

std::optional<std::filesystem::path> find_data_folder(const std::filesystem::path& program_folder) {
    const std::filesystem::path candidates[] = {
        program_folder / "Load_data",
        program_folder / ".." / "share" / "korvex" / "Load_data",
    };
    for (const auto& folder : candidates) {
        std::error_code ec;
        if (std::filesystem::is_directory(folder, ec)) return folder.lexically_normal();
    }
    return std::nullopt;
}

} // namespace korvex::app
