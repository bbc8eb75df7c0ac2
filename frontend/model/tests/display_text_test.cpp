#include "frontend/model/display_text.h"

#include <gtest/gtest.h>

#include <string>

namespace qvt::model {
namespace {

TEST(LeadingNumber, Table) {
  struct Row {
    const char* text;
    double value;
  } rows[] = {
      {"12abc", 12},   {"", 0},          {" 2.5kN", 2.5},   {"1 2", 12},      {"-.5e1x", -5},
      {"1.2.3", 1.2},  {"abc", 0},       {"-", 0},          {".", 0},         {"+3", 3},
      {"2.5e", 2.5},   {"2.5e+", 2.5},   {"1e3", 1000},     {"\t-1\n0", -10}, {"0.5", 0.5},
      {"-0", 0},       {"1e400", 0},     {"3e-2m", 0.03},   {"12,5", 12},     {"- 4", -4},
  };
  for (const auto& r : rows) EXPECT_DOUBLE_EQ(leading_number(r.text), r.value) << '"' << r.text << '"';
}

TEST(FormatPattern, RoundsHalfAwayFromZeroOnTheDecimalValue) {
  struct Row {
    double value;
    const char* pattern;
    const char* text;
  } rows[] = {
      // printf gives 1.000 for 1.0005, whose binary value lies just below the half.
      {1.0005, "###0.000", "1.001"},  {2.675, "###0.00", "2.68"},     {-0.25, "###0.000", "-0.250"},
      {-0.0004, "###0.000", "0.000"}, {32.32, "##0.0", "32.3"},       {999.126, "##0.00", "999.13"},
      {12345.678, "###0.000", "12345.678"}, {0.0, "###0.000", "0.000"}, {-2.5, "#0", "-3"},
      {2.5, "###0", "3"},             {9.9996, "0.000", "10.000"},    {0.05, "##0.0", "0.1"},
      {-0.05, "##0.0", "-0.1"},       {25, "###0.000", "25.000"},     {1e21, "###0.0", "1000000000000000000000.0"},
      {0.125, "##0.00", "0.13"},      {-1234.5, "###0.0", "-1234.5"}, {1e-7, "###0.000", "0.000"},
  };
  for (const auto& r : rows) EXPECT_EQ(format_pattern(r.value, r.pattern), r.text) << r.value << ' ' << r.pattern;
}

TEST(ToI16, HalfToEvenAndClamped) {
  struct Row {
    double value;
    int expected;
  } rows[] = {{12.5, 12}, {13.5, 14}, {-2.5, -2}, {70000, 32767}, {-70000, -32768},
              {32767.4, 32767}, {1.49, 1}, {-0.6, -1}, {0, 0}};
  for (const auto& r : rows) EXPECT_EQ(to_i16(r.value), r.expected) << r.value;
}

}  // namespace
}  // namespace qvt::model
