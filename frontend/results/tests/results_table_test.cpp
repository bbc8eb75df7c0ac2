#include "frontend/results/results_table.h"

#include "common/check_summary_format.h"
#include "common/tests/temp_dir.h"
#include "frontend/results/tests/message_recorder.h"
#include "common/textfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace qvt::results {
namespace {

using testing::Recorder;

// One line as the stability engines write it ("%lf" numbers, "%d" flags).
std::string line3(double v, double l, int f) {
  char buf[128];
  std::snprintf(buf, sizeof buf, "%lf,%lf,%d", v, l, f);
  return buf;
}
std::string line5(double v, double from, double to, double l, int f) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%lf,%lf,%lf,%lf,%d", v, from, to, l, f);
  return buf;
}

// A summary whose every value differs, so a row that shows the wrong item is seen. The normal
// case passes everything, the seismic case fails everything.
std::vector<std::string> sample_lines() {
  return {
      line3(1.523, 1.2, 0),    line3(2.1, 1.2, 0),   line3(312.5, 600, 0),  line3(-0.25, 0, 0),
      line3(55.125, 100, 0),   line3(44.0005, 100, 0), line5(1.25, -5, -2, 1.2, 0),
      line3(80, 120, 0),
      line3(1.0, 1.1, 1),      line3(0.9, 1.1, 1),   line3(700, 600, 1),    line3(1500, 1400, 1),
      line3(120, 100, 1),      line3(101, 100, 1),   line5(0.8, -6, -1, 1.1, 1),
      line3(130, 120, 1),
  };
}

class ResultsTableTest : public ::testing::Test {
 protected:
  qvt::testing::TempDir dir;
  Recorder sink;
  ResultsTable table;
  void write(const std::vector<std::string>& lines) {
    ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", join_crlf(lines)));
  }
  const ResultsTableState& load(int seismic, int pattern, const std::string& cmd = "") {
    table.load(dir.path(), cmd, seismic, pattern, sink);
    return table.state();
  }
};

TEST_F(ResultsTableTest, WallPatternShowsEveryRowWithTheEnginesVerdicts) {
  write(sample_lines());
  const auto& s = load(2, 1);
  EXPECT_TRUE(sink.texts.empty());
  const char* normal[7] = {"1.523 ≧ 1.200",     "2.100 ≧ 1.200",    "312.500 ＜ 600.000",
                           "-0.250 ＜ 0.000",   "55.125 ＜ 100.000", "44.001 ＜ 100.000",
                           "1.250 ≧ 1.200"};
  const char* seismic[7] = {"1.000 ＜ 1.100",      "0.900 ＜ 1.100",     "700.000 ≧ 600.000",
                            "1500.000 ≧ 1400.000", "120.000 ≧ 100.000",  "101.000 ≧ 100.000",
                            "0.800 ＜ 1.100"};
  for (int row = 0; row < 7; ++row) {
    EXPECT_EQ(s.cells[row][0], normal[row]) << row;
    EXPECT_EQ(s.cells[row][1], seismic[row]) << row;
    EXPECT_EQ(s.marks[row][0], "○") << row;
    EXPECT_EQ(s.marks[row][1], "×") << row;
  }
  EXPECT_EQ(s.row_titles[4], "せん断 長壁");
  EXPECT_EQ(s.row_titles[6], "抜け出し");
  EXPECT_FALSE(s.export_visible);
  EXPECT_TRUE(s.export_enabled);
}

TEST_F(ResultsTableTest, PatternsBlankTheirRowsAndSeismicOffBlanksTheSeismicColumn) {
  write(sample_lines());
  struct Row {
    int pattern, seismic;
    std::vector<int> blank_rows;  // rows whose title, cells and marks are "－"
    const char* row3_title;
    const char* row4_title;
  } rows[] = {
      {0, 2, {5, 6}, "端趾圧", "せん断"},
      {2, 2, {4, 5, 6}, "内部応力", "－"},
      {3, 2, {6}, "端趾圧", "せん断 長壁"},
      {1, 0, {}, "端趾圧", "せん断 長壁"},
      {0, 0, {5, 6}, "端趾圧", "せん断"},
  };
  for (const auto& r : rows) {
    const auto& s = load(r.seismic, r.pattern);
    for (int row = 0; row < 7; ++row) {
      const bool blank = std::find(r.blank_rows.begin(), r.blank_rows.end(), row) != r.blank_rows.end();
      if (blank) {
        EXPECT_EQ(s.row_titles[row], "－") << r.pattern << ' ' << row;
        EXPECT_EQ(s.cells[row][0], "－");
        EXPECT_EQ(s.marks[row][0], "－");
      } else {
        EXPECT_NE(s.cells[row][0], "－") << r.pattern << ' ' << row;
      }
      if (r.seismic == 0 || blank) {
        EXPECT_EQ(s.cells[row][1], "－") << r.pattern << ' ' << row;
        EXPECT_EQ(s.marks[row][1], "－");
      } else {
        EXPECT_NE(s.cells[row][1], "－");
      }
    }
    EXPECT_EQ(s.row_titles[3], r.row3_title) << r.pattern;
    EXPECT_EQ(s.row_titles[4], r.row4_title) << r.pattern;
  }
}

