#include "common/textfile.h"

#include <gtest/gtest.h>

#include "common/tests/temp_dir.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(TextFileOnDisk, ReplaceKeepsTheOldFilesPermissions) {
  qvt::testing::TempDir dir_;
  const fs::path f = dir_ / "quay.MSJ";
  ASSERT_TRUE(write_file_bytes(f, "old"));
  fs::permissions(f, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(replace_file_bytes(f, "new"));
  EXPECT_EQ(fs::status(f).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  // A new file gets what any file created now gets, not mkstemp's owner-only 0600.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  const fs::path fresh = dir_ / "fresh.MSJ";
  ASSERT_TRUE(replace_file_bytes(fresh, "x"));
  EXPECT_EQ(static_cast<mode_t>(fs::status(fresh).permissions() & fs::perms::all), 0666 & ~mask);
}

// A full disk: the write call takes part of the bytes, then fails.
long write_half_then_fail(int fd, const void* data, unsigned long size) {
  static bool wrote = false;
  if (!wrote && size > 1) {
    wrote = true;
    return ::write(fd, data, size / 2);
  }
  wrote = false;
  errno = ENOSPC;
  return -1;
}

struct FailingWrites {
  FailingWrites() { old = set_write_call(write_half_then_fail); }
  ~FailingWrites() { set_write_call(old); }
  WriteCall old;
};

TEST(TextFileOnDisk, WriteFailingPartWayLeavesTheOldFileByteForByte) {
  qvt::testing::TempDir dir_;
  const fs::path f = dir_ / "quay.MSJ";
  const std::string old_bytes = "*000013\r\nold title\r\n";
  ASSERT_TRUE(write_file_bytes(f, old_bytes));
  {
    FailingWrites full_disk;
    EXPECT_FALSE(replace_file_bytes(f, std::string(4096, 'n')));
  }
  EXPECT_EQ(*read_file_bytes(f), old_bytes);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 1);
  EXPECT_TRUE(replace_file_bytes(f, "new"));  // the real write call is back
  EXPECT_EQ(*read_file_bytes(f), "new");
}

TEST(TextFileOnDisk, ReplacementsWrittenFirstAreCommittedTogetherOrNotAtAll) {
  qvt::testing::TempDir dir_;
  const fs::path a = dir_ / "quay.MSJ", b = dir_ / "quay.MBJ";
  ASSERT_TRUE(write_file_bytes(a, "old a"));
  ASSERT_TRUE(write_file_bytes(b, "old b"));
  {
    FileReplacement ra(a), rb(b);
    ASSERT_TRUE(ra.write("new a"));
    FailingWrites full_disk;
    EXPECT_FALSE(rb.write("new b, longer"));
  }  // neither committed: both temporary files go
  EXPECT_EQ(*read_file_bytes(a), "old a");
  EXPECT_EQ(*read_file_bytes(b), "old b");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 2);
  {
    FileReplacement ra(a), rb(b);
    ASSERT_TRUE(ra.write("new a") && rb.write("new b"));
    EXPECT_EQ(*read_file_bytes(a), "old a");  // nothing replaced before the commit
    EXPECT_TRUE(ra.commit() && rb.commit());
  }
  EXPECT_EQ(*read_file_bytes(a), "new a");
  EXPECT_EQ(*read_file_bytes(b), "new b");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 2);
}

TEST(TextFileOnDisk, MissingFileReadsAsNothing) {
  qvt::testing::TempDir dir_;
  EXPECT_FALSE(read_lines(dir_ / "nope").has_value());
  EXPECT_FALSE(write_file_bytes(dir_.path() / "no" / "such", "x"));
}

// A path that is there but is no readable file (a folder, a pipe, a file without read
// permission) reads as nothing, like a missing file: no exception, no hang.
TEST(TextFileOnDisk, WhatIsNoReadableFileReadsAsNothing) {
  qvt::testing::TempDir dir_;
  fs::create_directory(dir_ / "QVTAJKN.CAL");
  EXPECT_FALSE(read_file_bytes(dir_ / "QVTAJKN.CAL").has_value());
  EXPECT_FALSE(read_lines(dir_ / "QVTAJKN.CAL").has_value());
  ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0600), 0);
  EXPECT_FALSE(read_lines(dir_ / "pipe").has_value());
  const fs::path locked = dir_ / "locked";
  ASSERT_TRUE(write_file_bytes(locked, "a\r\n"));
  fs::permissions(locked, fs::perms::none);
  if (::access(locked.c_str(), R_OK) != 0) {  // root reads it all the same
    EXPECT_FALSE(read_lines(locked).has_value());
  }
  fs::permissions(locked, fs::perms::owner_all);
  // An empty regular file is read: it has no lines.
  ASSERT_TRUE(write_file_bytes(dir_ / "empty", ""));
  EXPECT_TRUE(read_lines(dir_ / "empty").value().empty());
}

}  // namespace
}  // namespace qvt
