// The surcharge load report of an arbitrary ground surface: angles in degrees, minutes and
// seconds, the loads inside the wedge, the slices of the embankment worked by hand, and the
// layers each surcharge method evaluates.
#include "engines/tolmire/surcharge.h"
#include "engines/tolmire/tests/report_fixture.h"

#include <gtest/gtest.h>

namespace qvt::tolmire::testing {
namespace {

TEST(SurchargeReportTest, AnglesAreTruncatedToWholeSeconds) {
  const Dms a = rad_to_dms(rad(29.99999));
  EXPECT_EQ(a.degrees, 29);
  EXPECT_EQ(a.minutes, 59);
  EXPECT_EQ(a.seconds, 59);
  const Dms b = rad_to_dms(rad(30 + 0.9 / 3600));
  EXPECT_EQ(b.degrees, 30);
  EXPECT_EQ(b.minutes, 0);
  EXPECT_EQ(b.seconds, 0);
  const Dms c = rad_to_dms(rad(45.5));
  EXPECT_EQ(c.degrees, 45);
  EXPECT_EQ(c.minutes, 30);
}

// An embankment from the wall at +6.0, flat to x 5, down to the ground top +3.0 at x 11, in
// two layers (6.0 to 4.5 and 4.5 to 3.0); below the ground top three layers to -12.0. The
// failure plane of each evaluated layer crosses the ground top at x 4 and meets the surface at
// x 6 (level 5.5). Surcharge ranges 0-3 (10 kN/m2), 3-8 (5) and 8-20 (7).
struct Embankment {
  std::unique_ptr<engine::ConditionData> cd = std::make_unique<engine::ConditionData>();
  std::unique_ptr<TolmireData> data = std::make_unique<TolmireData>();
  Embankment() {
    cd->surface_shape = 1;
    cd->project_title.assign("TEST QUAY");
    cd->custom_options.surcharge_method = 1;
    cd->custom_options.clay_collapse_angle[0] = 10.0;
    cd->apparent_coef_method = 1;
    const double ranges[3][3] = {{0, 3, 10}, {3, 8, 5}, {8, 20, 7}};
    for (int i = 0; i < 3; ++i) {
      cd->surcharge_ranges[i].x_min = ranges[i][0];
      cd->surcharge_ranges[i].x_max = ranges[i][1];
      cd->surcharge_ranges[i].load[0] = ranges[i][2];
      cd->surcharge_ranges[i].load[1] = ranges[i][2];
    }
    engine::PressureWorkFile& w = data->work;
    w.header = {3, 2, 2, 5, 6, 2, 6, 2, 5};
    const double tops[6] = {6.0, 4.5, 3.0, 0.0, -4.0, -12.0};
    const double weights[5] = {17, 18, 18, 20, 19};
    for (int i = 0; i < 6; ++i) {
      engine::LandWorkLayer& L = w.land[i];
      L.top_level = tops[i];
      L.thickness = i < 5 ? tops[i] - tops[i + 1] : 0;
      L.unit_weight = i < 5 ? weights[i] : 0;
      for (int a = 0; a < 6; ++a) L.wedge_angles[a] = rad(45 + a + 0.5);
      L.wedge_surface_x_bottom = 6.0;
      L.wedge_surface_y_bottom = 5.5;
      L.wedge_width_bottom = 4.0;
      L.wedge_surcharge_load_bottom = 45.0;
      L.wedge_weight_bottom = 266.15;
      L.surcharge_bottom = 77.53751;
    }
    const double v[5][2] = {{0, 3}, {0, 6}, {5, 6}, {11, 3}, {30, 3}};
    for (int i = 0; i < 5; ++i) {
      w.vertices[i].x = v[i][0];
      w.vertices[i].y = v[i][1];
    }
  }
};

TEST(SurchargeReportTest, TheWedgeOutlineGainsTheLayerBoundariesItCrosses) {
  Embankment e;
  const auto o = wedge_outline(e.data->work, e.data->work.land, 2);
  const double expect[7][2] = {{0, 3}, {0, 4.5}, {0, 6}, {5, 6}, {6, 5.5}, {5.2, 4.5}, {4, 3}};
  ASSERT_EQ(o.size(), 7u);
  for (int i = 0; i < 7; ++i) {
    EXPECT_NEAR(o[i].x, expect[i][0], 1e-12) << i;
    EXPECT_NEAR(o[i].y, expect[i][1], 1e-12) << i;
  }
}

TEST(SurchargeReportTest, ReportOfThreeEvaluatedLayersWorkedByHand) {
  qvt::testing::TempDir dir;
  Embankment e;
  write_surcharge_report(*e.cd, *e.data, 0, dir.path());
  const std::string r = read_utf8(dir / "DM001KJU.PDT");
  EXPECT_EQ(r.rfind("上載荷重(各土層)      〈常  時〉\n", 0), 0u) << r;
  EXPECT_NE(r.find("\n$1  GAI_TITL.PFM\n99  常時の検討\n98  \n$0  JKJU_MDS.PFM\n99  各土層\n"
                   "98  各土層の崩壊角\n$0  JKJU_TZ1.PFM    JKJU_TZ1.PZK\n99   10.0\n"
                   "$1  JKJU_KSN.PFM\n$0  JKJU_DSU.PFM\n00    a\n01    0.000\n"
                   "$R  3\n$0  JKJU_ZT1.PFM\n$0  JKJU_ZT2.PFM\n00       0.000\n01    47°30′ 0″\n"),
            std::string::npos)
      << r;
  // The wedge ends inside the second loaded range: 3 m of it, no third range; keep 2 + 5.
  EXPECT_NE(r.find("$R  7\n$0  JKJU_JS2.PFM\n$0  JKJU_JS3.PFM\n00         10.00\n01        3.0000\n"
                   "02       30.0000\n$0  JKJU_JS3.PFM\n00          5.00\n01        3.0000\n"
                   "02       15.0000\n$0  JKJU_JS4.PFM\n00       45.0000\n"),
            std::string::npos);
  // Slice 1 (4.5 to 3.0): (0,3), (0,4.5), (5.2,4.5), (4,3): terms 12, -23.4, -18, 15.6, area
  // 6.9. Slice 2 (6.0 to 4.5): (0,4.5), (0,6), (5,6), (6,5.5), (5.2,4.5): terms 23.4, -30, -36,
  // -1.1, 27, area 8.35.
  EXPECT_NE(r.find("$0  JKJU_TTL.PFM\n$R  7\n$0  JKJU_TT2.PFM\n$0  JKJU_TT3.PFM\n00    1\n"
                   "01      0.0000\n02      3.0000\n03       12.00000000\n$0  JKJU_TT4.PFM\n"
                   "01      0.0000\n02      4.5000\n03      -23.40000000\n$0  JKJU_TT4.PFM\n"
                   "01      5.2000\n02      4.5000\n03      -18.00000000\n$0  JKJU_TT4.PFM\n"
                   "01      4.0000\n02      3.0000\n03       15.60000000\n$0  JKJU_TT5.PFM\n"
                   "00       13.80000000\n01       6.900000000\n$R  8\n"),
            std::string::npos)
      << r;
  EXPECT_NE(r.find("03       -1.10000000\n"), std::string::npos);
  EXPECT_NE(r.find("00       16.70000000\n01       8.350000000\n$R  6\n$0  JKJU_TT6.PFM\n"
                   "$0  JKJU_TT7.PFM\n00     1\n01       6.900000000\n02        18.000\n"
                   "03    124.2000\n$0  JKJU_TT7.PFM\n00     2\n01       8.350000000\n"
                   "02        17.000\n03    141.9500\n$0  JKJU_TT8.PFM\n00    266.1500\n"
                   "$R  6\n$0  JKJU_TU1.PFM\n$0  JKJU_TU2.PFM\n00    266.1500\n01       45.0000\n"
                   "02    4.0000\n03     77.5375\n$0  JKJU_TU3.PFM\n00       77.54\n"
                   "$1                  JKJUZ000.PZK\n$0  JKJU_DSU.PFM\n00    b\n01   -4.000\n"
                   "$R  4\n"),
            std::string::npos)
      << r;
  EXPECT_NE(r.find("00    c\n01  -12.000\n$R  5\n"), std::string::npos);
  EXPECT_NE(r.find("$1                  JKJUZ001.PZK\n"), std::string::npos);
  EXPECT_NE(r.find("$1                  JKJUZ002.PZK\n"), std::string::npos);
  EXPECT_EQ(r.find("JKJUZ003"), std::string::npos);
}

TEST(SurchargeReportTest, SeismicHeadAndEmptyWedge) {
  qvt::testing::TempDir dir;
  Embankment e;
  e.cd->custom_options.surcharge_method = 0;
  e.cd->custom_options.negative_root_rule = 2;
  e.cd->apparent_coef_method = 2;
  for (auto& L : e.data->work.land) L.wedge_surcharge_load_bottom = L.wedge_weight_bottom = 0;
  write_surcharge_report(*e.cd, *e.data, 1, dir.path());
  const std::string r = read_utf8(dir / "DM101KJU.PDT");
  EXPECT_EQ(r.rfind("上載荷重(海底面)      〈地震時〉\n", 0), 0u) << r;
  EXPECT_NE(r.find("99  地震時の検討\n98  \n$0  JKJU_MDS.PFM\n99  海底面\n"
                   "98  各土層の崩壊角及び、震度\n$0  JKJU_TZ2.PFM    JKJU_TZ2.PZK\n"
                   "$0  JKJU_TZ4.PFM    JKJU_TZ4.PZK\n$0  SHINDO1.PFM\n$1  JKJU_KSN.PFM\n"
                   // One evaluated layer: the record above the surcharge level (index 3 - 1).
                   "$0  JKJU_DSU.PFM\n00    a\n01    0.000\n"),
            std::string::npos)
      << r;
  EXPECT_NE(r.find("$0  JKJU_JS1.PFM\n$0  JKJU_TT1.PFM\n$1                  JKJUZ100.PZK\n"),
            std::string::npos)
      << r;
  EXPECT_EQ(r.find("JKJU_TU"), std::string::npos);
}

TEST(SurchargeReportTest, NoReportForAStraightGroundSurface) {
  qvt::testing::TempDir dir;
  Embankment e;
  e.cd->surface_shape = 0;
  write_surcharge_report(*e.cd, *e.data, 0, dir.path());
  EXPECT_FALSE(std::filesystem::exists(dir / "DM001KJU.PDT"));
}

}  // namespace
}  // namespace qvt::tolmire::testing

