// The earth pressure engine's main routine: the order of every step from the condition files to
// the result chain.
#include "common/cp932.h"
#include "engines/common/block_geometry_check.h"
#include "engines/common/block_vertices.h"
#include "engines/common/condition_readers.h"
#include "engines/common/message_table.h"
#include "engines/common/pressure_helpers.h"
#include "engines/vaskude/pressure_steps.h"
#include "engines/vaskude/result_files.h"
#include "engines/vaskude/vaskude.h"
#include "engines/vaskude/vaskude_data.h"

#include <cmath>
#include <initializer_list>
#include <new>

namespace qvt::vaskude {

using engine::ConditionData;
using engine::show_error;

void init_engine_state() {
  EarthPressureData& d = run_data();
  engine::PressureWorkHeader& h = d.work.header;
  h.surcharge_level_index = h.ground_top_index = h.rwl_index = h.seabed_index = -1;
  d.sea_water_index = -1;
  d.land.count = d.sea.count = d.arayoko_land.count = d.arayoko_sea.count = 0;
  h.land_boundary_count = h.sea_boundary_count = h.arayoko_land_count = h.arayoko_sea_count = 0;
  h.ground_vertex_count = 0;
  d.item_count[0] = d.item_count[1] = 0;
}

void clear_work_arrays() {
  EarthPressureData& d = run_data();
  d.work.vertices = {};
  d.work.land = {};
  d.work.sea = {};
  d.work.active = {};
  d.work.passive = {};
  d.work.summary = {};
  d.items = {};
  for (SeaWorkLayer& s : d.work.sea) s.spare_flag = 1;
}

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

void allocate_liquefaction_areas() {
  EarthPressureData& d = run_data();
  try {
    d.liquefaction_land = std::make_unique<LiquefactionWork>();
    engine::clear_array(d.liquefaction_land.get(), sizeof(LiquefactionWork));
    d.liquefaction_sea = std::make_unique<LiquefactionWork>();
    engine::clear_array(d.liquefaction_sea.get(), sizeof(LiquefactionWork));
  } catch (const std::bad_alloc&) {
    show_error(-1, cp("(ERROR)-液状化土圧主働側土層データ保存領域が確保できません."));
  }
}

// A run of the seismic case alone would hand its forces to the stability engines as the normal
// case, so their normal verdicts would come from forces without earth pressures. The front end
// writes only 0 and 2; anything that asks for the seismic case alone is refused.
void refuse_seismic_case_alone(const ConditionData& cd) {
  if (cd.seismic_check == 1)
    show_error(-1, cp("(ERROR)-地震時のみの計算には対応していません.\n"
                      "常時と地震時の両方を計算する設定にして下さい."));
}

// Numbers that are no numbers (from damaged condition files) must not reach any file.
void require_finite_layers() {
  const EarthPressureData& d = run_data();
  bool ok = std::isfinite(d.body_width) && std::isfinite(d.active_seabed);
  for (const LayerTable* t : {&d.land, &d.sea})
    for (int i = 0; i < t->count; ++i) {
      const SplitLayer& s = t->rec[i];
      for (double v : {s.top_level, s.unit_weight_air, s.unit_weight_submerged, s.phi,
                       s.cohesion, s.cohesion_gradient, s.top_cohesion, s.bottom_cohesion,
                       s.slurry_unit_weight})
        ok = ok && std::isfinite(v);
    }
  for (int i = 0; i < d.work.header.ground_vertex_count; ++i) {
    const GroundVertex& v = d.work.vertices[i];
    ok = ok && std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.surcharge_normal) &&
         std::isfinite(v.surcharge_seismic);
  }
  if (!ok)
    show_error(-1, cp("(ERROR)-土層・地表面のデータに数値でない値 (非数または無限大) があります."));
}

