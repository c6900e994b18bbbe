#pragma once

// The main window's own variables, the ones no control holds.

#include <string>

namespace korvex::form {

struct WindowState {
    int roofType = 3;          // 3 mono-pitch, 4 gable, 5 circular arc, 6 free-standing canopy
    int buildingForm = 0;      // 0 closed, 1 open windward, 2 open leeward
    int canopyShape = 0;       // 0 gable, 1 wing
    int layoutMode = 0;        // 0 loads derived, 1 wind and snow loads entered directly
    int spanCount = 1;         // copy of spanCountSpin
    int previousSpanCount = 1; // before the last change
    int cantileverMode = 0;    // cantileverBox: 0 none, 1 left (2 right, 3 both from other callers)
    std::string spanPicture = "spanPicture1";
};

} // namespace korvex::form
