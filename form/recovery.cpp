#include "form/recovery.h"

#include <variant>

#include "form/project_lines.h"
#include "persist/recovery_copy.h"

namespace korvex::form {

std::string keep_recovery_copy(const Session& session, const std::filesystem::path& folder) {
    return persist::write_recovery_copy(folder, collect_project_lines(session),
                                        session.paths.currentFilePath);
}

RecoveryOutcome restore_recovery_copy(Session& session, const std::filesystem::path& folder) {
    RecoveryOutcome outcome;
    auto read = persist::read_recovery_copy(folder);
    if (!read) return outcome;
    const std::string unreadable = "前回終了時の編集内容を復元できませんでした。\n";
    if (const auto* failure = std::get_if<persist::ReadFailure>(&*read)) {
        outcome.messages.push_back(unreadable + failure->message);
        return outcome;
    }
    const persist::RecoveryCopy& copy = std::get<persist::RecoveryCopy>(*read);
    if (!persist::is_project(copy.lines)) {
        outcome.messages.push_back(unreadable + persist::kNotAProjectMessage);
        return outcome;
    }
    if (!copy.origin.empty()) {
        session.paths.currentFilePath = copy.origin;
        session.paths.lastOpenedPath = copy.origin;
        session.form.caption = persist::project_caption(copy.origin);
    }
    const ProjectApplyReport report = apply_project_lines(session, copy.lines);
    outcome.restored = true;
    outcome.messages = report.messages;
    return outcome;
}

} // namespace korvex::form
