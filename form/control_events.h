#pragma once

// What a change of each control of the main window does: the one mapping from
// a control's role name to the form's behaviour, for every view of the form.

#include <optional>
#include <string_view>

#include "form/session.h"

namespace korvex::form {

// The user changed control `name` to `value` (a combo: item index as decimal
// text; a spin: its text; an edit: its text; a radio or check: "1" when
// clicked/checked; the button that takes the sea ratio's reference: "1" when
// pressed). Stores the value in the form the way the window does and
// runs the control's behaviour (update_unit_weight, select_prefecture,
// select_area, select_roof_type, select_building_form, select_canopy_shape,
// select_snow_method, set_spin_text, enter_snow_coefficient,
// enter_site_coordinates, take_sea_ratio_reference, update_spans, …).
// Returns the message the behaviour gives (select_prefecture's), if any. An
// unknown name, a combo index that is no number or lies outside the list, and a
// radio value other than "1" change nothing.
std::optional<FormMessage> change_control(Session& session, std::string_view name,
                                          std::string_view value);

// The focus leaves control `name`: its exit behaviour (check_cantilever_exit for
// the cantilever length edit, check_site_coordinates for the site's point), if
// it has one.
std::optional<FormMessage> leave_control(Session& session, std::string_view name);

} // namespace korvex::form
