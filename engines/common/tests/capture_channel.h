#pragma once
// A message channel that records the lines and gives prepared answers, for in-process tests.
#include "engines/common/engine_message.h"

#include <deque>
#include <string>
#include <vector>

namespace qvt::engine::testing {

class CaptureChannel : public MessageChannel {
 public:
  void write_line(std::string_view line) override { lines.emplace_back(line); }
  std::optional<std::string> read_line() override {
    if (answers.empty()) return std::nullopt;
    std::string a = answers.front();
    answers.pop_front();
    return a;
  }
  std::vector<std::string> lines;
  std::deque<std::string> answers;
};

}  // namespace qvt::engine::testing
