#include "frontend/model/counterfort_outline.h"

#include "common/numtext.h"
#include "frontend/model/block_geometry.h"

#include <cmath>

namespace qvt::model {

namespace {

double r3(double v) { return round_in_units(v, 0.001, 0); }

void build_vertical_face(CounterfortShape& c) {
  const double rx = c.head.ref_x, ry = c.head.ref_y;
  const double height = c.dims_a[0][0];
  const double width = c.dims_a[1][0];
  const double slab = c.dims_a[0][1];
  const double wall = c.dims_a[1][1];
  const double haunch = c.dims_a[3][0];
  const double fort_top = c.dims_a[1][2];
  const double fort_rear = c.dims_a[0][2];
  const double toe_thickness = c.dims_a[0][3];
  const double toe_length = c.dims_a[1][3];
  const double toe_haunch = c.dims_a[3][1];

  auto& px = c.outline_x;
  auto& py = c.outline_y;
  int n = 0;
  auto put = [&](double x, double y) {
    px[n] = x;
    py[n] = y;
    ++n;
  };
  put(rx, ry);
  put(rx, ry + toe_thickness);
  if (c.sub_type == 1) {  // 45-degree haunch on the front footing
    put(rx + toe_length - toe_haunch, ry + toe_thickness);
    put(rx + toe_length, ry + toe_thickness + toe_haunch);
  } else {  // tapered front footing
    put(rx + toe_length, ry + toe_thickness + toe_haunch);
  }
  const int top = n;
  put(rx + toe_length, ry + height);      // top of the front wall face
  put(px[top] + width, py[top]);          // top of the rear end
  put(px[top + 1], py[0]);                // bottom of the rear end
  put(px[0] + toe_length, py[0]);         // bottom below the front wall face
  c.outline_count = static_cast<i16>(n);
  // Inner points: the back face of the front wall with its haunch onto the slab top.
  put(rx + toe_length + wall, ry + height);
  put(rx + toe_length + wall, ry + slab + haunch);
  put(rx + toe_length + wall + haunch, ry + slab);
  put(rx + toe_length + width, ry + slab);
  c.tail = static_cast<i16>(n);
  // The counterfort's sloping edge, written beyond the counted points.
  put(rx + toe_length + wall + fort_top, ry + height);
  put(rx + toe_length + width, ry + slab + fort_rear);
}

bool build_leaning_face(CounterfortShape& c, std::string& refusal) {
  const double rx = c.head.ref_x, ry = c.head.ref_y;
  const double height = c.dims_a[0][0];
  const double width = c.dims_a[1][0];
  const double slab = c.dims_a[0][1];
  const double wall = c.dims_a[1][1];
  const double haunch = c.dims_a[3][0];
  const double foot = c.dims_a[0][2];
  const double lean = c.dims_a[1][2];

  if (!(height - foot > 0)) {
    refusal = "扶壁式ブロックの前面下端の高さ(" + format_real(foot) + ")が躯体の高さ(" +
              format_real(height) + ")以上です。";
    return false;
  }
  const double theta = std::atan(lean / (height - foot));

  // Built apart and stored only when every construction line meets where it must.
  double x[15] = {}, y[15] = {};
  x[0] = rx;
  y[0] = ry;
  x[1] = x[0];
  y[1] = y[0] + foot;
  x[2] = x[1] + lean;
  y[2] = y[0] + height;
  // The top runs square to the front face for the wall thickness, then the haunch, then level.
  x[3] = r3(std::cos(theta) * wall + x[2]);
  y[3] = r3(y[2] - std::sin(theta) * wall);
  x[4] = r3(std::cos(theta) * haunch + x[3]);
  y[4] = r3(y[3] - std::sin(theta) * haunch);
  x[5] = x[0] + width;
  y[5] = y[4];
  x[6] = x[5];
  y[6] = y[0] + slab + haunch;
  x[7] = x[6];
  y[7] = y[6] - haunch;
  x[8] = x[7];
  y[8] = y[0];

  bool ok = true;
  auto check = [&](int code) { ok = ok && code >= 0; };
  // A horizontal line at a level, long enough to cross any section.
  auto level_meet = [&](double level, double xa, double ya, double xb, double yb, double& ox,
                        double& oy) {
    check(intersect_lines(-100, level, 100, level, xa, ya, xb, yb, ox, oy));
    ox = r3(ox);
    oy = r3(oy);
  };
  auto meet = [&](double xa, double ya, double xb, double yb, double xc, double yc, double xd,
                  double yd, double& ox, double& oy) {
    check(intersect_lines(xa, ya, xb, yb, xc, yc, xd, yd, ox, oy));
    ox = r3(ox);
    oy = r3(oy);
  };

  double q1x = 0, q1y = 0, q2x = 0, q2y = 0, q3x = 0, q3y = 0, q4x = 0, q4y = 0;
  // Foot of the back face of the front wall, and a second point on that face below it.
  check(offset_point_from_line(x[2], y[2], x[1], y[1], wall, q1x, q1y));
  check(extend_segment(x[3], y[3], q1x, q1y, 1, q2x, q2y));
  level_meet(y[6], x[3], y[3], q2x, q2y, x[9], y[9]);  // back face at the haunch top
  // The line through P(4) parallel to the back face.
  check(offset_point_from_line(x[3], y[3], x[9], y[9], haunch, q3x, q3y));
  check(extend_segment(x[4], y[4], q3x, q3y, 1, q4x, q4y));
  level_meet(y[7], x[4], y[4], q4x, q4y, x[10], y[10]);                     // haunch on the slab
  meet(x[3], y[3], x[9], y[9], x[7], y[7], x[10], y[10], x[11], y[11]);     // back face at slab
  meet(x[6], y[6], x[9], y[9], x[4], y[4], x[10], y[10], x[12], y[12]);     // haunch at P(6)
  meet(x[1], y[1], x[2], y[2], x[3], y[3], x[0], y[3], x[13], y[13]);       // front face at P(3)
  meet(x[3], y[3], x[11], y[11], x[4], y[4], x[0], y[4], x[14], y[14]);     // back face at P(4)
  if (!ok) {
    refusal = "扶壁式ブロックの寸法では外形の交点が求まりません。";
    return false;
  }
  for (int i = 0; i < 15; ++i) {
    c.outline_x[i] = x[i];
    c.outline_y[i] = y[i];
  }
  c.outline_count = 9;
  return true;
}

}  // namespace

bool build_counterfort_outline(CounterfortShape& c, std::string& refusal) {
  if (c.sub_type == COUNTERFORT_LEANING_FACE) return build_leaning_face(c, refusal);
  build_vertical_face(c);
  return true;
}

}  // namespace qvt::model
