// SAVELIN run as a process on the first test section, and on damaged or unwritable work
// folders.
#include "engines/common/tests/golden_file.h"
#include "engines/common/tests/sample_work_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace qvt::savelin {
namespace {

namespace fs = std::filesystem;
using engine::testing::file_matches_golden;
using engine::testing::run_engine;
using engine::testing::work_file;
using engine::testing::write_sample_input;

fs::path golden(const char* name) { return engine::testing::golden_folder("savelin") / name; }

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
  EXPECT_TRUE(file_matches_golden(golden("DM0000JK.PDT"), dir / "DM0000JK.PDT"));
  EXPECT_EQ(work_file(dir.path(), "stderr.txt"), "");
}


// DM0000JS.PDT of the first sample, checked field by field against sample_block_quay.MBJ:
//   A 上部工, a rectangle (QVT_BKK, first on its page): size 6 x 13, weights below R.W.L. 24,
//     above 24, submerged 13.9, reference point (0, -10);
//   B 改良体, a rectangle ("$R   5"): 20 x 15, 16 / 16 / 5.9, reference point (0, -25); "$E".
// QVT_CHEK.TMP against sample_block_quay.MSJ, line by line: job name and block pattern;
//   stresses 600 / 900, 300 / 450, design strength 0 / 0; safety factors 1.2 / 1.0, 1.2 / 1.1,
//   2.5 / 1.5, pull-out 1.2 / 1.0 ("%10.1lf"); water 10.1, cohesion base -10; both clay
//   formulas compared; H.W.L. 1.8, L.W.L. 0, R.W.L. 0.6; seismic check on ("■"); vertical
//   liquefied pressure ignored ("■"), coefficient 1.0; coefficients given directly (0.15 /
//   0.15, factors 0), apparent 0.300 given directly, the 0 sentences of the R.W.L., clay and
//   seabed rules but both clay comparisons at 1 (比較する); no external force (six empty names); top surcharge
//   0 .. 6 with 10 / 5; reaction 0 / 0, width 0 / 0, angle 0 + 30; superstructure check point
//   (0, 0); improved body at 0, 20 wide, Dh1 = Dh2 = -25; straight surface, slopes 0 / 0,
//   surcharge 10 / 5, seabed 0 / 0; sandy bearing layer 10, 1, N 50, phi by (√12N)+15, 40,
//   93.7, 64.2, friction tan phi; land layers sand 3 .. -10 and clay -10 .. -25 (not
//   liquefied: "-----"), sea layer clay -10 .. -25; options wall friction 15, collapse 45 /
//   45, Kc 0.5, K0 0.5, dummy length 100, pitch 0.5, the 0 sentence of every option.
TEST_F(SavelinRun, FirstSampleGivesTheGoldenBlockReportListingAndChecklist) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_block_quay");
  ASSERT_EQ(run_engine(dir.path(), "SAVELIN"), 0) << work_file(dir.path(), "stderr.txt");
  EXPECT_TRUE(file_matches_golden(golden("block_quay_DM0000JS.PDT"), dir / "DM0000JS.PDT"));
  EXPECT_TRUE(file_matches_golden(golden("block_quay_QVT_CHEK.TMP"), dir / "QVT_CHEK.TMP"));
}

// DM0000JS.PDT of the second sample, checked field by field against sample_caisson_quay.MBJ:
//   A ケーソン, type 2 sub-type 1 (水平形状、両側), weights 24.5 / 14.4; dims_a rows
//     (11, 1.5, 1, 0), (12, 1, 0.5, 0.4), (20, 0.5, 0.4, 0), (0.3, 0.3, 0.5, 0) give 05..15 =
//     12, 0.5, 0.4, 20, 0.5, 0.4, 11, 1.5, 1, 1, 0.5; flags 3 and 4; dims_b rows 3.4 x 3 and
//     4.45 x 4: 18/19 the first pair, three BKS1 rows, the third "00  ------" (3 < flag_a
//     fails); BKS2 0.3; one part 中詰砂 9.5 / 20 / 18 / 9.9; reference point (0, -10);
//   B 改良体 and C 上部工 (12 x 2 at (1, 1), 24 / 24 / 13.9), each after "$R   5"; "$E".
TEST_F(SavelinRun, SecondSampleGivesTheGoldenBlockReport) {
  qvt::testing::TempDir dir;
  write_sample_input(dir.path(), "sample_caisson_quay");
  ASSERT_EQ(run_engine(dir.path(), "SAVELIN"), 0) << work_file(dir.path(), "stderr.txt");
  EXPECT_TRUE(file_matches_golden(golden("caisson_quay_DM0000JS.PDT"), dir / "DM0000JS.PDT"));
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
