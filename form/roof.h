#pragma once

// The roof type, building form and canopy roof shape radio groups. Each click
// behaviour stores the code, ticks its radio, loads the group's picture and sets
// the highlight; the roof type also decides which of the two groups that share
// one place is shown.

#include "form/input_form.h"

namespace korvex::form {

// "片流れ屋根", "切妻屋根", "円弧屋根", "独立上屋".
void select_roof_type(InputForm& form, calc::RoofType type);

// "閉鎖型", "風上解放型", "風下解放型".
void select_building_form(InputForm& form, calc::BuildingForm building_form);

// "切妻屋根", "翼型屋根" of the free-standing canopy.
void select_canopy_shape(InputForm& form, calc::CanopyShape shape);

} // namespace korvex::form
