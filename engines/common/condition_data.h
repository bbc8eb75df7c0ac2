#pragma once
// The condition data every engine works from: the items of the conditions file QVTAJKN.CAL,
// the options of QVT_DAT.CST and the block slots and shape library of QVTABLK.CAL, in the
// engines' own forms. Integers the front end keeps in 16 bits are 32-bit here, except inside a
// block slot; texts are CP932 bytes of bounded length; the caisson outline is single precision.
// The record is plain data: zero when created, filled once by the readers (condition_readers.h).
#include "common/cp932.h"
#include "common/improvement_pattern.h"

#include <algorithm>
#include "common/section_limits.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace qvt::engine {

using i16 = std::int16_t;
using i32 = std::int32_t;

using qvt::CASE_NORMAL, qvt::CASE_SEISMIC, qvt::SIDE_PASSIVE, qvt::SIDE_ACTIVE;
using qvt::MAX_WALL_BLOCKS, qvt::SOIL_LAYER_RECORDS, qvt::EXTERNAL_FORCES_PER_CASE;
using qvt::MAX_SURFACE_POINTS, qvt::MAX_EMBANKMENT_LAYERS, qvt::MAX_SURCHARGE_RANGES;
using qvt::TOP_SURCHARGES_SAVED, qvt::MAX_DIMENSION_POINTS, qvt::POLYGON_VERTICES;
using qvt::CAISSON_OUTLINE_POINTS, qvt::COUNTERFORT_OUTLINE_POINTS, qvt::PART_NAMES;
using qvt::LIBRARY_LAYERS, qvt::LIBRARY_POINTS, qvt::LIBRARY_PAIRS;
using qvt::BlockType;
using enum qvt::BlockType;
inline constexpr int MAX_ENGINE_SHAPES = qvt::SHAPE_LIBRARY_SIZE;

// Text capacities in bytes, a terminating zero besides.
inline constexpr std::size_t PROJECT_TITLE_CAPACITY = 95;
inline constexpr std::size_t JOB_NAME_CAPACITY = 64;
inline constexpr std::size_t FORCE_NAME_CAPACITY = 23;
inline constexpr std::size_t BLOCK_NAME_CAPACITY = 25;
inline constexpr std::size_t PART_NAME_CAPACITY = 24;
inline constexpr std::size_t SHAPE_NAME_CAPACITY = 63;

// A text of at most Capacity CP932 bytes, zero-terminated, so the engines' printf-style
// widths count bytes as their formats intend. A longer text is cut at a whole character.
template <std::size_t Capacity>
struct FixedText {
  char bytes[Capacity + 1] = {};

  void assign(std::string_view cp932) {
    cp932 = cp932.substr(0, std::min(cp932.size(), cp932.find('\0')));
    std::string_view kept = cp932_truncate(cp932, Capacity);
    std::memcpy(bytes, kept.data(), kept.size());
    std::memset(bytes + kept.size(), 0, Capacity + 1 - kept.size());
  }
  const char* c_str() const { return bytes; }
  std::string_view view() const {
    const auto* end = static_cast<const char*>(std::memchr(bytes, 0, Capacity + 1));
    return {bytes, end ? static_cast<std::size_t>(end - bytes) : Capacity};
  }
  static constexpr std::size_t capacity() { return Capacity; }
};

struct ImportedCheckPoint {
  i32 number = 0;
  double x = 0, y = 0, z = 0;
  i32 flag = 0;
};

struct ImprovedBodyDims {
  double ref_x = 0, ref_y = 0, width = 0, dh1 = 0, dh2 = 0, ds = 0, ls = 0, bs = 0, dl = 0,
         ll = 0, bl1 = 0, bl2 = 0;
};

struct EmbankmentLayer {
  double top_level = 0, unit_weight_air = 0, unit_weight_submerged = 0;
};

struct SurfacePoint {
  i32 kind = 0;
  double x = 0, y = 0;
};

struct SurchargeRange {
  double x_min = 0, x_max = 0;
  double load[2] = {};  // [case]
};

// The wall-top surcharges, held by quantity: ranges 0..3 are read, 0..2 are used.
struct TopSurcharges {
  double x_min[TOP_SURCHARGES_SAVED] = {};
  double x_max[TOP_SURCHARGES_SAVED] = {};
  double load[TOP_SURCHARGES_SAVED][2] = {};  // [range][case]
};

struct BearingLayer {
  i32 soil_type = 0;
  double unit_weight = 0, shape_factor = 0;
  i32 mean_n = 0, phi_formula = 0;
  double phi = 0, bearing_nr = 0, bearing_nq = 0;
  double cohesion = 0, cohesion_gradient = 0;
  i32 friction_rule = 0;
  double friction_mu = 0;
  i32 founding_type = 0;
  i32 slope_length_width = 0;
};

