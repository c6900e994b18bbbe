#pragma once

namespace korvex::calc {

// Piecewise-linear table lookup over n points with ascending x, clamped to the
// first and last y outside the table.
double interpolate(int n, const double* xs, const double* ys, double x);

} // namespace korvex::calc
