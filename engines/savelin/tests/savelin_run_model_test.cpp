// SAVELIN run as a process on the first shipped sample, and on damaged or unwritable work
// folders.
#include "engines/common/tests/sample_work_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace qvt::savelin {
namespace {

namespace fs = std::filesystem;
using engine::testing::run_engine;
using engine::testing::work_file;
using engine::testing::write_sample_input;

class SavelinRun : public ::testing::Test {
 protected:
  // 2026-12-15 09:05:00 UTC.
  void SetUp() override { ::setenv("SOURCE_DATE_EPOCH", "1797325500", 1); }
  void TearDown() override { ::unsetenv("SOURCE_DATE_EPOCH"); }
};

// The golden report, checked field by field against sample_block_quay.MSJ:
//   stamp "  26  12  15   9   5   0", then the title "sample_block_quay" after 8 blanks;
//   SJKN_000  H.W.L. 1.8, L.W.L. 0, R.W.L. 0.6, water 10.1;
//   SJKN_010  seismic check 2 with coefficients given directly: earth 0.15, inertia 0.15;
//   SJKN_050  block pattern: sliding 1.2 / 1.0, overturning 1.2 / 1.1, bearing 2.5 / 1.5;
//   SJKN_052  compressive 600 / 900, shear 300 / 450;
//   SJKN_060, SJKN_061  top surcharge 0: x 0 .. 6, 10 normal, 5 seismic (ranges 1..3 unloaded);
//   SJKN_070, SJKN_071  straight surface with 10 / 5 after the top-surcharge heading;
//   no seabed surcharge (0 / 0), so no SJKN_073;
//   SJKN_020  land side, 2 layers: sand from +3.000 (18 / 10, phi 30), clay from -10.000
//             (16 / 6, c 30, +2 per metre);
//   SJKN_030  sea side, 1 layer: clay from -10.000 (16 / 6, c 30, +2);
//   SJKN_040  sandy bearing layer: 10, shape 1, N 50 ("%8d"), phi 40, Nr 93.7, Nq 64.2.
TEST_F(SavelinRun, FirstSampleGivesTheGoldenDesignConditionsReport) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_block_quay");
  ASSERT_EQ(run_engine(dir.path(), "SAVELIN"), 0) << work_file(dir.path(), "stderr.txt");
  const std::string golden =
      read_file_bytes(fs::path(QVT_SOURCE_DIR) / "engines/savelin/tests/golden/DM0000JK.PDT")
          .value_or("?");
  EXPECT_EQ(work_file(dir.path(), "DM0000JK.PDT"), golden);
  EXPECT_EQ(work_file(dir.path(), "stderr.txt"), "");
}

TEST_F(SavelinRun, MissingConditionsFileEndsWithAMessageAndNoReport) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_block_quay");
  fs::remove(dir / "QVTAJKN.CAL");
  EXPECT_EQ(run_engine(dir.path(), "SAVELIN"), 1);
  EXPECT_NE(work_file(dir.path(), "stderr.txt").find("QVTMSG\terror"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "DM0000JK.PDT"));
}

TEST_F(SavelinRun, AReportThatCannotBeCreatedEndsWithAMessageNamingIt) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_block_quay");
  fs::create_directory(dir / "DM0000JK.PDT");  // in the way of the report
  EXPECT_EQ(run_engine(dir.path(), "SAVELIN"), 1);
  const std::string err = work_file(dir.path(), "stderr.txt");
  EXPECT_NE(err.find("QVTMSG\terror\terror\t印字用ファイル(DM0000JK.PDT)がオープンできません."),
            std::string::npos)
      << err;
}

}  // namespace
}  // namespace qvt::savelin
