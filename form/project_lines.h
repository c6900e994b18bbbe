#pragma once

// The 65 lines of a project file and the controls they come from and go back to.
// Applying puts the values back in line order and runs the window's own change
// behaviours as if the user had entered them.

#include <string>
#include <vector>

#include "form/session.h"
#include "persist/project_file.h"

namespace korvex::form {

persist::ProjectLines collect_project_lines(const Session& session);

struct ProjectApplyReport {
    // Messages to show one after the other, e.g. a ratio line that is no number.
    std::vector<std::string> messages;
    // Loading stopped at a line that had to be a number; the lines before it stay
    // applied, the rest keeps its previous state.
    bool stopped = false;
};

// Applies lines 1 to 64 (line 0 has been identified by the caller). A file with
// fewer lines reads the missing ones as empty.
ProjectApplyReport apply_project_lines(Session& session, const persist::ProjectLines& lines);

} // namespace korvex::form
