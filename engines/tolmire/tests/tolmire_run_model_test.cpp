// TOLMIRE run as a process after ZENOBAR and VASKUDE on the first shipped sample: the cases of
// the run, and the result files it refuses.
#include "engines/common/tests/sample_work_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace qvt::tolmire {
namespace {

namespace fs = std::filesystem;
using engine::testing::run_engine;
using engine::testing::work_file;
using engine::testing::write_sample_input;

void prepare(const qvt::testing::TempDir& dir, int seismic) {
  write_sample_input(dir.path(), "sample_block_quay",
                     [&](model::ProjectModel& m) { m.conditions.seismic_check = seismic; });
  ASSERT_EQ(run_engine(dir.path(), "ZENOBAR"), 0) << work_file(dir.path(), "stderr.txt");
  ASSERT_EQ(run_engine(dir.path(), "VASKUDE"), 0) << work_file(dir.path(), "stderr.txt");
}

TEST(TolmireRun, ReadsTheWorkFileOfEveryCaseOfTheRun) {
  for (int seismic : {0, 2}) {
    qvt::testing::TempDir dir;
    prepare(dir, seismic);
    ASSERT_TRUE(fs::exists(dir / "DAT_PRN1.DAT"));
    EXPECT_EQ(fs::exists(dir / "DAT_PRN2.DAT"), seismic != 0);
    EXPECT_EQ(run_engine(dir.path(), "TOLMIRE"), 0) << work_file(dir.path(), "stderr.txt");
    EXPECT_EQ(work_file(dir.path(), "stderr.txt"), "");
    // The data report of every case with its figure and tables; no surcharge report for the
    // straight ground surface of the sample.
    for (const char* f : {"DM002DAT.PDT", "DOATU_Z0.PZK", "SD_SUI_1.PFM", "JD_SUI_1.PFM"})
      EXPECT_TRUE(fs::exists(dir / f)) << f;
    for (const char* f : {"DM102DAT.PDT", "DOATU_Z1.PZK", "SD_SUI_2.PFM", "DOUSUI.PFM"})
      EXPECT_EQ(fs::exists(dir / f), seismic != 0) << f;
    EXPECT_FALSE(fs::exists(dir / "DM001KJU.PDT"));
  }
}

TEST(TolmireRun, AMissingWorkFileOfTheSeismicCaseStopsTheRun) {
  qvt::testing::TempDir dir;
  prepare(dir, 2);
  fs::remove(dir / "DAT_PRN2.DAT");
  EXPECT_EQ(run_engine(dir.path(), "TOLMIRE"), 1);
  EXPECT_NE(work_file(dir.path(), "stderr.txt")
                .find("QVTMSG\terror\terror\t(ERROR)-土圧計算結果ファイル(DAT_PRN.DAT)がオープンできません."),
            std::string::npos)
      << work_file(dir.path(), "stderr.txt");
}

TEST(TolmireRun, ACutWorkFileStopsTheRunNamingIt) {
  qvt::testing::TempDir dir;
  prepare(dir, 0);
  fs::resize_file(dir / "DAT_PRN1.DAT", 1000);
  EXPECT_EQ(run_engine(dir.path(), "TOLMIRE"), 1);
  EXPECT_NE(work_file(dir.path(), "stderr.txt").find("(DAT_PRN1.DAT)の内容が正しくありません."),
            std::string::npos);
}

}  // namespace
}  // namespace qvt::tolmire
