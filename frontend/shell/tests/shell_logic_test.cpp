#include "frontend/shell/engine_message.h"
#include "frontend/shell/shell_logic.h"

#include "common/tests/temp_dir.h"
#include "common/textfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace qvt::shell {
namespace {

TEST(ProjectNames, TitleSuffixAndBase) {
  struct Case {
    const char* path;
    const char* title;
    const char* suffix;
    const char* base;
  };
  const Case cases[] = {
      {"/p/quay.msj", "quay", "msj", "/p/quay"},
      {"/p/quay.MSJ", "quay", "msj", "/p/quay"},
      // Title cut at the first dot, base at the last.
      {"/p/a.b.msj", "a", "msj", "/p/a.b"},
      // A name without a suffix keeps its whole file name as the base.
      {"/p/quay", "quay", "", "/p/quay"},
      // A dot in a folder name is not a suffix.
      {"/p.d/quay", "quay", "", "/p.d/quay"},
      {"/p/quay.tj2", "quay", "tj2", "/p/quay"},
      {"/p/quay.ms", "quay", "ms", "/p/quay"},
      {"quay.msj", "quay", "msj", "quay"},
      {"無題", "無題", "", "無題"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(title_of_path(c.path), c.title);
    EXPECT_EQ(suffix_of_path(c.path), c.suffix);
    EXPECT_EQ(base_of_path(c.path), c.base);
  }
}

TEST(ProjectNames, Caption) {
  EXPECT_EQ(start_caption("2.5.1"), "Tervane Ver2.5.1");
  EXPECT_EQ(window_caption("2.5.1", "無題"), "Tervane Ver2.5.1 - 無題");
  EXPECT_EQ(window_caption("1.0.0", "quay"), "Tervane Ver1.0.0 - quay");
}

TEST(CommandLine, TdOnlyAsTheWholeLineInAnyCase) {
  const std::pair<const char*, bool> cases[] = {
      {"/td", true},     {"/TD ", true},  {"  /Td\t", true}, {"/td x", false},
      {"x /td", false},  {"/tdx", false}, {"", false},       {"td", false},
  };
  for (const auto& [line, td] : cases) EXPECT_EQ(is_td_command_line(line), td) << line;
  EXPECT_EQ(trimmed_command_line("  /TD  "), "/TD");
}

TEST(StaleResults, WildcardsMatchTheWholeNameAndCaseCounts) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"*.PDT", "A.PDT", true},          {"*.PDT", ".PDT", true},
      {"*.PDT", "a.pdt", false},         {"*.PDT", "A.PDT.bak", false},
      {"CAL_AN?.DAT", "CAL_ANS.DAT", true}, {"CAL_AN?.DAT", "CAL_AN.DAT", false},
      {"CAL_AN?.DAT", "CAL_ANSS.DAT", false}, {"DAT_*.DAT", "DAT_.DAT", true},
      {"DAT_*.DAT", "DAT_A_B.DAT", true}, {"DAT_*.DAT", "DAT_ANS.DAT", true},
      {"DAT_*.DAT", "XDAT_A.DAT", false}, {"a*b*c", "abxbc", true},
  };
  for (const auto& [pattern, name, match] : cases)
    EXPECT_EQ(wildcard_match(pattern, name), match) << pattern << " " << name;
}

TEST(StaleResults, DeletesTheFourPatternsOnly) {
  qvt::testing::TempDir dir;
  const std::vector<std::string> stale = {"A.PDT", "HEN1.PDT", "CAL_ANS.DAT", "CAL_ANZ.DAT",
                                          "CAL_HEN.DAT", "DAT_ANS.DAT", "DAT_1.DAT"};
  const std::vector<std::string> kept = {"CAL_ANS.TXT", "QVTAJKN.CAL", "QVTABLK.ORG",
                                         "x.pdt", "QVT_DAT.CST", "CAL_ANSX.DAT", "T.PFM"};
  for (const auto& n : stale) write_file_bytes(dir / n, "x");
  for (const auto& n : kept) write_file_bytes(dir / n, "x");
  std::filesystem::create_directories(dir / "DAT_DIR.DAT");  // a folder is not a result file

  EXPECT_EQ(delete_stale_results(dir.path()), static_cast<int>(stale.size()));
  for (const auto& n : stale) EXPECT_FALSE(std::filesystem::exists(dir / n)) << n;
  for (const auto& n : kept) EXPECT_TRUE(std::filesystem::exists(dir / n)) << n;
  EXPECT_TRUE(std::filesystem::exists(dir / "DAT_DIR.DAT"));
  // A folder without results, or none at all, is passed over.
  EXPECT_EQ(delete_stale_results(dir.path()), 0);
  EXPECT_EQ(delete_stale_results(dir / "missing"), 0);
}

TEST(EngineMessages, ParsesKindTitleAndText) {
  using K = EngineMessage::Kind;
  struct Case {
    const char* line;
    K kind;
    const char* title;
    const char* text;
  };
  const Case cases[] = {
      {"QVTMSG\terror\tZENOBAR\t計算できません。", K::Error, "ZENOBAR", "計算できません。"},
      {"QVTMSG\twarning\tT\ta\\nb\\n", K::Warning, "T", "a\nb\n"},
      {"QVTMSG\tinfo\t\ttext\r", K::Info, "", "text"},
      {"QVTMSG\tquestion\tQ\t続けますか？", K::Question, "Q", "続けますか？"},
      // A tab inside the text belongs to the text; an unknown kind is a notice.
      {"QVTMSG\tnote\tT\ta\tb", K::Info, "T", "a\tb"},
      // Fields that are missing are empty; a lone backslash stays.
      {"QVTMSG\terror", K::Error, "", ""},
      {"QVTMSG\tinfo\tT\tC:\\x\\", K::Info, "T", "C:\\x\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    auto m = parse_engine_message(c.line);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->kind, c.kind);
    EXPECT_EQ(m->title, c.title);
    EXPECT_EQ(m->text, c.text);
  }
  for (const char* other : {"", "QVTMSG", "QVTMSGX\terror\tT\tx", " QVTMSG\terror\tT\tx",
                            "Segmentation fault"})
    EXPECT_FALSE(parse_engine_message(other)) << other;
}

}  // namespace
}  // namespace qvt::shell
