#include "frontend/model/block_file.h"

#include "common/cp932.h"
#include "common/numtext.h"
#include "common/tests/file_mutations.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/model/tests/block_fixtures.h"
#include "frontend/model/tests/block_layout.h"
#include "frontend/model/conditions_file.h"
#include "frontend/model/project_files.h"
#include "frontend/model/snapshots.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qvt::model {
namespace {

using namespace qvt::model::testing;

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
    // A block without a name: 16 blanks.
    const int u = record_start(*m, kSlotUnnamedBlock);
    EXPECT_EQ(lines[u], "1");
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

// ------------------------------------------------------------------------------------ reading

class BlockFileRead : public ::testing::Test {
 protected:
  std::filesystem::path write(const std::vector<std::string>& lines,
                              const std::string& name = "p.MBJ") {
    auto path = dir_ / name;
    EXPECT_TRUE(write_file_bytes(path, join_crlf(lines)));
    return path;
  }
  // A current file of the fixture's slots and library.
  std::vector<std::string> fixture_file() {
    auto m = new_project();
    fill_every_block_type(*m);
    return block_file_lines(*m).lines;
  }
  qvt::testing::TempDir dir_;
};

TEST_F(BlockFileRead, EveryTypeAndTheLibraryRoundTripByteForByte) {
  const std::vector<std::string> original = fixture_file();
  auto m = new_project();
  std::string problem;
  ASSERT_TRUE(read_block_file(write(original), 13, *m, &problem));
  EXPECT_EQ(problem, "");
  EXPECT_EQ(block_file_lines(*m).lines, original);
  EXPECT_EQ(m->used_slot_count, 10);
}

TEST_F(BlockFileRead, ValuesLandInTheSectionTheTypeSelects) {
  auto expected = new_project();
  fill_every_block_type(*expected);
  const std::vector<std::string> file = block_file_lines(*expected).lines;
  auto m = new_project();
  ASSERT_TRUE(read_block_file(write(file), 13, *m));
  const auto& b = m->wall_blocks;
  const auto& e = expected->wall_blocks;

  const CaissonShape& c = b[kSlotCaisson].caisson;
  EXPECT_EQ(c.sub_type, e[kSlotCaisson].caisson.sub_type);
  EXPECT_EQ(c.head.name, "ケーソン");
  EXPECT_EQ(c.head.mark_y, e[kSlotCaisson].caisson.head.mark_y);
  EXPECT_EQ(c.flag_a, 3);
  EXPECT_EQ(c.flag_b, 8);
  EXPECT_EQ(c.dims_b[1][7], e[kSlotCaisson].caisson.dims_b[1][7]);
  EXPECT_EQ(c.part_names[0], "中詰砂");
  EXPECT_EQ(c.part_names[1], "蓋, コンクリート");  // a comma stays inside the name
  EXPECT_EQ(c.part_names[7], "");
  EXPECT_EQ(c.part_values[3][7], e[kSlotCaisson].caisson.part_values[3][7]);
  EXPECT_EQ(c.outline_count, 12);
  EXPECT_EQ(c.outline_y[147], e[kSlotCaisson].caisson.outline_y[147]);
  EXPECT_EQ(c.tail, 145);
  EXPECT_EQ(b[kSlotCaisson].polygon.vertex_x[0], UNSET_COORD);  // other sections untouched

  const CounterfortShape& cf = b[kSlotCounterfort].counterfort;
  EXPECT_EQ(cf.head.name, "扶壁");
  EXPECT_EQ(cf.outline_x[73], e[kSlotCounterfort].counterfort.outline_x[73]);
  EXPECT_EQ(cf.tail, 71);
  EXPECT_EQ(b[kSlotCounterfort].caisson.sub_type, 1);
  EXPECT_EQ(b[kSlotCounterfort].caisson.part_values[0][0], UNSET_COORD);

  EXPECT_EQ(b[kSlotQuad].quad.corner_y[3], e[kSlotQuad].quad.corner_y[3]);
  EXPECT_EQ(b[kSlotQuad].quad.value, e[kSlotQuad].quad.value);
  EXPECT_EQ(b[kSlotLibrary].library.head.name, "L型");
  EXPECT_EQ(b[kSlotLibrary].library.library_index, 1);
  EXPECT_EQ(b[kSlotLibrary].library.mirrored, -1);
  EXPECT_EQ(b[kSlotLibrary].quad.value, 0);
  EXPECT_EQ(b[kSlotPolygon].polygon.head.name, "多角形, A");
  EXPECT_EQ(b[kSlotPolygon].polygon.vertex_count, 7);
  EXPECT_EQ(b[kSlotPolygon].polygon.reserved, 3);
  EXPECT_EQ(b[kSlotSoilPolygon].polygon.vertex_y[117],
            e[kSlotSoilPolygon].polygon.vertex_y[117]);
  EXPECT_EQ(b[kSlotUnnamedBlock].block_type, kUnnamedBlockType);
  EXPECT_EQ(m->block_label_numbers, expected->block_label_numbers);

  ASSERT_EQ(m->shape_library_count, 2);
  const ShapeEntry& s0 = m->shape_library[0];
  const ShapeEntry& x0 = expected->shape_library[0];
  EXPECT_EQ(s0.name, "L型, 標準");
  EXPECT_EQ(s0.name2, "  padded  ");  // library names are not trimmed
  for (int k = 0; k < 6; ++k) EXPECT_EQ(s0.values[k], x0.values[k]) << k;
  EXPECT_EQ(s0.layer_c[2], x0.layer_c[2]);
  EXPECT_EQ(s0.point_x[1], x0.point_x[1]);
  EXPECT_EQ(s0.point_y[4], x0.point_y[4]);
  EXPECT_EQ(s0.pair_second[2], 3);
  EXPECT_EQ(m->shape_library[1].name, "");
  EXPECT_EQ(m->shape_library[1].point_count, 1);
}

TEST_F(BlockFileRead, LibraryRealsReadBackRoundedToThreeDecimals) {
  auto m = new_project();
  m->shape_library_count = 1;
  m->shape_library[0].point_count = 1;
  m->shape_library[0].point_x[1] = 1.23456;
  const auto path = write(block_file_lines(*m).lines);
  auto back = new_project();
  ASSERT_TRUE(read_block_file(path, 13, *back));
  EXPECT_EQ(back->shape_library[0].point_x[1], 1.235);
}

TEST_F(BlockFileRead, FreeSlotGetsItsCaissonSectionReset) {
  auto m = new_project();
  for (int slot : {0, 1}) {
    m->wall_blocks[slot].caisson.sub_type = 4;
    m->wall_blocks[slot].caisson.part_values[2][5] = 1.5;
    m->wall_blocks[slot].caisson.flag_a = 2;
  }
  std::vector<std::string> file = block_file_lines(*new_project()).lines;
  file[2 + 37] = "0";  // slot 1: a polygon block
  ASSERT_TRUE(read_block_file(write(file), 13, *m));
  EXPECT_EQ(m->wall_blocks[0].caisson.sub_type, 1);
  EXPECT_EQ(m->wall_blocks[0].caisson.part_values[2][5], UNSET_COORD);
  EXPECT_EQ(m->wall_blocks[0].caisson.flag_a, 2);  // only the recipe and the part values
  EXPECT_EQ(m->wall_blocks[1].caisson.sub_type, 4);
  EXPECT_EQ(m->wall_blocks[1].caisson.part_values[2][5], 1.5);
}

TEST_F(BlockFileRead, CounterfortPartNameIsTrimmedIntoTheCounterfortSection) {
  auto m = new_project();
  m->wall_blocks[0].block_type = BLOCK_COUNTERFORT;
  m->wall_blocks[0].counterfort.part_names[2] = "X";
  std::vector<std::string> file = block_file_lines(*m).lines;
  file[2 + 19 + 2] = *utf8_to_cp932("裏込石, 割栗   ");
  m->wall_blocks[0].caisson.part_names[2] = "caisson";
  ASSERT_TRUE(read_block_file(write(file), 13, *m));
  EXPECT_EQ(m->wall_blocks[0].counterfort.part_names[2], "裏込石, 割栗");
  EXPECT_EQ(m->wall_blocks[0].caisson.part_names[2], "caisson");
}

TEST_F(BlockFileRead, OlderLayouts) {
  auto source = new_project();
  fill_every_block_type(*source);
  for (int version : {0, 2, 3, 5, 6}) {
    SCOPED_TRACE(version);
    auto m = new_project();
    m->block_label_numbers.fill(17);
    // The library in memory (an old file's library block must name one of its entries).
    m->shape_library_count = 2;
    m->shape_library[0].name = "kept";
    m->wall_blocks[kSlotCaisson].caisson.outline_x[100] = -5;
    const std::vector<std::string> file = older_block_file(version, *source);
    ASSERT_TRUE(read_block_file(write(file), version, *m));

    // Caisson outlines: 74 points per axis before version 3; the rest of the store stays.
    const CaissonShape& c = m->wall_blocks[kSlotCaisson].caisson;
    const CaissonShape& sc = source->wall_blocks[kSlotCaisson].caisson;
    EXPECT_EQ(c.outline_x[73], sc.outline_x[73]);
    EXPECT_EQ(c.outline_y[0], sc.outline_y[0]);
    EXPECT_EQ(c.outline_y[73], sc.outline_y[73]);
    EXPECT_EQ(c.outline_x[100], version < 3 ? -5 : sc.outline_x[100]);
    EXPECT_EQ(c.tail, sc.tail);
    // The records after it are not shifted.
    EXPECT_EQ(m->wall_blocks[kSlotFootingCaisson].caisson.head.name, "ﾌｰﾁﾝｸﾞ付");
    EXPECT_EQ(m->wall_blocks[kSlotCounterfort].counterfort.tail, 71);
    EXPECT_EQ(m->wall_blocks[kSlotUnnamedBlock].polygon.vertex_y[117],
              source->wall_blocks[kSlotUnnamedBlock].polygon.vertex_y[117]);

    if (version < 6) {
      // Used slots are numbered in slot order; free slots and the library keep their values.
      const std::array<i16, 20> labels = {0, 1, 2, 3, 4, 5, 6, 7, 8, 17,
                                          9, 17, 17, 17, 17, 17, 17, 17, 17, 17};
      EXPECT_EQ(m->block_label_numbers, labels);
      EXPECT_EQ(m->shape_library_count, 2);
      EXPECT_EQ(m->shape_library[0].name, "kept");
    } else {
      EXPECT_EQ(m->block_label_numbers, source->block_label_numbers);
      EXPECT_EQ(m->shape_library_count, 2);
      EXPECT_EQ(m->shape_library[0].name, "L型, 標準");
    }
  }
}

TEST_F(BlockFileRead, OldLayoutReadAsCurrentFails) {
  // A version 2 file carries 74 points: read with the current layout it runs out of items.
  auto source = new_project();
  source->wall_blocks[0].block_type = BLOCK_CAISSON;
  auto m = new_project();
  EXPECT_FALSE(read_block_file(write(older_block_file(2, *source)), 13, *m));
}

// Counts and indexes that would reach past their store make a file malformed. The fixture's
// line numbers (0-based) are found from its record layout.
TEST_F(BlockFileRead, MalformedFilesFailAndLeaveTheModelAsItWas) {
  auto fixture = new_project();
  fill_every_block_type(*fixture);
  const std::vector<std::string> good = fixture_file();
  const int caisson = record_start(*fixture, kSlotCaisson);
  const int counterfort = record_start(*fixture, kSlotCounterfort);
  const int polygon = record_start(*fixture, kSlotPolygon);
  const int library_slot = record_start(*fixture, kSlotLibrary);
  const int labels = record_start(*fixture, MAX_WALL_BLOCKS);
  const int entry0 = labels + 2;

  struct Case {
    const char* what;
    int line;          // 0-based line replaced by `text`
    std::string text;
    bool cells_problem = false;
  };
  const std::string cells = "隔室数が0～8の範囲外のケーソンは読み込めません。";
  const Case cases[] = {
      {"used slot count", 1, "21"},
      {"flag_a 9", caisson + 10, "9", true},
      {"flag_a negative", caisson + 10, "-1", true},
      {"flag_b 9", caisson + 11, "9", true},
      {"caisson part count", caisson + 18, "9"},
      {"caisson outline count", caisson + 31, "149"},
      {"caisson tail", caisson + 62, "149"},
      {"counterfort outline count", counterfort + 31, "75"},
      {"counterfort tail", counterfort + 48, "-1"},
      {"type 42 (no record layout)", polygon, "42"},
      {"type -2", polygon, "-2"},
      {"vertex count", polygon + 10, "119"},
      {"vertex count negative", polygon + 10, "-1"},
      {"bad number", polygon + 14, "1,2,3,x,5,6,7,8,9,10"},
      {"bad filler", library_slot + 20, "0,0,0,0,0,0,0,0,0,?"},
      {"library index past the library", library_slot + 17, "2"},
      {"library index negative", library_slot + 17, "-1"},
      {"library count", labels + 1, "21"},
      {"layer count", entry0 + 3, "51"},
      {"point count", entry0 + 7, "101"},
      {"pair count", entry0 + 12, "101"},
      {"pair index", entry0 + 13, "1,101"},
  };
  auto check_unchanged = [&](const std::vector<std::string>& file, const std::string& problem) {
    auto m = new_project();
    m->wall_blocks[3].block_type = BLOCK_QUAD;
    m->wall_blocks[3].quad.head.name = "kept";
    m->used_slot_count = 1;
    m->block_label_numbers[3] = 5;
    m->shape_library_count = 1;
    m->shape_library[0].name = "kept";
    const std::vector<std::string> before = block_file_lines(*m).lines;
    std::string got = "unset";
    EXPECT_FALSE(read_block_file(write(file), 13, *m, &got));
    EXPECT_EQ(got, problem);
    EXPECT_EQ(block_file_lines(*m).lines, before);
    EXPECT_EQ(m->used_slot_count, 1);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> file = good;
    file[c.line] = c.text;
    check_unchanged(file, c.cells_problem ? cells : "");
  }
  {
    SCOPED_TRACE("cut in a slot record");
    check_unchanged({good.begin(), good.begin() + counterfort + 20}, "");
  }
  {
    SCOPED_TRACE("last item missing");
    std::vector<std::string> file = good;
    file.back() = "1";
    check_unchanged(file, "");
  }
  {
    SCOPED_TRACE("empty");
    check_unchanged({}, "");
  }
  // Lines more than the layout holds: the values read would be shifted.
  {
    SCOPED_TRACE("a vertex line repeated");
    std::vector<std::string> file = good;
    file.insert(file.begin() + polygon + 14, file[polygon + 14]);
    check_unchanged(file, "");
  }
  {
    SCOPED_TRACE("a line after the library");
    std::vector<std::string> file = good;
    file.push_back("0");
    check_unchanged(file, "");
  }
  {
    SCOPED_TRACE("empty lines after the library are no lines of the layout");
    std::vector<std::string> file = good;
    file.push_back("");
    file.push_back(" ");
    auto m = new_project();
    EXPECT_TRUE(read_block_file(write(file), 13, *m));
  }
  auto m = new_project();
  EXPECT_FALSE(read_block_file(dir_ / "missing.MBJ", 13, *m));

  // A counterfort's flag_a counts counterforts, not cells: any number reads.
  std::vector<std::string> file = good;
  file[counterfort + 10] = "12";
  EXPECT_TRUE(read_block_file(write(file), 13, *m));
  EXPECT_EQ(m->wall_blocks[kSlotCounterfort].counterfort.flag_a, 12);
}

// The file is read line by line against its layout. Before, its items were one stream, so two
// neighbouring lines of different item counts swapped still filled every field, with values
// moved (the block length read as a unit weight, a unit weight as a level); and a level of
// -1e308 was opened and drawn.
TEST_F(BlockFileRead, LinesOffTheirLayoutAndLevelsBeyondTheSectionAreRefused) {
  auto fixture = new_project();
  fill_every_block_type(*fixture);
  const std::vector<std::string> good = fixture_file();
  const int polygon = record_start(*fixture, kSlotPolygon);
  const int caisson = record_start(*fixture, kSlotCaisson);
  const int labels = record_start(*fixture, MAX_WALL_BLOCKS);
  auto swapped = [&](int a, int b) {
    auto l = good;
    std::swap(l[a], l[b]);
    return l;
  };
  auto joined = [&](int a) {  // line a + 1 moved onto the end of line a
    auto l = good;
    l[a] += "," + l[a + 1];
    l.erase(l.begin() + a + 1);
    return l;
  };
  auto replaced = [&](int a, const std::string& text) {
    auto l = good;
    l[a] = text;
    return l;
  };
  struct Case {
    const char* what;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"length and unit weights swapped", swapped(polygon + 6, polygon + 7)},
      {"mark and vertex count swapped", swapped(polygon + 9, polygon + 10)},
      {"last x line and first y line swapped", swapped(polygon + 23, polygon + 24)},
      {"caisson dims rows of 4 and 8 swapped", swapped(caisson + 15, caisson + 16)},
      {"label numbers and library count swapped", swapped(labels, labels + 1)},
      {"ref x and ref y on one line", joined(polygon + 4)},
      {"a vertex line split", [&] {
         auto l = good;
         const std::string line = l[polygon + 12];
         const std::size_t comma = line.find(',');
         l[polygon + 12] = line.substr(0, comma);
         l.insert(l.begin() + polygon + 13, line.substr(comma + 1));
         return l;
       }()},
      {"ref y -1e308", replaced(polygon + 5, "-1e308")},
      {"ref y beyond the section", replaced(polygon + 5, "100000.5")},
      {"a vertex at 1e300", replaced(polygon + 12, "1e300,0,0,0,0,0,0,0,0,0")},
      {"a caisson outline point at -1e9", replaced(caisson + 32, "-1e9,0,0,0,0,0,0,0,0,0")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto m = new_project();
    m->wall_blocks[3].block_type = BLOCK_QUAD;
    const std::vector<std::string> before = block_file_lines(*m).lines;
    EXPECT_FALSE(read_block_file(write(c.lines), 13, *m));
    EXPECT_EQ(block_file_lines(*m).lines, before);
  }
  // A value beyond the section is named; the section's extent itself a file may hold.
  auto m = new_project();
  std::string problem;
  EXPECT_FALSE(read_block_file(write(replaced(polygon + 5, "-1e308")), 13, *m, &problem));
  EXPECT_EQ(problem, "座標・標高・長さが ±100000 m を超えるブロックは読み込めません。");
  EXPECT_TRUE(read_block_file(write(replaced(polygon + 5, "-100000")), 13, *m));
  EXPECT_EQ(m->wall_blocks[kSlotPolygon].polygon.head.ref_y, -100000);
}

// The samples' own damage from the fuzzing round: in the shipped block sample, each pair of
// neighbouring lines that hold different numbers of items, swapped, is refused.
TEST(BlockFileSamples, EverySwapOfNeighbouringLinesOfAnotherShapeIsRefused) {
  const std::vector<std::string> good = qvt::testing::sample_file_lines("sample_block_quay.MBJ");
  ASSERT_FALSE(good.empty());
  auto items = [](const std::string& l) { return std::count(l.begin(), l.end(), ',') + 1; };
  auto m = new_project();
  int swaps = 0;
  for (std::size_t i = 0; i + 1 < good.size(); ++i) {
    if (items(good[i]) == items(good[i + 1])) continue;
    std::vector<std::string> l = good;
    std::swap(l[i], l[i + 1]);
    ++swaps;
    EXPECT_FALSE(read_block_lines(l, kConditionsFileVersion, *m)) << "lines " << i + 1 << ", " << i + 2;
  }
  EXPECT_GT(swaps, 100);
}

// -------------------------------------------------------------------------- loading a project

class LoadProject : public BlockFileRead {
 protected:
  // A project pair written from `m` under the base "quay".
  std::string save(ProjectModel& m) {
    Recorder rec;
    EXPECT_EQ(write_project_files(m, (dir_ / "quay").string(), false, rec), 0);
    return (dir_ / "quay").string();
  }
};

TEST_F(LoadProject, ReadsBothFilesOfTheBase) {
  auto saved = new_project();
  fill_every_block_type(*saved);
  saved->conditions.project_title = "quay";
  saved->conditions.water_levels[2] = 1.25;
  saved->conditions.body_reactions[CASE_SEISMIC].check_y = 4;
  saved->conditions.dynamic_water_level = -3;
  const std::string base = save(*saved);

  auto m = new_project();
  Recorder rec;
  ASSERT_TRUE(load_project_files(base, *m, rec));
  EXPECT_TRUE(rec.messages.empty());
  EXPECT_EQ(m->file_version, 13);
  EXPECT_EQ(m->conditions.project_title, "quay");
  EXPECT_EQ(m->conditions.water_levels[2], 1.25);
  EXPECT_EQ(m->conditions.dynamic_water_level, -3);  // no correction for current files
  EXPECT_EQ(block_file_lines(*m).lines, block_file_lines(*saved).lines);
}

TEST_F(LoadProject, FailedBlockFileLeavesTheModelAsItWas) {
  auto saved = new_project();
  fill_every_block_type(*saved);
  saved->conditions.project_title = "from file";
  saved->conditions.water_levels[0] = 3.5;
  const std::string base = save(*saved);

  struct Case {
    const char* what;
    std::vector<std::string> mbj;  // empty: the file is removed
    std::string text;
  };
  std::vector<std::string> nine_cells = block_file_lines(*saved).lines;
  nine_cells[record_start(*saved, kSlotCaisson) + 10] = "9";
  std::vector<std::string> cut = block_file_lines(*saved).lines;
  cut.resize(400);
  const Case cases[] = {
      {"a folder", {"folder"}, "壁体構成ﾌﾞﾛｯｸﾌｧｲﾙ(.MBJ)が読み込み出来ません。"},
      {"missing", {}, "壁体構成ﾌﾞﾛｯｸﾌｧｲﾙ(.MBJ)が読み込み出来ません。"},
      {"cut", cut, "壁体構成ﾌﾞﾛｯｸﾌｧｲﾙ(.MBJ)が読み込み出来ません。"},
      {"nine cells", nine_cells,
       "壁体構成ﾌﾞﾛｯｸﾌｧｲﾙ(.MBJ)が読み込み出来ません。\n"
       "隔室数が0～8の範囲外のケーソンは読み込めません。"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(dir_ / "quay.MBJ");
    if (c.mbj == std::vector<std::string>{"folder"})
      std::filesystem::create_directory(dir_ / "quay.MBJ");
    else if (!c.mbj.empty())
      write(c.mbj, "quay.MBJ");
    auto m = new_project();
    m->conditions.project_title = "kept";
    m->conditions.water_levels[0] = 1.8;
    m->file_version = 9;
    m->wall_blocks[4].block_type = BLOCK_RECTANGLE;
    m->shape_library_count = 1;
    const std::vector<std::string> conditions_before = [&] {
      auto copy = std::make_unique<ProjectModel>(*m);
      return conditions_file_lines(*copy);
    }();
    const std::vector<std::string> blocks_before = block_file_lines(*m).lines;
    Recorder rec;
    EXPECT_FALSE(load_project_files(base, *m, rec));
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].text, c.text);
    EXPECT_EQ(rec.messages[0].title, kAppTitle);
    EXPECT_EQ(rec.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(m->file_version, 9);
    EXPECT_EQ(conditions_file_lines(*m), conditions_before);
    EXPECT_EQ(block_file_lines(*m).lines, blocks_before);
  }
}

}  // namespace
}  // namespace qvt::model
