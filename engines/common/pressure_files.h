#pragma once
// The binary files of the earth pressure engine, as the engines after it read them: the
// pressure work file of one case (DAT_PRN1.DAT / DAT_PRN2.DAT), the load tables (DAT_SYU,
// DAT_JYU, DAT_SUI, DAT_ENT1..4, DAT_EKI2) and the layer pressure file DAT_ANS.DAT.
//
// Little-endian, f64 = IEEE double, i32 = signed 32-bit; no header, magic or version. Each
// record is encoded and decoded field by field at its fixed offset, padding bytes zero. The
// records are also the engine's working records in memory. Decoders check the size before they
// trust anything and refuse counts and indices outside their tables.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::engine {

inline constexpr int LAYER_RECORDS = 25;     // records of a layer table
inline constexpr int LOAD_ITEMS = 50;        // items of a load table
inline constexpr int GROUND_VERTICES = 80;   // vertices of the ground surface
inline constexpr int FORCE_ARMS = 5;         // other external force rows
inline constexpr int WEDGE_FILL_PARTS = 5;   // wedge parts in the fill records

// One working soil layer after the boundary insertion (88 bytes). Also travels in CAL_ANS.DAT.
struct SplitLayer {
  double top_level = 0;
  double unit_weight_air = 0;
  double unit_weight_submerged = 0;
  std::int32_t soil_type = 0;  // 0 sandy, otherwise clay
  double phi = 0;              // degrees, 0 for clay
  double cohesion = 0;         // at the cohesion reference level, 0 for sand
  double cohesion_gradient = 0;
  double top_cohesion = 0;     // clay only
  double bottom_cohesion = 0;
  std::int32_t liquefied = 0;
  double slurry_unit_weight = 0;
};
inline constexpr std::size_t SPLIT_LAYER_BYTES = 88;

// Header of the pressure work file (9 i32). An index not found is -1.
struct PressureWorkHeader {
  std::int32_t surcharge_level_index = -1;
  std::int32_t ground_top_index = -1;
  std::int32_t rwl_index = -1;
  std::int32_t seabed_index = -1;
  std::int32_t land_boundary_count = 0;
  std::int32_t sea_boundary_count = 0;
  std::int32_t arayoko_land_count = 0;
  std::int32_t arayoko_sea_count = 0;
  std::int32_t ground_vertex_count = 0;
};

// One land-side work record (680 bytes). Angles in radians.
struct LandWorkLayer {
  double top_level = 0, thickness = 0, unit_weight = 0, saturated_unit_weight = 0;
  double surface_slope = 0, phi = 0, wall_friction = 0, wall_back_angle = 0;
  double failure_angle_top = 0, failure_angle_bottom = 0;
  std::array<double, LAYER_RECORDS> wedge_angles{};
  double failure_angle = 0;
  std::int32_t mean_angle_kind = 0;
  double seismic_angle_top = 0, seismic_angle_bottom = 0;
  double band_seismic_angle_top = 0, band_seismic_angle_bottom = 0;
  double weight_above_rwl = 0, saturated_weight_above = 0, saturated_weight_to_seabed = 0;
  double submerged_weight_above = 0, submerged_weight_to_seabed = 0;
  double overburden_top = 0, overburden_bottom = 0;
  double overburden_seabed = 0, overburden_seabed_minus10 = 0;
  double rwl_depth_top = 0, rwl_depth_bottom = 0;
  double seismic_coef_top = 0, seismic_coef_bottom = 0;
  double clay_coef_top = 0, clay_coef_bottom = 0;
  std::int32_t seismic_coef_kind_top = 0, seismic_coef_kind_bottom = 0;
  double cohesion_top = 0, cohesion_bottom = 0;
  double cohesion_seabed = 0, cohesion_seabed_minus10 = 0;
  double wedge_surcharge_load_top = 0, wedge_surcharge_load_bottom = 0;
  double wedge_weight_top = 0, wedge_weight_bottom = 0;
  double wedge_width_top = 0, wedge_width_bottom = 0;
  double surcharge_top = 0, surcharge_bottom = 0;
  double wedge_surface_x_top = 0, wedge_surface_x_bottom = 0;
  double wedge_surface_y_top = 0, wedge_surface_y_bottom = 0;
  std::array<double, WEDGE_FILL_PARTS> wedge_centroid_x{};
  std::array<double, WEDGE_FILL_PARTS> wedge_centroid_y{};
  std::int32_t clay_band_flag = 0;
  std::int32_t liquefied = 0;
  double slurry_unit_weight = 0;
};
inline constexpr std::size_t LAND_WORK_LAYER_BYTES = 680;

