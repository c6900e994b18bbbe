#pragma once

// Everything the report pages draw from: the records of the last Calculate and
// the few things of the input window the pages show as they stood then.

#include <memory>
#include <optional>
#include <string>

#include "calc/design_inputs.h"
#include "calc/load_set.h"
#include "calc/snow.h"
#include "calc/wind.h"
#include "report/sea_map.h"
#include "run/run_records.h"
#include "sea/coastline_store.h"

namespace korvex::report {

// The input window as it stood when Calculate was pressed.
struct WindowSnapshot {
    int surfaceIndex = 0;         // surfaceTreatmentBox: 0 "Z12", 1 "Z27", 2 "他"
    std::string surfaceName;      // its item text
    std::string unitWeightText;   // deckUnitWeightEdit as shown
    bool cantileverShown = false; // cantileverLengthEdit or rightCantileverLengthEdit visible
    bool heavySnowBox = false;    // heavySnowCheck ticked
    // The sea ratio's reference, measured at the site's own point or the area's
    // office: shown with the formula's depth when 海率 was taken from it or the
    // site's point is entered, so that a checker sees what was measured.
    std::optional<SeaMapFigure> seaMap;
    bool seaRatioTaken = false; // 海率 holds the reference as taken
    // The map data the figure is drawn from; none where it was not read.
    std::shared_ptr<const sea::CoastlineStore> coastline;
};

struct ReportData {
    const calc::DesignInputs& inputs;
    const calc::CalculationData& data;
    const calc::WindResult& wind; // not used with loads entered directly
    const calc::SnowIncrease& increase;
    const calc::LoadSet& loads;
    const run::CalculationRun& run;
    WindowSnapshot window;
};

} // namespace korvex::report
