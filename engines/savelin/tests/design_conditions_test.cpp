// The design conditions report written from hand-set condition data: which templates follow
// each other under which conditions, and every field's print format.
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/savelin/savelin.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace qvt::savelin {
namespace {

using engine::ConditionData;

std::vector<std::string> report(const ConditionData& d) {
  qvt::testing::TempDir dir;
  engine::PrintFile f;
  EXPECT_TRUE(f.open(dir / "DM0000JK.PDT", {}));
  write_design_conditions(d, f);
  EXPECT_TRUE(f.close({}));
  return split_lines(read_file_bytes(dir / "DM0000JK.PDT").value_or(""));
}

// The template records alone, "$0  " and "$1  " taken away.
std::vector<std::string> templates(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const auto& l : lines)
    if (l.rfind("$", 0) == 0) out.push_back(l.substr(4));
  return out;
}

// The field records that follow the n-th record of a template.
std::vector<std::string> fields_of(const std::vector<std::string>& lines, const std::string& name,
                                   int n = 0) {
  std::vector<std::string> out;
  int seen = -1;
  bool in = false;
  for (const auto& l : lines) {
    if (l.rfind("$", 0) == 0) {
      in = l.substr(4) == name && ++seen == n;
      continue;
    }
    if (in) out.push_back(l);
  }
  return out;
}

std::unique_ptr<ConditionData> base() {
  auto d = std::make_unique<ConditionData>();
  d->project_title.assign("quay");
  const int date[3] = {26, 12, 10}, time[3] = {9, 5, 0};
  for (int i = 0; i < 3; ++i) {
    d->stamp_date[i] = date[i];
    d->stamp_time[i] = time[i];
  }
  return d;
}

TEST(DesignConditionsTest, EmptyConditionsGiveTheFixedSkeleton) {
  auto d = base();
  d->water_levels[0] = 1.8;
  d->water_levels[2] = 0.6;
  d->water_unit_weight = 10.1;
  const std::vector<std::string> want = {
      utf8_to_cp932_lossy("設計条件"),
      "  26  12  10   9   5   0        quay",
      "$1  SJKN_000.PFM", "00     1.800", "01     0.000", "02     0.600", "03    10.100",
      "$0  SJKN_050.PFM", "00     0.000", "01     0.000", "02     0.000", "03     0.000",
      "04     0.000", "05     0.000",
      "$0  SJKN_052.PFM", "08     0.000", "09     0.000", "10     0.000", "11     0.000",
      "$0  SJKN_020.PFM", "$0  SJKN_030.PFM",  // no layers: the headings still come
      "$0  SJKN_040.PFM", "00     0.000", "01     0.000", "02         0", "03     0.000",
      "04     0.000", "05     0.000"};
  EXPECT_EQ(report(*d), want);  // no end record
}

TEST(DesignConditionsTest, SeismicCoefficientsDirectOrFromFactors) {
  auto d = base();
  d->seismic_check = 2;
  d->seismic_coef_earth = 0.15;
  d->seismic_coef_inertia = 0.12;
  auto lines = report(*d);
  EXPECT_EQ(templates(lines)[1], "SJKN_010.PFM");
  EXPECT_EQ(fields_of(lines, "SJKN_010.PFM"),
            (std::vector<std::string>{"00     0.150", "01     0.120"}));

  d->seismic_coef_mode = 1;
  d->regional_coef[0] = 0.15;
  d->ground_type_factor[0] = 1.2;
  d->importance_factor[0] = 1.5;
  d->regional_coef[1] = 0.1;
  d->ground_type_factor[1] = 1.0;
  d->importance_factor[1] = 1.2;
  lines = report(*d);
  EXPECT_EQ(fields_of(lines, "SJKN_011.PFM"),
            (std::vector<std::string>{"00     0.150", "01     1.200", "02     1.500",
                                      "03     0.150", "04     0.100", "05     1.000",
                                      "06     1.200", "07     0.120"}));
}

TEST(DesignConditionsTest, SafetyFactorsAndStressesByImprovementPattern) {
  auto d = base();
  const double factors[4][2] = {{1.2, 1.0}, {1.2, 1.1}, {2.5, 1.5}, {1.3, 1.05}};
  for (int k = 0; k < 4; ++k)
    for (int c = 0; c < 2; ++c) d->safety_factors[k][c] = factors[k][c];
  d->allowable_stresses[0][0] = 600;
  d->allowable_stresses[0][1] = 900;
  d->allowable_stresses[1][0] = 300;
  d->allowable_stresses[1][1] = 450;
  d->allowable_stresses[2][0] = 1000;
  d->allowable_stresses[2][1] = 1500;
  d->improvement_ratio = 80;

  d->improvement_pattern = PATTERN_WALL;  // the pull-out factors too
  auto lines = report(*d);
  EXPECT_EQ(fields_of(lines, "SJKN_051.PFM"),
            (std::vector<std::string>{"00     1.200", "01     1.000", "02     1.200",
                                      "03     1.100", "04     2.500", "05     1.500",
                                      "06     1.300", "07     1.050"}));
  EXPECT_EQ(fields_of(lines, "SJKN_052.PFM"),
            (std::vector<std::string>{"08   600.000", "09   900.000", "10   300.000",
                                      "11   450.000"}));

  d->improvement_pattern = PATTERN_TANGENT_CIRCLES;  // design strength, half of it by the ratio
  lines = report(*d);
  EXPECT_EQ(fields_of(lines, "SJKN_050.PFM").size(), 6u);
  EXPECT_EQ(fields_of(lines, "SJKN_053.PFM"),
            (std::vector<std::string>{"08  1000.000", "09  1500.000", "10   400.000",
                                      "11   600.000"}));

  d->improvement_pattern = 7;  // outside the codes: the wall rows, the "other" stress rows
  lines = report(*d);
  EXPECT_EQ(templates(lines)[1], "SJKN_051.PFM");
  EXPECT_EQ(templates(lines)[2], "SJKN_052.PFM");
}

TEST(DesignConditionsTest, SurchargeHeadingsFollowWhatCameBefore) {
  struct Case {
    const char* what;
    int surface_shape;
    bool top, surface, ranges;
    std::vector<std::string> want;  // templates between the stresses and SJKN_020
  };
  const Case cases[] = {
      {"straight, top and surface", 0, true, true, false,
       {"SJKN_060.PFM", "SJKN_061.PFM", "SJKN_061.PFM", "SJKN_070.PFM", "SJKN_071.PFM"}},
      {"straight, surface only", 0, false, true, false, {"SJKN_072.PFM", "SJKN_071.PFM"}},
      {"arbitrary, top and ranges", 1, true, true, true,
       {"SJKN_060.PFM", "SJKN_061.PFM", "SJKN_061.PFM", "SJKN_080.PFM", "SJKN_061.PFM",
        "SJKN_061.PFM", "SJKN_061.PFM", "SJKN_061.PFM", "SJKN_061.PFM"}},
      {"arbitrary, ranges only", 1, false, false, true,
       {"SJKN_081.PFM", "SJKN_061.PFM", "SJKN_061.PFM", "SJKN_061.PFM", "SJKN_061.PFM",
        "SJKN_061.PFM"}},
      {"nothing loaded", 0, false, false, false, {}},
  };
  for (const Case& c : cases) {
    auto d = base();
    d->surface_shape = c.surface_shape;
    if (c.top) {
      d->top_surcharges.load[0][1] = 5;  // a seismic load alone counts
      d->top_surcharges.load[2][0] = 10;
      d->top_surcharges.load[3][0] = 0;  // both zero: skipped
    }
    if (c.surface) d->surface_surcharge[0] = 10;  // not printed on an arbitrary surface
    if (c.ranges)
      for (auto& r : d->surcharge_ranges) r.load[0] = 20;  // all five, whatever the count says
    auto t = templates(report(*d));
    const auto first = t.begin() + 3, last = t.end() - 3;  // after 000, 050, 052; before 020
    EXPECT_EQ(std::vector<std::string>(first, last), c.want) << c.what;
  }
}

TEST(DesignConditionsTest, SurchargeRowsAndSeabedSurcharge) {
  auto d = base();
  d->top_surcharges.x_min[1] = 2;
  d->top_surcharges.x_max[1] = 999;
  d->top_surcharges.load[1][1] = 5;
  d->seabed_surcharge[1] = 3.25;
  const auto lines = report(*d);
  EXPECT_EQ(fields_of(lines, "SJKN_061.PFM"),
            (std::vector<std::string>{"00     2.000", "01   999.000", "02     0.000",
                                      "03     5.000"}));
  const auto t = templates(lines);
  EXPECT_EQ(std::vector<std::string>(t.begin() + 5, t.begin() + 7),
            (std::vector<std::string>{"SJKN_073.PFM", "SJKN_071.PFM"}));
  EXPECT_EQ(fields_of(lines, "SJKN_071.PFM"),
            (std::vector<std::string>{"00     0.000", "01     3.250"}));
}

TEST(DesignConditionsTest, LayersLandSideFirstWithSignedTopLevels) {
  auto d = base();
  d->soil_layer_counts[engine::SIDE_ACTIVE] = 2;
  d->soil_layer_counts[engine::SIDE_PASSIVE] = 1;
  auto& land = d->soil_layers[engine::SIDE_ACTIVE];
  land[0] = {2, -10, 18, 10, 0, 30, 0, 0, 0, 0};
  land[1] = {-10, -25, 16, 6, 1, 0, 30, 2, 0, 0};
  d->soil_layers[engine::SIDE_PASSIVE][0] = {-5, -25, 18, 10, 0, 35, 0, 0, 0, 0};
  d->soil_layers[engine::SIDE_PASSIVE][1] = {-25, -30, 1, 1, 0, 1, 0, 0, 0, 0};  // beyond count
  const auto lines = report(*d);
  const auto t = templates(lines);
  EXPECT_EQ(std::vector<std::string>(t.begin() + 3, t.end() - 1),
            (std::vector<std::string>{"SJKN_020.PFM", "SJKN_022.PFM", "SJKN_021.PFM",
                                      "SJKN_030.PFM", "SJKN_022.PFM"}));
  EXPECT_EQ(fields_of(lines, "SJKN_022.PFM", 0),
            (std::vector<std::string>{"00    +2.000", "01    18.000", "02    10.000",
                                      "03    30.000"}));
  EXPECT_EQ(fields_of(lines, "SJKN_021.PFM"),
            (std::vector<std::string>{"00   -10.000", "01    16.000", "02     6.000",
                                      "03    30.000", "04     2.000"}));
  EXPECT_EQ(fields_of(lines, "SJKN_022.PFM", 1)[0], "00    -5.000");
}

TEST(DesignConditionsTest, ClayBearingLayer) {
  auto d = base();
  d->bearing_layer.soil_type = 1;
  d->bearing_layer.unit_weight = 17;
  d->bearing_layer.cohesion = 120;
  d->bearing_layer.cohesion_gradient = 2.5;
  const auto lines = report(*d);
  EXPECT_EQ(templates(lines).back(), "SJKN_042.PFM");
  EXPECT_EQ(fields_of(lines, "SJKN_042.PFM"),
            (std::vector<std::string>{"00    17.000", "01   120.000", "02     2.500"}));
}

}  // namespace
}  // namespace qvt::savelin
