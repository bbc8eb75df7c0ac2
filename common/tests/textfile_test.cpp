#include "common/textfile.h"

#include <gtest/gtest.h>

#include "common/tests/temp_dir.h"

#include <filesystem>

namespace qvt {
namespace {

namespace fs = std::filesystem;

TEST(TextFile, SplitLinesAcceptsCrLfAndLf) {
  struct Case { const char* in; std::vector<std::string> out; };
  const Case cases[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\r\n\r\nb\n", {"a", "", "b"}},
      {"x\ry\r\n", {"x\ry"}},  // a CR inside a line stays
  };
  for (const auto& c : cases) EXPECT_EQ(split_lines(c.in), c.out) << c.in;
}

TEST(TextFile, JoinCrLfEndsEveryLine) {
  EXPECT_EQ(join_crlf({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(join_crlf({}), "");
}

TEST(TextFileOnDisk, ReplaceWritesAndLeavesNoTemporaryBehind) {
  qvt::testing::TempDir dir_;
  fs::path f = dir_ / "quay.MSJ";
  ASSERT_TRUE(replace_file_bytes(f, "one\r\n"));
  ASSERT_TRUE(replace_file_bytes(f, "two\r\n"));
  EXPECT_EQ(*read_file_bytes(f), "two\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1);
}

TEST(TextFileOnDisk, FailedReplaceKeepsTheOldFile) {
  qvt::testing::TempDir dir_;
  fs::path f = dir_ / "quay.MSJ";
  ASSERT_TRUE(write_file_bytes(f, "old"));
  // A folder where the file should go cannot be replaced by a file.
  fs::path blocked = dir_.path() / "blocked";
  fs::create_directories(blocked / "inner");
  EXPECT_FALSE(replace_file_bytes(blocked, "new"));
  EXPECT_TRUE(fs::is_directory(blocked));
  EXPECT_FALSE(replace_file_bytes(dir_.path() / "missing_folder" / "x", "new"));
  EXPECT_EQ(*read_file_bytes(f), "old");
}

TEST(TextFileOnDisk, MissingFileReadsAsNothing) {
  qvt::testing::TempDir dir_;
  EXPECT_FALSE(read_lines(dir_ / "nope").has_value());
  EXPECT_FALSE(write_file_bytes(dir_.path() / "no" / "such", "x"));
}

}  // namespace
}  // namespace qvt
