// Seismic coefficients of the land records: the design coefficient above the R.W.L., the
// apparent coefficient below it (direct, general, NIKEN or ARAYOKO formula), the clay band
// rules between the active seabed and 10 m below it, and the composite angles θ = atan k.
#include "common/cp932.h"
#include "engines/common/engine_entry.h"
#include "engines/common/engine_message.h"
#include "engines/common/message_table.h"
#include "engines/common/pressure_helpers.h"
#include "engines/vaskude/pressure_formulas.h"

#include <cmath>
#include <numbers>

namespace qvt::vaskude {

using engine::round_to_decimals;
using engine::show_error;

namespace {

constexpr double kRadToDeg = 180.0 / std::numbers::pi;

// A denominator that a hand-edited file can make zero: the formula has no value there.
[[noreturn]] void no_apparent_coefficient() {
  show_error(-1, utf8_to_cp932_lossy(
                     "(ERROR)-見掛けの震度の計算で分母が 0.0 になりました.\n"
                     "土層の単位体積重量と上載荷重を確認して下さい."));
}

double hw_at_seabed(const ConditionData& cd, const LandSet& set, double s) {
  if (set.rwl_index <= set.ground_top_index && cd.custom_options.residual_water_rule == 1 &&
      set.ground_top_index >= 0)
    return set.table.rec[set.ground_top_index].top_level - s;
  return cd.water_levels[2] - s;
}

}  // namespace

LandSet main_land_set() {
  EarthPressureData& d = run_data();
  return LandSet{d.land, d.work.land, d.work.header.ground_top_index, d.work.header.rwl_index,
                 false};
}

LandSet arayoko_land_set() {
  EarthPressureData& d = run_data();
  return LandSet{d.arayoko_land, d.work.arayoko_land, d.arayoko_gti, d.arayoko_rwl, true};
}

void ask_to_go_on(QuestionKind kind) {
  static const char* const kTexts[] = {
      "砂質土主働崩壊角計算式の√内が負の値になりました．\n\n"
      "        主働崩壊角を0.0として計算を続行しますか？",
      "主働土圧係数計算式の√内が負の値になりました\n\n    0.0として計算を続行しますか？",
      "受働土圧係数計算式の√内が負の値になりました\n\n    0.0として計算を続行しますか？"};
  const int k = static_cast<int>(kind);
  bool& yes = run_data().answered_yes[k];
  if (yes) return;
  if (!engine::engine_question("waring", utf8_to_cp932_lossy(kTexts[k])))
    engine::stop_engine(engine::EngineStop{});
  yes = true;
}

double seismic_composite_angle(double k, int flag) {
  const double theta = std::atan(k);
  if (flag < 0) return theta;
  return round_to_decimals(theta * kRadToDeg, 1) / kRadToDeg;
}

double round_seismic_coefficient(int flag, int option, double v) {
  if (flag < 0) return v;
  if (option == 0) return round_to_decimals(v, 2);
  return round_to_decimals(2.0 * v, 1) / 2.0;
}

bool is_air_coefficient_at_rwl(const ConditionData& cd, const LandSet& set, int i) {
  return i == set.rwl_index && cd.rwl_coef_rule == 1;
}

double apparent_coefficient_general(const ConditionData& cd, double r) {
  if (!(r > 10.0)) show_error(3);
  return r / (r - 10.0) * cd.seismic_coef_earth;
}

double apparent_coefficient_niken(const ConditionData& cd, double S, double hw, double w,
                                  double r) {
  if (S < 0.00001) return apparent_coefficient_general(cd, r);
  const double den = S + w;
  if (std::fabs(den) < 1e-9) no_apparent_coefficient();
  return (cd.water_unit_weight * hw + S + w) / den * cd.seismic_coef_earth;
}

double apparent_coefficient_arayoko(const ConditionData& cd, double a, double b, double c,
                                    double w, double h, double f, double g) {
  const double den = 2.0 * (a + c + w) + g * h;
  if (std::fabs(den) < 1e-9) no_apparent_coefficient();
  return (2.0 * (a + b + w) + f * h) / den * cd.seismic_coef_earth;
}

int clay_layer_seismic_coefficient(const ConditionData& cd, const LandSet& set, int i,
                                   double k[2], double w_niken, double w_arayoko, int flag,
                                   bool carried) {
  LandWorkLayer& r = set.work[i];
  if (r.phi > 0.0) return 0;
  const double s = run_data().active_seabed;
  const double bottom = r.top_level - r.thickness;
  if (bottom >= s) return 0;
  if (r.top_level <= s - 10.0) {
    k[0] = k[1] = 0.0;
    return 1;
  }
  const int method = cd.shallow_clay_method;
  const int option = cd.custom_options.seismic_rounding;
  if (method == 0 || (method == 1 && std::fabs(bottom - (s - 10.0)) < 0.001)) {
    r.clay_coef_top = k[0];
    r.clay_coef_bottom = 0.0;
    k[1] = 0.0;
    return 1;
  }
  if (method == 3) {
    r.clay_coef_top = k[0];
    r.clay_coef_bottom = 0.0;
    const double cc = r.clay_coef_top;
    const double top_k = r.top_level >= s ? cc : (r.top_level - (s - 10.0)) * cc / 10.0;
    const double bottom_k = bottom <= s - 10.0 ? 0.0 : (bottom - (s - 10.0)) * cc / 10.0;
    k[0] = round_seismic_coefficient(flag, 0, top_k);
    k[1] = round_seismic_coefficient(flag, 0, bottom_k);
    return 1;
  }
  if (method == 2) {
    double cc = 0.0;
    if (carried && cd.apparent_coef_method == 3) {
      cc = k[0];
    } else {
      switch (cd.apparent_coef_method) {
        case 0: cc = cd.apparent_seismic_coef; break;
        case 1: cc = apparent_coefficient_general(cd, r.saturated_unit_weight); break;
        case 2:
          cc = apparent_coefficient_niken(cd, r.overburden_seabed, hw_at_seabed(cd, set, s),
                                          w_niken, r.saturated_unit_weight);
          break;
        default:
          cc = apparent_coefficient_arayoko(cd, r.weight_above_rwl, r.saturated_weight_to_seabed,
                                            r.submerged_weight_to_seabed, w_arayoko, 10.0,
                                            r.saturated_unit_weight, r.unit_weight);
          break;
      }
    }
    r.clay_coef_top = round_seismic_coefficient(flag, option, cc);
    r.clay_coef_bottom = round_seismic_coefficient(flag, option, 0.0);
    k[0] = r.clay_coef_top;
    k[1] = r.clay_coef_bottom;
    return 1;
  }
  return 0;
}

LayerCoefficients layer_seismic_coefficients(const ConditionData& cd, const LandSet& set, int i,
                                             int flag, double w_top, double w_bottom) {
  LayerCoefficients out;
  LandWorkLayer& r = set.work[i];
  const double k_air = cd.seismic_coef_earth;
  if (i < set.rwl_index) {
    out.kind[0] = out.kind[1] = 1;
    out.k[0] = out.k[1] = k_air;
    out.theta[0] = out.theta[1] = seismic_composite_angle(k_air, flag);
    return out;
  }
  out.kind[0] = out.kind[1] = 2;
  const int option = cd.custom_options.seismic_rounding;
  const bool air_top = is_air_coefficient_at_rwl(cd, set, i);
  double w_b = w_bottom;
  switch (cd.apparent_coef_method) {
    case 0:
      out.k[0] = out.k[1] = cd.apparent_seismic_coef;
      break;
    case 1:
      out.k[0] = out.k[1] = round_seismic_coefficient(
          flag, option, apparent_coefficient_general(cd, r.saturated_unit_weight));
      break;
    case 2:
      out.k[0] = round_seismic_coefficient(
          flag, option,
          apparent_coefficient_niken(cd, r.overburden_top, r.rwl_depth_top, w_top,
                                     r.saturated_unit_weight));
      if (flag > 0) w_b = round_to_decimals(w_bottom, 2);
      out.k[1] = round_seismic_coefficient(
          flag, option,
          apparent_coefficient_niken(cd, r.overburden_bottom, r.rwl_depth_bottom, w_b,
                                     r.saturated_unit_weight));
      break;
    default:
      out.k[1] = round_seismic_coefficient(
          flag, option,
          apparent_coefficient_arayoko(cd, r.weight_above_rwl, r.saturated_weight_above,
                                       r.submerged_weight_above, w_bottom, r.thickness,
                                       r.saturated_unit_weight, r.unit_weight));
      out.k[0] = out.k[1];
      break;
  }
  if (cd.apparent_coef_method <= 2 && air_top) {
    out.k[0] = k_air;
    out.kind[0] = 1;
  }
  clay_layer_seismic_coefficient(cd, set, i, out.k, w_top, w_b, flag, false);
  if (air_top) {
    out.k[0] = k_air;
    out.kind[0] = 1;
  }
  out.theta[0] = seismic_composite_angle(out.k[0], flag);
  out.theta[1] = seismic_composite_angle(out.k[1], flag);
  r.band_seismic_angle_top = seismic_composite_angle(r.clay_coef_top, flag);
  r.band_seismic_angle_bottom = seismic_composite_angle(r.clay_coef_bottom, flag);
  return out;
}

int arayoko_clay_layer_coefficient(const ConditionData& cd, const LandSet& set, int i,
                                   double k[2], double w, int flag) {
  LandWorkLayer& r = set.work[i];
  if (r.phi > 0.0) return 0;
  const double s = run_data().active_seabed;
  const double bottom = r.top_level - r.thickness;
  if (bottom >= s) return 0;
  if (r.top_level <= s - 10.0) {
    k[0] = k[1] = 0.0;
    return 1;
  }
  const int method = cd.shallow_clay_method;
  if (method == 0 ||
      (method == 1 && (std::fabs(bottom - (s - 10.0)) < 0.001 || bottom <= s - 10.0))) {
    r.clay_coef_top = k[0];
    r.clay_coef_bottom = 0.0;
    k[1] = 0.0;
    return 1;
  }
  if (method == 3) return clay_layer_seismic_coefficient(cd, set, i, k, 0.0, w, flag, false);
  if (method == 2) {
    const double h = r.top_level > s ? r.thickness : (bottom >= s - 10.0 ? 10.0 : s - bottom);
    const int option = cd.custom_options.seismic_rounding;
    r.clay_coef_top = round_seismic_coefficient(
        flag, option,
        apparent_coefficient_arayoko(cd, r.weight_above_rwl, r.saturated_weight_to_seabed,
                                     r.submerged_weight_to_seabed, w, h,
                                     r.saturated_unit_weight, r.unit_weight));
    r.clay_coef_bottom = round_seismic_coefficient(flag, option, 0.0);
    k[0] = r.clay_coef_top;
    k[1] = r.clay_coef_bottom;
    return 1;
  }
  return 0;
}

int arayoko_deep_layer_zero(const LandSet& set, int i, double k[2]) {
  const LandWorkLayer& r = set.work[i];
  const double s = run_data().active_seabed;
  if (r.phi <= 0.0 && r.top_level - r.thickness < s && r.top_level <= s - 10.0) {
    k[0] = k[1] = 0.0;
    return 1;
  }
  return 0;
}

LayerCoefficients arayoko_layer_coefficients(const ConditionData& cd, const LandSet& set,
                                             int i, int flag, double w_top, double w_bottom,
                                             bool deep) {
  (void)w_top;
  LayerCoefficients out;
  LandWorkLayer& r = set.work[i];
  const double k_air = cd.seismic_coef_earth;
  if (i < set.rwl_index) {
    out.kind[0] = out.kind[1] = 1;
    out.k[0] = out.k[1] = k_air;
    out.theta[0] = out.theta[1] = seismic_composite_angle(k_air, flag);
    return out;
  }
  out.kind[0] = out.kind[1] = 2;
  out.k[1] = round_seismic_coefficient(
      flag, cd.custom_options.seismic_rounding,
      apparent_coefficient_arayoko(cd, r.weight_above_rwl, r.saturated_weight_above,
                                   r.submerged_weight_above, w_bottom, r.thickness,
                                   r.saturated_unit_weight, r.unit_weight));
  out.k[0] = out.k[1];
  if (deep)
    arayoko_deep_layer_zero(set, i, out.k);
  else
    arayoko_clay_layer_coefficient(cd, set, i, out.k, w_bottom, flag);
  if (is_air_coefficient_at_rwl(cd, set, i)) {
    out.k[0] = k_air;
    out.kind[0] = 1;
  }
  out.theta[0] = seismic_composite_angle(out.k[0], flag);
  out.theta[1] = seismic_composite_angle(out.k[1], flag);
  r.band_seismic_angle_top = seismic_composite_angle(r.clay_coef_top, flag);
  r.band_seismic_angle_bottom = seismic_composite_angle(r.clay_coef_bottom, flag);
  return out;
}

}  // namespace qvt::vaskude
