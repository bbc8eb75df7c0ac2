// The shipped samples (data/samples/) through the whole chain of eight engines: no engine shows
// a message, every check of the sample's pattern is computed and passed in both cases, the
// check summary CAL_ANZ.DAT is the golden kept beside this test (golden/<sample>_CAL_ANZ.DAT)
// and equals the README's table, and the eccentric inclined load check passes in both cases as
// the dialogs judge it (the sand dialog on the chart it opens on, the clay dialog with the
// classes that fit), every number of it the README's.
//
// Worked by hand for sample_block_rectangle_sand (CAL_ANZ.DAT lines 0, 2, 8 and 10), from the
// section (data in frontend/model/tests/shipped_samples.h) and the pressures of the engines'
// reports: what the backfill block adds to the blocks and the body. The B = 16 m body reaches
// from -15.0 to -10.0, its toe at x = 0; the R.W.L. is +0.6.
//   Backfill "裏込め" from the blocks' stepped back to x = 16: 4 x 5 (x 12 to 16, -10.0 to -5.0),
//   5 x 4 (x 11 to 16, -5.0 to -1.0), 6 x 4 (x 10 to 16, -1.0 to +3.0), 64 m2. Below the R.W.L.
//   20 + 20 + 6 x 1.6 = 49.6 m2 at 20.1 - 10.1 = 10.0, above it 6 x 2.4 = 14.4 m2 at 18.0:
//   496.0 + 259.2 = 755.2. With the blocks (9x5x12.9 = 580.5, 8x4x12.9 = 412.8, 7x1.6x12.9 =
//   144.48 + 7x0.4x23.0 = 64.4, superstructure 7x2x24.0 = 336.0), the body (16x5x5.9 = 472.0)
//   and the wall-top surcharge (10 x 7 = 70.0; seismic 5 x 7) W' = 2835.38 (seismic 2800.38),
//   the run's effective weight 2835.380 and 2800.380. The backfill about the toe: 200 x 14 +
//   200 x 13.5 + 96 x 13 + 259.2 x 13 = 10117.6 (the run 25133.546 - 15016.070 = 10117.476:
//   it multiplies the weight in air 1256.160 and the buoyancy 500.960 by their levers rounded
//   to the mm, 13.480 and 13.605).
//   Residual water pressure 10.1 x 0.6 = 6.06 kN/m2 from the L.W.L. 0.0 down to -15.0 with a
//   triangle above: 0.5 x 0.6 x 6.06 + 15 x 6.06 = 92.718 kN/m. Seismic inertia 0.10 x weight
//   in air (1035 + 736 + 322 + 336 + 1280 + 35 = 3744, the backfill 259.2 + 49.6 x 20.1 =
//   1256.16) = 500.016.
//   Sliding, normal case, with the reported earth pressures (active 518.612 horizontal and
//   138.882 vertical, passive 487.250 horizontal and 130.558 vertical, taken off V), which the
//   backfill leaves as they were: V = 2835.380 + 138.882 - 130.558 = 2843.704 (was 2088.504);
//   R = V tan 40 = 2386.151 (less than tau B = 250 x 16); Fs = (487.250 + 2386.151) / (518.612 +
//   92.718) = 4.700 (was 3.663): the weight adds friction, the driving force stays.
//   Seismic: V = 2800.380 + 202.934 - 107.180 = 2896.134, R = 2430.145 (less than 375 x 16),
//   Fs = (400.018 + 2430.145) / (757.220 + 92.718 + 500.016) = 2.096 (was 1.794): the friction
//   grows by 633.7, the driving force by the inertia's 125.6.
//   Ground reaction: normal case x = (28167.904 - 3695.457) / 2843.704 = 8.606 behind the toe
//   (resisting moment 25133.546 + 2222.112 + 812.246, overturning 2986.073 + 709.384), e = 8 -
//   8.606 = -0.606, landward of the middle (it was 1.127 seaward): uniform, q1 = V / B = 177.732
//   (was 185.697). Seismic case x = (28819.820 - 9633.914) / 2896.134 = 6.625, e = 1.375 <= B / 6
//   (it was 3.061, a triangle over 14.817): trapezoid, q1 = 2896.134 / 16 x (1 + 6 x 1.375 / 16) =
//   274.341 (was 288.983). Its limit now over the whole B = 16, the in-situ bearing capacity of
//   the dense sand under the 5 m of loose sand (q' = 5 x 9 = 45) with the strip's shape factor
//   0.5: (0.5 x 10 x 16 x 93.7 + 45 x 64.2) / 1.5 + 45 = 6968.333 (normal, F 2.5: 4199.000).
//   The bearing line holds the larger edge: behind the middle the heel carries the trapezoid
//   mirrored, 2843.704 / 16 x (1 + 6 x 0.606 / 16) = 218.121 (|e| <= B / 6 = 2.667), above
//   the uniform 177.732 at the toe; the seismic case's toe 274.341 governs (its heel 87.676).
//   The other samples' bearing lines, from their reaction pages, the same way:
//   sample_wall_caisson_clay, r 0.545: normal 2928.323 / (19 x 0.545) = 282.793 x (1 + 6 x
//   2.118 / 19) = 471.937, seismic 2915.898 / 10.355 x (1 + 6 x 0.021 / 19) = 283.461;
//   sample_circle_counterfort_sand: normal 2644.008 / 16 x (1 + 6 x 0.683 / 16) = 207.575
//   (seismic toe 253.407), which is now P1 of the internal stress, above P1' = 200.000:
//   207.575 / 0.785 = 264.427; sample_lattice_block_clay: the cell's own heel q2 331.428 over
//   q1 112.778 (normal; seismic toe 232.613 over 210.027).
//
// The eccentric inclined load check, worked by hand for two cases from CAL_HEN.DAT:
//   sample_block_rectangle_sand, seismic: V = W' + the vertical active pressure = 2800.380 +
//   202.934 = 3003.314 (the passive side takes no part), H = 757.220 + 92.718 + 500.016 =
//   1349.954: tan(theta) = 0.449 (was 0.545); e = 8 - (28819.820 - 9633.914) / 3003.314 =
//   1.612, 2e/B = 3.224 / 16 = 0.202 (was 0.412). On the chart of the layer's 40 degrees the
//   dialog reads N = 9.40 there: F = 10 x 16 x 9.40 / 2 / (3003.314 / 16) = 4.006 >= 1.000.
//   sample_wall_caisson_clay, seismic: V 3017.909, H 1768.684: tan(theta) = 0.586, above 0.25,
//   so Nc is the sliding limit of the effective base: e 0.021, 2e/B = 0.042 / 19 = 0.002,
//   Nc = (1 - 0.002) / 0.586 = 1.70. c0 = 300 + 4 x (-10 - -15) = 320 at the base, q0 = 5 m of
//   soft clay x 6 = 30: qa = 1.70 x 320 / 1.5 + 30 = 392.667 against the maximum reaction of the
//   table's bearing line, 283.461 (the heel's, 281.593 at the toe).
#include "common/check_summary_format.h"
#include "common/textfile.h"
#include "engines/common/check_summary_file.h"
#include "engines/common/tests/sample_work_folder.h"
#include "frontend/model/display_text.h"
#include "frontend/results/clay_check.h"
#include "frontend/results/sand_check.h"
#include "frontend/results/tests/fitting_clay_classes.h"
#include "frontend/results/tests/message_recorder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>

