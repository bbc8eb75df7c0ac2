#pragma once
// The notation every section of the earth pressure data report shares: the levels of a row,
// the display roundings, the row conditions with their tolerances, the runs of "─" that mark a
// value as not applicable, and the field record. Print templates outside the program read
// these fields by number, so numbers, formats and run lengths are a contract.
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"
#include "engines/common/pressure_files.h"
#include "engines/common/print_data.h"

#include <array>
#include <string>
#include <string_view>

namespace qvt::tolmire {

// "─" runs (CP932 0x849F per character), two to five characters.
inline constexpr std::string_view kDash2 = "\x84\x9f\x84\x9f";
inline constexpr std::string_view kDash3 = "\x84\x9f\x84\x9f\x84\x9f";
inline constexpr std::string_view kDash4 = "\x84\x9f\x84\x9f\x84\x9f\x84\x9f";
inline constexpr std::string_view kDash5 = "\x84\x9f\x84\x9f\x84\x9f\x84\x9f\x84\x9f";

// CP932 text of a UTF-8 literal.
std::string cp(std::string_view utf8);

// Rounded to 2 or 3 decimals, halves away from zero; an angle in radians as degrees to 1
// decimal.
double r2(double v);
double r3(double v);
double deg1(double radians);

// Top and bottom level of a work record.
template <class Layer>
double zt(const Layer& l) {
  return l.top_level;
}
template <class Layer>
double zb(const Layer& l) {
  return l.top_level - l.thickness;
}

// Field records: "NN  " + the value in its printf format, or + a "─" run.
void field(engine::PrintFile& f, int number, const char* format, double value);
void dash_field(engine::PrintFile& f, int number, std::string_view dashes);
// The value, or the run when not_applicable.
void field_or_dash(engine::PrintFile& f, int number, const char* format, double value,
                   bool not_applicable, std::string_view dashes);

// The values a land row is judged by: the design seabed D and the water levels.
struct RowContext {
  double D = 0;    // design seabed level of the active side
  double rwl = 0;  // R.W.L.
  double lwl = 0;  // L.W.L.
  const engine::ConditionData* cd = nullptr;

  bool top_above_rwl(double top) const { return top > rwl; }
  bool bottom_at_or_above_rwl(double bottom) const { return bottom >= rwl; }
  bool top_at_rwl(double top) const;
  // A top less than 0.001 above D still counts as in the zone from D down to D - 10.
  bool top_in_shallow_zone(double top) const;
  bool bottom_in_shallow_zone(double bottom) const { return D - 10 < bottom && bottom < D; }
  // The seismic coefficient as the tables show it: kind 2 (derived from the apparent
  // coefficient) rounded to 0.01, or to 0.05 under seismic_rounding, unless given directly.
  double displayed_coef(double k, int kind) const;
};

RowContext row_context(const engine::ConditionData& cd, double design_seabed_level);

// Sandy and clayey land rows of the seismic tables: phi at least 0.0001 is sandy.
inline bool sandy_land(double phi) { return phi >= 0.0001; }

// A record of a work table by index; an index outside the table means the file does not hold
// what its header says, and the engine stops naming it.
template <class T>
const T& record_at(const std::array<T, engine::LAYER_RECORDS>& table, int index,
                   const std::string& file_name);
template <class T>
T& record_at(std::array<T, engine::LAYER_RECORDS>& table, int index, const std::string& file_name);

// The stop of a result file that opened but does not hold what its layout says.
engine::EngineStop damaged_file(const std::string& file_name);
[[noreturn]] void stop_damaged_file(const std::string& file_name);

template <class T>
const T& record_at(const std::array<T, engine::LAYER_RECORDS>& table, int index,
                   const std::string& file_name) {
  if (index < 0 || index >= engine::LAYER_RECORDS) stop_damaged_file(file_name);
  return table[static_cast<std::size_t>(index)];
}
template <class T>
T& record_at(std::array<T, engine::LAYER_RECORDS>& table, int index,
             const std::string& file_name) {
  if (index < 0 || index >= engine::LAYER_RECORDS) stop_damaged_file(file_name);
  return table[static_cast<std::size_t>(index)];
}

}  // namespace qvt::tolmire
