#include "frontend/model/block_file.h"

#include "common/cp932.h"
#include "common/numtext.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/model/tests/block_fixtures.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

namespace qvt::model {
namespace {

using namespace qvt::model::testing;

constexpr int kText = 0;  // a text line in a shape: its items are not counted

// The items per line of each kind of record, written out from the layout so that a line too
// many, too few or in the wrong place shows up.
std::vector<int> head_shape() { return {kText, 1, 1, 1, 6, 2, 2}; }
void append(std::vector<int>& to, std::vector<int> more) {
  to.insert(to.end(), more.begin(), more.end());
}
void append_tens(std::vector<int>& to, int values) {
  for (int k = 0; k < values; k += 10) to.push_back(std::min(10, values - k));
}

std::vector<int> record_shape(int type) {
  std::vector<int> s = {1, 1, 1};
  append(s, head_shape());
  switch (type) {
    case BLOCK_CAISSON:
    case BLOCK_FOOTING_CAISSON:
    case BLOCK_COUNTERFORT: {
      const int points = type == BLOCK_COUNTERFORT ? 74 : 148;
      append(s, {1, 1, 4, 4, 4, 4, 8, 8, 1});
      for (int k = 0; k < 8; ++k) s.push_back(kText);
      append(s, {8, 8, 8, 8, 1});
      append_tens(s, points);
      append_tens(s, points);
      s.push_back(1);
      break;
    }
    case BLOCK_QUAD:
    case BLOCK_LIBRARY:
      append(s, {1, 1, 1, 1, 4, 4, 1});
      if (type == BLOCK_LIBRARY) append(s, {1, 1});
      append_tens(s, 223);
      s.push_back(type == BLOCK_LIBRARY ? 3 : 5);
      break;
    default:
      append(s, {1, 1});
      append_tens(s, 118);
      append_tens(s, 118);
      s.push_back(3);
      break;
  }
  return s;
}

std::vector<int> file_shape(const ProjectModel& m) {
  std::vector<int> s = {1, 1};
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot)
    append(s, record_shape(m.wall_blocks[slot].block_type));
  append(s, {20, 1});
  for (int e = 0; e < m.shape_library_count; ++e) {
    const ShapeEntry& entry = m.shape_library[e];
    append(s, {kText, kText, 6, 1});
    s.insert(s.end(), entry.layer_count, 3);
    s.push_back(1);
    s.insert(s.end(), entry.point_count, 2);
    s.push_back(1);
    s.insert(s.end(), entry.pair_count, 2);
  }
  return s;
}

// Index of the type line of a slot's record.
int record_start(const ProjectModel& m, int slot) {
  int line = 2;
  for (int s = 0; s < slot; ++s)
    line += static_cast<int>(record_shape(m.wall_blocks[s].block_type).size());
  return line;
}

std::string reals(std::initializer_list<double> values) {
  std::string s;
  for (double v : values) s += (s.empty() ? "" : ",") + format_real(v);
  return s;
}

TEST(BlockFileLayout, RecordsHaveTheirLineCountsAndItemsPerLine) {
  EXPECT_EQ(record_shape(BLOCK_EMPTY).size(), 37u);
  EXPECT_EQ(record_shape(BLOCK_CAISSON).size(), 63u);
  EXPECT_EQ(record_shape(BLOCK_COUNTERFORT).size(), 49u);
  EXPECT_EQ(record_shape(BLOCK_QUAD).size(), 41u);
  EXPECT_EQ(record_shape(BLOCK_LIBRARY).size(), 43u);

  auto m = new_project();
  fill_every_block_type(*m);
  const std::vector<std::string> lines = block_file_lines(*m).lines;
  const std::vector<int> shape = file_shape(*m);
  ASSERT_EQ(lines.size(), shape.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (shape[i] == kText) continue;
    EXPECT_EQ(static_cast<int>(split_items(lines[i]).size()), shape[i]) << "line " << i + 1;
  }
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot)
    EXPECT_EQ(lines[record_start(*m, slot)], format_int(m->wall_blocks[slot].block_type));
}

