#include "frontend/results/results_export.h"

#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/results/results_table.h"
#include "frontend/results/tests/message_recorder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

namespace qvt::results {
namespace {

constexpr int kSeismicOn = 2;
constexpr int kBlock = 0, kWall = 1, kTangentCircle = 2, kLattice = 3;

// A wall-type run with the seismic check. What the engines write for checks they could not
// compute: the normal pull-out and the seismic toe pressure without a value (0, failed), the
// seismic bearing capacity without a limit (0, failed). Each reads "－" in its own place, the
// pull-out's levels too, the flag kept; computed failures keep their numbers, a negative shear
// with its sign (the export shows no relation). The internal stress, which a wall body has not,
// holds zeros with a flag 0 in both cases, as the engines leave it.
CheckResults sample_results() {
  CheckResults r{};
  r[0][0] = {1.523, 1.2, 0, 0, 0};
  r[0][1] = {2.104, 1.2, 0, 0, 0};
  r[0][2] = {283.25, 500, 0, 0, 0};
  r[0][3] = {150.25, 500, 0, 0, 0};
  r[0][4] = {55.125, 100, 0, 0, 0};
  r[0][5] = {44.5, 100, 0, 0, 0};
  r[0][6] = {0, 1.2, 0, 0, 1};
  r[1][0] = {1.05, 1.0, 0, 0, 0};
  r[1][1] = {1.3, 1.1, 0, 0, 0};
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
      "\"転倒\",2.104,1.200, 0 \r\n"
      "\"支持力\",283.250,500.000, 0 \r\n"
      "\"端趾圧\",150.250,500.000, 0 \r\n"
      "\"せん断(壁式の長壁)\",55.125,100.000, 0 \r\n"
      "\"せん断(壁式の短壁)\",44.500,100.000, 0 \r\n"
      "\"抜け出し\",－,1.200, 1 ,－～－\r\n"
      "\"内部応力(接円式)\",－,－,－\r\n"
      "\"地震時\"\r\n"
      "\"滑動\",1.050,1.000, 0 \r\n"
      "\"転倒\",1.300,1.100, 0 \r\n"
      "\"支持力\",76.976,－, 1 \r\n"
      "\"端趾圧\",－,1000.000,-1 \r\n"
      "\"せん断(壁式の長壁)\",120.500,100.000, 1 \r\n"
      "\"せん断(壁式の短壁)\",-11.412,10.000, 1 \r\n"
      "\"抜け出し\",0.800,1.100, 1 ,-6.000m～-1.000m\r\n"
      "\"内部応力(接円式)\",－,－,－\r\n";
  const std::string block = results_export_block(sample_results(), kSeismicOn, kWall);
  EXPECT_EQ(block, utf8_to_cp932_lossy(expected_utf8));
  // The full-width tilde is 81 60 in the file, the full-width dash 81 7C.
  EXPECT_NE(block.find("\"," "\x81\x7c,1.200"), std::string::npos);
  EXPECT_NE(block.find("m\x81\x60-1.000m"), std::string::npos);
}

// The lines of a block, UTF-8, without their line ends.
std::vector<std::string> block_lines(const CheckResults& r, int seismic, int pattern) {
  std::vector<std::string> out;
  const std::string utf8 = cp932_to_utf8_lossy(results_export_block(r, seismic, pattern));
  for (std::size_t at = 0, end; (end = utf8.find("\r\n", at)) != std::string::npos; at = end + 2)
    out.push_back(utf8.substr(at, end - at));
  return out;
}

// Every check the table does not show for the pattern or the case is written as "－" in its
// three places (and its levels); the others keep their numbers and flags. Eight lines a case
// whatever the pattern, under the same two headings. The internal stress of a tangent-circle
// body stands in the place of its toe pressure in the table, so the toe pressure is the one
// not shown.
TEST(ResultsExport, ChecksTheTableDoesNotShowReadDashes) {
  // Passed lines: the factors 1.5 against 1.2, the stresses 1.0 against 1.2.
  CheckResults r{};
  for (int c = 0; c < 2; ++c)
    for (int i = 0; i < CHECK_LINE_COUNT; ++i) r[c][i] = {i <= 1 ? 1.5 : 1.0, 1.2, 0, 0, 0};
  r[0][6] = r[1][6] = {1.5, 1.2, -4, -2, 0};
  const std::string all = "12345678";
  struct Row {
    int seismic;
    int pattern;
    const char* normal_shown;   // checks 1..8 the normal case shows
    const char* seismic_shown;  // and the seismic case
  } rows[] = {
      {kSeismicOn, kBlock, "12345", "12345"},
      {kSeismicOn, kWall, "1234567", "1234567"},
      {kSeismicOn, kTangentCircle, "1238", "1238"},
      {kSeismicOn, kLattice, "123456", "123456"},
      {0, kWall, "1234567", ""},
      {0, kTangentCircle, "1238", ""},
  };
  const char* labels[CHECK_LINE_COUNT] = {"滑動", "転倒", "支持力", "端趾圧", "せん断(壁式の長壁)",
                                     "せん断(壁式の短壁)", "抜け出し", "内部応力(接円式)"};
  for (const Row& row : rows) {
    SCOPED_TRACE("pattern " + std::to_string(row.pattern) + " seismic " + std::to_string(row.seismic));
    const std::vector<std::string> lines = block_lines(r, row.seismic, row.pattern);
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[0], "\"常時\"");
    EXPECT_EQ(lines[9], "\"地震時\"");
    for (int c = 0; c < 2; ++c)
      for (int i = 0; i < CHECK_LINE_COUNT; ++i) {
        const bool shown = std::string(c == 0 ? row.normal_shown : row.seismic_shown)
                               .find(all[static_cast<std::size_t>(i)]) != std::string::npos;
        EXPECT_EQ(check_shown(i, c, row.seismic, row.pattern), shown) << c << " " << i;
        const std::string head = std::string("\"") + labels[i] + "\",";
        const std::string numbers = i == 6   ? "1.500,1.200, 0 ,-4.000m～-2.000m"
                                    : i <= 1 ? "1.500,1.200, 0 "
                                             : "1.000,1.200, 0 ";
        const std::string dashes = i == 6 ? "－,－,－,－～－" : "－,－,－";
        EXPECT_EQ(lines[static_cast<std::size_t>(1 + 9 * c + i)], head + (shown ? numbers : dashes))
            << c << " " << i;
      }
  }
}

// The export shows a check exactly where the results table shows it (with a mark "○" or "×"),
// for every pattern with the seismic check on and off: the two cannot drift apart.
TEST(ResultsExport, ShowsWhatTheResultsTableShows) {
  qvt::testing::TempDir dir;
  std::string file;
  for (int c = 0; c < 2; ++c)
    for (int i = 0; i < CHECK_LINE_COUNT; ++i)
      file += i == 6   ? "1.500000,-4.000000,-2.000000,1.200000,0\r\n"
              : i <= 1 ? "1.500000,1.200000,0\r\n"
                       : "1.000000,1.200000,0\r\n";
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", file));
  for (int seismic : {0, kSeismicOn})
    // 4: a pattern no body has, read from a damaged file, shows every row as the wall does.
    for (int pattern : {kBlock, kWall, kTangentCircle, kLattice, 4}) {
      SCOPED_TRACE("pattern " + std::to_string(pattern) + " seismic " + std::to_string(seismic));
      testing::Recorder sink;
      ResultsTable table;
      table.load(dir.path(), "/td", seismic, pattern, sink);
      const ResultsTableState& s = table.state();
      ASSERT_TRUE(s.check_results.has_value());
      for (int c = 0; c < 2; ++c)
        for (int i = 0; i < CHECK_LINE_COUNT; ++i) {
          // The table's row of check i: the tangent-circle body shows its internal stress in
          // the toe pressure's row; the internal stress has no row of its own.
          bool in_table = false;
          for (int row = 0; row < kResultRows; ++row) {
            const int item = row == 3 && pattern == kTangentCircle ? 7 : row;
            if (item == i && s.marks[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)] != "－")
              in_table = true;
          }
          EXPECT_EQ(check_shown(i, c, seismic, pattern), in_table) << c << " " << i;
        }
    }
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
  EXPECT_EQ(export_results(dir.path(), target, sample_results(), kSeismicOn, kWall), ExportError::none);
  EXPECT_EQ(read_file_bytes(target).value(),
            "\"W\",100.000\r\n\x8f\x64\x97\xca,2\r\n" + results_export_block(sample_results(), kSeismicOn, kWall));
  // An empty listing gives a file that starts with the normal case's heading.
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANS.TXT", ""));
  EXPECT_EQ(export_results(dir.path(), target, sample_results(), kSeismicOn, kWall), ExportError::none);
  EXPECT_EQ(read_file_bytes(target).value(), results_export_block(sample_results(), kSeismicOn, kWall));
}

