#include "calc/interpolate.h"

namespace korvex::calc {

double interpolate(int n, const double* xs, const double* ys, double x) {
    if (n <= 0) return 0.0;
    if (x <= xs[0]) return ys[0];
    if (x >= xs[n - 1]) return ys[n - 1];
    for (int i = 0; i + 1 < n; ++i) {
        if (x == xs[i]) return ys[i];
        if ((xs[i] - x) * (xs[i + 1] - x) < 0)
            return ys[i] + (ys[i + 1] - ys[i]) / (xs[i + 1] - xs[i]) * (x - xs[i]);
    }
    return ys[n - 1];
}

} // namespace korvex::calc
