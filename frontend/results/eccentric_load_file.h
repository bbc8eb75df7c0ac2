#pragma once
// CAL_HEN.DAT, the hand-over of the internal stability engine to the eccentric inclined load
// checks: the resultant of both load cases on the base of the improved body and the bearing
// layer's values.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace qvt::results {

inline constexpr const char* kEccentricLoadFile = "CAL_HEN.DAT";
inline constexpr std::size_t kEccentricLoadLines = 12;
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
  std::array<double, 2> max_reaction{};  // line 12
};

// The smallest vertical force, body width and base cohesion the checks divide by, and the
// largest magnitude of any number of the file. Every length is given to the millimetre and every
// force to the newton, and no section of a quay reaches a million kN or metres: a number beyond
// these is a damaged file, and dividing by it would print an infinite F or qa.
inline constexpr double kMinimumBodyWidth = 0.001;
inline constexpr double kMinimumVerticalForce = 0.001;
inline constexpr double kMinimumBaseCohesion = 0.001;
// The bearing layer's unit weight the sand check multiplies by: soil has weight (the conditions
// file holds it to (0, 100] kN/m3), so a smaller or larger one is a damaged file; with 0 every
// bearing capacity would read 0.
inline constexpr double kMinimumBearingUnitWeight = 0.001;
inline constexpr double kLargestBearingUnitWeight = 100.0;
inline constexpr double kLargestMagnitude = 1.0e6;

// Reads the file line by line against its layout: twelve lines (blank lines at the end aside),
// line 1 six whole numbers and the title (the rest of the line, so a comma in it shifts
// nothing), then per line the pair (normal, seismic) or the one value the layout gives, each a
// finite number. A repeated, missing or joined line is so refused instead of moving the values
// after it into other fields. nullopt also when a number lies beyond +-kLargestMagnitude, the
// body width is below kMinimumBodyWidth, or a checked load case cannot be checked: its vertical
// force below kMinimumVerticalForce, a negative eccentricity or ratio, or a ratio 2e/B that is
// not 2e/B of the file's e and B within the precision the file writes them with; with
// with_max_reaction (the clay check, which compares qa with it) also a negative maximum
// reaction. A ratio above 1 (the resultant outside the base) is read: the dialogs judge that
// case (resultant_outside_base). The seismic case counts only when seismic_check is not 0 (its
// values are not computed otherwise).
std::optional<EccentricLoad> read_eccentric_load_file(const std::filesystem::path& path,
                                                      int seismic_check,
                                                      bool with_max_reaction = false);

// The resultant of the case lies outside the base (2e/B above 1, as the file gives it or as the
// dialogs show it, rounded to 0.001): no part of the base is left in contact to bear the load,
// so the case fails whatever N or Nc says.
bool resultant_outside_base(const EccentricLoad& load, int load_case);
// 2e/B of the case as the dialogs show it: rounded to 0.001.
double shown_eccentricity_ratio(const EccentricLoad& load, int load_case);
// The message that tells why such a case fails.
std::string resultant_outside_message(int load_case);

}  // namespace qvt::results
