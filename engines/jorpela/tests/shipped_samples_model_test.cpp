// The shipped samples (data/samples/) through the whole chain of eight engines: no engine shows
// a message, every check of the sample's pattern is computed and passed in both cases, the
// check summary CAL_ANZ.DAT is the golden kept beside this test (golden/<sample>_CAL_ANZ.DAT),
// and the eccentric-load points of the sandy samples lie on the chart of their bearing layer.
//
// Worked by hand for sample_block_rectangle_sand (CAL_ANZ.DAT lines 0, 2, 8 and 10), from the
// section (data in frontend/model/tests/shipped_samples.h) and the pressures of the engines'
// reports. Below the R.W.L. +0.6 concrete blocks weigh 12.9 kN/m3 submerged (23.0 above), the
// improved soil 5.9; the B = 16 m body reaches from -20.0 to -10.0.
//   Effective weight, normal case: blocks 9x5x12.9 = 580.5, 8x4x12.9 = 412.8, 7x1.6x12.9 =
//   144.48 + 7x0.4x23.0 = 64.4, superstructure 7x2x24.0 = 336.0, body 16x10x5.9 = 944.0, the
//   wall-top surcharge 10 kN/m2 x 7 m = 70.0: W' = 2552.18 (seismic: surcharge 5 x 7, 2517.18).
//   Residual water pressure 10.1 x 0.6 = 6.06 kN/m2 from the L.W.L. 0.0 down to -20.0 with a
//   triangle above: 0.5 x 0.6 x 6.06 + 20 x 6.06 = 123.018 kN/m.
//   Seismic inertia 0.10 x weight in air (1035 + 736 + 322 + 336 + 2560 + 35 = 5024) = 502.4.
//   Sliding, normal case, with the reported earth pressures (active 874.531 horizontal and
//   234.211 vertical, passive 1948.995 horizontal and 522.225 vertical, taken off V):
//   V = 2552.18 + 234.211 - 522.225 = 2264.166; R = V tan 40 = 1899.861 (less than
//   tau B = 250 x 16); Fs = (1948.995 + 1899.861) / (874.531 + 123.018) = 3.858.
//   Seismic: V = 2517.18 + 341.941 - 428.715 = 2430.406, R = 2039.353 (less than 375 x 16),
//   Fs = (1600.065 + 2039.353) / (1276.000 + 123.018 + 502.4) = 1.914.
//   Ground reaction: normal case x = (29035.446 - 7688.153) / 2264.166 = 9.428 behind the toe,
//   past the middle (e = 8 - 9.428 < 0): uniform, V / B = 141.510. Seismic case x = (29368.643 -
//   15899.462) / 2430.406 = 5.542, e = 2.458 <= B / 6: q1 = 2430.406 / 16 x (1 + 6 x 2.458 / 16)
//   = 291.915 at the toe.
#include "common/check_summary_format.h"
#include "common/textfile.h"
#include "engines/common/check_summary_file.h"
#include "engines/common/tests/sample_work_folder.h"
#include "frontend/results/bearing_chart.h"
#include "frontend/results/eccentric_load_file.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(ShippedSamples, EveryCheckPassesAndTheSummaryIsTheGolden) {
  const fs::path here = fs::path(QVT_SOURCE_DIR) / "engines" / "jorpela" / "tests" / "golden";
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
    for (int c = 0; c < 2; ++c)
      for (int k : engine::check_lines_of_pattern(s.pattern)) {
        const CheckLine l = check_summary_line(*summary, c, k);
        EXPECT_EQ(l.failed, 0) << "case " << c << " line " << k;
        EXPECT_GT(l.limit, 0) << "case " << c << " line " << k;
        EXPECT_GT(l.value, 0) << "case " << c << " line " << k;
      }
    const auto golden = read_file_bytes(here / (std::string(s.name) + "_CAL_ANZ.DAT"));
    ASSERT_TRUE(golden);
    EXPECT_EQ(work_file(dir.path(), "CAL_ANZ.DAT"), *golden);

    // The eccentric inclined load: on sand both points lie among the curves of the chart of
    // phi = 40 degrees (N at least that of the lowest curve, 0.5).
    const auto hen = results::read_eccentric_load_file(dir / "CAL_HEN.DAT", 2);
    ASSERT_TRUE(hen);
    if (!s.sandy) {
      EXPECT_GT(hen->base_cohesion, 0);  // the clay check opens with the layer's cohesion
      continue;
    }
    const results::ChartLoad charts = results::load_bearing_charts(QVT_BIN_DIR);
    ASSERT_TRUE(charts.ok);
    for (int c = 0; c < 2; ++c) {
      const double tan_theta = hen->horizontal_force[c] / hen->vertical_force[c];
      const results::ChartReading r =
          results::read_chart_n_value(charts.charts[2], hen->eccentricity_ratio[c], tan_theta);
      EXPECT_FALSE(r.outside) << "case " << c;
      EXPECT_GE(r.n, 0.5) << "case " << c << " tan " << tan_theta;
    }
  }
}

}  // namespace
}  // namespace qvt::jorpela