struct ExternalForce {
  FixedText<FORCE_NAME_CAPACITY> name;
  double vertical = 0, horizontal = 0, x = 0, y = 0;
};

struct SoilLayer {
  double top_level = 0, bottom_level = 0, unit_weight_air = 0, unit_weight_submerged = 0;
  i32 soil_type = 0;  // 0 sandy, otherwise clay
  double phi = 0, cohesion = 0, cohesion_gradient = 0;
  i32 liquefied = 0;
  double slurry_unit_weight = 0;
};

struct DimensionPointList {
  i32 count = 0;
  double x[MAX_DIMENSION_POINTS] = {};
  double y[MAX_DIMENSION_POINTS] = {};
};

struct BodyReaction {
  double check_x = 0, check_y = 0, spread_width = 0, spread_angle = 0, reaction = 0, extra = 0;
};

struct CustomOptions {
  double wall_friction_angle = 0;
  double clay_collapse_angle[2] = {};
  double consolidation_coef_kc = 0;
  double at_rest_coef_k0 = 0;
  double surface_dummy_length = 0;
  i32 negative_root_rule = 0;
  i32 toe_confinement_rule = 0;
  i32 surcharge_method = 0;
  i32 seismic_rounding = 0;
  i32 residual_water_rule = 0;
  i32 front_water_rule = 0;
  double pullout_pitch = 0;
  i32 backfill_vertical_ignored = 0;
  i32 passive_vertical_ignored = 0;
};

// Common head of every block section.
struct BlockHead {
  FixedText<BLOCK_NAME_CAPACITY> name;
  double ref_x = 0, ref_y = 0;
  double length = 0;
  double unit_weights[6] = {};  // 0 above R.W.L., 1 submerged, 2 below R.W.L.
  double label_x = 0, label_y = 0;
  double mark_x = 0, mark_y = 0;
};

// Types -1, 0, 1, 6, 7. Types 0 and 6 hold vertices 0..vertex_count-1 relative to the
// reference point; types 1 and 7 the size in vertex 0 and the corners in vertices 10..13.
struct PolygonShape {
  i16 vertex_count = 0;
  i16 reserved = 0;
  double vertex_x[POLYGON_VERTICES] = {};
  double vertex_y[POLYGON_VERTICES] = {};
  i16 zero_words[3] = {};
};

// Types 2 and 3. The outline is held in single precision.
struct CaissonShape {
  i16 flag_a = 0, flag_b = 0;
  double dims_a[4][4] = {};
  double dims_b[2][8] = {};
  i16 part_count = 0;
  FixedText<PART_NAME_CAPACITY> part_names[PART_NAMES];
  double part_values[4][8] = {};
  i16 outline_count = 0;
  float outline_x[CAISSON_OUTLINE_POINTS] = {};
  float outline_y[CAISSON_OUTLINE_POINTS] = {};
  i16 tail = 0;
};

// Type 5: the caisson layout with a shorter outline in double precision.
struct CounterfortShape {
  i16 flag_a = 0, flag_b = 0;
  double dims_a[4][4] = {};
  double dims_b[2][8] = {};
  i16 part_count = 0;
  FixedText<PART_NAME_CAPACITY> part_names[PART_NAMES];
  double part_values[4][8] = {};
  i16 outline_count = 0;
  double outline_x[COUNTERFORT_OUTLINE_POINTS] = {};
  double outline_y[COUNTERFORT_OUTLINE_POINTS] = {};
  i16 tail = 0;
};

// Type 4.
struct QuadShape {
  double values[4] = {};
  double corner_x[4] = {};
  double corner_y[4] = {};
  double value = 0;
  i16 zero_words[5] = {};
};

// Type 8: the quad fields, then the library entry it takes its points from.
struct LibraryShape {
  double values[4] = {};
  double corner_x[4] = {};
  double corner_y[4] = {};
  double value = 0;
  i16 library_index = 0;
  i16 mirrored = 0;
  i16 zero_words[3] = {};
};

// One block slot. Only the section that block_type selects is read; the others stay zero.
struct WallBlock {
  i16 block_type = 0;
  i16 sub_type = 0;
  i16 reserved = 0;
  BlockHead head;
  PolygonShape polygon;
  CaissonShape caisson;
  QuadShape quad;
  CounterfortShape counterfort;
  LibraryShape library;
};