namespace qvt::tolmire::testing {
namespace {

std::size_t lines_equal(const std::string& text, const std::string& line) {
  std::size_t n = 0, start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find('\n', start);
    if (text.substr(start, end == std::string::npos ? std::string::npos : end - start) == line) ++n;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return n;
}

// The embankment with the ground split at the range ends, loads per segment as the earth
// pressure engine gives them: 10 over 0-3, 5 over 3-8, 7 over 8-20.
void loaded_ground(Embankment& e) {
  engine::PressureWorkFile& w = e.data->work;
  const double v[8][3] = {{0, 3, 0},   {0, 6, 10},  {3, 6, 5},  {5, 6, 5},
                          {8, 4.5, 7}, {11, 3, 7},  {20, 3, 0}, {30, 3, 0}};
  w.header.ground_vertex_count = 8;
  for (int i = 0; i < 8; ++i) {
    w.vertices[i] = {v[i][0], v[i][1], v[i][2], v[i][2]};
  }
  e.cd->surface_point_count = 2;
  e.cd->surface_points[0].x = 0;
  e.cd->surface_points[1].x = 30;
  find_max_surcharge_load(*e.cd, *e.data);
}

TEST(SurchargeFigureTest, OneFigurePerEvaluatedLayerOnThePortraitPage) {
  qvt::testing::TempDir dir;
  Embankment e;
  loaded_ground(e);
  write_surcharge_figures(*e.cd, *e.data, 0, dir.path());
  for (const char* f : {"JKJUZ000.PZK", "JKJUZ001.PZK", "JKJUZ002.PZK"})
    EXPECT_TRUE(std::filesystem::exists(dir / f)) << f;
  EXPECT_FALSE(std::filesystem::exists(dir / "JKJUZ003.PZK"));
  const std::string fig = read_utf8(dir / "JKJUZ000.PZK");
  // Extents 0..20 by -12..6: portrait 3700 / 20 = 185 per metre, landscape min(285, 150).
  EXPECT_EQ(fig.rfind("JKJUZ000.PZK  上載荷重図[常  時]\n46 67\nQ    0    0 3900 5900 0 3\n"
                      "L    0  300 3900  300 0 3\nK  100  225  150  150 0 3\n"
                      "（上載荷重図）［常　時］\n",
                      0),
            0u)
      << fig;
  // Wall at x (0 - 10) x 185 + 1950 from the ground top +3.0, y (-3 - 3) x 185 + 3300, to
  // -12.0, y 9 x 185 + 3300.
  EXPECT_NE(fig.find("\nL  100 2190  100 4965 0 2\n"), std::string::npos) << fig;
  // The first block (10 kN/m2 over 0-3) ends where the load changes; the second ends at the
  // wedge end, labelled over its own range 3-8.
  EXPECT_EQ(lines_equal(fig, "ｗ\\D1 = 10.00 kN/m\\U2"), 1u);
  EXPECT_EQ(lines_equal(fig, "ｗ\\D2 =  5.00 kN/m\\U2"), 1u);
  EXPECT_EQ(lines_equal(fig, "ｗ\\D3 =  7.00 kN/m\\U2"), 0u);
  // The level on the R.W.L. is drawn once, as the R.W.L.
  EXPECT_EQ(lines_equal(fig, "R.W.L. +0.00"), 1u);
  EXPECT_EQ(lines_equal(fig, "+0.00"), 0u);
  EXPECT_EQ(lines_equal(fig, "-4.00"), 1u);
  // Wedge angles of layer a on each record down to it, loaded widths 3 m and 3 m.
  EXPECT_EQ(lines_equal(fig, "ζ= 47°30′ 0″"), 1u);
  EXPECT_EQ(lines_equal(fig, "3.0000m"), 2u);
  EXPECT_EQ(lines_equal(fig, "4.0000m"), 1u);
  EXPECT_EQ(lines_equal(read_utf8(dir / "JKJUZ002.PZK"), "ζ= 49°30′ 0″"), 3u);
}

TEST(SurchargeFigureTest, EqualScalesGivePortrait) {
  qvt::testing::TempDir dir;
  Embankment e;
  // Extents 37 m by 27 m: 3700 / 37 = 2700 / 27 = 100 per metre either way.
  engine::PressureWorkFile& w = e.data->work;
  w.header.ground_vertex_count = 3;
  w.vertices[0] = {0, 3, 0, 0};
  w.vertices[1] = {37, 3, 0, 0};
  w.vertices[2] = {40, 3, 0, 0};
  w.land[0].top_level = w.land[1].top_level = 999.99;  // unset records above the ground top
  w.land[5].top_level = -24.0;
  for (auto& L : w.land) L.wedge_surface_x_bottom = 50;
  write_surcharge_figures(*e.cd, *e.data, 0, dir.path());
  EXPECT_EQ(e.data->layout.landscape, 0);
  EXPECT_DOUBLE_EQ(e.data->layout.drawing_scale, 100.0);
  EXPECT_NE(read_utf8(dir / "JKJUZ000.PZK").find("Q    0    0 3900 5900 0 3\n"), std::string::npos);
  // A tall narrow section goes landscape.
  w.vertices[1].x = 5;
  w.vertices[2].x = 6;
  e.data->work.land[5].top_level = -40.0;
  write_surcharge_figures(*e.cd, *e.data, 0, dir.path());
  EXPECT_EQ(e.data->layout.landscape, 0);
}

}  // namespace
}  // namespace qvt::tolmire::testing

