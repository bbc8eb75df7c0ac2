// Each engine stands on the common layer alone: no source or test of one engine includes a
// header of another, no engine's build links another engine's library, and no engine source
// outside its tests includes the front end. What two engines share belongs in engines/common.
#include "common/textfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace qvt::engine {
namespace {

namespace fs = std::filesystem;

const fs::path kEngines = fs::path(QVT_SOURCE_DIR) / "engines";

std::vector<std::string> engine_names() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kEngines))
    if (entry.is_directory() && entry.path().filename() != "common")
      names.push_back(entry.path().filename().string());
  return names;
}

bool is_source(const fs::path& p) {
  return p.extension() == ".cpp" || p.extension() == ".h";
}

bool in_tests(const fs::path& p, const fs::path& engine_dir) {
  return fs::relative(p, engine_dir).begin()->string() == "tests";
}

TEST(EngineLayers, NoEngineIncludesOrLinksAnother) {
  const std::vector<std::string> names = engine_names();
  ASSERT_EQ(names.size(), 8u);  // the eight batch engines
  for (const std::string& name : names) {
    const fs::path dir = kEngines / name;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      const fs::path& p = entry.path();
      const bool cmake = p.filename() == "CMakeLists.txt";
      if (!entry.is_regular_file() || !(is_source(p) || cmake)) continue;
      const auto lines = read_lines(p);
      ASSERT_TRUE(lines) << p;
      for (const std::string& line : *lines) {
        for (const std::string& other : names) {
          if (other == name) continue;
          const std::string use =
              cmake ? "qvt_" + other : "#include \"engines/" + other + "/";
          EXPECT_EQ(line.find(use), std::string::npos) << p << ": " << line;
        }
        if (!cmake && !in_tests(p, dir)) {
          EXPECT_EQ(line.find("#include \"frontend/"), std::string::npos) << p << ": " << line;
        }
      }
    }
  }
}

}  // namespace
}  // namespace qvt::engine
