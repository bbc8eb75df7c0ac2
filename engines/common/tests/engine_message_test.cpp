#include "engines/common/engine_message.h"

#include "common/cp932.h"
#include "engines/common/tests/capture_channel.h"

#include <gtest/gtest.h>

namespace qvt::engine {
namespace {

std::string sjis(const char* utf8) { return utf8_to_cp932_lossy(utf8); }

TEST(EngineMessage, LineHasFourFieldsInUtf8) {
  struct Case {
    MessageKind kind;
    std::string title, text;  // CP932
    std::string line;         // UTF-8
  };
  const Case cases[] = {
      {MessageKind::Error, "error",
       sjis("条件設定ファイル (QVTAJKN.CAL) が見つかりません。\nインストールが正常に行われていない可能性があります。"),
       "QVTMSG\terror\terror\t条件設定ファイル (QVTAJKN.CAL) が見つかりません。\\nインストールが"
       "正常に行われていない可能性があります。"},
      {MessageKind::Warning, "waring", sjis("a\r\nb\rc\nd"), "QVTMSG\twarning\twaring\ta\\nb\\nc\\nd"},
      {MessageKind::Info, sjis("題\t名"), "x\ty", "QVTMSG\tinfo\t題 名\tx y"},  // tabs keep the fields
      {MessageKind::Question, "", "", "QVTMSG\tquestion\t\t"},
      // A byte that is no CP932 character still gives a line.
      {MessageKind::Error, "error", std::string("\x81", 1), "QVTMSG\terror\terror\t\xEF\xBF\xBD"},
      // 0x5C as the second byte of a double-byte character is not a backslash.
      {MessageKind::Error, "error", sjis("ソ表"), "QVTMSG\terror\terror\tソ表"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(message_line(c.kind, c.title, c.text), c.line) << c.line;
}

TEST(EngineMessage, MessageGoesToTheChannelInPlace) {
  testing::CaptureChannel outer, inner;
  ScopedMessageChannel outer_scope(outer);
  {
    ScopedMessageChannel inner_scope(inner);
    engine_message(MessageKind::Warning, "waring", sjis("収束しません"));
  }
  engine_message(MessageKind::Info, "x", "y");  // the previous channel is back in place
  EXPECT_EQ(inner.lines, std::vector<std::string>{"QVTMSG\twarning\twaring\t収束しません"});
  EXPECT_EQ(outer.lines, std::vector<std::string>{"QVTMSG\tinfo\tx\ty"});
}

TEST(EngineMessage, QuestionIsYesOnlyForYes) {
  struct Case {
    std::optional<std::string> answer;
    bool yes;
  };
  const Case cases[] = {
      {"yes", true}, {"no", false}, {"YES", false}, {"yes ", false},
      {"", false},   {"y", false},  {std::nullopt, false},  // end of input
  };
  for (const Case& c : cases) {
    testing::CaptureChannel capture;
    if (c.answer) capture.answers.push_back(*c.answer);
    ScopedMessageChannel scope(capture);
    EXPECT_EQ(engine_question("waring", sjis("続けますか？")), c.yes) << c.answer.value_or("<eof>");
    ASSERT_EQ(capture.lines.size(), 1u);
    EXPECT_EQ(capture.lines[0], "QVTMSG\tquestion\twaring\t続けますか？");
  }
}

}  // namespace
}  // namespace qvt::engine