TEST_F(ResultsTableTest, TangentCircleRowThreeShowsTheInternalStress) {
  write(sample_lines());
  const auto& s = load(2, 2);
  EXPECT_EQ(s.cells[3][0], "80.000 ≦ 120.000");
  EXPECT_EQ(s.marks[3][0], "○");
  EXPECT_EQ(s.cells[3][1], "130.000 ＞ 120.000");
  EXPECT_EQ(s.marks[3][1], "×");
}

// Every kind of check (safety factor, stress, shear judged in magnitude, internal stress) and
// every way it ends, as the engines write the line: the sign is true of the two numbers shown,
// equality reads "≧" or "≦", a negative shear shows the magnitude it was judged on, and a value
// or limit that was not computed (written 0 on a failed line) reads "－" in its own place.
TEST_F(ResultsTableTest, EveryCheckKindAndCaseReadsTrue) {
  struct Row {
    const char* what;
    int line;  // of the normal case
    int pattern;
    std::string text;
    const char* cell;
    const char* mark;
  };
  const Row rows[] = {
      {"sliding pass", 0, 1, line3(1.523, 1.2, 0), "1.523 ≧ 1.200", "○"},
      {"sliding fail", 0, 1, line3(1.1, 1.2, 1), "1.100 ＜ 1.200", "×"},
      {"sliding equal pass", 0, 1, line3(1.2, 1.2, 0), "1.200 ≧ 1.200", "○"},
      {"sliding equal fail", 0, 1, line3(1.2, 1.2004, 1), "1.200 ≦ 1.200", "×"},
      {"overturning negative fail", 1, 1, line3(-0.5, 1.2, 1), "-0.500 ＜ 1.200", "×"},
      {"overturning not computed", 1, 1, line3(0, 1.2, 1), "－ 1.200", "×"},
      {"sliding limit not computed", 0, 1, line3(1.523, 0, 1), "1.523 －", "×"},
      {"pull-out pass", 6, 1, line5(19.456, -9, -15, 1.2, 0), "19.456 ≧ 1.200", "○"},
      {"pull-out fail", 6, 1, line5(0.8, -6, -1, 1.1, 1), "0.800 ＜ 1.100", "×"},
      {"pull-out not computed", 6, 1, line5(0, 0, 0, 1.2, 1), "－ 1.200", "×"},
      {"bearing pass", 2, 1, line3(312.5, 600, 0), "312.500 ＜ 600.000", "○"},
      {"bearing fail", 2, 1, line3(700, 600, 1), "700.000 ≧ 600.000", "×"},
      {"bearing equal pass", 2, 1, line3(76.976, 76.976, 0), "76.976 ≦ 76.976", "○"},
      {"bearing equal fail", 2, 1, line3(76.9761, 76.976, 1), "76.976 ≧ 76.976", "×"},
      {"bearing limit not computed", 2, 1, line3(76.976, 0, 1), "76.976 －", "×"},
      {"reaction and bearing not computed", 2, 1, line3(0, 0, 1), "－ －", "×"},
      {"toe negative pass", 3, 1, line3(-0.25, 0, 0), "-0.250 ＜ 0.000", "○"},
      {"toe not computed", 3, 1, line3(0, 500, 1), "－ 500.000", "×"},
      {"long wall pass", 4, 1, line3(72.128, 300, 0), "72.128 ＜ 300.000", "○"},
      {"long wall fail", 4, 1, line3(300.001, 300, 1), "300.001 ≧ 300.000", "×"},
      {"long wall negative pass", 4, 1, line3(-5, 10, 0), "|-5.000| ＜ 10.000", "○"},
      {"long wall negative fail", 4, 1, line3(-11.412, 10, 1), "|-11.412| ≧ 10.000", "×"},
      {"short wall negative equal pass", 5, 1, line3(-10, 10, 0), "|-10.000| ≦ 10.000", "○"},
      {"short wall not computed", 5, 1, line3(0, 300, 1), "－ 300.000", "×"},
      {"block shear in row 4", 4, 0, line3(-11.412, 10, 1), "|-11.412| ≧ 10.000", "×"},
      // The internal stress of a tangent-circle body stands in row 3.
      {"internal pass", 7, 2, line3(80, 120, 0), "80.000 ≦ 120.000", "○"},
      {"internal fail", 7, 2, line3(130, 120, 1), "130.000 ＞ 120.000", "×"},
      {"internal equal fail", 7, 2, line3(120.0004, 120, 1), "120.000 ≧ 120.000", "×"},
      {"internal not computed", 7, 2, line3(0, 120, 1), "－ 120.000", "×"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    auto lines = sample_lines();
    lines[static_cast<std::size_t>(r.line)] = r.text;
    write(lines);
    const auto& s = load(2, r.pattern);
    EXPECT_TRUE(sink.texts.empty());
    const int row = r.line == 7 ? 3 : r.line;
    EXPECT_EQ(s.cells[row][0], r.cell);
    EXPECT_EQ(s.marks[row][0], r.mark);
  }
}

// A line that passes on numbers that do not satisfy its check was not written by an engine: the
// file is refused with its message, on every kind of line and in either case.
TEST_F(ResultsTableTest, APassContradictingItsNumbersIsRefused) {
  const std::pair<int, std::string> damaged[] = {
      {0, line3(-1.0, 1.2, 0)},                // a sliding factor of -1, passed
      {1, line3(0, 1.2, 0)},                   // an overturning factor of 0, passed
      {2, line3(600.001, 600, 0)},
      {2, line3(-1.0, 300, 0)},                // a reaction below 0, passed
      {10, line3(-1.0, 300, 0)},
      {3, line3(76.9761, 76.976, 0)},
      {4, line3(-11.412, 10, 0)},              // passed by its sign, not by its magnitude
      {13, line3(101, 100, 0)},
      {14, line5(0, 0, 0, 1.2, 0)},            // the pull-out line left at its start 0
      {15, line3(130, 120, 0)},
      {15, line3(-0.5, 120, 0)},               // an internal stress below 0, passed
  };
  for (const auto& [index, text] : damaged) {
    SCOPED_TRACE(index);
    auto lines = sample_lines();
    lines[static_cast<std::size_t>(index)] = text;
    write(lines);
    sink.texts.clear();
    const auto& s = load(2, 1);
    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.texts[0], "計算結果ﾌｧｲﾙ(CAL_ANZ.DAT)が読み込み出来ません。");
    EXPECT_FALSE(s.check_results.has_value());
    EXPECT_EQ(s.cells[0][0], "");
  }
}

