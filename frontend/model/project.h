#pragma once
// The one project the front end holds: condition values, the 20 block slots with their label
// numbers and the shape library, and the calculation options. Qt-free; the pages, the section
// picture, the file commands and the run read and change it directly.
//
// Stores carry one spare element beyond what is used and saved; it has no meaning.
#include "common/section_limits.h"
#include "frontend/model/custom_options.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace qvt::model {

using i16 = std::int16_t;

using qvt::CASE_NORMAL, qvt::CASE_SEISMIC, qvt::SIDE_PASSIVE, qvt::SIDE_ACTIVE;
using qvt::MAX_WALL_BLOCKS, qvt::SHAPE_LIBRARY_SIZE, qvt::MAX_PRESSURE_POINTS;
using qvt::SOIL_LAYER_RECORDS, qvt::MAX_DIMENSION_POINTS, qvt::MAX_SURFACE_POINTS;
using qvt::MAX_EMBANKMENT_LAYERS, qvt::MAX_SURCHARGE_RANGES, qvt::TOP_SURCHARGES_SAVED;
using qvt::EXTERNAL_FORCES_PER_CASE, qvt::POLYGON_VERTICES, qvt::CAISSON_OUTLINE_POINTS;
using qvt::COUNTERFORT_OUTLINE_POINTS, qvt::PART_NAMES, qvt::MAX_CAISSON_CELLS;
using qvt::LIBRARY_LAYERS, qvt::LIBRARY_POINTS, qvt::LIBRARY_PAIRS;
using qvt::BlockType;
using enum qvt::BlockType;

inline constexpr double UNSET_COORD = 9999.0;  // an outline vertex or part value not set

struct ImportedCheckPoint {
  i16 number = -1;
  double x = 0, y = 0, z = 0;
  i16 flag = 0;
};

struct PressurePointList {
  i16 count = 0;
  std::array<double, MAX_PRESSURE_POINTS + 1> x{}, y{};
};

struct ImprovedBodyDims {
  double ref_x = 0, ref_y = 0, width = 0, dh1 = 0, dh2 = 0, ds = 0, ls = 0, bs = 0, dl = 0,
         ll = 0, bl1 = 0, bl2 = 0;
};

struct EmbankmentLayer {
  double top_level = 0, unit_weight_air = 0, unit_weight_submerged = 0;
};

struct SurfacePoint {
  i16 kind = -1;
  double x = 0, y = 0;
};

struct SurchargeRange {
  double x_min = 0, x_max = 0;
  double load[2] = {0, 0};
};

struct BearingLayer {
  i16 soil_type = 0;
  double unit_weight = 0, shape_factor = 0;
  i16 mean_n = 0, phi_formula = 0;
  double phi = 0, bearing_nr = 0, bearing_nq = 0;
  double overburden_po = 0;  // shown by the page, never saved
  double cohesion = 0, cohesion_gradient = 0;
  i16 friction_rule = 1;
  double friction_mu = 0;
  i16 founding_type = 1;
  i16 slope_length_width = 0;
};

struct ExternalForce {
  std::string name;  // at most 20 characters
  double vertical = 0, horizontal = 0, x = 0, y = 0;
};

struct SoilLayer {
  double top_level = 0, bottom_level = 0, unit_weight_air = 0, unit_weight_submerged = 0;
  i16 soil_type = 0;  // 0 sandy, 1 clay
  double phi = 0, cohesion = 0, cohesion_gradient = 0;
  i16 liquefied = 0;
  double slurry_unit_weight = 0;  // active side only
};

struct DimensionPointList {
  i16 count = 0;
  std::array<double, MAX_DIMENSION_POINTS + 1> x{}, y{};
};

struct BodyReaction {
  double check_x = 0, check_y = 0, spread_width = 0, spread_angle = 0, reaction = 0, extra = 0;
};

struct ProjectConditions {
  // Title and stamps
  std::string project_title;
  i16 stamp_date[3] = {0, 0, 0};
  i16 stamp_time[3] = {0, 0, 0};
  std::string job_name;
  // Design conditions
  i16 seismic_check = 0;
  i16 improvement_pattern = 0;
  double improvement_ratio = 100;
  double water_levels[3] = {0, 0, 0};  // H.W.L., L.W.L., R.W.L.
  double water_unit_weight = 10.1;
  double cohesion_reference_level = 0;
  i16 clay_pressure_formula[2] = {0, 0};
  double safety_factors[2][4] = {{1.2, 1.2, 2.5, 1.2}, {1.0, 1.1, 1.5, 1.0}};
  double allowable_stresses[3][2] = {{600, 900}, {300, 450}, {0, 0}};
  i16 seismic_coef_mode = 0;
  i16 apparent_coef_method = 0;
  i16 reserved_seismic_option = 0;
  i16 rwl_coef_rule = 0;
  i16 shallow_clay_method = 0;
  i16 clay_compare_shallow = 1;
  i16 clay_compare_deep = 1;
  double seismic_coef_earth = 0;
  double apparent_seismic_coef = 0;
  double seismic_coef_inertia = 0;
  double regional_coef[2] = {0, 0};
  double ground_type_factor[2] = {0, 0};
  double importance_factor[2] = {0, 0};
  double liquefied_pressure_coef = 1.0;
  i16 liquefied_vertical_rule = 1;
  double active_seabed_level = 0;
  i16 active_seabed_rule = 0;
  // Check point, action points and improved body
  ImportedCheckPoint imported_check_point;
  PressurePointList pressure_points[2];
  ImprovedBodyDims body_dims;
  // Ground surface, embankment and surcharges
  i16 surface_point_count = 0;
  i16 embankment_layer_count = 0;
  i16 surcharge_range_count = 0;
  i16 external_force_counts[2] = {0, 0};
  i16 surface_shape = 0;
  i16 collapse_angle_rule = 0;
  double surface_slope_angle = 0;
  double seabed_slope_angle = 0;
  std::array<EmbankmentLayer, MAX_EMBANKMENT_LAYERS> embankment_layers{};
  std::array<SurfacePoint, MAX_SURFACE_POINTS + 1> surface_points{};
  double surface_surcharge[2] = {0, 0};
  double seabed_surcharge[2] = {0, 0};
  std::array<SurchargeRange, MAX_SURCHARGE_RANGES> surcharge_ranges{};
  std::array<SurchargeRange, TOP_SURCHARGES_SAVED> top_surcharges{};
  i16 top_surcharge_ignored = 0;
  // Bearing layer
  BearingLayer bearing_layer;
  // Forces, soil layers, dimension points, body reactions
  ExternalForce external_forces[2][EXTERNAL_FORCES_PER_CASE];
  std::array<SoilLayer, SOIL_LAYER_RECORDS> soil_layers[2];
  DimensionPointList dimension_points[2];  // 0 upper, 1 lower
  BodyReaction body_reactions[2];
  double dynamic_water_force = 0;
  double dynamic_water_level = 0;
};

