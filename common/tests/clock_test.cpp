#include "common/clock.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace qvt {
namespace {

TEST(Clock, SourceDateEpochFixesTheTime) {
  ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);  // 2023-11-14 22:13:20 UTC
  LocalTime t = now_local();
  ::unsetenv("SOURCE_DATE_EPOCH");
  EXPECT_EQ(t.year, 2023);
  EXPECT_EQ(t.month, 11);
  EXPECT_EQ(t.day, 14);
  EXPECT_EQ(t.hour, 22);
  EXPECT_EQ(t.minute, 13);
  EXPECT_EQ(t.second, 20);
}

}  // namespace
}  // namespace qvt
