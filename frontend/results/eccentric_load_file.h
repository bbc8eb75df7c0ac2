#pragma once
// CAL_HEN.DAT, the hand-over of the internal stability engine to the eccentric inclined load
// checks: the resultant of both load cases on the base of the improved body and the bearing
// layer's values.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace qvt::results {

inline constexpr const char* kEccentricLoadFile = "CAL_HEN.DAT";
inline constexpr const char* kEccentricLoadMessage =
    "計算結果ﾌｧｲﾙ(CAL_HEN.DAT)が読み込み出来ません。";

struct EccentricLoad {
  std::array<std::int16_t, 3> stamp_date{};  // two-digit year, month, day
  std::array<std::int16_t, 3> stamp_time{};  // hour, minute, second
  std::string project_title;                 // CP932 bytes, the rest of line 1
  std::array<double, 2> vertical_force{};    // [normal, seismic]
  std::array<double, 2> horizontal_force{};
  std::array<double, 2> resisting_moment{};
  double body_width = 0.0;
  std::array<double, 2> eccentricity{};
  std::array<double, 2> eccentricity_ratio{};
  double strength_gradient = 0.0;
  double base_cohesion = 0.0;
  double bearing_unit_weight = 0.0;
  double overburden = 0.0;
  std::array<double, 2> max_reaction{};  // line 12, read only when asked for
};

// The narrowest body the checks divide by (every length of the file is given to the millimetre).
inline constexpr double kMinimumBodyWidth = 0.001;

// Reads the file. nullopt when it is missing or short, an item is not a finite number (the stamp:
// not a whole number), or a checked load case cannot be checked: its vertical force not above 0,
// the body width below kMinimumBodyWidth, a negative eccentricity, or a ratio 2e/B outside 0..1
// (the resultant outside the base). The seismic case counts only when
// seismic_check is not 0 (its values are not computed otherwise). The title is the rest of line
// 1 after the six stamp numbers, so a comma in it shifts nothing.
std::optional<EccentricLoad> read_eccentric_load_file(const std::filesystem::path& path,
                                                      int seismic_check,
                                                      bool with_max_reaction = false);

}  // namespace qvt::results