bool all_finite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// Whatever the input, no value that is not a number may reach a file or the next engine: the
// run stops with a message instead.
void require_finite_case_results() {
  const EarthPressureData& d = run_data();
  bool ok = true;
  for (int i = 0; i + 1 < d.land.count && i < LAYER_RECORDS; ++i) {
    const LandWorkLayer& w = d.work.land[i];
    const engine::ActiveLayerResult& a = d.work.active[i];
    ok = ok && all_finite({w.surcharge_top, w.surcharge_bottom, w.seismic_coef_top,
                           w.seismic_coef_bottom, w.seismic_angle_top, w.seismic_angle_bottom,
                           w.failure_angle, w.failure_angle_top, w.failure_angle_bottom,
                           w.clay_coef_top, w.clay_coef_bottom, w.wedge_weight_bottom,
                           w.wedge_width_bottom, w.wedge_surcharge_load_bottom});
    ok = ok && all_finite({a.coef_top, a.coef_bottom, a.vertical_coef_top,
                           a.vertical_coef_bottom, a.clay_formula1_top, a.clay_formula1_bottom,
                           a.clay_formula2_top, a.clay_formula2_bottom, a.horizontal_top,
                           a.horizontal_bottom, a.vertical_top, a.vertical_bottom, a.water_top,
                           a.water_bottom, a.liquefied_top, a.liquefied_bottom,
                           a.seabed_formula1, a.seabed_formula2, a.seabed_intensity});
  }
  for (int i = 0; i + 1 < d.sea.count && i < LAYER_RECORDS; ++i) {
    const SeaWorkLayer& w = d.work.sea[i];
    const engine::PassiveLayerResult& p = d.work.passive[i];
    ok = ok && all_finite({w.seismic_coef_top, w.seismic_coef_bottom, w.seismic_angle_top,
                           w.seismic_angle_bottom, w.surcharge_top, w.surcharge_bottom});
    ok = ok && all_finite({p.coef_top, p.coef_bottom, p.vertical_coef_top,
                           p.vertical_coef_bottom, p.passive_top, p.passive_bottom,
                           p.vertical_top, p.vertical_bottom, p.liquefied_top,
                           p.liquefied_bottom, p.liquefied_dynamic_top,
                           p.liquefied_dynamic_bottom});
  }
  ok = ok && std::isfinite(d.work.summary.residual_water_intensity);
  if (!ok)
    show_error(-1, cp("(ERROR)-土圧の計算結果に数値でない値 (非数または無限大) が生じました.\n"
                      "土層・地表面・震度のデータを確認して下さい."));
}

void set_case_liquefaction_flags(int c) {
  EarthPressureData& d = run_data();
  for (int i = 0; i + 1 < d.land.count; ++i) {
    d.work.land[i].liquefied = c == 0 ? 0 : d.land.rec[i].liquefied;
    d.work.land[i].slurry_unit_weight = d.land.rec[i].slurry_unit_weight;
  }
  for (int i = 0; i + 1 < d.sea.count; ++i) {
    d.work.sea[i].liquefied = c == 0 ? 0 : d.sea.rec[i].liquefied;
    d.work.sea[i].slurry_unit_weight = d.sea.rec[i].slurry_unit_weight;
  }
}

bool case_has_liquefaction() {
  const EarthPressureData& d = run_data();
  for (int i = std::max(d.work.header.ground_top_index, 0); i + 1 < d.land.count; ++i)
    if (d.work.land[i].liquefied == 1) return true;
  for (int i = std::max(d.work.header.seabed_index, 0); i + 1 < d.sea.count; ++i)
    if (d.work.sea[i].liquefied == 1) return true;
  return false;
}

// One side's work area from its work records; both sides use the L.W.L. as water level.
template <class W>
void fill_area(LiquefactionWork& a, const std::array<W, LAYER_RECORDS>& work, int count,
               int side, int start_index, const ConditionData& cd) {
  for (int i = 0; i + 1 < count; ++i) {
    const W& w = work[i];
    a.levels[i][0] = w.top_level;
    a.levels[i][1] = w.top_level - w.thickness;
    a.thickness[i] = w.thickness;
    a.unit_weight[i] = w.unit_weight;
    a.phi[i] = w.phi;
    a.wall_friction[i] = w.wall_friction;
    a.cohesion[i][0] = w.cohesion_top;
    a.cohesion[i][1] = w.cohesion_bottom;
    a.overburden[i][0] = w.overburden_top;
    a.overburden[i][1] = w.overburden_bottom;
    a.surcharge[i][0] = engine::round_to_decimals(w.surcharge_top, 2);
    a.surcharge[i][1] = engine::round_to_decimals(w.surcharge_bottom, 2);
    a.liquefied[i] = w.liquefied;
    a.slurry_unit_weight[i] = w.slurry_unit_weight;
  }
  for (int i = 0; i < LAYER_RECORDS; ++i) {
    a.pressure_coef[i] = cd.liquefied_pressure_coef;
    a.seismic_coef[i] = cd.seismic_coef_earth;
    a.water_unit_weight[i] = cd.water_unit_weight;
  }
  a.side = side;
  a.start_index = start_index;
  a.end_index = count - 1;
  liquefaction_depths(a, cd.water_levels[1]);
}

