#include "engines/common/line_scan.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace qvt::engine {
namespace {

TEST(LineScan, ReadsIntegerItemsUntilTheFirstMissingOne) {
  struct Case {
    const char* line;
    int converted;
    std::vector<std::int32_t> values;  // after the scan, starting from {-7, -7, -7}
  };
  const Case cases[] = {
      {"24,5,6", 3, {24, 5, 6}},
      {" 1, 2,3", 3, {1, 2, 3}},        // blanks before a number are skipped
      {"1 ,2,3", 1, {1, -7, -7}},       // but the comma must follow the number at once
      {"+4,-0,13.9", 3, {4, 0, 13}},    // a fraction ends the number
      {"1,,3", 1, {1, -7, -7}},         // an empty item ends the line
      {"", 0, {-7, -7, -7}},
      {"abc", 0, {-7, -7, -7}},
      {"-", 0, {-7, -7, -7}},
      {"1,2", 2, {1, 2, -7}},
      {"99999999999999999999,-99999999999,5", 3,
       {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(), 5}},
  };
  for (const Case& c : cases) {
    std::vector<std::int32_t> v = {-7, -7, -7};
    EXPECT_EQ(scan_items(c.line, v.data(), 3), c.converted) << c.line;
    EXPECT_EQ(v, c.values) << c.line;
  }
}

TEST(LineScan, SixteenBitItemsSaturate) {
  std::int16_t v[2] = {0, 0};
  EXPECT_EQ(scan_items("70000,-70000", v, 2), 2);
  EXPECT_EQ(v[0], 32767);
  EXPECT_EQ(v[1], -32768);
}

TEST(LineScan, ReadsRealItemsInDecimalForm) {
  struct Case {
    const char* line;
    int converted;
    std::vector<double> values;  // starting from {9, 9}
  };
  const Case cases[] = {
      {"1.5,-2.25", 2, {1.5, -2.25}},
      {".5,-.5", 2, {0.5, -0.5}},       // the options file may drop the leading zero
      {"5.,+3", 2, {5.0, 3.0}},
      {"1e-07,2.5E3", 2, {1e-7, 2500.0}},
      {"1e,2", 1, {1.0, 9}},           // an exponent without digits is not part of the number
      {"12.5abc,1", 1, {12.5, 9}},
      {".,1", 0, {9, 9}},
      {"nan,1", 0, {9, 9}},            // only decimal numbers
      {"0x10,1", 1, {0.0, 9}},
      {"1e999,1", 0, {9, 9}},          // beyond the range of a double: not converted
      {"  \t-0.125", 1, {-0.125, 9}},
  };
  for (const Case& c : cases) {
    std::vector<double> v = {9, 9};
    EXPECT_EQ(scan_items(c.line, v.data(), 2), c.converted) << c.line;
    EXPECT_EQ(v, c.values) << c.line;
  }
}

TEST(LineScan, SinglePrecisionRoundsOnce) {
  // "%f" items go straight to the nearest float, as the compiler converts a float literal:
  // 1.2345678 becomes 1.23456776142120361328125.
  float f = 0;
  EXPECT_TRUE(scan_item("1.2345678", f));
  EXPECT_EQ(f, 1.2345678f);
  float big = 0;
  EXPECT_FALSE(scan_item("1e39", big));  // beyond a float
}

TEST(LineScan, StopsAtAZeroByte) {
  double v[2] = {0, 0};
  const std::string line("1.5\0,2", 6);
  EXPECT_EQ(scan_items(line, v, 2), 1);
  EXPECT_EQ(v[0], 1.5);
}

}  // namespace
}  // namespace qvt::engine
