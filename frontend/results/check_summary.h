#pragma once
// The check summary CAL_ANZ.DAT as the results table reads it: per load case eight lines, the
// verdicts of the stability engines. The front end computes nothing from it; it only shows it.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

namespace qvt::results {

inline constexpr const char* kCheckSummaryFile = "CAL_ANZ.DAT";
inline constexpr int kCheckCount = 8;
// Index of the pull-out line, the one with five items.
inline constexpr int kPulloutItem = 6;

struct CheckItem {
  double value = 0.0;
  double limit = 0.0;
  // The pull-out line's levels; 0 on the other lines.
  double from_level = 0.0;
  double to_level = 0.0;
  // The engine's verdict: any value other than 0 means failed.
  std::int16_t failed = 0;
};

// [case][check]: case 0 normal, 1 seismic; checks in the file's order (sliding, overturning,
// bearing capacity, toe pressure, shear of the long wall, shear of the short wall, pull-out,
// internal stress).
using CheckResults = std::array<std::array<CheckItem, kCheckCount>, 2>;

// A failed line whose numbers do not show the failure: a factor of safety (sliding,
// overturning, pull-out) not below its limit, a pressure or stress not above it (the shear
// stresses in magnitude, as the engine judges them). Such a check could not be computed and the
// engine's message said why; its value is shown as "－", never with a sign the numbers contradict.
// `check` is the line's index within its case (0 to 7).
bool failed_without_value(const CheckItem& item, int check);

// Reads the sixteen lines. nullopt when the file is missing, has fewer lines, or a line does not
// hold exactly its items as finite numbers (the flags as whole numbers within 16 bits).
std::optional<CheckResults> read_check_summary(const std::filesystem::path& path);

}  // namespace qvt::results
