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

// Reads the options as items separated by commas or line ends. The values are stored into
// `options` in file order as they are read, so a file that fails part way keeps what was read
// before (the reset relies on that). A file that ends after its 14th item (13 lines) gives
// passive_vertical_ignored = 1. False when the file is missing, short or malformed.
bool read_custom_options(const std::filesystem::path& file, CustomOptions& options);

// Writes the fourteen lines, CR LF, through a temporary file. False when it cannot be written.
bool write_custom_options(const std::filesystem::path& file, const CustomOptions& options);

}  // namespace qvt::model
