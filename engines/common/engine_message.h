#pragma once
// The engines' message boxes. An engine has no window: each box is one line on standard error,
//   QVTMSG<TAB>kind<TAB>title<TAB>text
// in UTF-8, with the line breaks of the text written as the two characters "\n". The front end
// shows each line as a modal box; after a question it writes "yes" or "no" to the engine's
// standard input. Titles and texts are CP932 bytes inside the engines, as all their texts.
#include <optional>
#include <string>
#include <string_view>

namespace qvt::engine {

enum class MessageKind { Error, Warning, Info, Question };

// One box: kind, title and text as CP932 bytes.
struct EngineMessage {
  MessageKind kind = MessageKind::Error;
  std::string title;
  std::string text;

  bool operator==(const EngineMessage&) const = default;
};

// "error", "warning", "info", "question".
const char* message_kind_name(MessageKind kind);

// The message line of a box, without its line end. Title and text are converted from CP932 to
// UTF-8 (a byte that has no character becomes U+FFFD); CR LF, LF and a lone CR become "\n",
// and a tab becomes a blank, so the line keeps its four fields.
std::string message_line(MessageKind kind, std::string_view cp932_title,
                         std::string_view cp932_text);

// Where message lines go and answers come from. The process uses standard error and standard
// input; tests put their own channel in place.
class MessageChannel {
 public:
  virtual ~MessageChannel() = default;
  // Writes one message line (given without its line end) and flushes it.
  virtual void write_line(std::string_view line) = 0;
  // One line of the answer without its line end; nullopt at the end of input.
  virtual std::optional<std::string> read_line() = 0;
};

// Standard error and standard input.
MessageChannel& standard_channel();

// Puts a channel in place for the lifetime of this object, and the previous one back after it.
class ScopedMessageChannel {
 public:
  explicit ScopedMessageChannel(MessageChannel& channel);
  ~ScopedMessageChannel();
  ScopedMessageChannel(const ScopedMessageChannel&) = delete;
  ScopedMessageChannel& operator=(const ScopedMessageChannel&) = delete;

 private:
  MessageChannel* previous_;
};

// Shows a box with an OK button (error, warning or info) and returns once it is written.
void engine_message(MessageKind kind, std::string_view cp932_title, std::string_view cp932_text);
void engine_message(const EngineMessage& message);

// Shows a Yes/No box and waits for the answer: true for exactly "yes"; "no", any other line and
// the end of input count as No.
bool engine_question(std::string_view cp932_title, std::string_view cp932_text);

}  // namespace qvt::engine
