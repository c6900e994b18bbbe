#pragma once

// Whether the form holds edits that no file has: the design as it was last
// started with, loaded or saved is kept as its project lines, and the form is
// compared with that line by line. Every control, setting and print setting a
// project file keeps is covered, and nothing else.

#include <string>

#include "form/session.h"

namespace korvex::form {

// The form as it is now becomes the design nothing differs from.
void mark_unchanged(Session& session);

bool has_unsaved_changes(const Session& session);

// The window caption: the form's caption, with " *" after it while there are
// unsaved edits.
std::string window_caption(const Session& session);

inline constexpr const char* kUnsavedMark = " *";

// Asked before unsaved edits would be lost: はい saves them, いいえ drops them,
// キャンセル keeps the form as it is.
inline constexpr const char* kSaveChangesQuestion = "変更を保存しますか？";

} // namespace korvex::form
