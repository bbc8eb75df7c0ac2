#pragma once
// The result chain file CAL_ANS.DAT as the engines after the block weight engine read and write
// it: the 632-byte base (weight totals, the force summaries of both cases, the body totals) and
// the earth pressure engine's tail (the layer table counts and the land and sea tables of 25
// split layers), 5,040 bytes in all; the external stability engine appends its results
// (5,136 bytes). Little-endian, field by field, no header.
#include "engines/common/pressure_files.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qvt::engine {

inline constexpr const char* kResultChainFileName = "CAL_ANS.DAT";
inline constexpr const char* kForceListingFileName = "CAL_ANS.TXT";
inline constexpr std::size_t RESULT_CHAIN_BASE_SIZE = 632;
inline constexpr std::size_t RESULT_CHAIN_LAYERS_SIZE = 5040;
inline constexpr std::size_t CHAIN_COUNTS_OFFSET = 632;
inline constexpr std::size_t CHAIN_LAND_OFFSET = 640;
inline constexpr std::size_t CHAIN_SEA_OFFSET = 2840;
inline constexpr std::size_t RESULT_CHAIN_EXTERNAL_SIZE = 5136;

// Slots of a force summary (one per load case): forces [0..15] in kN/m and their moments
// [16..29] in kN·m/m about the toe point, vertical forces by their arm in x, horizontal forces
// by their arm in y. "Without the unimproved soil" and "the unimproved soil" split the whole of
// slots 0 and 3 for the wall and lattice bodies: the soil left between their walls. Every
// engine names a slot by these; no slot is written as its number.
enum ForceSlot : int {
  FS_NONE = -1,  // no slot: the passive vertical force has no moment
  FS_EFFECTIVE_WEIGHT = 0,  // weight less buoyancy of the blocks and the wall-top surcharges
  FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED = 1,
  FS_EFFECTIVE_WEIGHT_UNIMPROVED = 2,
  FS_SEISMIC_INERTIA = 3,  // of the blocks and the wall-top surcharges; seismic case only
  FS_SEISMIC_INERTIA_WITHOUT_UNIMPROVED = 4,
  FS_SEISMIC_INERTIA_UNIMPROVED = 5,
  FS_ACTIVE_HORIZONTAL_FORCE = 6,
  FS_RESIDUAL_WATER_FORCE = 7,
  FS_DYNAMIC_WATER_RESULTANT = 8,  // seismic case only
  FS_PASSIVE_HORIZONTAL_FORCE = 9,
  FS_PASSIVE_VERTICAL_FORCE = 10,
  FS_ACTIVE_VERTICAL_FORCE = 11,
  FS_OTHER_HORIZONTAL_FORCE = 12,
  FS_OTHER_VERTICAL_FORCE = 13,
  FS_ACTIVE_SIDE_ADHESION = 14,
  FS_PASSIVE_SIDE_ADHESION = 15,
  FS_EFFECTIVE_WEIGHT_MOMENT = 16,
  FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED_MOMENT = 17,
  FS_EFFECTIVE_WEIGHT_UNIMPROVED_MOMENT = 18,
  FS_SEISMIC_INERTIA_MOMENT = 19,
  FS_SEISMIC_INERTIA_WITHOUT_UNIMPROVED_MOMENT = 20,
  FS_SEISMIC_INERTIA_UNIMPROVED_MOMENT = 21,
  FS_ACTIVE_HORIZONTAL_MOMENT = 22,
  FS_RESIDUAL_WATER_MOMENT = 23,
  FS_DYNAMIC_WATER_MOMENT = 24,
  FS_PASSIVE_HORIZONTAL_MOMENT = 25,
  FS_ACTIVE_VERTICAL_MOMENT = 26,
  FS_OTHER_HORIZONTAL_MOMENT = 27,
  FS_OTHER_VERTICAL_MOMENT = 28,
  FS_SIDE_ADHESION_MOMENT = 29,  // of the active side's adhesion
};
inline constexpr int FORCE_SUMMARY_SLOTS = 30;
using ForceSummarySlots = std::array<double, FORCE_SUMMARY_SLOTS>;

struct ChainForceSummary {
  ForceSummarySlots slot{};
};

// The base the block weight engine writes.
struct ResultChainBase {
  std::array<double, 16> weight_totals{};          // passed through unread
  std::array<ChainForceSummary, 2> force_summary{};  // [case]
  std::array<double, 3> body_totals{};             // [0] body width; [1], [2] passed through
};

// The earth pressure engine's tail: boundary counts and the main layer tables.
struct ResultChainLayers {
  std::int32_t land_boundary_count = 0;
  std::int32_t sea_boundary_count = 0;
  std::array<SplitLayer, LAYER_RECORDS> land{};
  std::array<SplitLayer, LAYER_RECORDS> sea{};
};

std::string encode_result_chain_base(const ResultChainBase& base);
std::string encode_result_chain_layers(const ResultChainBase& base,
                                       const ResultChainLayers& layers);  // 5,040 bytes

// The base from the first 632 bytes; nullopt when the file is shorter or a real is not sound
// (sound_hand_over_real, binary_fields.h). Bytes after the base
// are not looked at.
std::optional<ResultChainBase> decode_result_chain_base(std::string_view bytes);

// The base and the layer tables from the first 5,040 bytes; nullopt when the file is shorter, a
// real is not sound or a boundary count lies outside 0..25.
// The smallest body width the engines divide by: every length of the files is given to the
// millimetre, so a narrower body is not one that was designed. A width read back below it stops
// the engine rather than turning the eccentricity and the reactions into "inf".
inline constexpr double kMinimumBodyWidth = 0.001;
inline bool body_width_sound(const ResultChainBase& base) {
  return base.body_totals[0] >= kMinimumBodyWidth;
}
inline constexpr const char* kBodyWidthTooSmallMessage =
    "計算結果ファイル (CAL_ANS.DAT) の改良体の幅が 0.001 m に満たないため、計算できません。";

struct ResultChainWithLayers {
  ResultChainBase base;
  ResultChainLayers layers;
};
std::optional<ResultChainWithLayers> decode_result_chain_layers(std::string_view bytes);

// The external stability engine's tail (96 bytes at offset 5,040), index [case]. A value of a
// case that was not computed keeps its preset: -9999.99, and 0 for the effective width.
inline constexpr double EXTERNAL_RESULT_PRESET = -9999.99;
struct ExternalResults {
  std::array<double, 2> sliding_fs{EXTERNAL_RESULT_PRESET, EXTERNAL_RESULT_PRESET};
  std::array<double, 2> overturning_fs{EXTERNAL_RESULT_PRESET, EXTERNAL_RESULT_PRESET};
  // [case][0] reaction at the toe q1, [case][1] at the heel q2 (kN/m2)
  std::array<std::array<double, 2>, 2> reaction{
      {{EXTERNAL_RESULT_PRESET, EXTERNAL_RESULT_PRESET},
       {EXTERNAL_RESULT_PRESET, EXTERNAL_RESULT_PRESET}}};
  std::array<double, 2> allowable_bearing{EXTERNAL_RESULT_PRESET, EXTERNAL_RESULT_PRESET};
  std::array<double, 2> effective_width{};
};

// The first 5,040 bytes of `layers_file` unchanged, then the tail: 5,136 bytes. The caller has
// checked that the file holds at least 5,040 bytes.
std::string encode_result_chain_external(std::string_view layers_file,
                                         const ExternalResults& results);

// The tail of a file of at least 5,136 bytes; nullopt when it is shorter or a real is not sound.
std::optional<ExternalResults> decode_external_results(std::string_view bytes);

}  // namespace qvt::engine
