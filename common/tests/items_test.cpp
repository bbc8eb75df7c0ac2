#include "common/items.h"

#include <gtest/gtest.h>

namespace qvt {
namespace {

TEST(ItemReader, CommasAndLineEndsSeparateItemsAlike) {
  ItemReader r({"1,2", " 3 ", "4,5,6"});
  std::vector<std::string> got;
  std::string item;
  while (r.next_item(item)) got.push_back(item);
  EXPECT_EQ(got, (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
  EXPECT_TRUE(r.at_end());
}

TEST(ItemReader, WholeLinesKeepCommasAndBlanks) {
  ItemReader r({"*000013", "quay, north", "1,2,3", "  job  ", "x"});
  std::string s;
  ASSERT_TRUE(r.next_item(s));
  EXPECT_EQ(s, "*000013");
  ASSERT_TRUE(r.next_line(s));
  EXPECT_EQ(s, "quay, north");
  double a, b, c;
  ASSERT_TRUE(r.next_real(a) && r.next_real(b) && r.next_real(c));
  EXPECT_EQ(c, 3.0);
  ASSERT_TRUE(r.next_line(s));
  EXPECT_EQ(s, "  job  ");
  ASSERT_TRUE(r.next_line(s));
  EXPECT_EQ(s, "x");
  EXPECT_FALSE(r.next_line(s));
  EXPECT_FALSE(r.next_item(s));
}

TEST(ItemReader, NumbersThatDoNotParseAreRefused) {
  ItemReader r({"1,abc,", ""});
  double v;
  std::int16_t i;
  EXPECT_TRUE(r.next_real(v));
  EXPECT_FALSE(r.next_real(v));
  EXPECT_FALSE(r.next_i16(i));  // the empty item after the trailing comma
}

TEST(LineItems, CommasSeparateAndBlanksAreTrimmed) {
  EXPECT_EQ(line_items("45,40"), (std::vector<std::string_view>{"45", "40"}));
  EXPECT_EQ(line_items(" 1 ,\t2, "), (std::vector<std::string_view>{"1", "2", ""}));
  EXPECT_EQ(line_items(""), (std::vector<std::string_view>{""}));
  EXPECT_EQ(line_items("1,,2").size(), 3u);
}

}  // namespace
}  // namespace qvt
