#pragma once
// Damaged copies of a line file for the readers' mutation tests: truncations, repeated, missing
// and swapped lines, flipped bytes, huge and non-finite numbers and counts beyond their stores.
// The generator is seeded and uses only the engine's raw output (no library distribution), so
// every run and every platform makes the same files and a failure names a case that reproduces.
#include "common/textfile.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace qvt::testing {

class FileMutator {
 public:
  explicit FileMutator(std::uint32_t seed) : rng_(seed) {}

  // One damaged copy of `lines` (never empty input). `what` receives a short description;
  // `kept`, when given, tells for each line of `lines` whether the damage left it as it was and
  // where it was (a line cut, repeated, dropped or inserted moves every line after it).
  std::vector<std::string> mutate(const std::vector<std::string>& lines, std::string& what,
                                  std::vector<bool>* kept = nullptr) {
    std::vector<std::string> l = lines;
    const std::size_t n = l.size();
    const std::size_t at = pick(n);
    std::vector<bool> same(n, true);
    auto moved_from = [&](std::size_t first) {
      for (std::size_t i = first; i < n; ++i) same[i] = false;
    };
    switch (pick(9)) {
      case 0: {  // cut at a line, or inside one
        l.resize(at);
        if (pick(2) && at < n) l.push_back(lines[at].substr(0, pick(lines[at].size() + 1)));
        what = "cut at line " + std::to_string(at + 1);
        moved_from(at);
        break;
      }
      case 1:
        l.insert(l.begin() + static_cast<long>(at), l[at]);
        what = "line " + std::to_string(at + 1) + " repeated";
        moved_from(at);
        break;
      case 2:
        l.erase(l.begin() + static_cast<long>(at));
        what = "line " + std::to_string(at + 1) + " missing";
        moved_from(at);
        break;
      case 3: {  // swapped with a neighbour (most often) or with any line
        const std::size_t other = pick(2) ? (at + 1) % n : pick(n);
        std::swap(l[at], l[other]);
        what = "lines " + std::to_string(at + 1) + " and " + std::to_string(other + 1) + " swapped";
        same[at] = same[other] = false;
        break;
      }
      case 4: {  // a flipped bit
        same[at] = false;
        if (l[at].empty()) l[at] = "0";
        const std::size_t pos = pick(l[at].size());
        l[at][pos] = static_cast<char>(l[at][pos] ^ (1u << pick(8)));
        what = "byte " + std::to_string(pos) + " of line " + std::to_string(at + 1) + " flipped";
        break;
      }
      case 5:
      case 6:
      case 7: {  // an item replaced by an extreme number or a count beyond its store
        static const char* const kValues[] = {
            "nan",  "-nan",  "inf",   "-inf",    "1e308",  "-1e308", "1e400",  "1e-320",
            "1e9",  "-1e9",  "32767", "-32768",  "32768",  "99999",  "2147483648", "-1",
            "-2",   "21",    "42",    "51",      "75",     "81",     "101",    "119",
            "149",  "16",    "9",     "1e18",    "4.5",    "",       "-0",     "0x10"};
        std::vector<std::size_t> starts = {0};
        for (std::size_t i = 0; i < l[at].size(); ++i)
          if (l[at][i] == ',') starts.push_back(i + 1);
        const std::size_t item = pick(starts.size());
        const std::size_t from = starts[item];
        const std::size_t to = l[at].find(',', from);
        const char* value = kValues[pick(std::size(kValues))];
        same[at] = false;
        l[at].replace(from, (to == std::string::npos ? l[at].size() : to) - from, value);
        what = "item " + std::to_string(item + 1) + " of line " + std::to_string(at + 1) +
               " set to \"" + value + "\"";
        break;
      }
      default: {  // a line more, empty or not
        l.insert(l.begin() + static_cast<long>(at), pick(2) ? std::string() : std::string("0"));
        what = "line inserted before line " + std::to_string(at + 1);
        moved_from(at);
        break;
      }
    }
    if (kept) *kept = std::move(same);
    return l;
  }

  // Calls check(lines, what) for `count` damaged copies, taking the sources in turn; `what`
  // numbers the case and says what was done to it.
  template <class Check>
  void run(const std::vector<std::vector<std::string>>& sources, int count, Check check) {
    run_kept(sources, count, [&](const auto& lines, const std::string& what, std::size_t,
                                 const std::vector<bool>&) { check(lines, what); });
  }

  // The same, telling check(lines, what, source, kept) also which source was damaged (its
  // index) and which of its lines the damage left where they were.
  template <class Check>
  void run_kept(const std::vector<std::vector<std::string>>& sources, int count, Check check) {
    for (int i = 0; i < count; ++i) {
      std::string what;
      std::vector<bool> kept;
      const std::size_t source = static_cast<std::size_t>(i) % sources.size();
      const std::vector<std::string> lines = mutate(sources[source], what, &kept);
      check(lines, std::to_string(i) + ": " + what, source, kept);
    }
  }

 private:
  std::size_t pick(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(rng_() % n); }
  std::mt19937 rng_;
};

// The lines the damage left in place must be written as the undamaged file's are: `written`
// is what the reader took from the damaged copy, written again line by line, and `undamaged`
// the same for the undamaged file, so a value read into another field shows on its line.
// `derived` marks lines the writer computes from other lines (they follow the line they come
// from).
inline void expect_kept_lines(const std::vector<std::string>& written,
                              const std::vector<std::string>& undamaged,
                              const std::vector<bool>& kept, const std::vector<bool>& derived = {}) {
  ASSERT_EQ(written.size(), undamaged.size());
  for (std::size_t i = 0; i < kept.size() && i < written.size(); ++i) {
    if (!kept[i] || (i < derived.size() && derived[i])) continue;
    EXPECT_EQ(written[i], undamaged[i]) << "line " << i + 1 << " was not damaged";
  }
}

// The lines of a test section's project file (common/tests/sections), or none when it cannot be
// read.
inline std::vector<std::string> sample_file_lines(const char* name) {
  return read_lines(std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / name)
      .value_or(std::vector<std::string>{});
}

}  // namespace qvt::testing
