// Bearing capacity of the in-situ ground under the body: the allowable bearing capacity qa by
// the practical formulas for a sandy or a clay bearing layer, held against the maximum reaction
// (the larger edge value) from the ground reaction of the same case.
#include "common/cp932.h"
#include "engines/common/engine_message.h"
#include "engines/meritan/meritan.h"

#include <cmath>
#include <cstdio>

namespace qvt::meritan {

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

BearingResult not_computed(BearingResult r, const char* reason_utf8) {
  r.computed = false;
  r.reason = cp(reason_utf8);
  return r;
}

std::string term_text(const char* format, double a, double b) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  return engine::format_text(format, a, b);
#pragma GCC diagnostic pop
}

}  // namespace

void base_overburden(const ConditionData& cd, const ResultChainWithLayers& chain,
                     double& overburden, std::array<std::string, 3>& text) {
  overburden = 0;
  text = {};
  const double zs = cd.soil_layers[engine::SIDE_PASSIVE][0].top_level;
  const double zw = cd.water_levels[1];
  const auto& sea = chain.layers.sea;
  int counted = 0;
  for (int j = 0; j + 1 < chain.layers.sea_boundary_count; ++j) {
    if (!(rnd(sea[j].top_level) <= rnd(zs))) continue;  // above the seabed
    const double thickness = sea[j].top_level - sea[j + 1].top_level;
    const double gamma = (sea[j].top_level + sea[j + 1].top_level) * 0.5 > zw
                             ? sea[j].unit_weight_air
                             : sea[j].unit_weight_submerged;
    overburden += rnd(thickness * gamma);
    text[std::min(counted / 4, 2)] +=
        term_text(counted == 0 ? "%6.3lfx%6.3lf" : "+%6.3lfx%6.3lf", gamma, thickness);
    ++counted;
  }
  const int line = counted <= 4 ? 0 : counted <= 8 ? 1 : 2;
  text[line] += cp(" ＝ ") + engine::format_text("%8.3lf", overburden == 0 ? 0.0 : overburden) +
                cp("kN/㎡");
}

BearingResult compute_bearing(const ConditionData& cd, const ResultChainWithLayers& chain,
                              bool wall, double reaction, double effective_width, int c) {
  const engine::BearingLayer& bl = cd.bearing_layer;
  BearingResult r;
  r.f = cd.safety_factors[2][c];
  r.reaction = reaction;
  r.effective_width = effective_width;
  // The wall procedure reads the soil type as clay only for 1, the block procedure as sandy
  // only for 0; the front end writes no other value.
  const bool clay = wall ? bl.soil_type == 1 : bl.soil_type != 0;
  if (clay)
    r.variant = BearingVariant::clay;
  else
    r.variant = wall ? BearingVariant::wall_separate : BearingVariant::block_sandy;
  // A factor of 0 would leave the case unchecked and counted as passed.
  if (!(r.f > 0))
    return not_computed(r, "支持力の安全率が 0 以下のため許容支持力が求められません。");
  if (chain.layers.sea_boundary_count < 1)
    return not_computed(r, "海側の土層がないため改良体底面の位置が求められません。");
  base_overburden(cd, chain, r.overburden, r.overburden_text);
  const double qp = r.overburden;
  if (r.variant == BearingVariant::block_sandy) {
    // The design method divides the overburden term q' Nq by F as well; kept as it is.
    r.qa = rnd((1 / r.f) * (bl.shape_factor * bl.unit_weight * effective_width * bl.bearing_nr +
                            qp * bl.bearing_nq) +
               qp);
  } else if (r.variant == BearingVariant::clay) {
    const double zb = chain.layers.sea[chain.layers.sea_boundary_count - 1].top_level;
    const double kc = bl.cohesion_gradient;
    r.cb = rnd((cd.cohesion_reference_level - zb) * kc + bl.cohesion);
    // Without cohesion at the base the ratio is unbounded when the cohesion grows with depth.
    if (r.cb == 0)
      r.out_of_range = kc * effective_width > 0;
    else
      r.out_of_range = (r.t = rnd(kc * effective_width / r.cb)) > 4;
    r.qa = r.out_of_range ? 0.0
                          : rnd((1 / r.f) * (1.018 * kc * effective_width + 5.14 * r.cb) + qp);
  } else {
    const double ll = cd.body_dims.ll, ls = cd.body_dims.ls;
    if (!(ll + ls > 0))
      return not_computed(r, "長壁と短壁の長さの和 (ll + ls) が 0 以下のため許容支持力が求められません。");
    r.r = rnd(ll / (ll + ls));
    if (!(r.r > 0))
      return not_computed(r, "長壁の比率が 0 以下のため許容支持力が求められません。");
    r.n = rnd(1 / r.r);
    r.qn = rnd(qp * bl.bearing_nq / r.f + qp);
    r.ql = rnd(0.5 * bl.unit_weight * ll * bl.bearing_nr / r.f);
    if (r.n >= 3) {
      r.variant = BearingVariant::wall_separate;
      r.qa = r.qn + r.ql;
    } else if (r.n < 1) {
      return not_computed(r, "長壁の比率が 1 を超えるため許容支持力が求められません。");
    } else {
      r.variant = BearingVariant::wall_close;
      r.body_width = chain.base.body_totals[0];
      r.qb = rnd(0.5 * bl.unit_weight * r.body_width * bl.bearing_nr / r.f);
      r.qi = rnd((r.qb - r.ql) * 0.5 * (3 - 1 / r.r) + r.ql);
      r.qa = r.qn + r.qi;
    }
  }
  if (!std::isfinite(r.qa)) return not_computed(r, "許容支持力が数値になりません。");
  r.computed = true;
  r.passes = !(r.qa < reaction);
  return r;
}