TEST_F(ResultsTableTest, ExportButtonOnlyForTd) {
  write(sample_lines());
  for (auto [cmd, shown] : {std::pair{"/td", true}, {"/TD", true}, {"/Td", true},
                            {"/td x", false}, {"", false}, {"td", false}}) {
    EXPECT_EQ(load(2, 1, cmd).export_visible, shown) << cmd;
  }
}

TEST_F(ResultsTableTest, UnreadableFilesGiveTheMessageAnEmptyTableAndNoExport) {
  const auto all = sample_lines();
  const std::vector<std::vector<std::string>> bad = {
      {},                                                 // empty
      std::vector<std::string>(all.begin(), all.begin() + 15),  // one line short
  };
  auto with = [](int index, const std::string& text) {
    auto l = sample_lines();
    l[index] = text;
    return l;
  };
  std::vector<std::vector<std::string>> cases = bad;
  cases.push_back(with(3, "1.0,abc,0"));           // not a number
  cases.push_back(with(3, "1.0,2.0"));             // missing flag
  cases.push_back(with(3, "1.0,2.0,0,4"));         // one item too many
  cases.push_back(with(6, "1.0,2.0,0"));           // pull-out line with three items
  cases.push_back(with(9, "nan,1.2,0"));           // not finite
  cases.push_back(with(9, "1.0,1.2,0.5"));         // flag with a fraction
  cases.push_back(with(9, "1.0,1.2,70000"));       // flag beyond 16 bits
  // The engines write a flag of 0 or 1 and a limit its check can have (check_line_readable).
  cases.push_back(with(9, "1.0,1.1,-1"));
  cases.push_back(with(9, "0.9,1.1,2"));
  cases.push_back(with(0, "1.523,1e-300,0"));      // would pass any factor
  cases.push_back(with(10, "700,1e-300,1"));
  cases.push_back(with(2, "312.5,1e300,0"));       // a bearing capacity no ground has
  for (std::size_t i = 0; i < cases.size(); ++i) {
    write(cases[i]);
    sink.texts.clear();
    const auto& s = load(2, 1, "/td");
    ASSERT_EQ(sink.texts.size(), 1u) << i;
    EXPECT_EQ(sink.texts[0], "計算結果ﾌｧｲﾙ(CAL_ANZ.DAT)が読み込み出来ません。");
    EXPECT_FALSE(s.check_results.has_value()) << i;
    EXPECT_TRUE(s.export_visible);
    EXPECT_FALSE(s.export_enabled) << i;
    EXPECT_EQ(s.cells[0][0], "") << i;
    EXPECT_EQ(s.marks[0][0], "") << i;
    EXPECT_EQ(s.row_titles[0], "滑 動");
  }
  // A missing file alike, and a folder in the file's place.
  std::filesystem::remove(dir / "CAL_ANZ.DAT");
  sink.texts.clear();
  EXPECT_FALSE(load(2, 1).export_enabled);
  EXPECT_EQ(sink.texts.size(), 1u);
  std::filesystem::create_directory(dir / "CAL_ANZ.DAT");
  sink.texts.clear();
  EXPECT_FALSE(load(2, 1).export_enabled);
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0], "計算結果ﾌｧｲﾙ(CAL_ANZ.DAT)が読み込み出来ません。");
}

