#include "engines/common/engine_message.h"

#include "common/cp932.h"

#include <cstdio>

namespace qvt::engine {
namespace {

// The answer a question waits for is a short word; a longer line is read to its end and cut.
constexpr std::size_t kAnswerKeep = 64;

class StandardChannel : public MessageChannel {
 public:
  void write_line(std::string_view line) override {
    std::string out(line);
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stderr);
    std::fflush(stderr);
  }
  std::optional<std::string> read_line() override {
    std::string line;
    int c = 0;
    bool any = false;
    while ((c = std::getc(stdin)) != EOF) {
      any = true;
      if (c == '\n') break;
      if (line.size() < kAnswerKeep) line += static_cast<char>(c);
    }
    if (!any) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
};

MessageChannel*& current_channel() {
  static MessageChannel* channel = &standard_channel();
  return channel;
}

// UTF-8 field text: line breaks as the two characters "\n", tabs as blanks.
std::string field_text(std::string_view cp932) {
  const std::string utf8 = cp932_to_utf8_lossy(cp932);
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    if (c == '\r') {
      if (i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
      out += "\\n";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

const char* message_kind_name(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error: return "error";
    case MessageKind::Warning: return "warning";
    case MessageKind::Info: return "info";
    case MessageKind::Question: return "question";
  }
  return "error";
}

std::string message_line(MessageKind kind, std::string_view cp932_title,
                         std::string_view cp932_text) {
  std::string line = "QVTMSG\t";
  line += message_kind_name(kind);
  line += '\t';
  line += field_text(cp932_title);
  line += '\t';
  line += field_text(cp932_text);
  return line;
}

MessageChannel& standard_channel() {
  static StandardChannel channel;
  return channel;
}

ScopedMessageChannel::ScopedMessageChannel(MessageChannel& channel)
    : previous_(current_channel()) {
  current_channel() = &channel;
}

ScopedMessageChannel::~ScopedMessageChannel() { current_channel() = previous_; }

void engine_message(MessageKind kind, std::string_view cp932_title, std::string_view cp932_text) {
  current_channel()->write_line(message_line(kind, cp932_title, cp932_text));
}

void engine_message(const EngineMessage& message) {
  engine_message(message.kind, message.title, message.text);
}

bool engine_question(std::string_view cp932_title, std::string_view cp932_text) {
  MessageChannel& channel = *current_channel();
  channel.write_line(message_line(MessageKind::Question, cp932_title, cp932_text));
  const std::optional<std::string> answer = channel.read_line();
  return answer && *answer == "yes";
}

}  // namespace qvt::engine
