// Earth pressure intensities at the top and bottom of every record: the seismic Coulomb
// (Mononobe-Okabe) coefficients for sand on both sides, the total-stress formulas for clay on
// the land side with the treatment of the band below the active seabed, and the passive clay
// formula on the sea side.
#include "common/cp932.h"
#include "engines/common/message_table.h"
#include "engines/common/pressure_helpers.h"
#include "engines/vaskude/pressure_formulas.h"
#include "engines/vaskude/pressure_steps.h"

#include <cmath>
#include <numbers>

namespace qvt::vaskude {

using engine::round_to_decimals;
using engine::show_error;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegToRad = kPi / 180.0;

[[noreturn]] void no_coefficient() {
  show_error(-1, utf8_to_cp932_lossy("(ERROR)-土圧係数が計算できません.\n"
                                     "内部摩擦角・壁面摩擦角・地表面の傾斜角を確認して下さい."));
}

// K of the active (passive = false) or passive side.
double coulomb_k(double beta, double phi, double delta, double psi, double theta, bool passive) {
  double A = 0, num = 0, den = 0;
  if (!passive) {
    A = std::sin(phi + delta) * std::sin(phi - beta - theta) /
        (std::cos(delta + psi + theta) * std::cos(psi - beta));
  } else {
    A = std::sin(phi - delta) * std::sin(phi + beta - theta) /
        (std::cos(delta + psi - theta) * std::cos(psi - beta));
  }
  // The passive form divides by (1 - √A)²: at √A = 1 (to the last digits of the sines) and
  // beyond it has no meaning, as at A < 0.
  if (!std::isfinite(A) || A < 0.0 || (passive && std::sqrt(A) >= 1.0 - 1e-9)) {
    ask_to_go_on(passive ? QuestionKind::PassiveCoefficient : QuestionKind::ActiveCoefficient);
    A = 0.0;
  }
  const double cp = std::cos(psi);
  if (!passive) {
    const double c = std::cos(phi - psi - theta);
    num = c * c;
    const double r = 1.0 + std::sqrt(A);
    den = std::cos(theta) * cp * cp * std::cos(delta + psi + theta) * r * r;
  } else {
    const double c = std::cos(phi + psi - theta);
    num = c * c;
    const double r = 1.0 - std::sqrt(A);
    den = std::cos(theta) * cp * cp * std::cos(delta + psi - theta) * r * r;
  }
  const double K = num / den;
  if (!std::isfinite(K)) no_coefficient();
  return K;
}

// θ of a land record at the top (0) or bottom (1).
double land_theta(const ConditionData& cd, const LandWorkLayer& r, int at) {
  if (cd.current_case == 0) return 0.0;
  double k = at == 0 ? r.seismic_coef_top : r.seismic_coef_bottom;
  const int kind = at == 0 ? r.seismic_coef_kind_top : r.seismic_coef_kind_bottom;
  if (kind == 2 && cd.apparent_coef_method != 0)
    k = round_seismic_coefficient(1, cd.custom_options.seismic_rounding, k);
  return round_angle(std::atan(k), 1);
}

// ζ with the negative-root replacement; theta and m may change with it.
double clay_angle(const ConditionData& cd, double S, double w, double c, double& theta,
                  double& m) {
  m = 1.0;
  double z = clay_failure_angle(S, w, c, theta, 0);
  if (z < 0.0) {
    switch (cd.custom_options.negative_root_rule) {
      case 1: z = kPi / 4.0; theta = 0.0; break;
      case 2: z = clay_failure_angle(S, w, c, theta, 1); break;
      case 3: z = kPi / 4.0; theta = 0.0; m = 0.0; break;
      default: z = cd.custom_options.clay_collapse_angle[1] * kDegToRad; break;
    }
  }
  return round_angle(z, 1);
}

void adjust_clay_below_seabed(const ConditionData& cd, double top, double thickness, double& pt,
                              double& pb, double ps) {
  if (cd.current_case == 0) return;
  const double s = run_data().active_seabed;
  const double b = top - thickness;
  if (std::fabs(b - s) < 0.0001 || b >= s) return;
  const bool shallow = cd.clay_compare_shallow == 1;
  if (b >= s - 10.0) {
    switch (cd.shallow_clay_method) {
      case 0:
        pb = round3(pt + (pb - pt) * thickness / (top - (s - 10.0)));
        if (shallow && pb < pt) pb = pt;
        break;
      case 1:
        if (std::fabs(b - (s - 10.0)) < 0.0001 && shallow && pb < pt) pb = pt;
        break;
      case 2: {
        const double t2 = round3(pt + (pb - pt) * (s - top) / 10.0);
        const double b2 = round3(pt + (pb - pt) * (s - b) / 10.0);
        pt = t2;
        pb = b2;
        if (shallow) {
          if (pt < ps) pt = ps;
          if (pb < ps) pb = ps;
        }
        break;
      }
      case 3:
        if (shallow) {
          if (pt < ps) pt = ps;
          if (pb < ps) pb = ps;
        }
        break;
      default: break;
    }
  } else if (cd.clay_compare_deep == 1 && pb < pt) {
    pb = pt;
  }
}

void active_clay_record(const ConditionData& cd, int i) {
  EarthPressureData& d = run_data();
  LandWorkLayer& r = d.work.land[i];
  engine::ActiveLayerResult& a = d.work.active[i];
  const int c = cd.current_case;
  const bool seismic = c == 1;
  const double s = d.active_seabed;
  const int method = cd.shallow_clay_method;
  const bool top_in_band = s - 10.0 < r.top_level && r.top_level <= s;
  // Top.
  {
    const double depth = s - r.top_level;
    const double w = round_to_decimals(r.surcharge_top, 2);
    double theta = land_theta(cd, r, 0);
    const bool band = seismic && method == 2 && top_in_band;
    const double S = band ? r.overburden_seabed : r.overburden_top;
    const double co = band ? r.cohesion_seabed : r.cohesion_top;
    double m = 1.0;
    r.failure_angle_top = clay_angle(cd, S, w, co, theta, m);
    a.horizontal_top = clay_active_intensity(cd, c, depth, S, w, co, r.failure_angle_top, theta,
                                             false, m, a.clay_formula1_top, a.clay_formula2_top);
    if (seismic && top_in_band && (method == 2 || (method == 3 && cd.clay_compare_shallow == 1))) {
      double theta_s = round_angle(std::atan(r.clay_coef_top), 1);
      double m_s = 1.0;
      const double zeta_s =
          clay_angle(cd, r.overburden_seabed, w, r.cohesion_seabed, theta_s, m_s);
      a.seabed_intensity =
          clay_active_intensity(cd, c, depth, r.overburden_seabed, w, r.cohesion_seabed, zeta_s,
                                theta_s, false, m_s, a.seabed_formula1, a.seabed_formula2);
    }
  }
  // Bottom.
  {
    const double b = round_to_decimals(r.top_level - r.thickness, 3);
    const double depth = s - (r.top_level - r.thickness);
    const double w = round_to_decimals(r.surcharge_bottom, 2);
    double theta = land_theta(cd, r, 1);
    const bool band = seismic && (method == 0 || method == 2) && s - 10.0 <= b && b < s;
    const double S = band ? r.overburden_seabed_minus10 : r.overburden_bottom;
    const double co = band ? r.cohesion_seabed_minus10 : r.cohesion_bottom;
    if (band) r.clay_band_flag = method == 0 ? 1 : 2;
    double m = 1.0;
    r.failure_angle_bottom = clay_angle(cd, S, w, co, theta, m);
    a.horizontal_bottom =
        clay_active_intensity(cd, c, depth, S, w, co, r.failure_angle_bottom, theta, true, m,
                              a.clay_formula1_bottom, a.clay_formula2_bottom);
  }
  adjust_clay_below_seabed(cd, r.top_level, r.thickness, a.horizontal_top, a.horizontal_bottom,
                           a.seabed_intensity);
}

void active_sand_record(const ConditionData& cd, int i) {
  EarthPressureData& d = run_data();
  const LandWorkLayer& r = d.work.land[i];
  engine::ActiveLayerResult& a = d.work.active[i];
  const double beta = r.surface_slope, phi = r.phi, delta = r.wall_friction,
               psi = r.wall_back_angle;
  const double tt = land_theta(cd, r, 0), tb = land_theta(cd, r, 1);
  a.coef_top = active_coefficient_sand(beta, phi, delta, psi, tt);
  a.vertical_coef_top = active_vertical_coefficient_sand(beta, phi, delta, psi, tt);
  a.coef_bottom = active_coefficient_sand(beta, phi, delta, psi, tb);
  a.vertical_coef_bottom = active_vertical_coefficient_sand(beta, phi, delta, psi, tb);
  const bool no_vertical = cd.custom_options.backfill_vertical_ignored != 0;
  const double wt = round_to_decimals(r.surcharge_top, 2);
  const double wb = round_to_decimals(r.surcharge_bottom, 2);
  a.horizontal_top = sand_active_intensity(a.coef_top, r.overburden_top, wt, psi, beta);
  a.vertical_top =
      no_vertical ? 0.0 : sand_active_intensity(a.vertical_coef_top, r.overburden_top, wt, psi, beta);
  a.horizontal_bottom = sand_active_intensity(a.coef_bottom, r.overburden_bottom, wb, psi, beta);
  a.vertical_bottom = no_vertical ? 0.0
                                  : sand_active_intensity(a.vertical_coef_bottom,
                                                          r.overburden_bottom, wb, psi, beta);
  a.clay_formula1_top = a.clay_formula2_top = 0.0;
  a.clay_formula1_bottom = a.clay_formula2_bottom = 0.0;
}

}  // namespace

