// The stability summary DMMCALAS.PDT and the eccentric load hand-over CAL_HEN.DAT.
#include "common/check_verdict.h"
#include "common/cp932.h"
#include "common/numtext.h"
#include "common/textfile.h"
#include "engines/common/engine_message.h"
#include "engines/common/check_summary_file.h"
#include "engines/jorpela/jorpela.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace qvt::jorpela {

using engine::rdown;
using engine::rnd;

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

struct SummaryRow {
  int line;           // check line within a case (flag index)
  int value_field[2];
  int limit_field[2];
  int limit_width;    // the limit's format: "%4.1lf", "%5.0lf" or "%8.3lf"
  int limit_decimals;
  int mark_field[2];
  int sign_field[2];
};

// A value or limit text right-aligned in its field, as "%8.3lf" aligns a number; a longer
// text is not cut.
std::string aligned(const std::string& text_cp932, int width) {
  const auto n = static_cast<int>(text_cp932.size());
  return n >= width ? text_cp932 : std::string(static_cast<std::size_t>(width - n), ' ') + text_cp932;
}

std::string number(const char* format, double v) {
  if (v == 0) v = 0.0;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  return engine::format_text(format, v);
#pragma GCC diagnostic pop
}

}  // namespace

void write_summary(const ConditionData& cd, const CheckSummary& s, engine::PrintFile& f) {
  const int pattern = cd.improvement_pattern;
  const bool walls = has_short_walls(pattern);
  std::vector<SummaryRow> rows = {
      {CHECK_SLIDING, {0, 23}, {1, 24}, 4, 1, {2, 25}, {40, 45}},
      {CHECK_OVERTURNING, {3, 26}, {4, 27}, 4, 1, {5, 28}, {41, 46}},
      {CHECK_BEARING, {6, 29}, {7, 30}, 8, 3, {8, 31}, {42, 47}},
  };
  if (pattern == PATTERN_TANGENT_CIRCLES) {
    rows.push_back({CHECK_INTERNAL_STRESS, {9, 32}, {10, 33}, 5, 0, {11, 34}, {43, 48}});
  } else {
    rows.push_back({CHECK_TOE_PRESSURE, {9, 32}, {10, 33}, 5, 0, {11, 34}, {43, 48}});
    rows.push_back({CHECK_SHEAR, {12, 35}, {13, 36}, 5, 0, {14, 37}, {44, 49}});
  }
  if (walls) {
    for (int k = 0; k < 5; ++k) rows[static_cast<std::size_t>(k)].sign_field[0] = 50 + k,
                                 rows[static_cast<std::size_t>(k)].sign_field[1] = 57 + k;
    rows.push_back({CHECK_SHORT_WALL_SHEAR, {15, 38}, {16, 39}, 5, 0, {17, 40}, {55, 62}});
    rows.push_back({CHECK_PULLOUT, {18, 41}, {21, 44}, 4, 1, {22, 45}, {56, 63}});
  }
  // A check this pattern does not run (the lattice body's pull-out) shows nothing rather than
  // a value of 0 with a passing sign.
  const std::vector<int> run_lines = engine::check_lines_of_pattern(pattern);
  auto runs = [&](int line) {
    return std::find(run_lines.begin(), run_lines.end(), line) != run_lines.end();
  };

  f.line(cp("安定計算結果") + std::string(12, ' '));
  const engine::PrintStamp stamp{{cd.stamp_date[0], cd.stamp_date[1], cd.stamp_date[2]},
                                 {cd.stamp_time[0], cd.stamp_time[1], cd.stamp_time[2]}};
  f.stamp_line(stamp, cd.project_title.view(), engine::StampForm::title_right_aligned);
  f.page_record(pattern == PATTERN_BLOCK ? "CAL_ANS1.PFM"
                : walls                 ? "CAL_ANS2.PFM"
                                        : "CAL_ANS3.PFM");
  for (int c = 0; c < 2; ++c) {
    const auto cu = static_cast<std::size_t>(c);
    const bool present = c == 0 || cd.seismic_check != 0;
    // Value, sign and limit of a row by the rule the results table follows, the numbers as
    // the page prints them.
    auto row_text = [&](const SummaryRow& r) {
      return check_row_text(r.line, check_summary_line(s, c, r.line), format_fixed,
                            r.limit_decimals);
    };
    for (const SummaryRow& r : rows) {
      const bool shown = present && runs(r.line);
      const CheckRowText text = row_text(r);
      auto field = [&](int number, const std::string& t) {
        f.field_record(number, shown ? t : std::string());
      };
      if (check_line_row(r.line).levels) {
        // The levels of a factor that was not computed are no levels either.
        const bool levels = text.value != "－";
        auto level = [&](double v) { return levels ? number("%8.3lf", v) : aligned(cp("－"), 8); };
        field(c == 0 ? 19 : 42, level(s.values[cu][CV_PULLOUT_FROM_LEVEL]));
        field(c == 0 ? 20 : 43, level(s.values[cu][CV_PULLOUT_TO_LEVEL]));
      }
      field(r.value_field[cu], aligned(cp(text.value.c_str()), 8));
      field(r.limit_field[cu], aligned(cp(text.limit.c_str()), r.limit_width));
    }
    if (!present) continue;
    for (const SummaryRow& r : rows) {
      if (!runs(r.line)) continue;
      f.field_record(r.mark_field[cu], s.failed[cu][static_cast<std::size_t>(r.line)] ? "OUT" : "");
    }
    for (const SummaryRow& r : rows) {
      if (!runs(r.line)) continue;
      // A sign field is a blank and the sign; no sign where the value or the limit is "－".
      const CheckRowText text = row_text(r);
      f.field_record(r.sign_field[cu], text.sign.empty() ? "" : " " + cp(text.sign.c_str()));
    }
  }
}