void write_bearing_report(engine::PrintFile& file, const ConditionData& cd,
                          const BearingResult& r, int c) {
  const engine::BearingLayer& bl = cd.bearing_layer;
  write_report_head(file, cd, "原地盤の許容支持力　", c);
  const auto text_lines = [&] {
    for (int i = 0; i < 3; ++i) text_field(file, 30 + i, r.overburden_text[i]);
  };
  const double qp = r.overburden;
  switch (r.variant) {
    case BearingVariant::block_sandy:
      file.page_record("JJ_SIJ01.PFM");
      text_lines();
      number_field(file, 0, "%5.2lf", bl.shape_factor);
      number_field(file, 1, "%5.3lf", bl.unit_weight);
      number_field(file, 2, "%6.3lf", r.effective_width);
      number_field(file, 3, "%6.3lf", bl.bearing_nr);
      number_field(file, 4, "%8.3lf", qp);
      number_field(file, 5, "%6.3lf", bl.bearing_nq);
      number_field(file, 8, "%5.2lf", r.f);
      number_field(file, 9, "%8.3lf", qp);
      number_field(file, 10, "%8.3lf", r.qa);
      text_field(file, 11, mark_text(r.passes));
      text_field(file, 12, "1");
      number_field(file, 13, "%8.3lf", r.reaction);
      text_field(file, 14, verdict_text(r.passes));
      break;
    case BearingVariant::clay:
      file.page_record("JJ_SIJ02.PFM");
      text_lines();
      number_field(file, 8, "%6.3lf", bl.cohesion_gradient);
      number_field(file, 9, "%6.3lf", r.effective_width);
      number_field(file, 11, "%6.3lf", r.cb);
      number_field(file, 14, "%5.2lf", r.f);
      number_field(file, 15, "%8.3lf", qp);
      number_field(file, 16, "%8.3lf", r.qa);
      text_field(file, 17, mark_text(r.passes));
      text_field(file, 18, "1");
      number_field(file, 19, "%8.3lf", r.reaction);
      text_field(file, 20, verdict_text(r.passes));
      break;
    case BearingVariant::wall_separate:
    case BearingVariant::wall_close: {
      const bool close = r.variant == BearingVariant::wall_close;
      file.page_record("JJ_SIJ12.PFM");
      file.block_record(close ? "JJ_SIJ14.PFM" : "JJ_SIJ13.PFM");
      number_field(file, 0, "%6.3lf", r.r);
      number_field(file, 1, "%6.3lf", r.n);
      text_lines();
      number_field(file, 2, "%8.3lf", qp);
      number_field(file, 3, "%8.3lf", bl.bearing_nq);
      number_field(file, 4, "%6.3lf", r.f);
      number_field(file, 5, "%8.3lf", qp);
      number_field(file, 6, "%8.3lf", r.qn);
      number_field(file, 7, "%6.3lf", bl.unit_weight);
      number_field(file, 8, "%6.3lf", cd.body_dims.ll);
      number_field(file, 9, "%8.3lf", bl.bearing_nr);
      number_field(file, 10, "%6.3lf", r.f);
      number_field(file, 11, "%8.3lf", r.ql);
      if (!close) {
        number_field(file, 12, "%8.3lf", r.qn);
        number_field(file, 13, "%8.3lf", r.ql);
        number_field(file, 14, "%8.3lf", r.qa);
        text_field(file, 15, mark_text(r.passes));
        text_field(file, 16, "1");
        number_field(file, 17, "%8.3lf", r.reaction);
        text_field(file, 18, verdict_text(r.passes));
      } else {
        number_field(file, 12, "%6.3lf", bl.unit_weight);
        number_field(file, 13, "%6.3lf", r.body_width);
        number_field(file, 14, "%8.3lf", bl.bearing_nr);
        number_field(file, 15, "%6.3lf", r.f);
        number_field(file, 16, "%8.3lf", r.qb);
        number_field(file, 17, "%8.3lf", r.ql);
        number_field(file, 18, "%8.3lf", r.qb);
        number_field(file, 19, "%8.3lf", r.ql);
        number_field(file, 20, "%6.3lf", r.r);
        number_field(file, 21, "%8.3lf", r.qi);
        number_field(file, 22, "%8.3lf", r.qn);
        number_field(file, 23, "%8.3lf", r.qi);
        number_field(file, 24, "%8.3lf", r.qa);
        text_field(file, 25, mark_text(r.passes));
        text_field(file, 26, "1");
        number_field(file, 27, "%8.3lf", r.reaction);
        text_field(file, 28, verdict_text(r.passes));
      }
      break;
    }
  }
}

