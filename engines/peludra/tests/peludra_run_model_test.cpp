// PELUDRA run as a process on the first test section.
#include "common/cp932.h"
#include "engines/common/tests/sample_work_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace qvt::peludra {
namespace {

namespace fs = std::filesystem;
using engine::testing::run_engine;
using engine::testing::work_file;
using engine::testing::write_sample_input;

class PeludraRun : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("SOURCE_DATE_EPOCH", "1797325500", 1); }
  void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }
};

TEST_F(PeludraRun, OneReportAndFigurePerCaseOfTheRun) {
  for (int seismic : {0, 2}) {
    qvt::testing::TempDir dir;
    write_sample_input(dir.path(), "sample_block_quay",
                       [&](model::ProjectModel& m) { m.conditions.seismic_check = seismic; });
    ASSERT_EQ(run_engine(dir.path(), "PELUDRA"), 0) << work_file(dir.path(), "stderr.txt");
    EXPECT_EQ(work_file(dir.path(), "stderr.txt"), "");
    EXPECT_EQ(work_file(dir.path(), "DM0000JZ.PDT"),
              utf8_to_cp932_lossy("検討条件図            〈常  時〉") +
                  "\r\n  26  12  15   9   5   0        sample_block_quay\r\n"
                  "$1                  JY_KJKZ.PZK\r\n");
    EXPECT_EQ(fs::exists(dir / "DM1000JZ.PDT"), seismic != 0);
    EXPECT_EQ(fs::exists(dir / "JS_KJKZ.PZK"), seismic != 0);
    const std::string head = "JY_KJKZ.PZK\r\n46  65\r\nL  100  300 4000  300 0 3\r\n"
                             "L 4000  300 4000 6200 0 3\r\nL 4000 6200  100 6200 0 3\r\n"
                             "L  100 6200  100  300 0 3\r\nL  400  300  400 6200 0 3\r\n"
                             "K  325 6000  150  150   90 2\r\n" +
                             utf8_to_cp932_lossy("《 検 討 条 件 図  ［常  時］》") + "\r\n";
    EXPECT_EQ(work_file(dir.path(), "JY_KJKZ.PZK").substr(0, head.size()), head);
    if (seismic) {
      EXPECT_EQ(work_file(dir.path(), "DM1000JZ.PDT"),
                utf8_to_cp932_lossy("検討条件図            〈地震時〉") +
                    "\r\n  26  12  15   9   5   0        sample_block_quay\r\n"
                    "$1                  JS_KJKZ.PZK\r\n");
    }
  }
}

// The first sample's normal-case figure: extents 0 .. 20 by -25 .. 3 (the blocks), no ground
// points beyond them: scale = min(2500 / 20, 3000 / 28) = 107.142857, origin_y =
// trunc(20 * 0.5 * 107.14 + 3250) = 4321, origin_x = trunc(28 * 0.5 * 107.14 + 2300) = 3800.
// H.W.L 1.8 at page x 3800 - trunc(26.8 * 107.14) = 929, its leader to 4321 + 70 + 595 + 150
// = 5136, its text at (915, 4321 + 70 + 525); L.W.L 0.0 at 3800 - 2678 = 1122. The land face
// x 20 at page y 4321 - 2142 = 2179, the band to 579; R.W.L 0.6 at 3800 - 2742 = 1058, its
// text at (1044, 579 + 490). The wall-top surcharge 10 kN/m2 over x 0 .. 6 at level 3
// (page x 800) alone fixes the scale (the ground's 10 as well): 200 high, up to page x 600.
TEST_F(PeludraRun, FirstSampleWaterLevelsLayersAndLoads) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_block_quay");
  ASSERT_EQ(run_engine(dir.path(), "PELUDRA"), 0) << work_file(dir.path(), "stderr.txt");
  const std::string fig = work_file(dir.path(), "JY_KJKZ.PZK");
  for (const std::string l :
       {"L  929 4321  929 5136 0 2", "K  915 4916   70   70   90 2\r\nH.W.L  +1.800",
        "L 1122 4321 1122 5136 0 2", "L 1058 2179 1058  579 0 2",
        "K 1044 1069   70   70   90 2\r\nR.W.L  +0.600", "L  800 4321  600 4321 0 2",
        "L  800 2179  600 2179 0 2"})
    EXPECT_NE(fig.find("\r\n" + l + "\r\n"), std::string::npos) << l << fig;
  const std::string seismic = work_file(dir.path(), "JS_KJKZ.PZK");
  EXPECT_NE(seismic.find(utf8_to_cp932_lossy("ω'= 5.000kN/m\\U2")), std::string::npos);
}

TEST_F(PeludraRun, SectionWithoutBlocksStopsBeforeAnyFile) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_block_quay", [](model::ProjectModel& m) {
    for (auto& b : m.wall_blocks) b.block_type = model::BLOCK_EMPTY;
    m.used_slot_count = 0;
  });
  EXPECT_EQ(run_engine(dir.path(), "PELUDRA"), 1);
  EXPECT_NE(work_file(dir.path(), "stderr.txt").find("QVTMSG\terror\terror\t"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "DM0000JZ.PDT"));
}

TEST_F(PeludraRun, AFigureThatCannotBeCreatedEndsWithAMessageNamingIt) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_block_quay");
  fs::create_directory(dir / "JY_KJKZ.PZK");
  EXPECT_EQ(run_engine(dir.path(), "PELUDRA"), 1);
  EXPECT_NE(work_file(dir.path(), "stderr.txt").find("印字用ファイル(JY_KJKZ.PZK)"),
            std::string::npos);
}

}  // namespace
}  // namespace qvt::peludra
