// Pull-out of the unimproved soil between the long walls below the short walls: a prism of
// Ls x B from the short-wall bottom down, step by step, resisted by cohesion on its faces and
// the passive pressure, driven by the active pressure, the residual water and, in the seismic
// case, its own inertia.
#include "common/cp932.h"
#include "common/textfile.h"
#include "engines/jorpela/jorpela.h"

#include <cmath>

namespace qvt::jorpela {

using engine::number_field;
using engine::rdown;
using engine::rnd;
using engine::text_field;

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

// More records than this cannot be reported in the result chain's slots of a case.
constexpr std::size_t kSegmentLimit = 25;

// Where the governing factor of a case starts.
constexpr double kPulloutStart = 9999.999;

double interpolate(double top, double bottom, double vt, double vb, double z) {
  return rnd((top - z) * (vb - vt) / (top - bottom) + vt);
}

PulloutCase fail(PulloutCase p, const char* why_utf8) {
  p.computed = false;
  p.reason = cp(why_utf8);
  return p;
}

}  // namespace

PulloutCase compute_pullout(const ConditionData& cd, const ResultChainWithLayers& chain,
                            const engine::LayerPressureBlock& block, int c) {
  PulloutCase p;
  bool has_soil_rect = false;
  for (const engine::WallBlock& b : cd.wall_blocks)
    has_soil_rect = has_soil_rect || b.block_type == engine::BLOCK_SOIL_RECTANGLE;
  if (!has_soil_rect) return fail(p, "改良体の矩形ブロックがないため短壁の下端が定まりません。");
  const double zb = short_wall_bottom_level(cd);
  p.zb = zb;
  const double reference = cd.cohesion_reference_level;
  auto cohesion_at = [&](const PulloutSegment& s, double z) {
    return rnd((reference - z) * s.cohesion_gradient + s.cohesion);
  };
  const int land_count = chain.layers.land_boundary_count;
  // Land pass.
  std::vector<PulloutSegment> land;
  for (const engine::ActiveSegment& a : block.land) {
    if (a.layer_index < 0 || a.layer_index >= land_count || a.layer_index >= engine::LAYER_RECORDS)
      return fail(p, "主働側の土層番号が土層の範囲外です。");
    const double bottom = rnd(a.bottom_level), top = rnd(a.top_level);
    if (bottom >= rnd(zb)) continue;
    const engine::SplitLayer& layer = chain.layers.land[static_cast<std::size_t>(a.layer_index)];
    PulloutSegment s;
    s.land_layer_index = a.layer_index;
    s.cohesion_gradient = layer.cohesion_gradient;
    s.cohesion = layer.cohesion;
    auto add = [&](double t, double b, double at, double ab, double wt, double wb) {
      PulloutSegment r = s;
      r.top_level = t, r.bottom_level = b;
      r.active_top = at, r.active_bottom = ab, r.water_top = wt, r.water_bottom = wb;
      r.cohesion_top = cohesion_at(r, t);
      r.cohesion_bottom = cohesion_at(r, b);
      land.push_back(r);
    };
    if (top > rnd(zb)) {
      const double az = interpolate(a.top_level, a.bottom_level, a.active_top, a.active_bottom, zb);
      const double wz = interpolate(a.top_level, a.bottom_level, a.water_top, a.water_bottom, zb);
      add(top, zb, rnd(a.active_top), az, rnd(a.water_top), wz);
      add(zb, bottom, az, rnd(a.active_bottom), wz, rnd(a.water_bottom));
    } else {
      add(top, bottom, rnd(a.active_top), rnd(a.active_bottom), rnd(a.water_top),
          rnd(a.water_bottom));
    }
  }
  // Sea pass: each record must match the land record at its position.
  std::size_t n = 0;
  for (const engine::PassiveSegment& s : block.sea) {
    const double bottom = rnd(s.bottom_level), top = rnd(s.top_level);
    if (bottom >= rnd(zb)) continue;
    auto match = [&](double t, double b, double pt, double pb) {
      if (n >= land.size() || land[n].top_level != t || land[n].bottom_level != b) return false;
      land[n].sea_layer_index = s.layer_index;
      land[n].passive_top = pt, land[n].passive_bottom = pb;
      ++n;
      return true;
    };
    bool ok;
    if (top > rnd(zb)) {
      const double pz = interpolate(s.top_level, s.bottom_level, s.passive_top, s.passive_bottom, zb);
      ok = match(top, zb, rnd(s.passive_top), pz) && match(zb, bottom, pz, rnd(s.passive_bottom));
    } else {
      ok = match(top, bottom, rnd(s.passive_top), rnd(s.passive_bottom));
    }
    if (!ok) return fail(p, "受働と主働の土層が合いません、抜け出しの検討を終了します。");
  }
  land.resize(n);
  if (land.empty()) return fail(p, "短壁の下端より下に土層がありません。");
  // Depth steps.
  const double pitch = std::fabs(cd.custom_options.pullout_pitch);
  for (double z = zb - pitch; pitch >= 0.0001 && z > land.back().bottom_level; z -= pitch) {
    for (std::size_t k = 0; k < land.size(); ++k) {
      PulloutSegment& r = land[k];
      if (std::fabs(r.top_level - z) < 0.0001 || std::fabs(r.bottom_level - z) < 0.0001) break;
      if (!(r.bottom_level < z)) continue;
      if (land.size() >= kSegmentLimit)
        return fail(p, "抜け出しの検討の区間が 25 を超えます。計算ピッチを大きくしてください。");
      PulloutSegment lower = r;
      const double a = interpolate(r.top_level, r.bottom_level, r.active_top, r.active_bottom, z);
      const double ps = interpolate(r.top_level, r.bottom_level, r.passive_top, r.passive_bottom, z);
      const double w = interpolate(r.top_level, r.bottom_level, r.water_top, r.water_bottom, z);
      const double coh = cohesion_at(r, z);
      lower.top_level = z, lower.active_top = a, lower.passive_top = ps, lower.water_top = w;
      lower.cohesion_top = coh;
      r.bottom_level = z, r.active_bottom = a, r.passive_bottom = ps, r.water_bottom = w;
      r.cohesion_bottom = coh;
      land.insert(land.begin() + static_cast<std::ptrdiff_t>(k) + 1, lower);
      break;
    }
  }
  if (land.size() > kSegmentLimit)
    return fail(p, "抜け出しの検討の区間が 25 を超えます。計算ピッチを大きくしてください。");
  p.segments = land;
  // Safety factors.
  const double ls = cd.body_dims.ls, lsr = rnd(ls), b = chain.base.body_totals[0];
  const double kh = cd.seismic_coef_inertia;
  double sum_s = 0, sum_a = 0, sum_p = 0, sum_u = 0, sum_w = 0;
  for (std::size_t k = 0; k < land.size(); ++k) {
    const PulloutSegment& r = land[k];
    if (std::fabs(r.top_level - zb) < 0.0001) p.k0 = static_cast<int>(k);
    else if (r.top_level > zb) continue;
    if (p.k0 < 0) return fail(p, "短壁の下端の高さに土層の境界がありません。");
    const PulloutSegment& first = land[static_cast<std::size_t>(p.k0)];
    const double h = r.top_level - r.bottom_level;
    PulloutStep st;
    st.index = static_cast<int>(k);
    st.t_top = rnd(lsr * first.cohesion_top);
    st.s_b = rnd((r.cohesion_top + r.cohesion_bottom) * h);
    sum_s += st.s_b;
    st.t_bot = rnd(lsr * r.cohesion_bottom);
    st.rc = (st.t_top + sum_s + st.t_bot) * b;
    st.a_b = rnd((r.active_top + r.active_bottom) * 0.5 * h * lsr);
    sum_a += st.a_b;
    st.p_b = rnd((r.passive_top + r.passive_bottom) * 0.5 * h * lsr);
    sum_p += st.p_b;
    st.u_b = rnd((r.water_top + r.water_bottom) * 0.5 * h * lsr);
    sum_u += st.u_b;
    const double gamma = chain.layers.land[static_cast<std::size_t>(r.land_layer_index)].unit_weight_submerged;
    st.w_b = rnd(b * ls * h * (gamma + 10.0));
    sum_w += st.w_b;
    st.h_inertia = c == 1 ? rnd(sum_w * kh) : 0.0;
    st.sum_s = sum_s, st.sum_a = sum_a, st.sum_p = sum_p, st.sum_u = sum_u, st.sum_w = sum_w;
    const double driving = sum_a + sum_u + st.h_inertia;
    if (!(driving > 0))
      return fail(p, "抜け出しを起こす力 (主働土圧、残留水圧、慣性力の和) が 0 以下のため安全率が求められません。");
    st.fs = rdown((st.rc + sum_p) / driving);
    p.steps.push_back(st);
  }
  if (p.steps.empty()) return fail(p, "抜け出しの検討をする区間がありません。");
  p.computed = true;
  return p;
}

