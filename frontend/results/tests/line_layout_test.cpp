// The hand-over CAL_HEN.DAT, the clay table KS_AB.CSV and the charts FAI30..45.CSV are held to
// their line layouts: every single line of a real file repeated, left out, or joined with the
// next one is refused with the file's message, where a reader of items would have moved the
// values after it into other fields (a repeated line 4 of the wall sample's hand-over read the
// seismic sand row as F 691037.734 ＯＫ).
//
// The hand-overs are those of the shipped samples, written by the engines themselves: each
// sample of data/samples goes through the whole chain in the test.
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/tests/sample_work_folder.h"
#include "frontend/results/bearing_chart.h"
#include "frontend/results/clay_check.h"
#include "frontend/results/eccentric_load_file.h"
#include "frontend/results/line_layout.h"
#include "frontend/results/sand_check.h"
#include "frontend/results/tests/message_recorder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace qvt::results {
namespace {

namespace fs = std::filesystem;
using testing::Recorder;

struct Sample {
  const char* name;
  bool sandy;  // the bearing layer: the sand dialog checks it, else the clay dialog
};
constexpr Sample kSamples[] = {{"sample_block_rectangle_sand", true},
                               {"sample_wall_caisson_clay", false},
                               {"sample_circle_counterfort_sand", true},
                               {"sample_lattice_block_clay", false}};

// Loads the sample's own dialog from the hand-over in `dir`; true when it is ready.
bool dialog_loads(const Sample& s, const fs::path& dir, Recorder& sink) {
  if (s.sandy) return SandCheck().load(dir, QVT_BIN_DIR, 1, 40.0, {3.0, 2.0}, sink) == SandCheck::Load::ready;
  return ClayCheck().load(dir, QVT_BIN_DIR, 1, {3.0, 2.0}, sink) == ClayCheck::Load::ready;
}

// One damaged copy of a file: its name and its lines.
struct Damaged {
  std::string what;
  std::vector<std::string> lines;
};

// Every single line repeated, every single line left out and every line joined with the next.
std::vector<Damaged> every_single_line_damage(const std::vector<std::string>& lines) {
  std::vector<Damaged> out;
  for (std::size_t l = 0; l < lines.size(); ++l) {
    const std::string at = "line " + std::to_string(l + 1);
    std::vector<std::string> repeated = lines;
    repeated.insert(repeated.begin() + static_cast<std::ptrdiff_t>(l), lines[l]);
    out.push_back({at + " repeated", repeated});
    std::vector<std::string> missing = lines;
    missing.erase(missing.begin() + static_cast<std::ptrdiff_t>(l));
    out.push_back({at + " missing", missing});
    if (l + 1 < lines.size()) {
      std::vector<std::string> joined = lines;
      joined[l] += joined[l + 1];
      joined.erase(joined.begin() + static_cast<std::ptrdiff_t>(l + 1));
      out.push_back({at + " joined with the next", joined});
    }
  }
  return out;
}

// The hand-over of a shipped sample, as the chain writes it.
std::vector<std::string> sample_hand_over(const qvt::testing::TempDir& dir, const char* sample) {
  engine::testing::write_project_input(dir.path(), fs::path(QVT_SOURCE_DIR) / "data" / "samples" /
                                                       sample);
  for (const char* program : engine::testing::kEngineChain) {
    EXPECT_EQ(engine::testing::run_engine(dir.path(), program), 0) << program;
  }
  return read_lines(dir / kEccentricLoadFile).value_or(std::vector<std::string>{});
}

TEST(LineLayout, EverySampleHandOverWithALineRepeatedMissingOrJoinedIsRefused) {
  for (const Sample& sample : kSamples) {
    SCOPED_TRACE(sample.name);
    qvt::testing::TempDir dir;
    const std::vector<std::string> good = sample_hand_over(dir, sample.name);
    ASSERT_EQ(good.size(), kEccentricLoadLines);
    {
      Recorder sink;
      EXPECT_TRUE(dialog_loads(sample, dir.path(), sink)) << "as written";
    }
    const std::vector<Damaged> damaged = every_single_line_damage(good);
    ASSERT_EQ(damaged.size(), 3 * kEccentricLoadLines - 1);
    for (const Damaged& d : damaged) {
      SCOPED_TRACE(d.what);
      ASSERT_TRUE(write_file_bytes(dir / kEccentricLoadFile, join_crlf(d.lines)));
      for (int seismic_check : {0, 1}) {
        EXPECT_FALSE(read_eccentric_load_file(dir / kEccentricLoadFile, seismic_check, true));
      }
      Recorder sink;
      EXPECT_FALSE(dialog_loads(sample, dir.path(), sink));
      EXPECT_EQ(sink.texts, (std::vector<std::string>{kEccentricLoadMessage}));
    }
  }
}

// 2e/B is the ratio of the file's own e and B, within what the file's printing can move it: the
// engine rounds 2e/B to 0.001 (up from 0.499 of a unit) from e and B written to 1e-6.
TEST(LineLayout, TheHandOversRatioMustBeTwoEOverBAsWritten) {
  // e 2, B 20: 2e/B = 0.2. The seismic line varies: e 3.000, so 2e/B = 0.3 exactly.
  const auto hand_over = [](const std::string& ratios) {
    return "26,3,8,7,5,9,title\r\n4000,3500\r\n600,700\r\n0,0\r\n20\r\n2,3\r\n" + ratios +
           "\r\n0\r\n100\r\n10\r\n0\r\n150,160\r\n";
  };
  qvt::testing::TempDir dir;
  const struct {
    const char* ratios;
    bool read;
  } cases[] = {
      {"0.2,0.3", true},
      {"0.2,0.300501", true},   // the engine's rounding: 0.2995 + 0.000501 of a unit
      {"0.2,0.299499", true},
      {"0.2,0.300503", false},  // beyond it by more than e and B printed to 1e-6 can move it
      {"0.2,0.299497", false},
      {"0.2,0.029", false},     // a ratio of another case or another line
      {"0.3,0.2", false},       // the two cases swapped
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.ratios);
    ASSERT_TRUE(write_file_bytes(dir / kEccentricLoadFile, hand_over(c.ratios)));
    EXPECT_EQ(read_eccentric_load_file(dir / kEccentricLoadFile, 1).has_value(), c.read);
  }
  // Without the seismic case only the normal ratio counts; blank lines at the end hold nothing.
  ASSERT_TRUE(write_file_bytes(dir / kEccentricLoadFile, hand_over("0.2,0.029") + "\r\n \r\n"));
  EXPECT_TRUE(read_eccentric_load_file(dir / kEccentricLoadFile, 0));
}

