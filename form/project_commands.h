#pragma once

// "データ保存" and "データ読込" once the file has been chosen: writing the
// session's 65 lines, and reading, identifying and applying a project file.

#include <filesystem>
#include <string>
#include <vector>

#include "form/session.h"

namespace korvex::form {

struct LoadOutcome {
    // The file was identified as a project and its lines were applied (perhaps
    // only up to a line that stopped the loading).
    bool applied = false;
    // Loading stopped part-way, or the file could not be read or is no project.
    bool failed = false;
    std::vector<std::string> messages; // to show one after the other
};

// Reads `file` into the session. A file that cannot be read or is no project
// changes nothing but the remembered opened path.
LoadOutcome load_project(Session& session, const std::filesystem::path& file);

// Writes the session to `file`; on success the file becomes the project's file
// and the window caption names it. Returns an error message, empty on success.
std::string save_project(Session& session, const std::filesystem::path& file);

// What a save does once `written` (the lines collect_project_lines gave) is in
// `file`, for a caller that writes the bytes itself and may see the form change
// meanwhile: the file becomes the project's file and the form is compared with
// what was written, not with what it holds by then.
void note_project_saved(Session& session, const std::filesystem::path& file,
                        persist::ProjectLines written);

} // namespace korvex::form