// Common head inside every block section.
struct BlockHead {
  std::string name;
  double ref_x = 0, ref_y = 0;
  double length = 0;
  double unit_weights[7] = {0, 0, 0, 0, 0, 0, 0};  // 0 above R.W.L., 1 submerged, 2 below R.W.L.
  double label_x = 0, label_y = 0;
  double mark_x = 0, mark_y = 0;
};

// Parametric caisson (types 2, 3); the counterfort section has the same layout with a shorter
// outline.
template <int OutlinePoints>
struct ParametricShape {
  i16 sub_type = 1;
  BlockHead head;
  i16 flag_a = 0;
  i16 flag_b = 0;
  double dims_a[4][5] = {};
  double dims_b[2][9] = {};
  i16 part_count = 0;
  std::string part_names[PART_NAMES + 1];
  double part_values[4][9] = {};
  i16 outline_count = 0;
  std::array<double, OutlinePoints + 1> outline_x{}, outline_y{};
  i16 tail = 0;
};
using CaissonShape = ParametricShape<CAISSON_OUTLINE_POINTS>;
using CounterfortShape = ParametricShape<COUNTERFORT_OUTLINE_POINTS>;

struct PolygonShape {
  BlockHead head;
  i16 vertex_count = 0;
  i16 reserved = 0;
  std::array<double, POLYGON_VERTICES + 1> vertex_x{}, vertex_y{};
};

struct QuadShape {
  BlockHead head;
  double values[4] = {0, 0, 0, 0};
  double corner_x[5] = {0, 0, 0, 0, 0};
  double corner_y[5] = {0, 0, 0, 0, 0};
  double value = 0;
};

struct LibraryShape : QuadShape {
  i16 library_index = 0;
  i16 mirrored = 0;
};

struct WallBlock {
  i16 block_type = BLOCK_EMPTY;
  CaissonShape caisson;
  PolygonShape polygon;
  QuadShape quad;
  CounterfortShape counterfort;
  LibraryShape library;
  PolygonShape held_section;  // never saved
};

struct ShapeEntry {
  std::string name, name2;
  double values[6] = {0, 0, 0, 0, 0, 0};
  double seventh_value = 22.6;  // in memory only
  i16 layer_count = 0;
  std::array<double, LIBRARY_LAYERS> layer_a{}, layer_b{}, layer_c{};
  i16 point_count = 0;
  std::array<double, LIBRARY_POINTS + 1> point_x{}, point_y{};  // indexes 1..100
  i16 pair_count = 0;
  std::array<i16, LIBRARY_PAIRS + 1> pair_first{}, pair_second{};  // indexes 1..100
};

// Everything the front end keeps of one project, plus the folders and texts that survive a reset.
struct ProjectModel {
  ProjectConditions conditions;
  std::array<WallBlock, MAX_WALL_BLOCKS + 1> wall_blocks{};
  i16 used_slot_count = 0;
  std::array<i16, MAX_WALL_BLOCKS> block_label_numbers{};
  std::array<ShapeEntry, SHAPE_LIBRARY_SIZE + 1> shape_library{};
  i16 shape_library_count = 0;
  std::array<i16, MAX_WALL_BLOCKS> imported_check_blocks{};
  CustomOptions custom_options;

  // Not touched by a reset.
  std::filesystem::path install_folder;  // programs and shipped data (read-only)
  std::filesystem::path work_folder;     // condition files, snapshots, results, user options
  std::string project_file_path;
  std::string project_base_path;
  std::string version_text;
  std::string command_line;
  i16 file_version = 0;
};

// Puts the model into the state of a new project and reloads custom_options from the work
// folder's QVT_DAT.CST. Every step is always carried out; false when the options file is missing
// or unreadable (the option values read before the failure stay, the rest are 0).
bool reset_project_to_defaults(ProjectModel& m);

// Puts a slot's caisson section back to its reset state (recipe 1, part values unset).
void reset_caisson_section(CaissonShape& c);

// Empties a block slot: type -1, the caisson section reset, the polygon vertices unset. The
// other fields of the slot keep what they held.
void empty_block_slot(WallBlock& b);

// Clears one shape-library entry.
void clear_shape_entry(ShapeEntry& e);

}  // namespace qvt::model
