// Side adhesion of the improved body. Clay layers that touch the land-side face (active side)
// or the sea-side face (passive side) hand a vertical adhesion force to the structure: per clay
// layer and face segment the mean cohesion times the acting area. Two kinds of segment are
// summed: whole clay layers that begin above the top of the improved body, and the side faces
// of the improved-soil blocks, each with the clay layer that begins at the block's top. The
// computation is written as a generated table (M_FTYA_A.PFM / M_FTYA_B.PFM), which the report
// of another engine places; the sums go into the force summaries of CAL_ANS.DAT.
#include "engines/zenobar/side_adhesion.h"
#include "engines/zenobar/zenobar_data.h"

#include "common/cp932.h"
#include "engines/common/condition_data.h"
#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace qvt::zenobar {

using engine::condition_data;

namespace {

// The soil layers of the active side are those of the land side, of the passive side those of
// the sea side.
int soil_side(int side) {
  return side == ADHESION_ACTIVE ? engine::SIDE_ACTIVE : engine::SIDE_PASSIVE;
}

int layer_count(int side) {
  return std::clamp<int>(condition_data().soil_layer_counts[soil_side(side)], 0,
                         engine::SOIL_LAYER_RECORDS);
}

const engine::SoilLayer& layer_of(int side, int j) {
  return condition_data().soil_layers[soil_side(side)][j];
}

bool is_clay(const engine::SoilLayer& layer) { return layer.soil_type != 0; }

// Cohesion of a layer at level z: it grows by the gradient below the reference level.
double cohesion_at(const engine::SoilLayer& layer, double z) {
  return round3((condition_data().cohesion_reference_level - z) * layer.cohesion_gradient +
                layer.cohesion);
}

// One face segment from level zu down to level zl in a clay layer.
struct Segment {
  double zu = 0, zl = 0;
  double c1 = 0, c2 = 0, c_mean = 0;
  double area = 0, force = 0, moment = 0;
  bool ratio_form = false;  // the row shows the ratio after the height
  double ratio = 1;         // the ratio shown (1 where the full area acts)
};

Segment make_segment(int side, const engine::SoilLayer& layer, double zu, double zl,
                     bool ratio_form, double ratio) {
  Segment s;
  s.zu = zu;
  s.zl = zl;
  s.c1 = cohesion_at(layer, zu);
  s.c2 = cohesion_at(layer, zl);
  s.c_mean = round3((s.c1 + s.c2) * 0.5);
  const double height = round3(zu - zl);
  s.area = ratio_form ? round3(ratio * height) : height;
  s.force = round3(s.area * s.c_mean);
  if (side == ADHESION_ACTIVE) s.moment = round3(s.force * round3(condition_data().body_dims.width));
  s.ratio_form = ratio_form;
  s.ratio = ratio;
  return s;
}

// The height zu - zl as the row shows it: as a difference of depths when both levels lie at or
// below 0, of levels when both lie at or above it, and as a sum across 0.
std::string height_terms(double zu, double zl) {
  if (zu <= 0 && zl <= 0) return cp932_printf("%6.3lf-%6.3lf", std::fabs(zl), std::fabs(zu));
  if (zu > 0 && zl < 0) return cp932_printf("%6.3lf+%6.3lf", zu, std::fabs(zl));
  return cp932_printf("%6.3lf-%6.3lf", zu, zl);
}

// Share of the wall line taken by the long walls.
double long_wall_share() {
  const auto& dims = condition_data().body_dims;
  if (!(dims.ll > 0.0) || !(dims.ll + dims.ls > 0.0)) {
    engine::stop_engine(engine::fatal_error(utf8_to_cp932_lossy(
        "改良体の長壁長 Ll、または長壁長 Ll と短壁長 Ls の和が 0 以下です。\n"
        "側面付着力の長壁の割合を計算できません。")));
  }
  return round3(1.0 / ((dims.ll + dims.ls) / dims.ll));
}

// The segments of an improved-soil polygon block (type 6).
void add_polygon_block(int side, int slot, std::vector<Segment>& segments) {
  const auto& cd = condition_data();
  const auto& block = cd.wall_blocks[slot];
  if (block.polygon.vertex_count < 4) {
    engine::stop_engine(engine::fatal_error(cp932_printf(
        "改良地盤ブロック《%s》の頂点が 4 点未満です。\n"
        "改良地盤の側面の高さが決まらないため、側面付着力を計算できません。",
        block.head.name.c_str())));
  }
  const double ref_y = block.head.ref_y;
  const auto& vy = block.polygon.vertex_y;
  const double zu = round3((side == ADHESION_ACTIVE ? vy[1] : vy[0]) + ref_y);
  const double zl = round3((side == ADHESION_ACTIVE ? vy[2] : vy[3]) + ref_y);
  const int j = find_soil_layer(zu, side);
  if (j < 0 || !is_clay(layer_of(side, j))) return;
  const auto& layer = layer_of(side, j);
  const double swb = run_data.short_wall_bottom_level;
  if (cd.improvement_pattern == PATTERN_WALL && zl < swb && swb < zu) {
    segments.push_back(make_segment(side, layer, zu, swb, false, 1));
    segments.push_back(make_segment(side, layer, swb, zl, false, 1));
  } else {
    segments.push_back(make_segment(side, layer, zu, zl, false, 1));
  }
}

// The segments of an improved-soil layer block (type 7). In the wall and lattice patterns the
// face is solid only where a wall meets it: the long walls act with their share of the wall
// line, the short walls (above their bottom level) over the whole line.
void add_rectangle_block(int side, int slot, std::vector<Segment>& segments) {
  const auto& cd = condition_data();
  const auto& block = cd.wall_blocks[slot];
  double zu = round3(block.polygon.vertex_y[11]);
  const double zl = round3(block.polygon.vertex_y[10]);
  const int j = find_soil_layer(zu, side);
  if (j < 0 || !is_clay(layer_of(side, j))) return;
  const auto& layer = layer_of(side, j);

  const bool wall = cd.improvement_pattern == PATTERN_WALL;
  const bool lattice = cd.improvement_pattern == PATTERN_LATTICE;
  if (!wall && !lattice) {
    segments.push_back(make_segment(side, layer, zu, zl, false, 1));
    return;
  }
  const double rho = long_wall_share();
  const auto& dims = cd.body_dims;
  const bool long_wall_on_side = side == ADHESION_ACTIVE ? dims.bl2 > 0.0001 : dims.bl1 > 0.0001;
  const double swb = run_data.short_wall_bottom_level;

  if (zl < swb && swb < zu) {
    const bool use_ratio = wall ? long_wall_on_side : !long_wall_on_side;
    segments.push_back(make_segment(side, layer, zu, swb, true, use_ratio ? rho : 1.0));
    zu = swb;
  }
  bool use_ratio = false;
  if (wall) use_ratio = std::fabs(zu - swb) < 0.001 || zu < swb || long_wall_on_side;
  segments.push_back(make_segment(side, layer, zu, zl, true, use_ratio ? rho : 1.0));
}

void write_template(int side, const std::vector<Segment>& segments, double sum_force,
                    double sum_moment) {
  const bool active = side == ADHESION_ACTIVE;
  const std::string name = active ? "M_FTYA_A.PFM" : "M_FTYA_B.PFM";
  const auto cp = [](const char* utf8) { return utf8_to_cp932_lossy(utf8); };

  engine::TableTemplate table(name, active ? std::vector<int>{9, 22, 24, 9, 9, 11}
                                           : std::vector<int>{9, 22, 24, 9});
  if (active) {
    table.add_row("2,@,@,@,@,@", cp("主働側側面付着力,@,@,@,@,@"), "0100,@,@,@,@,@");
    table.add_row("3,3,3,3,3,3", cp("土層,平均粘着力,作用面積,付着力,作用長さ,ﾓｰﾒﾝﾄ"),
                  "1011,1011,1011,1011,1011,1011");
    table.add_row("3,3,3,3,3,3", cp("(m),C$Su$Z,A(m$U2$Z/m),(kN/m),(m),(kN･m/m)"),
                  "1110,1110,1110,1110,1110,1110");
  } else {
    table.add_row("2,@,@,@", cp("受働側側面付着力,@,@,@"), "0100,@,@,@");
    table.add_row("3,3,3,3", cp("土層,平均粘着力,作用面積,付着力"), "1011,1011,1011,1011");
    table.add_row("3,3,3,3", cp("(m),C$Su$Z,A(m$U2$Z/m),(kN/m)"), "1110,1110,1110,1110");
  }

  const double width = round3(condition_data().body_dims.width);
  for (const Segment& s : segments) {
    const std::string height = height_terms(s.zu, s.zl);
    std::string first = cp932_printf("%7.3lf ,1/2×(%6.3lf+%6.3lf) , (%s)", s.zu, s.c1, s.c2,
                                     height.c_str());
    if (s.ratio_form) first += cp932_printf("×%5.3lf", s.ratio);
    if (active) {
      table.add_row("1,1,2,1,1,1", first + ",,,", "1011,1011,1011,1011,1011,1011");
      table.add_row("1,1,1,1,1,1",
                    cp932_printf("%7.3lf ,=%8.3lf ,=%8.3lf ,%8.3lf ,%8.3lf ,%10.3lf ", s.zl,
                                 s.c_mean, s.area, s.force, width, s.moment),
                    "1110,1110,1110,1110,1110,1110");
    } else {
      table.add_row("1,1,2,1", first + ",", "1011,1011,1011,1011");
      table.add_row("1,1,1,1",
                    cp932_printf("%7.3lf ,=%8.3lf ,=%8.3lf ,%8.3lf ", s.zl, s.c_mean, s.area,
                                 s.force),
                    "1110,1110,1110,1110");
    }
  }
  if (active) {
    table.add_row("3,1,1,1,1,1", cp932_printf("計,,,%10.3lf ,,%10.3lf ", sum_force, sum_moment),
                  "1111,1101,0101,0111,1110,1110");
  } else {
    table.add_row("3,1,1,1", cp932_printf("計,,,%10.3lf ", sum_force), "1111,1101,0101,0111");
  }

  engine::PrintFile file;
  open_output(file, name);
  table.write_to(file);
  close_output(file);
}

}  // namespace

