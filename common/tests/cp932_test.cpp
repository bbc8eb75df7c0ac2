#include "common/cp932.h"

#include <gtest/gtest.h>

namespace qvt {
namespace {

TEST(Cp932, FullAndHalfWidthRoundTripByteForByte) {
  // "条件ﾌｧｲﾙ～㎡A1" mixes kanji, half-width katakana, the wave dash and a unit symbol that a
  // strict Shift-JIS table rejects, plus ASCII.
  const std::string utf8 = "条件ﾌｧｲﾙ～㎡A1";
  auto sj = utf8_to_cp932(utf8);
  ASSERT_TRUE(sj.has_value());
  // 条=8FF0 件=8C8F ﾌ=CC ｧ=A7 ｲ=B2 ﾙ=D9 ～=8160 ㎡=8775
  EXPECT_EQ(*sj, std::string("\x8F\xF0\x8C\x8F\xCC\xA7\xB2\xD9\x81\x60\x87\x75" "A1"));
  auto back = cp932_to_utf8(*sj);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, utf8);
}

TEST(Cp932, UnconvertibleTextFailsStrictlyAndIsReplacedLossily) {
  const std::string emoji = "a\xF0\x9F\x98\x80" "b";  // U+1F600 has no CP932 form
  EXPECT_FALSE(utf8_to_cp932(emoji).has_value());
  EXPECT_EQ(utf8_to_cp932_lossy(emoji), "a?b");
  const std::string broken = "x\x81";  // lead byte without its trail byte
  EXPECT_FALSE(cp932_to_utf8(broken).has_value());
  EXPECT_EQ(cp932_to_utf8_lossy(broken), "x\xEF\xBF\xBD");
}

TEST(Cp932, TruncateNeverSplitsACharacter) {
  const std::string sj = *utf8_to_cp932("ab条件");  // 2 + 2 + 2 bytes
  EXPECT_EQ(cp932_truncate(sj, 6), sj);
  EXPECT_EQ(cp932_truncate(sj, 5), sj.substr(0, 4));
  EXPECT_EQ(cp932_truncate(sj, 3), "ab");
  EXPECT_EQ(cp932_truncate(sj, 0), "");
  EXPECT_EQ(cp932_truncate("\x8F", 5), "");  // a lone lead byte is not a whole character
}

}  // namespace
}  // namespace qvt