double active_coefficient_sand(double beta, double phi, double delta, double psi,
                               double theta) {
  return round_to_decimals(coulomb_k(beta, phi, delta, psi, theta, false) * std::cos(delta), 4);
}

double active_vertical_coefficient_sand(double beta, double phi, double delta, double psi,
                                        double theta) {
  return round_to_decimals(coulomb_k(beta, phi, delta, psi, theta, false) * std::sin(delta), 4);
}

double passive_coefficient_sand(double beta, double phi, double delta, double psi,
                                double theta) {
  return round_to_decimals(coulomb_k(beta, phi, delta, psi, theta, true) * std::cos(delta), 4);
}

double passive_vertical_coefficient_sand(double beta, double phi, double delta, double psi,
                                         double theta) {
  return round_to_decimals(coulomb_k(beta, phi, delta, psi, theta, true) * std::sin(delta), 4);
}

double sand_active_intensity(double K, double S, double w, double psi, double beta) {
  return round_to_decimals(K * (S + w * std::cos(psi) / std::cos(psi - beta)), 3);
}

double clay_passive_intensity(double S, double w, double c) {
  return round_to_decimals(S + w + 2.0 * c, 3);
}

double clay_active_intensity(const ConditionData& cd, int load_case, double depth, double S,
                             double w, double c, double zeta, double theta, bool at_bottom,
                             double m, double& p1, double& p2) {
  const double kc = cd.custom_options.consolidation_coef_kc;
  const int method = cd.shallow_clay_method;
  double result = 0;
  const bool static_form =
      load_case == 0 || depth >= 10.0 ||
      (depth > 0.0001 && at_bottom && (method == 0 || method == 2));
  if (static_form) {
    p1 = (S + w) - 2.0 * c;
  } else {
    if (zeta < 0.0001)
      show_error(-1, utf8_to_cp932_lossy(
                         "地震時粘性土の崩壊角が0.0のため土圧が計算できません.\n\n"
                         "崩壊角既定値が0.0の可能性があります."));
    p1 = (S + w) * std::sin(zeta + theta) / (std::cos(theta) * std::sin(zeta)) -
         m * c / (std::cos(zeta) * std::sin(zeta));
  }
  const int formula = cd.clay_pressure_formula[load_case == 0 ? 0 : 1];
  if (formula == 0) {
    p2 = kc * (S + w);
    result = p2 > p1 ? p2 : p1;
  } else {
    p2 = -99999.9;
    result = p1;
  }
  p1 = round_to_decimals(p1, 3);
  p2 = round_to_decimals(p2, 3);
  return round_to_decimals(result, 3);
}

