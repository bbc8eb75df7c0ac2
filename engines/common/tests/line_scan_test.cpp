#include "engines/common/line_scan.h"

#include <gtest/gtest.h>

#include <vector>

namespace qvt::engine {
namespace {

// A line is read whole or not at all: the targets keep their values when it is not sound.
TEST(LineItems, IntegerLinesHoldExactlyTheirItems) {
  struct Case {
    const char* line;
    bool ok;
    std::vector<std::int32_t> values;  // after the read, starting from {-7, -7, -7}
  };
  const Case cases[] = {
      {"24,5,6", true, {24, 5, 6}},
      {" 1 , 2,3 ", true, {1, 2, 3}},    // blanks around an item are skipped
      {"+4,-0,1e3", true, {4, 0, 1000}},
      {"4,5,13.9", false, {-7, -7, -7}},  // an integer item with a fraction
      {"1,,3", false, {-7, -7, -7}},      // an empty item
      {"1,2", false, {-7, -7, -7}},       // an item missing
      {"1,2,3,4", false, {-7, -7, -7}},   // an item beyond the format
      {"", false, {-7, -7, -7}},
      {"abc,1,2", false, {-7, -7, -7}},
      {"2147483648,1,2", false, {-7, -7, -7}},  // beyond the type's range
  };
  for (const Case& c : cases) {
    std::vector<std::int32_t> v = {-7, -7, -7};
    EXPECT_EQ(read_items(c.line, v.data(), 3), c.ok) << c.line;
    EXPECT_EQ(v, c.values) << c.line;
  }
  std::int16_t w[2] = {0, 0};
  EXPECT_FALSE(read_items("70000,1", w, 2));
  EXPECT_TRUE(read_items("32767,-32768", w, 2));
  EXPECT_EQ(w[0], 32767);
  EXPECT_EQ(w[1], -32768);
}

TEST(LineItems, RealLinesHoldFiniteNumbers) {
  struct Case {
    const char* line;
    bool ok;
    std::vector<double> values;  // starting from {9, 9}
  };
  const Case cases[] = {
      {"1.5,-2.25", true, {1.5, -2.25}},
      {".5,-.5", true, {0.5, -0.5}},  // the options file may drop the leading zero
      {"1e-07,2.5E3", true, {1e-7, 2500.0}},
      {"3.5,-0", true, {3.5, 0.0}},
      {"12.5abc,1", false, {9, 9}},
      {"nan,1", false, {9, 9}},
      {"1,inf", false, {9, 9}},
      {"1e400,1", false, {9, 9}},
      {"1,", false, {9, 9}},
  };
  for (const Case& c : cases) {
    std::vector<double> v = {9, 9};
    EXPECT_EQ(read_items(c.line, v.data(), 2), c.ok) << c.line;
    EXPECT_EQ(v, c.values) << c.line;
  }
}

TEST(LineItems, SinglePrecisionItemsMustBeFiniteInSinglePrecision) {
  float f = 0;
  EXPECT_TRUE(read_item("1.2345678", f));
  EXPECT_EQ(f, 1.2345678f);
  EXPECT_FALSE(read_item("1e39", f));  // finite as a double, infinite as a float
  EXPECT_EQ(f, 1.2345678f);
}

}  // namespace
}  // namespace qvt::engine