void fill_liquefaction_areas(const ConditionData& cd) {
  EarthPressureData& d = run_data();
  fill_area(*d.liquefaction_land, d.work.land, d.land.count, 0, d.work.header.ground_top_index,
            cd);
  fill_area(*d.liquefaction_sea, d.work.sea, d.sea.count, 1, d.work.header.seabed_index, cd);
}

// Liquefied pressures against the ordinary ones: on the land side the larger wins, on the sea
// side the smaller.
void merge_liquefied_pressures() {
  EarthPressureData& d = run_data();
  const LiquefactionWork& land = *d.liquefaction_land;
  for (int i = 0; i + 1 < d.land.count; ++i) {
    engine::ActiveLayerResult& a = d.work.active[i];
    a.unliquefied_top = a.horizontal_top;
    a.unliquefied_bottom = a.horizontal_bottom;
    a.liquefied_top = land.liquefied_pressure[i][0];
    a.liquefied_bottom = land.liquefied_pressure[i][1];
    if (land.liquefied[i] == 1) {
      if (a.unliquefied_top < a.liquefied_top) a.horizontal_top = a.liquefied_top;
      if (a.unliquefied_bottom < a.liquefied_bottom) a.horizontal_bottom = a.liquefied_bottom;
    }
  }
  const LiquefactionWork& sea = *d.liquefaction_sea;
  for (int i = 0; i + 1 < d.sea.count; ++i) {
    engine::PassiveLayerResult& p = d.work.passive[i];
    p.unliquefied_top = p.passive_top;
    p.unliquefied_bottom = p.passive_bottom;
    p.liquefied_top = sea.liquefied_pressure[i][0];
    p.liquefied_bottom = sea.liquefied_pressure[i][1];
    p.liquefied_dynamic_top = sea.dynamic_pressure[i][0];
    p.liquefied_dynamic_bottom = sea.dynamic_pressure[i][1];
    if (sea.liquefied[i] == 1) {
      if (p.liquefied_top < p.unliquefied_top) p.passive_top = p.liquefied_top;
      if (p.liquefied_bottom < p.unliquefied_bottom) p.passive_bottom = p.liquefied_bottom;
    }
  }
}

// Adds the forces (and moments) of the current items into the case's slots.
void add_items(int c, engine::ForceSlot force_slot, engine::ForceSlot moment_slot) {
  EarthPressureData& d = run_data();
  auto& slot = d.chain.force_summary[c].slot;
  for (int k = 0; k < std::min(d.item_count[c], engine::LOAD_ITEMS); ++k) {
    slot[force_slot] += d.items[k].force;
    if (moment_slot != FS_NONE) slot[moment_slot] += d.items[k].moment;
  }
}

void sum_items(int c, engine::ForceSlot force_slot, engine::ForceSlot moment_slot) {
  auto& slot = run_data().chain.force_summary[c].slot;
  slot[force_slot] = 0;
  if (moment_slot != FS_NONE) slot[moment_slot] = 0;
  add_items(c, force_slot, moment_slot);
}

// A vertical table that does not count: zero slots, items and count.
void drop_items(int c, engine::ForceSlot force_slot, engine::ForceSlot moment_slot) {
  EarthPressureData& d = run_data();
  auto& slot = d.chain.force_summary[c].slot;
  slot[force_slot] = 0;
  if (moment_slot != FS_NONE) slot[moment_slot] = 0;
  for (int k = 0; k < std::min(d.item_count[c], engine::LOAD_ITEMS); ++k)
    d.items[k].force = d.items[k].moment = 0;
  d.item_count[c] = 0;
}

