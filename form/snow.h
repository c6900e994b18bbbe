#pragma once

// The snow panel: the heavy-snow rule that follows the snow depth, the two ways
// of getting the depth (typed in, or computed from altitude and sea ratio) and
// the snow-depth formula over the spin edits.

#include <optional>

#include "form/input_form.h"

namespace korvex::form {

// The change behaviour of snowDepthSpin: 100 cm or more is a heavy-snow area with
// rho 30, below that rho 20.
void apply_snow_depth_rule(InputForm& form);

// Takes altitude and sea ratio from altitudeSpin and seaRatioSpin into the site
// values and returns the depth in cm; nullopt when the area's snow zone has no
// coefficients, since any depth would then be made up.
std::optional<int> formula_snow_depth(InputForm& form);

// The change behaviour of altitudeSpin and seaRatioSpin: the formula's depth goes
// into snowDepthSpin and formulaSnowDepth.
void recompute_formula_snow_depth(InputForm& form);

calc::SnowMethod snow_method(const InputForm& form);

// Ticks the method's radio and sets the highlight, without the click behaviour.
void set_snow_method_radios(InputForm& form, calc::SnowMethod method);

// The click behaviour of the method's radio, run whether or not it was selected.
// The formula method is not available while the area's zone has no coefficients;
// asking for it then gives the typed-in method.
void apply_snow_method(InputForm& form, calc::SnowMethod method);

// A click on a method radio: nothing happens when it is already selected or
// disabled; otherwise it is selected and its click behaviour runs.
void select_snow_method(InputForm& form, calc::SnowMethod method);

} // namespace korvex::form
