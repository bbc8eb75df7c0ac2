#pragma once
// The front end's reader of the system's text files: items separated by commas and by line
// ends alike, blanks around an item skipped. Text lines that may hold commas (titles, names)
// are taken whole with next_line, so a comma in a name never shifts the items after it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qvt {

class ItemReader {
 public:
  explicit ItemReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // The next item, blanks trimmed. False at the end of the file.
  bool next_item(std::string& out);
  // The next item as a number / as an integer item; false at the end or when it is not one.
  bool next_real(double& out);
  bool next_i16(std::int16_t& out);
  // The rest of the current line, or the next line whole when the current one is used up.
  // Nothing is trimmed. False at the end of the file.
  bool next_line(std::string& out);
  // True when nothing but blanks and line ends is left.
  bool at_end() const;
  // For readers that hold a file to its line layout: true when no item of the current line has
  // been taken yet or the last item taken was the last of its line.
  bool at_line_start() const;
  // True when the last item taken was the last of its line.
  bool line_used_up() const;

 private:
  std::vector<std::string> lines_;
  std::size_t line_ = 0;
  std::size_t col_ = 0;  // col_ > size of the line: the line is used up
};

// The items of one line, separated by commas, blanks around each trimmed: "" gives one empty
// item, "1,,2" three. For readers that hold a line to the number of items its layout gives.
std::vector<std::string_view> line_items(std::string_view line);

}  // namespace qvt