std::optional<EccentricLoadValues> eccentric_load_values(const ConditionData& cd,
                                                         const InternalState& st) {
  EccentricLoadValues v;
  v.body_width = st.chain.base.body_totals[0];
  if (!(v.body_width > 0)) return std::nullopt;
  for (int c = 0; c < engine::case_count(cd); ++c) {
    const auto cu = static_cast<std::size_t>(c);
    const auto& f = st.chain.base.force_summary[cu].slot;
    // Summed in this order: the hand-over's figures are those of these sums, to the last bit.
    v.vertical[cu] = rnd(f[FS_EFFECTIVE_WEIGHT] + f[FS_ACTIVE_VERTICAL_FORCE] +
                         f[FS_OTHER_VERTICAL_FORCE] + f[FS_ACTIVE_SIDE_ADHESION] +
                         f[FS_PASSIVE_SIDE_ADHESION]);
    v.horizontal[cu] = rdown(f[FS_ACTIVE_HORIZONTAL_FORCE] + f[FS_RESIDUAL_WATER_FORCE] +
                             f[FS_SEISMIC_INERTIA] + f[FS_OTHER_HORIZONTAL_FORCE] +
                             f[FS_DYNAMIC_WATER_RESULTANT]);
    v.resisting[cu] = rnd(f[FS_EFFECTIVE_WEIGHT_MOMENT] + f[FS_ACTIVE_VERTICAL_MOMENT] +
                          f[FS_PASSIVE_HORIZONTAL_MOMENT] + f[FS_OTHER_VERTICAL_MOMENT] +
                          f[FS_SIDE_ADHESION_MOMENT]);
    const double mo = rnd(f[FS_ACTIVE_HORIZONTAL_MOMENT] + f[FS_RESIDUAL_WATER_MOMENT] +
                          f[FS_DYNAMIC_WATER_MOMENT] + f[FS_OTHER_HORIZONTAL_MOMENT] +
                          f[FS_SEISMIC_INERTIA_MOMENT]);
    if (!(v.vertical[cu] > 0)) return std::nullopt;
    v.eccentricity[cu] = rnd(std::fabs((v.resisting[cu] - mo) / v.vertical[cu] - v.body_width / 2));
    v.ratio[cu] = rnd(2 * v.eccentricity[cu] / v.body_width);
  }
  const auto& sea = st.chain.layers.sea;
  const int n = st.chain.layers.sea_boundary_count;
  const double t = sea[static_cast<std::size_t>(n - 1)].top_level;
  v.base_cohesion = rnd((cd.cohesion_reference_level - t) * cd.bearing_layer.cohesion_gradient +
                        cd.bearing_layer.cohesion);
  const double seabed = rnd(cd.soil_layers[engine::SIDE_PASSIVE][0].top_level);
  for (int i = 0; i + 1 < n; ++i) {
    const auto& s = sea[static_cast<std::size_t>(i)];
    if (rnd(s.top_level) > seabed) continue;
    v.overburden += rnd((s.top_level - sea[static_cast<std::size_t>(i + 1)].top_level) *
                        s.unit_weight_submerged);
  }
  return v;
}

