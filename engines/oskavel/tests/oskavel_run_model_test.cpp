// OSKAVEL run as a process on the first test section: the report, the head of every figure
// and the section outline; and the runs that must stop.
#include "common/cp932.h"
#include "engines/common/tests/sample_work_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace qvt::oskavel {
namespace {

namespace fs = std::filesystem;
using engine::testing::run_engine;
using engine::testing::work_file;
using engine::testing::write_sample_input;

class OskavelRun : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("SOURCE_DATE_EPOCH", "1797325500", 1); }
  void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }
};

TEST_F(OskavelRun, ReportNamesOneFigurePageEachFourWithTheSeismicCheck) {
  for (int seismic : {0, 2}) {
    qvt::testing::TempDir dir;
    write_sample_input(dir.path(), "sample_block_quay",
                       [&](model::ProjectModel& m) { m.conditions.seismic_check = seismic; });
    ASSERT_EQ(run_engine(dir.path(), "OSKAVEL"), 0) << work_file(dir.path(), "stderr.txt");
    EXPECT_EQ(work_file(dir.path(), "stderr.txt"), "");
    std::string want = utf8_to_cp932_lossy("ブロック分割図、浮力部分分割図") + "\r\n" +
                       "  26  12  15   9   5   0        sample_block_quay\r\n"
                       "$1                  M_BLKDV.PZK\r\n"
                       "$1                  M_FRKDV.PZK\r\n"
                       "$1                  M_SEN1DV.PZK\r\n";
    if (seismic) want += "$1                  M_SEN2DV.PZK\r\n";
    EXPECT_EQ(work_file(dir.path(), "DMBLOCKZ.PDT"), want);
    EXPECT_EQ(fs::exists(dir / "M_SEN2DV.PZK"), seismic != 0);
    const std::string fig = work_file(dir.path(), "M_SEN1DV.PZK");
    EXPECT_EQ(fig.substr(0, fig.find(utf8_to_cp932_lossy("《"))),
              "M_SEN1DV.PZK\r\n46  65\r\nL  100  300 4000  300 0 3\r\n"
              "L 4000  300 4000 6200 0 3\r\nL 4000 6200  100 6200 0 3\r\n"
              "L  100 6200  100  300 0 3\r\nL  400  300  400 6200 0 3\r\n"
              "K  325 6000  150  150   90 2\r\n");
  }
}

// The sample's improved body is the rectangle x 0 .. 20, levels -25 .. -10 (slot of type 7),
// the wall blocks above it reach +3.0; the water levels lie inside. Extents 0 .. 20 by
// -25 .. 3: kx = 200, ky = 2600 / 28 = 92.857..., so the height decides: the width takes
// trunc(20 * 92.857) = 1857 units, margin = (5700 - 1857 - 710) / 2 = 1566,
// origin_y = 6100 - 1566 - 710 = 3824. The body's corners: level -25 at page x 3600,
// -10 at 3600 - trunc(15 * 92.857) = 3600 - 1392 = 2208; x 0 at page y 3824,
// 20 at 3824 - 1857 = 1967.
TEST_F(OskavelRun, SampleImprovedBodyOutlineInPageUnits) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_block_quay");
  ASSERT_EQ(run_engine(dir.path(), "OSKAVEL"), 0) << work_file(dir.path(), "stderr.txt");
  const std::string fig = work_file(dir.path(), "M_BLKDV.PZK");
  for (const char* line : {"L 3600 3824 2208 3824 0 3\r\n", "L 2208 3824 2208 1967 0 3\r\n",
                           "L 2208 1967 3600 1967 0 3\r\n", "L 3600 1967 3600 3824 0 3\r\n"})
    EXPECT_NE(fig.find(line), std::string::npos) << line << fig;
}

// The first sample with its wall as a polygon from level -10 to +3 crossing the R.W.L. (+0.6):
// (0, -10), (0, 3), (4, 3), (4, -2), (6, -2), (6, -10), 24 kN/m3 above the R.W.L. and 22 below;
// the check point (4, 3) on the wall top with a spread of 10 degrees (angle -20 + 30); the
// dimension points 0, 4, 6, 20 (upper) and 0, 10, 20 (lower).
void polygon_wall(model::ProjectModel& m) {
  model::PolygonShape& p = m.wall_blocks[0].polygon;
  m.wall_blocks[0].block_type = model::BLOCK_POLYGON;
  p.head.ref_x = 0;
  p.head.ref_y = -10;
  p.head.unit_weights[0] = 24;
  p.head.unit_weights[1] = 12;
  p.head.unit_weights[2] = 22;
  const double vx[] = {0, 0, 4, 4, 6, 6}, vy[] = {0, 13, 13, 8, 8, 0};
  p.vertex_count = 6;
  for (int i = 0; i < 6; ++i) {
    p.vertex_x[i] = vx[i];
    p.vertex_y[i] = vy[i];
  }
  for (auto& r : m.conditions.body_reactions) {
    r.check_x = 4;
    r.check_y = 3;
    r.spread_angle = -20;
  }
  const double upper[] = {0, 4, 6, 20}, lower[] = {0, 10, 20};
  m.conditions.dimension_points[0].count = 4;
  m.conditions.dimension_points[1].count = 3;
  for (int i = 0; i < 4; ++i) m.conditions.dimension_points[0].x[i] = upper[i];
  for (int i = 0; i < 3; ++i) m.conditions.dimension_points[1].x[i] = lower[i];
}

