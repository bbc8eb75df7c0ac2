#include "common/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

namespace qvt {
namespace {

TEST(NumText, RealTextIsShortestAndPlain) {
  struct Case { double v; const char* text; };
  const Case cases[] = {
      {0.0, "0"},      {-0.0, "0"},       {100.0, "100"},  {10.1, "10.1"},   {-1.0, "-1"},
      {9999.0, "9999"}, {0.5, "0.5"},     {-2.25, "-2.25"}, {1.2, "1.2"},    {0.1 + 0.2, "0.30000000000000004"},
  };
  for (const auto& c : cases) EXPECT_EQ(format_real(c.v), c.text) << c.v;
}

TEST(NumText, RealTextReadsBackToTheSameValue) {
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> d(-1e6, 1e6);
  for (int i = 0; i < 2000; ++i) {
    double v = d(rng) / std::pow(10.0, i % 9);
    auto back = parse_real(format_real(v));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, v);
  }
  EXPECT_EQ(*parse_real(format_real(1e-7)), 1e-7);
  EXPECT_EQ(*parse_real(format_real(1e22)), 1e22);
}

TEST(NumText, ParseAcceptsWhatTheFilesHold) {
  struct Case { const char* text; std::optional<double> v; };
  const Case cases[] = {
      {".5", 0.5}, {"-.5", -0.5}, {" 12.5 ", 12.5}, {"+3", 3.0}, {"1e3", 1000.0}, {"13", 13.0},
      {"", std::nullopt}, {"  ", std::nullopt}, {"abc", std::nullopt}, {"1.5x", std::nullopt},
      {"1,5", std::nullopt}, {"nan", std::nullopt}, {"inf", std::nullopt}, {"--1", std::nullopt},
      {"+-1", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(parse_real(c.text), c.v) << c.text;
}

// The item parser both the front end and the engines read the condition files with: a real
// item is a finite number; an integer item is a whole number within its range.
TEST(NumText, ItemParserTable) {
  struct Case {
    const char* text;
    std::optional<double> real;
    std::optional<long long> integer;  // within i32
  };
  const Case cases[] = {
      {"3.5", 3.5, std::nullopt},     {"-0", 0.0, 0},          {"1e3", 1000.0, 1000},
      {"3", 3.0, 3},                  {"000013", 13.0, 13},    {"3.0", 3.0, 3},
      {"3.7", 3.7, std::nullopt},     {"-2.5", -2.5, std::nullopt},
      {"nan", std::nullopt, std::nullopt},   {"NaN", std::nullopt, std::nullopt},
      {"inf", std::nullopt, std::nullopt},   {"-inf", std::nullopt, std::nullopt},
      {"1e400", std::nullopt, std::nullopt}, {"-1e400", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},      {" ", std::nullopt, std::nullopt},
      {"abc", std::nullopt, std::nullopt},   {"3abc", std::nullopt, std::nullopt},
      {"1e10", 1e10, std::nullopt},          {"2147483647", 2147483647.0, 2147483647},
      {"-2147483648", -2147483648.0, -2147483648LL},
      {"2147483648", 2147483648.0, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(parse_real(c.text), c.real) << c.text;
    EXPECT_EQ(parse_integer(c.text, INT32_MIN, INT32_MAX), c.integer) << c.text;
  }
  EXPECT_EQ(parse_i16("32767"), 32767);
  EXPECT_EQ(parse_i16("-32768"), -32768);
  EXPECT_EQ(parse_i16("32768"), std::nullopt);
  EXPECT_EQ(parse_i16("2.6"), std::nullopt);
  EXPECT_EQ(parse_i16("1e300"), std::nullopt);
}

TEST(NumText, FixedTextHasItsDecimals) {
  EXPECT_EQ(format_fixed(12.5, 3), "12.500");
  EXPECT_EQ(format_fixed(-0.25, 3), "-0.250");
  EXPECT_EQ(format_fixed(0.0, 3), "0.000");
  EXPECT_EQ(format_fixed(-0.0001, 3), "0.000");
  EXPECT_EQ(format_fixed(1.23456, 3), "1.235");
}

}  // namespace
}  // namespace qvt
