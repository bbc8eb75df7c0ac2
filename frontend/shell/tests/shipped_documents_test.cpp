#include "common/textfile.h"
#include "frontend/shell/launchers.h"

#include <gtest/gtest.h>

#include <string>

namespace qvt::shell {
namespace {

// Pages of a PDF: its page objects ("/Type /Page", not the "/Type /Pages" tree).
int page_count(const std::string& pdf) {
  int n = 0;
  const std::string key = "/Type /Page";
  for (std::size_t at = pdf.find(key); at != std::string::npos; at = pdf.find(key, at + 1))
    n += pdf.compare(at, key.size() + 1, key + "s") != 0;
  return n;
}

TEST(ShippedDocuments, TheManualsAndTheUpdateHistoryArePdfsInTheProgramFolder) {
  const std::filesystem::path bin = QVT_BIN_DIR;
  for (const char* name : {kOperationManual, kProductOverview, "更新履歴.pdf"}) {
    SCOPED_TRACE(name);
    const auto bytes = read_file_bytes(bin / name);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->compare(0, 5, "%PDF-"), 0);
    EXPECT_GE(page_count(*bytes), 1);
  }
}

TEST(ShippedDocuments, FlinmorInfNamesTheUpdateHistory) {
  const std::filesystem::path bin = QVT_BIN_DIR;
  const auto lines = read_lines(bin / kUpdaterInfoFile);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 7u);
  EXPECT_EQ((*lines)[6], "\x8d\x58\x90\x56\x97\x9a\x97\xf0.pdf");  // 更新履歴.pdf in CP932
  const UpdateHistoryTarget t = update_history_target(bin);
  EXPECT_EQ(t.kind, UpdateHistoryTarget::Kind::Document);
  EXPECT_EQ(t.target, (bin / "更新履歴.pdf").lexically_normal().string());
}

}  // namespace
}  // namespace qvt::shell
