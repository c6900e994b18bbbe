#pragma once

// Stiffness and equivalent nodal loads of one span, and the numbering of the
// degrees of freedom from the support kinds.

#include <array>

#include "analysis/beam_model.h"

namespace korvex::analysis {

// End releases of a span element.
inline constexpr int kEndsRigid = 0;
inline constexpr int kHingeAtStart = 1;
inline constexpr int kHingeAtEnd = 2;
inline constexpr int kHingesAtBothEnds = 3;

using ElementMatrix = std::array<std::array<double, 6>, 6>;

// The outer end of an end span sits on a pin and is released, unless the deck
// runs on over that support into an overhang; inner spans are rigidly
// connected on both sides.
int element_end_kind(int span, int span_count, bool left_overhang, bool right_overhang);

// In the span's degree-of-freedom order u, v, theta of the start node, then of
// the end node.
ElementMatrix element_stiffness(int end_kind, double E, double A, double I, double L);

// (0, V1, M1, 0, V2, M2) of a uniform line load p over a span of length L,
// condensed for the end releases.
SpanVector equivalent_loads(int end_kind, double p, double L);

inline constexpr int kMaxDofs = 3 * kMaxNodes;

struct DofNumbering {
    // Free degrees of freedom first, in node order, then the restrained ones.
    std::array<int, kMaxDofs> number{};
    int freeCount = 0;
};

DofNumbering number_dofs(const std::array<int, kMaxNodes>& support, int span_count);

} // namespace korvex::analysis
