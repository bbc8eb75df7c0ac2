#include "frontend/model/block_file.h"

#include "common/cp932.h"
#include "common/items.h"
#include "common/numtext.h"
#include "common/textfile.h"

#include <algorithm>
#include <memory>

namespace qvt::model {
namespace {

// 223 zero words fill the quad and library records up to the size of the other records.
constexpr int kFillerZeros = 223;
constexpr int kBlockNameBlanks = 16;
constexpr int kPartNameBlanks = 24;
constexpr int kLibraryDecimals = 3;
// The library's six values are written in this order of their positions.
constexpr int kLibraryValueOrder[6] = {0, 2, 1, 5, 3, 4};

std::string trimmed(const std::string& s) { return std::string(trim_blanks(s)); }

// ---------------------------------------------------------------------------------- writing

class LineWriter {
 public:
  void line(std::string text) { lines.push_back(std::move(text)); }
  void integer(long v) { line(format_int(v)); }
  void reals(const double* v, int n) {
    std::string s;
    for (int k = 0; k < n; ++k) {
      if (k) s += ',';
      s += format_real(v[k]);
    }
    line(std::move(s));
  }
  void real(double v) { reals(&v, 1); }
  void two(double a, double b) {
    const double v[2] = {a, b};
    reals(v, 2);
  }
  // Values ten a line, the last line holding what is left.
  void tens(const double* v, int n) {
    for (int k = 0; k < n; k += 10) reals(v + k, std::min(10, n - k));
  }
  void zeros(int n, int per_line) {
    for (int k = 0; k < n; k += per_line) {
      std::string s;
      for (int i = 0; i < std::min(per_line, n - k); ++i) s += i ? ",0" : "0";
      line(std::move(s));
    }
  }
  // A name trimmed and stored back; blanks stand for an empty one.
  void name(std::string& n, int blanks) {
    n = trimmed(n);
    line(n.empty() ? std::string(blanks, ' ') : utf8_to_cp932_lossy(n));
  }
  std::vector<std::string> lines;
};

void write_head(LineWriter& w, BlockHead& h) {
  w.name(h.name, kBlockNameBlanks);
  w.real(h.ref_x);
  w.real(h.ref_y);
  w.real(h.length);
  w.reals(h.unit_weights, 6);
  w.two(h.label_x, h.label_y);
  w.two(h.mark_x, h.mark_y);
}

template <int N>
void write_parametric(LineWriter& w, ParametricShape<N>& s) {
  w.integer(s.sub_type);
  w.integer(0);
  write_head(w, s.head);
  w.integer(s.flag_a);
  w.integer(s.flag_b);
  for (auto& row : s.dims_a) w.reals(row, 4);
  for (auto& row : s.dims_b) w.reals(row, 8);
  w.integer(s.part_count);
  for (int k = 0; k < PART_NAMES; ++k) w.name(s.part_names[k], kPartNameBlanks);
  for (auto& row : s.part_values) w.reals(row, 8);
  w.integer(s.outline_count);
  w.tens(s.outline_x.data(), N);
  w.tens(s.outline_y.data(), N);
  w.integer(s.tail);
}

void write_quad_part(LineWriter& w, QuadShape& q) {
  w.integer(0);
  w.integer(0);
  write_head(w, q.head);
  for (double v : q.values) w.real(v);
  w.reals(q.corner_x, 4);
  w.reals(q.corner_y, 4);
  w.real(q.value);
}

void write_polygon(LineWriter& w, PolygonShape& p) {
  w.integer(0);
  w.integer(0);
  write_head(w, p.head);
  w.integer(p.vertex_count);
  w.integer(p.reserved);
  w.tens(p.vertex_x.data(), POLYGON_VERTICES);
  w.tens(p.vertex_y.data(), POLYGON_VERTICES);
  w.line("0,0,0");
}

std::string fixed(double v) { return format_fixed(v, kLibraryDecimals); }

// Library entries carry their reals with three decimals and their names as stored. Counts are
// kept within their stores, so a damaged count in memory never reads past them.
void write_library_entry(LineWriter& w, const ShapeEntry& e) {
  w.line(utf8_to_cp932_lossy(e.name));
  w.line(utf8_to_cp932_lossy(e.name2));
  std::string values;
  for (int pos : kLibraryValueOrder) {
    if (!values.empty()) values += ',';
    values += fixed(e.values[pos]);
  }
  w.line(std::move(values));
  const int layers = std::clamp<int>(e.layer_count, 0, LIBRARY_LAYERS);
  w.integer(layers);
  for (int k = 0; k < layers; ++k)
    w.line(fixed(e.layer_a[k]) + ',' + fixed(e.layer_b[k]) + ',' + fixed(e.layer_c[k]));
  const int points = std::clamp<int>(e.point_count, 0, LIBRARY_POINTS);
  w.integer(points);
  for (int k = 1; k <= points; ++k) w.line(fixed(e.point_x[k]) + ',' + fixed(e.point_y[k]));
  const int pairs = std::clamp<int>(e.pair_count, 0, LIBRARY_PAIRS);
  w.integer(pairs);
  for (int k = 1; k <= pairs; ++k)
    w.line(format_int(e.pair_first[k]) + ',' + format_int(e.pair_second[k]));
}

}  // namespace

BlockFileLines block_file_lines(ProjectModel& m, bool stop_at_soil_polygon) {
  LineWriter w;
  w.integer(0);
  int used = 0;
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s)
    if (m.wall_blocks[s].block_type != BLOCK_EMPTY) ++used;
  w.integer(used);
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s) {
    WallBlock& b = m.wall_blocks[s];
    w.integer(b.block_type);
    switch (b.block_type) {
      case BLOCK_CAISSON:
      case BLOCK_FOOTING_CAISSON:
        write_parametric(w, b.caisson);
        break;
      case BLOCK_QUAD:
        write_quad_part(w, b.quad);
        w.zeros(kFillerZeros, 10);
        w.zeros(5, 5);
        break;
      case BLOCK_COUNTERFORT:
        write_parametric(w, b.counterfort);
        break;
      case BLOCK_LIBRARY:
        write_quad_part(w, b.library);
        w.integer(b.library.library_index);
        w.integer(b.library.mirrored);
        w.zeros(kFillerZeros, 10);
        w.zeros(3, 3);
        break;
      default:
        if (stop_at_soil_polygon && b.block_type == BLOCK_SOIL_POLYGON)
          return {std::move(w.lines), s};
        write_polygon(w, b.polygon);
        break;
    }
  }
  std::string labels;
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s) {
    if (s) labels += ',';
    labels += format_int(m.block_label_numbers[s]);
  }
  w.line(std::move(labels));
  const int entries = std::clamp<int>(m.shape_library_count, 0, SHAPE_LIBRARY_SIZE);
  w.integer(entries);
  for (int e = 0; e < entries; ++e) write_library_entry(w, m.shape_library[e]);
  return {std::move(w.lines), -1};
}

}  // namespace qvt::model
