// Ground reaction under the base: the position of the resultant, its eccentricity, the
// reactions at the toe (q1) and the heel (q2) and the width in contact with the ground. Block
// bodies carry the load on the whole width, wall bodies on the walls' share of it; a lattice
// body on its repeating cell, with the contact width found by bisection outside the kern.
// The maximum reaction, which the bearing check and everything after it hold against the
// ground, is the larger edge value, the heel's included (governing_reaction).
#include "common/cp932.h"
#include "engines/meritan/meritan.h"

#include <algorithm>
#include <cmath>

namespace qvt::meritan {

namespace {

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

ReactionResult not_computed(ReactionResult r, const char* reason_utf8) {
  r.computed = false;
  r.reason = cp(reason_utf8);
  return r;
}
ReactionResult not_computed(ReactionResult r, const std::string& reason_cp932) {
  r.computed = false;
  r.reason = reason_cp932;
  return r;
}

// A number as the report prints it, CP932-safe (digits only).
std::string num(double v) { return engine::format_text("%.3lf", v == 0 ? 0.0 : v); }

bool finite_all(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// Block and wall bodies: uniform behind the middle, trapezoid within the kern, triangle beyond.
// `ratio` is 1 for a block, the wall ratio for walls.
void linear_distribution(ReactionResult& r, double ratio) {
  const double v = r.v, b = r.b, e = r.e, x = r.x;
  r.b6 = rnd(b / 6);
  r.effective_width = b;
  if (e <= 0) {
    // A resultant behind the middle is taken as a uniform reaction at the toe, as the design
    // method has it; the heel's larger value is governing_reaction's.
    r.distribution = Distribution::uniform;
    r.q1 = r.q2 = rnd(v / (b * ratio));
  } else if (e <= r.b6) {
    r.distribution = Distribution::trapezoid;
    r.q1 = rnd(v / (b * ratio) * (1 + 6 * e / b));
    r.q2 = rnd(v / (b * ratio) * (1 - 6 * e / b));
    // Within the kern as rounded, 1 - 6e/B falls below 0 only where e = rnd(B/6) lies beyond
    // B/6 by the rounding: the resultant is on the kern's edge, where statics give the
    // triangle's 2V/B at the toe (what q1 is, to the rounding) and 0 at the heel. (A value that
    // rounds to -0.000 is made 0 too, never printed with its sign.)
    if (std::signbit(r.q2)) {
      r.q2_rounding_cut = r.q2;
      r.q2 = 0;
    }
  } else {
    r.distribution = Distribution::triangle;
    r.q1 = rnd(2 * v / (3 * x * ratio));
    r.q2 = 0;
    r.effective_width = rnd(3 * x);
  }
}

// The first and second moments (Sx, Ix) about the line at X of the part of the lattice cell
// that lies within X of the toe.
void contact_moments(const engine::ImprovedBodyDims& dims, double x, double& sx, double& ix) {
  const double ll = dims.ll, ls = dims.ls, bs = dims.bs, bl1 = dims.bl1;
  const double f1 = (ll + ls) * x * x * 0.5;
  double g, j;
  if (bs + bl1 <= x) {
    g = bs * ls * (bs * 0.5 + x - bs - bl1);
    j = bs * bs * bs * ls / 12 + (bs * 0.5 + x - bs - bl1) * g;
  } else {
    // The part of the gap inside the strip; a strip that ends before the gap holds none of it.
    const double w = std::max(0.0, x - bl1);
    g = w * ls * w * 0.5;
    j = w * w * w * ls / 12 + w * 0.5 * g;
  }
  sx = f1 - g;
  ix = x * x * x * (ls + ll) / 12 + x * 0.5 * f1 - j;
}

// The heel's reaction, the maximum reaction and the width under it. Behind the middle of a
// block or wall base (e < 0) the linear distribution is mirrored about the middle: the heel
// carries V / (B r) (1 + 6 |e| / B) within the kern and 2 V / (3 (B - x) r) beyond it, over a
// contact width of 3 (B - x). A lattice cell's own distribution already gives its heel (q2).
// The bearing check, CAL_HEN.DAT and the internal stress take the larger edge from here.
void governing_reaction(ReactionResult& r) {
  r.heel = r.q2;
  r.heel_distribution = Distribution::uniform;
  r.bearing_width = r.effective_width;
  const bool linear = r.pattern != ReactionPattern::lattice;
  double heel_width = r.effective_width;
  if (linear && r.e < 0) {
    const double ratio = r.pattern == ReactionPattern::wall ? r.r : 1.0;
    const double e = -r.e;
    if (e <= r.b6) {
      r.heel_distribution = Distribution::trapezoid;
      r.heel = rnd(r.v / (r.b * ratio) * (1 + 6 * e / r.b));
    } else {
      r.heel_distribution = Distribution::triangle;
      r.heel = rnd(2 * r.v / (3 * (r.b - r.x) * ratio));
      heel_width = rnd(3 * (r.b - r.x));
    }
  }
  if (r.heel > r.q1) {
    r.governing = GoverningEdge::heel;
    r.max_reaction = r.heel;
    r.bearing_width = heel_width;
  } else {
    r.governing = r.heel == r.q1 ? GoverningEdge::both : GoverningEdge::toe;
    r.max_reaction = r.q1;
  }
}

bool lattice_distribution(ReactionResult& r, const engine::ImprovedBodyDims& dims,
                          const char*& reason) {
  const double ll = dims.ll, ls = dims.ls, bs = dims.bs, bl1 = dims.bl1, w = dims.width;
  const double p = ll + ls;
  const double v = r.v, b = r.b;
  r.a = ((ls + ll) * w - ls * bs) / p;
  if (!(r.a > 0)) {
    reason = "格子の平均改良幅 A が 0 以下のため地盤反力が求められません。";
    return false;
  }
  r.s0 = ((ls + ll) * w * w * 0.5 - ls * bs * (bs * 0.5 + bl1)) / p;
  r.xg = rnd(r.s0 / r.a);
  r.d = w - r.xg;
  r.i = ((ls + ll) * (w * w * w / 12 + w * std::pow(w * 0.5 - r.xg, 2)) -
         ls * (bs * bs * bs / 12 + bs * std::pow(bs * 0.5 + bl1 - r.xg, 2))) /
        (ls + ll);
  if (!(r.d > 0) || !(r.i > 0)) {
    reason = "格子の断面 (図心位置 D または断面二次モーメント I) が正しくないため地盤反力が求められません。";
    return false;
  }
  r.k = rnd(r.i / (r.a * r.d));
  r.el = b / 2 + r.e - r.d;
  if (r.el < r.k) {
    r.distribution = Distribution::kern;
    r.q1 = rnd(v / r.a + v * r.el / r.i * (b - r.d));
    r.q2 = rnd(v / r.a - v * r.el / r.i * r.d);
    r.effective_width = b;
    // A resultant far enough landward of the centroid makes the linear distribution pull at
    // the toe. The ground carries no tension, and the contact search of the design method
    // works from the toe only; a reaction that cannot be given fails with the case named.
    if (r.q1 < 0 || r.q2 < 0) {
      reason = "合力の作用位置が格子断面の図心より陸側にあり、前端 (つま先) の地盤反力が負 "
               "(引張り) になります。地盤は引張りを受け持てないため地盤反力が求められません。";
      return false;
    }
    return true;
  }
  r.distribution = Distribution::partial_contact;
  double lo = 0, hi = b, x = rnd(b * 0.5);
  double sx = 0, ix = 0;
  for (int n = 0; n < 1000; ++n) {
    contact_moments(dims, x, sx, ix);
    if (!(sx > 0)) {
      reason = "接地幅の断面一次モーメントが 0 以下のため地盤反力が求められません。";
      return false;
    }
    const double y = rnd(ix / sx);
    const double x2 = rnd(y - r.el + (b - r.d));
    if (std::fabs(x2 - x) < 0.0005 || hi - lo < 0.001) break;
    if (x < x2) {
      lo = x;
      x = (x + hi) * 0.5;
    } else {
      hi = x;
      x = (lo + x) * 0.5;
    }
  }
  r.contact = rnd(x);
  r.s = rnd(sx / p);
  if (!(r.s > 0)) {
    reason = "接地面の断面一次モーメント S が 0 以下のため地盤反力が求められません。";
    return false;
  }
  r.q1 = rnd(v * r.contact / r.s);
  r.q2 = 0;
  r.effective_width = r.contact;
  return true;
}

}  // namespace

ReactionResult compute_ground_reaction(const ConditionData& cd,
                                       const ResultChainWithLayers& chain,
                                       ReactionPattern pattern, int c) {
  const engine::ChainForceSummary& f = chain.base.force_summary[c];
  const engine::ImprovedBodyDims& dims = cd.body_dims;
  ReactionResult r;
  r.pattern = pattern;
  const bool block = pattern == ReactionPattern::block;
  r.wt = f.slot[block ? FS_EFFECTIVE_WEIGHT : FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED];
  r.v = vertical_sum(cd, f);
  r.ws = block ? 0 : f.slot[FS_EFFECTIVE_WEIGHT_UNIMPROVED];
  r.mr = resisting_moment(f);
  r.mo = overturning_moment(f);
  r.b = chain.base.body_totals[0];
  if (!(r.b > 0)) return not_computed(r, "改良体の幅 B が 0 以下のため地盤反力が求められません。");
  if (!(r.v > 0))
    return not_computed(r, "鉛直力の合計 V が 0 以下のため地盤反力が求められません。");
  if (pattern != ReactionPattern::block) {
    if (!(dims.ll + dims.ls > 0))
      return not_computed(r, "長壁と短壁の長さの和 (ll + ls) が 0 以下のため地盤反力が求められません。");
    if (!(r.v + r.ws > 0))
      return not_computed(r, "鉛直力と壁間の未改良土の重量の和 (V + Ws) が 0 以下のため地盤反力が求められません。");
  }
  r.x = rnd((r.mr - r.mo) / (r.v + r.ws));
  // A resultant at or seaward of the toe, or at or landward of the heel, leaves no base in
  // contact: there is no reaction that the ground could give, and the bearing check must not
  // pass on one.
  if (!(r.x > 0))
    return not_computed(r, cp("合力の作用位置が前端 (つま先) 上またはその海側にあり (x = ") +
                               num(r.x) + cp(" m ≦ 0)、地盤反力が求められません。"));
  if (!(r.x < r.b))
    return not_computed(r, cp("合力の作用位置が後端 (かかと) 上またはその陸側にあり (x = ") +
                               num(r.x) + cp(" m ≧ B = ") + num(r.b) +
                               cp(" m)、地盤反力が求められません。"));
  r.e = rnd(r.b / 2 - r.x);
  switch (pattern) {
    case ReactionPattern::block:
      linear_distribution(r, 1.0);
      break;
    case ReactionPattern::wall:
      r.r = rnd(dims.ll / (dims.ll + dims.ls));
      if (!(r.r > 0))
        return not_computed(r, "長壁の比率 (ll / (ll + ls)) が 0 以下のため地盤反力が求められません。");
      linear_distribution(r, r.r);
      break;
    case ReactionPattern::lattice: {
      const char* reason = nullptr;
      if (!(dims.width > 0))
        return not_computed(r, "改良幅が 0 以下のため地盤反力が求められません。");
      if (!lattice_distribution(r, dims, reason)) return not_computed(r, reason);
      break;
    }
  }
  governing_reaction(r);
  if (!finite_all({r.q1, r.q2, r.effective_width, r.x, r.e, r.k, r.el, r.i, r.a, r.s, r.heel,
                   r.max_reaction, r.bearing_width}))
    return not_computed(r, "地盤反力が数値になりません。");
  r.computed = true;
  return r;
}

void write_ground_reaction_report(engine::PrintFile& file, const ConditionData& cd,
                                  const ResultChainWithLayers& chain, const ReactionResult& r,
                                  int c) {
  const engine::ChainForceSummary& f = chain.base.force_summary[c];
  write_report_head(file, cd, "改良地盤系の地盤反力", c);
  const bool lattice = r.pattern == ReactionPattern::lattice;
  const std::string prefix = (c == 0 || lattice) ? "JY_" : "JS_";
  const char variant = option_variant(cd);
  // [pattern][variant e, B, N]: the page template and the one placed below it.
  static const char* const kPairs[3][3][2] = {
      {{"HA01e", "HA02e"}, {"HA01B", "HA02B"}, {"HAN01", "HAN02"}},
      {{"HA11e", "HA12e"}, {"HA11B", "HA12B"}, {"HAN11", "HAN12"}},
      {{"HA21e", "HA22e"}, {"HA21B", "HA22B"}, {"HAN21", "HAN22"}}};
  const int p = r.pattern == ReactionPattern::block ? 0 : r.pattern == ReactionPattern::wall ? 1 : 2;
  const int v = variant == 'e' ? 0 : variant == 'B' ? 1 : 2;
  const std::string first = kPairs[p][v][0];
  const std::string second = kPairs[p][v][1];
  file.page_record(prefix + first + ".PFM");
  file.block_record(prefix + second + ".PFM");

  number_field(file, 0, "%9.3lf", r.wt);
  number_field(file, 1, "%8.3lf", f.slot[FS_ACTIVE_VERTICAL_FORCE]);
  number_field(file, 2, "%8.3lf", f.slot[FS_OTHER_VERTICAL_FORCE]);
  number_field(file, 3, "%8.3lf", f.slot[FS_ACTIVE_SIDE_ADHESION]);
  number_field(file, 4, "%8.3lf", std::fabs(f.slot[FS_PASSIVE_SIDE_ADHESION]));
  number_field(file, 17, "%8.3lf", std::fabs(f.slot[FS_PASSIVE_VERTICAL_FORCE]));
  number_field(file, 5, "%9.3lf", r.v);
  // The seismic block and wall headers number their moment fields one higher.
  const int k = (c != 0 && !lattice) ? 1 : 0;
  number_field(file, 7 + k, "%10.3lf", r.mr);
  number_field(file, 8 + k, "%10.3lf", r.mo);
  number_field(file, 9 + k, "%10.3lf", r.v);
  if (r.pattern != ReactionPattern::block) number_field(file, 10 + k, "%10.3lf", r.ws);
  number_field(file, 11 + k, "%8.3lf", r.x);
  number_field(file, 12 + k, "%6.3lf", r.b);
  number_field(file, 13 + k, "%8.3lf", r.x);
  number_field(file, 14 + k, "%8.3lf", r.e);
  if (lattice) {
    text_field(file, 15, cp(r.distribution == Distribution::kern ? "＜" : "≧"));
    number_field(file, 16, "%8.3lf", r.k);
    number_field(file, 18, "%8.3lf", r.d);
    number_field(file, 19, "%8.3lf", r.el);
    number_field(file, 20, "%8.3lf", r.a);
    number_field(file, 21, "%10.3lf", r.i);
  }

  const bool wall = r.pattern == ReactionPattern::wall;
  switch (r.distribution) {
    case Distribution::uniform:
      file.block_record(prefix + (wall ? "HAN15" : "HAN05") + ".PFM");
      if (wall) {
        number_field(file, 0, "%9.3lf", r.v);
        number_field(file, 2, "%7.3lf", r.b);
        number_field(file, 3, "%8.3lf", r.r);
        number_field(file, 6, "%8.3lf", r.q1);
        number_field(file, 7, "%9.3lf", r.v);
        number_field(file, 9, "%7.3lf", r.b);
        number_field(file, 10, "%8.3lf", r.r);
        number_field(file, 13, "%8.3lf", r.q2);
      } else {
        number_field(file, 0, "%9.3lf", r.v);
        number_field(file, 2, "%7.3lf", r.b);
        number_field(file, 5, "%8.3lf", r.q1);
        number_field(file, 6, "%9.3lf", r.v);
        number_field(file, 8, "%7.3lf", r.b);
        number_field(file, 11, "%8.3lf", r.q2);
      }
      break;
    case Distribution::trapezoid:
      file.block_record(prefix + (wall ? "HAN13" : "HAN03") + ".PFM");
      number_field(file, 16, "%6.3lf", r.b);
      number_field(file, 17, "%8.3lf", r.b6);
      if (wall) {
        number_field(file, 0, "%9.3lf", r.v);
        number_field(file, 2, "%7.3lf", r.b);
        number_field(file, 3, "%8.3lf", r.r);
        number_field(file, 4, "%8.3lf", r.e);
        number_field(file, 5, "%7.3lf", r.b);
        number_field(file, 6, "%8.3lf", r.q1);
        number_field(file, 7, "%9.3lf", r.v);
        number_field(file, 9, "%7.3lf", r.b);
        number_field(file, 10, "%8.3lf", r.r);
        number_field(file, 11, "%8.3lf", r.e);
        number_field(file, 12, "%7.3lf", r.b);
        number_field(file, 13, "%8.3lf", r.q2);
      } else {
        number_field(file, 0, "%9.3lf", r.v);
        number_field(file, 2, "%7.3lf", r.b);
        number_field(file, 3, "%8.3lf", r.e);
        number_field(file, 4, "%7.3lf", r.b);
        number_field(file, 5, "%8.3lf", r.q1);
        number_field(file, 6, "%9.3lf", r.v);
        number_field(file, 8, "%7.3lf", r.b);
        number_field(file, 9, "%8.3lf", r.e);
        number_field(file, 10, "%7.3lf", r.b);
        number_field(file, 11, "%8.3lf", r.q2);
      }
      break;
    case Distribution::triangle:
      file.block_record(prefix + (wall ? "HAN14" : "HAN04") + ".PFM");
      number_field(file, 16, "%6.3lf", r.b);
      number_field(file, 17, "%8.3lf", r.b6);
      number_field(file, 0, "%9.3lf", r.v);
      number_field(file, 2, "%7.3lf", r.x);
      if (wall) {
        number_field(file, 3, "%8.3lf", r.r);
        number_field(file, 4, "%8.3lf", r.q1);
        number_field(file, 5, "%8.3lf", r.effective_width);
      } else {
        number_field(file, 3, "%8.3lf", r.q1);
        number_field(file, 4, "%8.3lf", r.effective_width);
      }
      break;
    case Distribution::kern:
      file.block_record(prefix + "HAN23.PFM");
      number_field(file, 0, "%9.3lf", r.v);
      number_field(file, 2, "%7.3lf", r.a);
      number_field(file, 4, "%8.3lf", r.el);
      number_field(file, 5, "%9.3lf", r.i);
      number_field(file, 6, "%7.3lf", r.b);
      number_field(file, 7, "%7.3lf", r.d);
      number_field(file, 8, "%8.3lf", r.q1);
      number_field(file, 9, "%8.3lf", r.q2);
      break;
    case Distribution::partial_contact:
      file.block_record(prefix + "HAN24.PFM");
      number_field(file, 0, "%8.3lf", r.contact);
      number_field(file, 3, "%7.3lf", r.contact);
      number_field(file, 1, "%8.3lf", r.s);
      number_field(file, 2, "%9.3lf", r.v);
      number_field(file, 4, "%8.3lf", r.q1);
      break;
  }
  file.block_record(reaction_edges_template_name(c));
}

std::string reaction_edges_template_name(int c) {
  return c == 0 ? "M_HAN05Q.PFM" : "M_HAN15Q.PFM";
}

std::vector<std::string> reaction_edges_lines(const ReactionResult& r) {
  const bool wall = r.pattern == ReactionPattern::wall;
  std::vector<std::string> lines{""};
  lines.push_back(engine::format_cp932(
      "  端部の地盤反力    前端 (つま先) ＝ %8.3lf kN/㎡    後端 (かかと) ＝ %8.3lf kN/㎡", r.q1,
      r.heel));
  // The mirrored heel is not on the page above: its working, and why the page above shows
  // another value at the heel.
  const double e = -r.e;
  if (r.heel_distribution == Distribution::trapezoid) {
    lines.push_back(cp("  合力が底面中央より陸側にあり (e＜0)、|e|≦B/6 のため後端の地盤反力は"));
    lines.push_back(
        wall ? engine::format_cp932("      V/(B・r)・(1＋6・|e|/B) ＝ %.3lf/(%.3lf×%.3lf)×(1＋6×%.3lf/%.3lf) ＝ %.3lf kN/㎡",
                                    r.v, r.b, r.r, e, r.b, r.heel)
             : engine::format_cp932("      V/B・(1＋6・|e|/B) ＝ %.3lf/%.3lf×(1＋6×%.3lf/%.3lf) ＝ %.3lf kN/㎡",
                                    r.v, r.b, e, r.b, r.heel));
  } else if (r.heel_distribution == Distribution::triangle) {
    lines.push_back(cp("  合力が底面中央より陸側にあり (e＜0)、|e|＞B/6 のため後端の地盤反力は"));
    lines.push_back(
        wall ? engine::format_cp932("      2・V/(3・(B－x)・r) ＝ 2×%.3lf/(3×(%.3lf－%.3lf)×%.3lf) ＝ %.3lf kN/㎡",
                                    r.v, r.b, r.x, r.r, r.heel)
             : engine::format_cp932("      2・V/(3・(B－x)) ＝ 2×%.3lf/(3×(%.3lf－%.3lf)) ＝ %.3lf kN/㎡",
                                    r.v, r.b, r.x, r.heel));
    lines.push_back(engine::format_cp932("      接地幅 3・(B－x) ＝ %.3lf m (支持力の照査に用います)",
                                         r.bearing_width));
  }
  if (r.heel_distribution != Distribution::uniform)
    lines.push_back(cp("  上の等分布の値は前端 (つま先) の地盤反力として前端の照査に用います。"));
  if (r.q2_rounding_cut != 0) {
    lines.push_back(engine::format_cp932(
        "  e は B/6 を 0.001 m に丸めた値に等しく、後端 (かかと) の式の値 %.3lf kN/㎡ は丸めによる負の値です。",
        r.q2_rounding_cut));
    lines.push_back(cp("  合力は核の縁にあり、後端の地盤反力は 0 とします (地盤は引張りを受けません)。"));
  }
  const char* edge = r.governing == GoverningEdge::heel  ? "後端の値"
                     : r.governing == GoverningEdge::toe ? "前端の値"
                                                         : "前端と後端が等しい";
  lines.push_back(engine::format_cp932(
      "  最大地盤反力 ＝ %8.3lf kN/㎡ (%s)    支持力の照査に用います", r.max_reaction,
      cp(edge).c_str()));
  return lines;
}

void write_reaction_edges_template(const ReactionResult& r, int c) {
  const std::string name = reaction_edges_template_name(c);
  const std::vector<std::string> lines = reaction_edges_lines(r);
  engine::PrintFile file;
  open_report(file, name);
  engine::write_text_template(file, name, static_cast<int>(lines.size()), lines);
  close_report(file);
}

namespace {

int ground_reaction(const ConditionData& cd, ExternalState& state, ReactionPattern pattern) {
  for (int c = 0; c < case_count(cd); ++c) {
    const ReactionResult r = compute_ground_reaction(cd, state.chain, pattern, c);
    const std::string name = report_name(c, "05HAN");
    if (!r.computed) {
      report_not_computed(cp("地盤反力の検討"), c, r.reason);
      remove_stale_report(name);
      remove_stale_report(reaction_edges_template_name(c));
      state.reaction_computed[c] = false;
      state.summary.values[c][CV_MAX_REACTION] = 0;
      state.summary.failed[c][2] = 1;
      continue;
    }
    engine::PrintFile file;
    open_report(file, name);
    write_ground_reaction_report(file, cd, state.chain, r, c);
    close_report(file);
    write_reaction_edges_template(r, c);
    state.reaction_computed[c] = true;
    state.results.reaction[c][0] = r.q1;
    state.results.reaction[c][1] = r.q2;
    state.results.effective_width[c] = r.effective_width;
    state.bearing_width[c] = r.bearing_width;
    state.summary.values[c][CV_MAX_REACTION] = r.max_reaction;
  }
  return 0;
}

}  // namespace

int ground_reaction_block(const ConditionData& cd, ExternalState& state) {
  return ground_reaction(cd, state, ReactionPattern::block);
}
int ground_reaction_wall(const ConditionData& cd, ExternalState& state) {
  return ground_reaction(cd, state, ReactionPattern::wall);
}
int ground_reaction_lattice(const ConditionData& cd, ExternalState& state) {
  return ground_reaction(cd, state, ReactionPattern::lattice);
}

}  // namespace qvt::meritan