int find_soil_layer(double level, int side) {
  const int count = layer_count(side);
  for (int j = 0; j < count; ++j)
    if (std::fabs(layer_of(side, j).top_level - level) < 0.001) return j;
  return -1;
}

SideExtent body_side_extent(int side) {
  const auto& cd = condition_data();
  struct Point {
    double x, y;
  };
  // Compared in hundredths, truncated toward zero.
  const auto h = [](double v) { return std::trunc(v * 100); };
  Point land{-9999.999, -9999.999};
  Point sea{9999.999, -9999.999};
  const auto consider = [&](Point c) {
    if (h(c.x) >= h(land.x) && h(c.y) >= h(land.y)) land = c;
    if (h(c.x) <= h(sea.x) && h(c.y) >= h(sea.y)) sea = c;
  };
  for (const auto& block : cd.wall_blocks) {
    const auto& head = block.head;
    const auto& poly = block.polygon;
    if (block.block_type == engine::BLOCK_SOIL_POLYGON) {
      const int count = std::clamp<int>(poly.vertex_count, 0, engine::POLYGON_VERTICES);
      for (int i = 0; i < count; ++i)
        consider({round3(poly.vertex_x[i] + head.ref_x), round3(poly.vertex_y[i] + head.ref_y)});
    } else if (block.block_type == engine::BLOCK_SOIL_RECTANGLE) {
      const double top = round3(poly.vertex_y[0] + head.ref_y);
      consider({round3(poly.vertex_x[0] + head.ref_x), top});
      consider({round3(head.ref_x), top});
    }
  }

  SideExtent extent;
  extent.edge_level = side == ADHESION_ACTIVE ? land.y : sea.y;
  const int count = layer_count(side);
  for (int j = 0; j < count; ++j) {
    const auto& layer = layer_of(side, j);
    if (is_clay(layer) && std::fabs(layer.top_level - extent.edge_level) >= 0.001 &&
        layer.top_level >= extent.edge_level)
      extent.layers.push_back(j);
  }
  return extent;
}

