#include "frontend/model/custom_options.h"

#include "common/tests/temp_dir.h"
#include "common/textfile.h"

#include <gtest/gtest.h>

namespace qvt::model {
namespace {

CustomOptions read_text(const std::string& text, bool* ok = nullptr) {
  qvt::testing::TempDir dir;
  write_file_bytes(dir / "QVT_DAT.CST", text);
  CustomOptions o;
  bool r = read_custom_options(dir / "QVT_DAT.CST", o);
  if (ok) *ok = r;
  return o;
}

TEST(CustomOptions, ReadsAllFourteenLines) {
  bool ok = false;
  CustomOptions o = read_text("15\r\n45,40\r\n.5\r\n0.6\r\n100\r\n1\r\n2\r\n1\r\n1\r\n0\r\n1\r\n0.25\r\n0\r\n1\r\n", &ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(o.wall_friction_angle, 15);
  EXPECT_EQ(o.clay_collapse_angle[0], 45);
  EXPECT_EQ(o.clay_collapse_angle[1], 40);
  EXPECT_EQ(o.consolidation_coef_kc, 0.5);  // ".5" without its leading zero
  EXPECT_EQ(o.at_rest_coef_k0, 0.6);
  EXPECT_EQ(o.surface_dummy_length, 100);
  EXPECT_EQ(o.negative_root_rule, 1);
  EXPECT_EQ(o.toe_confinement_rule, 2);
  EXPECT_EQ(o.surcharge_method, 1);
  EXPECT_EQ(o.seismic_rounding, 1);
  EXPECT_EQ(o.residual_water_rule, 0);
  EXPECT_EQ(o.front_water_rule, 1);
  EXPECT_EQ(o.pullout_pitch, 0.25);
  EXPECT_EQ(o.backfill_vertical_ignored, 0);
  EXPECT_EQ(o.passive_vertical_ignored, 1);
}

TEST(CustomOptions, LineEndsAndLineBreaksDoNotMatter) {
  // The reader takes items, so LF ends and a different spread over lines read the same.
  bool ok = false;
  CustomOptions o = read_text("15,45\n40,0.5,0.5,100\n0,0,0,0,0,0,0.5,1,0", &ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(o.clay_collapse_angle[1], 40);
  EXPECT_EQ(o.backfill_vertical_ignored, 1);
  EXPECT_EQ(o.passive_vertical_ignored, 0);  // kept as written, even with line 13 = 1
}

TEST(CustomOptions, ThirteenLinesGivePassiveVerticalIgnored) {
  for (const char* text : {"15\r\n45,45\r\n0.5\r\n0.5\r\n100\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0.5\r\n0\r\n",
                           "15\r\n45,45\r\n0.5\r\n0.5\r\n100\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0.5\r\n0\r\n\r\n"}) {
    bool ok = false;
    CustomOptions o = read_text(text, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(o.passive_vertical_ignored, 1);
  }
}

TEST(CustomOptions, ShortMalformedOrMissingFilesFail) {
  struct Case { const char* text; double wall_friction; };
  const Case cases[] = {
      {"15\r\n45,45\r\n", 15},     // ends after line 2: what was read stays
      {"15\r\n45,x\r\n", 15},      // a value that is no number
      {"", 0},
      {"abc\r\n", 0},
  };
  for (const auto& c : cases) {
    bool ok = true;
    CustomOptions o = read_text(c.text, &ok);
    EXPECT_FALSE(ok) << c.text;
    EXPECT_EQ(o.wall_friction_angle, c.wall_friction) << c.text;
  }
  qvt::testing::TempDir dir;
  CustomOptions o;
  EXPECT_FALSE(read_custom_options(dir / "QVT_DAT.CST", o));
  // A folder in the file's place is a file that cannot be read.
  std::filesystem::create_directory(dir / "QVT_DAT.CST");
  EXPECT_FALSE(read_custom_options(dir / "QVT_DAT.CST", o));
}

TEST(CustomOptions, WriteGivesFourteenCrLfLinesThatReadBack) {
  qvt::testing::TempDir dir;
  CustomOptions o;
  o.wall_friction_angle = 17.5;
  o.clay_collapse_angle[0] = 45;
  o.clay_collapse_angle[1] = 30.25;
  o.consolidation_coef_kc = 0.1;
  o.at_rest_coef_k0 = 0.45;
  o.surface_dummy_length = 80;
  o.negative_root_rule = 3;
  o.toe_confinement_rule = 2;
  o.surcharge_method = 2;
  o.seismic_rounding = 1;
  o.residual_water_rule = 1;
  o.front_water_rule = 1;
  o.pullout_pitch = 0.5;
  o.backfill_vertical_ignored = 1;
  o.passive_vertical_ignored = 0;
  ASSERT_TRUE(write_custom_options(dir / "QVT_DAT.CST", o));
  EXPECT_EQ(*read_file_bytes(dir / "QVT_DAT.CST"),
            "17.5\r\n45,30.25\r\n0.1\r\n0.45\r\n80\r\n3\r\n2\r\n2\r\n1\r\n1\r\n1\r\n0.5\r\n1\r\n0\r\n");
  CustomOptions back;
  ASSERT_TRUE(read_custom_options(dir / "QVT_DAT.CST", back));
  EXPECT_EQ(back, o);
}

TEST(CustomOptions, ShippedFileReads) {
  CustomOptions o;
  ASSERT_TRUE(read_custom_options(std::filesystem::path(QVT_SOURCE_DIR) / "data" / "QVT_DAT.CST", o));
  EXPECT_EQ(o.wall_friction_angle, 15);
  EXPECT_EQ(o.clay_collapse_angle[0], 45);
  EXPECT_EQ(o.pullout_pitch, 0.5);
  EXPECT_EQ(o.passive_vertical_ignored, 0);
}

}  // namespace
}  // namespace qvt::model
