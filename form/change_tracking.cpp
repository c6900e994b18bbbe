#include "form/change_tracking.h"

#include "form/project_lines.h"

namespace korvex::form {

void mark_unchanged(Session& session) {
    session.unchangedLines = collect_project_lines(session);
}

bool has_unsaved_changes(const Session& session) {
    return collect_project_lines(session) != session.unchangedLines;
}

std::string window_caption(const Session& session) {
    return has_unsaved_changes(session) ? session.form.caption + kUnsavedMark
                                        : session.form.caption;
}

} // namespace korvex::form
