#include "frontend/import/sibling_tj3.h"

#include "common/block_type_rule.h"
#include "common/cp932.h"
#include "common/numtext.h"
#include "common/section_limits.h"
#include "frontend/import/sibling_tokens.h"
#include "frontend/model/block_file.h"

namespace qvt::import {

namespace {

using model::BlockHead;
using model::WallBlock;

// Reads items in order and remembers the first failure: after it every read is a no-op, so a
// section reads as a plain list of its items and is checked once at its end. Each read step of
// the layout (a group) is one line of the file, as the sibling program writes one statement a
// line: the methods below each take one whole line, and group() makes one line of several
// reads. A line lost, repeated or swapped with one of another shape is so refused instead of
// moving the values after it into other fields.
class Tj3Reader {
 public:
  explicit Tj3Reader(std::vector<std::string> lines) : t_(std::move(lines)) {}
  bool ok() const { return ok_; }
  void fail() { ok_ = false; }

  // Reads of one line, in `read`, taken as one group.
  template <class Read>
  void group(Read read) {
    if (in_group_) return read();
    if (ok_ && !t_.at_line_start()) ok_ = false;
    in_group_ = true;
    first_item_ = true;
    read();
    in_group_ = false;
    if (ok_ && !t_.line_used_up()) ok_ = false;
  }

  void real(double& v) {
    group([&] {
      if (item() && !t_.real(v)) ok_ = false;
    });
  }
  void reals(double* v, int n) {
    group([&] {
      for (int k = 0; k < n && ok_; ++k)
        if (item() && !t_.real(v[k])) ok_ = false;
    });
  }
  // Levels, coordinates and lengths: within the section's extent as well.
  void lengths(double* v, int n) {
    reals(v, n);
    for (int k = 0; k < n && ok_; ++k)
      if (!section_extent_ok(v[k])) ok_ = false;
  }
  void length(double& v) { lengths(&v, 1); }
  void integer(i16& v) {
    group([&] {
      if (item() && !t_.i16(v)) ok_ = false;
    });
  }
  void integers(i16* v, int n) {
    group([&] {
      for (int k = 0; k < n && ok_; ++k)
        if (item() && !t_.i16(v[k])) ok_ = false;
    });
  }
  // A count that sizes a store: 0..max, else a read error.
  void count(i16& v, int max) {
    integer(v);
    if (ok_ && (v < 0 || v > max)) ok_ = false;
  }
  void text(std::string& v) {
    group([&] {
      if (item() && !t_.text(v)) ok_ = false;
    });
  }
  void skip_items(int n) {
    group([&] {
      std::string dropped;
      for (int k = 0; k < n && ok_; ++k)
        if (item() && !t_.text(dropped)) ok_ = false;
    });
  }
  // A text line, taken whole.
  void line(std::string& v) {
    if (ok_ && !t_.at_line_start()) ok_ = false;
    if (ok_ && !t_.line(v)) ok_ = false;
  }
  void skip_lines(int n) {
    std::string dropped;
    for (int k = 0; k < n && ok_; ++k) line(dropped);
  }
  // A name line, trimmed, as UTF-8.
  void name(std::string& v) {
    std::string raw;
    line(raw);
    if (ok_) v = cp932_to_utf8_lossy(raw);
  }
  // Whether the next line has the shape of a library pair line: three whole numbers and no more.
  // Read on a copy, so nothing is taken.
  bool next_line_is_pair() const {
    if (!ok_ || !t_.at_line_start()) return false;
    SiblingTokens probe = t_;
    i16 v = 0;
    for (int k = 0; k < 3; ++k) {
      if (!probe.i16(v)) return false;
      if (k < 2 && probe.at_line_start()) return false;  // the line ended before its third item
    }
    return probe.at_line_start();
  }
  // A text item that must be a number.
  void to_i16(const std::string& s, i16& v) {
    if (!ok_) return;
    auto n = parse_i16(trim_blanks(s));
    if (!n) return fail();
    v = *n;
  }
  void cell_i16(i16& v) {
    std::string s;
    text(s);
    to_i16(s, v);
  }
  void cell_real(double& v) {
    std::string s;
    text(s);
    if (!ok_) return;
    auto n = parse_real(trim_blanks(s));
    if (!n) return fail();
    v = *n;
  }

