#pragma once
// The fourteen calculation options of QVT_DAT.CST, shared by every project and every run.
#include <cstdint>
#include <filesystem>

namespace qvt::model {

struct CustomOptions {
  double wall_friction_angle = 0;
  double clay_collapse_angle[2] = {0, 0};
  double consolidation_coef_kc = 0;
  double at_rest_coef_k0 = 0;
  double surface_dummy_length = 0;
  std::int16_t negative_root_rule = 0;
  std::int16_t toe_confinement_rule = 0;
  std::int16_t surcharge_method = 0;
  std::int16_t seismic_rounding = 0;
  std::int16_t residual_water_rule = 0;
  std::int16_t front_water_rule = 0;
  double pullout_pitch = 0;
  std::int16_t backfill_vertical_ignored = 0;
  std::int16_t passive_vertical_ignored = 0;

  bool operator==(const CustomOptions&) const = default;
};

inline constexpr const char* kOptionsFileName = "QVT_DAT.CST";

// Reads the options line by line: 14 lines, or 13 in files written before line 14 existed
// (passive_vertical_ignored then becomes 1); empty lines at the end aside. Line 2 holds two
// values, every other line one, and every value must be one its option can take
// (common/option_ranges.h). The values are stored into `options` in file order as they pass,
// so a file that fails part way keeps what was read before (the reset relies on that). False
// when the file is missing, of another length, or a line is malformed or out of range.
//
// A 13-line file carries no mark that tells it from a 14-line file with a line lost: when a
// middle line is missing, every later value moves up a line, and this is seen only where a
// value lands on a line of another item count or in a field whose range it lies outside.
// A file whose moved values all fit their new fields reads as the older layout: in the shipped
// file a lost line 12 (the pull-out pitch) gives the pitch the backfill switch's 0.
bool read_custom_options(const std::filesystem::path& file, CustomOptions& options);

// Writes the fourteen lines, CR LF, through a temporary file. False when it cannot be written.
bool write_custom_options(const std::filesystem::path& file, const CustomOptions& options);

}  // namespace qvt::model
