// Sliding: the passive earth pressure in front of the body and the resistance of its base
// against the horizontal forces toward the sea. Block bases may be inclined and may float on
// clay; wall and lattice bodies add the resistance of the soil between the walls.
#include "common/cp932.h"
#include "engines/common/rounding_geometry.h"
#include "engines/meritan/meritan.h"

#include <cmath>

namespace qvt::meritan {

namespace {

constexpr double kPi = 3.141592653589793;

std::string cp(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

SlidingResult not_computed(SlidingResult r, const char* reason_utf8) {
  r.computed = false;
  r.reason = cp(reason_utf8);
  return r;
}

// Cohesion of the bearing layer at the base (the lowest boundary of the sea-side table).
double base_cohesion(const ConditionData& cd, const ResultChainWithLayers& chain) {
  const double zb = chain.layers.sea[chain.layers.sea_boundary_count - 1].top_level;
  return rnd(cd.bearing_layer.cohesion +
             cd.bearing_layer.cohesion_gradient * (cd.cohesion_reference_level - zb));
}

}  // namespace

SlidingResult compute_sliding(const ConditionData& cd, const ResultChainWithLayers& chain,
                              SlidingProcedure procedure, int c) {
  const engine::ChainForceSummary& f = chain.base.force_summary[c];
  const engine::BearingLayer& bl = cd.bearing_layer;
  const engine::ImprovedBodyDims& dims = cd.body_dims;
  SlidingResult r;
  r.procedure = procedure;
  r.required = cd.safety_factors[0][c];
  r.mu = bl.friction_rule == 1 ? std::tan(bl.phi * kPi / 180.0) : bl.friction_mu;
  r.pv = passive_vertical_term(cd, f);
  r.sum_v = rnd(vertical_sum(cd, f));
  r.tau = cd.allowable_stresses[1][c];
  if (procedure == SlidingProcedure::block && cd.improvement_pattern == PATTERN_TANGENT_CIRCLES)
    r.tau = cd.allowable_stresses[2][c] * 0.5 * cd.improvement_ratio * 0.01;
  r.b = chain.base.body_totals[0];
  r.h = horizontal_sum(f);
  r.pp = f.slot[FS_PASSIVE_HORIZONTAL_FORCE];
  const int sea_count = chain.layers.sea_boundary_count;

  if (!(r.b > 0)) return not_computed(r, "改良体の幅 B が 0 以下のため計算できません。");

  if (procedure == SlidingProcedure::block) {
    r.floating = !(bl.soil_type == 0 || bl.founding_type == 0);
    r.inclined = std::fabs(dims.dh1 - dims.dh2) > 0.0001;
    double cos_t = 1, sin_t = 0;
    r.b_slope = r.b;
    if (r.inclined) {
      r.theta = engine::round_to_unit(std::atan(std::fabs(dims.dh1 - dims.dh2) / r.b) * 180.0 / kPi,
                                      0.01, 0);
      cos_t = std::cos(r.theta * kPi / 180.0);
      sin_t = std::sin(r.theta * kPi / 180.0);
      if (bl.slope_length_width == 1) r.b_slope = rnd(r.b / cos_t);
    }
    if (r.floating) {
      if (sea_count < 1)
        return not_computed(r, "海側の土層がないため基礎地盤の粘着力が求められません。");
      r.c = base_cohesion(cd, chain);
      r.r = rnd(r.c * r.b_slope);
    } else {
      r.r1 = r.inclined ? rnd(r.sum_v * r.mu * cos_t * cos_t) : rnd(r.sum_v * r.mu);
      r.r2 = rnd(r.tau * r.b_slope);
      r.r = r.r1 < r.r2 ? r.r1 : r.r2;
    }
    r.denominator = r.inclined ? r.h + r.sum_v * sin_t * cos_t : r.h;
  } else {
    r.floating = !(bl.soil_type == 0 || bl.founding_type == 0);
    const double p = dims.ll + dims.ls;
    if (!(p > 0))
      return not_computed(r, "長壁と短壁の長さの和 (ll + ls) が 0 以下のため計算できません。");
    if (procedure == SlidingProcedure::lattice && !(dims.width > 0))
      return not_computed(r, "改良幅が 0 以下のため計算できません。");
    if (r.floating) {
      if (sea_count < 1)
        return not_computed(r, "海側の土層がないため基礎地盤の粘着力が求められません。");
      r.c = base_cohesion(cd, chain);
      r.r = rnd(r.c * r.b);
      r.rs = 0;
    } else {
      if (sea_count < 2)
        return not_computed(r, "海側の土層がないため壁間の未改良土の粘着力が求められません。");
      if (procedure == SlidingProcedure::wall) {
        r.a = rnd(dims.ll / p);
        r.as = rnd(dims.ls / p);
      } else {
        r.a = rnd(dims.ll / p) + rnd(dims.ls / p * (dims.bl1 + dims.bl2) / dims.width);
        r.as = rnd(dims.ls / p * dims.bs / dims.width);
      }
      r.r1 = rnd(r.sum_v * r.mu);
      r.r2 = rnd(r.tau * r.b * r.a);
      r.r = r.r1 < r.r2 ? r.r1 : r.r2;
      r.ws = f.slot[FS_EFFECTIVE_WEIGHT_UNIMPROVED];
      r.cs = chain.layers.sea[sea_count - 2].bottom_cohesion;
      r.r1s = rnd(r.ws * r.mu);
      r.r2s = rnd(r.cs * r.b * r.as);
      r.rs = r.r1s < r.r2s ? r.r1s : r.r2s;
    }
    r.denominator = r.h;
  }
  if (!std::isfinite(r.r + r.rs + r.denominator))
    return not_computed(r, "抵抗力または水平力が数値になりません。");
  // No force toward the sea: the body cannot slide, but a factor against nothing is no
  // number; the check is reported rather than passed on a division by zero.
  if (r.h == 0 && r.denominator == 0)
    return not_computed(r, "水平力が作用していない (H = 0) ため安全率が求められません。");
  if (!(r.denominator > 0))
    return not_computed(r, "海側へ向かう水平力の合計が 0 以下のため安全率が求められません。");
  r.fs = rdown((r.pp + r.r + r.rs) / r.denominator);
  if (!std::isfinite(r.fs)) return not_computed(r, "安全率が数値になりません。");
  r.computed = true;
  r.passes = !(r.fs < r.required);
  return r;
}

std::string sliding_template(const ConditionData& cd, const SlidingResult& r, int c) {
  // Columns: backfill, passive, neither; tan φ first, μ second.
  static const char* const kBlockFlat[2][3] = {{"KAT1e", "KA0BK", "KAT01"},
                                               {"KA1eM", "KA0BM", "KA01M"}};
  static const char* const kBlockInclined[2][3] = {{"KAT3e", "KA3BK", "KAT03"},
                                                   {"KA3eM", "KA3BM", "KA03M"}};
  static const char* const kInclinedFloating[3] = {"KAT5N", "KAT5M", "KAT5A"};
  static const char* const kWall[2][3] = {{"KAT4e", "KA1BK", "KAT11"},
                                          {"KA4eM", "KA1BM", "KA11M"}};
  const char v = option_variant(cd);
  const int column = v == 'e' ? 0 : v == 'B' ? 1 : 2;
  const int friction = cd.bearing_layer.friction_rule == 1 ? 0 : 1;
  const char* name;
  if (r.procedure == SlidingProcedure::block) {
    if (r.floating)
      name = r.inclined ? kInclinedFloating[column] : "KAT02";
    else
      name = r.inclined ? kBlockInclined[friction][column] : kBlockFlat[friction][column];
  } else {
    name = r.floating ? "KAT02" : kWall[friction][column];
  }
  return std::string(c == 0 ? "JY_" : "JS_") + name + ".PFM";
}

namespace {

void friction_field(engine::PrintFile& file, int field, const ConditionData& cd) {
  if (cd.bearing_layer.friction_rule == 1)
    number_field(file, field, "%5.2lf", cd.bearing_layer.phi);
  else if (cd.bearing_layer.friction_rule == 0)
    number_field(file, field, "%5.2lf", cd.bearing_layer.friction_mu);
}

// Fields 02, 30, 31, 35, 32 and 40: the vertical forces and their sum.
void vertical_fields(engine::PrintFile& file, const engine::ChainForceSummary& f,
                     const SlidingResult& r) {
  number_field(file, 2, "%8.3lf", f.slot[FS_ACTIVE_VERTICAL_FORCE]);
  number_field(file, 30, "%8.3lf", f.slot[FS_ACTIVE_SIDE_ADHESION]);
  number_field(file, 31, "%8.3lf", -f.slot[FS_PASSIVE_SIDE_ADHESION]);
  number_field(file, 35, "%8.3lf", -r.pv);
  number_field(file, 32, "%8.3lf", f.slot[FS_OTHER_VERTICAL_FORCE]);
  number_field(file, 40, "%9.3lf", r.sum_v);
}

void slope_length_field(engine::PrintFile& file, const ConditionData& cd,
                        const SlidingResult& r) {
  if (!r.inclined || cd.bearing_layer.slope_length_width != 1) return;
  text_field(file, 80,
             cp("（傾斜長") + engine::format_text("%1.3lf", r.b_slope) + cp("mを用いる）"));
}

// The entries of the safety factor part, in the order a variant writes them: the resistances,
// the horizontal forces of the force summary (the inertia force in a field 6 or 8 wide) and the
// factor with its verdict.
enum What { PP, R, RS, ACTIVE, OTHER, WATER, DYNAMIC, INERTIA_6, INERTIA_8, FS, MARK, REQ, VERDICT };
struct Entry {
  int field;
  What what;
};

void safety_fields(engine::PrintFile& file, const engine::ChainForceSummary& f,
                   const SlidingResult& r, std::initializer_list<Entry> entries) {
  for (const Entry& e : entries) {
    const auto force = [&](const char* format, engine::ForceSlot slot) {
      number_field(file, e.field, format, f.slot[slot]);
    };
    switch (e.what) {
      case PP: number_field(file, e.field, "%8.3lf", r.pp); break;
      case R: number_field(file, e.field, "%9.3lf", r.r); break;
      case RS: number_field(file, e.field, "%8.3lf", r.rs); break;
      case ACTIVE: force("%8.3lf", FS_ACTIVE_HORIZONTAL_FORCE); break;
      case OTHER: force("%8.3lf", FS_OTHER_HORIZONTAL_FORCE); break;
      case WATER: force("%8.3lf", FS_RESIDUAL_WATER_FORCE); break;
      case DYNAMIC: force("%8.3lf", FS_DYNAMIC_WATER_RESULTANT); break;
      case INERTIA_6: force("%6.3lf", FS_SEISMIC_INERTIA); break;
      case INERTIA_8: force("%8.3lf", FS_SEISMIC_INERTIA); break;
      case FS: number_field(file, e.field, "%6.3lf", r.fs); break;
      case MARK: text_field(file, e.field, mark_text(r.passes)); break;
      case REQ: number_field(file, e.field, "%6.3lf", r.required); break;
      case VERDICT: text_field(file, e.field, verdict_text(r.passes)); break;
    }
  }
}

}  // namespace

void write_sliding_report(engine::PrintFile& file, const ConditionData& cd,
                          const ResultChainWithLayers& chain, const SlidingResult& r, int c) {
  const engine::ChainForceSummary& f = chain.base.force_summary[c];
  write_report_head(file, cd, "改良地盤系の滑動", c);
  file.page_record(sliding_template(cd, r, c));
  const bool seismic = c != 0;
  const bool r1_governs = r.r1 <= r.r2;
  if (r.procedure == SlidingProcedure::block && !r.floating) {
    number_field(file, 0, "%4.1lf", r.required);
    number_field(file, 1, r.inclined ? "%8.3lf" : "%9.3lf",
                 f.slot[FS_EFFECTIVE_WEIGHT]);
    vertical_fields(file, f, r);
    if (r.inclined) number_field(file, 41, "%5.2lf", r.theta);
    friction_field(file, 3, cd);
    number_field(file, 4, "%9.3lf", r.r1);
    number_field(file, 5, "%8.3lf", r.tau);
    text_field(file, 99, cd.improvement_pattern == PATTERN_TANGENT_CIRCLES
                             ? cp("改良体のせん断強度（τ$Sa$Z＝1/2・quck・ap）")
                             : cp("改良体の許容せん断応力度（τ$Sa$Z＝1/2σ$Sca$Z）"));
    number_field(file, 6, "%7.3lf", r.inclined ? r.b_slope : r.b);
    number_field(file, 7, "%9.3lf", r.r2);
    slope_length_field(file, cd, r);
    text_field(file, 8, mark_text(!r1_governs));
    if (r.inclined)
      text_field(file, 9, r1_governs ? "1  " : "2  ");
    else
      text_field(file, 9, r1_governs ? "1$Z" : "2$Z");
    if (!seismic)
      safety_fields(file, f, r, {{10, PP}, {11, R}, {12, ACTIVE}, {33, OTHER}, {13, WATER},
                                 {14, FS}, {15, MARK}, {16, REQ}, {17, VERDICT}});
    else
      safety_fields(file, f, r, {{10, PP}, {11, R}, {12, ACTIVE}, {33, OTHER}, {13, WATER},
                                 {34, DYNAMIC}, {14, INERTIA_6}, {15, FS}, {16, MARK}, {17, REQ},
                                 {18, VERDICT}});
  } else if (r.procedure == SlidingProcedure::block && r.inclined) {  // floating clay
    number_field(file, 0, "%4.1lf", r.required);
    number_field(file, 5, "%7.3lf", r.c);
    number_field(file, 6, "%7.3lf", r.b_slope);
    number_field(file, 7, "%9.3lf", r.r);
    number_field(file, 1, "%8.3lf", f.slot[FS_EFFECTIVE_WEIGHT]);
    vertical_fields(file, f, r);
    number_field(file, 41, "%5.2lf", r.theta);
    slope_length_field(file, cd, r);
    if (!seismic)
      safety_fields(file, f, r, {{10, PP}, {11, R}, {12, ACTIVE}, {33, OTHER}, {13, WATER},
                                 {14, FS}, {15, MARK}, {16, REQ}, {17, VERDICT}});
    else
      safety_fields(file, f, r, {{10, PP}, {11, R}, {12, ACTIVE}, {33, OTHER}, {34, DYNAMIC},
                                 {13, WATER}, {14, INERTIA_6}, {15, FS}, {16, MARK}, {17, REQ},
                                 {18, VERDICT}});
  } else if (r.floating) {  // flat block base, wall or lattice on floating clay
    number_field(file, 0, "%4.1lf", r.required);
    number_field(file, 1, "%7.3lf", r.c);
    number_field(file, 2, "%7.3lf", r.b);
    number_field(file, 3, "%9.3lf", r.r);
    if (!seismic)
      safety_fields(file, f, r, {{4, PP}, {5, R}, {6, ACTIVE}, {33, OTHER}, {7, WATER}, {8, FS},
                                 {9, MARK}, {10, REQ}, {11, VERDICT}});
    else
      safety_fields(file, f, r, {{4, PP}, {5, R}, {6, ACTIVE}, {33, OTHER}, {34, DYNAMIC},
                                 {7, WATER}, {8, INERTIA_6}, {9, FS}, {10, MARK}, {11, REQ},
                                 {12, VERDICT}});
  } else {  // wall or lattice on friction ground
    const bool r1s_governs = r.r1s <= r.r2s;
    number_field(file, 0, "%4.1lf", r.required);
    number_field(file, 1, "%9.3lf", f.slot[FS_EFFECTIVE_WEIGHT_WITHOUT_UNIMPROVED]);
    vertical_fields(file, f, r);
    friction_field(file, 3, cd);
    number_field(file, 4, "%9.3lf", r.r1);
    number_field(file, 5, "%7.3lf", r.tau);
    number_field(file, 6, "%7.3lf", r.b);
    number_field(file, 7, "%7.3lf", r.a);
    number_field(file, 8, "%9.3lf", r.r2);
    text_field(file, 9, mark_text(!r1_governs));
    text_field(file, 10, r1_governs ? "1$Z" : "2$Z");
    number_field(file, 11, "%8.3lf", r.ws);
    friction_field(file, 12, cd);
    number_field(file, 13, "%8.3lf", r.r1s);
    number_field(file, 14, "%8.3lf", r.cs);
    number_field(file, 15, "%8.3lf", r.b);
    number_field(file, 16, "%8.3lf", r.as);
    number_field(file, 17, "%8.3lf", r.r2s);
    text_field(file, 18, mark_text(!r1s_governs));
    text_field(file, 19, r1s_governs ? "1$Z" : "2$Z");
    if (!seismic)
      safety_fields(file, f, r, {{20, PP}, {21, R}, {22, RS}, {23, ACTIVE}, {33, OTHER},
                                 {24, WATER}, {25, FS}, {26, MARK}, {27, REQ}, {28, VERDICT}});
    else
      safety_fields(file, f, r, {{20, PP}, {21, R}, {22, RS}, {23, ACTIVE}, {33, OTHER},
                                 {24, WATER}, {25, INERTIA_8}, {34, DYNAMIC}, {26, FS},
                                 {27, MARK}, {28, REQ}, {29, VERDICT}});
  }
}

namespace {

const FactorCheck kSliding{"滑動の検討", "03KAT", CV_SLIDING_FS, CL_REQUIRED_SLIDING_FS, 0,
                          &engine::ExternalResults::sliding_fs};

void check_sliding(const ConditionData& cd, ExternalState& state, SlidingProcedure procedure) {
  for (int c = 0; c < case_count(cd); ++c) {
    const SlidingResult r = compute_sliding(cd, state.chain, procedure, c);
    store_factor_case(state, kSliding, c, r, [&](engine::PrintFile& file) {
      write_sliding_report(file, cd, state.chain, r, c);
    });
  }
}

}  // namespace

void check_sliding_block(const ConditionData& cd, ExternalState& state) {
  check_sliding(cd, state, SlidingProcedure::block);
}
void check_sliding_wall(const ConditionData& cd, ExternalState& state) {
  check_sliding(cd, state, SlidingProcedure::wall);
}
void check_sliding_lattice(const ConditionData& cd, ExternalState& state) {
  check_sliding(cd, state, SlidingProcedure::lattice);
}

}  // namespace qvt::meritan
