#include "engines/common/pressure_helpers.h"

#include "engines/common/engine_entry.h"
#include "engines/common/rounding_geometry.h"
#include "engines/common/tests/capture_channel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace qvt::engine {
namespace {

struct DecimalCase {
  double v, n, expected;
};
// Halves away from zero: 2.5 -> 3, -2.5 -> -3; 0.1235 (stored a hair below) still -> 0.124;
// -1.0005 -> -1.001; 0.04999 -> 0.0 at one decimal; 2.675 (stored as 2.67499999...) -> 2.68
// thanks to the guard; values on the grid come back unchanged.
const DecimalCase kDecimals[] = {
    {2.5, 0, 3},          {-2.5, 0, -3},       {0.1235, 3, 0.124},  {-1.0005, 3, -1.001},
    {0.04999, 1, 0.0},    {2.675, 2, 2.68},    {1.005, 2, 1.01},    {0.0, 4, 0.0},
    {0.3333, 4, 0.3333},  {-0.3333, 4, -0.3333}, {123.456, 3, 123.456}, {0.123449, 4, 0.1234},
    {0.12345, 4, 0.1235}, {49.5, 0, 50},       {0.15, 1, 0.2},      {-0.25, 1, -0.3},
};

TEST(RoundToDecimals, HalvesAwayFromZeroWithTheGuard) {
  for (const DecimalCase& c : kDecimals)
    EXPECT_DOUBLE_EQ(round_to_decimals(c.v, c.n), c.expected)
        << "round_to_decimals(" << c.v << ", " << c.n << ")";
}

TEST(RoundToDecimals, IsNotTheHalfToEvenRounding) {
  // 2.0025: halves away from zero give 2.003; round_to_unit takes the half to even, 2.002.
  EXPECT_DOUBLE_EQ(round_to_decimals(2.0025, 3), 2.003);
  EXPECT_DOUBLE_EQ(round_to_unit(2.0025, 0.001, 0), 2.002);
  EXPECT_DOUBLE_EQ(round_to_decimals(-2.0025, 3), -2.003);
}

TEST(PolygonAreaCentroid, SumsAsTheFiguresUseThem) {
  double cx = -1, cy = -1;
  // 2 x 1 rectangle at the origin: area 2, centre (1, 0.5); either direction.
  const double rx[] = {0, 2, 2, 0}, ry[] = {0, 0, 1, 1};
  EXPECT_DOUBLE_EQ(compute_polygon_area_centroid(rx, ry, 4, cx, cy), 2.0);
  EXPECT_DOUBLE_EQ(cx, 1.0);
  EXPECT_DOUBLE_EQ(cy, 0.5);
  const double rxr[] = {0, 0, 2, 2}, ryr[] = {0, 1, 1, 0};
  EXPECT_DOUBLE_EQ(compute_polygon_area_centroid(rxr, ryr, 4, cx, cy), 2.0);
  EXPECT_DOUBLE_EQ(cx, 1.0);
  EXPECT_DOUBLE_EQ(cy, 0.5);
  // Triangle (0,0), (3,0), (0,3): t = (0 - 3) * 0 = 0, (0 - 0) * 0 = 0, (3 - 0) * 3 = 9;
  // S = 9, area 4.5; Sx = (3 + 0) / 2 * 9 = 13.5 -> 1.5; Sy = 3 / 2 * 9 = 13.5 -> 1.5.
  // (The true centroid is (1, 1): the point only places labels.)
  const double tx[] = {0, 3, 0}, ty[] = {0, 0, 3};
  EXPECT_DOUBLE_EQ(compute_polygon_area_centroid(tx, ty, 3, cx, cy), 4.5);
  EXPECT_DOUBLE_EQ(cx, 1.5);
  EXPECT_DOUBLE_EQ(cy, 1.5);
  // Two points, or a degenerate line: nothing.
  EXPECT_EQ(compute_polygon_area_centroid(tx, ty, 2, cx, cy), 0.0);
  EXPECT_EQ(cx, 0.0);
  EXPECT_EQ(cy, 0.0);
  const double lx[] = {0, 1, 2}, ly[] = {0, 0, 0};
  EXPECT_EQ(compute_polygon_area_centroid(lx, ly, 3, cx, cy), 0.0);
  EXPECT_EQ(cx, 0.0);
}

TEST(ShoelaceTerm, RoundedToEightDecimals) {
  // Term 1 of the triangle: (x0 - x2) * y1 = (0 - 0) * 0 = 0; term 2: (x1 - x0) * y2 = 9.
  const double tx[] = {0, 3, 0}, ty[] = {0, 0, 3};
  EXPECT_DOUBLE_EQ(round_shoelace_term(tx, ty, 3, 2), 9.0);
  // Term 0 wraps: (x2 - x1) * y0 = (1/3 - 0) * 1 = 0.333333333... -> 0.33333333.
  const double x[] = {0, 0, 1.0 / 3.0}, y[] = {1, 5, 7};
  EXPECT_DOUBLE_EQ(round_shoelace_term(x, y, 3, 0), 0.33333333);
  EXPECT_EQ(round_shoelace_term(x, y, 3, 3), 0.0);
  EXPECT_EQ(round_shoelace_term(x, y, 2, 0), 0.0);
}

TEST(PageTransform, TranslationScalingAndQuarterTurn) {
  double X = 0, Y = 0;
  // c = 1, s = 0: ((5 - 1) * 10 + 100, (7 - 2) * 10 + 50) = (140, 100).
  EXPECT_EQ(transform_to_page(5, 7, 1, 2, 1, 0, 10, 100, 50, X, Y), 0);
  EXPECT_DOUBLE_EQ(X, 140);
  EXPECT_DOUBLE_EQ(Y, 100);
  // c = 0, s = 1: X = dy * k + ox = 50 + 100, Y = -dx * k + oy = -40 + 50.
  transform_to_page(5, 7, 1, 2, 0, 1, 10, 100, 50, X, Y);
  EXPECT_DOUBLE_EQ(X, 150);
  EXPECT_DOUBLE_EQ(Y, 10);
  // Separate scales: X uses kx = 2, Y uses ky = 3.
  transform_to_page_xy(5, 7, 1, 2, 1, 0, 2, 3, 0, 0, X, Y);
  EXPECT_DOUBLE_EQ(X, 8);
  EXPECT_DOUBLE_EQ(Y, 15);
}

TEST(CaseRange, BySeismicCheck) {
  ConditionData d;
  struct Row {
    int seismic_check, first, end;
  };
  for (Row r : {Row{0, 0, 1}, Row{1, 1, 2}, Row{2, 0, 2}, Row{-3, 0, 2}}) {
    d.seismic_check = r.seismic_check;
    int first = -9, end = -9;
    EXPECT_EQ(get_case_range(d, first, end), 0);
    EXPECT_EQ(first, r.first) << r.seismic_check;
    EXPECT_EQ(end, r.end) << r.seismic_check;
  }
}

TEST(ResetSurcharge, BySurfaceShapeAndSeismicCheck) {
  struct Row {
    int shape, seismic_check;
    double slope, seismic_surcharge;
  };
  for (Row r : {Row{1, 0, 0.0, 5.0}, Row{1, 2, 0.0, 5.0}, Row{0, 0, 20.0, 0.0},
                Row{0, 2, 20.0, 5.0}}) {
    auto d = std::make_unique<ConditionData>();
    d->surface_shape = r.shape;
    d->seismic_check = r.seismic_check;
    d->surface_slope_angle = 20.0;
    d->surface_surcharge[0] = 10.0;
    d->surface_surcharge[1] = 5.0;
    EXPECT_EQ(reset_surcharge_values(*d), 0);
    EXPECT_EQ(d->surface_slope_angle, r.slope);
    EXPECT_EQ(d->surface_surcharge[1], r.seismic_surcharge);
    EXPECT_EQ(d->surface_surcharge[0], 10.0);
  }
}

TEST(ClearArray, ZeroFillsAndRefusesTooLarge) {
  std::vector<unsigned char> buf(65001, 0xAB);
  clear_array(buf.data(), 65000);
  EXPECT_EQ(buf[0], 0);
  EXPECT_EQ(buf[64999], 0);
  EXPECT_EQ(buf[65000], 0xAB);
  testing::CaptureChannel channel;
  ScopedMessageChannel scoped(channel);
  EXPECT_EQ(start_engine([&] {
              clear_array(buf.data(), 65001);
              return Status::success();
            }),
            1);
  ASSERT_EQ(channel.lines.size(), 1u);
  EXPECT_NE(channel.lines[0].find("配列の０クリアーで"), std::string::npos);
  EXPECT_EQ(buf[65000], 0xAB);  // nothing written
}

}  // namespace
}  // namespace qvt::engine
