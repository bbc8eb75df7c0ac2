// The line format of the check summary: what the stability engines write is what they and the
// results table read back.
#include "common/check_summary_format.h"
#include "common/check_verdict.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qvt {
namespace {

TEST(CheckSummaryFormat, LinesAsTheCLibraryPrintsThem) {
  struct Case {
    CheckLine line;
    bool pullout;
    const char* text;
  } cases[] = {
      {{1.234, 0, 0, 1.2, 0}, false, "1.234000,1.200000,0"},
      {{0, 0, 0, 0, 0}, false, "0.000000,0.000000,0"},
      {{-9999.99, 0, 0, 300.5, 1}, false, "-9999.990000,300.500000,1"},
      // Six decimals, rounded as printf rounds.
      {{2.0000004, 0, 0, 1.0000006, 1}, false, "2.000000,1.000001,1"},
      {{1.5, -5.0, -2.0, 1.2, 0}, true, "1.500000,-5.000000,-2.000000,1.200000,0"},
      {{0, 0, 0, 0, 0}, true, "0.000000,0.000000,0.000000,0.000000,0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(format_check_line(c.line, c.pullout).value_or("?"), c.text);
    const auto back = parse_check_line(c.text, c.pullout);
    ASSERT_TRUE(back) << c.text;
    EXPECT_EQ(format_check_line(*back, c.pullout).value_or("?"), c.text);
  }
}

TEST(CheckSummaryFormat, NumbersThatAreNoNumbersAreNeverWritten) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(format_check_line({inf, 0, 0, 1, 0}, false));
  EXPECT_FALSE(format_check_line({1, 0, 0, nan, 0}, false));
  EXPECT_FALSE(format_check_line({1, nan, 0, 1, 0}, true));
  // A level of a line that has none does not matter.
  EXPECT_TRUE(format_check_line({1, 0, 0, 1, 0}, false));
  CheckSummary s;
  s.values[1][CV_MAX_REACTION] = inf;
  EXPECT_FALSE(format_check_summary(s));
}

TEST(CheckSummaryFormat, MalformedLinesAreRefused) {
  const char* bad[] = {"",          "1,2",         "1,2,3,4",      "1,2,1.5", "a,2,0",
                       "1,,0",      "1,inf,0",     "nan,1,0",      "1,2,",    "1;2;0",
                       "1,2,1e12"};
  for (const char* text : bad) EXPECT_FALSE(parse_check_line(text, false)) << text;
  EXPECT_FALSE(parse_check_line("1,2,0", true));
  EXPECT_FALSE(parse_check_line("1,2,3,4,5,0", true));
  // Blanks around an item are read, as the C library's reading allows them.
  const auto spaced = parse_check_line(" 1.5 , 2 ,1", false);
  ASSERT_TRUE(spaced);
  EXPECT_EQ(spaced->value, 1.5);
  EXPECT_EQ(spaced->limit, 2.0);
  EXPECT_EQ(spaced->failed, 1);
}

// Every entry lands on its own line and comes back from it; lines 5 and 6 share the allowable
// shear stress.
TEST(CheckSummaryFormat, SummaryRoundTrip) {
  CheckSummary s;
  for (int c = 0; c < 2; ++c) {
    for (int i = 0; i < 10; ++i) s.values[c][i] = 100 * c + i + 0.25;
    // The required factors (limits 0, 1 and 5) within the 100 a factor can be, the allowable
    // stresses above 1000.
    for (int i = 0; i < 7; ++i)
      s.limits[c][i] = (i <= 1 || i == CL_REQUIRED_PULLOUT_FS ? 50 + 10 * c : 1000 + 100 * c) + i + 0.5;
    // Every factor is flagged failed, the stresses alternate.
    for (int i = 0; i < 8; ++i) s.failed[c][i] = i <= 1 || i == 6 ? 1 : (i + c) % 2;
  }
  const auto lines = format_check_summary(s);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 16u);
  EXPECT_EQ((*lines)[0], "0.250000,50.500000,1");
  EXPECT_EQ((*lines)[2], "2.250000,1002.500000,0");
  EXPECT_EQ((*lines)[4], "4.250000,1004.500000,0");
  EXPECT_EQ((*lines)[5], "5.250000,1004.500000,1");
  EXPECT_EQ((*lines)[6], "6.250000,7.250000,8.250000,55.500000,1");
  EXPECT_EQ((*lines)[7], "9.250000,1006.500000,1");
  EXPECT_EQ((*lines)[8], "100.250000,60.500000,1");
  EXPECT_EQ((*lines)[15], "109.250000,1106.500000,0");
  const auto back = parse_check_summary(*lines);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->values, s.values);
  EXPECT_EQ(back->limits, s.limits);
  EXPECT_EQ(back->failed, s.failed);
  EXPECT_EQ(format_check_summary(*back), lines);

  auto short_file = *lines;
  short_file.pop_back();
  EXPECT_FALSE(parse_check_summary(short_file));
  auto damaged = *lines;
  damaged[6] = "1,2,0";
  EXPECT_FALSE(parse_check_summary(damaged));
}

}  // namespace
}  // namespace qvt
