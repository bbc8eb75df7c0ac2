#include "frontend/model/display_text.h"

#include <gtest/gtest.h>

#include <string>

namespace qvt::model {
namespace {

// `stands`: whether the text may stay in a number box when it loses the focus (a text with no
// leading number goes back to the box's previous value instead of reading as 0).
TEST(LeadingNumber, Table) {
  struct Row {
    const char* text;
    double value;
    bool stands;
  } rows[] = {
      {"12abc", 12, true},    {"", 0, true},         {" 2.5kN", 2.5, true}, {"1 2", 12, true},
      {"-.5e1x", -5, true},   {"1.2.3", 1.2, true},  {"abc", 0, false},     {"-", 0, false},
      {".", 0, false},        {"+3", 3, true},       {"2.5e", 2.5, true},   {"2.5e+", 2.5, true},
      {"1e3", 1000, true},    {"\t-1\n0", -10, true}, {"0.5", 0.5, true},   {"-0", 0, true},
      {"1e400", 0, true},     {"3e-2m", 0.03, true}, {"12,5", 12, true},    {"- 4", -4, true},
      {"3m", 3, true},        {"   ", 0, true},      {"m3", 0, false},      {"-.x", 0, false},
      {".5", 0.5, true},      {"+.", 0, false},      {"ー1", 0, false},     {",5", 0, false},
  };
  for (const auto& r : rows) {
    EXPECT_DOUBLE_EQ(leading_number(r.text), r.value) << '"' << r.text << '"';
    EXPECT_EQ(typed_number_acceptable(r.text), r.stands) << '"' << r.text << '"';
  }
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
