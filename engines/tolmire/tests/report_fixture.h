#pragma once
// A small hand-made case for the report writers: four land layers from +3.0 down to -12.0
// (the top one with an active intensity from -6.0 to 12.0 over 3 m, a clay layer in the zone
// below the design seabed -3.0), two sea layers, residual water from the R.W.L. 0.0 to the
// L.W.L. -1.0, two other external forces, and the load tables VASKUDE would write for it.
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/pressure_files.h"
#include "engines/tolmire/tolmire.h"

#include <cmath>
#include <fstream>
#include <memory>
#include <string>

namespace qvt::tolmire::testing {

inline double rad(double deg) { return deg * M_PI / 180.0; }

inline std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

// The file as UTF-8 with "\n" line ends, for readable expectations.
inline std::string read_utf8(const std::filesystem::path& p) {
  const auto bytes = read_file_bytes(p);
  if (!bytes) return "<missing " + p.filename().string() + ">";
  std::string s;
  for (std::size_t i = 0; i < bytes->size(); ++i)
    if (!((*bytes)[i] == '\r' && i + 1 < bytes->size() && (*bytes)[i + 1] == '\n'))
      s += (*bytes)[i];
  return cp932_to_utf8_lossy(s);
}

inline void put(const std::filesystem::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

inline engine::LoadItem item(int shape, double arm, double intensity, double height, double force,
                             double moment) {
  engine::LoadItem it;
  it.shape = shape;
  it.lever_arm = arm;
  it.intensity = intensity;
  it.height = height;
  it.force = force;
  it.moment = moment;
  return it;
}

inline void put_table(const std::filesystem::path& p, std::initializer_list<engine::LoadItem> items,
                      double total_force, double total_moment) {
  auto t = std::make_unique<engine::LoadTableFile>();
  int i = 0;
  for (const engine::LoadItem& it : items) t->items[static_cast<std::size_t>(i++)] = it;
  t->item_count = i;
  t->total_force = total_force;
  t->total_moment = total_moment;
  put(p, engine::encode_load_table(*t));
}

struct Fixture {
  std::unique_ptr<engine::ConditionData> cd = std::make_unique<engine::ConditionData>();
  std::unique_ptr<TolmireData> data = std::make_unique<TolmireData>();

  Fixture() {
    engine::ConditionData& c = *cd;
    c.project_title.assign("TEST QUAY");
    c.stamp_date[0] = 26; c.stamp_date[1] = 12; c.stamp_date[2] = 10;
    c.stamp_time[0] = 9; c.stamp_time[1] = 5; c.stamp_time[2] = 7;
    c.water_levels[0] = 1.0;
    c.water_levels[1] = -1.0;
    c.water_levels[2] = 0.0;
    c.water_unit_weight = 10.0;
    c.seismic_coef_earth = 0.15;
    c.apparent_seismic_coef = 0.2;
    c.apparent_coef_method = 1;
    c.shallow_clay_method = 1;
    c.surface_slope_angle = 0.0;
    c.seabed_slope_angle = 5.0;
    c.liquefied_pressure_coef = 0.5;
    c.toe_y = -12.0;
    c.dynamic_water_force = 5.0;
    c.dynamic_water_level = -1.0;
    c.external_force_counts[0] = c.external_force_counts[1] = 2;
    for (int k = 0; k < 2; ++k) {
      c.external_forces[k][0].name.assign("BOLLARD");
      c.external_forces[k][0].horizontal = 10.0;
      c.external_forces[k][1].name.assign("CRANE");
      c.external_forces[k][1].vertical = 50.0;
    }
    c.custom_options.wall_friction_angle = 15.0;
    c.custom_options.clay_collapse_angle[1] = 12.5;
    c.custom_options.consolidation_coef_kc = 0.3;
    c.custom_options.negative_root_rule = 5;

    TolmireData& d = *data;
    d.design_seabed_level = -3.0;
    engine::PressureWorkFile& w = d.work;
    w.header = {0, 0, 1, 0, 5, 3, 5, 3, 0};
    struct Land {
      double top, th, uw, sat, phi, c_top, c_bot, ob_top, ob_bot;
    };
    const Land land[] = {{3, 3, 18, 20, rad(30), 0, 0, 0, 54},
                         {0, 4, 18, 20, rad(30), 0, 0, 54, 94},
                         {-4, 3, 16, 16, 0, 30, 36, 94, 112},
                         {-7, 5, 19, 20, rad(35), 0, 0, 112, 162},
                         {-12, 0, 0, 0, 0, 0, 0, 0, 0}};
    for (int i = 0; i < 5; ++i) {
      engine::LandWorkLayer& L = w.land[i];
      L.top_level = land[i].top;
      L.thickness = land[i].th;
      L.unit_weight = land[i].uw;
      L.saturated_unit_weight = land[i].sat;
      L.phi = land[i].phi;
      L.cohesion_top = land[i].c_top;
      L.cohesion_bottom = land[i].c_bot;
      L.overburden_top = land[i].ob_top;
      L.overburden_bottom = land[i].ob_bot;
      L.surcharge_top = L.surcharge_bottom = 10.004;
      L.seismic_coef_top = 0.137;
      L.seismic_coef_bottom = 0.152;
      L.seismic_coef_kind_top = L.seismic_coef_kind_bottom = 2;
      L.failure_angle_top = rad(52.5);
      L.failure_angle_bottom = rad(53.25);
      w.arayoko_land[i] = L;
    }
    w.land[2].cohesion_seabed = 31.0;
    w.land[2].cohesion_seabed_minus10 = 50.0;
    w.land[2].overburden_seabed = 100.0;
    w.land[2].overburden_seabed_minus10 = 200.0;
    struct Act {
      double k_top, k_bot, h_top, h_bot, v_top, v_bot, w_top, w_bot;
    };
    const Act act[] = {{0.2973, 0.2973, -6, 12, -1.6, 3.2, 0, 0},
                       {0.2973, 0.2973, 12, 20, 3.2, 5.36, 0, 10},
                       {0, 0, 25, 25, 0, 0, 10, 10},
                       {0.2461, 0.2461, 30, 40, 8.0, 10.7, 10, 10}};
    for (int i = 0; i < 4; ++i) {
      engine::ActiveLayerResult& A = w.active[i];
      A.coef_top = act[i].k_top;
      A.coef_bottom = act[i].k_bot;
      A.vertical_coef_top = act[i].k_top / 4;
      A.vertical_coef_bottom = act[i].k_bot / 4;
      A.horizontal_top = A.unliquefied_top = act[i].h_top;
      A.horizontal_bottom = A.unliquefied_bottom = act[i].h_bot;
      A.vertical_top = act[i].v_top;
      A.vertical_bottom = act[i].v_bot;
      A.water_top = act[i].w_top;
      A.water_bottom = act[i].w_bot;
    }
    w.active[2].clay_formula1_top = 25.0;
    w.active[2].clay_formula1_bottom = 25.0;
    w.active[2].clay_formula2_top = 20.5;
    w.active[2].clay_formula2_bottom = 22.5;
    w.active[2].seabed_formula1 = 24.0;
    w.active[2].seabed_formula2 = 26.0;

    struct Sea {
      double top, th, uw, sat, phi, c_top, c_bot, ob_top, ob_bot;
    };
    const Sea sea[] = {{-3, 4, 10, 20, rad(35), 0, 0, 0, 40},
                       {-7, 5, 8, 18, 0, 40, 45, 40, 80},
                       {-12, 0, 0, 0, 0, 0, 0, 0, 0}};
    for (int i = 0; i < 3; ++i) {
      engine::SeaWorkLayer& S = w.sea[i];
      S.top_level = sea[i].top;
      S.thickness = sea[i].th;
      S.unit_weight = sea[i].uw;
      S.saturated_unit_weight = sea[i].sat;
      S.phi = sea[i].phi;
      S.cohesion_top = sea[i].c_top;
      S.cohesion_bottom = sea[i].c_bot;
      S.overburden_top = sea[i].ob_top;
      S.overburden_bottom = sea[i].ob_bot;
      S.seismic_coef_top = 0.15;
      S.seismic_coef_bottom = 0.15;
      S.seismic_angle_top = S.seismic_angle_bottom = std::atan(0.15);
      w.arayoko_sea[i] = S;
    }
    w.passive[0] = {3.69, 3.69, 0.9, 0.9, 10, 20, 2, 4, 10, 20, 0, 0, 0, 0};
    w.passive[1] = {0, 0, 0, 0, 30, 30, 0, 0, 30, 30, 0, 0, 0, 0};
    w.summary.residual_water_intensity = 10.0;
    w.arms[0].horizontal_arm = 15.0;
    w.arms[0].horizontal_moment = 150.0;
    w.arms[1].vertical_arm = 2.5;
    w.arms[1].vertical_moment = 125.0;
  }

  // The top layer as the earth pressure figure leaves it for the force tables: cut at the zero
  // point of its intensity, one metre below its top.
  void cut_top_layer() {
    data->work.land[0].top_level = 2.0;
    data->work.land[0].thickness = 2.0;
    data->work.active[0].horizontal_top = 0.0;
  }

  // The load tables of the normal case as the earth pressure engine writes them for the cut
  // records: 6 active items, 5 active vertical (none for the clay layer), 3 passive, 2 passive
  // vertical, 2 residual water.
  void write_normal_tables(const std::filesystem::path& dir) const { write_tables(dir, '1', '3'); }

  // The seismic case: the upper sea layer liquefied with a dynamic pressure from 2.0 to 4.0,
  // its two items in DAT_EKI2 with the liquefied totals.
  void make_seismic(const std::filesystem::path& dir) {
    engine::PressureWorkFile& w = data->work;
    w.sea[0].liquefied = 1;
    w.passive[0].liquefied_top = 12;
    w.passive[0].liquefied_bottom = 24;
    w.passive[0].liquefied_dynamic_top = 2;
    w.passive[0].liquefied_dynamic_bottom = 4;
    write_tables(dir, '2', '4');
    put_table(dir / "DAT_EKI2.DAT",
              {item(0, 7.667, 2, 4, 4, 30.668), item(0, 6.333, 4, 4, 8, 50.664)}, 338, 1766.839);
  }

  void write_tables(const std::filesystem::path& dir, char digit, char passive_digit) const {
    auto name = [](const char* stem, char d) { return std::string(stem) + d + ".DAT"; };
    put_table(dir / name("DAT_SYU", digit),
              {item(0, 12.667, 12, 2, 12, 152.004), item(0, 10.667, 12, 4, 24, 256.008),
               item(0, 9.333, 20, 4, 40, 373.32), item(1, 6.5, 25, 3, 75, 487.5),
               item(0, 3.333, 30, 5, 75, 249.975), item(0, 1.667, 40, 5, 100, 166.7)},
              326, 1685.507);
    put_table(dir / name("DAT_ENT", digit),
              {item(0, 0, 3.2, 2, 3.2, 0), item(0, 0, 3.2, 4, 6.4, 0), item(0, 0, 5.36, 4, 10.72, 0),
               item(0, 0, 8.0, 5, 20, 0), item(0, 0, 10.7, 5, 26.75, 0)},
              67.07, 0);
    put_table(dir / name("DAT_JYU", digit),
              {item(0, 7.667, 10, 4, 20, 153.34), item(0, 6.333, 20, 4, 40, 253.32),
               item(1, 2.5, 30, 5, 150, 375)},
              210, 781.66);
    put_table(dir / name("DAT_ENT", passive_digit), {item(0, 0, 2, 4, 4, 0), item(0, 0, 4, 4, 8, 0)}, 12, 0);
    put_table(dir / name("DAT_SUI", digit),
              {item(0, 11.333, 10, 1, 5, 56.665), item(1, 5.5, 10, 11, 110, 605)}, 115, 661.665);
  }
};

}  // namespace qvt::tolmire::testing
