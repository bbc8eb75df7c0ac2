#include "frontend/results/results_export.h"

#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

namespace qvt::results {
namespace {

// What the engines write for checks they could not compute: the normal pull-out and the seismic
// toe pressure without a value (0, failed), the seismic bearing capacity without a limit (0,
// failed). Each reads "－" in its own place, the pull-out's levels too; computed failures keep
// their numbers, a negative shear with its sign (the export shows no relation).
CheckResults sample_results() {
  CheckResults r{};
  r[0][0] = {1.523, 1.2, 0, 0, 0};
  r[0][6] = {0, 1.2, 0, 0, 1};
  r[1][2] = {76.976, 0, 0, 0, 1};
  r[1][3] = {0, 1000, 0, 0, -1};
  r[1][4] = {120.5, 100, 0, 0, 1};
  r[1][5] = {-11.412, 10, 0, 0, 1};
  r[1][6] = {0.8, 1.1, -6, -1, 1};
  return r;
}

TEST(ResultsExport, BlockByteForByte) {
  const std::string expected_utf8 =
      "\"常時\"\r\n"
      "\"滑動\",1.523,1.200, 0 \r\n"
      "\"転倒\",0.000,0.000, 0 \r\n"
      "\"支持力\",0.000,0.000, 0 \r\n"
      "\"端趾圧\",0.000,0.000, 0 \r\n"
      "\"せん断(壁式の長壁)\",0.000,0.000, 0 \r\n"
      "\"せん断(壁式の短壁)\",0.000,0.000, 0 \r\n"
      "\"抜け出し\",－,1.200, 1 ,－～－\r\n"
      "\"内部応力(接円式)\",0.000,0.000, 0 \r\n"
      "\"地震時\"\r\n"
      "\"滑動\",0.000,0.000, 0 \r\n"
      "\"転倒\",0.000,0.000, 0 \r\n"
      "\"支持力\",76.976,－, 1 \r\n"
      "\"端趾圧\",－,1000.000,-1 \r\n"
      "\"せん断(壁式の長壁)\",120.500,100.000, 1 \r\n"
      "\"せん断(壁式の短壁)\",-11.412,10.000, 1 \r\n"
      "\"抜け出し\",0.800,1.100, 1 ,-6.000m～-1.000m\r\n"
      "\"内部応力(接円式)\",0.000,0.000, 0 \r\n";
  const std::string block = results_export_block(sample_results());
  EXPECT_EQ(block, utf8_to_cp932_lossy(expected_utf8));
  // The full-width tilde is 81 60 in the file, the full-width dash 81 7C.
  EXPECT_NE(block.find("\"," "\x81\x7c,1.200"), std::string::npos);
  EXPECT_NE(block.find("m\x81\x60-1.000m"), std::string::npos);
}

TEST(ResultsExport, ProposedName) {
  EXPECT_EQ(proposed_export_name("/home/u/quay"), "/home/u/quay.txt");
  EXPECT_EQ(proposed_export_name(""), "無題.txt");
}

TEST(ResultsExport, CopiesTheListingThenTheResults) {
  qvt::testing::TempDir dir;
  const std::string listing = "\"W\",100.000\r\n\x8f\x64\x97\xca,2\n";  // CP932 bytes, an LF line
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANS.TXT", listing));
  const auto target = dir / "out.txt";
  EXPECT_EQ(export_results(dir.path(), target, sample_results()), ExportError::none);
  EXPECT_EQ(read_file_bytes(target).value(),
            "\"W\",100.000\r\n\x8f\x64\x97\xca,2\r\n" + results_export_block(sample_results()));
  // An empty listing gives a file that starts with the normal case's heading.
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANS.TXT", ""));
  EXPECT_EQ(export_results(dir.path(), target, sample_results()), ExportError::none);
  EXPECT_EQ(read_file_bytes(target).value(), results_export_block(sample_results()));
}

TEST(ResultsExport, FailuresLeaveEverythingAsItWas) {
  qvt::testing::TempDir dir;
  const auto target = dir / "out.txt";
  ASSERT_TRUE(write_file_bytes(target, "previous"));
  // No listing: nothing is written.
  EXPECT_EQ(export_results(dir.path(), target, sample_results()), ExportError::listing_unreadable);
  EXPECT_EQ(read_file_bytes(target).value(), "previous");
  // The listing itself as the target: refused, the listing kept.
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANS.TXT", "listing\r\n"));
  EXPECT_EQ(export_results(dir.path(), dir / "CAL_ANS.TXT", sample_results()),
            ExportError::target_is_listing);
  EXPECT_EQ(read_file_bytes(dir / "CAL_ANS.TXT").value(), "listing\r\n");
  // A folder that does not exist.
  EXPECT_EQ(export_results(dir.path(), dir / "no" / "out.txt", sample_results()),
            ExportError::target_unwritable);
  EXPECT_EQ(export_failure_text(ExportError::target_unwritable, dir / "no" / "out.txt"),
            "ファイル(" + (dir / "no" / "out.txt").string() + ")に保存できません。");
}

}  // namespace
}  // namespace qvt::results