// One sea-side work record (232 bytes).
struct SeaWorkLayer {
  double top_level = 0, thickness = 0, unit_weight = 0, saturated_unit_weight = 0;
  double seabed_slope = 0, phi = 0, wall_friction = 0, wall_back_angle = 0;
  double seismic_angle_top = 0, seismic_angle_bottom = 0;
  double weight_above_water = 0, saturated_weight_above = 0, submerged_weight_above = 0;
  double overburden_top = 0, overburden_bottom = 0;
  double water_depth_top = 0, water_depth_bottom = 0;
  double seismic_coef_top = 0, seismic_coef_bottom = 0;
  double surcharge_top = 0, surcharge_bottom = 0;
  double cohesion_top = 0, cohesion_bottom = 0;
  std::int32_t spare_flag = 0;  // 1 in the main set, 0 in the ARAYOKO set
  std::array<double, 3> reserved{};
  std::int32_t liquefied = 0;
  double slurry_unit_weight = 0;
};
inline constexpr std::size_t SEA_WORK_LAYER_BYTES = 232;

// Active (land-side) results of one main land record (21 f64).
struct ActiveLayerResult {
  double coef_top = 0, coef_bottom = 0, vertical_coef_top = 0, vertical_coef_bottom = 0;
  double clay_formula1_top = 0, clay_formula1_bottom = 0;
  double clay_formula2_top = 0, clay_formula2_bottom = 0;
  double horizontal_top = 0, horizontal_bottom = 0, vertical_top = 0, vertical_bottom = 0;
  double water_top = 0, water_bottom = 0;
  double unliquefied_top = 0, unliquefied_bottom = 0, liquefied_top = 0, liquefied_bottom = 0;
  double seabed_formula1 = 0, seabed_formula2 = 0, seabed_intensity = 0;
};
inline constexpr std::size_t ACTIVE_RESULT_BYTES = 168;

// Passive (sea-side) results of one main sea record (14 f64).
struct PassiveLayerResult {
  double coef_top = 0, coef_bottom = 0, vertical_coef_top = 0, vertical_coef_bottom = 0;
  double passive_top = 0, passive_bottom = 0, vertical_top = 0, vertical_bottom = 0;
  double unliquefied_top = 0, unliquefied_bottom = 0, liquefied_top = 0, liquefied_bottom = 0;
  double liquefied_dynamic_top = 0, liquefied_dynamic_bottom = 0;
};
inline constexpr std::size_t PASSIVE_RESULT_BYTES = 112;

// Sums of one run, [case] where two (17 f64).
struct PressureSummaryBlock {
  double residual_water_intensity = 0;
  double item_force_sum[2] = {}, item_moment_sum[2] = {};
  double ext_horizontal_sum[2] = {}, ext_horizontal_moment_sum[2] = {}, ext_horizontal_arm[2] = {};
  double ext_vertical_sum[2] = {}, ext_vertical_moment_sum[2] = {}, ext_vertical_arm[2] = {};
};
inline constexpr std::size_t SUMMARY_BLOCK_BYTES = 136;

struct ExternalForceArm {
  double horizontal_moment = 0, vertical_moment = 0, horizontal_arm = 0, vertical_arm = 0;
};

struct GroundVertex {
  double x = 0, y = 0, surcharge_normal = 0, surcharge_seismic = 0;
};

// DAT_PRN1.DAT / DAT_PRN2.DAT.
struct PressureWorkFile {
  PressureWorkHeader header;
  std::array<LandWorkLayer, LAYER_RECORDS> land{};
  std::array<SeaWorkLayer, LAYER_RECORDS> sea{};
  std::array<LandWorkLayer, LAYER_RECORDS> arayoko_land{};
  std::array<SeaWorkLayer, LAYER_RECORDS> arayoko_sea{};
  std::array<ActiveLayerResult, LAYER_RECORDS> active{};
  std::array<PassiveLayerResult, LAYER_RECORDS> passive{};
  PressureSummaryBlock summary;
  std::array<ExternalForceArm, FORCE_ARMS> arms{};
  std::array<GroundVertex, GROUND_VERTICES> vertices{};
};
inline constexpr std::size_t PRESSURE_WORK_FILE_BYTES = 55492;

