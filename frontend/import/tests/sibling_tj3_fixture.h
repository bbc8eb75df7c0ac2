#pragma once
// Writes the sibling program's single-file design (.TJ3) for the tests, step by step in the
// order the file is read: one group a line, text lines and skipped lines on lines of their
// own, CP932, CR LF. Dropped items are fillers no used field holds (77, 7777.25), so a reader
// one item off reads a filler where a value belongs.
#include "frontend/import/tests/sibling_fixture.h"
#include "frontend/model/project.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace qvt::import::testing {

struct Tj3CheckPoint {
  int number = 1;  // negative: the entry holds nothing more
  double x = 0, y = 0, z = 0;
  int flag = 0;
  std::array<int, 20> block_flags{};
  int points = 2;  // m, at most 17
};

struct Tj3Fixture {
  double lwl = 0.25, rwl = 0.75, hwl = 1.5;
  // The study grid as the file writes it: rows L.W.L., H.W.L., two more; columns normal,
  // seismic, two more. Cells nothing reads are fillers.
  std::array<std::array<std::string, 4>, 4> grid{{{"1", "1", "77", "77"},
                                                  {"0", "0", "77", "77"},
                                                  {"77", "0", "77", "77"},
                                                  {"77", "0", "77", "77"}}};
  int hwl_loads_given = 1;
  std::array<double, 5> top_x_min{0.5, 1.5, 2.5, 3.5, 4.5}, top_x_max{1.25, 2.25, 3.25, 4.25, 5.25};
  // Rows 0 L.W.L. normal, 1 L.W.L. seismic, 2 H.W.L. normal, 3 H.W.L. seismic; ranges 0..4.
  double top_loads[4][5] = {{10, 11, 12, 0, 0}, {20, 21, 22, 0, 0}, {30, 31, 32, 0, 0},
                            {40, 41, 42, 0, 0}};
  int layout_code = 1;
  int dynamic_water_rule = 1;
  int step8_count = 2;
  // The blocks of slots 0..19 with their label numbers and the library.
  const model::ProjectModel* blocks = nullptr;
  bool centroid_by_layer = false;
  int check_point_number = 2;
  std::array<Tj3CheckPoint, 15> check_points = default_points();
  std::array<std::vector<FixtureForce>, 16> force_groups;
  bool with_force_heading = true;

  static std::array<Tj3CheckPoint, 15> default_points() {
    std::array<Tj3CheckPoint, 15> p;
    for (int e = 0; e < 15; ++e) {
      p[e].number = e + 1;
      p[e].x = 100 + e;
      p[e].y = 200 + e;
      p[e].z = 300 + e;
      p[e].flag = e % 3;
      for (int k = 0; k < 20; ++k) p[e].block_flags[k] = (e + k) % 2;
    }
    return p;
  }
};

namespace tj3_detail {

inline void head(FixtureWriter& w, const model::BlockHead& h) {
  w.f({h.unit_weights, h.unit_weights + 6});
  w.f({h.ref_x, h.ref_y, h.label_x, h.label_y, h.mark_x, h.mark_y});
}

inline void label(FixtureWriter& w, int number) {
  w.group({"\"A\"", std::to_string(number)});
}

inline void skip_lines(FixtureWriter& w, int n) {
  for (int k = 0; k < n; ++k) w.text("7777.25,77");
}

inline void block(FixtureWriter& w, const model::ProjectModel& m, int s) {
  const model::WallBlock& b = m.wall_blocks[s];
  const int number = m.block_label_numbers[s];
  w.i({b.block_type});
  switch (b.block_type) {
    case model::BLOCK_POLYGON:
    case model::BLOCK_RECTANGLE: {
      const model::PolygonShape& p = b.polygon;
      w.text(p.head.name);
      head(w, p.head);
      w.fill_f(2);
      label(w, number);
      w.f({p.head.length});
      w.i({p.reserved});
      w.i({p.vertex_count});
      const int pairs = b.block_type == model::BLOCK_RECTANGLE ? 1 : p.vertex_count;
      for (int k = 0; k < pairs; ++k) w.f({p.vertex_x[k], p.vertex_y[k]});
      break;
    }
    case model::BLOCK_CAISSON:
    case model::BLOCK_FOOTING_CAISSON: {
      const model::CaissonShape& c = b.caisson;
      w.text(c.head.name);
      w.i({c.sub_type});
      head(w, c.head);
      label(w, number);
      for (const auto& row : c.dims_a) w.f({row, row + 4});
      w.i({c.flag_a, c.flag_b});
      for (const auto& row : c.dims_b) w.f({row, row + 8});
      w.fill_i(1);
      w.i({c.part_count});
      for (int p = 0; p < c.part_count; ++p) {
        w.text(c.part_names[p]);
        w.f({c.part_values[0][p]});
        w.fill_f(7);
        w.f({c.part_values[1][p], c.part_values[2][p], c.part_values[3][p]});
        w.fill_f(2);
      }
      skip_lines(w, 15);
      break;
    }
    case model::BLOCK_COUNTERFORT: {
      const model::CounterfortShape& c = b.counterfort;
      w.text(c.head.name);
      w.i({c.sub_type});
      head(w, c.head);
      label(w, number);
      w.i({c.flag_a});
      for (const auto& row : c.dims_a) w.f({row, row + 4});
      for (const auto& row : c.dims_b) w.f({row, row + 8});
      w.i({c.part_count});
      for (int p = 0; p < c.part_count; ++p) {
        w.text(c.part_names[p]);
        w.f({c.part_values[0][p], c.part_values[1][p], c.part_values[2][p], c.part_values[3][p]});
        w.fill_f(1);
      }
      break;
    }
    case model::BLOCK_QUAD:
    case model::BLOCK_LIBRARY: {
      const model::QuadShape& q = b.block_type == model::BLOCK_QUAD ? b.quad : b.library;
      w.text(q.head.name);
      head(w, q.head);
      w.f({q.values[0], q.head.length});
      w.f({q.values[1], q.values[2], q.values[3], q.value});
      label(w, number);
      if (b.block_type == model::BLOCK_LIBRARY)
        w.i({b.library.mirrored, b.library.library_index});
      break;
    }
    default:
      break;
  }
}

inline void library_entry(FixtureWriter& w, const model::ShapeEntry& e, bool per_layer) {
  w.text(e.name);
  w.text(e.name2);
  w.f({e.values[0], e.values[2], e.values[1], e.values[5], e.values[3], e.values[4]});
  w.i({per_layer ? 1 : 0});
  w.i({e.layer_count});
  for (int k = 0; k < e.layer_count; ++k) w.f({e.layer_a[k], e.layer_b[k], e.layer_c[k], 7777.25});
  w.i({e.point_count});
  for (int k = 1; k <= e.point_count; ++k) w.f({e.point_x[k], e.point_y[k]});
  w.i({e.pair_count});
  for (int k = 1; k <= e.pair_count; ++k) w.i({e.pair_first[k], e.pair_second[k], 77});
}

}  // namespace tj3_detail

