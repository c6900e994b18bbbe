#include "analysis/stiffness.h"

namespace korvex::analysis {

int element_end_kind(int span, int span_count, bool left_overhang, bool right_overhang) {
    const bool released_start = span == 0 && !left_overhang;
    const bool released_end = span == span_count - 1 && !right_overhang;
    if (released_start && released_end) return kHingesAtBothEnds;
    if (released_start) return kHingeAtStart;
    if (released_end) return kHingeAtEnd;
    return kEndsRigid;
}

ElementMatrix element_stiffness(int end_kind, double E, double A, double I, double L) {
    ElementMatrix k{};
    if (L == 0.0 || end_kind == kHingesAtBothEnds) return k;
    const double a = E * A / L;
    k[0][0] = k[3][3] = a;
    k[0][3] = k[3][0] = -a;

    const double L2 = L * L;
    const double L3 = L2 * L;
    if (end_kind == kEndsRigid) {
        const double b = 12.0 * E * I / L3;
        const double c = 6.0 * E * I / L2;
        const double d = 4.0 * E * I / L;
        const double e = 2.0 * E * I / L;
        k[1][1] = k[4][4] = b;
        k[1][4] = k[4][1] = -b;
        k[1][2] = k[2][1] = k[1][5] = k[5][1] = c;
        k[2][4] = k[4][2] = k[4][5] = k[5][4] = -c;
        k[2][2] = k[5][5] = d;
        k[2][5] = k[5][2] = e;
        return k;
    }

    const double b = 3.0 * E * I / L3;
    const double c = 3.0 * E * I / L2;
    const double d = 3.0 * E * I / L;
    k[1][1] = k[4][4] = b;
    k[1][4] = k[4][1] = -b;
    // The released end's rotation takes no part: its row and column stay zero.
    const int rotation = end_kind == kHingeAtStart ? 5 : 2;
    k[1][rotation] = k[rotation][1] = c;
    k[4][rotation] = k[rotation][4] = -c;
    k[rotation][rotation] = d;
    return k;
}

SpanVector equivalent_loads(int end_kind, double p, double L) {
    if (L == 0.0) return {};
    double V1 = p * L / 2.0;
    double V2 = V1;
    double M1 = p * L * L / 12.0;
    double M2 = -M1;
    switch (end_kind) {
    case kHingeAtStart:
        V1 -= 1.5 * M1 / L;
        V2 += 1.5 * M1 / L;
        M2 -= 0.5 * M1;
        M1 = 0.0;
        break;
    case kHingeAtEnd:
        V1 -= 1.5 * M2 / L;
        V2 += 1.5 * M2 / L;
        M1 -= 0.5 * M2;
        M2 = 0.0;
        break;
    case kHingesAtBothEnds:
        M1 = M2 = 0.0;
        break;
    default:
        break;
    }
    return {0.0, V1, M1, 0.0, V2, M2};
}

DofNumbering number_dofs(const std::array<int, kMaxNodes>& support, int span_count) {
    const int dofs = 3 * (span_count + 1);
    std::array<bool, kMaxDofs> restrained{};
    for (int node = 0; node <= span_count; ++node) {
        const int kind = support[node];
        const bool u = kind == kSupportPin || kind == kSupportFixed;
        const bool v = kind == kSupportRoller || u;
        const bool theta = kind == kSupportFixed;
        restrained[3 * node] = u;
        restrained[3 * node + 1] = v;
        restrained[3 * node + 2] = theta;
    }
    DofNumbering numbering;
    int next = 0;
    for (int dof = 0; dof < dofs; ++dof)
        if (!restrained[dof]) numbering.number[dof] = next++;
    numbering.freeCount = next;
    for (int dof = 0; dof < dofs; ++dof)
        if (restrained[dof]) numbering.number[dof] = next++;
    return numbering;
}

} // namespace korvex::analysis
