#include "frontend/import/sibling_tokens.h"

#include "common/numtext.h"

namespace qvt::import {

namespace {
bool is_blank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

bool SiblingTokens::seek_item() {
  while (row_ < lines_.size()) {
    const std::string& l = lines_[row_];
    while (col_ < l.size() && is_blank(l[col_])) ++col_;
    if (col_ < l.size()) return true;
    ++row_;
    col_ = 0;
  }
  return false;
}

void SiblingTokens::finish_item() {
  if (row_ >= lines_.size()) return;
  const std::string& l = lines_[row_];
  while (col_ < l.size() && is_blank(l[col_])) ++col_;
  if (col_ < l.size() && l[col_] == ',') ++col_;
  // The item ended its line: the next read starts on the next one, as a name line after a
  // numeric group must.
  std::size_t rest = col_;
  while (rest < l.size() && is_blank(l[rest])) ++rest;
  if (rest >= l.size()) {
    ++row_;
    col_ = 0;
  }
}

bool SiblingTokens::raw_number(std::string& out) {
  if (!seek_item()) return false;
  const std::string& l = lines_[row_];
  std::size_t end = col_;
  while (end < l.size() && !is_blank(l[end]) && l[end] != ',') ++end;
  out = l.substr(col_, end - col_);
  col_ = end;
  finish_item();
  return !out.empty();
}

bool SiblingTokens::real(double& out) {
  std::string item;
  if (!raw_number(item)) return false;
  auto v = parse_real(item);
  if (!v) return false;
  out = *v;
  return true;
}

bool SiblingTokens::i16(std::int16_t& out) {
  std::string item;
  if (!raw_number(item)) return false;
  auto v = parse_i16(item);
  if (!v) return false;
  out = *v;
  return true;
}

bool SiblingTokens::skip_reals(int count) {
  double d;
  for (int i = 0; i < count; ++i)
    if (!real(d)) return false;
  return true;
}

bool SiblingTokens::skip_i16s(int count) {
  std::int16_t v;
  for (int i = 0; i < count; ++i)
    if (!i16(v)) return false;
  return true;
}

bool SiblingTokens::text(std::string& out) {
  if (!seek_item()) return false;
  const std::string& l = lines_[row_];
  if (l[col_] == '"') {
    std::size_t close = l.find('"', col_ + 1);
    if (close == std::string::npos) {
      out = l.substr(col_ + 1);
      col_ = l.size();
    } else {
      out = l.substr(col_ + 1, close - col_ - 1);
      col_ = close + 1;
    }
    // Anything between the closing quote and the comma belongs to no item.
    std::size_t comma = l.find(',', col_);
    col_ = (comma == std::string::npos) ? l.size() : comma;
  } else {
    std::size_t comma = l.find(',', col_);
    std::size_t end = (comma == std::string::npos) ? l.size() : comma;
    out = std::string(trim_blanks(std::string_view(l).substr(col_, end - col_)));
    col_ = end;
  }
  finish_item();
  return true;
}

bool SiblingTokens::line(std::string& out) {
  if (row_ >= lines_.size()) return false;
  out = std::string(trim_blanks(std::string_view(lines_[row_]).substr(col_)));
  ++row_;
  col_ = 0;
  return true;
}

}  // namespace qvt::import
