#pragma once
// The reader of the sibling program's text files. Those files were written item by item by a
// program that separates numbers by blanks as well as commas and quotes its texts, so the
// system's own item reader (commas only) does not fit: numbers here end at a blank, a comma or
// the line end, text items may be quoted, and a name line is taken whole and trimmed.
#include "frontend/model/block_file.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qvt::import {

class SiblingTokens : public model::BlockItemSource {
 public:
  explicit SiblingTokens(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // The next number; false past the end of the file or when the item is not a number (an
  // integer item also when it is not whole or lies outside -32768..32767).
  bool real(double& out) override;
  bool i16(std::int16_t& out) override;
  // Reads and drops `count` numbers (a dropped item must still be a number).
  bool skip_reals(int count);
  bool skip_i16s(int count);
  // A text item: plain up to a comma or the line end (trimmed), or enclosed in double quotes.
  bool text(std::string& out);
  // The rest of the current line, trimmed; a line whose items were all read gives the next
  // line whole. False past the end of the file.
  bool line(std::string& out) override;
  // The files are held to their line layouts: one read step of the layout (a group) is one
  // line of the file, as the sibling program writes one statement a line. True when no item of
  // the current line has been taken / when the last item taken was the last of its line (blank
  // lines are passed over like line ends).
  bool at_line_start() const override { return col_ == 0; }
  bool line_used_up() const override { return col_ == 0; }

 private:
  // Moves to the first character of the next item, across line ends; false at the end.
  bool seek_item();
  // After an item: blanks, then one comma; a used-up line moves on to the next one.
  void finish_item();
  bool raw_number(std::string& out);

  std::vector<std::string> lines_;
  std::size_t row_ = 0;
  std::size_t col_ = 0;
};

}  // namespace qvt::import
