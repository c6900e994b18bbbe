#include "form/project_commands.h"

#include <variant>

#include "form/change_tracking.h"
#include "form/project_lines.h"
#include "persist/project_file.h"

namespace korvex::form {

LoadOutcome load_project(Session& s, const std::filesystem::path& file) {
    LoadOutcome outcome;
    s.paths.lastOpenedPath = file;
    auto read = persist::read_project_file(file);
    if (const auto* failure = std::get_if<persist::ReadFailure>(&read)) {
        outcome.failed = true;
        outcome.messages.push_back(failure->message);
        return outcome;
    }
    const persist::ProjectLines& lines = std::get<persist::ProjectLines>(read);
    if (!persist::is_project(lines)) {
        outcome.failed = true;
        outcome.messages.push_back(persist::kNotAProjectMessage);
        return outcome;
    }
    s.paths.currentFilePath = file;
    s.form.caption = persist::project_caption(file);
    const ProjectApplyReport report = apply_project_lines(s, lines);
    outcome.applied = true;
    outcome.failed = report.stopped;
    outcome.messages = report.messages;
    // A load that stopped part-way matches no file: the design it replaced stays
    // the one the form is compared with.
    if (!outcome.failed) mark_unchanged(s);
    return outcome;
}

std::string save_project(Session& s, const std::filesystem::path& file) {
    persist::ProjectLines lines = collect_project_lines(s);
    std::string error = persist::write_project_file(file, lines);
    if (!error.empty()) return error;
    note_project_saved(s, file, std::move(lines));
    return {};
}

void note_project_saved(Session& s, const std::filesystem::path& file,
                        persist::ProjectLines written) {
    s.paths.lastSavedPath = file;
    s.paths.currentFilePath = file;
    s.form.caption = persist::project_caption(file);
    s.unchangedLines = std::move(written);
}

} // namespace korvex::form
