#include "frontend/model/block_file.h"

#include "common/block_type_rule.h"
#include "common/cp932.h"
#include "common/items.h"
#include "common/numtext.h"
#include "common/textfile.h"
#include "frontend/model/block_outline.h"

#include <algorithm>
#include <memory>

namespace qvt::model {
namespace {

// 223 zero words fill the quad and library records up to the size of the other records.
constexpr int kFillerZeros = 223;
constexpr int kBlockNameBlanks = 16;
constexpr int kPartNameBlanks = 24;
constexpr int kLibraryDecimals = 3;

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

// ---------------------------------------------------------------------------------- reading

// The parts of the model the block file carries; a read fills a copy and commits it whole.
struct BlockStores {
  std::array<WallBlock, MAX_WALL_BLOCKS + 1> wall_blocks;
  i16 used_slot_count;
  std::array<i16, MAX_WALL_BLOCKS> block_label_numbers;
  std::array<ShapeEntry, SHAPE_LIBRARY_SIZE + 1> shape_library;
  i16 shape_library_count;
};

// Older layouts, by the version of the conditions file read with the block file.
constexpr int kFirstVersionWithFullCaissonOutline = 3;  // before: 74 points per axis
constexpr int kFirstVersionWithLabelsAndLibrary = 6;
constexpr int kOldCaissonOutlinePoints = 74;

const char* const kProblemCaissonCells = "隔室数が0～8の範囲外のケーソンは読み込めません。";
const char* const kProblemBeyondSection =
    "座標・標高・長さが ±100000 m を超えるブロックは読み込めません。";
static_assert(SECTION_EXTENT_LIMIT == 100000.0, "the text names the section's extent");

// Items in the order written; names as whole lines, so a comma in a name shifts nothing.
// Every count that indexes a store is checked against that store: a file that claims more is
// malformed, not a reason to read or later draw past the store.
// The project's own files: items end at a comma only.
class CommaItems : public BlockItemSource {
 public:
  explicit CommaItems(std::vector<std::string> lines) : r_(std::move(lines)) {}
  bool real(double& out) override { return r_.next_real(out); }
  bool i16(std::int16_t& out) override { return r_.next_i16(out); }
  bool line(std::string& out) override { return r_.next_line(out); }
  bool at_end() const override { return r_.at_end(); }
  bool at_line_start() const override { return r_.at_line_start(); }
  bool line_used_up() const override { return r_.line_used_up(); }

 private:
  ItemReader r_;
};

// Reads the file against its line layout: each method takes one line of the layout (tens and
// skip_tens: values ten a line, the last line holding what is left), and a line must hold
// exactly the items the layout gives it. A line repeated, lost or swapped with one of another
// shape is so refused instead of moving the values after it into other fields.
class BlockReader {
 public:
  explicit BlockReader(BlockItemSource& r) : r_(r) {}
  bool ok() const { return ok_; }
  const std::string& problem() const { return problem_; }
  void fail(const std::string& problem = {}) {
    if (ok_) problem_ = problem;
    ok_ = false;
  }