std::vector<std::string> eccentric_load_lines(const ConditionData& cd, const InternalState& st,
                                              const EccentricLoadValues& v) {
  char buf[512];
  std::vector<std::string> lines;
  std::snprintf(buf, sizeof buf, "%d,%d,%d,%d,%d,%d,", cd.stamp_date[0], cd.stamp_date[1],
                cd.stamp_date[2], cd.stamp_time[0], cd.stamp_time[1], cd.stamp_time[2]);
  // The reader takes the rest of the line as the title, commas included.
  lines.push_back(buf + std::string(cd.project_title.view()));
  auto pair = [&](const std::array<double, 2>& p) {
    lines.push_back(engine::format_text("%lf,%lf", p[0], p[1]));
  };
  auto one = [&](double x) { lines.push_back(engine::format_text("%lf", x)); };
  pair(v.vertical);
  pair(v.horizontal);
  pair(v.resisting);
  one(v.body_width);
  pair(v.eccentricity);
  pair(v.ratio);
  one(cd.bearing_layer.cohesion_gradient);
  one(v.base_cohesion);
  one(cd.bearing_layer.unit_weight);
  one(v.overburden);
  pair({st.summary.values[0][CV_MAX_REACTION], st.summary.values[1][CV_MAX_REACTION]});
  return lines;
}

engine::Status write_eccentric_load_file(const ConditionData& cd, const InternalState& st) {
  const auto v = eccentric_load_values(cd, st);
  std::error_code ec;
  if (!v) {
    // Without a vertical force or a body width there is no resultant to hand over; the front
    // end offers the eccentric load check only while the file exists.
    std::filesystem::remove(kEccentricLoadFileName, ec);
    engine::engine_message(engine::MessageKind::Warning, cp("偏心傾斜荷重"),
                           cp("鉛直力の合計または改良体の幅が 0 以下のため、偏心傾斜荷重の"
                              "検討に渡す合力が求められません。\n偏心傾斜荷重の検討はできません。"));
    return engine::Status::success();
  }
  const engine::NonFiniteWatch watch;
  const auto lines = eccentric_load_lines(cd, st, *v);
  if (!watch.clean()) {
    // The dialogs would read "nan" or "inf" as a load; no hand-over is better than that.
    std::filesystem::remove(kEccentricLoadFileName, ec);
    return engine::fatal_error(cp("計算結果ファイル (CAL_HEN.DAT) に数値でない値 (非数または無限大) "
                                  "を書き込もうとしました。"));
  }
  if (!replace_file_bytes(kEccentricLoadFileName, join_crlf(lines)))
    return engine::fatal_error(cp("計算結果ファイル (CAL_HEN.DAT) に書き込めません。"));
  return engine::Status::success();
}

}  // namespace qvt::jorpela
