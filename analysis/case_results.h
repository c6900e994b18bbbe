#pragma once

// What the analysis of one load case leaves for the checks, the report and the
// diagrams.

#include <array>
#include <vector>

#include "analysis/beam_model.h"

namespace korvex::analysis {

// Ends every ordinate list, so the drawing code can follow a list to its end.
inline constexpr double kSampleEnd = -99999.0;

// Slots 0..3 of span_moment and span_deflection are the spans; these two are the
// cantilevers.
inline constexpr int kLeftCantileverSlot = 4;
inline constexpr int kRightCantileverSlot = 5;

struct CaseResults {
    std::array<std::array<double, 3>, kMaxNodes> reactions{}; // Fx, Fy, M per node
    std::array<SpanVector, kMaxSpans> endForces{};            // Fx1 Fy1 M1 Fx2 Fy2 M2
    std::array<SpanVector, kMaxSpans> displacements{};
    // Fx, Fy, M that the first and the last support exert on the left and the
    // right overhang: with the spans' end forces they make up the end reactions.
    std::array<std::array<double, 3>, 2> overhangEndForces{};

    std::array<double, 6> spanMoment{};
    std::array<double, kMaxSpans> spanMomentX{};
    std::array<double, 6> spanDeflection{};
    std::array<double, 2> cantileverCheckMoment{};     // left, right
    std::array<double, 2> cantileverCheckDeflection{}; // left, right

    // Ordinates every 100 mm, each list ended by kSampleEnd. They grow with the
    // span: the deck-length limit admits spans far longer than 4800 mm.
    std::array<std::vector<double>, kMaxSpans> momentSamples;
    std::array<std::vector<double>, kMaxSpans> deflectionSamples;
    std::array<std::vector<double>, 2> cantileverMomentSamples;
    std::array<std::vector<double>, 2> cantileverDeflectionSamples;

    double maxMoment = 0.0;
    double maxDeflection = 0.0;
    double deflectionRatio = 0.0;
    double governingSpanLength = 0.0;
    double reactionV1 = 0.0;
    double reactionV2 = 0.0;

    // Total line load at both ends of every span, for the diagram labels.
    std::array<std::array<double, 2>, kMaxSpans> totalLoad{};
};

// Clears the model's inputs and every result before a case, so no value of an
// earlier case or calculation can reach this one's records.
void reset_case_results(BeamModel& model, CaseResults& results);

} // namespace korvex::analysis
