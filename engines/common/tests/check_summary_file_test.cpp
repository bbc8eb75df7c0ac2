// CAL_ANZ.DAT as the stability engines write it and read it back.
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/check_summary_file.h"
#include "engines/common/result_chain_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

namespace qvt::engine {
namespace {

// The external stability engine's summary: its three lines per case, zeros elsewhere.
TEST(CheckSummaryFile, WrittenAndReadBack) {
  qvt::testing::TempDir dir;
  CheckSummary s;
  s.values[0][CV_SLIDING_FS] = 1.234, s.limits[0][CL_REQUIRED_SLIDING_FS] = 1.2;
  s.values[0][CV_OVERTURNING_FS] = 0.999, s.limits[0][CL_REQUIRED_OVERTURNING_FS] = 1.2;
  s.failed[0][1] = 1;
  s.values[0][CV_MAX_REACTION] = 333.333, s.limits[0][CL_ALLOWABLE_BEARING] = 905;
  ASSERT_TRUE(write_check_summary(s, dir.path()).ok());
  const std::string text = read_file_bytes(dir / "CAL_ANZ.DAT").value();
  const std::string zero = "0.000000,0.000000,0\r\n";
  const std::string pullout = "0.000000,0.000000,0.000000,0.000000,0\r\n";
  const std::string zero_case = zero + zero + zero + zero + zero + zero + pullout + zero;
  EXPECT_EQ(text, "1.234000,1.200000,0\r\n0.999000,1.200000,1\r\n333.333000,905.000000,0\r\n" +
                      zero + zero + zero + pullout + zero + zero_case);
  CheckSummary back;
  back.values[1][9] = 7;  // overwritten by the read
  ASSERT_TRUE(read_check_summary(back, dir.path()).ok());
  EXPECT_EQ(back.values, s.values);
  EXPECT_EQ(back.limits, s.limits);
  EXPECT_EQ(back.failed, s.failed);
}

TEST(CheckSummaryFile, FailuresStopTheEngineAndKeepThePreviousFile) {
  qvt::testing::TempDir dir;
  CheckSummary s;
  ASSERT_TRUE(write_check_summary(s, dir.path()).ok());
  const std::string before = read_file_bytes(dir / "CAL_ANZ.DAT").value();
  s.values[0][0] = std::numeric_limits<double>::quiet_NaN();
  const Status nan = write_check_summary(s, dir.path());
  ASSERT_FALSE(nan.ok());
  EXPECT_EQ(nan.stop().messages.at(0).title, "error");
  EXPECT_EQ(read_file_bytes(dir / "CAL_ANZ.DAT").value(), before);

  // A folder that cannot take the file.
  EXPECT_FALSE(write_check_summary(CheckSummary{}, dir / "missing").ok());

  CheckSummary back;
  EXPECT_FALSE(read_check_summary(back, dir / "missing").ok());
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", "1,2,0\r\n"));
  EXPECT_FALSE(read_check_summary(back, dir.path()).ok());
}

// A line that passes on numbers that do not satisfy its check (a sliding factor of -1 against
// 1.2), or on a ground reaction below 0 (the bearing line, -1 against 300), is refused by the
// reader with the file's message; the same line failed is read.
TEST(CheckSummaryFile, APassContradictingItsNumbersIsRefused) {
  qvt::testing::TempDir dir;
  ASSERT_TRUE(write_check_summary(CheckSummary{}, dir.path()).ok());
  std::string text = read_file_bytes(dir / "CAL_ANZ.DAT").value();
  // The first and the third line of the file (sliding and bearing of the normal case).
  const auto eol = text.find("\r\n");
  const auto third_at = text.find("\r\n", eol + 2) + 2;
  const auto third = text.find("\r\n", third_at) - third_at;
  CheckSummary back;
  for (const char* line : {"-1.000000,300.000000,0", "-1.000000,300.000000,1"}) {
    std::string damaged = text;
    damaged.replace(third_at, third, line);
    ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", damaged));
    const Status s = read_check_summary(back, dir.path());
    EXPECT_EQ(s.ok(), line[21] == '1') << line;
    if (s.ok()) {
      EXPECT_EQ(back.values[0][CV_MAX_REACTION], -1);
      EXPECT_EQ(back.failed[0][2], 1);
    }
  }
  for (const char* line : {"-1.000000,1.200000,0", "-1.000000,1.200000,1"}) {
    std::string damaged = text;
    damaged.replace(0, eol, line);
    ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", damaged));
    const Status s = read_check_summary(back, dir.path());
    EXPECT_EQ(s.ok(), line[19] == '1') << line;
    if (!s.ok()) {
      EXPECT_NE(s.stop().messages.at(0).text.find("CAL_ANZ.DAT"), std::string::npos);
    }
  }
}

// The external stability engine's tail of CAL_ANS.DAT at its offsets, after the 5,040 bytes it
// read, unchanged.
TEST(ResultChainExternal, TailAtItsOffsets) {
  std::string layers(RESULT_CHAIN_LAYERS_SIZE, '\0');
  for (std::size_t i = 0; i < layers.size(); ++i) layers[i] = static_cast<char>(i * 7);
  ExternalResults r;
  EXPECT_EQ(r.sliding_fs[1], -9999.99);
  EXPECT_EQ(r.reaction[1][1], -9999.99);
  EXPECT_EQ(r.effective_width[0], 0);
  r.sliding_fs = {1.5, 1.25};
  r.overturning_fs[0] = 2.0;
  r.reaction[0] = {333.333, 0};
  r.allowable_bearing[0] = 905;
  r.effective_width[0] = 6;
  const std::string bytes = encode_result_chain_external(layers + "extra", r);
  ASSERT_EQ(bytes.size(), RESULT_CHAIN_EXTERNAL_SIZE);
  EXPECT_EQ(bytes.substr(0, RESULT_CHAIN_LAYERS_SIZE), layers);
  const auto f64_at = [&](std::size_t offset) {
    double v;
    std::memcpy(&v, bytes.data() + offset, 8);  // the test machine is little-endian
    return v;
  };
  EXPECT_EQ(f64_at(5040), 1.5);
  EXPECT_EQ(f64_at(5048), 1.25);
  EXPECT_EQ(f64_at(5056), 2.0);
  EXPECT_EQ(f64_at(5064), -9999.99);
  EXPECT_EQ(f64_at(5072), 333.333);
  EXPECT_EQ(f64_at(5080), 0.0);
  EXPECT_EQ(f64_at(5088), -9999.99);
  EXPECT_EQ(f64_at(5104), 905.0);
  EXPECT_EQ(f64_at(5112), -9999.99);
  EXPECT_EQ(f64_at(5120), 6.0);
  EXPECT_EQ(f64_at(5128), 0.0);
  const auto back = decode_external_results(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->reaction, r.reaction);
  EXPECT_EQ(back->effective_width, r.effective_width);
  EXPECT_FALSE(decode_external_results(bytes.substr(0, 5135)));
}

}  // namespace
}  // namespace qvt::engine
