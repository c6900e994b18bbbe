#pragma once

// What one calculation run leaves for the report: a record per check page and
// per diagram block, the verdict and the load figure, in the order the report
// shows them.

#include <string>
#include <vector>

#include "analysis/beam_model.h"
#include "analysis/case_results.h"
#include "run/design_checks.h"
#include "run/load_case_run.h"

namespace korvex::run {

struct Verdict {
    CheckCounters counters;
    std::string text;
};

// The unfactored loads on the beam: dead plus live, wind and snow.
struct LoadFigure {
    analysis::BeamModel model; // spans, cantilevers, w and the snow loads q
    int deadAndLiveLoad = 0;
    int windPositive = 0;
    int windNegative = 0;
};

struct DiagramBlock {
    std::string label; // ends in "（正圧）" or "（負圧）" when the case carries wind
    LoadCaseRun caseRun;
    analysis::BeamModel model;
    analysis::CaseResults results; // ordinates, extremes, end forces, total_load
    // Surface load on the left cantilever (N/m2), for its root-shear label.
    double cantileverLoad = 0.0;
    // The extra block after the three cases, drawn 50 mm below the third.
    bool negativePressureBlock = false;
};

enum class RunItemKind { checkPage, verdict, detailPages, loadFigure, diagramBlock };

struct RunItem {
    RunItemKind kind = RunItemKind::checkPage;
    int index = 0; // into check_pages or diagram_blocks
};

struct CalculationRun {
    int diagramScale = 80; // real mm per paper mm along the beam
    std::vector<CheckPage> checkPages;
    Verdict verdict;
    // The wind and snow detail pages follow the verdict (derived loads only).
    bool detailPages = false;
    LoadFigure loadFigure;
    std::vector<DiagramBlock> diagramBlocks;
    std::vector<RunItem> order;
};

} // namespace korvex::run