TEST(BlockFileLayout, FieldsAreWrittenOnTheirLines) {
  auto m = new_project();
  fill_every_block_type(*m);
  const std::vector<std::string> lines = block_file_lines(*m).lines;
  EXPECT_EQ(lines[0], "0");
  EXPECT_EQ(lines[1], "10");  // types 0 to 8 and the unnamed one

  {  // caisson: its own recipe on line 2, then 0
    SCOPED_TRACE("caisson");
    const int r = record_start(*m, kSlotFootingCaisson);
    const CaissonShape& c = m->wall_blocks[kSlotFootingCaisson].caisson;
    EXPECT_EQ(lines[r + 1], format_int(c.sub_type));
    EXPECT_EQ(lines[r + 2], "0");
    EXPECT_EQ(lines[r + 3], *utf8_to_cp932("ﾌｰﾁﾝｸﾞ付"));
    EXPECT_EQ(lines[r + 4], reals({c.head.ref_x}));
    EXPECT_EQ(lines[r + 6], reals({c.head.length}));
    EXPECT_EQ(lines[r + 7], reals({c.head.unit_weights[0], c.head.unit_weights[1],
                                   c.head.unit_weights[2], c.head.unit_weights[3],
                                   c.head.unit_weights[4], c.head.unit_weights[5]}));
    EXPECT_EQ(lines[r + 8], reals({c.head.label_x, c.head.label_y}));
    EXPECT_EQ(lines[r + 9], reals({c.head.mark_x, c.head.mark_y}));
    EXPECT_EQ(lines[r + 10], "3");  // flag_a
    EXPECT_EQ(lines[r + 11], "8");  // flag_b
    EXPECT_EQ(lines[r + 13],
              reals({c.dims_a[1][0], c.dims_a[1][1], c.dims_a[1][2], c.dims_a[1][3]}));
    EXPECT_EQ(lines[r + 17],
              reals({c.dims_b[1][0], c.dims_b[1][1], c.dims_b[1][2], c.dims_b[1][3],
                     c.dims_b[1][4], c.dims_b[1][5], c.dims_b[1][6], c.dims_b[1][7]}));
    EXPECT_EQ(lines[r + 18], "2");  // part_count
    EXPECT_EQ(lines[r + 20], *utf8_to_cp932("蓋, コンクリート"));
    EXPECT_EQ(lines[r + 26], std::string(24, ' '));  // part name 7, empty
    EXPECT_EQ(split_items(lines[r + 30])[7], format_real(c.part_values[3][7]));
    EXPECT_EQ(lines[r + 31], "12");  // outline_count
    EXPECT_EQ(split_items(lines[r + 32])[0], format_real(c.outline_x[0]));
    EXPECT_EQ(split_items(lines[r + 46])[7], format_real(c.outline_x[147]));
    EXPECT_EQ(split_items(lines[r + 47])[0], format_real(c.outline_y[0]));
    EXPECT_EQ(split_items(lines[r + 61])[7], format_real(c.outline_y[147]));
    EXPECT_EQ(lines[r + 62], "145");  // tail
  }
  {
    SCOPED_TRACE("counterfort");
    const int r = record_start(*m, kSlotCounterfort);
    const CounterfortShape& c = m->wall_blocks[kSlotCounterfort].counterfort;
    EXPECT_EQ(lines[r + 1], format_int(c.sub_type));
    EXPECT_EQ(lines[r + 3], *utf8_to_cp932("扶壁"));
    EXPECT_EQ(split_items(lines[r + 39])[3], format_real(c.outline_x[73]));
    EXPECT_EQ(split_items(lines[r + 40])[0], format_real(c.outline_y[0]));
    EXPECT_EQ(split_items(lines[r + 47])[3], format_real(c.outline_y[73]));
    EXPECT_EQ(lines[r + 48], "71");
  }
  {
    SCOPED_TRACE("quad");
    const int r = record_start(*m, kSlotQuad);
    const QuadShape& q = m->wall_blocks[kSlotQuad].quad;
    EXPECT_EQ(lines[r + 1], "0");
    EXPECT_EQ(lines[r + 2], "0");
    EXPECT_EQ(lines[r + 10], reals({q.values[0]}));
    EXPECT_EQ(lines[r + 13], reals({q.values[3]}));
    EXPECT_EQ(lines[r + 14], reals({q.corner_x[0], q.corner_x[1], q.corner_x[2], q.corner_x[3]}));
    EXPECT_EQ(lines[r + 15], reals({q.corner_y[0], q.corner_y[1], q.corner_y[2], q.corner_y[3]}));
    EXPECT_EQ(lines[r + 16], reals({q.value}));
    EXPECT_EQ(lines[r + 17], "0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(lines[r + 39], "0,0,0");
    EXPECT_EQ(lines[r + 40], "0,0,0,0,0");
  }
  {
    SCOPED_TRACE("library");
    const int r = record_start(*m, kSlotLibrary);
    const LibraryShape& l = m->wall_blocks[kSlotLibrary].library;
    EXPECT_EQ(lines[r + 16], reals({l.value}));
    EXPECT_EQ(lines[r + 17], "1");   // library_index
    EXPECT_EQ(lines[r + 18], "-1");  // mirrored
    EXPECT_EQ(lines[r + 19], "0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(lines[r + 41], "0,0,0");
    EXPECT_EQ(lines[r + 42], "0,0,0");
  }
  {
    SCOPED_TRACE("polygon");
    const int r = record_start(*m, kSlotSoilPolygon);
    const PolygonShape& p = m->wall_blocks[kSlotSoilPolygon].polygon;
    EXPECT_EQ(lines[r], "6");
    EXPECT_EQ(lines[r + 1], "0");
    EXPECT_EQ(lines[r + 2], "0");
    EXPECT_EQ(lines[r + 10], "7");  // vertex_count
    EXPECT_EQ(lines[r + 11], "3");  // reserved
    EXPECT_EQ(split_items(lines[r + 12])[0], format_real(p.vertex_x[0]));
    EXPECT_EQ(split_items(lines[r + 23])[7], format_real(p.vertex_x[117]));
    EXPECT_EQ(split_items(lines[r + 35])[7], format_real(p.vertex_y[117]));
    EXPECT_EQ(lines[r + 36], "0,0,0");
    // An unnamed type takes the same layout; its empty name is 16 blanks.
    const int u = record_start(*m, kSlotUnnamedType);
    EXPECT_EQ(lines[u], "9");
    EXPECT_EQ(lines[u + 3], std::string(16, ' '));
  }
  {
    SCOPED_TRACE("labels and library");
    const int r = record_start(*m, MAX_WALL_BLOCKS);
    EXPECT_EQ(lines[r], "0,7,14,1,8,15,2,9,16,3,10,17,4,11,18,5,12,19,6,13");
    EXPECT_EQ(lines[r + 1], "2");
    const ShapeEntry& e = m->shape_library[0];
    EXPECT_EQ(lines[r + 2], *utf8_to_cp932("L型, 標準"));
    EXPECT_EQ(lines[r + 3], "  padded  ");  // library names are written as stored
    // Values in the order 0, 2, 1, 5, 3, 4, three decimals each.
    std::string values;
    for (int pos : {0, 2, 1, 5, 3, 4})
      values += (values.empty() ? "" : ",") + format_fixed(e.values[pos], 3);
    EXPECT_EQ(lines[r + 4], values);
    EXPECT_EQ(lines[r + 5], "3");
    EXPECT_EQ(lines[r + 6], format_fixed(e.layer_a[0], 3) + "," + format_fixed(e.layer_b[0], 3) +
                                "," + format_fixed(e.layer_c[0], 3));
    EXPECT_EQ(lines[r + 9], "4");
    // Points and pairs are numbered from 1.
    EXPECT_EQ(lines[r + 10], format_fixed(e.point_x[1], 3) + "," + format_fixed(e.point_y[1], 3));
    EXPECT_EQ(lines[r + 14], "2");
    EXPECT_EQ(lines[r + 15], "1,2");
    EXPECT_EQ(lines[r + 16], "2,3");
    EXPECT_EQ(lines[r + 17], "");  // entry 1: empty names give empty lines
    EXPECT_EQ(lines[r + 18], "");
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(r + 24));
  }
}

TEST(BlockFileLayout, NewProjectFileHas744Lines) {
  auto m = new_project();
  const std::vector<std::string> lines = block_file_lines(*m).lines;
  ASSERT_EQ(lines.size(), 744u);  // 2 + 20 * 37 + 2
  EXPECT_EQ(lines[0], "0");
  EXPECT_EQ(lines[1], "0");
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    const int r = 2 + 37 * slot;
    EXPECT_EQ(lines[r], "-1");
    EXPECT_EQ(lines[r + 3], std::string(16, ' '));
    EXPECT_EQ(lines[r + 12], "9999,9999,9999,9999,9999,9999,9999,9999,9999,9999");
    EXPECT_EQ(lines[r + 35], "9999,9999,9999,9999,9999,9999,9999,9999");
  }
  EXPECT_EQ(lines[742], "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
  EXPECT_EQ(lines[743], "0");
}

TEST(BlockFileLayout, NamesAreTrimmedAndStoredBack) {
  auto m = new_project();
  m->wall_blocks[0].block_type = BLOCK_COUNTERFORT;
  m->wall_blocks[0].counterfort.head.name = "  扶壁 A ";
  m->wall_blocks[0].counterfort.part_names[3] = " 裏込石\t";
  m->wall_blocks[1].polygon.head.name = "   ";  // an empty slot's name
  const std::vector<std::string> lines = block_file_lines(*m).lines;
  EXPECT_EQ(lines[2 + 3], *utf8_to_cp932("扶壁 A"));
  EXPECT_EQ(lines[2 + 22], *utf8_to_cp932("裏込石"));
  EXPECT_EQ(lines[2 + 49 + 3], std::string(16, ' '));
  EXPECT_EQ(m->wall_blocks[0].counterfort.head.name, "扶壁 A");
  EXPECT_EQ(m->wall_blocks[0].counterfort.part_names[3], "裏込石");
  EXPECT_EQ(m->wall_blocks[1].polygon.head.name, "");
}

TEST(BlockFileLayout, LibraryRealsHaveThreeDecimals) {
  auto m = new_project();
  m->shape_library_count = 1;
  ShapeEntry& e = m->shape_library[0];
  e.values[0] = 12.5;
  e.values[2] = -0.25;
  e.point_count = 1;
  e.point_x[1] = 1.23456;
  e.point_y[1] = -0.0001;  // rounds to zero: written without a sign
  const std::vector<std::string> lines = block_file_lines(*m).lines;
  ASSERT_EQ(lines.size(), 744u + 7);
  EXPECT_EQ(lines[746], "12.500,-0.250,0.000,0.000,0.000,0.000");
  EXPECT_EQ(lines[747], "0");
  EXPECT_EQ(lines[748], "1");
  EXPECT_EQ(lines[749], "1.235,0.000");
}

TEST(BlockFileLayout, SoilPolygonCheckEndsTheFileAtTheFirstType6Slot) {
  auto m = new_project();
  fill_every_block_type(*m);
  m->wall_blocks[12].block_type = BLOCK_SOIL_POLYGON;
  const BlockFileLines full = block_file_lines(*m);
  EXPECT_EQ(full.stopped_at_slot, -1);
  const BlockFileLines stopped = block_file_lines(*m, true);
  EXPECT_EQ(stopped.stopped_at_slot, kSlotSoilPolygon);
  const int r = record_start(*m, kSlotSoilPolygon);
  ASSERT_EQ(stopped.lines.size(), static_cast<std::size_t>(r + 1));
  EXPECT_EQ(stopped.lines.back(), "6");
  EXPECT_TRUE(std::equal(stopped.lines.begin(), stopped.lines.end(), full.lines.begin()));
}

}  // namespace
}  // namespace qvt::model
