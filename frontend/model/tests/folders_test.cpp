#include "frontend/model/folders.h"

#include "common/tests/temp_dir.h"
#include "common/textfile.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace qvt::model {
namespace {

TEST(Folders, WorkFolderComesFromTheEnvironment) {
  ::setenv("QVT_WORK_DIR", "/tmp/qvt_work_x", 1);
  EXPECT_EQ(default_work_folder(), "/tmp/qvt_work_x");
  ::unsetenv("QVT_WORK_DIR");
  ::setenv("XDG_DATA_HOME", "/tmp/xdg", 1);
  EXPECT_EQ(default_work_folder(), "/tmp/xdg/Qvta_win/work");
  ::unsetenv("XDG_DATA_HOME");
  ::setenv("HOME", "/home/eng", 1);
  EXPECT_EQ(default_work_folder(), "/home/eng/.local/share/Qvta_win/work");
}

TEST(Folders, OptionsAreCopiedOnlyWhenMissing) {
  qvt::testing::TempDir dir;
  std::filesystem::create_directories(dir / "install");
  write_file_bytes(dir / "install" / "QVT_DAT.CST", "default");
  auto work = dir / "work";
  ASSERT_TRUE(prepare_work_folder(dir / "install", work));
  EXPECT_EQ(*read_file_bytes(work / "QVT_DAT.CST"), "default");
  write_file_bytes(work / "QVT_DAT.CST", "mine");
  ASSERT_TRUE(prepare_work_folder(dir / "install", work));
  EXPECT_EQ(*read_file_bytes(work / "QVT_DAT.CST"), "mine");
}

}  // namespace
}  // namespace qvt::model