TEST(CheckSummary, ReadsLfLinesAndKeepsThePulloutLevels) {
  qvt::testing::TempDir dir;
  std::string text;
  for (const auto& l : sample_lines()) text += l + "\n";
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", text));
  const auto r = read_check_summary(dir / "CAL_ANZ.DAT");
  ASSERT_TRUE(r);
  EXPECT_DOUBLE_EQ((*r)[0][6].from_level, -5.0);
  EXPECT_DOUBLE_EQ((*r)[0][6].to_level, -2.0);
  EXPECT_DOUBLE_EQ((*r)[0][6].limit, 1.2);
  EXPECT_EQ((*r)[1][2].failed, 1);
  EXPECT_DOUBLE_EQ((*r)[1][7].value, 130.0);
}

// The file as the stability engines' writer leaves it reads back item for item; a flag other
// than 0 and 1 (40000 would not even fit the table's 16 bits) makes the file unreadable.
TEST(CheckSummary, ReadsWhatTheEnginesWrite) {
  qvt::testing::TempDir dir;
  CheckSummary s;
  s.values[0][CV_SLIDING_FS] = 1.234;
  s.limits[0][CL_REQUIRED_SLIDING_FS] = 1.2;
  s.failed[1][2] = 1;
  s.values[1][CV_MAX_REACTION] = 333.333;
  s.limits[1][CL_ALLOWABLE_BEARING] = 205.544;
  s.values[1][CV_PULLOUT_FROM_LEVEL] = -5;
  s.limits[1][CL_ALLOWABLE_SHEAR_STRESS] = 100;
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", join_crlf(format_check_summary(s).value())));
  const auto r = read_check_summary(dir / "CAL_ANZ.DAT");
  ASSERT_TRUE(r);
  EXPECT_DOUBLE_EQ((*r)[0][0].value, 1.234);
  EXPECT_DOUBLE_EQ((*r)[0][0].limit, 1.2);
  EXPECT_DOUBLE_EQ((*r)[1][2].value, 333.333);
  EXPECT_DOUBLE_EQ((*r)[1][2].limit, 205.544);
  EXPECT_EQ((*r)[1][2].failed, 1);
  EXPECT_DOUBLE_EQ((*r)[1][6].from_level, -5);
  EXPECT_DOUBLE_EQ((*r)[1][4].limit, 100);
  EXPECT_DOUBLE_EQ((*r)[1][5].limit, 100);

  s.failed[0][3] = 40000;
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", join_crlf(format_check_summary(s).value())));
  EXPECT_FALSE(read_check_summary(dir / "CAL_ANZ.DAT"));
}

}  // namespace
}  // namespace qvt::results