  // A line of one integer.
  void integer(i16& v) {
    begin_line();
    if (ok_ && !r_.i16(v)) fail();
    end_line();
  }
  void count(i16& v, int max, const std::string& problem = {}) {
    integer(v);
    if (ok_ && (v < 0 || v > max)) fail(problem);
  }
  // A line of n integers.
  void integers(i16* v, int n) {
    begin_line();
    for (int k = 0; k < n && ok_; ++k) {
      if (k > 0) within_line();
      if (ok_ && !r_.i16(v[k])) fail();
    }
    end_line();
  }
  // A line of one real / of n reals.
  void real(double& v) { reals(&v, 1); }
  void reals(double* v, int n) {
    begin_line();
    for (int k = 0; k < n && ok_; ++k) {
      if (k > 0) within_line();
      if (ok_ && !r_.real(v[k])) fail();
    }
    end_line();
  }
  void tens(double* v, int n) {
    for (int k = 0; k < n && ok_; k += 10) reals(v + k, std::min(10, n - k));
  }
  // The same for coordinates, levels and lengths: each must lie within the section's extent.
  void length(double& v) { lengths(&v, 1); }
  void lengths(double* v, int n) {
    reals(v, n);
    for (int k = 0; k < n && ok_; ++k)
      if (!section_extent_ok(v[k])) fail(kProblemBeyondSection);
  }
  void length_tens(double* v, int n) {
    for (int k = 0; k < n && ok_; k += 10) lengths(v + k, std::min(10, n - k));
  }
  // Fixed words of the layout: read and dropped, but they must be numbers. One line of n.
  void skip(int n) {
    double dropped[10];
    begin_line();
    for (int k = 0; k < n && ok_; ++k) {
      if (k > 0) within_line();
      if (ok_ && !r_.real(dropped[k % 10])) fail();
    }
    end_line();
  }
  void skip_tens(int n) {
    for (int k = 0; k < n && ok_; k += 10) skip(std::min(10, n - k));
  }
  // After the last item of the layout nothing but empty lines may follow: more would mean
  // that a line was repeated or a count is wrong, and the values read are shifted.
  void end() {
    if (ok_ && !r_.at_end()) fail();
  }
  void name(std::string& out, bool trim) {
    begin_line();
    if (!ok_) return;
    std::string line;
    if (!r_.line(line)) return fail();
    out = cp932_to_utf8_lossy(line);
    if (trim) out = trimmed(out);
  }

