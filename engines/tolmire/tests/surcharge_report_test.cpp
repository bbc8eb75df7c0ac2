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
