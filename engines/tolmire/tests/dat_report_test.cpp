// The earth pressure data report of the hand-made case: the whole report, its figure and its
// tables byte for byte in both cases, then the records each calculation option selects. The
// goldens (golden/DM002DAT.PDT ... golden/DOUSUI.PFM) were checked field by field against the
// hand-made case of report_fixture.h and the layouts the print templates expect.
#include "engines/common/engine_entry.h"
#include "engines/common/tests/golden_file.h"
#include "engines/tolmire/tests/report_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace qvt::tolmire::testing {
namespace {

// The file `name` the report wrote against its golden of the same name.
void expect_golden(const qvt::testing::TempDir& dir, const char* name) {
  EXPECT_TRUE(engine::testing::file_matches_golden(engine::testing::golden_folder("tolmire") / name,
                                                   dir / name));
}

TEST(DatReportTest, NormalCaseReportFigureAndTablesByteForByte) {
  qvt::testing::TempDir dir;
  Fixture fx;
  fx.write_normal_tables(dir.path());
  write_dat_report(*fx.cd, *fx.data, 0, dir.path());
  for (const char* name : {"DM002DAT.PDT", "SD_SUI_1.PFM", "SD_ZAN_1.PFM", "DOATU_Z0.PZK"})
    expect_golden(dir, name);
  // The sections before the figure print the top layer as read; the figure cuts it at the
  // zero point of its intensity (-6.0 at +3.0, 12.0 at 0.0: one metre lower, two thick).
  EXPECT_DOUBLE_EQ(fx.data->work.land[0].top_level, 2.0);
  EXPECT_DOUBLE_EQ(fx.data->work.land[0].thickness, 2.0);
  EXPECT_EQ(fx.data->work.active[0].horizontal_top, 0.0);
}

TEST(DatReportTest, SeismicCaseReportWithLiquefactionAndTablesByteForByte) {
  qvt::testing::TempDir dir;
  Fixture fx;
  fx.make_seismic(dir.path());
  write_dat_report(*fx.cd, *fx.data, 1, dir.path());
  for (const char* name : {"DM102DAT.PDT", "SD_SUI_2.PFM", "SD_EN_2.PFM", "DOUSUI.PFM"})
    expect_golden(dir, name);
}

// The report of a case after an option change, as UTF-8 with "\n" line ends.
std::string report_with(int load_case, const std::function<void(Fixture&)>& change) {
  qvt::testing::TempDir dir;
  Fixture fx;
  if (load_case == 0)
    fx.write_normal_tables(dir.path());
  else
    fx.make_seismic(dir.path());
  change(fx);
  write_dat_report(*fx.cd, *fx.data, load_case, dir.path());
  return read_utf8(dir / (load_case == 0 ? "DM002DAT.PDT" : "DM102DAT.PDT"));
}

struct OptionCase {
  const char* what;
  int load_case;
  std::function<void(Fixture&)> change;
  std::vector<std::string> present, absent;
};

TEST(DatReportTest, OptionsSelectTheirRecords) {
  const std::vector<OptionCase> cases = {
      {"direct apparent coefficient", 1,
       [](Fixture& f) { f.cd->apparent_coef_method = 0; },
       {"$0  MIKAKE3.PFM\n98    0.20\n99  (1)\n$0  SND_MSG1.PFM\n$R  18\n$T  \n$0  HYOJN1.PFM\n"},
       {}},
      {"NIKEN formula, depth from the top, front from the L.W.L.", 1,
       [](Fixture& f) {
         f.cd->apparent_coef_method = 2;
         f.cd->custom_options.residual_water_rule = 1;
       },
       {"$0  MIKAKE1A.PFM\n98  天端位置からの深さ。\n97  L.W.L位置からの深さ。\n99  (1)\n",
        // Land row 1: top at the R.W.L. shows its coefficient in NIKEN2 whatever the rule.
        "$0  NIKEN2.PFM\n00    0.000\n01   -4.000\n02   4.000\n03    18.000\n04    54.000\n"
        "05    94.000\n06     10.00\n07     10.00\n08     0.000\n10    0.14\n09     0.000\n"
        "11    0.15\n12     8.0\n13     8.5\n",
        "99  2) 受働側\n98    0.15\n$H  NIKEN_HD.PFM\n98    0.15\n$0  NIKEN2.PFM\n"},
       {"HYOJN"}},
      {"ARAYOKO formula: two keep records, ARAYOKO set, no $L", 1,
       [](Fixture& f) {
         f.cd->apparent_coef_method = 3;
         f.data->work.arayoko_land[3].weight_above_rwl = 21.5;
         f.data->work.arayoko_sea[1].weight_above_water = 7.25;
       },
       {"$0  MIKAKE4.PFM\n99  (1)\n",
        "$R  18\n$T  \n$R  18\n$0  ARAYOKO1.PFM\n99  1) 主働側\n98    0.15\n97    21.500\n"
        "$H  ARAYOKOH.PFM\n98    0.15\n97    21.500\n$0  ARAYOKO2.PFM\n00    3.000\n",
        "$0  ARAYOKO3.PFM\n$H  \n$R  12\n$T  \n$R  12\n$0  ARAYOKO1.PFM\n99  2) 受働側\n",
        "97     7.250\n",
        "$0  ARAYOKO3.PFM\n$H  \n$1  JS_DTS1.PFM"},
       {}},
      {"general formula, shallow clay method 0", 1,
       [](Fixture& f) { f.cd->shallow_clay_method = 0; },
       {"$0  SND_MSG2.PFM\n", "$R  23\n$0  JS_DTS5.PFM\n$0  JS_DTSM3.PFM\n",
        // Coefficient table: one clay row in the band, keep + 5; its bottom fields starred.
        "$R  15\n$T  \n$0  JS_DTK1.PFM\n",
        "05  53.3\n07  ────\n09  ────\n11  ────\n13  ────\n99  ※\n14    25.000\n",
        "$0  JS_10MSG.PFM\n$R  4\n$0  JS_TOK1.PFM\n99  (海底面下－１０ｍ位置での土圧強度)\n"
        "$0  JS_TOK2.PFM\n00   -7.000\n01   210.000\n03    50.000\n04    25.000\n05    22.500\n"
        "06    25.000\n$1  JS_DTJ.PFM",
        // Land soil table: bottom fields of the clay row not applicable, no star (method 0).
        "08    0.14\n10     8.0\n09  ───\n11  ───\n$0  JS_DTT2.PFM\n00   -7.000\n"},
       {"JS_DLMSG", "HOKAN"}},
      {"shallow clay method 2: interpolation, stars and both intensity sets", 1,
       [](Fixture& f) { f.cd->shallow_clay_method = 2; },
       {"$0  SND_MSG4.PFM\n", "$R  25\n$0  JS_DTS14.PFM\n$0  JS_DTSM3.PFM\n",
        // HYOJN2 clay row: top and bottom in the band.
        "00   -4.000\n01   -7.000\n02   3.000\n03    16.000\n04  ───\n05  ───\n06     8.0\n"
        "07  ───\n",
        "$H  \n$L  \n$R  8\n$0  HOKAN31.PFM\n$0  HOKAN32.PFM\n00   -4.00\n01   -7.00\n"
        "02    16.000\n03    0.00\n04     0.0\n$R  12\n",
        "$T  \n$R  20\n$1  JS_DTT1.PFM\n",
        "08    0.14\n10     8.0\n09  ───\n11  ───\n99  ※\n",
        "$H  \n$L  \n$0  JS_DLMSG.PFM\n$R  15\n",
        "04  52.5\n06  ────\n08  ────\n10  ────\n12  ────\n98  ※\n05  53.3\n07  ────\n"
        "09  ────\n11  ────\n13  ────\n99  ※\n",
        "$0  JS_HKMSG.PFM\n$R  5\n$0  JS_TOK4.PFM\n$0  JS_TOK5.PFM\n00   -4.000\n01   110.000\n"
        "03    31.000\n04    24.000\n05    26.000\n06    26.000\n07   -7.000\n08   210.000\n"
        "10    50.000\n11    25.000\n12    22.500\n13    25.000\n$1  JS_DTJ.PFM"},
       {}},
      {"shallow clay method 3 with the shallow comparison", 1,
       [](Fixture& f) {
         f.cd->shallow_clay_method = 3;
         f.cd->clay_compare_shallow = 1;
         f.cd->clay_compare_deep = 1;
       },
       {"$0  SND_MSG3.PFM\n", "$R  18\n$0  JS_DTS15.PFM\n$0  JS_DTSM2.PFM\n$0  JS_DTSDS.PFM\n"
                              "$0  JS_DTSM1.PFM\n",
        "$R  7\n$0  HOKAN01.PFM\n$0  HOKAN02.PFM\n00   -4.00\n01   -7.00\n02      0.00\n"
        "03        0.14\n04        0.15\n$R  12\n",
        "$H  \n$L  \n$R  4\n$0  JS_TOK1.PFM\n99  (海底面位置での土圧強度)\n$0  JS_TOK2.PFM\n"
        "00   -4.000\n01   110.000\n03    31.000\n04    24.000\n05    26.000\n06    26.000\n"
        "$1  JS_DTJ.PFM"},
       {"JS_10MSG", "JS_HKMSG", "JS_DLMSG"}},
      {"shallow clay method 1 compares shallow clay with M1", 1,
       [](Fixture& f) { f.cd->clay_compare_shallow = 1; },
       {"$R  12\n$0  JS_DTS4.PFM\n$0  JS_DTSM1.PFM\n$0  JS_DTSDS.PFM\n$0  JS_DTSM3.PFM\n"},
       {"JS_TOK"}},
      {"negative root rule 0", 1,
       [](Fixture& f) { f.cd->custom_options.negative_root_rule = 0; },
       {"$0  JS_DTS2.PFM     JS_DTS2.PZK\n$0  JS_DTS10.PFM\n99  12.5\n$R  12\n"},
       {}},
      {"negative root rule 1", 1,
       [](Fixture& f) { f.cd->custom_options.negative_root_rule = 1; },
       {"JS_DTS2.PZK\n$0  JS_DTS11.PFM\n$R  12\n"},
       {}},
      {"negative root rule 2", 1,
       [](Fixture& f) { f.cd->custom_options.negative_root_rule = 2; },
       {"JS_DTS2.PZK\n$0  JS_DTS12.PFM\n$0  JS_DTS16.PFM    JS_DTS16.PZK\n$R  12\n"},
       {}},
      {"negative root rule 3", 1,
       [](Fixture& f) { f.cd->custom_options.negative_root_rule = 3; },
       {"JS_DTS2.PZK\n$0  JS_DTS13.PFM\n$R  12\n"},
       {}},
      {"negative root rule 5 writes none", 1, [](Fixture&) {}, {"JS_DTS2.PZK\n$R  12\n"},
       {"JS_DTS10", "JS_DTS11", "JS_DTS12", "JS_DTS13", "JS_DTS16"}},
      {"seismic clay formula 1", 1,
       [](Fixture& f) { f.cd->clay_pressure_formula[1] = 1; },
       {"$R  12\n$0  JS_DTS3.PFM     JS_DTS3.PZK\n", "$0  JS_DTS8.PFM\n$0  JS_DTS9.PFM\n98   0.3\n",
        "10    25.000\n12  ────\n05  53.3\n07  ────\n09  ────\n11    25.000\n13  ────\n"},
       {"JS_DTS2.PFM", "JS_DTS6.PFM"}},
      {"normal clay formula 1", 0,
       [](Fixture& f) { f.cd->clay_pressure_formula[0] = 1; },
       {"$0  JO_DTS1.PFM     JO_DTS1.PZK\n$0  JO_DTS3.PFM\n$T  \n",
        "08    25.000\n09    25.000\n10  ────\n11  ────\n"},
       {"JO_DTS2"}},
      {"backfill vertical ignored, normal case", 0,
       [](Fixture& f) { f.cd->custom_options.backfill_vertical_ignored = 1; },
       {"$0  JO_DTK11.PFM\n$H  JO_DTHD1.PFM\n$0  JO_DTK21.PFM\n",
        "12    -6.000\n13    12.000\n14  ────\n15  ────\n",
        "$0  JU_DTP1.PFM\n$H  JU_DTPHD.PFM\n$0  JU_DTP2.PFM\n",
        "06    10.000\n07    20.000\n20     0.000\n"},
       {"M_FTYA", "JO_DTK2.PFM"}},
      {"backfill vertical ignored, seismic case prints the vertical values", 1,
       [](Fixture& f) { f.cd->custom_options.backfill_vertical_ignored = 1; },
       {"$0  JS_DTK11.PFM\n$H  JS_DTHD1.PFM\n$0  JS_DTK21.PFM\n",
        "14    -6.000\n15    12.000\n16    -1.600\n17     3.200\n"},
       {"M_FTYA"}},
      {"R.W.L. rule 1: a top at the R.W.L. hides its coefficient", 1,
       [](Fixture& f) { f.cd->rwl_coef_rule = 1; },
       {"00    0.000\n01   -4.000\n02   4.000\n03    20.000\n04  ───\n05    0.15\n"},
       {}},
      {"seismic rounding 1 rounds a derived coefficient to 0.05", 1,
       [](Fixture& f) { f.cd->custom_options.seismic_rounding = 1; },
       {"00    0.000\n01   -4.000\n02   4.000\n03    20.000\n04    0.15\n05    0.15\n",
        "08    0.15\n10     8.5\n09    0.15\n"},
       {}},
      {"a coefficient given directly is shown as stored", 1,
       [](Fixture& f) {
         f.data->work.land[1].seismic_coef_kind_top = 1;
       },
       {"00    0.000\n01   -4.000\n02   4.000\n03    20.000\n04    0.14\n05    0.15\n06     7.8\n"},
       {}},
      {"a clay top 0.0005 above D lies in the band", 1,
       [](Fixture& f) {
         f.cd->shallow_clay_method = 2;
         f.data->work.land[2].top_level = -2.9995;
       },
       {"02   3.000\n03    16.000\n04  ───\n05  ───\n"},
       {}},
      {"a clay top 0.002 above D does not", 1,
       [](Fixture& f) {
         f.cd->shallow_clay_method = 2;
         f.data->work.land[2].top_level = -2.998;
       },
       {"00   -2.998\n01   -5.998\n02   3.000\n03    16.000\n04    0.14\n05  ───\n"},
       {}},
      {"arbitrary ground surface: no title page, (2)", 1,
       [](Fixture& f) { f.cd->surface_shape = 1; },
       {"  26  12  10   9   5   7      TEST QUAY\n$0  MIKAKE2.PFM\n99  (2)\n"},
       {"GAI_TITL"}},
      {"the seismic passive table starts at sea record 0, its keep count from the seabed", 1,
       [](Fixture& f) { f.data->work.header.seabed_index = 1; },
       {"$R  9\n$T  \n$0  HYOJN1.PFM\n99  2) 受働側\n98    0.15\n$H  HYOJN_HD.PFM\n98    0.15\n"
        "$0  HYOJN2.PFM\n00   -3.000\n"},
       {}},
      {"no residual water", 0,
       [](Fixture& f) { f.data->work.summary.residual_water_intensity = 0; },
       {"$L  \n$1  RWL_KYO2.PFM\n$1                  DOATU_Z0.PZK\n"},
       {"RWL_KYO1"}},
  };
  for (const OptionCase& c : cases) {
    const std::string report = report_with(c.load_case, c.change);
    for (const std::string& p : c.present)
      EXPECT_NE(report.find(p), std::string::npos) << c.what << ": missing\n" << p << "\n" << report;
    for (const std::string& a : c.absent)
      EXPECT_EQ(report.find(a), std::string::npos) << c.what << ": unexpected " << a;
  }
}

// The rows of the seismic table in full, from one record to the next, so no field is missing,
// extra or out of order. The land rows of the three templates are judged by one rule that
// differs only where the templates do (kt of a top at the R.W.L., θt of a clay layer in the
// shallow zone), shown on the rows where they differ; the ARAYOKO rows of both sides in full.
// Working (R.W.L. 0.0, L.W.L. -1.0, D -3.0, shallow zone -13 < z < -3; coefficients shown
// rounded to 0.01: 0.137 -> 0.14, 0.152 -> 0.15; angles atan(0.14) = 7.97 -> 8.0,
// atan(0.15) = 8.53 -> 8.5, atan(0.16) = 9.09 -> 9.1 degrees; surcharges r2(10.004) = 10.00,
// r2(12.346) = 12.35, r2(3.456) = 3.46).
TEST(DatReportTest, SeismicTableRowsInFull) {
  const std::vector<OptionCase> cases = {
      {"ARAYOKO formula, shallow clay method 2, R.W.L. rule 1: both sides, every row", 1,
       [](Fixture& f) {
         f.cd->apparent_coef_method = 3;
         f.cd->shallow_clay_method = 2;
         f.cd->rwl_coef_rule = 1;
         auto& land = f.data->work.arayoko_land;
         land[1].saturated_weight_above = 21.25;
         land[1].submerged_weight_above = 1.25;
         land[2].unit_weight = 15.5;
         land[2].saturated_weight_above = 101;
         land[2].submerged_weight_above = 41;
         land[3].saturated_weight_above = 161;
         land[3].submerged_weight_above = 61;
         land[3].surcharge_bottom = 12.346;
         auto& sea = f.data->work.arayoko_sea;
         sea[0].top_level = -0.5;  // above the L.W.L.
         sea[0].surcharge_bottom = 3.456;
         sea[0].seismic_coef_bottom = 0.16;
         sea[0].seismic_angle_bottom = std::atan(0.16);
         sea[1].saturated_weight_above = 95;
         sea[1].submerged_weight_above = 35;
         sea[1].surcharge_bottom = 7;
       },
       {"$H  ARAYOKOH.PFM\n98    0.15\n97     0.000\n"
        // Land row 0, sand from +3.0 to 0.0: the top above the R.W.L. hides the weights above
        // it and kt; the bottom at the R.W.L. hides kb; the angles stay (the top is not below
        // the R.W.L., the bottom not below it).
        "$0  ARAYOKO2.PFM\n00    3.000\n01    0.000\n02   3.000\n03    20.000\n04    18.000\n"
        "05  ────\n06  ────\n07     10.00\n08  ───\n09  ───\n10     8.0\n11     8.5\n"
        // Land row 1, sand from 0.0 to -4.0: the top at the R.W.L. hides kt under rule 1.
        "$0  ARAYOKO2.PFM\n00    0.000\n01   -4.000\n02   4.000\n03    20.000\n04    18.000\n"
        "05    21.250\n06     1.250\n07     10.00\n08  ───\n09    0.15\n10     8.0\n11     8.5\n"
        // Land row 2, clay from -4.0 to -7.0, top and bottom in the shallow zone: method 2
        // hides kt, kb, θt (ARAYOKO2 only: the other templates hide θt under method 0) and θb.
        "$0  ARAYOKO2.PFM\n00   -4.000\n01   -7.000\n02   3.000\n03    16.000\n04    15.500\n"
        "05   101.000\n06    41.000\n07     10.00\n08  ───\n09  ───\n10  ───\n11  ───\n"
        // Land row 3, sand from -7.0 to -12.0: every value, the surcharge at the bottom.
        "$0  ARAYOKO2.PFM\n00   -7.000\n01  -12.000\n02   5.000\n03    20.000\n04    19.000\n"
        "05   161.000\n06    61.000\n07     12.35\n08    0.14\n09    0.15\n10     8.0\n11     8.5\n"
        "$0  ARAYOKO3.PFM\n$H  \n",
        "$H  ARAYOKOH.PFM\n98    0.15\n97     0.000\n"
        // Sea row 0, sand from -0.5 to -4.5: the top above the L.W.L. hides the weights above
        // it and kt; the stored kb and both angles show.
        "$0  ARAYOKO2.PFM\n00   -0.500\n01   -4.500\n02   4.000\n03    20.000\n04    10.000\n"
        "05  ────\n06  ────\n07      3.46\n08  ───\n09    0.16\n10     8.5\n11     9.1\n"
        // Sea row 1, clay from -7.0 to -12.0: no coefficient or angle applies.
        "$0  ARAYOKO2.PFM\n00   -7.000\n01  -12.000\n02   5.000\n03    18.000\n04     8.000\n"
        "05    95.000\n06    35.000\n07      7.00\n08  ───\n09  ───\n10  ───\n11  ───\n"
        "$0  ARAYOKO3.PFM\n$H  \n"},
       {}},
      {"NIKEN formula, shallow clay method 0, R.W.L. rule 1: kt at the R.W.L. shows, θt of "
       "clay follows its bottom", 1,
       [](Fixture& f) {
         f.cd->apparent_coef_method = 2;
         f.cd->shallow_clay_method = 0;
         f.cd->rwl_coef_rule = 1;
         f.data->work.land[1].rwl_depth_bottom = 4;
         // Clay from -2.0 to -5.0: only its bottom lies in the zone.
         f.data->work.land[2].top_level = -2;
       },
       // Row 1: the water pressures 10 x 0 and 10 x 4 = 40; kt shows whatever the rule.
       {"$0  NIKEN2.PFM\n00    0.000\n01   -4.000\n02   4.000\n03    18.000\n04    54.000\n"
        "05    94.000\n06     10.00\n07     10.00\n08     0.000\n10    0.14\n09    40.000\n"
        "11    0.15\n12     8.0\n13     8.5\n"
        // Row 2: method 0 hides kb, θb and, the bottom being in the zone, θt; kt shows (only
        // method 2 hides it).
        "$0  NIKEN2.PFM\n00   -2.000\n01   -5.000\n02   3.000\n03    16.000\n04    94.000\n"
        "05   112.000\n06     10.00\n07     10.00\n08     0.000\n10    0.14\n09     0.000\n"
        "11  ───\n12  ───\n13  ───\n$0  NIKEN2.PFM\n00   -7.000\n"},
       {}},
      {"standard formula, shallow clay method 0, R.W.L. rule 1: kt at the R.W.L. hidden, θt of "
       "clay follows its top", 1,
       [](Fixture& f) {
         f.cd->shallow_clay_method = 0;
         f.cd->rwl_coef_rule = 1;
         f.data->work.land[2].top_level = -2;
       },
       // Row 1: the top at the R.W.L. hides kt under rule 1. Row 2: the top -2.0 is not in the
       // zone, so θt shows; kb and θb hidden as in NIKEN2.
       {"$0  HYOJN2.PFM\n00    0.000\n01   -4.000\n02   4.000\n03    20.000\n04  ───\n05    0.15\n"
        "06     8.0\n07     8.5\n"
        "$0  HYOJN2.PFM\n00   -2.000\n01   -5.000\n02   3.000\n03    16.000\n04    0.14\n05  ───\n"
        "06     8.0\n07  ───\n$0  HYOJN2.PFM\n00   -7.000\n"},
       {}},
  };
  for (const OptionCase& c : cases) {
    const std::string report = report_with(c.load_case, c.change);
    for (const std::string& rows : c.present)
      EXPECT_NE(report.find(rows), std::string::npos) << c.what << ": missing\n" << rows << "\n"
                                                      << report;
  }
}

TEST(DatReportTest, LiquefactionSectionsOnlyInTheSeismicCaseWithALiquefiedLayer) {
  // The normal case never, whatever the flags.
  EXPECT_EQ(report_with(0, [](Fixture& f) { f.data->work.sea[0].liquefied = 1; }).find("EKI_DAT"),
            std::string::npos);
  // Seismic without a liquefied layer: none.
  EXPECT_EQ(report_with(1, [](Fixture& f) { f.data->work.sea[0].liquefied = 0; }).find("EKI_DAT"),
            std::string::npos);
  // Two liquefied land layers around one that is not: the zone runs from +3.0 to -7.0; the
  // middle row shows the not-liquefied forms. A liquefied clay layer is marked clay.
  const std::string r = report_with(1, [](Fixture& f) {
    engine::PressureWorkFile& w = f.data->work;
    w.land[0].liquefied = 1;
    w.land[2].liquefied = 1;
    w.land[0].slurry_unit_weight = 17.5;
    w.land[2].slurry_unit_weight = 15.5;
    w.active[2].liquefied_top = 33.0;
    w.active[2].liquefied_bottom = 40.0;
  });
  EXPECT_NE(r.find("$R  19\n$T\n$1  E_SDAT1.PFM\n99   0.5\n98   0.150\n97  10.000\n"),
            std::string::npos)
      << r;
  EXPECT_NE(r.find("$0  E_SDAT2.PFM\n00    0.000\n01   -4.000\n02  砂質土\n04    18.000\n"
                   "05  ────\n06    64.000\n07   104.000\n08  ───\n09  ───\n10  ───\n11  ────\n"
                   "12  ────\n"),
            std::string::npos);
  EXPECT_NE(r.find("$0  E_SDAT2.PFM\n00   -4.000\n01   -7.000\n02  粘性土\n03   ○ \n04    16.000\n"
                   "05    15.500\n06   104.000\n07   122.000\n09    7.000\n10   10.000\n"
                   "11    33.000\n12    40.000\n"),
            std::string::npos);
  EXPECT_NE(r.find("00   -4.000\n01   -7.000\n02    25.000\n03    25.000\n04    33.000\n"
                   "05    40.000\n06    25.000\n07    25.000\n"),
            std::string::npos);
}

}  // namespace
}  // namespace qvt::tolmire::testing
