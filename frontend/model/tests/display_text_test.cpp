#include "frontend/model/display_text.h"

#include <gtest/gtest.h>

#include <string>

namespace qvt::model {
namespace {

// What a number box does with a typed text when it loses the focus: a text with no leading number,
// or with anything but blanks after its number, and a number no double holds go back to the
// box's previous value instead of reading as 0 or as the digits in front ("12abc" is as
// unreadable as "１２"). leading_number, which files and the program's own texts are read with,
// still takes the number in front. A pasted multi-line or tab-separated text reads as its first
// value, never as its digits run together.
TEST(LeadingNumber, Table) {
  constexpr auto ok = TypedNumber::stands, none = TypedNumber::no_number,
                 range = TypedNumber::out_of_range;
  struct Row {
    const char* text;
    double value;
    TypedNumber typed;
  } rows[] = {
      {"12abc", 12, none},  {"", 0, ok},           {" 2.5kN", 2.5, none}, {"1 2", 12, ok},
      {"-.5e1x", -5, none}, {"1.2.3", 1.2, none},  {"abc", 0, none},     {"-", 0, none},
      {".", 0, none},       {"+3", 3, ok},         {"2.5e", 2.5, none},  {"2.5e+", 2.5, none},
      {"1e3", 1000, ok},    {"\t-1\n0", -1, ok},   {"0.5", 0.5, ok},     {"-0", 0, ok},
      {"1e400", 0, range},  {"3e-2m", 0.03, none}, {"12,5", 12, none},   {"- 4", -4, ok},
      {"3m", 3, none},      {"   ", 0, ok},        {"m3", 0, none},      {"-.x", 0, none},
      {".5", 0.5, ok},      {"+.", 0, none},       {"ー1", 0, none},     {",5", 0, none},
      {"1e999", 0, range},  {"-1e999", 0, range},  {"1e+309x", 0, none}, {"1e-999", 0, ok},
      {"１２", 0, none},    {"1,000", 1, none},    {" 2.5e1 ", 25, ok},  {"5.", 5, ok},
      {"1.7976931348623157e308", 1.7976931348623157e308, ok},
      {"2e308", 0, range},  {"99999999999999999999", 1e20, ok},
      // Pasted text: tabs and line breaks part values, the first that is not blank is read.
      {"12.5\r\n34", 12.5, ok}, {"12.5\n34", 12.5, ok}, {"12.5\r\n", 12.5, ok},
      {"12.5\t34\r\n", 12.5, ok}, {"\r\n \r\n-7 .5\r\n8", -7.5, ok},
      {"\r\n-7.5m\r\n8", -7.5, none}, {"abc\r\n12", 0, none}, {"\r\n\t\r\n", 0, ok},
      {"1e999\r\n1", 0, range},
  };
  for (const auto& r : rows) {
    EXPECT_DOUBLE_EQ(leading_number(r.text), r.value) << '"' << r.text << '"';
    EXPECT_EQ(typed_number(r.text), r.typed) << '"' << r.text << '"';
  }
}

// A box over a 16-bit integer field takes what the field holds and no more.
TEST(LeadingNumber, RangeOfASixteenBitField) {
  struct Row {
    const char* text;
    TypedNumber typed;
  } rows[] = {{"32767", TypedNumber::stands},        {"-32768", TypedNumber::stands},
              {"32768", TypedNumber::out_of_range},  {"-32769", TypedNumber::out_of_range},
              {"1e5", TypedNumber::out_of_range},    {"", TypedNumber::stands},
              {"N", TypedNumber::no_number},         {"15回", TypedNumber::no_number}};
  for (const auto& r : rows)
    EXPECT_EQ(typed_number(r.text, kI16Lowest, kI16Highest), r.typed) << '"' << r.text << '"';
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
