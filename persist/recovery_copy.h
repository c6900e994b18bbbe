#pragma once

// The copy of the form kept against a crash, a kill or a power cut: a project
// file in the user's data folder, written atomically a few seconds after each
// change, and beside it the path of the design's own file (empty for a design
// never saved). A normal end of the program and every save remove both.

#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "persist/project_file.h"

namespace korvex::persist {

inline constexpr const char* kRecoveryCopyName = "recovery.kvxw";
inline constexpr const char* kRecoveryOriginName = "recovery.origin";

struct RecoveryCopy {
    ProjectLines lines;
    std::filesystem::path origin; // the design's own file, empty if it has none
};

std::filesystem::path recovery_copy_file(const std::filesystem::path& folder);

bool has_recovery_copy(const std::filesystem::path& folder);

// Creates the folder when needed. Returns an error message, empty on success;
// a copy written before stays whole when this one fails.
std::string write_recovery_copy(const std::filesystem::path& folder, const ProjectLines& lines,
                                const std::filesystem::path& origin);

// Nothing when there is no copy; a copy that cannot be read gives its message.
std::optional<std::variant<RecoveryCopy, ReadFailure>>
read_recovery_copy(const std::filesystem::path& folder);

void remove_recovery_copy(const std::filesystem::path& folder);

} // namespace korvex::persist
