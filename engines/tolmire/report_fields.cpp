#include "engines/tolmire/report_fields.h"

#include "common/cp932.h"
#include "engines/common/engine_entry.h"
#include "engines/common/message_table.h"
#include "engines/common/pressure_helpers.h"

#include <cmath>
#include <cstdio>

namespace qvt::tolmire {

std::string cp(std::string_view utf8) { return utf8_to_cp932_lossy(std::string(utf8)); }

double r2(double v) { return engine::round_to_decimals(v, 2); }
double r3(double v) { return engine::round_to_decimals(v, 3); }
double deg1(double radians) { return engine::round_to_decimals(radians * 180.0 / M_PI, 1); }

void field(engine::PrintFile& f, int number, const char* format, double value) {
  f.field_record(number, engine::format_text(format, value));
}

void dash_field(engine::PrintFile& f, int number, std::string_view dashes) {
  f.field_record(number, dashes);
}

void field_or_dash(engine::PrintFile& f, int number, const char* format, double value,
                   bool not_applicable, std::string_view dashes) {
  if (not_applicable)
    dash_field(f, number, dashes);
  else
    field(f, number, format, value);
}

bool RowContext::top_at_rwl(double top) const { return std::fabs(top - rwl) < 0.0001; }

bool RowContext::top_in_shallow_zone(double top) const {
  return top > D - 10 && !(top >= D && std::fabs(top - D) >= 0.001);
}

double RowContext::displayed_coef(double k, int kind) const {
  if (kind != 2 || cd->apparent_coef_method == 0) return k;
  if (cd->custom_options.seismic_rounding == 0) return r2(k);
  return engine::round_to_decimals(2 * k, 1) / 2;
}

RowContext row_context(const engine::ConditionData& cd, double design_seabed_level) {
  RowContext c;
  c.D = design_seabed_level;
  c.lwl = cd.water_levels[1];
  c.rwl = cd.water_levels[2];
  c.cd = &cd;
  return c;
}

engine::EngineStop damaged_file(const std::string& file_name) {
  return engine::error_stop(
      -1, cp("(ERROR)-土圧計算結果ファイル(") + file_name + cp(")の内容が正しくありません."));
}

void stop_damaged_file(const std::string& file_name) { engine::stop_engine(damaged_file(file_name)); }

}  // namespace qvt::tolmire
