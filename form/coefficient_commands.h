#pragma once

// The coefficient dialog's buttons over the whole session: Set takes the controls
// into the settings and switches the input window's layout every time.

#include <optional>
#include <string>

#include "form/session.h"

namespace korvex::form {

// "設定". On a control that is no number nothing is taken over and the message
// is returned (the dialog stays open); otherwise the settings change, the dialog
// closes and the layout of the chosen calculation method is applied.
std::optional<persist::SetFailure> coefficient_set(Session& session);

// "キャンセル": the stored values back into the controls; the dialog closes.
void coefficient_cancel(Session& session);

} // namespace korvex::form
