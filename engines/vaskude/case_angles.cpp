// Per case: the failure angles, seismic coefficients, composite angles and surcharges of the
// land records and the coefficients and seabed surcharge of the sea records. The normal case
// computes no coefficients (θ stays 0); the seismic case iterates the surcharge first.
#include "engines/common/pressure_helpers.h"
#include "engines/vaskude/pressure_formulas.h"
#include "engines/vaskude/pressure_steps.h"

#include <cmath>
#include <numbers>

namespace qvt::vaskude {

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;

void store_coefficients(LandWorkLayer& r, const LayerCoefficients& k) {
  r.seismic_coef_kind_top = k.kind[0];
  r.seismic_coef_kind_bottom = k.kind[1];
  r.seismic_coef_top = k.k[0];
  r.seismic_coef_bottom = k.k[1];
  r.seismic_angle_top = k.theta[0];
  r.seismic_angle_bottom = k.theta[1];
}

// Normal-case angles and surcharges of one land set.
void normal_land_records(const ConditionData& cd, const LandSet& set) {
  const int gti = set.ground_top_index;
  if (gti < 0) return;
  for (int i = gti; i + 1 < set.count(); ++i) {
    LandWorkLayer& r = set.work[i];
    if (cd.surface_shape == 0) {
      r.surcharge_top = r.surcharge_bottom = cd.surface_surcharge[0];
      r.failure_angle = r.failure_angle_bottom = r.failure_angle_top = 0.0;
      continue;
    }
    const int soil = set.table.rec[i].soil_type;
    if (soil == 0 || soil == 1) {
      const double z = soil == 0 ? sand_failure_angle(r.surface_slope, r.phi, r.wall_friction,
                                                      r.wall_back_angle, 0.0)
                                 : cd.custom_options.clay_collapse_angle[0] * kDegToRad;
      r.failure_angle = round_angle(z, 0);
      r.failure_angle_bottom = round_angle(z, 1);
      r.failure_angle_top = r.failure_angle_bottom;
    }
    for (int j = gti; j <= i; ++j) set.work[j].wedge_angles[i] = set.work[j].failure_angle;
    const WedgeValues top = wedge_surcharge(cd, set, i, 0, 0);
    const WedgeValues bottom = wedge_surcharge(cd, set, i, 1, 0);
    LandWorkLayer& rr = set.work[i];
    rr.surcharge_top = top.w;
    rr.wedge_surcharge_load_top = top.Q;
    rr.wedge_weight_top = top.W;
    rr.wedge_width_top = top.B;
    rr.wedge_surface_x_top = top.x;
    rr.wedge_surface_y_top = top.y;
    rr.surcharge_bottom = bottom.w;
    rr.wedge_surcharge_load_bottom = bottom.Q;
    rr.wedge_weight_bottom = bottom.W;
    rr.wedge_width_bottom = bottom.B;
    rr.wedge_surface_x_bottom = bottom.x;
    rr.wedge_surface_y_bottom = bottom.y;
  }
}

void seabed_surcharge(std::array<SeaWorkLayer, LAYER_RECORDS>& sea, int first, int count,
                      double q) {
  for (int i = std::max(first, 0); i + 1 < count; ++i)
    sea[i].surcharge_top = sea[i].surcharge_bottom = q;
}

// Coefficient pair of one sea record (k_top, k_bottom) by the apparent coefficient method.
void sea_record_coefficients(const ConditionData& cd, SeaWorkLayer& r, bool above_water) {
  const int option = cd.custom_options.seismic_rounding;
  double kt = 0, kb = 0;
  if (above_water) {
    kt = kb = cd.seismic_coef_earth;
  } else {
    switch (cd.apparent_coef_method) {
      case 0: kt = kb = cd.apparent_seismic_coef; break;
      case 1:
        kt = kb = round_seismic_coefficient(
            1, option, apparent_coefficient_general(cd, r.saturated_unit_weight));
        break;
      case 2:
        kt = round_seismic_coefficient(
            1, option,
            apparent_coefficient_niken(cd, r.overburden_top, r.water_depth_top, r.surcharge_top,
                                       r.saturated_unit_weight));
        kb = round_seismic_coefficient(
            1, option,
            apparent_coefficient_niken(cd, r.overburden_bottom, r.water_depth_bottom,
                                       r.surcharge_bottom, r.saturated_unit_weight));
        break;
      default:
        kt = round_seismic_coefficient(
            1, option,
            apparent_coefficient_arayoko(cd, r.weight_above_water, r.saturated_weight_above,
                                         r.submerged_weight_above, r.surcharge_top, r.thickness,
                                         r.saturated_unit_weight, r.unit_weight));
        kb = round_seismic_coefficient(
            1, option,
            apparent_coefficient_arayoko(cd, r.weight_above_water, r.saturated_weight_above,
                                         r.submerged_weight_above, r.surcharge_bottom,
                                         r.thickness, r.saturated_unit_weight, r.unit_weight));
        break;
    }
  }
  r.seismic_coef_top = kt;
  r.seismic_coef_bottom = kb;
  r.seismic_angle_top = round_angle(seismic_composite_angle(kt, 1), 1);
  r.seismic_angle_bottom = round_angle(seismic_composite_angle(kb, 1), 1);
}

void sea_side_seismic_coefficients(const ConditionData& cd) {
  EarthPressureData& d = run_data();
  const int seabed = d.work.header.seabed_index;
  for (int i = std::max(seabed, 0); i + 1 < d.sea.count; ++i)
    sea_record_coefficients(cd, d.work.sea[i], i < d.sea_water_index);
  if (cd.apparent_coef_method == 3) {
    for (int j = std::max(d.arayoko_seabed, 0); j + 1 < d.arayoko_sea.count; ++j)
      sea_record_coefficients(cd, d.work.arayoko_sea[j], j < d.arayoko_water);
    for (int i = std::max(seabed, 0); i + 1 < d.sea.count; ++i) {
      for (int j = std::max(d.arayoko_seabed, 0); j + 1 < d.arayoko_sea.count; ++j) {
        if (d.work.sea[i].top_level - d.arayoko_sea.rec[j + 1].top_level > 0.0001) {
          const SeaWorkLayer& a = d.work.arayoko_sea[j];
          SeaWorkLayer& m = d.work.sea[i];
          m.seismic_coef_top = a.seismic_coef_top;
          m.seismic_angle_top = a.seismic_angle_top;
          m.seismic_coef_bottom = a.seismic_coef_bottom;
          m.seismic_angle_bottom = a.seismic_angle_bottom;
          break;
        }
      }
    }
  }
  seabed_surcharge(d.work.sea, seabed, d.sea.count, cd.seabed_surcharge[1]);
}

}  // namespace