TEST(ResultsExport, FailuresLeaveEverythingAsItWas) {
  qvt::testing::TempDir dir;
  const auto target = dir / "out.txt";
  ASSERT_TRUE(write_file_bytes(target, "previous"));
  // No listing: nothing is written.
  EXPECT_EQ(export_results(dir.path(), target, sample_results(), kSeismicOn, kWall), ExportError::listing_unreadable);
  EXPECT_EQ(read_file_bytes(target).value(), "previous");
  // The listing itself as the target: refused, the listing kept.
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANS.TXT", "listing\r\n"));
  EXPECT_EQ(export_results(dir.path(), dir / "CAL_ANS.TXT", sample_results(), kSeismicOn, kWall),
            ExportError::target_is_listing);
  EXPECT_EQ(read_file_bytes(dir / "CAL_ANS.TXT").value(), "listing\r\n");
  // A folder that does not exist.
  EXPECT_EQ(export_results(dir.path(), dir / "no" / "out.txt", sample_results(), kSeismicOn,
                           kWall),
            ExportError::target_unwritable);
  EXPECT_EQ(export_failure_text(ExportError::target_unwritable, dir / "no" / "out.txt"),
            "ファイル(" + (dir / "no" / "out.txt").string() + ")に保存できません。");
}

}  // namespace
}  // namespace qvt::results
