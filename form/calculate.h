#pragma once

// The Calculate command without its window: validation, gathering, the load step
// and the calculation run, on the session's records. The window adds the focus
// change before it and the busy popup and result window around it; the command
// line calls it as it is.

#include <optional>

#include "form/session.h"
#include "run/calculation_run.h"

namespace korvex::form {

// Runs the command. A validation failure leaves every record of the last
// calculation as it was and returns the message with the control to focus
// (the form's active control is moved there too). A caller that only asks
// whether the design passes runs the checks up to the first failure.
std::optional<FormMessage> calculate(Session& session, run::RunScope scope = run::RunScope::whole);

// The two halves of `calculate`, for a caller that shows something between them
// (the window's busy popup): the validation, which fills the span fields of
// `validated` and changes no record of the session; then the rest of the command
// on inputs that passed.
std::optional<FormMessage> validate_for_calculation(Session& session,
                                                    calc::DesignInputs& validated);
void calculate_validated(Session& session, calc::DesignInputs validated,
                         run::RunScope scope = run::RunScope::whole);

// A session holding what Calculate reads of `session`: the form, the
// coefficient settings and the inputs it starts from. Calculate on it leaves
// `session` as it was; the site tables, the paths and the report stay behind.
Session calculation_copy(const Session& session);

// The input window as the report shows it, taken when Calculate is pressed.
report::WindowSnapshot window_snapshot(const InputForm& form);

} // namespace korvex::form
