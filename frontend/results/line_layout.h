#pragma once
// The shipped tables and the engines' hand-over are read line by line against their layouts:
// each line holds exactly the numbers its layout gives it. Read as a plain stream of items, a
// repeated, missing or joined line would move every later value into another field and still
// be accepted; held to the lines, it is refused.
#include <string>
#include <string_view>
#include <vector>

namespace qvt::results {

// The lines of a file without the blank lines at its end, which hold nothing.
std::vector<std::string> without_trailing_blank_lines(std::vector<std::string> lines);

// The numbers of one comma-separated line, each a finite number; false when the line holds
// another count of items or an item that is not such a number.
bool line_numbers(std::string_view line, std::size_t count, double* out);

}  // namespace qvt::results