 private:
  void begin_line() {
    if (ok_ && !r_.at_line_start()) fail();  // the line before held more than its items
  }
  void within_line() {
    if (ok_ && r_.line_used_up()) fail();  // the line ended before its last item
  }
  void end_line() {
    if (ok_ && !r_.line_used_up()) fail();  // the line holds more than its items
  }
  BlockItemSource& r_;
  bool ok_ = true;
  std::string problem_;
};

void read_head(BlockReader& r, BlockHead& h) {
  r.name(h.name, true);
  r.length(h.ref_x);
  r.length(h.ref_y);
  r.length(h.length);
  r.reals(h.unit_weights, 6);
  double label[2] = {h.label_x, h.label_y}, mark[2] = {h.mark_x, h.mark_y};
  r.lengths(label, 2);
  r.lengths(mark, 2);
  if (!r.ok()) return;
  h.label_x = label[0];
  h.label_y = label[1];
  h.mark_x = mark[0];
  h.mark_y = mark[1];
}

// `points_in_file`: outline points per axis in this file's layout (the store may hold more).
template <int N>
void read_parametric(BlockReader& r, ParametricShape<N>& s, int points_in_file,
                     bool counts_cells) {
  r.integer(s.sub_type);
  r.skip(1);
  read_head(r, s.head);
  if (counts_cells) {
    // A caisson's cell widths and lengths are kept for eight cells a row.
    r.count(s.flag_a, MAX_CAISSON_CELLS, kProblemCaissonCells);
    r.count(s.flag_b, MAX_CAISSON_CELLS, kProblemCaissonCells);
  } else {
    r.integer(s.flag_a);
    r.integer(s.flag_b);
  }
  for (auto& row : s.dims_a) r.lengths(row, 4);
  for (auto& row : s.dims_b) r.lengths(row, 8);
  r.count(s.part_count, PART_NAMES);
  for (int k = 0; k < PART_NAMES; ++k) r.name(s.part_names[k], true);
  for (auto& row : s.part_values) r.lengths(row, 8);
  r.count(s.outline_count, N);
  r.length_tens(s.outline_x.data(), points_in_file);
  r.length_tens(s.outline_y.data(), points_in_file);
  r.count(s.tail, N);
}

void read_quad_part(BlockReader& r, QuadShape& q) {
  r.skip(1);
  r.skip(1);
  read_head(r, q.head);
  for (double& v : q.values) r.length(v);
  r.lengths(q.corner_x, 4);
  r.lengths(q.corner_y, 4);
  r.length(q.value);
}

void read_polygon(BlockReader& r, PolygonShape& p) {
  r.skip(1);
  r.skip(1);
  read_head(r, p.head);
  r.count(p.vertex_count, POLYGON_VERTICES);
  r.integer(p.reserved);
  r.length_tens(p.vertex_x.data(), POLYGON_VERTICES);
  r.length_tens(p.vertex_y.data(), POLYGON_VERTICES);
  r.skip(3);
}

void read_slot(BlockReader& r, WallBlock& b, int file_version) {
  r.integer(b.block_type);
  if (!r.ok()) return;
  // A type without a record layout would take every later slot from the wrong lines.
  if (!known_block_type(b.block_type)) return r.fail();
  switch (b.block_type) {
    case BLOCK_CAISSON:
    case BLOCK_FOOTING_CAISSON:
      read_parametric(r, b.caisson,
                      file_version < kFirstVersionWithFullCaissonOutline ? kOldCaissonOutlinePoints
                                                                         : CAISSON_OUTLINE_POINTS,
                      true);
      break;
    case BLOCK_QUAD:
      read_quad_part(r, b.quad);
      r.skip_tens(kFillerZeros);
      r.skip(5);
      break;
    case BLOCK_COUNTERFORT:
      read_parametric(r, b.counterfort, COUNTERFORT_OUTLINE_POINTS, false);
      break;
    case BLOCK_LIBRARY:
      read_quad_part(r, b.library);
      r.integer(b.library.library_index);
      r.integer(b.library.mirrored);
      r.skip_tens(kFillerZeros);
      r.skip(3);
      break;
    default:
      // A free slot starts its caisson section afresh, as a new project has it.
      if (b.block_type == BLOCK_EMPTY) reset_caisson_section(b.caisson);
      read_polygon(r, b.polygon);
      break;
  }
}

void read_library_entry(BlockReader& r, ShapeEntry& e) {
  r.name(e.name, false);
  r.name(e.name2, false);
  double values[6];
  r.lengths(values, 6);
  if (!r.ok()) return;
  for (int k = 0; k < 6; ++k) e.values[kLibraryValueOrder[k]] = values[k];
  r.count(e.layer_count, LIBRARY_LAYERS);
  for (int k = 0; k < e.layer_count && r.ok(); ++k) {
    double abc[3];
    r.lengths(abc, 3);
    if (!r.ok()) return;
    e.layer_a[k] = abc[0];
    e.layer_b[k] = abc[1];
    e.layer_c[k] = abc[2];
  }
  r.count(e.point_count, LIBRARY_POINTS);
  for (int k = 1; k <= e.point_count && r.ok(); ++k) {
    double xy[2];
    r.lengths(xy, 2);
    if (!r.ok()) return;
    e.point_x[k] = xy[0];
    e.point_y[k] = xy[1];
  }
  r.count(e.pair_count, LIBRARY_PAIRS);
  for (int k = 1; k <= e.pair_count && r.ok(); ++k) {
    i16 ij[2];
    r.integers(ij, 2);
    if (!r.ok()) return;
    if (ij[0] < 0 || ij[0] > LIBRARY_POINTS || ij[1] < 0 || ij[1] > LIBRARY_POINTS) return r.fail();
    e.pair_first[k] = ij[0];
    e.pair_second[k] = ij[1];
  }
}

void read_blocks(BlockReader& r, BlockStores& st, int file_version) {
  r.skip(1);
  r.count(st.used_slot_count, MAX_WALL_BLOCKS);
  for (int s = 0; s < MAX_WALL_BLOCKS && r.ok(); ++s) read_slot(r, st.wall_blocks[s], file_version);
  if (!r.ok()) return;
  if (file_version >= kFirstVersionWithLabelsAndLibrary) {
    r.integers(st.block_label_numbers.data(), MAX_WALL_BLOCKS);
    r.count(st.shape_library_count, SHAPE_LIBRARY_SIZE);
    for (int e = 0; e < st.shape_library_count && r.ok(); ++e)
      read_library_entry(r, st.shape_library[e]);
  } else {
    // Older files number the used slots in slot order; the library in memory stays.
    i16 next = 0;
    for (int s = 0; s < MAX_WALL_BLOCKS; ++s)
      if (st.wall_blocks[s].block_type >= 0) st.block_label_numbers[s] = next++;
  }
  r.end();
  if (!r.ok()) return;
  // A library block must name an entry of the library it is read with.
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s) {
    const WallBlock& b = st.wall_blocks[s];
    if (b.block_type == BLOCK_LIBRARY &&
        (b.library.library_index < 0 || b.library.library_index >= st.shape_library_count))
      return r.fail();
  }
}

// The sibling program's block file: the same sections, its own gates and placement. Empty file
// slots fill the slots from 19 down, the others from 0 up, so the used blocks stand together.
constexpr int kSiblingFullCaissonOutline = 2130;
constexpr int kSiblingLabelsAndLibrary = 2200;

void read_sibling_blocks(BlockReader& r, BlockStores& st, int version, std::array<bool, MAX_WALL_BLOCKS>& outline_due) {
  r.skip(1);
  r.count(st.used_slot_count, MAX_WALL_BLOCKS);
  int next_used = 0, next_empty = MAX_WALL_BLOCKS - 1;
  std::array<bool, MAX_WALL_BLOCKS> file_slot_used{};
  for (int f = 0; f < MAX_WALL_BLOCKS && r.ok(); ++f) {
    i16 type = 0;
    r.integer(type);
    if (!r.ok()) return;
    // A type this layout has no section for would shift every later item.
    if (!known_block_type(type)) return r.fail();
    const int s = (type == BLOCK_EMPTY) ? next_empty-- : next_used++;
    file_slot_used[f] = type != BLOCK_EMPTY;
    WallBlock& b = st.wall_blocks[s];
    b.block_type = type;
    switch (type) {
      case BLOCK_CAISSON:
      case BLOCK_FOOTING_CAISSON:
        read_parametric(r, b.caisson,
                        version < kSiblingFullCaissonOutline ? kOldCaissonOutlinePoints
                                                             : CAISSON_OUTLINE_POINTS,
                        true);
        outline_due[s] = true;
        break;
      case BLOCK_QUAD:
        read_quad_part(r, b.quad);
        r.skip_tens(kFillerZeros);
        r.skip(5);
        break;
      case BLOCK_COUNTERFORT:
        read_parametric(r, b.counterfort, COUNTERFORT_OUTLINE_POINTS, false);
        outline_due[s] = true;
        break;
      case BLOCK_LIBRARY:
        read_quad_part(r, b.library);
        r.integer(b.library.library_index);
        r.integer(b.library.mirrored);
        r.skip_tens(kFillerZeros);
        r.skip(3);
        break;
      default:
        if (type == BLOCK_EMPTY) {
          b.caisson.sub_type = 1;
          for (auto& row : b.caisson.part_values)
            for (double& v : row) v = UNSET_COORD;
        }
        read_polygon(r, b.polygon);
        break;
    }
  }
  if (!r.ok()) return;
  if (version >= kSiblingLabelsAndLibrary) {
    int next = 0;
    std::array<i16, MAX_WALL_BLOCKS> labels{};
    r.integers(labels.data(), MAX_WALL_BLOCKS);
    for (int f = 0; f < MAX_WALL_BLOCKS && r.ok(); ++f)
      if (file_slot_used[f]) st.block_label_numbers[next++] = labels[f];
    r.count(st.shape_library_count, SHAPE_LIBRARY_SIZE);
    for (int e = 0; e < st.shape_library_count && r.ok(); ++e)
      read_library_entry(r, st.shape_library[e]);
  } else {
    i16 next = 0;
    for (int s = 0; s < MAX_WALL_BLOCKS; ++s)
      if (st.wall_blocks[s].block_type >= 0) st.block_label_numbers[s] = next++;
  }
  if (!r.ok()) return;
  if (!fit_library_blocks(st.wall_blocks, st.shape_library, st.shape_library_count)) r.fail();
}

}  // namespace

