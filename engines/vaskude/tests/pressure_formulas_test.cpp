// The formulas of a case pass against values worked by hand from their definitions: seismic
// coefficients with their rounding, composite and failure angles, Coulomb coefficients over a
// grid of angles, clay intensities, and the questions asked where a root is negative.
#include "common/cp932.h"
#include "engines/common/message_table.h"
#include "engines/common/tests/capture_channel.h"
#include "engines/vaskude/pressure_formulas.h"
#include "engines/vaskude/tests/section_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qvt::vaskude {
namespace {

using namespace qvt::vaskude::testing;
using engine::testing::CaptureChannel;

constexpr double kDeg = std::numbers::pi / 180.0;

TEST(SeismicCoefficients, RoundingAndTheThreeFormulas) {
  auto cd_holder = std::make_unique<ConditionData>();
  ConditionData& cd = *cd_holder;
  cd.seismic_coef_earth = 0.15;
  cd.water_unit_weight = 10.1;
  // 0.1234: 0.12 to 0.01; 2 x 0.1234 = 0.2468 -> 0.2 -> 0.10 in 0.05 steps; 0.1260: 0.252 ->
  // 0.3 -> 0.15. Flag -1 leaves the value.
  EXPECT_DOUBLE_EQ(round_seismic_coefficient(1, 0, 0.1234), 0.12);
  EXPECT_DOUBLE_EQ(round_seismic_coefficient(1, 1, 0.1234), 0.10);
  EXPECT_DOUBLE_EQ(round_seismic_coefficient(1, 1, 0.1260), 0.15);
  EXPECT_DOUBLE_EQ(round_seismic_coefficient(-1, 0, 0.1234), 0.1234);
  // General: γ' 8, r = 18: 18 / 8 x 0.15 = 0.3375 -> 0.34 (0.01) or 0.675 -> 0.7 -> 0.35.
  const double general = apparent_coefficient_general(cd, 18.0);
  EXPECT_NEAR(general, 0.3375, 1e-12);
  EXPECT_DOUBLE_EQ(round_seismic_coefficient(1, 0, general), 0.34);
  EXPECT_DOUBLE_EQ(round_seismic_coefficient(1, 1, general), 0.35);
  // NIKEN: S 50, hw 5, w 10: (10.1 x 5 + 60) / 60 x 0.15 = 110.5 / 60 x 0.15 = 0.27625.
  EXPECT_NEAR(apparent_coefficient_niken(cd, 50, 5, 10, 18), 0.27625, 1e-12);
  // At the ground top (no overburden) the general formula.
  EXPECT_NEAR(apparent_coefficient_niken(cd, 0.0, 5, 10, 18), 0.3375, 1e-12);
  // ARAYOKO: a 20, b 30, c 15, w 10, h 4, f 19, g 9:
  // (2 x 60 + 76) / (2 x 45 + 36) x 0.15 = 196 / 126 x 0.15 = 0.233333...
  EXPECT_NEAR(apparent_coefficient_arayoko(cd, 20, 30, 15, 10, 4, 19, 9), 196.0 / 126 * 0.15,
              1e-12);
  // Composite angle: atan 0.2 = 11.3099 degrees -> 11.3; unrounded with flag -1.
  EXPECT_NEAR(seismic_composite_angle(0.2, 1), 11.3 * kDeg, 1e-12);
  EXPECT_DOUBLE_EQ(seismic_composite_angle(0.2, -1), std::atan(0.2));
}

TEST(SeismicCoefficients, ZeroDenominatorsEndTheRun) {
  auto cd_holder = std::make_unique<ConditionData>();
  ConditionData& cd = *cd_holder;
  cd.seismic_coef_earth = 0.15;
  // r <= 10: message 3; S + w = 0 and an ARAYOKO denominator of 0: a message, never a number
  // that is none.
  EXPECT_EQ(stop_text([&] { apparent_coefficient_general(cd, 10.0); }),
            engine::error_text(3));
  EXPECT_NE(stop_text([&] { apparent_coefficient_niken(cd, 5.0, 1, -5.0, 18); }), "");
  EXPECT_NE(stop_text([&] { apparent_coefficient_arayoko(cd, 0, 1, 0, 0, 1, 19, 0); }), "");
}

// Main land records of the level-ground section: R.W.L. +1.0; sand +2.0 (sub 10: r = 20),
// clay from -8.0. Records: 0 999.99, 1 +2.0 (ground top), 2 +1.0 (R.W.L.), 3 -8.0 clay,
// 4 -18.0 clay (active seabed -8.0 - 10), 5 -20.0 body bottom.
TEST(SeismicCoefficients, LayerCoefficientsByMethodAndRwlRule) {
  auto cd = base_section();
  cd->seismic_coef_earth = 0.15;
  cd->apparent_coef_method = 1;
  prepare_layers(*cd);
  const LandSet set = main_land_set();
  ASSERT_EQ(set.ground_top_index, 1);
  ASSERT_EQ(set.rwl_index, 2);
  // Above the R.W.L.: the design coefficient, kind 1.
  LayerCoefficients k = layer_seismic_coefficients(*cd, set, 1, 1, 0, 0);
  EXPECT_EQ(k.kind[0], 1);
  EXPECT_DOUBLE_EQ(k.k[0], 0.15);
  EXPECT_NEAR(k.theta[1], 8.5 * kDeg, 1e-12);  // atan 0.15 = 8.531 -> 8.5
  // Below: r = 20: 20 / 10 x 0.15 = 0.30, kind 2 at both ends.
  k = layer_seismic_coefficients(*cd, set, 2, 1, 0, 0);
  EXPECT_EQ(k.kind[0], 2);
  EXPECT_DOUBLE_EQ(k.k[0], 0.30);
  EXPECT_DOUBLE_EQ(k.k[1], 0.30);
  // Rule 1: the record that starts at the R.W.L. takes the design coefficient at its top.
  cd->rwl_coef_rule = 1;
  k = layer_seismic_coefficients(*cd, set, 2, 1, 0, 0);
  EXPECT_EQ(k.kind[0], 1);
  EXPECT_DOUBLE_EQ(k.k[0], 0.15);
  EXPECT_DOUBLE_EQ(k.k[1], 0.30);
  // Clay wholly below seabed - 10 (record 4 from -18 to -20): 0 at both ends.
  k = layer_seismic_coefficients(*cd, set, 4, 1, 0, 0);
  EXPECT_DOUBLE_EQ(k.k[0], 0.0);
  EXPECT_DOUBLE_EQ(k.k[1], 0.0);
  // Clay in the band with method 3: the seabed coefficient (clay r = 16: 16 / 6 x 0.15 =
  // 0.40) at the top, falling to 0 at seabed - 10 = the record's bottom.
  cd->shallow_clay_method = 3;
  k = layer_seismic_coefficients(*cd, set, 3, 1, 0, 0);
  EXPECT_DOUBLE_EQ(k.k[0], 0.40);
  EXPECT_DOUBLE_EQ(k.k[1], 0.0);
  EXPECT_DOUBLE_EQ(set.work[3].clay_coef_top, 0.40);
}

TEST(FailureAngles, SandClayRoundingAndMeans) {
  // Coulomb at θ = β = ψ = δ = 0, φ 30: 45 + φ/2 = 60 degrees.
  EXPECT_NEAR(sand_failure_angle(0, 30 * kDeg, 0, 0, 0), 60 * kDeg, 1e-12);
  // φ 30, δ 15: A = sin 45 cos 15 / sin 30 = 1.366025, √A = 1.168771, B = 45:
  // 1 / (1.168771 / 0.707107 - 1) = 1.531658, atan = 56.8598 degrees.
  EXPECT_NEAR(sand_failure_angle(0, 30 * kDeg, 15 * kDeg, 0, 0) / kDeg, 56.8598, 1e-4);
  // Clay at θ = 0: 45 degrees from both forms; without cohesion -1.
  EXPECT_NEAR(clay_failure_angle(50, 10, 40, 0, 0), 45 * kDeg, 1e-12);
  EXPECT_NEAR(clay_failure_angle(50, 10, 40, 0, 1), 45 * kDeg, 1e-12);
  EXPECT_DOUBLE_EQ(clay_failure_angle(50, 10, 0, 0.2, 0), -1.0);
  // θ = atan 0.2, S 50, w 10, c 40. Form 0: v = 1 - 0.2 x 70 / 80 = 0.825,
  // atan √0.825 = 42.2487 degrees. Form 1: s = 0.196116, t = 80 x 0.980581 / 60 + s =
  // 1.503557, v = t² - s² = 2.222222, (90 - atan(s / 1.490712)) / 2 = 41.2526 degrees.
  EXPECT_NEAR(clay_failure_angle(50, 10, 40, std::atan(0.2), 0) / kDeg, 42.2487, 1e-4);
  EXPECT_NEAR(clay_failure_angle(50, 10, 40, std::atan(0.2), 1) / kDeg, 41.2526, 1e-4);
  // v < 0 is returned as it is: 1 - 0.5 x 120 / 20 = -2.
  EXPECT_NEAR(clay_failure_angle(100, 10, 10, std::atan(0.5), 0), -2.0, 1e-12);
  // No overburden and no surcharge: the second form has no root.
  EXPECT_LT(clay_failure_angle(0, 0, 10, 0.1, 1), 0.0);
  // 30.00014 degrees: 108000.504 seconds -> 108001 = 30.000278; to 0.1 degree 30.0.
  EXPECT_NEAR(round_angle(30.00014 * kDeg, 0) / kDeg, 30.0 + 1.0 / 3600, 1e-12);
  EXPECT_NEAR(round_angle(30.00014 * kDeg, 1) / kDeg, 30.0, 1e-12);
  struct Row {
    double top, bottom, expect;
    int kind;
  };
  const double d = 50;  // the default angle
  const Row rows[] = {{40, 44, 42, 3}, {40, -1, 45, 2}, {-1, 44, 47, 1}, {-1, -0.5, 50, 0}};
  for (const Row& r : rows) {
    double a = 0;
    int kind = -1;
    mean_clay_angle(r.top, r.bottom, d, a, kind);
    EXPECT_DOUBLE_EQ(a, r.expect);
    EXPECT_EQ(kind, r.kind);
  }
}

TEST(FailureAngles, NegativeRootAsksOnceAndNoEndsTheRun) {
  reset_run_data();
  // φ 20 below a slope of 30: sin(φ - β) < 0, no real root.
  {
    CaptureChannel ch;
    ch.answers = {"yes"};
    engine::ScopedMessageChannel scope(ch);
    EXPECT_DOUBLE_EQ(sand_failure_angle(30 * kDeg, 20 * kDeg, 0, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(sand_failure_angle(30 * kDeg, 20 * kDeg, 0, 0, 0), 0.0);
    ASSERT_EQ(ch.lines.size(), 1u);  // the answer holds for the rest of the run
    EXPECT_NE(ch.lines[0].find("question\twaring\t砂質土主働崩壊角計算式"), std::string::npos);
  }
  reset_run_data();
  for (const char* answer : {static_cast<const char*>("no"), static_cast<const char*>(nullptr)}) {
    CaptureChannel ch;
    if (answer) ch.answers = {answer};
    engine::ScopedMessageChannel scope(ch);
    EXPECT_EQ(stop_text([] { sand_failure_angle(30 * kDeg, 20 * kDeg, 0, 0, 0); }), "(silent)");
  }
  // A zero denominator (φ - β - θ = 0) is the same question, never a NaN.
  reset_run_data();
  CaptureChannel ch;
  ch.answers = {"yes"};
  engine::ScopedMessageChannel scope(ch);
  EXPECT_DOUBLE_EQ(sand_failure_angle(0, 20 * kDeg, 0, 0, 20 * kDeg), 0.0);
  EXPECT_EQ(ch.lines.size(), 1u);
}

// Coulomb / Mononobe-Okabe coefficients, hand-worked from
//   Ka = cos²(φ-ψ-θ) / (cos θ cos²ψ cos(δ+ψ+θ) (1 + √(sin(φ+δ) sin(φ-β-θ) / (cos(δ+ψ+θ) cos(ψ-β))))²)
//   Kp = cos²(φ+ψ-θ) / (cos θ cos²ψ cos(δ+ψ-θ) (1 - √(sin(φ-δ) sin(φ+β-θ) / (cos(δ+ψ-θ) cos(ψ-β))))²)
TEST(EarthPressureCoefficients, GridOfAngles) {
  struct Row {
    const char* what;
    double beta, phi, delta, theta;  // degrees
    double kh, kv;                   // K cos δ, K sin δ to 4 decimals
    bool passive;
  };
  const Row rows[] = {
      // φ 30, δ 0: Ka = (1 - sin 30) / (1 + sin 30) = 1/3; Kp = 3.
      {"Rankine active", 0, 30, 0, 0, 0.3333, 0.0, false},
      {"Rankine passive", 0, 30, 0, 0, 3.0, 0.0, true},
      // φ 30, δ 15: A = sin 45 sin 30 / cos 15 = 0.366025, (1 + 0.605004)² = 2.576038,
      // K = 0.75 / (0.965926 x 2.576038) = 0.301417; x cos 15 = 0.29115, x sin 15 = 0.07801.
      {"Coulomb active", 0, 30, 15, 0, 0.2911, 0.0780, false},
      // Passive with δ = -15 (the sea side passes -δ): A = sin 45 sin 30 / cos 15 = 0.366025,
      // (1 - 0.605004)² = 0.156022, K = 0.75 / (0.965926 x 0.156022) = 4.976500;
      // x cos 15 = 4.80693, x sin(-15) = -1.28801.
      {"Coulomb passive", 0, 30, -15, 0, 4.8069, -1.2880, true},
      // Seismic θ 11.3: A = sin 45 sin 18.7 / cos 26.3 = 0.707107 x 0.320613 / 0.896486 =
      // 0.252883, (1.502878)² = 2.258641, K = cos² 18.7 / (cos 11.3 cos 26.3 x 2.258641) =
      // 0.897237 / (0.980615 x 0.896486 x 2.258641) = 0.451860; x cos 15 = 0.43646,
      // x sin 15 = 0.116950 -> 0.1170.
      {"seismic active", 0, 30, 15, 11.3, 0.4365, 0.1170, false},
      // Slope β 10, φ 35, δ 15: A = sin 50 sin 25 / (cos 15 cos 10) = 0.766044 x 0.422618 /
      // (0.965926 x 0.984808) = 0.340344, (1.583390)² = 2.507124,
      // K = cos² 35 / (cos 15 x 2.507124) = 0.671010 / 2.421695 = 0.277083;
      // x cos 15 = 0.26764, x sin 15 = 0.07171.
      {"sloped active", 10, 35, 15, 0, 0.2676, 0.0717, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const double b = r.beta * kDeg, p = r.phi * kDeg, d = r.delta * kDeg, t = r.theta * kDeg;
    if (r.passive) {
      EXPECT_DOUBLE_EQ(passive_coefficient_sand(b, p, d, 0, t), r.kh);
      EXPECT_DOUBLE_EQ(passive_vertical_coefficient_sand(b, p, d, 0, t), r.kv);
    } else {
      EXPECT_DOUBLE_EQ(active_coefficient_sand(b, p, d, 0, t), r.kh);
      EXPECT_DOUBLE_EQ(active_vertical_coefficient_sand(b, p, d, 0, t), r.kv);
    }
  }
  // K (S + w cos ψ / cos(ψ - β)): 0.2911 x (43.2 + 10) = 15.48652 -> 15.487; with β 10:
  // 0.2911 x (43.2 + 10 / cos 10) = 0.2911 x 53.354241 = 15.53142 -> 15.531.
  EXPECT_DOUBLE_EQ(sand_active_intensity(0.2911, 43.2, 10, 0, 0), 15.487);
  EXPECT_DOUBLE_EQ(sand_active_intensity(0.2911, 43.2, 10, 0, 10 * kDeg), 15.531);
}

TEST(EarthPressureCoefficients, PassiveRootAtOrBeyondOneIsAskedAbout) {
  reset_run_data();
  CaptureChannel ch;
  ch.answers = {"yes"};
  engine::ScopedMessageChannel scope(ch);
  // φ 45, δ -45 (passive): A = sin 90 sin 45 / (cos(-45) cos 0) = 1, √A = 1: the divisor
  // (1 - √A)² would be 0. Answered Yes, A = 0: K = cos² 45 / cos(-45) = 0.707107;
  // x cos 45 = 0.5.
  EXPECT_DOUBLE_EQ(passive_coefficient_sand(0, 45 * kDeg, -45 * kDeg, 0, 0), 0.5);
  ASSERT_EQ(ch.lines.size(), 1u);
  EXPECT_NE(ch.lines[0].find("受働土圧係数計算式の√内が負の値になりました"), std::string::npos);
}

TEST(ClayIntensities, NormalAndSeismicForms) {
  auto cd_holder = std::make_unique<ConditionData>();
  ConditionData& cd = *cd_holder;
  cd.custom_options.consolidation_coef_kc = 0.5;
  double p1 = 0, p2 = 0;
  // Normal: S + w = 50, c = 30: p1 = 50 - 60 = -10, p2 = 0.5 x 50 = 25; formula 0 takes 25,
  // formula 1 takes -10 and stores -99999.9 as p2.
  EXPECT_DOUBLE_EQ(clay_active_intensity(cd, 0, 20, 40, 10, 30, 0, 0, false, 1, p1, p2), 25.0);
  EXPECT_DOUBLE_EQ(p1, -10.0);
  EXPECT_DOUBLE_EQ(p2, 25.0);
  cd.clay_pressure_formula[0] = 1;
  EXPECT_DOUBLE_EQ(clay_active_intensity(cd, 0, 20, 40, 10, 30, 0, 0, false, 1, p1, p2), -10.0);
  EXPECT_DOUBLE_EQ(p2, -99999.9);
  // Seismic with θ = 0 and ζ = 45: (S + w) sin 45 / sin 45 - c / (cos 45 sin 45) =
  // (S + w) - 2c, the normal formula: 60 - 80 = -20.
  cd.clay_pressure_formula[1] = 1;
  EXPECT_NEAR(clay_active_intensity(cd, 1, 5, 50, 10, 40, 45 * kDeg, 0, false, 1, p1, p2),
              -20.0, 1e-12);
  // θ 11.3, ζ 42.2: 60 sin 53.5 / (cos 11.3 sin 42.2) - 40 / (cos 42.2 sin 42.2)
  // = 48.23142 / 0.658700 - 40 / 0.497614 = 73.22214 - 80.38360 = -7.16146 -> -7.161.
  EXPECT_DOUBLE_EQ(
      clay_active_intensity(cd, 1, 5, 50, 10, 40, 42.2 * kDeg, 11.3 * kDeg, false, 1, p1, p2),
      -7.161);
  // With formula 0 the consolidation form 0.5 x 60 = 30 is larger.
  cd.clay_pressure_formula[1] = 0;
  EXPECT_DOUBLE_EQ(
      clay_active_intensity(cd, 1, 5, 50, 10, 40, 42.2 * kDeg, 11.3 * kDeg, false, 1, p1, p2),
      30.0);
  EXPECT_DOUBLE_EQ(p1, -7.161);
  // 10 m or more below the active seabed the static form holds in the seismic case too:
  // 60 - 80 = -20 against 30.
  cd.clay_pressure_formula[1] = 1;
  EXPECT_DOUBLE_EQ(
      clay_active_intensity(cd, 1, 12, 50, 10, 40, 42.2 * kDeg, 11.3 * kDeg, false, 1, p1, p2),
      -20.0);
  // The cohesion factor 0 (negative-root rule 3): 73.222 with no cohesion term.
  EXPECT_DOUBLE_EQ(
      clay_active_intensity(cd, 1, 5, 50, 10, 40, 42.2 * kDeg, 11.3 * kDeg, false, 0, p1, p2),
      73.222);
  // A failure angle of 0 in the seismic form: a message, the run ends.
  EXPECT_NE(stop_text([&] {
              clay_active_intensity(cd, 1, 5, 50, 10, 40, 0.0, 0.1, false, 1, p1, p2);
            }),
            "");
  EXPECT_DOUBLE_EQ(clay_passive_intensity(40, 10, 30), 110.0);
}

}  // namespace
}  // namespace qvt::vaskude
