// Toe pressure: the ground reaction at the front edge, less a confinement pressure chosen by
// the options (at-rest pressure of the sea-side soil, none, or the normal case's passive
// pressure at the base), against the allowable compressive stress.
#include "common/cp932.h"
#include "common/textfile.h"
#include "engines/common/message_table.h"
#include "engines/jorpela/jorpela.h"

#include <cstdio>

namespace qvt::jorpela {

using engine::number_field;
using engine::rnd;
using engine::text_field;

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

}  // namespace

ToeOverburden toe_overburden(const ConditionData& cd, const ResultChainWithLayers& chain) {
  ToeOverburden o;
  const auto& sea = chain.layers.sea;
  const double seabed = rnd(cd.soil_layers[engine::SIDE_PASSIVE][0].top_level);
  int n = 0;
  for (int i = 0; i + 1 < chain.layers.sea_boundary_count; ++i) {
    const engine::SplitLayer& s = sea[static_cast<std::size_t>(i)];
    const engine::SplitLayer& next = sea[static_cast<std::size_t>(i + 1)];
    if (rnd(s.top_level) > seabed) continue;
    const double middle = (s.top_level + next.top_level) / 2;
    const double gamma = middle > cd.water_levels[1] ? s.unit_weight_air : s.unit_weight_submerged;
    const double h = s.top_level - next.top_level;
    o.sum += rnd(h * gamma);
    o.text[static_cast<std::size_t>(n < 4 ? 0 : n < 8 ? 1 : 2)] +=
        engine::format_text(n == 0 ? "%6.3lfx%6.3lf" : "+%6.3lfx%6.3lf", gamma, h);
    ++n;
  }
  o.text[static_cast<std::size_t>(n <= 4 ? 0 : n <= 8 ? 1 : 2)] +=
      cp(engine::format_text(" ＝ %8.3lfkN/㎡", o.sum).c_str());
  o.p0 = rnd(o.sum * cd.custom_options.at_rest_coef_k0);
  return o;
}

std::optional<double> toe_passive_pressure(std::string_view bytes) {
  const auto prn = engine::decode_pressure_work_file(bytes);
  if (!prn) return std::nullopt;
  const int n = prn->header.sea_boundary_count;
  if (n < 2 || n > engine::LAYER_RECORDS) return std::nullopt;
  return prn->passive[static_cast<std::size_t>(n - 2)].passive_bottom;
}

void check_toe_pressure(const ConditionData& cd, InternalState& state) {
  const int rule = cd.custom_options.toe_confinement_rule;
  if (rule < 0 || rule > 2) {
    char text[32];
    std::snprintf(text, sizeof text, "%d", rule);
    engine::show_error(-1, cp("端趾圧の拘束圧の扱い (") + text + cp(") が正しくありません。"));
  }
  const ToeOverburden o = toe_overburden(cd, state.chain);
  double p = 0;
  if (rule == 2) {
    const auto bytes = read_file_bytes(engine::pressure_work_file_name(0));
    if (!bytes)
      engine::show_error(-1, cp("(ERROR)-土圧計算結果ファイル(DAT_PRN.DAT)がオープンできません."));
    const auto passive = toe_passive_pressure(*bytes);
    if (!passive)
      engine::show_error(-1, cp("(ERROR)-土圧計算結果ファイル(DAT_PRN1.DAT)が壊れています."));
    p = *passive;
  }
  const double confinement = rule == 0 ? o.p0 : rule == 2 ? p : 0.0;
  for (int c = 0; c < 2; ++c)
    state.results.toe_stress[static_cast<std::size_t>(c)] =
        1.0 * state.external.reaction[static_cast<std::size_t>(c)][0] - confinement;

  for (int c = 0; c < engine::case_count(cd); ++c) {
    const auto cu = static_cast<std::size_t>(c);
    const std::string name = engine::report_name(c, "07TAN");
    const double allowable = cd.allowable_stresses[0][c];
    if (!reaction_known(state, c)) {
      // The external engine could not give the reaction of this case: there is nothing to
      // check the toe with.
      engine::report_not_computed(cp("端趾圧の検討"), c,
                          cp("地盤反力が求められていないため端趾圧が求められません。"));
      engine::remove_stale_report(name);
      state.results.toe_stress[cu] = INTERNAL_PRESET;
      state.summary.values[cu][CV_TOE_STRESS] = 0;
      state.summary.limits[cu][CL_ALLOWABLE_COMPRESSIVE_STRESS] = allowable;
      state.summary.failed[cu][3] = 1;
      continue;
    }
    const double q1 = state.external.reaction[cu][0];
    const double toe = state.results.toe_stress[cu];
    const bool passes = !(toe > allowable);
    engine::PrintFile file;
    engine::open_report(file, name);
    engine::write_report_head(file, cd, "改良地盤の端趾圧", c);
    file.page_record(rule == 0 ? "JJ_TAN02.PFM" : rule == 1 ? "JJ_TAN01.PFM" : "JJ_TAN03.PFM");
    number_field(file, 0, "%8.3lf", 1.0 * q1);
    if (rule == 0) {
      for (int k = 0; k < 3; ++k) text_field(file, 30 + k, o.text[static_cast<std::size_t>(k)]);
      number_field(file, 10, "%4.1lf", cd.custom_options.at_rest_coef_k0);
      number_field(file, 11, "%8.3lf", o.sum);
    }
    if (rule != 1) number_field(file, 12, "%8.3lf", confinement);
    number_field(file, 13, "%8.3lf", toe);
    text_field(file, 1, cp(passes ? "＜ " : "＞ "));
    number_field(file, 2, "%8.3lf", allowable);
    text_field(file, 3, engine::verdict_text(passes));
    engine::close_report(file);
    state.summary.values[cu][CV_TOE_STRESS] = toe;
    state.summary.limits[cu][CL_ALLOWABLE_COMPRESSIVE_STRESS] = allowable;
    state.summary.failed[cu][3] = passes ? 0 : 1;
  }
}

}  // namespace qvt::jorpela
