// Where the superstructure's load, spread down from its check point at the spread angle plus
// 30 degrees, meets the top of the improved body; the spread width and reaction there; and the
// ground reaction under the part of the body in front of the vertical shear plane.
#include "engines/common/rounding_geometry.h"
#include "engines/jorpela/jorpela.h"

#include <algorithm>
#include <cmath>

namespace qvt::jorpela {

using engine::rnd;

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kThirtyDegrees = 0.5235987755982988;

// Highest level and smallest x of the improved soil, over rounded points.
void body_top_and_front(const ConditionData& cd, double& top, double& front) {
  top = -9999.999;
  front = 9999.999;
  for (const engine::WallBlock& b : cd.wall_blocks) {
    if (b.block_type == engine::BLOCK_SOIL_POLYGON) {
      const int n = std::clamp<int>(b.polygon.vertex_count, 0, qvt::POLYGON_VERTICES);
      for (int j = 0; j < n; ++j) {
        const double x = rnd(b.head.ref_x + b.polygon.vertex_x[j]);
        const double y = rnd(b.head.ref_y + b.polygon.vertex_y[j]);
        if (y > top) top = y;
        if (x < front) front = x;
      }
    } else if (b.block_type == engine::BLOCK_SOIL_RECTANGLE) {
      const double y = rnd(b.head.ref_y + b.polygon.vertex_y[0]);
      const double x = rnd(b.head.ref_x);
      if (y > top) top = y;
      if (x < front) front = x;
    }
  }
}

// The top of the improved soil, unrounded.
double soil_top_unrounded(const ConditionData& cd) {
  double top = -9999.999;
  for (const engine::WallBlock& b : cd.wall_blocks) {
    if (b.block_type == engine::BLOCK_SOIL_POLYGON) {
      const int n = std::clamp<int>(b.polygon.vertex_count, 0, qvt::POLYGON_VERTICES);
      for (int j = 0; j < n; ++j) top = std::max(top, b.head.ref_y + b.polygon.vertex_y[j]);
    } else if (b.block_type == engine::BLOCK_SOIL_RECTANGLE) {
      top = std::max(top, b.head.ref_y + b.polygon.vertex_y[0]);
    }
  }
  return top;
}

long long centimetres(double v) { return static_cast<long long>(v * 100); }

}  // namespace

double long_wall_ratio(const ConditionData& cd) {
  const double sum = cd.body_dims.ll + cd.body_dims.ls;
  return sum > 0 ? rnd(cd.body_dims.ll / sum) : 0.0;
}
double short_wall_ratio(const ConditionData& cd) {
  const double sum = cd.body_dims.ll + cd.body_dims.ls;
  return sum > 0 ? rnd(cd.body_dims.ls / sum) : 0.0;
}

void shear_angles(const ConditionData& cd, ShearGeometry& g) {
  g.check_x = cd.body_reactions[0].check_x;
  g.check_y = cd.body_reactions[0].check_y;
  for (int c = 0; c < 2; ++c)
    g.angle_rad[static_cast<std::size_t>(c)] = cd.body_reactions[c].spread_angle * kPi / 180;
}

void spread_widths(const ConditionData& cd, ShearGeometry& g) {
  shear_angles(cd, g);
  const double z_top = soil_top_unrounded(cd);
  g.body_top = z_top;
  for (int c = 0; c < 2; ++c) {
    const auto cu = static_cast<std::size_t>(c);
    const engine::BodyReaction& br = cd.body_reactions[c];
    const double t = br.spread_angle;
    g.spread_width[cu] = rnd((std::tan((t + 30) * kPi / 180) + std::tan((30 - t) * kPi / 180)) *
                                 (br.check_y - z_top) +
                             br.spread_width);
    g.spread_reaction[cu] =
        g.spread_width[cu] >= 1e-12 ? rnd(br.spread_width / g.spread_width[cu] * br.reaction) : 0;
  }
}

void shear_plane_block(const ConditionData& cd, ShearGeometry& g) {
  double top = 0, front = 0;
  body_top_and_front(cd, top, front);
  g.sloped = false;
  g.a = rnd(g.check_x - front);
  g.b = rnd(g.check_y - top);
  for (int c = 0; c < 2; ++c) {
    const auto cu = static_cast<std::size_t>(c);
    g.toe_part_width[cu] = rnd(g.a - std::tan(g.angle_rad[cu] + kThirtyDegrees) * g.b);
    g.plane_length[cu] = rnd(top - cd.toe_y);
    g.plane_found[cu] = g.toe_part_width[cu] > 0 && g.plane_length[cu] > 0 &&
                        std::isfinite(g.toe_part_width[cu]);
  }
}

