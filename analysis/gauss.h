#pragma once

// Dense Gauss elimination with complete pivoting on the stiffness system.

#include <array>

namespace korvex::analysis {

// Room for every degree of freedom of five nodes: pinned supports leave only the
// rotations free, but no choice of support kinds can overrun the system.
inline constexpr int kMaxEquations = 15;

// N equations and the load column N.
using AugmentedMatrix = std::array<std::array<double, kMaxEquations + 1>, kMaxEquations>;
using Solution = std::array<double, kMaxEquations>;

// Solves the first N equations. A zero pivot never stops it: the hinged outer
// ends of the end spans leave rotations without stiffness, and those come out 0.
Solution gauss_full_pivot(AugmentedMatrix a, int N);

} // namespace korvex::analysis
