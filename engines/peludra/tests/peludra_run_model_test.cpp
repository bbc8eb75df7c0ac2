// PELUDRA run as a process on the first shipped sample.
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
