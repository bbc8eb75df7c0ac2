// Failure angles of the active wedge: the Coulomb form with the composite seismic angle for
// sand, the seismic clay form with a default angle where it has no real solution.
#include "engines/common/pressure_helpers.h"
#include "engines/vaskude/pressure_formulas.h"

#include <cmath>
#include <numbers>

namespace qvt::vaskude {

namespace {
constexpr double kPi = std::numbers::pi;
constexpr double kDegToRad = kPi / 180.0;
}  // namespace

double sand_failure_angle(double beta, double phi, double delta, double psi, double theta) {
  const double den = std::cos(psi - beta) * std::sin(phi - beta - theta);
  const double A = std::sin(phi + delta) * std::cos(psi + delta + theta) / den;
  const double B = phi + delta + psi - beta;
  // A zero denominator or a cos B of zero leaves the formula without a real root, as a
  // negative A does: the same question, never a number that is none.
  if (!std::isfinite(A) || A < 0.0 || std::fabs(std::cos(B)) < 1e-12) {
    ask_to_go_on(QuestionKind::SandFailureAngle);
    return 0.0;
  }
  const double t = std::sqrt(A) / std::cos(B) - std::tan(B);
  if (t == 0.0) return kPi / 2.0 + beta;
  return std::atan(1.0 / t) + beta;
}

double clay_failure_angle(double S, double w, double c, double theta, int form) {
  if (c < 0.0001) return -1.0;
  if (form == 0) {
    const double v = 1.0 - std::tan(theta) * (S + 2.0 * w) / (2.0 * c);
    if (v < 0.0) return v;
    return std::atan(std::sqrt(v));
  }
  if (S + w == 0.0) return -1.0;  // no overburden and no surcharge: no real root
  const double s = std::sin(theta);
  const double t = 2.0 * c * std::cos(theta) / (S + w) + s;
  const double v = t * t - s * s;
  if (v < 0.0) return v;
  if (v == 0.0) return (kPi / 2.0 - std::copysign(kPi / 2.0, s)) / 2.0;  // atan(s / +0)
  return (kPi / 2.0 - std::atan(s / std::sqrt(v))) / 2.0;
}

double round_angle(double a, int mode) {
  const double f = mode == 0 ? 3600.0 : 1.0;
  const double deg = a / kDegToRad;
  return engine::round_to_decimals(deg * f, mode) / f * kDegToRad;
}

void mean_clay_angle(double top, double bottom, double d, double& angle, int& kind) {
  if (top >= 0.0 && bottom >= 0.0) {
    angle = (top + bottom) / 2.0;
    kind = 3;
  } else if (top >= 0.0) {
    angle = (top + d) / 2.0;
    kind = 2;
  } else if (bottom >= 0.0) {
    angle = (d + bottom) / 2.0;
    kind = 1;
  } else {
    angle = d;
    kind = 0;
  }
}

void layer_failure_angles(const ConditionData& cd, int i) {
  EarthPressureData& d = run_data();
  LandWorkLayer& r = d.work.land[i];
  if (d.land.rec[i].soil_type == 0) {
    r.failure_angle_top = round_angle(
        sand_failure_angle(r.surface_slope, r.phi, r.wall_friction, r.wall_back_angle,
                           r.seismic_angle_top),
        1);
    const double z = sand_failure_angle(r.surface_slope, r.phi, r.wall_friction,
                                        r.wall_back_angle, r.seismic_angle_bottom);
    r.failure_angle_bottom = round_angle(z, 1);
    r.failure_angle = round_angle(z, 0);
    return;
  }
  r.failure_angle_top = round_angle(
      clay_failure_angle(r.overburden_top, r.surcharge_top, r.cohesion_top, r.seismic_angle_top,
                         0),
      0);
  r.failure_angle_bottom = round_angle(
      clay_failure_angle(r.overburden_bottom, r.surcharge_bottom, r.cohesion_bottom,
                         r.seismic_angle_bottom, 0),
      0);
  mean_clay_angle(r.failure_angle_top, r.failure_angle_bottom,
                  cd.custom_options.clay_collapse_angle[1] * kDegToRad, r.failure_angle,
                  r.mean_angle_kind);
}

}  // namespace qvt::vaskude