void write_side_adhesion(int side) {
  auto& cd = condition_data();

  std::vector<Segment> segments;
  for (int j : body_side_extent(side).layers) {
    const auto& layer = layer_of(side, j);
    segments.push_back(make_segment(side, layer, round3(layer.top_level),
                                    round3(layer.bottom_level), false, 1));
  }
  for (int slot = 0; slot < BLOCK_SLOTS; ++slot) {
    const int type = cd.wall_blocks[slot].block_type;
    if (type == engine::BLOCK_SOIL_POLYGON) add_polygon_block(side, slot, segments);
    if (type == engine::BLOCK_SOIL_RECTANGLE) add_rectangle_block(side, slot, segments);
  }

  double sum_force = 0, sum_moment = 0;
  for (const Segment& s : segments) {
    sum_force = round3(sum_force + s.force);
    sum_moment = round3(sum_moment + s.moment);
  }
  write_template(side, segments, sum_force, sum_moment);

  const int records = cd.seismic_check != 0 ? 2 : 1;
  for (int c = 0; c < records; ++c) {
    ForceSummary& summary = run_data.force_summaries[c];
    if (side == ADHESION_ACTIVE) {
      summary.slot[FS_ACTIVE_SIDE_ADHESION] = sum_force;
      summary.slot[FS_SIDE_ADHESION_MOMENT] = sum_moment;
    } else {
      summary.slot[FS_PASSIVE_SIDE_ADHESION] = 0.0 - sum_force;  // never -0
    }
  }
}

}  // namespace qvt::zenobar
