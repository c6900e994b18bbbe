#pragma once

// The snow panel: the heavy-snow rule that follows the snow depth, the two ways
// of getting the depth (typed in, or computed from altitude and sea ratio) and
// the snow-depth formula over the spin edits.

#include <array>
#include <optional>
#include <string>

#include "form/input_form.h"

namespace korvex::form {

// The change behaviour of snowDepthSpin: 100 cm or more is a heavy-snow area with
// rho 30, below that rho 20.
void apply_snow_depth_rule(InputForm& form);

// The four coefficient fields read as numbers (R a whole number of km); nullopt
// while any of them is empty or no number.
struct SnowCoefficients {
    double alpha = 0.0;
    double beta = 0.0;
    double gamma = 0.0;
    int radius = 0;
};
std::optional<SnowCoefficients> read_snow_coefficients(const InputForm& form);

// Takes altitude and sea ratio from altitudeSpin and seaRatioSpin and the
// coefficients from their fields into the site values and returns the depth in
// cm; nullopt while a coefficient is missing, since any depth would then be
// made up.
std::optional<int> formula_snow_depth(InputForm& form);

// The coefficient fields filled from the area's snow zone, or emptied where the
// zone has none: what a site selection does. The values count as the table's
// again.
void fill_snow_coefficients(InputForm& form);

// The change behaviour of a coefficient field: the text counts as entered and
// the depth is computed again at once.
void enter_snow_coefficient(InputForm& form, Edit& field, const std::string& text);

// The coefficient fields in display order: alpha, beta, gamma, R.
std::array<Edit*, 4> snow_coefficient_fields(InputForm& form);

// The change behaviour of altitudeSpin and seaRatioSpin: the formula's depth goes
// into snowDepthSpin and formulaSnowDepth.
void recompute_formula_snow_depth(InputForm& form);

// After a design is loaded with the formula method: the depth the formula gives
// today, where the saved one differs (designs saved before the depth was taken
// to the centimetre hold it in tens). The message tells the user what changed;
// nothing when the depth stays.
std::optional<std::string> recompute_loaded_formula_depth(InputForm& form);

calc::SnowMethod snow_method(const InputForm& form);

// Ticks the method's radio and sets the highlight, without the click behaviour.
void set_snow_method_radios(InputForm& form, calc::SnowMethod method);

// The click behaviour of the method's radio, run whether or not it was selected.
// The formula method is not available while the area's zone has no coefficients;
// asking for it then gives the typed-in method.
void apply_snow_method(InputForm& form, calc::SnowMethod method);

// The fields that only the formula method uses: altitude, sea ratio and the
// four coefficients (and with the sea ratio, the button that takes its reference).
void enable_formula_fields(InputForm& form, bool enabled);

// A click on a method radio: nothing happens when it is already selected or
// disabled; otherwise it is selected and its click behaviour runs.
void select_snow_method(InputForm& form, calc::SnowMethod method);

} // namespace korvex::form
