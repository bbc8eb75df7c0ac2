#pragma once
// Set-up of the block table writer tests: a writer runs against an open report in the test's
// work folder, and the report and the templates it generated are read back as UTF-8 lines.
#include "engines/zenobar/tests/zen_fixture.h"

#include "common/cp932.h"
#include "engines/common/engine_entry.h"
#include "engines/common/print_data.h"
#include "engines/zenobar/zenobar_data.h"

#include <functional>
#include <string>
#include <vector>

namespace qvt::zenobar::testing {

class TableWriterTest : public ZenTest {
 protected:
  // Runs the writer with a fresh report open; its result and the report's lines (UTF-8).
  std::vector<std::string> report_of(const std::function<int(engine::PrintFile&)>& writer,
                                     int* result = nullptr) {
    {
      engine::PrintFile report;
      open_output(report, "REPORT.PDT");
      const int r = writer(report);
      if (result) *result = r;
      close_output(report);
    }
    return utf8_lines("REPORT.PDT");
  }

  std::vector<std::string> utf8_lines(const std::string& name) {
    std::vector<std::string> out;
    for (const std::string& line : lines_of(name)) out.push_back(cp932_to_utf8_lossy(line));
    return out;
  }

  // The text of the first message of a stop thrown by `action`, as UTF-8; empty when none.
  static std::string stop_text(const std::function<void()>& action) {
    try {
      action();
    } catch (const engine::EngineStop& stop) {
      return stop.messages.empty() ? std::string("(no message)")
                                   : cp932_to_utf8_lossy(stop.messages[0].text);
    }
    return {};
  }
};

}  // namespace qvt::zenobar::testing
