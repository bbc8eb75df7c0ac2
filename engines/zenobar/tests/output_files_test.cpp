#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"
#include "engines/zenobar/tests/zen_fixture.h"

#include <cmath>
#include <limits>

namespace qvt::zenobar {
namespace {

using testing::sjis;

class OutputFilesTest : public testing::ZenTest {};

TEST_F(OutputFilesTest, NoBuoyancyTemplateNamesTheBlockAndZeroesItsBuoyancy) {
  run_data.block_results[3][KIND_BUOYANCY].weight = 12.5;
  engine::PrintFile report;
  open_output(report, "R.PDT");
  write_no_buoyancy_template(report, "FRKNI_03.PFM", sjis("上部工"), 3);
  close_output(report);
  EXPECT_EQ(lines_of("R.PDT"), std::vector<std::string>{"$0  FRKNI_03.PFM"});
  EXPECT_EQ(lines_of("FRKNI_03.PFM"),
            (std::vector<std::string>{"FRKNI_03.PFM", "2", "", sjis("《上部工》 浮力は作用しない")}));
  EXPECT_EQ(run_data.block_results[3][KIND_BUOYANCY].weight, 0.0);
}

TEST_F(OutputFilesTest, ReportPrintfConvertsTheFormatAndEndsLinesWithCrLf) {
  engine::PrintFile report;
  open_output(report, "R.PDT");
  report_printf(report, "00  《%s》 \n01  %-6s|%6.3f\n", sjis("名").c_str(), sjis("γ").c_str(),
                2.5);
  close_output(report);
  EXPECT_EQ(read_file_bytes(dir / "R.PDT").value_or(""),
            sjis("00  《名》 \r\n01  γ    | 2.500\r\n"));
}

TEST_F(OutputFilesTest, AFileThatCannotBeCreatedStopsTheEngineAfterItsMessage) {
  engine::PrintFile file;
  EXPECT_THROW(open_output(file, "no_such_folder/M_BLKV_A.PFM"), engine::EngineStop);
  ASSERT_EQ(channel.lines.size(), 1u);
  EXPECT_EQ(channel.lines[0].rfind("QVTMSG\terror\t", 0), 0u) << channel.lines[0];
  EXPECT_NE(channel.lines[0].find("M_BLKV_A.PFM"), std::string::npos);
}

TEST_F(OutputFilesTest, Round3CountsValuesThatAreNotFinite) {
  // round_to_unit(v, 0.001, 0): half to even inside the tolerance band.
  EXPECT_DOUBLE_EQ(round3(1.23456), 1.235);
  EXPECT_DOUBLE_EQ(round3(2.0025), 2.002);
  EXPECT_DOUBLE_EQ(round3(-2.0025), -2.002);
  EXPECT_EQ(non_finite_count(), 0);
  EXPECT_EQ(round3(std::numeric_limits<double>::quiet_NaN()), 0.0);
  EXPECT_EQ(round3(std::numeric_limits<double>::infinity()), 0.0);
  EXPECT_EQ(non_finite_count(), 2);
  reset_run_data();
  EXPECT_EQ(non_finite_count(), 0);
}

}  // namespace
}  // namespace qvt::zenobar
