// The checks the engines write for an improvement pattern are the checks the front end shows for
// it, in the results table and in its text export, and both are the table's (common/check_lines.h):
// a check shown but never written would read as a pass of zeros, a check written but never shown
// would hide a failure.
#include "common/check_lines.h"
#include "common/cp932.h"
#include "common/tests/temp_dir.h"
#include "common/textfile.h"
#include "engines/common/check_summary_file.h"
#include "frontend/results/check_summary.h"
#include "frontend/results/results_export.h"
#include "frontend/results/results_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace qvt {
namespace {

struct QuietSink : model::MessageSink {
  std::vector<std::string> texts;
  void show_message(model::MessageIcon, const std::string&, const std::string& text) override {
    texts.push_back(text);
  }
};

// Sixteen lines every check passes: factors 1.5 against 1.2, stresses 1.0 against 1.2, the
// pull-out between -4 and -2 m.
std::string passing_summary() {
  std::string file;
  for (int c = 0; c < 2; ++c)
    for (int k = 0; k < CHECK_LINE_COUNT; ++k)
      file += check_line_row(k).levels ? "1.500000,-4.000000,-2.000000,1.200000,0\r\n"
              : check_relation(k) == CheckRelation::factor_at_least ? "1.500000,1.200000,0\r\n"
                                                                    : "1.000000,1.200000,0\r\n";
  return file;
}

TEST(CheckLinesOfPatterns, TheEnginesWriteWhatTheFrontEndShows) {
  qvt::testing::TempDir dir;
  ASSERT_TRUE(write_file_bytes(dir / "CAL_ANZ.DAT", passing_summary()));
  struct Case {
    int pattern;
    std::set<int> lines;  // by hand, from which checks each body has
  } cases[] = {
      {PATTERN_BLOCK, {0, 1, 2, 3, 4}},
      {PATTERN_WALL, {0, 1, 2, 3, 4, 5, 6}},
      {PATTERN_TANGENT_CIRCLES, {0, 1, 2, 7}},
      {PATTERN_LATTICE, {0, 1, 2, 3, 4, 5}},
  };
  constexpr int kSeismicOn = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE("pattern " + std::to_string(c.pattern));
    const std::vector<int> written = engine::check_lines_of_pattern(c.pattern);
    EXPECT_EQ(std::set<int>(written.begin(), written.end()), c.lines);

    std::set<int> in_table, shown, exported;
    for (int k = 0; k < CHECK_LINE_COUNT; ++k) {
      if (check_line_in_pattern(k, c.pattern)) in_table.insert(k);
      for (int load_case : {0, 1})
        EXPECT_EQ(results::check_shown(k, load_case, kSeismicOn, c.pattern),
                  c.lines.count(k) == 1)
            << k << " case " << load_case;
      if (results::check_shown(k, 0, kSeismicOn, c.pattern)) shown.insert(k);
    }
    EXPECT_EQ(in_table, c.lines);
    EXPECT_EQ(shown, c.lines);

    // The results table: each written check in exactly one row with a mark in both cases, under
    // its own title; every other row a dash.
    QuietSink sink;
    results::ResultsTable table;
    table.load(dir.path(), "/td", kSeismicOn, c.pattern, sink);
    const results::ResultsTableState& s = table.state();
    ASSERT_TRUE(s.check_results.has_value());
    std::multiset<int> rows_shown;
    for (int row = 0; row < results::kResultRows; ++row) {
      const auto r = static_cast<std::size_t>(row);
      const int k = results::results_row_line(row, c.pattern);
      if (s.marks[r][0] == "－") {
        EXPECT_EQ(s.marks[r][1], "－") << row;
        EXPECT_EQ(s.row_titles[r], "－") << row;
        continue;
      }
      rows_shown.insert(k);
      EXPECT_EQ(s.marks[r][0], "○") << row;
      EXPECT_EQ(s.marks[r][1], "○") << row;
      const CheckLineRow& line = check_line_row(k);
      EXPECT_TRUE(s.row_titles[r] == line.table_title ||
                  (line.table_title_alone != nullptr && s.row_titles[r] == line.table_title_alone))
          << row << ": " << s.row_titles[r];
    }
    EXPECT_EQ(rows_shown, std::multiset<int>(c.lines.begin(), c.lines.end()));

    // The text export: the numbers of exactly the written checks, dashes for the others.
    const std::string block =
        cp932_to_utf8_lossy(results::results_export_block(*s.check_results, kSeismicOn, c.pattern));
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < block.size();) {
      const std::size_t end = block.find("\r\n", at);
      lines.push_back(block.substr(at, end - at));
      at = end + 2;
    }
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(2 + 2 * CHECK_LINE_COUNT));
    for (int load_case : {0, 1})
      for (int k = 0; k < CHECK_LINE_COUNT; ++k) {
        const std::string& text = lines[static_cast<std::size_t>(1 + load_case * 9 + k)];
        const std::string head = std::string("\"") + check_line_row(k).export_label + "\",";
        ASSERT_EQ(text.rfind(head, 0), 0u) << text;
        if (text.compare(head.size(), std::string("－").size(), "－") != 0) exported.insert(k);
      }
    EXPECT_EQ(exported, c.lines);
  }
}

}  // namespace
}  // namespace qvt