TEST(LineLayout, TheClayTableWithALineRepeatedMissingOrJoinedIsRefused) {
  const std::vector<std::string> good =
      read_lines(fs::path(QVT_BIN_DIR) / kClayTableFile).value_or(std::vector<std::string>{});
  ASSERT_EQ(good.size(), kClayTableLines);
  qvt::testing::TempDir dir;
  ASSERT_TRUE(write_file_bytes(dir / kEccentricLoadFile,
                               "26,3,8,7,5,9,title\r\n2000,2000\r\n300,500\r\n0,0\r\n20\r\n2,3\r\n"
                               "0.2,0.3\r\n5\r\n100\r\n18\r\n30\r\n150,160\r\n"));
  const std::vector<Damaged> damaged = every_single_line_damage(good);
  ASSERT_EQ(damaged.size(), 3 * kClayTableLines - 1);
  for (const Damaged& d : damaged) {
    SCOPED_TRACE(d.what);
    ASSERT_TRUE(write_file_bytes(dir / kClayTableFile, join_crlf(d.lines)));
    EXPECT_FALSE(read_clay_coefficient_table(dir / kClayTableFile));
    Recorder sink;
    ClayCheck clay;
    ASSERT_EQ(clay.load(dir.path(), dir.path(), 1, {3.0, 2.0}, sink), ClayCheck::Load::ready);
    EXPECT_EQ(sink.texts, (std::vector<std::string>{"係数ﾌｧｲﾙ(KS_AB.CSV)が読み込み出来ません。"}));
  }
}

// The charts hold some 1300 to 1600 lines each; every line where the layout changes is damaged:
// the count line, and of each curve its head, its first and its last point (a point line in the
// middle of a curve moves the same lines as its last one).
TEST(LineLayout, EveryShippedChartWithALineRepeatedMissingOrJoinedIsRefused) {
  for (const char* name : kChartFiles) {
    SCOPED_TRACE(name);
    const std::vector<std::string> good =
        read_lines(fs::path(QVT_BIN_DIR) / name).value_or(std::vector<std::string>{});
    const std::optional<BearingChart> chart = parse_bearing_chart(join_crlf(good));
    ASSERT_TRUE(chart);
    std::vector<std::size_t> at = {0};
    std::size_t head = 1;
    for (const ChartCurve& curve : chart->curves) {
      at.insert(at.end(), {head, head + 1, head + curve.points.size()});
      head += curve.points.size() + 1;
    }
    ASSERT_EQ(head, good.size());
    int damaged = 0;
    for (std::size_t l : at) {
      const std::string line = "line " + std::to_string(l + 1);
      std::vector<std::string> lines = good;
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(l), good[l]);
      EXPECT_FALSE(parse_bearing_chart(join_crlf(lines))) << line << " repeated";
      lines = good;
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(l));
      EXPECT_FALSE(parse_bearing_chart(join_crlf(lines))) << line << " missing";
      if (l + 1 < good.size()) {
        lines = good;
        lines[l] += lines[l + 1];
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(l + 1));
        EXPECT_FALSE(parse_bearing_chart(join_crlf(lines))) << line << " joined with the next";
      }
      ++damaged;
    }
    EXPECT_EQ(damaged, 1 + 3 * static_cast<int>(chart->curves.size()));
  }
}

TEST(LineLayout, LineNumbersTakeExactlyTheLayoutsCount) {
  double v[3] = {};
  EXPECT_TRUE(line_numbers(" 1.5 , -2,3e2", 3, v));
  EXPECT_EQ(v[0], 1.5);
  EXPECT_EQ(v[1], -2.0);
  EXPECT_EQ(v[2], 300.0);
  for (const char* line : {"1,2", "1,2,3,4", "1,,3", "1,2,nan", "1,2,inf", "1,2,1e999", "1,2,x",
                           "1 2,3", ""}) {
    EXPECT_FALSE(line_numbers(line, 3, v)) << line;
  }
  EXPECT_EQ(without_trailing_blank_lines({"1", "", "2", " ", ""}),
            (std::vector<std::string>{"1", "", "2"}));
}

}  // namespace
}  // namespace qvt::results
