// The shipped samples (data/samples/) through the whole chain of eight engines: no engine shows
// a message, every check of the sample's pattern is computed and passed in both cases, the
// check summary CAL_ANZ.DAT is the golden kept beside this test (golden/<sample>_CAL_ANZ.DAT)
// and equals the README's table, and the eccentric inclined load check passes in both cases as
// the dialogs judge it (the sand dialog on the chart and the design factors it opens on, the clay
// dialog with the safe classes it opens on), every number of it the README's.
//
// Worked by hand from the section (frontend/model/tests/shipped_samples.h) and the forces of the
// engines' reports (earth pressures, passive resistance, weights of the caisson and counterfort
// tables); moments about the body's toe (x = 0, -15.0); safety factors rounded down.
//
// Loads every sample carries (data/README.md works them):
//   dynamic water, seismic: 7/12 x 0.10 x 10.1 x 10.0^2 = 58.917 kN/m at -6.0, arm 9.0: 530.253;
//   residual water: 0.6 x 10.1 = 6.06 from the L.W.L. to -15.0 with the triangle above,
//   0.5 x 0.6 x 6.06 + 15 x 6.06 = 92.718 (moment 709.384, as before);
//   wall-top surcharge from the wall's sea face to the body's land end (10 / 5 kN/m2).
// The toe pressure line is the toe's q1 (not the heel's) less K0 = 0.5 times the sea-side soil
// over the base: sand 0.5 x 5 x 9 = 22.5 (block 181.482 - 22.5 = 158.982, seismic 263.941),
// clay 0.5 x 5 x 5.9 = 14.75 (wall 219.452 and 282.573, lattice 129.566 and 268.283).
//
// sample_block_rectangle_sand, B = 16, sand (tan 40 = 0.8391):
//   W' = blocks 580.5 + 412.8 + 144.48 + 64.4 + 336.0 + backfill 755.2 + body 16 x 5 x 5.9 =
//   472.0 + surcharge 10 x 13 = 130.0: 2895.380 (seismic 5 x 13: 2830.380), as the run.
//   Active pressure, Kh 0.1942 (phi 40, delta 15): 0.5 (1.942 + 10.331) 2.4 + 0.5 (10.331 +
//   30.917) 10.6 + 0.5 (49.989 + 64.119) 5 = 518.612, as the run. Inertia 0.10 x (1035 + 736 +
//   322 + 336 + body 1280 + backfill 1256.16 + surcharge 65) = 503.016.
//   Sliding, normal: V = 2895.380 + 138.882 - 130.558 = 2903.704, R = V tan 40 = 2436.497 (below
//   tau B = 4000); Fs = (487.250 + 2436.497) / (518.612 + 92.718) = 2923.747 / 611.330 = 4.782.
//   Seismic: V = 2830.380 + 202.934 - 107.180 = 2926.134, R = 2455.318; Fs = (400.018 +
//   2455.318) / (757.220 + 92.718 + 58.917 + 503.016) = 2855.336 / 1411.871 = 2.022.
//   Overturning: (25913.546 + 2222.112 + 812.246) / (709.384 + 2986.073) = 28947.904 / 3695.457 =
//   7.833; seismic (25296.046 + 3246.944 + 666.830) / (4655.530 + 709.384 + 4323.000 + 530.253)
//   = 29209.820 / 10218.167 = 2.858.
//   Reaction, normal: x = 25252.447 / 2903.704 = 8.697, e = 8 - 8.697 = -0.697 (landward): toe
//   V / B = 181.482, heel 181.482 (1 + 6 x 0.697 / 16) = 228.916, the bearing line. Seismic: x =
//   18991.653 / 2926.134 = 6.490, e = 1.510 <= B / 6 = 2.667: toe 182.883 (1 + 6 x 1.510 / 16) =
//   286.441 (the line), heel 182.883 (1 - 0.566) = 79.326. Limit (0.5 x 10 x 16 x 114 + 45 x 80)
//   / 2.5 + 45 = 5133.000 (seismic / 1.5: 8525.000), q' = 5 x 9 = 45.
//   Eccentric, normal: V = 2895.380 + 138.882 = 3034.262, H 611.330, tan = 0.201; e = |8 -
//   25252.447 / 3034.262| = 0.322, 2e/B = 0.040; N 44.30 on the 40 chart (formula 93.691 (1 -
//   0.040)^2 (1 - 11.37 / 40)^2 = 44.3); F = 10 x 16 x 44.30 / 2 / (3034.262 / 16) = 3544.000 /
//   189.641 = 18.687 >= 2.500, the bearing factor of the design conditions. Seismic: V =
//   2830.380 + 202.934 = 3033.314, H 1411.871, tan = 0.465; e = 8 - 18991.653 / 3033.314 =
//   1.739, 2e/B = 0.217; N 8.20 (formula 8.1); F = 656.000 / 189.582 = 3.460 >= 1.500.
//
// sample_wall_caisson_clay, B = 18, r = 3 / (3 + 1) = 0.750, floating on clay (c0 320):
//   Sliding on the cohesion c0 B = 320 x 18 = 5760: Fs = (423.750 + 5760) / (797.940 + 92.718) =
//   6183.750 / 890.658 = 6.942; seismic / (1148.319 + 92.718 + 58.917 + 549.753 = 1849.707) =
//   3.343. Overturning: (33133.426 + 1197.108 + adhesion 2808.000 + 956.291) / (709.384 +
//   3829.492) = 38094.825 / 4538.876 = 8.393; seismic (32363.426 + 1873.458 + 2808.000 +
//   956.291) / (5082.094 + 709.384 + 5736.266 + 530.253) = 38001.175 / 12057.997 = 3.151.
//   Reaction, normal: V = 3095.225 + 66.506 = 3161.731; x = 33555.949 / (3161.731 + 53.100 of soil
//   between the walls) = 10.438, e = -1.438: toe 3161.731 / (18 x 0.75) = 234.202, heel 234.202
//   (1 + 6 x 1.438 / 18) = 346.463, the line. Seismic: V = 3025.225 + 104.081 = 3129.306, x =
//   25943.178 / 3182.406 = 8.152, e = 0.848: toe 231.800 (1 + 0.283) = 297.323, heel 166.278.
//   Short walls: (reaction + 3 x 5.9) x 1.0 / (2 x 3.0) = (192.909 + 17.700) / 6 = 35.102,
//   seismic (308.662 + 17.700) / 6 = 54.394.
//   Eccentric, normal: V 3214.831, H 890.658, tan = 0.277 ("0.25以上"), 2e/B = 2.876 / 18 =
//   0.160 (class 0.2), B k / c0 = 0.225 (class 0.2): v = 5.14159 - 6.60899 x 0.277 = 3.31090,
//   a = 0.8 v = 2.65, b = 0.2 / 4 x 0.64 x (3.31090 / 5.14159 = 0.64395) = 0.02, Nc 2.67, qa =
//   2.67 x 320 / 2.5 + 5 x 5.9 = 371.260 >= 346.463 (the heel). Seismic: V 3182.406, H 1849.707,
//   tan = 0.581 beyond 2 / (2 + pi) = 0.389, 2e/B = 0.094 (class 0.2): the sliding limit Nc =
//   0.8 / 0.581 = 1.37694 cut to 1.37, qa = 1.37 x 320 / 1.5 + 29.5 = 321.767 >= 297.323 (the toe).
//
// sample_circle_counterfort_sand, B = 16, ap 78.5 %:
//   Sliding: V = 2682.682 + 138.882 - 130.558 = 2691.006, R = 2258.022 (below 392.5 x 16); Fs =
//   (487.250 + 2258.022) / 611.330 = 4.490; seismic V = 2617.682 + 202.934 - 107.180 = 2713.436,
//   R = 2276.843, Fs = 2676.861 / (757.220 + 92.718 + 58.917 + 482.802) = 1.923. Overturning:
//   (24235.753 + 2222.112 + 812.246) / 3695.457 = 7.379; seismic (23618.253 + 3246.944 +
//   666.830) / (4364.464 + 709.384 + 4323.000 + 530.253) = 27532.027 / 9927.101 = 2.773.
//   Reaction, normal: x = 23574.654 / 2691.006 = 8.761, e = -0.761: toe 168.188, heel 168.188
//   (1 + 6 x 0.761 / 16) = 216.184, the line. Seismic: x = 17604.926 / 2713.436 = 6.488, e =
//   1.512: toe 169.590 (1 + 0.567) = 265.747, heel 73.432. Internal stress: normal P1 = 216.184
//   (the heel's, the larger edge) above P1' = 200.714 (the wall's reaction): 216.184 / 0.785 =
//   275.394; seismic P1' = 329.930 above P1 = 265.747: 329.930 / 0.785 = 420.293. Each against
//   the allowable compressive stress, below quck 1000: min(330, 1000) = 330 (margin 330 /
//   275.394 = 1.198), min(500, 1000) = 500 (500 / 420.293 = 1.190).
//   Eccentric, normal: V 2821.564, H 611.330, tan = 0.217, e = |8 - 23574.654 / 2821.564| =
//   0.355, 2e/B = 0.044; N 41.30 (formula 41.3); F = 3304.000 / 176.348 = 18.735 >= 2.500.
//   Seismic: V 2820.616, H 1391.657, tan = 0.493, e = 1.758, 2e/B = 0.220; N 6.80 (formula 6.7);
//   F = 544.000 / 176.289 = 3.085 >= 1.500.
//
// sample_lattice_block_clay, B = 18, cell section A = (2 x 3 x 5 + 3 x 12) / 5 = 13.2, I = 2
// (3^3 / 12 + 3 x 7.5^2) + 0.6 x 12^3 / 12 = 428.4:
//   Sliding: (423.750 + 5760) / (753.091 + 92.718) = 7.311; seismic 6183.750 / (1017.965 +
//   92.718 + 58.917 + 547.296) = 3.601. Overturning: (32377.214 + 1124.568 + 3150.000 + 956.291)
//   / (709.384 + 3581.912) = 37608.073 / 4291.296 = 8.763; seismic 37372.043 / (5030.105 +
//   709.384 + 5018.721 + 530.253) = 3.310.
//   Reaction, normal: V = 3078.480 + 62.476 = 3140.956, x = 33316.777 / 3197.596 = 10.419, e =
//   -1.419: q = 3140.956 / 13.2 -+ 3140.956 x 1.419 x 9 / 428.4 = 237.951 -+ 93.635: toe 144.316,
//   heel 331.586, the line. Seismic: V = 3100.621, x = 26083.580 / 3157.261 = 8.261, e = 0.739:
//   234.896 +- 48.138: toe 283.033, heel 186.758. Short walls: (303.060 + 17.700) x 2 / 6 =
//   106.920, seismic (490.250 + 17.700) / 3 = 169.317.
//   Eccentric, normal: V 3197.596, H 845.809, tan = 0.265, 2e/B = 0.158 (class 0.2), B k / c0
//   0.225 (class 0.2): v = 5.14159 - 6.60899 x 0.265 = 3.39021, a = 0.8 v = 2.71, b = 0.032 x
//   0.65937 = 0.02, Nc 2.73, qa = 2.73 x 128 + 29.5 = 378.940 >= 331.586 (the heel). Seismic: V
//   3157.261, H 1716.896, tan = 0.544, 2e/B = 0.082 (class 0.2): Nc = 0.8 / 0.544 = 1.47, qa =
//   1.47 x 320 / 1.5 + 29.5 = 343.100 >= 283.033 (the toe).
#include "common/check_summary_format.h"
#include "common/check_verdict.h"
#include "common/textfile.h"
#include "engines/common/check_summary_file.h"
#include "engines/common/tests/golden_file.h"
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
constexpr ShippedSample kShipped[] = {
    {"sample_block_rectangle_sand", PATTERN_BLOCK, true},
    {"sample_wall_caisson_clay", PATTERN_WALL, false},
    {"sample_circle_counterfort_sand", PATTERN_TANGENT_CIRCLES, true},
    {"sample_lattice_block_clay", PATTERN_LATTICE, false}};

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
  const fs::path here = engine::testing::golden_folder("jorpela");
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
    EXPECT_TRUE(engine::testing::file_matches_golden(here / (std::string(s.name) + "_CAL_ANZ.DAT"),
                                                     dir / "CAL_ANZ.DAT"));
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
      const auto& fs = pc.safety_factors;
      ASSERT_EQ(check.load(dir.path(), QVT_BIN_DIR, pc.seismic_check, pc.bearing_layer.phi,
                           {fs[0][2], fs[1][2]}, sink),
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
      ASSERT_EQ(check.load(dir.path(), QVT_BIN_DIR, pc.seismic_check, {fs[0][2], fs[1][2]},
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
