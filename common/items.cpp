#include "common/items.h"

#include "common/numtext.h"

namespace qvt {

bool ItemReader::next_item(std::string& out) {
  if (line_ < lines_.size() && col_ > lines_[line_].size()) {
    ++line_;
    col_ = 0;
  }
  if (line_ >= lines_.size()) return false;
  const std::string& l = lines_[line_];
  std::size_t comma = l.find(',', col_);
  std::size_t end = (comma == std::string::npos) ? l.size() : comma;
  out = std::string(trim_blanks(std::string_view(l).substr(col_, end - col_)));
  col_ = (comma == std::string::npos) ? l.size() + 1 : comma + 1;
  return true;
}

bool ItemReader::next_real(double& out) {
  std::string item;
  if (!next_item(item)) return false;
  auto v = parse_real(item);
  if (!v) return false;
  out = *v;
  return true;
}

bool ItemReader::next_i16(std::int16_t& out) {
  std::string item;
  if (!next_item(item)) return false;
  auto v = parse_i16(item);
  if (!v) return false;
  out = *v;
  return true;
}

bool ItemReader::next_line(std::string& out) {
  if (line_ < lines_.size() && col_ > lines_[line_].size()) {
    ++line_;
    col_ = 0;
  }
  if (line_ >= lines_.size()) return false;
  out = lines_[line_].substr(col_);
  ++line_;
  col_ = 0;
  return true;
}

bool ItemReader::at_line_start() const {
  return line_ >= lines_.size() || col_ == 0 || col_ > lines_[line_].size();
}

bool ItemReader::line_used_up() const {
  return line_ < lines_.size() && col_ > lines_[line_].size();
}

bool ItemReader::at_end() const {
  // Blank lines at the end of a file hold no item.
  for (std::size_t i = line_; i < lines_.size(); ++i) {
    std::size_t from = (i == line_) ? col_ : 0;
    if (from < lines_[i].size() && !trim_blanks(std::string_view(lines_[i]).substr(from)).empty())
      return false;
  }
  return true;
}

std::vector<std::string_view> line_items(std::string_view line) {
  std::vector<std::string_view> items;
  for (;;) {
    const std::size_t comma = line.find(',');
    items.push_back(trim_blanks(line.substr(0, comma)));
    if (comma == std::string_view::npos) return items;
    line.remove_prefix(comma + 1);
  }
}

}  // namespace qvt