 private:
  // Before each item of a group: only the group's first item may start a line, so a group
  // never reads on into the next line. False once the reading has failed.
  bool item() {
    if (ok_ && !first_item_ && t_.at_line_start()) ok_ = false;
    first_item_ = false;
    return ok_;
  }
  SiblingTokens t_;
  bool ok_ = true;
  bool in_group_ = false;
  bool first_item_ = true;
};

void unit_weights(Tj3Reader& r, BlockHead& h) { r.reals(h.unit_weights, 6); }

void placement(Tj3Reader& r, BlockHead& h) {
  r.group([&] {
    for (double* v : {&h.ref_x, &h.ref_y, &h.label_x, &h.label_y, &h.mark_x, &h.mark_y})
      r.length(*v);
  });
}

void label(Tj3Reader& r, i16& number) {
  r.group([&] {
    r.skip_items(1);
    r.integer(number);
  });
}

void read_polygon(Tj3Reader& r, model::PolygonShape& p, i16& label_number, bool rectangle) {
  r.name(p.head.name);
  unit_weights(r, p.head);
  placement(r, p.head);
  double extra[2];  // nothing of this system uses them
  r.reals(extra, 2);
  label(r, label_number);
  r.length(p.head.length);
  r.integer(p.reserved);
  r.count(p.vertex_count, POLYGON_VERTICES);
  if (!r.ok()) return;
  // A rectangle gives its width and height only.
  const int pairs = rectangle ? 1 : p.vertex_count;
  for (int k = 0; k < pairs && r.ok(); ++k) {
    r.group([&] {
      r.length(p.vertex_x[k]);
      r.length(p.vertex_y[k]);
    });
  }
}

void read_caisson(Tj3Reader& r, model::CaissonShape& c, i16& label_number) {
  r.name(c.head.name);
  r.integer(c.sub_type);
  unit_weights(r, c.head);
  placement(r, c.head);
  label(r, label_number);
  for (auto& row : c.dims_a) r.lengths(row, 4);
  r.group([&] {
    r.count(c.flag_a, MAX_CAISSON_CELLS);
    r.count(c.flag_b, MAX_CAISSON_CELLS);
  });
  for (auto& row : c.dims_b) r.lengths(row, 8);
  r.skip_items(1);
  r.count(c.part_count, PART_NAMES);
  for (int p = 0; p < c.part_count && r.ok(); ++p) {
    r.name(c.part_names[p]);
    r.length(c.part_values[0][p]);
    r.skip_items(7);
    r.group([&] {
      for (int row = 1; row < 4; ++row) r.length(c.part_values[row][p]);
    });
    r.skip_items(2);
  }
  r.skip_lines(15);
}

void read_counterfort(Tj3Reader& r, model::CounterfortShape& c, i16& label_number) {
  r.name(c.head.name);
  r.integer(c.sub_type);
  unit_weights(r, c.head);
  placement(r, c.head);
  label(r, label_number);
  r.integer(c.flag_a);
  for (auto& row : c.dims_a) r.lengths(row, 4);
  for (auto& row : c.dims_b) r.lengths(row, 8);
  r.count(c.part_count, PART_NAMES);
  for (int p = 0; p < c.part_count && r.ok(); ++p) {
    r.name(c.part_names[p]);
    r.group([&] {
      for (auto& row : c.part_values) r.length(row[p]);
    });
    r.skip_items(1);
  }
}

void read_quad(Tj3Reader& r, model::QuadShape& q, i16& label_number) {
  r.name(q.head.name);
  unit_weights(r, q.head);
  placement(r, q.head);
  r.group([&] {
    r.length(q.values[0]);
    r.length(q.head.length);
  });
  r.group([&] {
    for (int k = 1; k < 4; ++k) r.length(q.values[k]);
    r.length(q.value);
  });
  label(r, label_number);
}

void read_library_entry(Tj3Reader& r, model::ShapeEntry& e, bool& centroid_by_layer) {
  r.name(e.name);
  r.name(e.name2);
  r.group([&] {
    for (int pos : model::kLibraryValueOrder) r.length(e.values[pos]);
  });
  i16 per_layer = 0;
  r.integer(per_layer);
  if (per_layer == 1) centroid_by_layer = true;
  r.count(e.layer_count, LIBRARY_LAYERS);
  for (int k = 0; k < e.layer_count && r.ok(); ++k) {
    double centroid_x = 0;  // read to stay in step; the engines weigh each layer alike
    r.group([&] {
      r.length(e.layer_a[k]);
      r.length(e.layer_b[k]);
      r.length(e.layer_c[k]);
      r.real(centroid_x);
    });
  }
  r.count(e.point_count, LIBRARY_POINTS);
  for (int k = 1; k <= e.point_count && r.ok(); ++k) {
    r.group([&] {
      r.length(e.point_x[k]);
      r.length(e.point_y[k]);
    });
  }
  r.count(e.pair_count, LIBRARY_PAIRS);
  for (int k = 1; k <= e.pair_count && r.ok(); ++k) {
    r.group([&] {
      r.count(e.pair_first[k], LIBRARY_POINTS);
      r.count(e.pair_second[k], LIBRARY_POINTS);
      r.skip_items(1);
    });
  }
  // The count must match the pair lines: one more pair line after them means a count below
  // its lines (0 among them), which would leave the pairs to be read as what follows.
  if (r.next_line_is_pair()) r.fail();
}

void read_blocks(Tj3Reader& r, model::ProjectModel& m, bool& centroid_by_layer) {
  r.skip_lines(1);
  i16 used = 0;
  r.integer(used);
  for (int s = 0; s < MAX_WALL_BLOCKS && r.ok(); ++s) {
    WallBlock& b = m.wall_blocks[s];
    i16& number = m.block_label_numbers[s];
    i16 type = 0;
    r.integer(type);
    if (!r.ok()) return;
    // A type the project has no record for cannot be kept.
    if (!known_block_type(type)) return r.fail();
    b.block_type = type;
    switch (type) {
      case model::BLOCK_POLYGON:
      case model::BLOCK_RECTANGLE:
        read_polygon(r, b.polygon, number, type == model::BLOCK_RECTANGLE);
        break;
      case model::BLOCK_CAISSON:
      case model::BLOCK_FOOTING_CAISSON:
        read_caisson(r, b.caisson, number);
        break;
      case model::BLOCK_QUAD:
        read_quad(r, b.quad, number);
        break;
      case model::BLOCK_COUNTERFORT:
        read_counterfort(r, b.counterfort, number);
        break;
      case model::BLOCK_LIBRARY:
        read_quad(r, b.library, number);
        r.group([&] {
          r.integer(b.library.mirrored);
          r.integer(b.library.library_index);
        });
        break;
      default:  // empty and improved-soil slots carry nothing more
        break;
    }
  }
  r.count(m.shape_library_count, SHAPE_LIBRARY_SIZE);
  for (int e = 0; e < m.shape_library_count && r.ok(); ++e)
    read_library_entry(r, m.shape_library[e], centroid_by_layer);
}

void read_check_points(Tj3Reader& r, Tj3Design& d) {
  r.skip_lines(1);
  r.integer(d.conditions.check_point_number);
  for (int e = 0; e < 15 && r.ok(); ++e) {
    SiblingCheckPoint& p = d.check_points[e];
    r.integer(p.number);
    if (!r.ok() || p.number < 0) continue;
    r.group([&] {
      r.length(p.x);
      r.length(p.y);
      r.length(p.z);
    });
    r.integer(p.flag);
    r.integers(p.block_flags.data(), MAX_WALL_BLOCKS);
    i16 points = 0;
    r.count(points, kTj3MaxCheckPointPoints);
    double dropped[6];
    for (int k = 0; k < points && r.ok(); ++k) r.reals(dropped, 2);
    r.reals(dropped, 1);
    for (int k = 0; k < points && r.ok(); ++k) {
      r.reals(dropped, 6);
      r.skip_items(1);
    }
    r.skip_items(1);
  }
  r.skip_lines(1);
  r.skip_items(3);
  const int n = d.conditions.check_point_number;
  for (int k = 0; k < n && r.ok(); ++k)
    for (int j = 0; j < 16 && r.ok(); ++j) r.skip_items(2);
  for (int k = 0; k < n && r.ok(); ++k) {
    r.skip_items(6);
    r.skip_items(6);
  }
}

void read_other_forces(Tj3Reader& r, Tj3Design& d) {
  for (auto& group : d.force_groups) {
    i16 count = 0;
    r.integer(count);
    if (!r.ok()) return;
    if (count < 0) return r.fail();
    for (int k = 0; k < count && r.ok(); ++k) {
      SiblingForce f;
      r.name(f.name);
      r.group([&] {
        r.real(f.vertical);
        r.real(f.horizontal);
        r.length(f.x);
        r.length(f.y);
      });
      r.skip_items(3);
      r.skip_items(5);
      r.skip_items(14);
      r.skip_items(1);
      if (r.ok()) group.push_back(std::move(f));
    }
  }
}

// Steps up to the block section: levels, study grid, top surcharges and the dynamic water rule.
void read_conditions(Tj3Reader& r, Tj3Design& d) {
  SiblingConditions& c = d.conditions;
  i16 dropped = 0;
  r.integer(dropped);
  r.skip_lines(2);  // title and comment
  r.skip_items(2);
  r.skip_items(2);
  r.skip_lines(29);
  r.group([&] {
    r.length(c.sibling_levels[1]);
    r.length(c.sibling_levels[2]);
  });
  r.group([&] {
    r.length(c.sibling_levels[0]);
    r.length(c.sibling_levels[3]);
  });
  r.skip_items(2);
  r.skip_items(2);
  // Study grid: rows L.W.L., H.W.L., two more; columns normal, seismic, two more. Only the
  // text "1" in the seismic column counts as a seismic study.
  c.seismic_studied = 0;
  for (int row = 0; row < 4 && r.ok(); ++row) {
    r.group([&] {
      for (int col = 0; col < 4 && r.ok(); ++col) {
        std::string cell;
        r.text(cell);
        if (col == 1 && trim_blanks(cell) == "1") c.seismic_studied = 1;
        if (row < 2 && col < 2) r.to_i16(cell, c.case_grid[2 * row + col]);
      }
    });
  }
  r.skip_items(1);
  r.skip_lines(1);
  r.skip_items(1);
  r.skip_lines(10);
  r.integer(d.hwl_loads_given);
  for (int range = 0; range < 5; ++range) {
    r.group([&] {
      r.length(c.top_surcharge_x_min[range]);
      r.length(c.top_surcharge_x_max[range]);
    });
    for (int row = 0; row < 4; ++row) {
      r.group([&] {
        for (int col = 0; col < 4; ++col) {
          if (row < 2 && col < 2)
            r.cell_real(c.top_surcharge_loads[2 * row + col][range]);
          else
            r.skip_items(1);
        }
      });
    }
  }
  r.skip_items(2);
  r.skip_items(2);
  i16 layout = 0;
  r.group([&] {
    r.skip_items(5);
    r.cell_i16(layout);
    r.skip_items(2);
  });
  if (layout == 1 || layout == 2) {
    for (int block = 0; block < 16 && r.ok(); ++block) {
      i16 row_col[2] = {}, other_m[2] = {};
      r.integers(row_col, 2);
      r.integers(other_m, 2);
      const int m = other_m[1];
      for (int k = 0; k < m && r.ok(); ++k) {
        if (layout == 1) {
          i16 n = 0;
          r.integer(n);
          for (int j = 0; j < n && r.ok(); ++j) r.skip_items(4);
        } else {
          r.skip_items(4);
        }
      }
    }
  }
  r.skip_items(2);
  r.integer(c.dynamic_water_rule);
  r.skip_items(2);
  r.skip_items(5);
  r.skip_items(7);
  r.skip_items(4);
  i16 n = 0;
  r.integer(n);
  for (int k = 0; k < n && r.ok(); ++k) r.skip_items(4);
  for (int k : {2, 1, 5, 4, 4, 4, 1}) r.skip_items(k);
  for (int k = 0; k < 14; ++k) r.skip_items(1);
  for (int k : {1, 4, 3, 7, 2}) r.skip_items(k);
  r.skip_lines(20);
  r.skip_items(1);
  r.skip_items(8);
}

}  // namespace

bool read_tj3(std::vector<std::string> lines, Tj3Design& out, model::ProjectModel& blocks) {
  Tj3Reader r(std::move(lines));
  Tj3Design d;
  read_conditions(r, d);
  read_blocks(r, blocks, d.centroid_by_layer);
  read_check_points(r, d);
  if (!r.ok()) return false;
  const std::string heading = utf8_to_cp932_lossy("#他外力");
  std::string l;
  do {
    r.line(l);
    if (!r.ok()) return false;
  } while (l != heading);
  read_other_forces(r, d);
  if (!r.ok()) return false;
  out = std::move(d);
  return true;
}

}  // namespace qvt::import
