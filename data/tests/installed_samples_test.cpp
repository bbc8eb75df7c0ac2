// The samples folder beside the programs: every shipped sample project and the notes on the
// shipped data, byte for byte as they are in the source tree, so a user of the built program
// opens the examples the manual names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string bytes_of(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(InstalledSamples, EverySampleAndTheDataNotesLieBesideThePrograms) {
  const fs::path source = fs::path(QVT_SOURCE_DIR) / "data";
  const fs::path installed = fs::path(QVT_BIN_DIR) / "samples";
  int projects = 0;
  for (const auto& entry : fs::directory_iterator(source / "samples")) {
    const fs::path copy = installed / entry.path().filename();
    ASSERT_TRUE(fs::is_regular_file(copy)) << copy;
    EXPECT_EQ(bytes_of(copy), bytes_of(entry.path())) << copy;
    projects += entry.path().extension() == ".MSJ";
  }
  EXPECT_GE(projects, 4);  // one per improvement pattern
  EXPECT_EQ(bytes_of(installed / "README.md"), bytes_of(source / "README.md"));
}

}  // namespace