// A shape-library entry: layers from index 0, points and pairs from index 1.
struct ShapeEntry {
  FixedText<SHAPE_NAME_CAPACITY> name;
  FixedText<SHAPE_NAME_CAPACITY> name2;
  double values[6] = {};
  i32 layer_count = 0;
  double layer_a[LIBRARY_LAYERS] = {}, layer_b[LIBRARY_LAYERS] = {}, layer_c[LIBRARY_LAYERS] = {};
  i32 point_count = 0;
  double point_x[LIBRARY_POINTS + 1] = {}, point_y[LIBRARY_POINTS + 1] = {};
  i32 pair_count = 0;
  i32 pair_first[LIBRARY_PAIRS + 1] = {}, pair_second[LIBRARY_PAIRS + 1] = {};
};

struct ConditionData {
  // Engine variables beside the conditions.
  i32 file_version = 0;  // the number of the "*" line, 0 without one
  double toe_x = 0, toe_y = 0;  // lever-arm origin: the check point until find_toe_point
  i32 current_case = CASE_NORMAL;

  // Conditions file.
  FixedText<PROJECT_TITLE_CAPACITY> project_title;
  i32 stamp_date[3] = {};  // replaced by each engine's start date (two-digit year)
  i32 stamp_time[3] = {};
  FixedText<JOB_NAME_CAPACITY> job_name;
  i32 seismic_check = 0;
  i32 improvement_pattern = 0;  // ImprovementPattern; another value when the file is damaged
  double improvement_ratio = 0;
  double water_levels[3] = {};  // H.W.L., L.W.L., R.W.L.
  double water_unit_weight = 0;
  double cohesion_reference_level = 0;
  i32 clay_pressure_formula[2] = {};  // [case]
  double safety_factors[4][2] = {};   // [check][case]: sliding, overturning, bearing, pull-out
  double allowable_stresses[3][2] = {};  // [kind][case]: compressive, shear, design strength
  i32 seismic_coef_mode = 0;
  i32 apparent_coef_method = 0;
  i32 reserved_seismic_option = 0;
  i32 rwl_coef_rule = 0;
  i32 shallow_clay_method = 0;
  i32 clay_compare_shallow = 0;
  i32 clay_compare_deep = 0;
  double seismic_coef_earth = 0;
  double apparent_seismic_coef = 0;
  double seismic_coef_inertia = 0;
  double regional_coef[2] = {};       // earth pressure, inertia
  double ground_type_factor[2] = {};  // earth pressure, inertia
  double importance_factor[2] = {};   // earth pressure, inertia
  double liquefied_pressure_coef = 0;
  i32 liquefied_vertical_rule = 0;
  double active_seabed_level = 0;
  i32 active_seabed_rule = 0;
  ImportedCheckPoint imported_check_point;
  ImprovedBodyDims body_dims;
  i32 surface_point_count = 0;
  i32 embankment_layer_count = 0;
  i32 surcharge_range_count = 0;
  i32 soil_layer_counts[2] = {};      // [side]; -1 when a side has no action point
  i32 external_force_counts[2] = {};  // [case]
  i32 used_block_count = 0;
  i32 surface_shape = 0;
  i32 collapse_angle_rule = 0;
  double surface_slope_angle = 0;
  double seabed_slope_angle = 0;
  EmbankmentLayer embankment_layers[MAX_EMBANKMENT_LAYERS];
  SurfacePoint surface_points[MAX_SURFACE_POINTS];
  double surface_surcharge[2] = {};  // [case]
  double seabed_surcharge[2] = {};   // [case]
  SurchargeRange surcharge_ranges[MAX_SURCHARGE_RANGES];
  TopSurcharges top_surcharges;
  i32 top_surcharge_ignored = 0;
  BearingLayer bearing_layer;
  ExternalForce external_forces[2][EXTERNAL_FORCES_PER_CASE];  // [case][row]
  SoilLayer soil_layers[2][SOIL_LAYER_RECORDS];                // [side][layer]
  DimensionPointList dimension_points[2];
  BodyReaction body_reactions[2];  // [case]
  double dynamic_water_force = 0;
  double dynamic_water_level = 0;

  // Options file.
  CustomOptions custom_options;

  // Block file.
  i32 used_slot_count = 0;
  WallBlock wall_blocks[MAX_WALL_BLOCKS];
  i32 block_label_numbers[MAX_WALL_BLOCKS] = {};
  i32 shape_library_count = 0;
  ShapeEntry shape_library[MAX_ENGINE_SHAPES];
};

// The condition data of this run: zero when the process starts, filled by the readers at the
// start of the main routine and then shared by every part of the engine.
ConditionData& condition_data();

}  // namespace qvt::engine
