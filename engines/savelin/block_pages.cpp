#include "common/cp932.h"
#include "engines/savelin/savelin.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

namespace qvt::savelin {
namespace {

using engine::ConditionData;
using engine::PrintFile;
using engine::WallBlock;

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* fmt, ...) {
  std::va_list args;
  va_start(args, fmt);
  std::string text = engine::format_text_v(fmt, args);
  va_end(args);
  if (text.size() > 159) text.resize(159);  // as much as the line buffer holds
  return text;
}

// A count of the block file bounded to what its array holds: a negative count lists nothing,
// a count past the array stops at its end.
int bounded(int count, int capacity) { return std::clamp(count, 0, capacity); }

std::string cp932(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

// Writes the first records of a group: the template on a new page for the first group, else
// the keep record and the template placed below the previous one; then the label letter and
// the block name.
void open_group(PrintFile& f, bool first, int keep, const char* template_name, const WallBlock& b,
                char letter) {
  if (first) {
    f.page_record(template_name);
  } else {
    f.keep_record(keep, 2);
    f.block_record(template_name);
  }
  f.field_record(0, std::string(1, letter) + cp932("ブロック"));
  f.field_record(1, cp932("《") + std::string(b.head.name.view()) + cp932("》"));
}

void f73(PrintFile& f, int field, double v) { f.field_record(field, format("%7.3f", v)); }
void f83(PrintFile& f, int field, double v) { f.field_record(field, format("%8.3f", v)); }
void f63(PrintFile& f, int field, double v) { f.field_record(field, format("%6.3f", v)); }

// A caisson dimension: hyphens where it is not given (below 0.0001).
void dimension(PrintFile& f, int field, double v) {
  if (v >= 0.0001)
    f63(f, field, v);
  else
    f.field_record(field, "------");
}

template <class Shape>
void parts_list(PrintFile& f, const Shape& s, const char* heading) {
  const int parts = bounded(s.part_count, engine::PART_NAMES);
  if (parts == 0) return;
  f.block_record(heading);
  for (int k = 0; k < parts; ++k) {
    f.block_record("QVT_BKS4.PFM");
    f63(f, 0, s.part_values[0][k]);
    f.field_record(1, format("%-16s", s.part_names[k].c_str()));
    f63(f, 2, s.part_values[1][k]);
    f63(f, 3, s.part_values[2][k]);
    f63(f, 4, s.part_values[3][k]);
  }
}

void polygon_group(PrintFile& f, const WallBlock& b, bool first, char letter) {
  const auto& p = b.polygon;
  const int n = bounded(p.vertex_count, engine::POLYGON_VERTICES);
  open_group(f, first, (n + 2) / 3 + 5, "QVT_BKN0.PFM", b, letter);
  f73(f, 2, b.head.unit_weights[2]);
  f73(f, 3, b.head.unit_weights[0]);
  f73(f, 4, b.head.unit_weights[1]);
  f83(f, 5, b.head.ref_x);
  f83(f, 6, b.head.ref_y);
  for (int k = 0; k < n; k += 3) {
    f.block_record("QVT_BKN1.PFM");
    for (int j = 0; j < 3; ++j) {
      const int field = j * 3;
      if (k + j < n) {
        f.field_record(field, format("%2d", k + j + 1));
        f83(f, field + 1, p.vertex_x[k + j]);
        f83(f, field + 2, p.vertex_y[k + j]);
      } else {
        f.field_record(field, "--");
        f.field_record(field + 1, "--------");
        f.field_record(field + 2, "--------");
      }
    }
  }
}

void rectangle_group(PrintFile& f, const WallBlock& b) {
  f83(f, 2, b.polygon.vertex_x[0]);
  f83(f, 3, b.polygon.vertex_y[0]);
  f73(f, 4, b.head.unit_weights[2]);
  f73(f, 5, b.head.unit_weights[0]);
  f73(f, 6, b.head.unit_weights[1]);
  f83(f, 7, b.head.ref_x);
  f83(f, 8, b.head.ref_y);
}

void quad_group(PrintFile& f, const WallBlock& b) {
  const auto& q = b.quad;
  f.field_record(2, format("%9.3f", q.values[0]));
  f83(f, 3, b.head.length);
  f83(f, 4, q.values[1]);
  f83(f, 5, q.values[2]);
  f83(f, 6, q.values[3]);
  f.field_record(7, format("%4.2f", q.value));
  f83(f, 8, b.head.mark_x);
  f83(f, 9, b.head.mark_y);
  f83(f, 10, b.head.unit_weights[0]);
  f83(f, 11, b.head.unit_weights[1]);
  f83(f, 12, b.head.ref_x);
  f83(f, 13, b.head.ref_y);
}

void library_group(PrintFile& f, const WallBlock& b) {
  const auto& l = b.library;
  f83(f, 3, b.head.length);
  f83(f, 4, l.values[1]);
  f83(f, 5, l.values[2]);
  f83(f, 6, l.values[3]);
  f83(f, 8, b.head.mark_x - b.head.ref_x);
  f83(f, 9, b.head.mark_y - b.head.ref_y);
  f83(f, 10, b.head.unit_weights[0]);
  f83(f, 12, b.head.ref_x);
  f83(f, 13, b.head.ref_y);
  f.field_record(14, cp932(l.mirrored == 0 ? "左向き" : "右向き"));
}

void counterfort_group(PrintFile& f, const WallBlock& b) {
  const auto& c = b.counterfort;
  const char* kind = b.sub_type == 1   ? "フーチング水平"
                     : b.sub_type == 2 ? "フーチング台形"
                                       : "前 壁 傾 斜   ";
  f.field_record(2, cp932(kind));
  f73(f, 3, b.head.ref_x);
  f73(f, 4, b.head.ref_y);
  f73(f, 5, b.head.unit_weights[0]);
  f73(f, 6, b.head.unit_weights[1]);
  const double a[] = {c.dims_a[1][0], c.dims_a[0][0], c.dims_a[2][0],
                      c.dims_a[1][1], c.dims_a[0][1], c.dims_a[2][1],
                      c.dims_a[1][2], c.dims_a[0][2], c.dims_a[3][0],
                      c.dims_a[1][3], c.dims_a[0][3], c.dims_a[3][1]};
  const int fields = b.sub_type == 3 ? 9 : 12;
  for (int i = 0; i < fields; ++i) f63(f, 7 + i, a[i]);
  parts_list(f, c, "QVT_BKL2.PFM");
}

void caisson_group(PrintFile& f, const WallBlock& b) {
  const auto& c = b.caisson;
  const char* kind = b.sub_type == 1   ? "水平形状、両側"
                     : b.sub_type == 2 ? "台形形状、両側"
                     : b.sub_type == 3 ? "水平形状、片側"
                     : b.sub_type == 4 ? "台形形状、片側"
                                       : "フーチングなし";
  f.field_record(2, cp932(kind));
  f73(f, 3, b.head.unit_weights[0]);
  f73(f, 4, b.head.unit_weights[1]);
  const double a[] = {c.dims_a[1][0], c.dims_a[1][2], c.dims_a[1][3], c.dims_a[2][0],
                      c.dims_a[2][1], c.dims_a[2][2], c.dims_a[0][0], c.dims_a[0][1],
                      c.dims_a[1][1], c.dims_a[0][2], c.dims_a[3][2]};
  for (int i = 0; i < 11; ++i) dimension(f, 5 + i, a[i]);
  f.field_record(16, format("%3d", c.flag_a));
  f.field_record(17, format("%3d", c.flag_b));
  f63(f, 18, c.dims_b[0][0]);
  f63(f, 19, c.dims_b[1][0]);
  f83(f, 20, b.head.ref_x);
  f83(f, 21, b.head.ref_y);
  const int na = bounded(c.flag_a, 8), nb = bounded(c.flag_b, 8);
  for (int k = 1; k < std::max(na, nb); ++k) {
    f.block_record("QVT_BKS1.PFM");
    if (k < na)
      f63(f, 0, c.dims_b[0][k]);
    else
      f.field_record(0, "------");
    if (k < nb)
      f63(f, 1, c.dims_b[1][k]);
    else
      f.field_record(1, "------");
  }
  f.block_record("QVT_BKS2.PFM");
  f63(f, 0, c.dims_a[3][0]);
  parts_list(f, c, "QVT_BKS3.PFM");
}

void write_group(PrintFile& f, const WallBlock& b, bool first, char letter) {
  switch (b.block_type) {
    case engine::BLOCK_POLYGON:
    case engine::BLOCK_SOIL_POLYGON:
      polygon_group(f, b, first, letter);
      return;
    case engine::BLOCK_RECTANGLE:
    case engine::BLOCK_SOIL_RECTANGLE:
      open_group(f, first, 5, "QVT_BKK.PFM", b, letter);
      rectangle_group(f, b);
      return;
    case engine::BLOCK_QUAD:
      open_group(f, first, 8, "QVT_BKH.PFM", b, letter);
      quad_group(f, b);
      return;
    case engine::BLOCK_LIBRARY:
      open_group(f, first, 7, "QVT_BKSK.PFM", b, letter);
      library_group(f, b);
      return;
    case engine::BLOCK_COUNTERFORT: {
      const int parts = bounded(b.counterfort.part_count, engine::PART_NAMES);
      if (b.sub_type == 3)
        open_group(f, first, parts + 11, "QVT_BKL1.PFM", b, letter);
      else
        open_group(f, first, parts + 12, "QVT_BKL0.PFM", b, letter);
      counterfort_group(f, b);
      return;
    }
    default: {
      const auto& c = b.caisson;
      const int keep = std::max(bounded(c.flag_a, 8), bounded(c.flag_b, 8)) +
                       bounded(c.part_count, engine::PART_NAMES) + 13;
      open_group(f, first, keep, "QVT_BKS0.PFM", b, letter);
      caisson_group(f, b);
      return;
    }
  }
}

}  // namespace

void write_block_pages(const ConditionData& d, PrintFile& f) {
  bool first = true;
  for (int n = 0; n < engine::MAX_WALL_BLOCKS; ++n) {
    for (int j = 0; j < engine::MAX_WALL_BLOCKS; ++j) {
      const WallBlock& b = d.wall_blocks[j];
      if (b.block_type < 0 || d.block_label_numbers[j] != n) continue;
      write_group(f, b, first, static_cast<char>('A' + n));
      first = false;
    }
  }
}

void write_block_conditions(const ConditionData& d) {
  PrintFile f;
  engine::open_or_stop(f, kBlockConditionsReport);
  f.title_line(utf8_to_cp932_lossy("ブロック諸条件"));
  engine::write_report_header(f, engine::stamp_of(d), d.project_title.view());
  write_block_pages(d, f);
  f.end_record();
  engine::close_or_stop(f);
}

}  // namespace qvt::savelin