bool fit_library_blocks(std::array<WallBlock, MAX_WALL_BLOCKS + 1>& blocks,
                        const std::array<ShapeEntry, SHAPE_LIBRARY_SIZE + 1>& library,
                        int library_count) {
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s) {
    WallBlock& b = blocks[s];
    if (b.block_type != BLOCK_LIBRARY) continue;
    if (b.library.library_index < 0 || b.library.library_index >= library_count) return false;
    // The picture mirrors a library block about the block's own width, the engines about the
    // entry's: one width for both, so the block is weighed where it is drawn.
    b.library.values[1] = library[b.library.library_index].values[0];
  }
  return true;
}

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

bool read_block_file(const std::filesystem::path& file, int file_version, ProjectModel& m,
                     std::string* problem) {
  if (problem) problem->clear();
  auto lines = read_lines(file);
  if (!lines) return false;
  return read_block_lines(std::move(*lines), file_version, m, problem);
}

bool block_lines_readable(const std::vector<std::string>& lines, int file_version,
                          std::string* problem) {
  if (problem) problem->clear();
  CommaItems items(lines);
  auto st = std::make_unique<BlockStores>();
  BlockReader r(items);
  read_blocks(r, *st, file_version);
  if (!r.ok() && problem) *problem = r.problem();
  return r.ok();
}

