// OSKAVEL run as a process on the first shipped sample: the report, the head of every figure
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
