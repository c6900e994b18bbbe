#include "analysis/gauss.h"

#include <cmath>
#include <utility>

namespace korvex::analysis {

Solution gauss_full_pivot(AugmentedMatrix a, int N) {
    std::array<int, kMaxEquations> perm{};
    for (int j = 0; j < N; ++j) perm[j] = j;

    for (int k = 0; k + 1 < N; ++k) {
        // Ties keep the earlier candidate in row-major order, so the elimination
        // order, and with it the rounding of every figure, is fixed.
        int pivot_row = k;
        int pivot_col = k;
        double largest = std::fabs(a[k][k]);
        for (int i = k; i < N; ++i) {
            for (int j = k; j < N; ++j) {
                if (std::fabs(a[i][j]) > largest) {
                    largest = std::fabs(a[i][j]);
                    pivot_row = i;
                    pivot_col = j;
                }
            }
        }
        for (int j = 0; j <= N; ++j) std::swap(a[k][j], a[pivot_row][j]);
        for (int i = 0; i < N; ++i) std::swap(a[i][k], a[i][pivot_col]);
        std::swap(perm[k], perm[pivot_col]);

        for (int i = k + 1; i < N; ++i) {
            const double factor = a[k][k] == 0.0 ? 0.0 : a[i][k] / a[k][k];
            for (int j = k + 1; j <= N; ++j) a[i][j] -= a[k][j] * factor;
        }
    }

    Solution x{};
    for (int i = N - 1; i >= 0; --i) {
        double s = a[i][N];
        for (int j = i + 1; j < N; ++j) s -= a[i][j] * x[j];
        x[i] = a[i][i] == 0.0 ? 0.0 : s / a[i][i];
    }
    Solution result{};
    for (int j = 0; j < N; ++j) result[perm[j]] = x[j];
    return result;
}

} // namespace korvex::analysis
