#pragma once

#include "calc/design_inputs.h"

namespace korvex::app {

// A built-in design (a mono-pitch roof in Tokyo) for a first look at the program.
calc::DesignInputs sample_design();

} // namespace korvex::app