bool read_block_lines(std::vector<std::string> lines, int file_version, ProjectModel& m,
                      std::string* problem) {
  if (problem) problem->clear();
  CommaItems items(std::move(lines));
  auto st = std::make_unique<BlockStores>();  // on the heap: the stores are large
  st->wall_blocks = m.wall_blocks;
  st->used_slot_count = m.used_slot_count;
  st->block_label_numbers = m.block_label_numbers;
  st->shape_library = m.shape_library;
  st->shape_library_count = m.shape_library_count;
  BlockReader r(items);
  read_blocks(r, *st, file_version);
  if (!r.ok()) {
    if (problem) *problem = r.problem();
    return false;
  }
  m.wall_blocks = std::move(st->wall_blocks);
  m.used_slot_count = st->used_slot_count;
  m.block_label_numbers = st->block_label_numbers;
  m.shape_library = std::move(st->shape_library);
  m.shape_library_count = st->shape_library_count;
  return true;
}

bool read_sibling_block_items(BlockItemSource& items, int sibling_version, ProjectModel& m,
                              MessageSink& messages) {
  auto st = std::make_unique<BlockStores>();
  st->wall_blocks = m.wall_blocks;
  st->used_slot_count = m.used_slot_count;
  st->block_label_numbers = m.block_label_numbers;
  st->shape_library = m.shape_library;
  st->shape_library_count = m.shape_library_count;
  BlockReader r(items);
  std::array<bool, MAX_WALL_BLOCKS> outline_due{};
  read_sibling_blocks(r, *st, sibling_version, outline_due);
  if (!r.ok()) return false;
  m.wall_blocks = std::move(st->wall_blocks);
  m.used_slot_count = st->used_slot_count;
  m.block_label_numbers = st->block_label_numbers;
  m.shape_library = std::move(st->shape_library);
  m.shape_library_count = st->shape_library_count;
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s)
    if (outline_due[s]) build_block_outline(m, s, messages);
  return true;
}

}  // namespace qvt::model
