#pragma once

// The form kept against a crash, and given back at the next start: the session's
// project lines with the path of the design's own file, in the user's data
// folder (persist/recovery_copy.h).

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "form/session.h"

namespace korvex::form {

inline constexpr const char* kRecoveryQuestion = "前回終了時の編集内容を復元しますか？";
// Told once, with the reason after it, when the copy cannot be kept.
inline constexpr const char* kRecoveryKeepFailure = "編集内容の控えを保存できませんでした。";

// The copy follows the form once it has been still this long: long enough not
// to write at every key, short enough that little is lost.
inline constexpr std::chrono::milliseconds kRecoveryDelay{3000};

// Writes the copy; an error message, empty on success.
std::string keep_recovery_copy(const Session& session, const std::filesystem::path& folder);

struct RecoveryOutcome {
    bool restored = false;
    std::vector<std::string> messages; // to show one after the other
};

// Puts the copy into the session as loading a project would, with the design's
// own file as the project's file again. The restored edits count as unsaved: the
// design the form is compared with stays the one the session started with.
RecoveryOutcome restore_recovery_copy(Session& session, const std::filesystem::path& folder);

} // namespace korvex::form
