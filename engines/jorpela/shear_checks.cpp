// The shear check of the improved body on the vertical plane where the spread superstructure
// load meets its top, the short walls' shear of wall and lattice bodies, and the internal
// stress of tangent-circle bodies.
#include "common/cp932.h"
#include "engines/common/engine_message.h"
#include "engines/jorpela/jorpela.h"

#include <algorithm>
#include <cmath>

namespace qvt::jorpela {

using engine::number_field;
using engine::rnd;
using engine::text_field;

namespace {

constexpr double kPi = 3.141592653589793;

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

// A case the shear check cannot make counts as failed: the long wall's line (the block
// pattern's only one), and the short wall's too when `short_wall_too`.
void fail_shear(InternalState& state, int c, bool short_wall_too) {
  const auto cu = static_cast<std::size_t>(c);
  state.summary.values[cu][CV_SHEAR_STRESS] = 0;
  state.summary.failed[cu][4] = 1;
  if (short_wall_too) {
    state.summary.values[cu][CV_SHORT_WALL_SHEAR_STRESS] = 0;
    state.summary.failed[cu][5] = 1;
  }
}

// The load cases without a shear plane, shown together in one box after the cases.
void report_no_shear_plane(const std::vector<int>& cases) {
  if (!cases.empty())
    engine::engine_message(engine::MessageKind::Error, cp("せん断応力度"),
                           no_shear_plane_text(cases));
}

std::string variant_name(const ConditionData& cd, const char* plain, const char* stem) {
  const char v = engine::option_variant(cd);
  if (v == 'N') return plain;
  return std::string(stem) + v + ".PFM";
}

void weight_table_head(engine::PrintFile& f, bool walls) {
  f.page_record("QVT_BW00.PFM");
  text_field(f, 0, cp("Ｂ$SＬ$Z間の有効重量（Ｗ）"));
  if (walls) text_field(f, 1, cp("x壁割合"));
}

void weight_total(engine::PrintFile& f, double w) {
  f.block_record("QVT_BW02.PFM");
  number_field(f, 0, "%10.3lf", w);
}

// Fields 02 to 13 of the result block, alike in both patterns: the spread angle, the toe part
// and the ground reaction under it (q1 at the toe, q2 at Be, qB at the plane).
void toe_reaction_fields(engine::PrintFile& f, double angle_rad, double bl, double q1, double q2,
                         double be, double qb) {
  number_field(f, 2, "%6.3lf", rnd(angle_rad * 180 / kPi + 30));
  number_field(f, 3, "%8.3lf", bl);
  number_field(f, 4, "%8.3lf", q1);
  number_field(f, 5, "%8.3lf", q2);
  number_field(f, 6, "%6.3lf", be);
  number_field(f, 7, "%6.3lf", be);
  number_field(f, 8, "%6.3lf", bl);
  number_field(f, 9, "%8.3lf", q2);
  number_field(f, 10, "%8.3lf", qb);
  number_field(f, 11, "%8.3lf", q1);
  number_field(f, 12, "%8.3lf", qb);
  number_field(f, 13, "%6.3lf", bl);
}

// Whether the plane of a case lies inside the body (block pattern: also before its back face).
bool plane_inside(const ShearGeometry& g, int c, double body_width, bool block) {
  const auto cu = static_cast<std::size_t>(c);
  return g.plane_found[cu] && !(block && g.toe_part_width[cu] >= body_width);
}

}  // namespace

// The spread line leans from the vertical by the stored angle plus 30°, which is the 分散角 the
// design conditions page shows; the message names that box.
std::string no_shear_plane_text(const std::vector<int>& cases) {
  std::string list;
  for (int c : cases) list += (list.empty() ? "" : "、") + std::string(c == 0 ? "常時" : "地震時");
  return cp(("改良体内にせん断面がありません。（" + list +
             "）\n原因：上部工の検討点から、鉛直に対し分散角だけ海側へ傾けて下ろした荷重の分布線が、"
             "改良体の上面と改良体の範囲内で交わりません。上部工の検討点の位置 (または分散角) を"
             "見直してください。\nこの検討は満足しない (OUT) ものとして扱います。")
                .c_str());
}

void check_shear_block(const ConditionData& cd, InternalState& state) {
  ShearGeometry g;
  shear_angles(cd, g);
  if (!shear_plane_intersection(cd, g)) shear_plane_block(cd, g);
  const double body = cd.body_dims.width;
  std::vector<int> no_plane;
  for (int c = 0; c < engine::case_count(cd); ++c) {
    const auto cu = static_cast<std::size_t>(c);
    const std::string name = engine::report_name(c, "08SEN");
    state.summary.limits[cu][CL_ALLOWABLE_SHEAR_STRESS] = cd.allowable_stresses[1][c];
    const bool inside = plane_inside(g, c, body, true);
    if (!inside || !reaction_known(state, c)) {
      if (!inside)
        no_plane.push_back(c);
      else
        engine::report_not_computed(cp("せん断応力度の検討"), c,
                            cp("地盤反力が求められていないためせん断応力度が求められません。"));
      fail_shear(state, c, false);
      engine::remove_stale_report(name);
      continue;
    }
    const double bl = g.toe_part_width[cu], l = g.plane_length[cu];
    const double q1 = state.external.reaction[cu][0], q2 = state.external.reaction[cu][1];
    const double be = state.external.effective_width[cu];
    const auto& fs = state.chain.base.force_summary[cu].slot;
    const double fa = fs[FS_PASSIVE_SIDE_ADHESION], fv = fs[FS_PASSIVE_VERTICAL_FORCE];
    const double ta = cd.allowable_stresses[1][c];

    engine::PrintFile f;
    engine::open_report(f, name);
    engine::write_report_head(f, cd, "改良地盤のせん断応力度", c);
    f.page_record(variant_name(cd, "JJ_SEN01.PFM", "JJ_SE01"), "JJ_SEN01.PZK");
    weight_table_head(f, false);
    const ToeWeight w = toe_part_weight(cd, bl, &f);
    weight_total(f, w.w);
    f.block_record(g.sloped ? variant_name(cd, "JJ_SEN03.PFM", "JJ_SE03")
                            : variant_name(cd, "JJ_SEN02.PFM", "JJ_SE02"));
    number_field(f, 0, "%6.3lf", g.sloped ? g.cross_x[cu] : g.a);
    number_field(f, 1, "%6.3lf", g.sloped ? g.cross_y[cu] : g.b);
    const ToeReaction tr = toe_reaction(q1, q2, be, bl, 1.0);
    const double tau = shear_stress(cd, tr.r, w.w, fa, fv, l);
    const bool passes = shear_passes(tau, ta);
    toe_reaction_fields(f, g.angle_rad[cu], bl, q1, q2, be, tr.qb);
    number_field(f, 14, "%8.3lf", tr.r);
    number_field(f, 15, "%8.3lf", w.w);
    number_field(f, 16, "%6.3lf", l);
    number_field(f, 17, "%8.3lf", l);
    number_field(f, 18, "%8.3lf", tr.r);
    number_field(f, 19, "%8.3lf", w.w);
    number_field(f, 20, "%8.3lf", l);
    number_field(f, 30, "%8.3lf", -fa);
    number_field(f, 31, "%8.3lf", -fv);
    number_field(f, 21, "%8.3lf", tau);
    text_field(f, 22, cp(passes ? "＜ " : "＞ "));
    number_field(f, 23, "%8.3lf", ta);
    text_field(f, 24, engine::verdict_text(passes));
    state.results.shear_stress[cu] = tau;
    engine::close_report(f);
    state.summary.values[cu][CV_SHEAR_STRESS] = tau;
    state.summary.limits[cu][CL_ALLOWABLE_SHEAR_STRESS] = ta;
    state.summary.failed[cu][4] = passes ? 0 : 1;
  }
  report_no_shear_plane(no_plane);
}

void check_shear_wall(const ConditionData& cd, InternalState& state) {
  ShearGeometry g;
  spread_widths(cd, g);
  shear_plane_wall(cd, g);
  const bool lattice = cd.improvement_pattern == PATTERN_LATTICE;
  const auto& d = cd.body_dims;
  const double rl = long_wall_ratio(cd), rs = short_wall_ratio(cd);
  std::vector<int> no_plane;
  for (int c = 0; c < engine::case_count(cd); ++c) {
    const auto cu = static_cast<std::size_t>(c);
    const std::string name = engine::report_name(c, "08SEN");
    const double ta = cd.allowable_stresses[1][c];
    state.summary.limits[cu][CL_ALLOWABLE_SHEAR_STRESS] = ta;
    if (!plane_inside(g, c, 0, false)) {
      no_plane.push_back(c);
      fail_shear(state, c, true);
      engine::remove_stale_report(name);
      continue;
    }
    const engine::BodyReaction& br = cd.body_reactions[c];
    if (g.spread_width[cu] < 1e-12 && br.reaction != 0) {
      // The superstructure's load would be lost on a spread width of nothing.
      engine::report_not_computed(cp("せん断応力度の検討"), c,
                          cp("上部工の荷重の分布幅が 0 以下のため荷重が失われます。分布幅と分散角を確認してください。"));
      fail_shear(state, c, true);
      engine::remove_stale_report(name);
      continue;
    }
    const double bl = g.toe_part_width[cu], l = g.plane_length[cu];
    const double q1 = state.external.reaction[cu][0], q2 = state.external.reaction[cu][1];
    const double be = state.external.effective_width[cu];
    const auto& fs = state.chain.base.force_summary[cu].slot;
    const double fa = fs[FS_PASSIVE_SIDE_ADHESION], fv = fs[FS_PASSIVE_VERTICAL_FORCE];
    const bool front_wall = lattice && bl <= d.bl1;
    // The long walls hold the ground reaction under the toe part against its weight; the short
    // walls carry the spread load and the blocks above them and need no reaction. Without the
    // reaction the report holds the short-wall page alone.
    const bool reaction = reaction_known(state, c);

    engine::PrintFile f;
    engine::open_report(f, name);
    engine::write_report_head(f, cd, "改良地盤のせん断応力度", c);
    if (!reaction) {
      engine::report_not_computed(cp("長壁のせん断応力度の検討"), c,
                          cp("地盤反力が求められていないため長壁のせん断応力度が求められません。"));
      fail_shear(state, c, false);
    }
    if (reaction) {
      f.page_record(variant_name(cd, "JJ_SEN11.PFM", "JJ_SE11"), "JJ_SEN11.PZK");
      weight_table_head(f, true);
    }
    const ToeWeight w = toe_part_weight(cd, bl, reaction ? &f : nullptr);
    if (reaction) {
      weight_total(f, w.w);
      const double ratio = lattice ? lattice_reaction_ratio(cd, bl) : rl;
      const ToeReaction tr = toe_reaction(q1, q2, be, bl, ratio);
      const double tau = shear_stress(cd, tr.r, w.w, fa, fv, l);
      const bool passes = shear_passes(tau, ta);
      f.block_record(variant_name(cd, "JJ_SEN12.PFM", "JJ_SE12"));
      number_field(f, 0, "%6.3lf", g.a);
      number_field(f, 1, "%6.3lf", g.b);
      toe_reaction_fields(f, g.angle_rad[cu], bl, q1, q2, be, tr.qb);
      number_field(f, 29, "%6.3lf", ratio);
      number_field(f, 14, "%8.3lf", tr.r);
      number_field(f, 15, "%8.3lf", w.w);
      number_field(f, 16, "%6.3lf", d.ds + d.dl);
      number_field(f, 17, "%6.3lf", rl);
      number_field(f, 18, "%6.3lf", front_wall ? d.ds + d.dl : d.ds);
      number_field(f, 19, "%6.3lf", rs);
      number_field(f, 20, "%8.3lf", l);
      number_field(f, 22, "%8.3lf", tr.r);
      number_field(f, 23, "%8.3lf", w.w);
      number_field(f, 30, "%8.3lf", -fa);
      number_field(f, 31, "%8.3lf", -fv);
      number_field(f, 24, "%8.3lf", l);
      number_field(f, 25, "%8.3lf", tau);
      text_field(f, 26, cp(passes ? "＜ " : "＞ "));
      number_field(f, 27, "%8.3lf", ta);
      text_field(f, 28, engine::verdict_text(passes));
      state.results.shear_stress[cu] = tau;
      state.summary.values[cu][CV_SHEAR_STRESS] = tau;
      state.summary.failed[cu][4] = passes ? 0 : 1;
    }

    // The short walls carry the spread load and the improved soil above their bottom.
    std::string p0_text;
    const double p0 = top_block_pressure(cd, p0_text);
    const double q = g.spread_reaction[cu];
    const bool short_computed = d.ds > 0;
    const double tau_s = short_computed ? rnd((q * 1.0 + w.p + p0) * d.ls / (2 * d.ds)) : 0.0;
    const bool short_passes = short_computed && shear_passes(tau_s, ta);
    f.page_record("JJ_SEN13.PFM", "JJ_SEN13.PZK");
    text_field(f, 30, w.p_text);
    text_field(f, 31, p0_text);
    number_field(f, 1, "%8.3lf", q);
    number_field(f, 10, "%8.3lf", w.p);
    number_field(f, 2, "%8.3lf", p0);
    number_field(f, 3, "%5.3lf", d.ls);
    number_field(f, 4, "%8.3lf", d.ds);
    number_field(f, 5, "%8.3lf", tau_s);
    number_field(f, 9, "%8.3lf", br.reaction);
    number_field(f, 11, "%8.3lf", br.spread_width);
    number_field(f, 12, "%8.3lf", br.spread_angle + 30);
    number_field(f, 20, "%6.3lf", std::fabs(g.body_top));
    number_field(f, 21, "%6.3lf", std::fabs(cd.body_reactions[0].check_y));
    number_field(f, 22, "%6.3lf", br.spread_angle + 30);
    number_field(f, 23, "%6.3lf", 30 - br.spread_angle);
    number_field(f, 13, "%8.3lf", g.spread_width[cu]);
    number_field(f, 14, "%8.3lf", q);
    text_field(f, 6, cp(short_passes ? "＜ " : "＞ "));
    number_field(f, 7, "%8.3lf", ta);
    text_field(f, 8, engine::verdict_text(short_passes));
    if (short_computed) state.results.short_wall_shear_stress[cu] = tau_s;
    engine::close_report(f);
    if (!short_computed)
      engine::report_not_computed(cp("短壁のせん断応力度の検討"), c,
                          cp("短壁の深さ ds が 0 以下のため短壁のせん断応力度が求められません。"));
    state.summary.values[cu][CV_SHORT_WALL_SHEAR_STRESS] = tau_s;
    state.summary.failed[cu][5] = short_passes ? 0 : 1;
  }
  report_no_shear_plane(no_plane);
}

double internal_stress_limit(const ConditionData& cd, int c) {
  return std::min(cd.allowable_stresses[0][c], cd.allowable_stresses[2][c]);
}

std::string internal_stress_notes_name(int c) { return c == 0 ? "JJ_ORK0Q.PFM" : "JJ_ORK1Q.PFM"; }

std::vector<std::string> internal_stress_notes_lines(const ConditionData& cd,
                                                     const InternalState& state, int c) {
  const auto cu = static_cast<std::size_t>(c);
  const double p1 = state.summary.values[cu][CV_MAX_REACTION];
  const double q1 = state.external.reaction[cu][0], q2 = state.external.reaction[cu][1];
  // The maximum reaction is the larger of the toe's and the heel's: above the toe's q1 it is
  // the heel's; equal to a uniform q1 = q2 both edges carry it.
  std::string edge;
  if (p1 > q1) edge = engine::format_cp932("後端 (かかと) の値。前端 (つま先) は %.3lf kN/㎡", q1);
  else if (q2 == q1) edge = cp("前端と後端が等しい");
  else edge = cp("前端 (つま先) の値");
  std::vector<std::string> lines{""};
  lines.push_back(engine::format_cp932(
      "  Ｐ1 ＝ 改良体底面の最大地盤反力 (前端と後端の地盤反力の大きいほう) ＝ %.3lf kN/㎡ (", p1) +
      edge + ")");
  lines.push_back(engine::format_cp932(
      "  許容値 ＝ 許容圧縮応力度 σca と設計基準強度 quck の小さいほう ＝ min(%.3lf, %.3lf) ＝ %.3lf kN/㎡",
      cd.allowable_stresses[0][c], cd.allowable_stresses[2][c], internal_stress_limit(cd, c)));
  return lines;
}

void check_internal_stress(const ConditionData& cd, InternalState& state) {
  ShearGeometry g;
  spread_widths(cd, g);
  shear_plane_block(cd, g);
  const double ap = cd.improvement_ratio;
  for (int c = 0; c < engine::case_count(cd); ++c) {
    const auto cu = static_cast<std::size_t>(c);
    const std::string name = engine::report_name(c, "08ORK");
    const double limit = internal_stress_limit(cd, c);
    state.summary.limits[cu][CL_INTERNAL_STRESS_LIMIT] = limit;
    const engine::BodyReaction& br = cd.body_reactions[c];
    const char* why = nullptr;
    if (!(ap > 0)) why = "改良率 ap が 0 以下です。";
    else if (g.spread_width[cu] < 1e-12 && br.reaction != 0)
      why = "上部工の荷重の分布幅が 0 以下です。分布幅と分散角を確認してください。";
    else if (!reaction_known(state, c)) why = "地盤反力が求められていません。";
    if (why) {
      engine::report_not_computed(cp("内部応力の検討"), c, cp(why));
      engine::remove_stale_report(name);
      engine::remove_stale_report(internal_stress_notes_name(c));
      state.summary.values[cu][CV_INTERNAL_STRESS] = 0;
      state.summary.failed[cu][7] = 1;
      continue;
    }
    engine::PrintFile f;
    engine::open_report(f, name);
    engine::write_report_head(f, cd, "改良地盤の内部応力", c);
    f.page_record("JJ_ORK01.PFM");
    number_field(f, 9, "%8.3lf", br.reaction);
    number_field(f, 11, "%8.3lf", br.spread_width);
    number_field(f, 12, "%8.3lf", br.spread_angle + 30);
    number_field(f, 20, "%6.3lf", std::fabs(g.body_top));
    number_field(f, 21, "%6.3lf", std::fabs(br.check_y));
    number_field(f, 22, "%6.3lf", br.spread_angle + 30);
    number_field(f, 23, "%6.3lf", 30 - br.spread_angle);
    std::string text;
    const double p = overlying_pressure_circle(cd, cd.toe_x + g.toe_part_width[cu], text);
    const double q = g.spread_reaction[cu];
    const double p1d = q + p;
    const double p1 = state.summary.values[cu][CV_MAX_REACTION];
    number_field(f, 13, "%8.3lf", g.spread_width[cu]);
    number_field(f, 14, "%8.3lf", q);
    number_field(f, 15, "%8.3lf", p);
    number_field(f, 16, "%8.3lf", p1d);
    number_field(f, 17, "%8.3lf", p1);
    text_field(f, 30, text);
    const bool prime = p1d > p1;
    const double s0 = prime ? p1d : p1;
    text_field(f, 26, cp(prime ? "＞" : "＜"));
    text_field(f, 25, cp(prime ? "Ｐ'$S1$Z" : "Ｐ$S1$Z"));
    const double sigma = rnd(s0 / (ap / 100));
    const bool passes = !(sigma > limit);
    number_field(f, 0, "%8.3lf", s0);
    number_field(f, 1, "%5.1lf", ap);
    number_field(f, 6, "%5.3lf", ap / 100);
    number_field(f, 2, "%8.3lf", sigma);
    number_field(f, 3, "%8.3lf", limit);
    text_field(f, 4, cp(passes ? "≦ " : "＞ "));
    text_field(f, 5, engine::verdict_text(passes));
    const std::string notes = internal_stress_notes_name(c);
    f.block_record(notes);
    engine::close_report(f);
    const std::vector<std::string> lines = internal_stress_notes_lines(cd, state, c);
    engine::PrintFile t;
    engine::open_report(t, notes);
    engine::write_text_template(t, notes, static_cast<int>(lines.size()), lines);
    engine::close_report(t);
    state.results.internal_stress[cu] = sigma;
    state.summary.values[cu][CV_INTERNAL_STRESS] = sigma;
    state.summary.failed[cu][7] = passes ? 0 : 1;
  }
}

}  // namespace qvt::jorpela
