#include "frontend/model/custom_options.h"

#include "common/tests/temp_dir.h"
#include "common/textfile.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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

TEST(CustomOptions, LfLineEndsReadTheSame) {
  bool ok = false;
  CustomOptions o = read_text("15\n45,40\n0.5\n0.5\n100\n0\n0\n0\n0\n0\n0\n0.5\n1\n0", &ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(o.clay_collapse_angle[1], 40);
  EXPECT_EQ(o.backfill_vertical_ignored, 1);
  EXPECT_EQ(o.passive_vertical_ignored, 0);  // kept as written, even with line 13 = 1
}

// The lines of the shipped file; each case damages them one way.
std::vector<std::string> good_lines() {
  return {"15", "45,45", "0.5", "0.5", "100", "0", "0", "0", "0", "0", "0", "0.5", "0", "0"};
}

std::string text_of(const std::vector<std::string>& lines) { return join_crlf(lines); }

// A file read line by line against its layout: a line of another item count, a value its
// option cannot take, or a length other than 13 or 14 lines is refused. Before, the items were
// one stream, so a joined or a missing line moved the values after it into other fields.
TEST(CustomOptions, DamagedLayoutsAndValuesOutOfRangeAreRefused) {
  struct Case {
    const char* what;
    std::function<void(std::vector<std::string>&)> damage;
  };
  const Case cases[] = {
      {"lines 3 and 4 joined", [](auto& l) { l[2] += "," + l[3]; l.erase(l.begin() + 3); }},
      {"line 1 missing", [](auto& l) { l.erase(l.begin()); }},
      {"lines 1 and 2 swapped", [](auto& l) { std::swap(l[0], l[1]); }},
      // 13 lines left, the older layout: the dummy length 100 moves up into K0.
      {"line 4 missing", [](auto& l) { l.erase(l.begin() + 3); }},
      {"line 6 repeated (15 lines)", [](auto& l) { l.insert(l.begin() + 5, l[5]); }},
      {"line 2 with one value", [](auto& l) { l[1] = "45"; }},
      {"K0 1e6", [](auto& l) { l[3] = "1000000"; }},
      {"K0 negative", [](auto& l) { l[3] = "-0.5"; }},
      {"friction angle 91", [](auto& l) { l[0] = "91"; }},
      {"collapse angle -1", [](auto& l) { l[1] = "45,-1"; }},
      {"dummy length 1e308", [](auto& l) { l[4] = "1e308"; }},
      {"rule code 4 on line 6", [](auto& l) { l[5] = "4"; }},
      {"rule code 5 on line 7", [](auto& l) { l[6] = "5"; }},
      {"check box 2 on line 14", [](auto& l) { l[13] = "2"; }},
      {"pitch negative", [](auto& l) { l[11] = "-0.5"; }},
  };
  for (const Case& c : cases) {
    std::vector<std::string> l = good_lines();
    c.damage(l);
    bool ok = true;
    read_text(text_of(l), &ok);
    EXPECT_FALSE(ok) << c.what;
  }
  // The ends of the ranges are values an option can take.
  std::vector<std::string> edge = good_lines();
  edge[0] = "90";
  edge[1] = "0,90";
  edge[2] = "2";
  edge[3] = "0";
  edge[5] = "3";
  edge[6] = "2";
  edge[11] = "0.001";  // the smallest pull-out pitch
  bool ok = false;
  const CustomOptions o = read_text(text_of(edge), &ok);
  EXPECT_TRUE(ok);
  EXPECT_EQ(o.wall_friction_angle, 90);
  EXPECT_EQ(o.negative_root_rule, 3);
}

// A 14-line file that lost its line 12 reads as the 13-line layout: the backfill switch 0
// moves up into the pull-out pitch and the passive switch into the backfill's. A pitch of 0
// would take no pull-out steps at all, so it is refused, and with it the damaged file. A line
// lost anywhere from line 5 to 11 moves the pitch 0.5 into an integer rule and is refused too.
TEST(CustomOptions, AFileThatLostItsPitchIsRefused) {
  std::vector<std::string> l = good_lines();
  l.erase(l.begin() + 11);
  bool ok = true;
  read_text(text_of(l), &ok);
  EXPECT_FALSE(ok);
  // The pitch itself: 0 and below are refused, the smallest step the dialog shows is taken.
  for (const char* pitch : {"0", "-0.001", "0.0009"}) {
    l = good_lines();
    l[11] = pitch;
    read_text(text_of(l), &ok);
    EXPECT_FALSE(ok) << pitch;
  }
  l = good_lines();
  l[11] = "0.001";
  EXPECT_EQ(read_text(text_of(l), &ok).pullout_pitch, 0.001);
  EXPECT_TRUE(ok);
  for (int lost = 5; lost <= 11; ++lost) {
    l = good_lines();
    l.erase(l.begin() + (lost - 1));
    read_text(text_of(l), &ok);
    EXPECT_FALSE(ok) << "line " << lost << " lost";
  }
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
