// The block pages from hand-set block slots: group order by label number, the template and keep
// count of each block type, the fields and their print formats, and counts beyond their arrays.
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/savelin/savelin.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace qvt::savelin {
namespace {

using engine::ConditionData;

std::string sj(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

std::vector<std::string> pages(const ConditionData& d) {
  qvt::testing::TempDir dir;
  engine::PrintFile f;
  EXPECT_TRUE(f.open(dir / "pages.PDT", {}));
  write_block_pages(d, f);
  EXPECT_TRUE(f.close({}));
  return split_lines(read_file_bytes(dir / "pages.PDT").value_or(""));
}

std::unique_ptr<ConditionData> no_blocks() {
  auto d = std::make_unique<ConditionData>();
  for (auto& b : d->wall_blocks) b.block_type = engine::BLOCK_EMPTY;
  return d;
}

engine::WallBlock& use(ConditionData& d, int slot, engine::BlockType type, int label,
                       const char* name) {
  engine::WallBlock& b = d.wall_blocks[slot];
  b.block_type = type;
  b.head.name.assign(name);
  d.block_label_numbers[slot] = label;
  return b;
}

TEST(BlockPagesTest, PolygonOfSevenVerticesFirstAndLater) {
  auto d = no_blocks();
  engine::WallBlock& p = use(*d, 0, engine::BLOCK_POLYGON, 0, "wall");
  p.head.unit_weights[0] = 24;
  p.head.unit_weights[1] = 14;
  p.head.unit_weights[2] = 13.9;
  p.head.ref_x = 3;
  p.head.ref_y = -3.5;
  p.polygon.vertex_count = 7;
  for (int k = 0; k < 7; ++k) {
    p.polygon.vertex_x[k] = k;
    p.polygon.vertex_y[k] = -k * 0.5;
  }
  const std::vector<std::string> first = {
      "$1  QVT_BKN0.PFM", "00  A" + sj("ブロック"), "01  " + sj("《wall》"),
      "02   13.900", "03   24.000", "04   14.000", "05     3.000", "06    -3.500",
      "$0  QVT_BKN1.PFM", "00   1", "01     0.000", "02     0.000", "03   2", "04     1.000",
      "05    -0.500", "06   3", "07     2.000", "08    -1.000",
      "$0  QVT_BKN1.PFM", "00   4", "01     3.000", "02    -1.500", "03   5", "04     4.000",
      "05    -2.000", "06   6", "07     5.000", "08    -2.500",
      "$0  QVT_BKN1.PFM", "00   7", "01     6.000", "02    -3.000", "03  --", "04  --------",
      "05  --------", "06  --", "07  --------", "08  --------"};
  EXPECT_EQ(pages(*d), first);

  // Behind a rectangle labelled A the polygon, now B, keeps 7 / 3 rounded up + 5 = 8 lines.
  d->block_label_numbers[0] = 1;
  use(*d, 5, engine::BLOCK_RECTANGLE, 0, "top");
  const std::vector<std::string> lines = pages(*d);
  ASSERT_GT(lines.size(), 12u);
  EXPECT_EQ(lines[0], "$1  QVT_BKK.PFM");
  EXPECT_EQ(lines[10], "$R   8");
  EXPECT_EQ(lines[11], "$0  QVT_BKN0.PFM");
  EXPECT_EQ(lines[12], "00  B" + sj("ブロック"));
}

TEST(BlockPagesTest, GroupsFollowLabelNumbersThenSlots) {
  auto d = no_blocks();
  use(*d, 0, engine::BLOCK_SOIL_RECTANGLE, 1, "s0");
  use(*d, 1, engine::BLOCK_RECTANGLE, 0, "s1");
  use(*d, 2, engine::BLOCK_RECTANGLE, 1, "s2");
  use(*d, 3, engine::BLOCK_RECTANGLE, 20, "past T");  // no letter after T: not printed
  use(*d, 4, engine::BLOCK_RECTANGLE, -1, "negative");
  std::vector<std::string> names;
  for (const std::string& l : pages(*d))
    if (l.rfind("01  ", 0) == 0) names.push_back(l.substr(4));
  EXPECT_EQ(names, (std::vector<std::string>{sj("《s1》"), sj("《s0》"), sj("《s2》")}));
  EXPECT_TRUE(pages(*no_blocks()).empty());
}

TEST(BlockPagesTest, RectangleQuadAndLibraryFields) {
  auto d = no_blocks();
  engine::WallBlock& r = use(*d, 0, engine::BLOCK_RECTANGLE, 0, "r");
  r.polygon.vertex_x[0] = 6;
  r.polygon.vertex_y[0] = 1.5;
  r.head.unit_weights[0] = 18;
  r.head.unit_weights[1] = 10;
  r.head.unit_weights[2] = 9.5;
  r.head.ref_x = -1.25;
  r.head.ref_y = 2;
  engine::WallBlock& q = use(*d, 1, engine::BLOCK_QUAD, 1, "q");
  q.quad.values[0] = 12.5;
  q.quad.values[1] = 1;
  q.quad.values[2] = 2;
  q.quad.values[3] = 3;
  q.quad.value = 0.456;
  q.head.length = 4;
  q.head.mark_x = 5;
  q.head.mark_y = 6;
  q.head.unit_weights[0] = 20;
  q.head.unit_weights[1] = 11;
  q.head.ref_x = 7;
  q.head.ref_y = 8;
  engine::WallBlock& l = use(*d, 2, engine::BLOCK_LIBRARY, 2, "l");
  l.library.values[1] = 1.5;
  l.library.values[2] = 2.5;
  l.library.values[3] = 3.5;
  l.library.mirrored = 1;
  l.head.length = 9;
  l.head.ref_x = 10;
  l.head.ref_y = -2;
  l.head.mark_x = 11.5;
  l.head.mark_y = -1;
  l.head.unit_weights[0] = 23;
  const std::vector<std::string> want = {
      "$1  QVT_BKK.PFM", "00  A" + sj("ブロック"), "01  " + sj("《r》"), "02     6.000",
      "03     1.500", "04    9.500", "05   18.000", "06   10.000", "07    -1.250", "08     2.000",
      "$R   8", "$0  QVT_BKH.PFM", "00  B" + sj("ブロック"), "01  " + sj("《q》"),
      "02     12.500", "03     4.000", "04     1.000", "05     2.000", "06     3.000", "07  0.46",
      "08     5.000", "09     6.000", "10    20.000", "11    11.000", "12     7.000",
      "13     8.000",
      "$R   7", "$0  QVT_BKSK.PFM", "00  C" + sj("ブロック"), "01  " + sj("《l》"),
      "03     9.000", "04     1.500", "05     2.500", "06     3.500", "08     1.500",
      "09     1.000", "10    23.000", "12    10.000", "13    -2.000", "14  " + sj("右向き")};
  EXPECT_EQ(pages(*d), want);
  l.library.mirrored = 0;
  EXPECT_EQ(pages(*d).back(), "14  " + sj("左向き"));
}

TEST(BlockPagesTest, CaissonWithUnequalRowCountsAndAMissingDimension) {
  auto d = no_blocks();
  use(*d, 0, engine::BLOCK_RECTANGLE, 0, "first");
  engine::WallBlock& c = use(*d, 1, engine::BLOCK_CAISSON, 1, "caisson");
  c.sub_type = 2;
  c.head.unit_weights[0] = 20.5;
  c.head.unit_weights[1] = 10.4;
  c.caisson.dims_a[1][0] = 1.2;
  c.caisson.dims_a[1][2] = 0.00005;  // not given: hyphens
  c.caisson.dims_a[3][2] = 0.5;
  c.caisson.dims_a[3][0] = 0.25;
  c.caisson.flag_a = 3;
  c.caisson.flag_b = 1;
  c.caisson.dims_b[0][0] = 4;
  c.caisson.dims_b[0][1] = 4.5;
  c.caisson.dims_b[0][2] = 5;
  c.caisson.dims_b[1][0] = 2;
  c.caisson.part_count = 1;
  c.caisson.part_names[0].assign("lid%s");
  c.caisson.part_values[0][0] = 1;
  c.caisson.part_values[1][0] = 2;
  c.caisson.part_values[2][0] = 3;
  c.caisson.part_values[3][0] = 4;
  c.head.ref_x = 1;
  c.head.ref_y = -9;
  const std::vector<std::string> lines = pages(*d);
  const std::vector<std::string> caisson(lines.begin() + 10, lines.end());
  // Keep: max(3, 1) + 1 part + 13 = 17.
  const std::vector<std::string> want = {
      "$R  17", "$0  QVT_BKS0.PFM", "00  B" + sj("ブロック"), "01  " + sj("《caisson》"),
      "02  " + sj("台形形状、両側"), "03   20.500", "04   10.400", "05   1.200", "06  ------",
      "07  ------", "08  ------", "09  ------", "10  ------", "11  ------", "12  ------",
      "13  ------", "14  ------", "15   0.500", "16    3", "17    1", "18   4.000", "19   2.000",
      "20     1.000", "21    -9.000",
      "$0  QVT_BKS1.PFM", "00   4.500", "01  ------",
      "$0  QVT_BKS1.PFM", "00   5.000", "01  ------",
      "$0  QVT_BKS2.PFM", "00   0.250",
      "$0  QVT_BKS3.PFM",
      "$0  QVT_BKS4.PFM", "00   1.000", "01  lid%s" + std::string(11, ' '), "02   2.000", "03   3.000",
      "04   4.000"};
  EXPECT_EQ(caisson, want);
}

TEST(BlockPagesTest, CounterfortBySubType) {
  struct Case {
    int sub_type;
    const char* kind;
    const char* templ;
    int keep;
    std::size_t dimension_fields;
  };
  const Case cases[] = {{1, "フーチング水平", "QVT_BKL0.PFM", 12, 12},
                        {2, "フーチング台形", "QVT_BKL0.PFM", 12, 12},
                        {3, "前 壁 傾 斜   ", "QVT_BKL1.PFM", 11, 9},
                        {0, "前 壁 傾 斜   ", "QVT_BKL0.PFM", 12, 12}};
  for (const Case& k : cases) {
    SCOPED_TRACE(k.sub_type);
    auto d = no_blocks();
    use(*d, 0, engine::BLOCK_RECTANGLE, 0, "first");
    engine::WallBlock& c = use(*d, 1, engine::BLOCK_COUNTERFORT, 1, "cf");
    c.sub_type = static_cast<engine::i16>(k.sub_type);
    for (int i = 0; i < 4; ++i)
      for (int j = 0; j < 4; ++j) c.counterfort.dims_a[i][j] = i + j * 0.1;
    const std::vector<std::string> lines = pages(*d);
    ASSERT_GE(lines.size(), 17u);
    EXPECT_EQ(lines[10], "$R  " + std::to_string(k.keep));
    EXPECT_EQ(lines[11], std::string("$0  ") + k.templ);
    EXPECT_EQ(lines[14], "02  " + sj(k.kind));
    EXPECT_EQ(lines.size(), 11 + 8 + k.dimension_fields);  // no parts: no parts list
    EXPECT_EQ(lines[19], "07   1.000");                      // dims_a[1][0]
    EXPECT_EQ(lines[27], "15   3.000");                      // dims_a[3][0]
    if (k.dimension_fields == 12) {
      EXPECT_EQ(lines[30], "18   3.100");  // dims_a[3][1]
    }
  }
}

TEST(BlockPagesTest, CountsOutsideTheirArraysAreBounded) {
  struct Case {
    int vertex_count;
    int flag_a, flag_b, part_count;
    int polygon_rows;  // QVT_BKN1 records
    int keep;          // of the caisson behind the polygon
  };
  const Case cases[] = {{-4, -1, -2, -3, 0, 13}, {500, 40, 2, 99, 40, 8 + 8 + 13}};
  for (const Case& k : cases) {
    auto d = no_blocks();
    use(*d, 0, engine::BLOCK_POLYGON, 0, "p").polygon.vertex_count =
        static_cast<engine::i16>(k.vertex_count);
    engine::WallBlock& c = use(*d, 1, engine::BLOCK_FOOTING_CAISSON, 1, "c");
    c.caisson.flag_a = static_cast<engine::i16>(k.flag_a);
    c.caisson.flag_b = static_cast<engine::i16>(k.flag_b);
    c.caisson.part_count = static_cast<engine::i16>(k.part_count);
    int rows = 0, parts = 0;
    std::string keep;
    for (const std::string& l : pages(*d)) {
      rows += l == "$0  QVT_BKN1.PFM";
      parts += l == "$0  QVT_BKS4.PFM";
      if (l.rfind("$R", 0) == 0) keep = l;
    }
    EXPECT_EQ(rows, k.polygon_rows);
    EXPECT_EQ(parts, k.part_count > 0 ? 8 : 0);
    EXPECT_EQ(keep, "$R  " + std::to_string(k.keep));
  }
}

}  // namespace
}  // namespace qvt::savelin
