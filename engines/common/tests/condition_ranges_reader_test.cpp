// The conditions reader against the range table of the physical quantities: every field the
// table holds is read at each end of its range (accepted) and just beyond it (refused with the
// line's message), the ends and steps taken from the table itself, so the reader and the table
// cannot drift apart.
#include "common/condition_ranges.h"
#include "common/cp932.h"
#include "engines/common/condition_readers.h"
#include "engines/common/tests/reader_fixtures.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace qvt::engine {
namespace {

using testing::conditions_lines;
using testing::num;

std::string bad_text(int line) {
  return "条件設定ファイル (QVTAJKN.CAL) の " + std::to_string(line) +
         " 行目の値が正しくありません。";
}

// The first message of a stop, as UTF-8; "" for success.
std::string stop_text(const Status& s) {
  if (s.ok()) return {};
  return cp932_to_utf8_lossy(s.stop().messages.at(0).text);
}

Status parse(const std::vector<std::string>& lines) {
  auto d = std::make_unique<ConditionData>();
  return parse_conditions_lines(lines, *d);
}

// One field of the file: its line, the line's text with "#" where the value goes, and the
// quantity it holds. The fixture's active side has four layers in use and the passive side none.
struct Field {
  int line;
  const char* text;
  ConditionQuantity quantity;
};

// Active layer 0 starts at line 337, passive layer 0 at 187; a layer's lines: top, bottom,
// air, submerged, type, φ, c, gradient, liquefied, slurry.
constexpr int kActive0 = 337;
const Field kFields[] = {
    {8, "#", COND_IMPROVEMENT_RATIO},
    {10, "#", COND_WATER_UNIT_WEIGHT},
    {13, "#,1", COND_SAFETY_FACTOR},
    {16, "1.2,#", COND_SAFETY_FACTOR},
    {17, "#,900", COND_ALLOWABLE_STRESS},
    {19, "0,#", COND_ALLOWABLE_STRESS},
    {28, "#", COND_SEISMIC_COEF},
    {29, "#", COND_SEISMIC_COEF},
    {30, "#", COND_SEISMIC_COEF},
    {31, "#,0", COND_REGIONAL_COEF},
    {32, "0,#", COND_GROUND_TYPE_FACTOR},
    {33, "#,0", COND_IMPORTANCE_FACTOR},
    {34, "#", COND_LIQUEFIED_PRESSURE_COEF},
    {79, "#", COND_SLOPE_ANGLE},
    {80, "#", COND_SLOPE_ANGLE},
    {82, "#,0,0", COND_FILL_UNIT_WEIGHT},
    {83, "0,0,#", COND_FILL_UNIT_WEIGHT},
    {132, "#,0", COND_SURCHARGE},
    {133, "0,#", COND_SURCHARGE},
    {136, "0,0,#,0,0", COND_SURCHARGE},
    {137, "0,0,0,0,#", COND_SURCHARGE},
    {140, "#,0,0,0", COND_SURCHARGE},
    {141, "0,0,0,#", COND_SURCHARGE},
    {144, "#", COND_BEARING_UNIT_WEIGHT},
    {145, "#", COND_SHAPE_FACTOR},
    {146, "#", COND_MEAN_N},
    {148, "#", COND_FRICTION_ANGLE},
    {149, "#", COND_BEARING_FACTOR},
    {150, "#", COND_BEARING_FACTOR},
    {151, "#", COND_COHESION},
    {154, "#", COND_FRICTION_COEF},
    {kActive0 + 2, "#", COND_SOIL_UNIT_WEIGHT},
    {kActive0 + 3, "#", COND_SOIL_UNIT_WEIGHT},
    {kActive0 + 30 + 3, "#", COND_SOIL_UNIT_WEIGHT},  // layer 3, the last in use
    {kActive0 + 5, "#", COND_FRICTION_ANGLE},
    {kActive0 + 6, "#", COND_COHESION},
    {187 + 5, "#", COND_FRICTION_ANGLE},  // passive layer 0 (not in use)
    {187 + 6, "#", COND_COHESION},
    {152, "#", COND_BEARING_COHESION_GRADIENT},
    {511, "#", COND_SPREAD_ANGLE},
    {512, "#", COND_BODY_REACTION},
    {517, "#", COND_SPREAD_ANGLE},
    {518, "#", COND_BODY_REACTION},
};

std::string with_value(const char* pattern, double v) {
  std::string s = pattern;
  s.replace(s.find('#'), 1, num(v));
  return s;
}

TEST(ConditionRangesInTheReader, EachFieldTakesItsRangeAndNothingBeyond) {
  ASSERT_TRUE(parse(conditions_lines()).ok()) << stop_text(parse(conditions_lines()));
  for (const Field& f : kFields) {
    const ConditionRange& r = CONDITION_RANGES[f.quantity];
    // An integer field (the mean N) steps by 1, a real field by the millimetre of the boxes.
    const double step = f.quantity == COND_MEAN_N ? 1 : 0.001;
    const double inside_lo = r.lo_open ? r.lo + step : r.lo;
    const double outside_lo = r.lo_open ? r.lo : r.lo - step;
    const double inside_hi = r.hi_open ? r.hi - step : r.hi;
    const double outside_hi = r.hi_open ? r.hi : r.hi + step;
    for (double v : {inside_lo, inside_hi}) {
      std::vector<std::string> l = conditions_lines();
      l[f.line - 1] = with_value(f.text, v);
      EXPECT_EQ(stop_text(parse(l)), "") << "line " << f.line << ": " << l[f.line - 1];
    }
    for (double v : {outside_lo, outside_hi}) {
      std::vector<std::string> l = conditions_lines();
      l[f.line - 1] = with_value(f.text, v);
      EXPECT_EQ(stop_text(parse(l)), bad_text(f.line)) << "line " << f.line << ": " << l[f.line - 1];
    }
  }
}

// Values no ground or load has, each with the line it is read from: a negative seismic
// coefficient, a water unit weight of 0 or below, a negative surcharge, a negative friction
// angle, a cohesion that falls with depth (K -4), a spread angle shown as 99 (stored less 30).
TEST(ConditionRangesInTheReader, ValuesNoGroundCanHaveStopTheRead) {
  struct Case {
    int line;
    const char* text;
  };
  const Case cases[] = {
      {28, "-0.1"},          {30, "-0.001"},      {10, "0"},     {10, "-10.1"},
      {132, "-10,5"},        {136, "0,-1,0,0,0"}, {148, "-5"},   {kActive0 + 5, "-30"},
      {kActive0 + 6, "-1"},  {151, "-0.5"},       {144, "0"},    {148, "61"},
      {152, "-4"},           {511, "69"},         {517, "60"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> l = conditions_lines();
    l[c.line - 1] = c.text;
    EXPECT_EQ(stop_text(parse(l)), bad_text(c.line)) << c.line << " " << c.text;
  }
}

// A record the engines do not compute with may hold the zeros a new project writes; one in
// use may not. The slurry weighs only in a liquefied layer of the land side.
TEST(ConditionRangesInTheReader, ZerosStandOnlyInRecordsOutOfUse) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, const char*>> lines;
    int refused_line;  // 0: accepted
  };
  const Case cases[] = {
      {"unit weight 0 in passive layer 0 (no passive layer in use)", {{187 + 2, "0"}}, 0},
      {"unit weight 0 in active layer 4 (beyond the count 4)", {{kActive0 + 40 + 2, "0"}}, 0},
      {"negative unit weight beyond the count", {{kActive0 + 40 + 2, "-1"}}, kActive0 + 42},
      {"unit weight 0 in active layer 3 (in use)", {{kActive0 + 30 + 2, "0"}}, kActive0 + 32},
      {"slurry 0 in a layer not liquefied", {{kActive0 + 9, "0"}}, 0},
      {"slurry 0 in a liquefied active layer",
       {{kActive0 + 8, "1"}, {kActive0 + 9, "0"}},
       kActive0 + 9},
      {"slurry 12 in a liquefied active layer", {{kActive0 + 8, "1"}, {kActive0 + 9, "12"}}, 0},
      {"slurry 0 in a liquefied passive layer (the sea side weighs no slurry)",
       {{187 + 8, "1"}, {187 + 9, "0"}},
       0},
      {"embankment record of zeros (no fill)", {{82, "0,0,0"}, {83, "0,0,0"}}, 0},
  };
  for (const Case& c : cases) {
    std::vector<std::string> l = conditions_lines();
    for (const auto& [line, text] : c.lines) l[line - 1] = text;
    EXPECT_EQ(stop_text(parse(l)), c.refused_line ? bad_text(c.refused_line) : "") << c.what;
  }
}

// QVT_DAT.CST of 14 lines that lost its line 12 (the pull-out pitch 0.25): the backfill switch
// 0 moves up into the pitch and the file reads as the 13-line layout with a pitch of 0, which
// would take no pull-out steps. The pitch is refused with its line.
TEST(ConditionRangesInTheReader, AnOptionsFileThatLostItsPitchIsRefused) {
  std::vector<std::string> l = testing::options_lines();
  l.erase(l.begin() + 11);
  ASSERT_EQ(l.size(), 13u);
  auto d = std::make_unique<ConditionData>();
  const Status s = parse_options_lines(l, *d);
  ASSERT_FALSE(s.ok());
  EXPECT_EQ(cp932_to_utf8_lossy(s.stop().messages.at(0).text),
            "カスタムデータ (QVT_DAT.CST) の 12 行目の値が正しくありません。");
}

}  // namespace
}  // namespace qvt::engine