void compute_active_pressures(const ConditionData& cd) {
  EarthPressureData& d = run_data();
  const int gti = d.work.header.ground_top_index;
  for (int i = std::max(gti, 0); i + 1 < d.land.count; ++i) {
    d.work.land[i].clay_band_flag = 0;
    if (d.work.land[i].phi > 0.0)
      active_sand_record(cd, i);
    else
      active_clay_record(cd, i);
  }
}

void compute_passive_pressures(const ConditionData&) {
  EarthPressureData& d = run_data();
  for (int i = std::max(d.work.header.seabed_index, 0); i + 1 < d.sea.count; ++i) {
    const SeaWorkLayer& r = d.work.sea[i];
    engine::PassiveLayerResult& p = d.work.passive[i];
    if (r.phi <= 0.0) {
      p.passive_top = clay_passive_intensity(r.overburden_top, r.surcharge_top, r.cohesion_top);
      p.passive_bottom =
          clay_passive_intensity(r.overburden_bottom, r.surcharge_bottom, r.cohesion_bottom);
      p.vertical_top = p.vertical_bottom = 0.0;
      continue;
    }
    const double beta = -r.seabed_slope, delta = -r.wall_friction, psi = r.wall_back_angle;
    p.coef_top = passive_coefficient_sand(beta, r.phi, delta, psi, r.seismic_angle_top);
    p.vertical_coef_top =
        passive_vertical_coefficient_sand(beta, r.phi, delta, psi, r.seismic_angle_top);
    p.coef_bottom = passive_coefficient_sand(beta, r.phi, delta, psi, r.seismic_angle_bottom);
    p.vertical_coef_bottom =
        passive_vertical_coefficient_sand(beta, r.phi, delta, psi, r.seismic_angle_bottom);
    p.passive_top =
        sand_active_intensity(p.coef_top, r.overburden_top, r.surcharge_top, psi, r.seabed_slope);
    p.vertical_top = sand_active_intensity(p.vertical_coef_top, r.overburden_top,
                                           r.surcharge_top, psi, r.seabed_slope);
    p.passive_bottom = sand_active_intensity(p.coef_bottom, r.overburden_bottom,
                                             r.surcharge_bottom, psi, r.seabed_slope);
    p.vertical_bottom = sand_active_intensity(p.vertical_coef_bottom, r.overburden_bottom,
                                              r.surcharge_bottom, psi, r.seabed_slope);
  }
}

}  // namespace qvt::vaskude