void normal_case_angles(const ConditionData& cd) {
  if (cd.current_case == 1) return;
  EarthPressureData& d = run_data();
  const LandSet main = main_land_set();
  normal_land_records(cd, main);
  const bool take_over = cd.surface_shape == 1 && cd.custom_options.surcharge_method != 1;
  if (take_over && main.ground_top_index >= 0) {
    const LandWorkLayer from = main.work[main_reference_record()];
    for (int i = main.ground_top_index; i + 1 < main.count(); ++i)
      take_over_bottom_values(main.work[i], from);
  }
  seabed_surcharge(d.work.sea, d.work.header.seabed_index, d.sea.count, cd.seabed_surcharge[0]);
  if (cd.apparent_coef_method != 3) return;
  const LandSet second = arayoko_land_set();
  normal_land_records(cd, second);
  if (take_over && second.ground_top_index >= 0) {
    const LandWorkLayer from = second.work[arayoko_reference_record(cd)];
    for (int i = second.ground_top_index; i + 1 < second.count(); ++i)
      take_over_bottom_values(second.work[i], from);
    for (int i = std::max(main.ground_top_index, 0); i + 1 < main.count(); ++i)
      take_over_bottom_values(main.work[i], from);
  }
  seabed_surcharge(d.work.arayoko_sea, d.arayoko_seabed, d.arayoko_sea.count,
                   cd.seabed_surcharge[0]);
}

