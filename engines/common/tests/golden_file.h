#pragma once
// Golden files: the bytes a test expects of a file an engine writes, kept beside the test in a
// folder golden/ (CP932 with CR LF, exactly as written). Each golden is checked by hand against
// the formulas and the template layouts before it is committed; a golden copied from the
// program's own output proves nothing.
//
// Every comparison with a golden goes through matches_golden, which has an update switch like
// the shipped samples' (QVT_UPDATE_SAMPLES): with QVT_UPDATE_GOLDENS=1 in the environment it
// writes what the engine wrote as the golden anew instead of comparing, and the test says in its
// output which golden it wrote. After a change that is meant to change a report:
//   QVT_UPDATE_GOLDENS=1 ctest --test-dir build -R <tests>
//   git diff engines/*/tests/golden      # check every changed line by hand, then commit
// Without the switch a missing golden or any differing byte fails the test, naming the first
// difference.
#include "common/cp932.h"
#include "common/tests/update_switch.h"
#include "common/textfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qvt::engine::testing {

// QVT_UPDATE_GOLDENS is set to anything but "" or "0".
inline bool updating_goldens() { return qvt::testing::update_switch_on("QVT_UPDATE_GOLDENS"); }

// The golden folder of an engine's tests: engines/<engine>/tests/golden in the source tree.
inline std::filesystem::path golden_folder(std::string_view engine) {
  return std::filesystem::path(QVT_SOURCE_DIR) / "engines" / engine / "tests" / "golden";
}

// Where the line that holds byte `at` of a text starts.
inline std::size_t line_start(std::string_view text, std::size_t at) {
  const std::size_t before = at == 0 ? std::string_view::npos : text.rfind('\n', at - 1);
  return before == std::string_view::npos ? 0 : before + 1;
}

// "line L, byte B" (both from 1) of byte `at` of a text.
inline std::string position_of(std::string_view text, std::size_t at) {
  const auto line = 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at),
                                   '\n');
  return "line " + std::to_string(line) + ", byte " + std::to_string(at - line_start(text, at) + 1);
}

// The line of a text that holds byte `at`, without its line end, in UTF-8.
inline std::string line_at(std::string_view text, std::size_t at) {
  if (at >= text.size()) return "(end of file)";
  const std::size_t start = line_start(text, at);
  const std::size_t end = std::min(text.find('\n', at), text.size());
  std::string line(text.substr(start, end - start));
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return cp932_to_utf8_lossy(line);
}

// `actual` against the golden file `golden`; with the update switch on, `actual` becomes the
// golden. Use as EXPECT_TRUE(matches_golden(path, bytes)), or file_matches_golden below.
inline ::testing::AssertionResult matches_golden(const std::filesystem::path& golden,
                                                 std::string_view actual) {
  if (updating_goldens()) {
    std::filesystem::create_directories(golden.parent_path());
    if (!replace_file_bytes(golden, actual))
      return ::testing::AssertionFailure() << "could not write the golden " << golden;
    ::testing::Test::RecordProperty("golden_written", golden.string());
    std::printf("[ GOLDEN   ] wrote %s: check it by hand before committing it\n",
                golden.string().c_str());
    return ::testing::AssertionSuccess();
  }
  const std::optional<std::string> expected = read_file_bytes(golden);
  if (!expected)
    return ::testing::AssertionFailure()
           << "the golden " << golden << " is missing (QVT_UPDATE_GOLDENS=1 writes it)";
  if (*expected == actual) return ::testing::AssertionSuccess();
  const std::size_t n = std::min(expected->size(), actual.size());
  const std::size_t at = static_cast<std::size_t>(
      std::mismatch(expected->begin(), expected->begin() + static_cast<std::ptrdiff_t>(n),
                    actual.begin())
          .first -
      expected->begin());
  return ::testing::AssertionFailure()
         << "the output differs from the golden " << golden << " first at "
         << position_of(*expected, at) << " (" << expected->size() << " bytes expected, "
         << actual.size() << " written)\n  golden: " << line_at(*expected, at)
         << "\n  output: " << line_at(actual, at)
         << "\n(when the change is meant, QVT_UPDATE_GOLDENS=1 writes the golden anew, to be "
            "checked by hand before it is committed)";
}

// The file `written` (it must exist) against the golden file `golden`, as matches_golden.
inline ::testing::AssertionResult file_matches_golden(const std::filesystem::path& golden,
                                                      const std::filesystem::path& written) {
  const std::optional<std::string> bytes = read_file_bytes(written);
  if (!bytes) return ::testing::AssertionFailure() << written << " was not written";
  return matches_golden(golden, *bytes);
}

}  // namespace qvt::engine::testing