bool has_line(const std::string& figure, const std::string& line) {
  return figure.find("\r\n" + line + "\r\n") != std::string::npos;
}

// Scale 2600 / 28 and origin_y 3824 as above. The cut at +0.6 gives the upper rectangle
// (0 .. 4, 0.6 .. 3) numbered 1 at its middle (2, 1.8): page x 3600 - 2488 + 25 = 1137, page y
// 3824 - 185 + 12 = 3651; the lower part gives two rectangles (x 0 .. 4 and 4 .. 6), 2 and 3.
// The buoyancy figure has those two only, and the R.W.L. at page x 1223 across from page y
// 3824 to 1967. The shear figures: the body top -10 between B (0, -10) and A (20, -10); Q at
// x = 4 - 13 tan 10 = 1.70774 (page y 3824 - 158 = 3666); the spread line from (4, 3) at page
// (1000, 3453) to (2208, 3666), the wall cut from level 3 to -10 along page y 3666, the width
// "1.708". The upper chain 4.000, 2.000, 14.000 and 20.000 at page x 850 and 700.
TEST_F(OskavelRun, PolygonWallAcrossTheResidualLevelIsDividedAndCut) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_block_quay", polygon_wall);
  ASSERT_EQ(run_engine(dir.path(), "OSKAVEL"), 0) << work_file(dir.path(), "stderr.txt");
  EXPECT_EQ(work_file(dir.path(), "stderr.txt"), "");
  const std::string blk = work_file(dir.path(), "M_BLKDV.PZK");
  EXPECT_TRUE(has_line(blk, "K 1137 3651   50   50   90 2\r\n1")) << blk;
  EXPECT_TRUE(has_line(blk, "3"));
  EXPECT_FALSE(has_line(blk, "4"));
  for (const char* l : {"Y  850 3824  850 3453   40   20 2", "4.000", "2.000", "14.000",
                        "Y  700 3824  700 1967   40   20 2", "20.000"})
    EXPECT_TRUE(has_line(blk, l)) << l;
  const std::string frk = work_file(dir.path(), "M_FRKDV.PZK");
  EXPECT_TRUE(has_line(frk, "L 1223 3824 1223 1967 3 1"));
  EXPECT_TRUE(has_line(frk, "2"));
  EXPECT_FALSE(has_line(frk, "3"));
  const std::string sen = work_file(dir.path(), "M_SEN1DV.PZK");
  for (const char* l : {"L 1000 3453 2208 3666 2 1", "L 2208 3666 3600 3666 1 1",
                        "L 1000 3666 2208 3666 2 1", "1.708"})
    EXPECT_TRUE(has_line(sen, l)) << l << sen;
}

TEST_F(OskavelRun, SectionWithoutBlocksStopsBeforeAnyFile) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_block_quay", [](model::ProjectModel& m) {
    for (auto& b : m.wall_blocks) b.block_type = model::BLOCK_EMPTY;
    m.used_slot_count = 0;
  });
  EXPECT_EQ(run_engine(dir.path(), "OSKAVEL"), 1);
  EXPECT_NE(work_file(dir.path(), "stderr.txt").find("QVTMSG\terror\terror\t"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "DMBLOCKZ.PDT"));
  EXPECT_FALSE(fs::exists(dir / "M_BLKDV.PZK"));
}

TEST_F(OskavelRun, AFigureThatCannotBeCreatedEndsWithAMessageNamingIt) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_block_quay");
  fs::create_directory(dir / "M_FRKDV.PZK");
  EXPECT_EQ(run_engine(dir.path(), "OSKAVEL"), 1);
  EXPECT_NE(work_file(dir.path(), "stderr.txt").find("印字用ファイル(M_FRKDV.PZK)"),
            std::string::npos);
}

}  // namespace
}  // namespace qvt::oskavel
