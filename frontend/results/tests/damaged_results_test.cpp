// The files the results dialogs read, damaged a few hundred ways each from a fixed seed: the
// check summary CAL_ANZ.DAT, the hand-over CAL_HEN.DAT, the shipped charts FAI30..45.CSV and the
// clay table KS_AB.CSV. Every copy is refused, or what is read is sound: finite, within the
// chart's axes and the range a section can produce, and the page and the figure written from it
// hold no "nan" or "inf".
#include "common/tests/damaged_files.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "frontend/results/bearing_chart.h"
#include "frontend/results/check_summary.h"
#include "frontend/results/clay_check.h"
#include "frontend/results/eccentric_load_file.h"
#include "frontend/results/sand_report.h"
#include "frontend/results/tests/eccentric_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qvt::results {
namespace {

constexpr int kCopies = 300;

std::string shipped(const char* name) {
  return read_file_bytes(std::filesystem::path(QVT_SOURCE_DIR) / "data" / name).value_or("");
}

void expect_sound_chart(const BearingChart& chart) {
  ASSERT_GE(chart.curves.size(), 2u);
  for (const ChartCurve& c : chart.curves) {
    EXPECT_TRUE(std::isfinite(c.label));
    for (const ChartPoint& p : c.points) {
      EXPECT_TRUE(p.x >= 0 && p.x <= kChartAxisEnd && p.y >= 0 && p.y <= kChartAxisEnd);
    }
  }
}

// Every copy of a check summary that is read passes no line against its numbers, and every row
// shown from it states a relation that is true of its two shown numbers.
TEST(DamagedResultFiles, CheckSummaryIsRefusedOrReadsTrue) {
  qvt::testing::TempDir dir;
  qvt::testing::FileDamage damage(4343);
  const std::string good =
      "1.523000,1.200000,0\r\n0.000000,1.200000,1\r\n76.976000,76.976000,0\r\n"
      "-0.250000,500.000000,0\r\n-11.412000,10.000000,1\r\n9.500000,10.000000,0\r\n"
      "19.456000,-9.000000,-15.000000,1.200000,0\r\n80.000000,120.000000,0\r\n"
      "1.100000,1.200000,1\r\n2.000000,1.200000,0\r\n76.976000,0.000000,1\r\n"
      "600.500000,500.000000,1\r\n-5.000000,10.000000,0\r\n0.000000,10.000000,1\r\n"
      "0.800000,-6.000000,-1.000000,1.100000,1\r\n130.000000,120.000000,1\r\n";
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", good));
  ASSERT_TRUE(read_check_summary(dir / "CAL_ANZ.DAT"));
  int read = 0;
  for (int n = 0; n < kCopies; ++n) {
    SCOPED_TRACE(n);
    ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", damage.text(good)));
    const auto r = read_check_summary(dir / "CAL_ANZ.DAT");
    if (!r) continue;
    ++read;
    for (int c = 0; c < 2; ++c)
      for (int k = 0; k < CHECK_LINE_COUNT; ++k) {
        const CheckItem& it = (*r)[c][k];
        if (it.failed == 0) {
          EXPECT_TRUE(check_relation_holds(k, it.value, it.limit)) << k;
        }
        const CheckRowText row = check_row(it, k);
        if (row.sign.empty()) continue;
        std::string value = row.value;
        if (value.front() == '|') value = value.substr(2, value.size() - 3);  // "|-x|": x
        const double v = std::stod(value), l = std::stod(row.limit);
        const bool holds = row.sign == "＜" ? v < l
                           : row.sign == "＞" ? v > l
                           : row.sign == "≧" ? v >= l
                                             : v <= l;
        EXPECT_TRUE(holds) << row.cell();
      }
  }
  EXPECT_GT(read, kCopies / 20);
  EXPECT_LT(read, kCopies);
}

TEST(DamagedResultFiles, HandOverIsRefusedOrSound) {
  qvt::testing::TempDir dir;
  qvt::testing::FileDamage damage(371);
  const std::string good = fixtures::eccentric_load_text();
  const auto chart = parse_bearing_chart(fixtures::hand_chart_text());
  ASSERT_TRUE(chart);
  int read = 0;
  for (int n = 0; n < kCopies; ++n) {
    SCOPED_TRACE(n);
    ASSERT_TRUE(write_file_bytes(dir / "CAL_HEN.DAT", damage.text(good)));
    const auto f = read_eccentric_load_file(dir / "CAL_HEN.DAT", 1, n % 2 == 0);
    if (!f) continue;
    ++read;
    EXPECT_GE(f->body_width, kMinimumBodyWidth);
    SandCheckValues v;
    v.load = *f;
    v.load.project_title.clear();  // a title may well read "nan": it is text, not a number
    for (int c = 0; c < 2; ++c) {
      EXPECT_GE(f->vertical_force[c], kMinimumVerticalForce);
      EXPECT_TRUE(f->eccentricity_ratio[c] >= 0 && f->eccentricity_ratio[c] <= kLargestMagnitude);
      v.tan_theta[c] = f->horizontal_force[c] / f->vertical_force[c];
      v.n_value[c] = read_chart_n_value(*chart, f->eccentricity_ratio[c], v.tan_theta[c]).n;
      EXPECT_TRUE(std::isfinite(v.n_value[c]));
      // F as the dialog computes it: an infinite F would print as 0.000 and pass.
      v.bearing_capacity[c] = f->bearing_unit_weight * f->body_width * v.n_value[c] / 2;
      v.safety_factor[c] = v.bearing_capacity[c] / (f->vertical_force[c] / f->body_width);
      EXPECT_TRUE(std::isfinite(v.safety_factor[c]));
      const std::string page = sand_check_page(v, c).bytes();
      const std::string figure = chart_figure(*chart, 0, f->eccentricity_ratio[c], v.tan_theta[c], c);
      EXPECT_FALSE(qvt::testing::holds_non_finite_text(page)) << page;
      EXPECT_FALSE(qvt::testing::holds_non_finite_text(figure)) << figure;
    }
    for (double x : {f->resisting_moment[0], f->eccentricity[1], f->strength_gradient,
                     f->base_cohesion, f->bearing_unit_weight, f->overburden, f->max_reaction[1]})
      EXPECT_TRUE(std::isfinite(x));
  }
  EXPECT_GT(read, kCopies / 20);
  EXPECT_LT(read, kCopies);
}

TEST(DamagedResultFiles, ChartsAreRefusedOrSound) {
  qvt::testing::FileDamage damage(372);
  int read = 0;
  for (int c = 0; c < kChartCount; ++c) {
    const std::string good = shipped(kChartFiles[c]);
    ASSERT_TRUE(parse_bearing_chart(good)) << kChartFiles[c];
    for (int n = 0; n < kCopies / kChartCount; ++n) {
      SCOPED_TRACE(std::string(kChartFiles[c]) + " copy " + std::to_string(n));
      const auto chart = parse_bearing_chart(damage.text(good));
      if (!chart) continue;
      ++read;
      expect_sound_chart(*chart);
      for (double ratio : {0.0, 0.35, 1.0})
        for (double tan_theta : {0.0, 0.2, 0.6, 1.0})
          EXPECT_TRUE(std::isfinite(read_chart_n_value(*chart, ratio, tan_theta).n));
      EXPECT_FALSE(qvt::testing::holds_non_finite_text(chart_figure(*chart, c, 0.35, 0.2, 0)));
    }
  }
  EXPECT_GT(read, kCopies / 20);
}

TEST(DamagedResultFiles, ClayTableIsRefusedOrSound) {
  qvt::testing::TempDir dir;
  qvt::testing::FileDamage damage(373);
  const std::string good = shipped(kClayTableFile);
  ASSERT_TRUE(write_file_bytes(dir / kClayTableFile, good));
  ASSERT_TRUE(read_clay_coefficient_table(dir / kClayTableFile));
  for (int n = 0; n < kCopies; ++n) {
    SCOPED_TRACE(n);
    ASSERT_TRUE(write_file_bytes(dir / kClayTableFile, damage.text(good)));
    const auto t = read_clay_coefficient_table(dir / kClayTableFile);
    if (!t) continue;
    for (double v : t->eccentricity_axis) EXPECT_TRUE(std::isfinite(v));
    for (double v : t->inclination_axis) EXPECT_TRUE(std::isfinite(v));
    for (double v : t->strength_axis) EXPECT_TRUE(std::isfinite(v));
    for (const auto& a : t->coef_a)
      for (const auto& b : a)
        for (double v : b) EXPECT_TRUE(std::isfinite(v));
    for (const auto& a : t->coef_b)
      for (const auto& b : a)
        for (double v : b) EXPECT_TRUE(std::isfinite(v));
  }
}

}  // namespace
}  // namespace qvt::results