namespace {

int check_bearing(const ConditionData& cd, ExternalState& state, bool wall) {
  for (int c = 0; c < case_count(cd); ++c) {
    const std::string name = report_name(c, "06SIJ");
    const auto fail = [&](const std::string& reason) {
      report_not_computed(cp("支持力の検討"), c, reason);
      remove_stale_report(name);
      state.summary.limits[c][CL_ALLOWABLE_BEARING] = 0;
      state.summary.failed[c][2] = 1;
    };
    if (!state.reaction_computed[c]) {
      fail(cp("地盤反力が求められていないため照査できません。"));
      continue;
    }
    const BearingResult r =
        compute_bearing(cd, state.chain, wall, state.summary.values[c][CV_MAX_REACTION],
                        state.bearing_width[c], c);
    if (!r.computed) {
      fail(r.reason);
      continue;
    }
    if (r.out_of_range)
      engine::engine_message(engine::MessageKind::Error, std::string(engine::kErrorTitle),
                             cp("支持力：実用式の適用範囲を超えました "));
    engine::PrintFile file;
    open_report(file, name);
    write_bearing_report(file, cd, r, c);
    close_report(file);
    state.results.allowable_bearing[c] = r.qa;
    state.summary.limits[c][CL_ALLOWABLE_BEARING] = r.qa;
    state.summary.failed[c][2] = r.qa < state.summary.values[c][CV_MAX_REACTION] ? 1 : 0;
  }
  return 0;
}

}  // namespace

int check_bearing_block(const ConditionData& cd, ExternalState& state) {
  return check_bearing(cd, state, false);
}

int check_bearing_wall(const ConditionData& cd, ExternalState& state) {
  return check_bearing(cd, state, true);
}

}  // namespace qvt::meritan