namespace {

void write_pullout_report(engine::PrintFile& f, const ConditionData& cd,
                          const ResultChainWithLayers& chain, const PulloutCase& p, int c) {
  const bool seismic = c == 1;
  const double b = chain.base.body_totals[0], lsr = rnd(cd.body_dims.ls);
  const double required = cd.safety_factors[3][c];
  engine::write_report_head(f, cd, "無改良土の抜け出し", c);
  f.page_record(seismic ? "JJ_NUK11.PFM" : "JJ_NUK01.PFM", "JJ_NUK01.PZK");
  f.block_record(seismic ? "JJ_NUK13.PFM" : "JJ_NUK03.PFM");
  number_field(f, 0, "%6.3lf", b);
  number_field(f, 1, "%5.3lf", cd.body_dims.ls);
  if (seismic) number_field(f, 2, "%4.2lf", cd.seismic_coef_inertia);
  auto gamma_sat = [&](const PulloutSegment& r) {
    return chain.layers.land[static_cast<std::size_t>(r.land_layer_index)].unit_weight_submerged + 10.0;
  };
  for (const PulloutSegment& r : p.segments) {
    f.block_record(seismic ? "JJ_NUK14.PFM" : "JJ_NUK04.PFM");
    number_field(f, 0, "%7.3lf", r.top_level);
    number_field(f, 1, "%8.3lf", r.cohesion_top);
    number_field(f, 2, "%8.3lf", r.active_top);
    number_field(f, 3, "%8.3lf", r.passive_top);
    number_field(f, 4, "%8.3lf", r.water_top);
    number_field(f, 10, "%7.3lf", r.bottom_level);
    number_field(f, 11, "%8.3lf", r.cohesion_bottom);
    number_field(f, 12, "%8.3lf", r.active_bottom);
    number_field(f, 13, "%8.3lf", r.passive_bottom);
    number_field(f, 14, "%8.3lf", r.water_bottom);
    if (seismic) number_field(f, 5, "%8.3lf", gamma_sat(r));
  }
  const PulloutSegment& first = p.segments[static_cast<std::size_t>(p.k0)];
  for (const PulloutStep& st : p.steps) {
    const PulloutSegment& r = p.segments[static_cast<std::size_t>(st.index)];
    const bool k0 = st.index == p.k0;
    f.block_record(k0 ? (seismic ? "JJ_NUK16.PFM" : "JJ_NUK06.PFM")
                      : (seismic ? "JJ_NUK17.PFM" : "JJ_NUK07.PFM"));
    text_field(f, 0, std::to_string(st.index));
    number_field(f, 1, "%8.3lf", st.rc);
    number_field(f, 2, "%8.3lf", st.sum_p);
    number_field(f, 3, "%8.3lf", st.sum_a);
    if (seismic) number_field(f, 13, "%8.3lf", st.h_inertia);
    number_field(f, 12, "%8.3lf", st.sum_u);
    number_field(f, 4, "%8.3lf", st.fs);
    number_field(f, 10, "%7.3f", p.zb);
    number_field(f, 11, "%7.3f", r.bottom_level);
    number_field(f, 20, "%7.3lf", first.cohesion_top);
    number_field(f, 21, "%6.3lf", lsr);
    number_field(f, 22, "%7.3lf", st.t_top);
    number_field(f, 23, "%7.3lf", r.cohesion_top);
    number_field(f, 24, "%7.3lf", r.cohesion_bottom);
    number_field(f, 25, "%6.3lf", r.top_level - r.bottom_level);
    number_field(f, 26, "%8.3lf", st.sum_s);
    number_field(f, 27, "%7.3lf", st.t_bot);
    number_field(f, 29, "%6.3lf", b);
    number_field(f, 30, "%7.3lf", r.active_top);
    number_field(f, 31, "%7.3lf", r.active_bottom);
    number_field(f, 32, "%7.3lf", r.passive_top);
    number_field(f, 33, "%7.3lf", r.passive_bottom);
    number_field(f, 34, "%7.3lf", r.water_top);
    number_field(f, 35, "%7.3lf", r.water_bottom);
    if (!k0) {
      number_field(f, 28, "%8.3lf", rnd(st.sum_s - st.s_b));
      number_field(f, 36, "%9.3lf", rnd(st.sum_a - st.a_b));
      number_field(f, 37, "%9.3lf", rnd(st.sum_p - st.p_b));
      number_field(f, 38, "%9.3lf", rnd(st.sum_u - st.u_b));
    }
    if (seismic) {
      number_field(f, 40, "%6.3lf", gamma_sat(r));
      if (!k0) number_field(f, 41, "%9.3lf", rnd(st.sum_w - st.w_b));
      number_field(f, 43, "%9.3lf", st.sum_w);
      number_field(f, 42, "%4.2lf", cd.seismic_coef_inertia);
    }
    const bool passes = !(st.fs < required);
    text_field(f, 5, cp(passes ? "＞ " : "＜ "));
    number_field(f, 6, "%1.1lf", required);
    text_field(f, 7, engine::verdict_text(passes));
  }
}

}  // namespace

