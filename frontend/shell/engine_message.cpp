#include "frontend/shell/engine_message.h"

namespace qvt::shell {

namespace {

// Splits off the text up to the next tab; the rest stays in `s` (empty when there is no tab).
std::string_view next_field(std::string_view& s) {
  const auto tab = s.find('\t');
  std::string_view field = s.substr(0, tab);
  s = tab == std::string_view::npos ? std::string_view{} : s.substr(tab + 1);
  return field;
}

}  // namespace

std::optional<EngineMessage> parse_engine_message(std::string_view line) {
  static constexpr std::string_view kTag = "QVTMSG\t";
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.substr(0, kTag.size()) != kTag) return std::nullopt;
  std::string_view rest = line.substr(kTag.size());
  EngineMessage msg;
  const std::string_view kind = next_field(rest);
  if (kind == "error") msg.kind = EngineMessage::Kind::Error;
  else if (kind == "warning") msg.kind = EngineMessage::Kind::Warning;
  else if (kind == "question") msg.kind = EngineMessage::Kind::Question;
  else msg.kind = EngineMessage::Kind::Info;
  msg.title = std::string(next_field(rest));
  // The text is the rest of the line: a tab inside it belongs to the text.
  msg.text.reserve(rest.size());
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] == '\\' && i + 1 < rest.size() && rest[i + 1] == 'n') {
      msg.text += '\n';
      ++i;
    } else {
      msg.text += rest[i];
    }
  }
  return msg;
}

}  // namespace qvt::shell
