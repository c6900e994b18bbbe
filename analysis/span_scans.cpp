#include "analysis/span_scans.h"

#include <cmath>
#include <limits>

#include "common/rounding.h"

namespace korvex::analysis {

namespace {

inline constexpr double kScanStep = 5.0;
inline constexpr int kStepsPerSample = 20; // one ordinate every 100 mm

struct SpanLoad {
    double L;
    double p;
    double M1; // whole N·mm, floored
    double M2;
};

SpanLoad span_load(int i, const BeamModel& model, const CaseResults& results) {
    return {model.L[i], model.w[i] + model.q[i][0], common::trunc_to(results.endForces[i][2], 0),
            common::trunc_to(results.endForces[i][5], 0)};
}

} // namespace

double span_deflection_scan(int i, const BeamModel& model, CaseResults& results,
                            bool record_samples) {
    const SpanLoad s = span_load(i, model, results);
    std::vector<double>& samples = results.deflectionSamples[i];
    if (record_samples) samples.clear();
    if (s.L <= 0.0) {
        results.spanDeflection[i] = 0.0;
        if (record_samples) samples.push_back(kSampleEnd);
        return 0.0;
    }
    const double c = model.I[i] == 0.0 ? 0.0 : 1.0 / (model.E * model.I[i]);
    const double k = deflection_factor(model);
    const double L = s.L;
    const double m1 = s.M1, m2 = s.M2, p = s.p;

    // Truncation keeps order, so the extremes of the truncated ordinates are
    // the truncated extremes of the ordinates: only those and the samples are
    // truncated.
    double highest = -std::numeric_limits<double>::infinity();
    double lowest = std::numeric_limits<double>::infinity();
    int until_sample = kStepsPerSample - 1;
    for (int step = 0;; ++step) {
        const double x = step * kScanStep;
        if (!(x < L)) break;
        // Evaluated term by term as the deflection line is defined, so every
        // truncated ordinate is the defined one to the last binary digit.
        const double x3 = x * x * x;
        double bracket = 0.0;
        if (m1 != 0.0) bracket += m1 * (x3 / (6 * L) - x * x / 2 + x * L / 3);
        if (m2 != 0.0) bracket += m2 * (x3 / (6 * L) - x * L / 6);
        if (p != 0.0) bracket += p * (x3 * x / 24 - L * x3 / 12 + L * L * L * x / 24);
        const double ordinate = c * bracket * k;
        if (ordinate > highest) highest = ordinate;
        if (ordinate < lowest) lowest = ordinate;
        if (until_sample-- == 0) {
            until_sample = kStepsPerSample - 1;
            if (record_samples) samples.push_back(-common::trunc_to(ordinate, 4));
        }
    }
    if (record_samples) samples.push_back(kSampleEnd);

    // Downward positive; the defined scan starts both extremes at 0.
    double smallest = 0.0;
    double largest = 0.0;
    if (highest >= lowest) {
        const double most_down = -common::trunc_to(highest, 4);
        const double most_up = -common::trunc_to(lowest, 4);
        if (most_down < smallest) smallest = most_down;
        if (most_up > largest) largest = most_up;
    }

    const double governing = std::fabs(smallest) > std::fabs(largest) ? smallest : largest;
    results.spanDeflection[i] = governing;
    return governing;
}

MomentExtremes span_moment_scan(int i, const BeamModel& model, CaseResults& results,
                                bool record_samples) {
    const SpanLoad s = span_load(i, model, results);
    std::vector<double>& samples = results.momentSamples[i];
    if (record_samples) samples.clear();
    MomentExtremes e;
    if (s.L <= 0.0) {
        e.maximum = 0.0;
        if (record_samples) samples.push_back(kSampleEnd);
        return e;
    }
    const double L = s.L;
    // The unfloored moments at which the extremes so far were floored: by the
    // order truncation keeps, a moment between them floors between the
    // extremes and is not floored at all.
    double floored_low = std::numeric_limits<double>::infinity();
    double floored_high = -std::numeric_limits<double>::infinity();
    int until_sample = 0;
    for (int step = 0;; ++step) {
        const double x = step * kScanStep;
        if (!(x <= L)) break;
        const double M = s.M1 * (1 - x / L) - s.M2 * x / L + s.p * (L * x - x * x) / 2;
        if (until_sample-- == 0) {
            until_sample = kStepsPerSample - 1;
            if (record_samples) samples.push_back(M);
        }
        if (!(M < floored_low || M > floored_high)) continue;
        const double m = common::trunc_to(M, 0);
        if (M < floored_low) floored_low = M;
        if (M > floored_high) floored_high = M;
        if (m < e.minimum) {
            e.minimum = m;
            e.minimumX = x;
        }
        if (m > e.maximum) {
            e.maximum = m;
            e.maximumX = x;
        }
    }
    if (record_samples) samples.push_back(kSampleEnd);
    return e;
}

void governing_span_moment(int i, const BeamModel& model, const MomentExtremes& e,
                           CaseResults& results) {
    const double L = model.L[i];
    double moment = 0.0;
    double x = 0.0;
    if (e.minimumX == 0.0 || e.minimumX == L) {
        moment = e.maximum;
        x = e.maximumX;
    } else if (e.maximumX == 0.0 || e.maximumX == L) {
        moment = e.minimum;
        x = e.minimumX;
    }
    results.spanMoment[i] = moment;
    results.spanMomentX[i] = x;
}

} // namespace korvex::analysis
