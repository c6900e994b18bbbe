#include "sea/equal_area_projection.h"

#include <cmath>
#include <numbers>

namespace korvex::sea {

namespace {

constexpr double kE2 = kFlattening * (2.0 - kFlattening);
const double kE = std::sqrt(kE2);

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// Snyder's q, the authalic function of the latitude.
double authalic_q(double sin_phi) {
    const double e_sin = kE * sin_phi;
    return (1.0 - kE2) *
           (sin_phi / (1.0 - e_sin * e_sin) - std::log((1.0 - e_sin) / (1.0 + e_sin)) / (2.0 * kE));
}

const double kQp = authalic_q(1.0);
// The radius of the sphere of the ellipsoid's area.
const double kRq = kEquatorialRadius * std::sqrt(kQp / 2.0);

} // namespace

double meridian_radius(double latitude_degrees) {
    const double s = std::sin(radians(latitude_degrees));
    return kEquatorialRadius * (1.0 - kE2) / std::pow(1.0 - kE2 * s * s, 1.5);
}

double prime_vertical_radius(double latitude_degrees) {
    const double s = std::sin(radians(latitude_degrees));
    return kEquatorialRadius / std::sqrt(1.0 - kE2 * s * s);
}

EqualAreaProjection::EqualAreaProjection(GeoPoint centre) : centre_(centre) {
    const double phi1 = radians(centre.latitude);
    const double sin_phi1 = std::sin(phi1);
    sinBeta1_ = authalic_q(sin_phi1) / kQp;
    cosBeta1_ = std::sqrt(std::fmax(0.0, 1.0 - sinBeta1_ * sinBeta1_));
    // D makes the scale at the centre true along the meridian and the parallel
    // alike: with it the centre's neighbourhood is drawn without distortion.
    const double m1 = std::cos(phi1) / std::sqrt(1.0 - kE2 * sin_phi1 * sin_phi1);
    d_ = kEquatorialRadius * m1 / (kRq * cosBeta1_);
}

PlanePoint EqualAreaProjection::forward(GeoPoint point) const {
    const double sin_beta = authalic_q(std::sin(radians(point.latitude))) / kQp;
    const double cos_beta = std::sqrt(std::fmax(0.0, 1.0 - sin_beta * sin_beta));
    const double dl = radians(point.longitude - centre_.longitude);
    const double cos_dl = std::cos(dl);
    const double b =
        kRq * std::sqrt(2.0 / (1.0 + sinBeta1_ * sin_beta + cosBeta1_ * cos_beta * cos_dl));
    return {b * d_ * cos_beta * std::sin(dl),
            (b / d_) * (cosBeta1_ * sin_beta - sinBeta1_ * cos_beta * cos_dl)};
}

} // namespace korvex::sea