void seismic_case_coefficients(const ConditionData& cd) {
  if (cd.current_case == 0) return;
  const LandSet main = main_land_set();
  const int gti = main.ground_top_index;
  const int method = cd.custom_options.surcharge_method;
  if (cd.apparent_coef_method != 3 || cd.surface_shape != 1 || method == 1)
    converge_surcharge(cd);
  if (gti >= 0 && cd.apparent_coef_method == 3) {
    converge_surcharge_arayoko(cd);
    for (int i = gti; i + 1 < main.count(); ++i) {
      LandWorkLayer& r = main.work[i];
      store_coefficients(r, layer_seismic_coefficients(cd, main, i, 1, r.surcharge_top,
                                                       r.surcharge_bottom));
    }
    const LandSet second = arayoko_land_set();
    for (int i = std::max(second.ground_top_index, 0); i + 1 < second.count(); ++i) {
      LandWorkLayer& r = second.work[i];
      store_coefficients(r, arayoko_layer_coefficients(cd, second, i, 1, r.surcharge_top,
                                                       r.surcharge_bottom, false));
    }
    const double s = run_data().active_seabed;
    for (int i = gti; i + 1 < main.count(); ++i) {
      LandWorkLayer& m = main.work[i];
      for (int j = std::max(second.ground_top_index, 0); j + 1 < second.count(); ++j) {
        if (m.top_level - second.table.rec[j + 1].top_level > 0.0001) {
          const LandWorkLayer& a = second.work[j];
          m.seismic_coef_top = m.seismic_coef_bottom = a.seismic_coef_top;
          m.seismic_angle_top = m.seismic_angle_bottom = a.seismic_angle_top;
          if (cd.shallow_clay_method == 3 && m.phi <= 0.0 && m.top_level - m.thickness < s) {
            m.seismic_coef_top = a.clay_coef_top;
            m.seismic_coef_bottom = a.clay_coef_bottom;
          }
          break;
        }
      }
    }
    for (int i = gti; i + 1 < main.count(); ++i) {
      if (i < main.rwl_index) continue;
      LandWorkLayer& m = main.work[i];
      double k[2] = {m.seismic_coef_top, m.seismic_coef_bottom};
      clay_layer_seismic_coefficient(cd, main, i, k, 0.0,
                                     engine::round_to_decimals(m.surcharge_bottom, 2), 1, true);
      m.seismic_coef_top = k[0];
      m.seismic_coef_bottom = k[1];
      if (is_air_coefficient_at_rwl(cd, main, i)) {
        m.seismic_coef_top = cd.seismic_coef_earth;
        m.seismic_coef_kind_top = 1;
      }
      m.seismic_angle_top = seismic_composite_angle(m.seismic_coef_top, 1);
      m.seismic_angle_bottom = seismic_composite_angle(m.seismic_coef_bottom, 1);
      m.band_seismic_angle_top = seismic_composite_angle(m.clay_coef_top, 1);
      m.band_seismic_angle_bottom = seismic_composite_angle(m.clay_coef_bottom, 1);
    }
    for (int i = gti; i + 1 < main.count(); ++i) layer_failure_angles(cd, i);
  } else if (gti >= 0) {
    for (int i = gti; i + 1 < main.count(); ++i) {
      LandWorkLayer& r = main.work[i];
      store_coefficients(r, layer_seismic_coefficients(cd, main, i, 1, r.surcharge_top,
                                                       r.surcharge_bottom));
      layer_failure_angles(cd, i);
    }
  }
  sea_side_seismic_coefficients(cd);
}

}  // namespace qvt::vaskude