void write_case_load_tables(const ConditionData& cd, int c) {
  using namespace engine;
  build_active_load_items(cd);
  sum_items(c, FS_ACTIVE_HORIZONTAL_FORCE, FS_ACTIVE_HORIZONTAL_MOMENT);
  write_active_load_table(c);
  if (c == CASE_SEISMIC) {
    build_liquefaction_load_items(cd);
    add_items(c, FS_ACTIVE_HORIZONTAL_FORCE, FS_ACTIVE_HORIZONTAL_MOMENT);
  }
  write_liquefaction_load_table(c);
  build_passive_load_items(cd);
  sum_items(c, FS_PASSIVE_HORIZONTAL_FORCE, FS_PASSIVE_HORIZONTAL_MOMENT);
  write_passive_load_table(c);
  const bool vertical_ignored = cd.custom_options.backfill_vertical_ignored != 0;
  build_active_vertical_items(cd);
  if (!vertical_ignored)
    sum_items(c, FS_ACTIVE_VERTICAL_FORCE, FS_ACTIVE_VERTICAL_MOMENT);
  else
    drop_items(c, FS_ACTIVE_VERTICAL_FORCE, FS_ACTIVE_VERTICAL_MOMENT);
  write_active_vertical_load_table(c);
  build_passive_vertical_items(cd);
  if (!vertical_ignored)
    sum_items(c, FS_PASSIVE_VERTICAL_FORCE, FS_NONE);
  else
    drop_items(c, FS_PASSIVE_VERTICAL_FORCE, FS_NONE);
  write_passive_vertical_load_table(c);
  build_residual_water_items(cd);
  sum_items(c, FS_RESIDUAL_WATER_FORCE, FS_RESIDUAL_WATER_MOMENT);
  write_residual_water_load_table(c);
}

void run_case(ConditionData& cd, int c, LayerPressureWriter& layer_file) {
  EarthPressureData& d = run_data();
  set_case_liquefaction_flags(c);
  cd.current_case = c;
  normal_case_angles(cd);
  seismic_case_coefficients(cd);
  if (c == CASE_SEISMIC && case_has_liquefaction()) fill_liquefaction_areas(cd);
  compute_active_pressures(cd);
  compute_passive_pressures(cd);
  residual_water_pressure(cd);
  if (c == CASE_SEISMIC) {
    liquefied_pressure(*d.liquefaction_land);
    liquefied_pressure(*d.liquefaction_sea);
  }
  merge_liquefied_pressures();
  require_finite_case_results();
  layer_file.append(layer_pressure_block());
  write_case_load_tables(cd, c);
  external_force_moments(cd);
  auto& slot = d.chain.force_summary[c].slot;
  const engine::PressureSummaryBlock& s = d.work.summary;
  slot[FS_OTHER_HORIZONTAL_FORCE] = s.ext_horizontal_sum[c];
  slot[FS_OTHER_HORIZONTAL_MOMENT] = s.ext_horizontal_moment_sum[c];
  slot[FS_OTHER_VERTICAL_FORCE] = s.ext_vertical_sum[c];
  slot[FS_OTHER_VERTICAL_MOMENT] = s.ext_vertical_moment_sum[c];
  write_pressure_work_file(c);
}

}  // namespace

engine::Status run_earth_pressures() {
  ConditionData& cd = engine::condition_data();
  allocate_liquefaction_areas();
  init_engine_state();
  clear_work_arrays();
  if (engine::Status s = engine::read_conditions_file(cd); !s.ok()) return s;
  if (engine::Status s = engine::read_block_file(cd); !s.ok()) return s;
  // A section the block weight engine refuses is refused here too.
  if (engine::Status s = engine::check_block_geometry(cd); !s.ok()) return s;
  if (engine::Status s = engine::require_toe_point(cd); !s.ok()) return s;
  engine::apply_start_stamp(cd, engine::engine_start_time());

  engine::reset_surcharge_values(cd);
  refuse_seismic_case_alone(cd);
  check_surcharge_overlap(cd);
  check_layers_and_fill(cd);
  check_residual_water_level(cd);

  copy_land_input_layers(cd);
  copy_sea_input_layers(cd);
  add_improved_body_bottom(cd);
  read_block_results();
  build_ground_surface(cd);
  close_ground_surface();
  clay_cohesion_from_reference(cd);
  insert_fill_layers(cd);
  prepare_layer_boundaries(cd);
  require_finite_layers();

  int first = 0, end = 0;
  engine::get_case_range(cd, first, end);
  LayerPressureWriter layer_file;
  layer_file.open();
  for (int c = first; c < end; ++c) run_case(cd, c, layer_file);
  layer_file.close();
  run_data().chain.body_totals[0] = run_data().body_width;

  write_earth_pressure_results();
  const int pattern = cd.improvement_pattern;
  if (pattern == PATTERN_BLOCK || pattern == PATTERN_TANGENT_CIRCLES)
    write_force_summary(cd);
  else
    write_force_summary_split(cd);
  return engine::Status::success();
}

}  // namespace qvt::vaskude