void check_pullout(const ConditionData& cd, InternalState& state) {
  const auto bytes = read_file_bytes("DAT_ANS.DAT");
  if (!bytes)
    engine::stop_engine(engine::fatal_error(cp("計算結果ファイル (DAT_ANS.DAT) が見つかりません。")));
  const auto blocks = engine::decode_layer_pressure_file(*bytes);
  if (!blocks || blocks->size() < static_cast<std::size_t>(engine::case_count(cd)))
    engine::stop_engine(engine::fatal_error(cp("計算結果ファイル (DAT_ANS.DAT) が壊れています。")));
  for (int c = 0; c < engine::case_count(cd); ++c) {
    const auto cu = static_cast<std::size_t>(c);
    const std::string name = engine::report_name(c, "09NUK");
    const double required = cd.safety_factors[3][c];
    state.summary.limits[cu][CL_REQUIRED_PULLOUT_FS] = required;
    const PulloutCase p = compute_pullout(cd, state.chain, (*blocks)[cu], c);
    if (!p.computed) {
      engine::report_not_computed(cp("抜け出しの検討"), c, p.reason);
      engine::remove_stale_report(name);
      state.summary.values[cu][CV_PULLOUT_FS] = 0;
      state.summary.values[cu][CV_PULLOUT_FROM_LEVEL] = 0;
      state.summary.values[cu][CV_PULLOUT_TO_LEVEL] = 0;
      state.summary.failed[cu][6] = 1;
      continue;
    }
    engine::PrintFile f;
    engine::open_report(f, name);
    write_pullout_report(f, cd, state.chain, p, c);
    engine::close_report(f);
    // The governing factor starts at 9999.999 and takes every smaller step factor.
    state.summary.values[cu][CV_PULLOUT_FS] = kPulloutStart;
    bool governed = false;
    for (std::size_t i = 0; i < p.steps.size(); ++i) {
      const PulloutStep& st = p.steps[i];
      state.results.pullout_fs[cu][i] = st.fs;
      if (st.fs < state.summary.values[cu][CV_PULLOUT_FS]) {
        governed = true;
        state.summary.values[cu][CV_PULLOUT_FS] = st.fs;
        state.summary.values[cu][CV_PULLOUT_FROM_LEVEL] = p.zb;
        state.summary.values[cu][CV_PULLOUT_TO_LEVEL] =
            p.segments[static_cast<std::size_t>(st.index)].bottom_level;
        state.summary.failed[cu][6] = st.fs < required ? 1 : 0;
      }
    }
    if (!governed) {
      // No step gave a factor below the start: the summary has no step's factor and no levels
      // to show, so the check is not passed on the start value. It fails as one that could
      // not be computed, with the steps' page kept.
      engine::report_not_computed(cp("抜け出しの検討"), c,
                          cp("どの深さでも安全率が 9999.999 を下回らず (または数値にならず)、"
                             "安全率と深さが定まりません。抜け出しを起こす力 (主働土圧、残留水圧、"
                             "慣性力) を確認してください。"));
      state.summary.values[cu][CV_PULLOUT_FS] = 0;
      state.summary.values[cu][CV_PULLOUT_FROM_LEVEL] = 0;
      state.summary.values[cu][CV_PULLOUT_TO_LEVEL] = 0;
      state.summary.failed[cu][6] = 1;
    }
  }
}

}  // namespace qvt::jorpela
