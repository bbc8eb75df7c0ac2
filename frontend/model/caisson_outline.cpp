#include "frontend/model/caisson_outline.h"

#include "common/numtext.h"

namespace qvt::model {

bool build_caisson_outline(CaissonShape& c, bool cell_floor, std::string& refusal) {
  const int cells = c.flag_a;
  if (cells < 1 || cells > MAX_CAISSON_CELLS) {
    refusal = "ケーソンの隔室数(" + format_int(cells) + ")は1～" + format_int(MAX_CAISSON_CELLS) +
              "で指定してください。";
    return false;
  }
  const int s = c.sub_type;
  if (s == 5) {  // no footings: their dimensions are meaningless and are cleared for good
    c.dims_a[0][2] = 0;
    c.dims_a[1][1] = 0;
    c.dims_a[3][2] = 0;
  }
  const double rx = c.head.ref_x, ry = c.head.ref_y;
  const double height = c.dims_a[0][0];
  const double width = c.dims_a[1][0];
  const double floor_height = c.dims_a[0][1];
  const double footing = c.dims_a[1][1];
  const double thickness = c.dims_a[0][2];
  const double haunch = c.dims_a[3][2];
  const double front_wall = c.dims_a[1][2];
  const double partition = c.dims_a[1][3];
  const double cell_haunch_h = c.dims_a[3][0];
  const double cell_haunch_v = c.dims_a[3][1];

  auto& px = c.outline_x;
  auto& py = c.outline_y;
  int n = 0;
  auto put = [&](double x, double y) {
    px[n] = x;
    py[n] = y;
    ++n;
  };

  // Clockwise from the reference point: up the front, across the top, down the rear.
  put(rx, ry);
  if (s == 1 || s == 3) {  // front footing with a 45-degree haunch
    put(rx, ry + thickness);
    put(rx + footing - haunch, ry + thickness);
    put(rx + footing, ry + thickness + haunch);
  } else if (s == 2 || s == 4) {  // tapered front footing
    put(rx, ry + thickness);
    put(rx + footing, ry + thickness + haunch);
  }
  const double xf = s <= 4 ? rx + footing : rx;  // front wall face
  put(xf, ry + height);
  put(xf + width, ry + height);
  const double xr = xf + width;  // rear wall face
  if (s == 1 || s == 6) {  // rear footing with a 45-degree haunch
    put(xr, ry + thickness + haunch);
    put(xr + haunch, ry + thickness);
    put(xr + footing, ry + thickness);
    put(xr + footing, ry);
    put(xr, ry);
  } else if (s == 2 || s == 7) {  // tapered rear footing
    put(xr, ry + thickness + haunch);
    put(xr + footing, ry + thickness);
    put(xr + footing, ry);
    put(xr, ry);
  } else {
    put(xr, ry);
  }
  // The bottom point below the front wall face.
  if (cell_floor ? s <= 4 : s != 5) put(rx + footing, ry);
  c.outline_count = static_cast<i16>(n);

  // Left inner face of cell j: the front wall, then the cells and partitions before it.
  auto cell_left = [&](int j) {
    double offset = 0;
    for (int k = 0; k < j; ++k) offset = offset + c.dims_b[0][k] + partition;
    return xf + front_wall + offset;
  };

  // The inside of each cell.
  for (int j = 0; j < cells; ++j) {
    const double xj = cell_left(j);
    const double bj = c.dims_b[0][j];
    if (cell_floor) {
      put(xj, ry + height);
      put(xj, ry + floor_height + cell_haunch_v);
      put(xj + cell_haunch_h, ry + floor_height);
      put(xj + bj - cell_haunch_h, ry + floor_height);
      put(xj + bj, ry + floor_height + cell_haunch_v);
      put(xj + bj, ry + height);
    } else {
      put(xj, ry + height);
      put(xj, ry);
      put(xj + bj, ry + height);
      put(xj + bj, ry);
    }
  }
  // The dividing segments of each cell, as point pairs.
  for (int j = 0; j < cells; ++j) {
    const double xj = cell_left(j);
    const double bj = c.dims_b[0][j];
    const double bottom = cell_floor ? ry + floor_height : ry;
    put(xj + cell_haunch_h, ry + height);
    put(xj + cell_haunch_h, bottom);
    put(xj + bj - cell_haunch_h, ry + height);
    put(xj + bj - cell_haunch_h, bottom);
    if (cell_floor) {  // level line at the top of the bottom haunches
      put(xj, ry + floor_height + cell_haunch_v);
      put(xj + bj, ry + floor_height + cell_haunch_v);
    }
  }
  c.tail = static_cast<i16>(n);
  return true;
}

}  // namespace qvt::model
