#include "frontend/import/sibling_tokens.h"

#include "common/cp932.h"

#include <gtest/gtest.h>

namespace qvt::import {
namespace {

TEST(SiblingTokens, NumbersEndAtBlankCommaOrLineEnd) {
  SiblingTokens t({"  1 2,3.5 , -4", "", "5e1"});
  std::int16_t a = 0, b = 0;
  double c = 0, d = 0, e = 0;
  ASSERT_TRUE(t.i16(a) && t.i16(b) && t.real(c) && t.real(d) && t.real(e));
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c, 3.5);
  EXPECT_EQ(d, -4);
  EXPECT_EQ(e, 50);
  EXPECT_FALSE(t.real(e));  // past the end of the file
}

TEST(SiblingTokens, QuotedTextKeepsItsComma) {
  SiblingTokens t({"\"岸壁, 北\",7,plain text ,\"\""});
  std::string a, b, c;
  std::int16_t n = 0;
  ASSERT_TRUE(t.text(a) && t.i16(n) && t.text(b) && t.text(c));
  EXPECT_EQ(a, "岸壁, 北");
  EXPECT_EQ(n, 7);
  EXPECT_EQ(b, "plain text");
  EXPECT_EQ(c, "");
}

TEST(SiblingTokens, NumericGroupThenNameLine) {
  const std::string name = utf8_to_cp932_lossy("  係船柱 牽引力, 2基  ");
  SiblingTokens t({"1,2", name, "3"});
  std::int16_t a = 0, b = 0, c = 0;
  std::string line;
  ASSERT_TRUE(t.i16(a) && t.i16(b) && t.line(line) && t.i16(c));
  EXPECT_EQ(cp932_to_utf8_lossy(line), "係船柱 牽引力, 2基");
  EXPECT_EQ(c, 3);
  EXPECT_FALSE(t.line(line));
}

TEST(SiblingTokens, IntegerItemsOutsideTheirRangeAreErrors) {
  struct Case {
    const char* item;
    bool ok;
  } cases[] = {{"32767", true}, {"-32768", true}, {"40000", false}, {"-32769", false},
               {"1.5", false},  {"abc", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    SiblingTokens t({c.item});
    std::int16_t v = 0;
    EXPECT_EQ(t.i16(v), c.ok);
  }
  SiblingTokens t({"1,2"});
  EXPECT_FALSE(t.skip_reals(3));
}

}  // namespace
}  // namespace qvt::import