namespace qvt::jorpela {
namespace {

namespace fs = std::filesystem;
using engine::testing::run_engine;
using engine::testing::work_file;

constexpr const char* kChain[] = {"SAVELIN", "PELUDRA", "ZENOBAR", "OSKAVEL",
                                  "VASKUDE", "TOLMIRE", "MERITAN", "JORPELA"};

struct ShippedSample {
  const char* name;
  int pattern;
  bool sandy;
};
constexpr ShippedSample kShipped[] = {{"sample_block_rectangle_sand", 0, true},
                                      {"sample_wall_caisson_clay", 1, false},
                                      {"sample_circle_counterfort_sand", 2, true},
                                      {"sample_lattice_block_clay", 3, false}};

// The README's "Shipped samples" section, line by line.
std::vector<std::string> readme_samples_section() {
  const auto readme = read_lines(fs::path(QVT_SOURCE_DIR) / "README.md");
  std::vector<std::string> section;
  if (!readme) return section;
  bool in = false;
  for (const std::string& l : *readme) {
    if (l.rfind("## ", 0) == 0) in = l == "## Shipped samples";
    if (in) section.push_back(l);
  }
  return section;
}

std::vector<std::string> cells(const std::string& row) {
  std::vector<std::string> out;
  std::stringstream in(row);
  std::string cell;
  std::getline(in, cell, '|');  // before the first bar
  while (std::getline(in, cell, '|')) {
    const auto b = cell.find_first_not_of(' ');
    const auto e = cell.find_last_not_of(' ');
    out.push_back(b == std::string::npos ? "" : cell.substr(b, e - b + 1));
  }
  if (!out.empty() && out.back().empty()) out.pop_back();
  return out;
}

// The first two numbers of a results-table cell ("3.663 ≧ 1.200"), as written.
std::vector<std::string> cell_numbers(const std::string& cell) {
  std::vector<std::string> out;
  std::string num;
  for (char ch : cell + " ") {
    if ((ch >= '0' && ch <= '9') || ch == '.' || (ch == '-' && num.empty())) {
      num += ch;
    } else {
      if (!num.empty() && num != "-") out.push_back(num);
      num.clear();
    }
  }
  return out;
}

std::string f3(double v) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", v);
  return text;
}

// README label of each summary line.
const char* const kCheckLabels[] = {"滑動 sliding Fs",         "転倒 overturning Fs",
                                    "支持力 ground reaction (kN/m2)", "端趾圧 toe pressure (kN/m2)",
                                    "せん断 shear stress (kN/m2)", "せん断 短壁 short-wall shear (kN/m2)",
                                    "抜け出し pull-out Fs",     "内部応力 internal stress (kN/m2)"};

TEST(ShippedSamples, EveryCheckPassesTheSummaryIsTheGoldenAndTheReadmes) {
  const fs::path here = fs::path(QVT_SOURCE_DIR) / "engines" / "jorpela" / "tests" / "golden";
  const std::vector<std::string> readme = readme_samples_section();
  ASSERT_FALSE(readme.empty());
  for (const ShippedSample& s : kShipped) {
    SCOPED_TRACE(s.name);
    qvt::testing::TempDir dir;
    engine::testing::write_project_input(dir.path(),
                                         fs::path(QVT_SOURCE_DIR) / "data" / "samples" / s.name);
    for (const char* program : kChain) ASSERT_EQ(run_engine(dir.path(), program), 0) << program;
    EXPECT_EQ(work_file(dir.path(), "stderr.txt"), "");

    const auto anz = read_lines(dir / "CAL_ANZ.DAT");
    ASSERT_TRUE(anz);
    const auto summary = parse_check_summary(*anz);
    ASSERT_TRUE(summary);
    const std::vector<int> lines = engine::check_lines_of_pattern(s.pattern);
    for (int k : lines) {
      std::vector<std::string> row;
      for (const std::string& l : readme) {
        const std::vector<std::string> c = cells(l);
        if (c.size() == 6 && c[0] == std::string("`") + s.name + "`" && c[1] == kCheckLabels[k])
          row = c;
      }
      ASSERT_FALSE(row.empty()) << "README row of line " << k;
      for (int c = 0; c < 2; ++c) {
        const CheckLine l = check_summary_line(*summary, c, k);
        EXPECT_EQ(l.failed, 0) << "case " << c << " line " << k;
        EXPECT_GT(l.limit, 0) << "case " << c << " line " << k;
        EXPECT_GT(l.value, 0) << "case " << c << " line " << k;
        const std::vector<std::string> numbers = cell_numbers(row[2 + 2 * c]);
        ASSERT_GE(numbers.size(), 2u) << row[2 + 2 * c];
        EXPECT_EQ(numbers[0], f3(l.value)) << "README, case " << c << " line " << k;
        EXPECT_EQ(numbers[1], f3(l.limit)) << "README, case " << c << " line " << k;
        EXPECT_EQ(row[3 + 2 * c], "○") << "README, case " << c << " line " << k;
      }
    }
    int readme_rows = 0;
    for (const std::string& l : readme) {
      const std::vector<std::string> c = cells(l);
      if (c.size() == 6 && c[0] == std::string("`") + s.name + "`") ++readme_rows;
    }
    EXPECT_EQ(readme_rows, static_cast<int>(lines.size())) << "README rows of the sample";
    const auto golden = read_file_bytes(here / (std::string(s.name) + "_CAL_ANZ.DAT"));
    ASSERT_TRUE(golden);
    EXPECT_EQ(work_file(dir.path(), "CAL_ANZ.DAT"), *golden);
  }
}

// The README row of the eccentric check of one case, built from what the dialog shows.
std::string eccentric_row(const char* sample, int c, const std::string& reading,
                          const std::string& tan_theta, const std::string& ratio,
                          const std::string& factor, const std::string& against,
                          const std::string& verdict) {
  return std::string("| `") + sample + "` | " + (c == 0 ? "normal" : "seismic") + " | " + reading +
         " | " + tan_theta + " | " + ratio + " | " + factor + " | " + against + " | " + verdict +
         " |";
}

TEST(ShippedSamples, EccentricInclinedLoadCheckPassesInBothCasesAsTheReadmeSays) {
  const std::vector<std::string> readme = readme_samples_section();
  const std::set<std::string> readme_lines(readme.begin(), readme.end());
  int rows = 0;
  for (const std::string& l : readme)
    if (l.rfind("| `sample_", 0) == 0 && cells(l).size() == 8) ++rows;
  EXPECT_EQ(rows, 8) << "two eccentric rows a sample";
  for (const ShippedSample& s : kShipped) {
    SCOPED_TRACE(s.name);
    qvt::testing::TempDir dir;
    const fs::path base = fs::path(QVT_SOURCE_DIR) / "data" / "samples" / s.name;
    engine::testing::write_project_input(dir.path(), base);
    for (const char* program : kChain) ASSERT_EQ(run_engine(dir.path(), program), 0) << program;
    auto m = std::make_unique<model::ProjectModel>();
    model::reset_project_to_defaults(*m);
    model::testing::Recorder rec;
    ASSERT_TRUE(model::load_project_files(base.string(), *m, rec));
    const model::ProjectConditions& pc = m->conditions;
    ASSERT_EQ(pc.seismic_check != 0, true);
    results::testing::Recorder sink;
    if (s.sandy) {
      results::SandCheck check;
      ASSERT_EQ(check.Form_Load(dir.path(), QVT_BIN_DIR, pc.seismic_check, pc.bearing_layer.phi,
                                sink),
                results::SandCheck::Load::ready);
      EXPECT_TRUE(sink.texts.empty()) << sink.texts.front();
      for (int c = 0; c < 2; ++c) {
        const results::SandCheckRow& r = check.row(c);
        ASSERT_GE(r.chart_index, 0);
        EXPECT_EQ(results::kChartAngles[r.chart_index], 40);  // the layer's phi
        EXPECT_EQ(r.verdict_text, "ＯＫ") << "case " << c;
        const std::string row = eccentric_row(
            s.name, c, "φ " + std::to_string(results::kChartAngles[r.chart_index]) + " chart",
            r.tan_theta_text, r.ratio_text, "N " + r.n_text, "F " + r.f_text + " ≧ " + r.design_text,
            r.verdict_text);
        EXPECT_TRUE(readme_lines.count(row)) << "not in the README: " << row;
      }
    } else {
      results::ClayCheck check;
      const auto& fs = pc.safety_factors;
      ASSERT_EQ(check.Form_Load(dir.path(), QVT_BIN_DIR, pc.seismic_check, {fs[0][2], fs[1][2]},
                                sink),
                results::ClayCheck::Load::ready);
      EXPECT_TRUE(sink.texts.empty()) << sink.texts.front();
      for (int c = 0; c < 2; ++c) {
        check.enter_row(c);
        const results::ClayCheckRow& r = check.row(c);
        const auto classes = results::testing::fitting_clay_classes(
            model::leading_number(r.tan_theta_text), model::leading_number(r.ratio_text),
            model::leading_number(r.strength_text));
        ASSERT_GE(classes[1], 1) << "no eccentricity class fits " << r.ratio_text;
        for (int list = 0; list < results::kClayListCount; ++list)
          check.choose_class(list, classes[list]);
        EXPECT_EQ(r.verdict_text, "Ｏ.Ｋ.") << "case " << c;
        const std::string reading = std::string("tanθ ") + results::clay_list_item(0, classes[0]) +
                                    ", 2e/B " + results::clay_list_item(1, classes[1]) +
                                    ", Bk/c0 " + results::clay_list_item(2, classes[2]);
        const std::string row = eccentric_row(
            s.name, c, reading, r.tan_theta_text, r.ratio_text, "Nc " + r.nc_text,
            "qa " + r.qa_text + " ≧ " +
                model::format_pattern(check.load().max_reaction[c], "###0.000"),
            r.verdict_text);
        EXPECT_TRUE(readme_lines.count(row)) << "not in the README: " << row;
      }
    }
  }
}

}  // namespace
}  // namespace qvt::jorpela
