#include "analysis/beam_model.h"

#include <algorithm>

#include "calc/product_tables.h"

namespace korvex::analysis {

void setup_model(const calc::CalculationData& data, BeamModel& model) {
    model.E = calc::kElasticModulus;
    // The Calculate command limits the span count; the clamp only keeps a bad
    // record from reaching past the four span slots.
    model.n = std::clamp(data.spanCount, 0, kMaxSpans);
    model.support.fill(kSupportPin);
    const double area = calc::deck_area(data.deckIndex) * 100.0;
    const double inertia = calc::deck_moment_of_inertia(data.deckIndex) * 10000.0;
    for (int i = 0; i < model.n; ++i) {
        model.L[i] = data.spanLength[i];
        model.A[i] = area;
        model.I[i] = inertia;
    }
    model.cantileverLeft = data.leftCantileverLength;
    model.cantileverRight = data.rightCantileverLength;
    model.deckHeight = calc::deck_height(data.deckIndex);
}

void apply_case_loads(const CaseLoadInputs& in, BeamModel& model) {
    const CaseFactors& f = in.factors;
    const double uniform = -0.001 * (in.G * f.cG + in.W * f.cW);
    for (int i = 0; i < model.n; ++i) {
        model.w[i] = uniform;
        model.q[i][0] = -0.001 * in.S[i][0] * f.cS;
        // The design inputs give every span a uniform snow load: the end value
        // repeats the start value.
        model.loadShape[i] = 1;
        model.q[i][1] = model.q[i][0];
    }

    // Under suction the positive pressure on the wall below a cantilever lifts it
    // further: the overhang carries that load, in the beam and in its checks.
    model.edgeLoad.fill(0.0);
    model.overhangLoad = {0.0, 0.0};
    if (model.n <= 0) return;
    const int last = model.n - 1;
    model.overhangLoad = {model.w[0] + model.q[0][0], model.w[last] + model.q[last][1]};
    if (!in.negativePass) return;
    const double edge = -0.001 * (in.G * f.cG + (in.W - in.Pw) * f.cW);
    for (int i = 0; i < model.n; ++i) {
        bool left_written = false;
        if (i == 0 && model.cantileverLeft != 0.0) {
            model.edgeLoad[0] = edge;
            left_written = true;
        }
        if (!left_written && i == model.n - 1 && model.cantileverRight != 0.0)
            model.edgeLoad[i] = edge;
    }
    if (has_left_overhang(model)) model.overhangLoad[0] = model.edgeLoad[0] + model.q[0][0];
    if (has_right_overhang(model)) model.overhangLoad[1] = model.edgeLoad[last] + model.q[last][1];
}

bool has_left_overhang(const BeamModel& model) {
    return model.n > 0 && model.cantileverLeft != 0.0;
}

bool has_right_overhang(const BeamModel& model) {
    return model.n > 0 && model.cantileverRight != 0.0;
}

double deflection_factor(const BeamModel& model) {
    return model.deckHeight == 75.0 ? 1.2 : 1.0;
}

} // namespace korvex::analysis
