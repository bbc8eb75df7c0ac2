// The verdict rule of the check summary lines: which flags agree with their numbers, and what a
// row shows for every kind of check and every way a check can end.
#include "common/check_verdict.h"

#include "common/numtext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qvt {
namespace {

CheckLine line(double value, double limit, int failed) { return {value, 0, 0, limit, failed}; }

// Every line kind: 0, 1 and 6 are factors that must reach their limit, 2, 3 and 7 stresses that
// must stay at or below it, 4 and 5 shear stresses judged in magnitude. A passed flag must be
// true of the numbers as "%lf" writes them; a failed flag is always allowed.
TEST(CheckVerdict, APassedFlagMustAgreeWithItsNumbersOnEveryLineKind) {
  struct Case {
    int k;
    CheckLine line;
    bool consistent;
  } cases[] = {
      // Factors.
      {0, line(1.523, 1.2, 0), true},
      {0, line(1.2, 1.2, 0), true},     // equality passes
      {0, line(1.199, 1.2, 0), false},
      {0, line(-1, 1.2, 0), false},     // a sliding factor of -1 passed
      {0, line(-1, 1.2, 1), true},
      {1, line(0, 1.2, 0), false},      // a factor of 0 passed
      {1, line(0, 1.2, 1), true},
      {6, {0, 0, 0, 1.2, 0}, false},    // the pull-out line of a check that kept its start 0
      {6, {19.456, -9, -15, 1.2, 0}, true},
      {6, {9999.999, 0, 0, 1.2, 1}, true},
      // As written: 1.1999996 is written 1.200000, which reaches 1.2.
      {0, line(1.1999996, 1.2, 0), true},
      {0, line(1.199999, 1.2, 0), false},
      // Stresses.
      {2, line(312.5, 600, 0), true},
      {2, line(600, 600, 0), true},
      {2, line(600.001, 600, 0), false},
      {3, line(-0.25, 0, 0), true},
      {3, line(76.9760004, 76.976, 0), true},  // written 76.976000 both
      {3, line(76.9761, 76.976, 0), false},
      {7, line(500, 500, 0), true},
      {7, line(500.5, 500, 0), false},
      {7, line(500.5, 500, 1), true},
      // A reaction or an internal stress below 0 is no value the ground can give: a pass on it
      // is refused, however far below its limit. The toe pressure (above) is the reaction less
      // a confining pressure and may be below 0.
      {2, line(-1, 300, 0), false},
      {2, line(-1, 300, 1), true},
      {2, line(-0.0000004, 300, 0), true},  // written -0.000000, no value below 0
      {2, line(-0.000001, 300, 0), false},
      {7, line(-0.5, 120, 0), false},
      {7, line(-0.5, 120, 1), true},
      // Shear in magnitude.
      {4, line(-11.412, 10, 0), false},
      {4, line(-11.412, 10, 1), true},
      {4, line(-10, 10, 0), true},
      {5, line(9.5, 10, 0), true},
      {5, line(10.5, 10, 0), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(check_line_consistent(c.k, c.line), c.consistent)
        << c.k << ": " << c.line.value << ", " << c.line.limit << ", " << c.line.failed;
  }
  // The zero lines the external engine leaves for the internal checks agree on every kind.
  for (int k = 0; k < CHECK_LINE_COUNT; ++k)
    EXPECT_TRUE(check_line_consistent(k, CheckLine{})) << k;
}

// Readers of the whole file refuse a line whose pass contradicts its numbers.
TEST(CheckVerdict, TheSummaryReaderRefusesAContradictingLine) {
  const auto good = format_check_summary(CheckSummary{}).value();
  ASSERT_TRUE(parse_check_summary(good));
  for (int i : {0, 4, 6, 8, 12, 15}) {
    auto lines = good;
    const bool pullout = i % CHECK_LINE_COUNT == CHECK_PULLOUT;
    const int k = i % CHECK_LINE_COUNT;
    // A value that fails its relation against a limit of 1, flagged passed.
    const double v = check_relation(k) == CheckRelation::factor_at_least ? -1.0 : 2.0;
    lines[static_cast<std::size_t>(i)] = format_check_line({v, 0, 0, 1.0, 0}, pullout).value();
    EXPECT_FALSE(parse_check_summary(lines)) << i;
    lines[static_cast<std::size_t>(i)] = format_check_line({v, 0, 0, 1.0, 1}, pullout).value();
    EXPECT_TRUE(parse_check_summary(lines)) << i;
  }
}

// What a reader takes of a line: a failed flag of 0 or 1, and a limit of 0 (not computed, or a
// line the pattern has not) or one its check can have: a required factor from 0.000001 (the least
// six decimals carry) to 100 (the conditions file's bound), an allowable stress or bearing
// capacity from 0.000001 to 100,000 kN/m2. A sliding factor of 4.782 against a limit of 1e-300
// would pass any body; a flag of -1 reads as failed to one reader and as a number to another.
TEST(CheckVerdict, AReaderTakesFlagsOfZeroOrOneAndLimitsTheCheckCanHave) {
  struct Case {
    int k;
    CheckLine line;
    bool readable;
  } cases[] = {
      {0, line(4.782, 1.2, 0), true},
      {0, line(4.782, 1.2, 1), true},
      {0, line(4.782, 1.2, -1), false},
      {0, line(4.782, 1.2, 2), false},
      {2, line(286.441, 8525, -1), false},
      {0, line(4.782, 1e-300, 0), false},
      {0, line(4.782, 1e-300, 1), false},
      {0, line(0, 0, 0), true},  // a line the pattern has not
      {2, line(0, 0, 1), true},  // a bearing capacity that could not be computed
      {0, line(4.782, 0.000001, 0), true},
      {0, line(4.782, 0.0000009, 0), false},
      {0, line(150, 100, 0), true},
      {0, line(150, 100.000001, 0), false},
      {6, line(18.108, 1.2, 0), true},
      {6, line(18.108, 101, 1), false},
      {2, line(228.916, 100000, 0), true},
      {2, line(228.916, 100000.000001, 0), false},
      {2, line(228.916, -5, 1), false},  // no bearing capacity is below 0
      {3, line(158.982, 1e-300, 1), false},
      {4, line(117.301, 250, 0), true},
      {5, line(0, 1e6, 0), false},
      {7, line(275.394, 1000, 0), true},
      {7, line(275.394, 1e300, 0), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(check_line_readable(c.k, c.line), c.readable)
        << c.k << ": " << c.line.value << ", " << c.line.limit << ", " << c.line.failed;
  }
  // The whole file is refused on one such line, in either case.
  const auto good = format_check_summary(CheckSummary{}).value();
  for (const char* text : {"4.782000,1.200000,-1", "4.782000,1e-300,0", "4.782000,1e-300,1"}) {
    for (std::size_t at : {0u, 8u}) {
      auto lines = good;
      lines[at] = text;
      EXPECT_FALSE(parse_check_summary(lines)) << text << " at " << at;
    }
  }
}

// One table over every kind of check and every case a row can show: the sign is true of the
// numbers as shown, a shear is shown by the magnitude it was judged on, what was not computed
// reads "－" in its own place and leaves no sign.
TEST(CheckVerdict, RowTextOfEveryCheckKindAndCase) {
  struct Case {
    const char* what;
    int k;
    CheckLine line;
    const char* cell;
  } cases[] = {
      {"factor pass", 0, line(1.523, 1.2, 0), "1.523 ≧ 1.200"},
      {"factor fail", 0, line(1.1, 1.2, 1), "1.100 ＜ 1.200"},
      {"factor equal pass", 1, line(1.2, 1.2, 0), "1.200 ≧ 1.200"},
      {"factor equal fail", 1, line(1.2, 1.2004, 1), "1.200 ≦ 1.200"},
      {"factor negative fail", 1, line(-0.5, 1.2, 1), "-0.500 ＜ 1.200"},
      {"factor not computed", 1, line(0, 1.2, 1), "－ 1.200"},
      {"factor limit not computed", 0, line(1.523, 0, 1), "1.523 －"},
      {"pull-out pass", 6, {19.456, -9, -15, 1.2, 0}, "19.456 ≧ 1.200"},
      {"pull-out not computed", 6, {0, 0, 0, 1.2, 1}, "－ 1.200"},
      {"stress pass", 2, line(312.5, 600, 0), "312.500 ＜ 600.000"},
      {"stress fail", 2, line(700, 600, 1), "700.000 ≧ 600.000"},
      {"stress equal pass", 3, line(76.976, 76.976, 0), "76.976 ≦ 76.976"},
      {"stress equal fail", 3, line(76.9761, 76.976, 1), "76.976 ≧ 76.976"},
      {"stress negative pass", 3, line(-0.25, 0, 0), "-0.250 ＜ 0.000"},
      {"stress negative fail", 3, line(-0.25, -1, 1), "-0.250 －"},
      {"stress not computed", 3, line(0, 500, 1), "－ 500.000"},
      {"bearing limit not computed", 2, line(76.976, 0, 1), "76.976 －"},
      {"bearing neither computed", 2, line(0, 0, 1), "－ －"},
      {"shear pass", 4, line(72.128, 300, 0), "72.128 ＜ 300.000"},
      {"shear fail", 4, line(300.001, 300, 1), "300.001 ≧ 300.000"},
      {"shear negative pass", 4, line(-5, 10, 0), "|-5.000| ＜ 10.000"},
      {"shear negative equal pass", 5, line(-10, 10, 0), "|-10.000| ≦ 10.000"},
      {"shear negative fail", 4, line(-11.412, 10, 1), "|-11.412| ≧ 10.000"},
      {"shear negative equal fail", 5, line(-10.0004, 10, 1), "|-10.000| ≧ 10.000"},
      {"shear not computed", 5, line(0, 300, 1), "－ 300.000"},
      {"internal pass", 7, line(80, 120, 0), "80.000 ≦ 120.000"},
      {"internal fail", 7, line(130, 120, 1), "130.000 ＞ 120.000"},
      {"internal equal pass", 7, line(120, 120, 0), "120.000 ≦ 120.000"},
      {"internal equal fail", 7, line(120.0004, 120, 1), "120.000 ≧ 120.000"},
      {"internal not computed", 7, line(0, 120, 1), "－ 120.000"},
      // A failed flag on numbers that pass: the sign still says what the numbers are.
      {"factor failed above its limit", 0, line(1.523, 1.2, 1), "1.523 ≧ 1.200"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CheckRowText row = check_row_text(c.k, c.line, format_fixed);
    EXPECT_EQ(row.cell(), c.cell);
    EXPECT_EQ(row.failed, c.line.failed != 0);
  }
}

// The sign is decided on the shown numbers, whatever rounds them: 1.0005 is 1.001 rounded
// half away from zero on its decimal value, 1.000 as the C library rounds the binary value
// (1.000499999...).
TEST(CheckVerdict, TheSignFollowsTheNumbersAsTheyAreShown) {
  const CheckLine l = line(1.0005, 1.001, 0);
  const CheckNumberText half_away = [](double v, int d) {
    return format_fixed(v + (v < 0 ? -1 : 1) * 1e-9, d);
  };
  EXPECT_EQ(check_row_text(2, l, format_fixed).cell(), "1.000 ＜ 1.001");
  EXPECT_EQ(check_row_text(2, l, half_away).cell(), "1.001 ≦ 1.001");
}

// A limit shown with fewer decimals (the summary page: required factors "%4.1lf", allowable
// stresses "%5.0lf") takes more where fewer would show another number.
TEST(CheckVerdict, ALimitIsNeverShownAsAnotherNumber) {
  struct Case {
    double limit;
    int decimals;
    const char* shown;
  } cases[] = {{1.2, 1, "1.2"}, {1.05, 1, "1.05"}, {1.0, 1, "1.0"},   {500, 0, "500"},
               {10.4, 0, "10.4"}, {76.9761, 0, "76.976"}, {1.2345, 1, "1.234"}};
  for (const Case& c : cases) {
    const CheckRowText row = check_row_text(0, line(2, c.limit, 0), format_fixed, c.decimals);
    EXPECT_EQ(row.limit, c.shown) << c.limit;
  }
  EXPECT_EQ(check_row_text(0, line(1.08, 1.05, 0), format_fixed, 1).cell(), "1.080 ≧ 1.05");
}

}  // namespace
}  // namespace qvt
