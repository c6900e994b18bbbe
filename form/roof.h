#pragma once

// The roof type, building form and canopy roof shape radio groups. Each click
// behaviour stores the code, ticks its radio, loads the group's picture and sets
// the highlight; the roof type also decides which of the two groups that share
// one place is shown.

#include "form/input_form.h"

namespace korvex::form {

// 3 "片流れ屋根", 4 "切妻屋根", 5 "円弧屋根", 6 "独立上屋"; other codes are ignored.
void select_roof_type(InputForm& form, int code);

// 0 closed, 1 open windward, 2 open leeward; other codes are ignored.
void select_building_form(InputForm& form, int code);

// 0 gable, 1 wing; other codes are ignored.
void select_canopy_shape(InputForm& form, int code);

} // namespace korvex::form
