#include "frontend/results/number_entry.h"

#include "common/numtext.h"

namespace qvt::results {

std::string single_line(std::string_view text) {
  if (text.find_first_of("\r\n") == std::string_view::npos) return std::string(text);
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    if (!trim_blanks(line).empty()) return std::string(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return "";
}

model::TypedNumber entry_verdict(std::string_view text, NumberRange range) {
  return model::typed_number(single_line(text), range.lowest, range.highest);
}

double NumberEntry::value() const {
  return model::leading_number(stands() ? text_ : held_);
}

void NumberEntry::set(std::string text) {
  text_ = text;
  held_ = std::move(text);
  held_by_hand_ = false;
}

model::TypedNumber NumberEntry::leave(const char* pattern) {
  const model::TypedNumber verdict = entry_verdict(text_, range_);
  if (verdict == model::TypedNumber::stands) {
    held_by_hand_ = by_hand();
    held_ = model::format_pattern(model::leading_number(text_), pattern);
  }
  text_ = held_;
  return verdict;
}

}  // namespace qvt::results