namespace qvt::tolmire::testing {
namespace {

TEST(SurchargeFigureTest, ArrowsCarryAcrossTheSegmentsOfABlockAndANarrowWidthMovesOneRow) {
  qvt::testing::TempDir dir;
  Embankment e;
  // Flat ground +3.0 over 37 m, levels down to -24.0: 100 drawing units per metre, x drawn at
  // 100 + 100 x, the ground at y 1950. 10 kN/m2 over two segments 0-1.5 and 1.5-3.2; the
  // largest range load 10 draws 200 units high.
  engine::PressureWorkFile& w = e.data->work;
  const double v[5][2] = {{0, 10}, {1.5, 10}, {3.2, 0}, {37, 0}, {40, 0}};
  w.header.ground_vertex_count = 5;
  for (int i = 0; i < 5; ++i) w.vertices[i] = {v[i][0], 3, v[i][1], v[i][1]};
  w.land[0].top_level = w.land[1].top_level = 999.99;
  w.land[5].top_level = -24.0;
  for (auto& L : w.land) L.wedge_surface_x_bottom = 50;
  e.cd->surcharge_ranges[1].x_max = 3.5;  // a 0.5 m range next to the 3 m one
  e.cd->surface_point_count = 2;
  e.cd->surface_points[1].x = 30;
  find_max_surcharge_load(*e.cd, *e.data);
  write_surcharge_figures(*e.cd, *e.data, 0, dir.path());
  const std::string fig = read_utf8(dir / "JKJUZ000.PZK");
  // First segment (150 units): one arrow at 200, 50 units carried; second (170 units): arrows
  // at 250 - 50 + 100 = 300 and 400; the right side where the load ends.
  EXPECT_NE(fig.find("L  100 1950  100 1750 0 1\nL  100 1750  250 1750 0 1\n"
                     "Y  200 1750  200 1950 30 20 1\nL  250 1750  420 1750 0 1\n"
                     "L  420 1950  420 1750 0 1\nY  300 1750  300 1950 30 20 1\n"
                     "Y  400 1750  400 1950 30 20 1\n"),
            std::string::npos)
      << fig;
  // The value over the range 0-3 (x 1.5, drawn at 250), less 19 half-width characters.
  EXPECT_NE(fig.find("K -106 1732   70   75    0 2\nｗ\\D1 = 10.00 kN/m\\U2\n"), std::string::npos);
  // Widths: 3 m on row 1 ending at 381.25; the 0.5 m label would start at 293.75 and goes to
  // row 2 (y 600 - 17.5 - 87.5); 12 m back on row 1.
  EXPECT_NE(fig.find("K  118  582   70   75    0 2\n3.0000m\n"), std::string::npos) << fig;
  EXPECT_NE(fig.find("K  293  495   70   75    0 2\n0.5000m\n"), std::string::npos);
  EXPECT_NE(fig.find("K 1350  582   70   75    0 2\n12.0000m\n"), std::string::npos);
}

}  // namespace
}  // namespace qvt::tolmire::testing