void shear_plane_wall(const ConditionData& cd, ShearGeometry& g) {
  shear_plane_block(cd, g);
  double top = 0, front = 0;
  body_top_and_front(cd, top, front);
  const double h = top - cd.toe_y;
  const double rl = long_wall_ratio(cd), rs = short_wall_ratio(cd);
  for (int c = 0; c < 2; ++c) {
    const auto cu = static_cast<std::size_t>(c);
    const bool front_wall =
        cd.improvement_pattern == PATTERN_LATTICE && g.toe_part_width[cu] <= cd.body_dims.bl1;
    g.plane_length[cu] = front_wall ? rnd(h * rl + h * rs) : rnd(h * rl + (h - cd.body_dims.dl) * rs);
    g.plane_found[cu] = g.toe_part_width[cu] > 0 && g.plane_length[cu] > 0 &&
                        std::isfinite(g.toe_part_width[cu]);
  }
}

bool shear_plane_intersection(const ConditionData& cd, ShearGeometry& g) {
  double trx = -9999.999, try_ = -9999.999, tlx = 9999.999, tly = -9999.999;
  auto visit = [&](double x, double y) {
    if (centimetres(x) >= centimetres(trx) && centimetres(y) >= centimetres(try_)) trx = x, try_ = y;
    if (centimetres(x) <= centimetres(tlx) && centimetres(y) >= centimetres(tly)) tlx = x, tly = y;
  };
  for (const engine::WallBlock& b : cd.wall_blocks) {
    if (b.block_type == engine::BLOCK_SOIL_POLYGON) {
      const int n = std::clamp<int>(b.polygon.vertex_count, 0, qvt::POLYGON_VERTICES);
      for (int j = 0; j < n; ++j)
        visit(rnd(b.head.ref_x + b.polygon.vertex_x[j]), rnd(b.head.ref_y + b.polygon.vertex_y[j]));
    } else if (b.block_type == engine::BLOCK_SOIL_RECTANGLE) {
      const double top = rnd(b.head.ref_y + b.polygon.vertex_y[0]);
      visit(rnd(b.head.ref_x + b.polygon.vertex_x[0]), top);
      visit(rnd(b.head.ref_x), top);
    }
  }
  if (std::fabs(try_ - tly) < 0.0001) return false;
  g.sloped = true;
  for (int c = 0; c < 2; ++c) {
    const auto cu = static_cast<std::size_t>(c);
    const double t = g.angle_rad[cu] + kThirtyDegrees;
    double x = 0, y = 0;
    const int res = engine::intersect_lines(g.check_x, g.check_y, g.check_x - 999 * std::sin(t),
                                            g.check_y - 999 * std::cos(t), trx, try_, tlx, tly,
                                            x, y);
    g.cross_x[cu] = x;
    g.cross_y[cu] = y;
    g.toe_part_width[cu] = rnd(x - tlx);
    g.plane_length[cu] = rnd(y - cd.toe_y);
    // Parallel lines, or a spread line that meets the top's line beyond the top itself, give
    // no plane inside the body.
    const bool on_top = x >= std::min(tlx, trx) - 0.0005 && x <= std::max(tlx, trx) + 0.0005;
    g.plane_found[cu] = res != -1 && on_top && g.toe_part_width[cu] > 0 && g.plane_length[cu] > 0;
  }
  return true;
}

double lattice_reaction_ratio(const ConditionData& cd, double bl) {
  const double ll = cd.body_dims.ll, ls = cd.body_dims.ls, bl1 = cd.body_dims.bl1;
  if (bl <= bl1) return 1.0;
  if (!(ll + ls > 0) || !(bl > 0)) return 0.0;
  return rnd(ll / (ll + ls) + (bl1 / bl) * (ls / (ll + ls)));
}

ToeReaction toe_reaction(double q1, double q2, double be, double bl, double ratio) {
  ToeReaction t;
  t.ratio = ratio;
  if (bl > be) {
    // Beyond the contact width the ground gives nothing: the reaction acts over Be only.
    t.qb = 0;
    t.r = rnd((q1 + q2) * 0.5 * be * ratio);
    return t;
  }
  t.qb = rnd((be - bl) * ((q1 - q2) / be) + q2);
  t.r = rnd((q1 + t.qb) * 0.5 * bl * ratio);
  return t;
}

double shear_stress(const ConditionData& cd, double r, double w, double fa, double fv,
                    double l) {
  const bool without_fv = cd.custom_options.backfill_vertical_ignored != 0 ||
                          cd.custom_options.passive_vertical_ignored != 0;
  double v = r - w;
  v -= fa;
  if (!without_fv) v -= fv;
  return rnd(v / l);
}

bool shear_passes(double tau, double allowable) { return !(std::fabs(tau) > allowable); }

}  // namespace qvt::jorpela
