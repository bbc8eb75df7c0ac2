#include "engines/common/message_table.h"

#include "common/cp932.h"
#include "engines/common/engine_entry.h"
#include "engines/common/tests/capture_channel.h"

#include <gtest/gtest.h>

#include <string>

namespace qvt::engine {
namespace {

// Every code the engines raise, with the text the user must see (UTF-8 here, CP932 in the
// engine). A code missing from the table or a text changed by one character fails.
struct CodeText {
  int code;
  const char* utf8;
};
const CodeText kExpected[] = {
    {3, "(ERROR)-震度の計算でγが 1.0 以下になっています."},
    {5, "(ERROR)-地表面との交点が検索できません."},
    {17, "(ERROR)-陸側の土層の標高が逆転しています."},
    {18, "(ERROR)-海側の土層の標高が逆転しています."},
    {19, "(ERROR)-陸側の土層内に海底面がありません."},
    {20, "(ERROR)-陸側の土層内に残留水位がありません."},
    {21, "(ERROR)-陸側の土層内に地表面天端がありません."},
    {22, "(ERROR)-海側の土層内に海底面がありません."},
    {26, "(ERROR)-盛土データの終了位置が地表面天端位置よりも低くなっています."},
    {27, "(ERROR)-盛土の標高が逆転しています."},
    {28, "(ERROR)-上載荷重が重複しています。"},
    {31, "(ERROR)-上載荷重図印字用データ領域が確保できません."},
    {32, "(ERROR)-土圧図印字用データ領域が確保できません."},
    {34, "(ERROR)-寸法線チェック用領域１が確保できません."},
    {35, "(ERROR)-寸法線チェック用領域２が確保できません."},
    {36, "(ERROR)-寸法線チェック用領域３が確保できません."},
    {37, "(ERROR)-寸法線チェック用領域４が確保できません."},
    {38, "(ERROR)-寸法線チェック用領域５が確保できません."},
    {57, "(ERROR)-スケールの計算中にＸ方向の座標値が 0.0 になりました."},
    {60, "(ERROR)-配列の０クリアーで　n  が大きすぎます."},
    {61, "(ERROR)-粘着力Ｃが－値になりました."},
    {63, "(ERROR)-スケールの計算中にＹ方向の座標値が 0.0 になりました."},
    {64, "(ERROR)-盛土の土層が検出できません."},
    {65, "(ERROR)-地表面形状のレベルが天端位置の場合、盛土土層は必要ありません."},
    {66, "(ERROR)-盛土の開始ﾚﾍﾞﾙは、最大の地表面ﾚﾍﾞﾙより高い位置にして下さい."},
};

TEST(MessageTable, EveryCodeGivesItsTextAsCp932) {
  ASSERT_EQ(std::size(kExpected), std::size(kMessageCodes));
  for (const CodeText& c : kExpected) {
    const std::optional<std::string> cp = utf8_to_cp932(c.utf8);
    ASSERT_TRUE(cp) << c.code;  // every text has a CP932 form
    EXPECT_EQ(error_text(c.code), *cp) << c.code;
    EXPECT_EQ(error_text(c.code, "ignored"), *cp) << c.code;  // the table wins over the text
  }
}

TEST(MessageTable, CharactersThatLookAlikeAreTheRightBytes) {
  // Code 60: ideographic space (81 40) before "n", two ASCII spaces after it.
  const std::string t60 = error_text(60);
  EXPECT_NE(t60.find("\x81\x40n  \x82\xAA"), std::string::npos);
  // Code 61: full-width C (82 62) and full-width minus (81 7C).
  const std::string t61 = error_text(61);
  EXPECT_NE(t61.find("\x82\x62\x82\xaa\x81\x7c"), std::string::npos);
  // Code 66: half-width katakana "ﾚﾍﾞﾙ" are single bytes DA CD DE D9.
  EXPECT_NE(error_text(66).find("\xDA\xCD\xDE\xD9"), std::string::npos);
  // Code 28 ends with the ideographic full stop (81 42), the others with an ASCII period.
  EXPECT_EQ(error_text(28).substr(error_text(28).size() - 2), "\x81\x42");
  EXPECT_EQ(error_text(17).back(), '.');
  for (int code : kMessageCodes) EXPECT_EQ(error_text(code).rfind("(ERROR)-", 0), 0u) << code;
}

TEST(MessageTable, CallerTextAndUnknownCodes) {
  const std::string long_text(600, 'x');
  EXPECT_EQ(error_text(-1, long_text), long_text);
  EXPECT_EQ(error_text(-1, ""), "");
  const std::string unknown = error_text(42);
  EXPECT_EQ(unknown.rfind("(ERROR)-", 0), 0u);
  EXPECT_NE(unknown.find("42"), std::string::npos);
}

TEST(MessageTable, ShowErrorEndsTheEngineWithItsBox) {
  testing::CaptureChannel channel;
  ScopedMessageChannel scoped(channel);
  const int code = start_engine([]() -> Status { show_error(22); });
  EXPECT_EQ(code, 1);
  ASSERT_EQ(channel.lines.size(), 1u);
  EXPECT_EQ(channel.lines[0],
            "QVTMSG\terror\terror\t(ERROR)-海側の土層内に海底面がありません.");
  channel.lines.clear();
  EXPECT_EQ(start_engine([] { return Status(error_stop(-1, "(ERROR)-abc")); }), 1);
  ASSERT_EQ(channel.lines.size(), 1u);
  EXPECT_EQ(channel.lines[0], "QVTMSG\terror\terror\t(ERROR)-abc");
}

}  // namespace
}  // namespace qvt::engine
