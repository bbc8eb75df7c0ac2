#pragma once
// The block weight engine's own data for one run, and the names every block-table writer of the
// engine codes against. The condition data (blocks, water levels, body dimensions, options) and
// the toe point belong to the engine runtime; this header holds only what ZENOBAR computes.
//
// All of it lives for one process run and starts at zero. The per-type writers fill
// `run_data.block_results` (and, for wall-pattern improved-soil blocks, `wall_split_results`);
// the load tables sum them into the weight totals and the force summaries of CAL_ANS.DAT.
#include "engines/common/result_chain_file.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::engine {
class PrintFile;  // a report or generated template being written (print data)
}

namespace qvt::zenobar {

inline constexpr int BLOCK_SLOTS = 20;

// The load case being computed is the runtime's condition_data().current_case
// (CASE_NORMAL 0, CASE_SEISMIC 1), which the wall-top surcharge loads read as well.
inline constexpr int CASE_NORMAL = 0;
inline constexpr int CASE_SEISMIC = 1;

// What a block table computes: the weight W or the buoyancy U.
inline constexpr int KIND_WEIGHT = 0;
inline constexpr int KIND_BUOYANCY = 1;

// Side argument of the side adhesion: 0 the active (land) side, 1 the passive (sea) side.
inline constexpr int ADHESION_ACTIVE = 0;
inline constexpr int ADHESION_PASSIVE = 1;

// The result of one block's tables for one kind. Weights are kN/m (for block types 2, 3 and 5
// the whole block, divided by its length in the load tables); centroids absolute, m.
struct BlockResult {
  double weight = 0;
  double centroid_x = 0;
  double centroid_y = 0;
  double moment_x = 0;  // sum of W·x over the block's pieces
  double moment_y = 0;  // sum of W·y
  double volume = 0;    // caisson and counterfort writers only
};

// Improved and unimproved parts of a type-7 block in the wall or lattice pattern; the two
// weights add up to the block's BlockResult weight.
struct WallSplitResult {
  double improved_weight = 0;
  double unimproved_weight = 0;
  double improved_centroid_x = 0;
  double unimproved_centroid_x = 0;
  double improved_centroid_y = 0;
  double unimproved_centroid_y = 0;
  double improved_moment_x = 0;
  double unimproved_moment_x = 0;
  double improved_moment_y = 0;
  double unimproved_moment_y = 0;
};

// The first record of CAL_ANS.DAT: 16 values, of which slots 6 to 11 are used.
struct WeightTotals {
  static constexpr int SLOTS = 16;
  std::array<double, SLOTS> slot{};
  double& vertical_load() { return slot[6]; }
  double& vertical_moment() { return slot[7]; }
  double& inertia_load() { return slot[8]; }
  double& inertia_moment() { return slot[9]; }
  double& buoyancy_load() { return slot[10]; }
  double& buoyancy_moment() { return slot[11]; }
};

// The unimproved soil between the walls (type-7 blocks in the wall and lattice patterns).
struct UnimprovedTotals {
  double weight = 0;
  double buoyancy = 0;
  double inertia = 0;
  double weight_moment = 0;    // about toe_x
  double buoyancy_moment = 0;  // about toe_x
  double inertia_moment = 0;   // about toe_y
};

// The resultant forces and their moments of one load case, about the toe; the slots are the
// ones every engine of the result chain names (engine::ForceSlot).
struct ForceSummary {
  static constexpr int SLOTS = engine::FORCE_SUMMARY_SLOTS;
  engine::ForceSummarySlots slot{};
};
using enum engine::ForceSlot;

// The last record of ZENOBAR's CAL_ANS.DAT.
struct BodyTotals {
  double body_width = 0;  // set by the earth pressure engine; 0 here
  double wall_top_load_normal = 0;
  double wall_top_load_seismic = 0;
};

// Everything the engine computes in one run.
struct BlockWeightData {
  std::array<std::array<BlockResult, 2>, BLOCK_SLOTS> block_results{};        // [slot][kind]
  std::array<std::array<WallSplitResult, 2>, BLOCK_SLOTS> wall_split_results{};  // [slot][kind]
  WeightTotals weight_totals;
  UnimprovedTotals unimproved_totals;
  double short_wall_bottom_level = 0;
  std::array<double, 2> top_surcharge_sum{};  // per case
  std::array<ForceSummary, 2> force_summaries{};  // per case
  BodyTotals body_totals;
};

// The one instance of the run.
extern BlockWeightData run_data;

// Back to the state at the start of a run (tests run several engines in one process).
void reset_run_data();

// round_to_unit(v, 0.001, mode 0): every value the engine forms goes through it at once. A
// value that is not a finite number is a defect: it is counted in `non_finite_count()` (the run
// then refuses to hand its results on) and 0 is returned in its place.
double round3(double v);
// The same check for a value formed elsewhere and already rounded: itself when finite, else
// counted and 0.
double finite_value(double v);
int non_finite_count();
void reset_non_finite_count();  // by reset_run_data

// The unit weight labels of a table heading, as CP932: " γ   " (weight), "γ-γ'" (buoyancy).
const std::string& unit_weight_label(int kind);

// The case label of the report title is engine::case_label (print data).

// ---- Shared by the block writers ---------------------------------------------------------

// Creates (replaces) a report or a generated template in the current folder. A file that
// cannot be created is fatal: its message is shown and the engine stops with exit code 1.
void open_output(engine::PrintFile& file, const std::string& name);
// Closes it; a failed write is fatal in the same way.
void close_output(engine::PrintFile& file);

// printf into a report or template. The format is UTF-8 as written in the source and is
// converted to CP932 before formatting, so its widths count CP932 bytes; text arguments are
// CP932 bytes (names as the condition data hold them). Every "\n" is written as CR LF.
void report_printf(engine::PrintFile& file, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
// The same formatting into a string (CP932, line ends as in the format): for table cells.
std::string cp932_printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

// A block without a part below the residual water level in the buoyancy section: writes the
// text template `file_name` (name line, "2", an empty line and "《name》 浮力は作用しない"),
// records it in the report with "$0  file_name" and sets the slot's buoyancy to zero.
// `block_name_cp932` is the block's name as the condition data hold it.
void write_no_buoyancy_template(engine::PrintFile& report, const std::string& file_name,
                                std::string_view block_name_cp932, int slot);

// One piece of a divided polygon outline, as the weight and buoyancy sections hand it on.
struct BlockPiece {
  double centroid_x = 0;  // absolute, m
  double centroid_y = 0;
  double dim1 = 0;        // first and second dimension (base, height) as the division gives
  double dim2 = 0;
  int code = 0;           // 3 triangle, 4 rectangle
  int flag = 0;           // 0 above the residual water level, 1 below
};

// ---- Per-type block-table writers, called by the weight and buoyancy sections -----------
// Each writes the block's tables into the open report and fills block_results[slot][kind].
// Result 0, or -1 when a buoyancy was not computed (the no-buoyancy template was written).

// Block types 0 and 6: pieces cut at the residual water level and divided; the dimensions are
// rounded in place.
int write_polygon_piece_tables(int slot, std::vector<BlockPiece>& pieces, int kind,
                               engine::PrintFile& report);
// Block type 4.
int write_quad_block_tables(int slot, engine::PrintFile& report, int kind);
// Block type 1, and type 7 in the block and tangent-circle patterns.
int write_rect_block_tables(int slot, engine::PrintFile& report, int kind);
// Block type 7 in the wall pattern; also fills wall_split_results[slot][kind].
int write_wall_body_ratio_tables(int slot, engine::PrintFile& report, int kind);
// Block type 7 in the lattice pattern; also fills wall_split_results[slot][kind].
int write_lattice_body_ratio_tables(int slot, engine::PrintFile& report, int kind);

// Side adhesion of the improved body for one side (ADHESION_ACTIVE, ADHESION_PASSIVE): writes
// M_FTYA_A.PFM / M_FTYA_B.PFM and sets force_summaries slots 14 and 29 (active) or 15
// (passive), in the normal record and, when the seismic check is on, the seismic one.
void write_side_adhesion(int side);

}  // namespace qvt::zenobar
