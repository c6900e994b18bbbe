#pragma once

// The input form as a page shows it: every control with what it holds, whether
// it is enabled and shown, and its hint, plus the window's caption, the status
// line, the focused control, the span picture and the project's file name. A
// browser page redraws itself from this after every change; the form's rules
// stay here.

#include "common/json.h"
#include "form/session.h"

namespace korvex::form {

common::JsonObject form_state_json(Session& session);

} // namespace korvex::form
