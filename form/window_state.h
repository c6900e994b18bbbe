#pragma once

// The main window's own variables, the ones no control holds.

#include <string>

#include "calc/design_codes.h"

namespace korvex::form {

struct WindowState {
    calc::RoofType roofType = calc::RoofType::monoPitch;
    calc::BuildingForm buildingForm = calc::BuildingForm::closed;
    calc::CanopyShape canopyShape = calc::CanopyShape::gable;
    calc::LayoutMode layoutMode = calc::LayoutMode::derivedLoads;
    int spanCount = 1;         // copy of spanCountSpin
    int previousSpanCount = 1; // before the last change
    // cantileverBox: none or left (right and both only from other callers)
    calc::CantileverMode cantileverMode = calc::CantileverMode::none;
    std::string spanPicture = "spanPicture1";
};

} // namespace korvex::form