// File offsets of the parts of the pressure work file.
inline constexpr std::size_t PRN_LAND_OFFSET = 36;
inline constexpr std::size_t PRN_SEA_OFFSET = 17036;
inline constexpr std::size_t PRN_ARAYOKO_LAND_OFFSET = 22836;
inline constexpr std::size_t PRN_ARAYOKO_SEA_OFFSET = 39836;
inline constexpr std::size_t PRN_ACTIVE_OFFSET = 45636;
inline constexpr std::size_t PRN_PASSIVE_OFFSET = 49836;
inline constexpr std::size_t PRN_SUMMARY_OFFSET = 52636;
inline constexpr std::size_t PRN_ARMS_OFFSET = 52772;
inline constexpr std::size_t PRN_VERTICES_OFFSET = 52932;

// One load item (64 bytes): shape 1 rectangle, 0 triangle.
struct LoadItem {
  std::int32_t shape = 0;
  double centroid_x = 0, centroid_level = 0, lever_arm = 0, intensity = 0, height = 0;
  double force = 0, moment = 0;
};

// One load table file (3,220 bytes). Only the first item_count items are valid.
struct LoadTableFile {
  std::array<LoadItem, LOAD_ITEMS> items{};
  double total_force = 0, total_moment = 0;
  std::int32_t item_count = 0;
};
inline constexpr std::size_t LOAD_ITEM_BYTES = 64;
inline constexpr std::size_t LOAD_TABLE_FILE_BYTES = 3220;

// DAT_ANS.DAT segments, packed.
struct ActiveSegment {
  std::int32_t layer_index = 0;
  double top_level = 0, bottom_level = 0, active_top = 0, active_bottom = 0, water_top = 0,
         water_bottom = 0;
};
struct PassiveSegment {
  std::int32_t layer_index = 0;
  double top_level = 0, bottom_level = 0, passive_top = 0, passive_bottom = 0;
};
inline constexpr std::size_t ACTIVE_SEGMENT_BYTES = 52;
inline constexpr std::size_t PASSIVE_SEGMENT_BYTES = 36;

// One case block of DAT_ANS.DAT.
struct LayerPressureBlock {
  std::vector<ActiveSegment> land;
  std::vector<PassiveSegment> sea;
};

// --- Encoding: exactly the stated sizes. ---
void append_split_layer(std::string& out, const SplitLayer& s);
void append_land_work_layer(std::string& out, const LandWorkLayer& w);
void append_sea_work_layer(std::string& out, const SeaWorkLayer& w);
std::string encode_pressure_work_file(const PressureWorkFile& f);
std::string encode_load_table(const LoadTableFile& t);
std::string encode_layer_pressure_block(const LayerPressureBlock& b);

// --- Decoding: nullopt when the size is wrong, a count or index lies outside its table, or a
// real is not finite or beyond kHandOverMagnitudeLimit (binary_fields.h). ---
SplitLayer decode_split_layer(std::string_view bytes88);  // as it stands, unchecked
std::optional<SplitLayer> decode_sound_split_layer(std::string_view bytes88);
std::optional<PressureWorkFile> decode_pressure_work_file(std::string_view bytes);
std::optional<LoadTableFile> decode_load_table(std::string_view bytes);
// The blocks of DAT_ANS.DAT, as many as the file holds (the file does not say which cases they
// are). Nullopt for a count outside 0..24, a cut segment or bytes left over.
std::optional<std::vector<LayerPressureBlock>> decode_layer_pressure_file(std::string_view bytes);

// Every real of a file, in file order (what the decoders check).
void for_each_real(const PressureWorkFile& f, const std::function<void(double)>& fn);
void for_each_real(const LoadTableFile& t, const std::function<void(double)>& fn);

// The file names of a case (0 normal, 1 seismic).
std::string pressure_work_file_name(int case_index);  // DAT_PRN1.DAT / DAT_PRN2.DAT

}  // namespace qvt::engine
