#pragma once
// The message lines an engine writes on its standard error in place of a message box:
// "QVTMSG<TAB>kind<TAB>title<TAB>text", UTF-8, line breaks in the text written as "\n".
#include <optional>
#include <string>
#include <string_view>

namespace qvt::shell {

struct EngineMessage {
  enum class Kind { Error, Warning, Info, Question };
  Kind kind = Kind::Info;
  std::string title;  // may be empty: the box then shows the application title
  std::string text;   // real line breaks
};

// The message of one line (its line end already removed; a trailing CR is ignored). nullopt
// for a line that is not a message line. An unknown kind shows as a notice; missing fields are
// empty.
std::optional<EngineMessage> parse_engine_message(std::string_view line);

// The answer line written to the engine's standard input after a question.
inline constexpr const char* kAnswerYes = "yes\n";
inline constexpr const char* kAnswerNo = "no\n";

}  // namespace qvt::shell
