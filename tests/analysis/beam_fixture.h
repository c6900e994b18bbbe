#pragma once

// A beam with E·I = 10^10 N·mm2 and uniform line loads, set up by hand.

#include "analysis/beam_model.h"
#include "analysis/case_results.h"

namespace korvex::analysis::testing {

inline constexpr double kEI = 1e10;

inline BeamModel uniform_beam(std::initializer_list<double> spans, double p, double left = 0.0,
                              double right = 0.0, double deck_height = 50.0) {
    BeamModel m;
    m.E = 205000;
    m.n = static_cast<int>(spans.size());
    int i = 0;
    for (double L : spans) {
        m.L[i] = L;
        m.A[i] = 1000.0;
        m.I[i] = kEI / m.E;
        m.w[i] = p;
        ++i;
    }
    m.overhangLoad = {p, p};
    m.cantileverLeft = left;
    m.cantileverRight = right;
    m.deckHeight = deck_height;
    return m;
}

} // namespace korvex::analysis::testing