inline FixtureWriter write_tj3(const Tj3Fixture& t) {
  using namespace tj3_detail;
  FixtureWriter w;
  // 1
  w.fill_i(1);
  w.text("設計 タイトル");
  w.text("コメント");
  w.fill_i(2);
  w.fill_i(2);
  skip_lines(w, 29);
  // 2
  w.f({t.lwl, t.rwl});
  w.f({t.hwl, 7777.25});
  w.fill_i(2);
  w.fill_i(2);
  // 3
  for (const auto& row : t.grid) w.group({row.begin(), row.end()});
  // 5
  w.fill_i(1);
  skip_lines(w, 1);
  w.fill_i(1);
  skip_lines(w, 10);
  w.i({t.hwl_loads_given});
  // 6
  for (int r = 0; r < 5; ++r) {
    w.f({t.top_x_min[r], t.top_x_max[r]});
    for (int row = 0; row < 4; ++row) {
      std::vector<double> cells(4, 7777.25);
      if (row < 2) {
        cells[0] = t.top_loads[2 * row][r];
        cells[1] = t.top_loads[2 * row + 1][r];
      }
      w.f(cells);
    }
  }
  // 7
  w.fill_i(2);
  w.fill_i(2);
  w.group({"77", "77", "77", "77", "77", std::to_string(t.layout_code), "77", "77"});
  if (t.layout_code == 1 || t.layout_code == 2) {
    for (int b = 0; b < 16; ++b) {
      w.i({b / 4, b % 4});
      const int m = b % 3;
      w.i({77, m});
      for (int k = 0; k < m; ++k) {
        if (t.layout_code == 1) {
          w.i({2});
          w.fill_i(4);
          w.fill_i(4);
        } else {
          w.fill_i(4);
        }
      }
    }
  }
  // 8
  w.fill_i(2);
  w.i({t.dynamic_water_rule});
  w.fill_i(2);
  w.fill_i(5);
  w.fill_i(7);
  w.fill_i(4);
  w.i({t.step8_count});
  for (int k = 0; k < t.step8_count; ++k) w.fill_f(4);
  for (int n : {2, 1, 5, 4, 4, 4, 1}) w.fill_i(n);
  for (int k = 0; k < 14; ++k) w.fill_i(1);
  for (int n : {1, 4, 3, 7, 2}) w.fill_f(n);
  skip_lines(w, 20);
  w.fill_i(1);
  w.fill_i(8);
  // 9: blocks
  w.text("壁体ブロック");
  w.fill_i(1);  // the file's count of blocks: the project counts its used slots itself
  auto none = std::make_unique<model::ProjectModel>();  // large: on the heap
  const model::ProjectModel& m = t.blocks ? *t.blocks : *none;
  for (int s = 0; s < model::MAX_WALL_BLOCKS; ++s) block(w, m, s);
  w.i({m.shape_library_count});
  for (int e = 0; e < m.shape_library_count; ++e)
    library_entry(w, m.shape_library[e], t.centroid_by_layer && e == 0);
  // 10: check points
  w.text("検討点");
  w.i({t.check_point_number});
  for (const Tj3CheckPoint& p : t.check_points) {
    w.i({p.number});
    if (p.number < 0) continue;
    w.f({p.x, p.y, p.z});
    w.i({p.flag});
    w.i({p.block_flags.begin(), p.block_flags.end()});
    w.i({p.points});
    for (int k = 0; k < p.points; ++k) w.fill_f(2);
    w.fill_f(1);
    for (int k = 0; k < p.points; ++k) {
      w.fill_f(6);
      w.fill_i(1);
    }
    w.fill_i(1);
  }
  skip_lines(w, 1);
  w.fill_i(3);
  for (int k = 0; k < t.check_point_number; ++k)
    for (int j = 0; j < 16; ++j) w.fill_f(2);
  for (int k = 0; k < t.check_point_number; ++k) {
    w.fill_f(6);
    w.fill_f(6);
  }
  // 11: lines up to the heading, then the other forces
  w.text("#その他");
  if (!t.with_force_heading) return w;
  w.text("#他外力");
  for (const auto& group : t.force_groups) {
    w.i({static_cast<int>(group.size())});
    for (const FixtureForce& f : group) {
      w.text(f.name);
      w.f({f.vertical, f.horizontal, f.x, f.y});
      w.fill_f(3);
      w.fill_f(5);
      w.fill_f(14);
      w.fill_i(1);
    }
  }
  return w;
}

}  // namespace qvt::import::testing
