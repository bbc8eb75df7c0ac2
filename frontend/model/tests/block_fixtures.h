#pragma once
// Block slots of every type and a shape library, every value distinct, for the block file tests.
#include "frontend/model/project.h"

#include <string>

namespace qvt::model::testing {

// Slot of each type in the fixture; slot 9 and slots from 11 on stay empty.
inline constexpr int kSlotPolygon = 0, kSlotRectangle = 1, kSlotCaisson = 2,
                     kSlotFootingCaisson = 3, kSlotQuad = 4, kSlotCounterfort = 5,
                     kSlotSoilPolygon = 6, kSlotSoilRectangle = 7, kSlotLibrary = 8,
                     kSlotUnnamedBlock = 10;
// A second rectangle without a name, written with 16 blanks. (A type outside -1..8 has no record
// layout and makes a block file unreadable.)
inline constexpr i16 kUnnamedBlockType = BLOCK_RECTANGLE;

// Distinct values: k + 0.125 is exact in binary and keeps its text through every number form
// of the files (also the three decimals of the library).
class Values {
 public:
  double next() { return ++k_ + 0.125; }
  i16 next_int(int modulo) { return static_cast<i16>(++k_ % modulo); }

 private:
  int k_ = 0;
};

inline void fill_head(BlockHead& h, Values& v, const std::string& name) {
  h.name = name;
  h.ref_x = v.next();
  h.ref_y = v.next();
  h.length = v.next();
  for (int k = 0; k < 6; ++k) h.unit_weights[k] = v.next();
  h.label_x = v.next();
  h.label_y = v.next();
  h.mark_x = v.next();
  h.mark_y = v.next();
}

template <int N>
void fill_parametric(ParametricShape<N>& s, Values& v, const std::string& name) {
  s.sub_type = v.next_int(7) + 1;
  fill_head(s.head, v, name);
  s.flag_a = 3;
  s.flag_b = 8;
  for (auto& row : s.dims_a)
    for (int k = 0; k < 4; ++k) row[k] = v.next();
  for (auto& row : s.dims_b)
    for (int k = 0; k < 8; ++k) row[k] = v.next();
  s.part_count = 2;
  s.part_names[0] = "中詰砂";
  s.part_names[1] = "蓋, コンクリート";
  for (int k = 2; k < PART_NAMES; ++k) s.part_names[k].clear();
  for (auto& row : s.part_values)
    for (int k = 0; k < PART_NAMES; ++k) row[k] = v.next();
  s.outline_count = 12;
  for (int p = 0; p < N; ++p) {
    s.outline_x[p] = v.next();
    s.outline_y[p] = v.next();
  }
  s.tail = static_cast<i16>(N - 3);
}

inline void fill_quad(QuadShape& q, Values& v, const std::string& name) {
  fill_head(q.head, v, name);
  for (double& x : q.values) x = v.next();
  for (int k = 0; k < 4; ++k) {
    q.corner_x[k] = v.next();
    q.corner_y[k] = v.next();
  }
  q.value = v.next();
}

inline void fill_polygon(PolygonShape& p, Values& v, const std::string& name) {
  fill_head(p.head, v, name);
  p.vertex_count = 7;
  p.reserved = 3;
  for (int k = 0; k < POLYGON_VERTICES; ++k) {
    p.vertex_x[k] = v.next();
    p.vertex_y[k] = v.next();
  }
}

inline void fill_library_entry(ShapeEntry& e, Values& v, int layers, int points, int pairs) {
  for (double& x : e.values) x = v.next();
  e.layer_count = static_cast<i16>(layers);
  for (int k = 0; k < layers; ++k) {
    e.layer_a[k] = v.next();
    e.layer_b[k] = v.next();
    e.layer_c[k] = v.next();
  }
  e.point_count = static_cast<i16>(points);
  for (int k = 1; k <= points; ++k) {
    e.point_x[k] = v.next();
    e.point_y[k] = v.next();
  }
  e.pair_count = static_cast<i16>(pairs);
  for (int k = 1; k <= pairs; ++k) {
    e.pair_first[k] = static_cast<i16>(k);
    e.pair_second[k] = static_cast<i16>(k % points + 1);
  }
}

// Fills the slots named above, their label numbers and a library of two entries.
inline void fill_every_block_type(ProjectModel& m) {
  Values v;
  auto& b = m.wall_blocks;
  b[kSlotPolygon].block_type = BLOCK_POLYGON;
  fill_polygon(b[kSlotPolygon].polygon, v, "多角形, A");
  b[kSlotRectangle].block_type = BLOCK_RECTANGLE;
  fill_polygon(b[kSlotRectangle].polygon, v, "上部工");
  b[kSlotCaisson].block_type = BLOCK_CAISSON;
  fill_parametric(b[kSlotCaisson].caisson, v, "ケーソン");
  b[kSlotFootingCaisson].block_type = BLOCK_FOOTING_CAISSON;
  fill_parametric(b[kSlotFootingCaisson].caisson, v, "ﾌｰﾁﾝｸﾞ付");
  b[kSlotQuad].block_type = BLOCK_QUAD;
  fill_quad(b[kSlotQuad].quad, v, "四隅");
  b[kSlotCounterfort].block_type = BLOCK_COUNTERFORT;
  fill_parametric(b[kSlotCounterfort].counterfort, v, "扶壁");
  b[kSlotSoilPolygon].block_type = BLOCK_SOIL_POLYGON;
  fill_polygon(b[kSlotSoilPolygon].polygon, v, "改良土 1");
  b[kSlotSoilRectangle].block_type = BLOCK_SOIL_RECTANGLE;
  fill_polygon(b[kSlotSoilRectangle].polygon, v, "改良土 2");
  b[kSlotLibrary].block_type = BLOCK_LIBRARY;
  fill_quad(b[kSlotLibrary].library, v, "L型");
  b[kSlotLibrary].library.library_index = 1;
  b[kSlotLibrary].library.mirrored = -1;
  b[kSlotUnnamedBlock].block_type = kUnnamedBlockType;
  fill_polygon(b[kSlotUnnamedBlock].polygon, v, "");
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s)
    m.block_label_numbers[s] = static_cast<i16>((s * 7) % MAX_WALL_BLOCKS);

  m.shape_library_count = 2;
  ShapeEntry& e0 = m.shape_library[0];
  e0.name = "L型, 標準";
  e0.name2 = "  padded  ";
  fill_library_entry(e0, v, 3, 4, 2);
  ShapeEntry& e1 = m.shape_library[1];
  e1.name.clear();
  e1.name2.clear();
  fill_library_entry(e1, v, 0, 1, 0);
}

}  // namespace qvt::model::testing
