// Each engine stands on the common layers alone. An engine's code includes and links
// common/, engines/common/ and itself only: never another engine, never the front end, no GUI
// library. Its tests may also use the front end (the sample runs write their input with the
// front end's own writer), never another engine. engines/common is held to the same rule
// without an engine of its own, and common/ uses nothing but itself.
//
// The includes are read in every form the compiler accepts and resolved to the file it reads;
// the links come from the build's target graph, so a relative include, an angle include, a
// source compiled into another engine's target or a link through another library is seen too.
#include "common/tests/source_layers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace qvt::engine {
namespace {

namespace fs = std::filesystem;
using qvt::testing::Place;

const fs::path kRoot = fs::path(QVT_SOURCE_DIR);

bool is_engine_folder(const std::string& folder) { return folder.rfind("engines/", 0) == 0; }

const qvt::testing::LayerRule kEngineRule{
    [](const Place& p) { return p.folder == "common" || is_engine_folder(p.folder); },
    [](const Place& user, const Place& used) {
      if (user.folder == "common") return used.folder == "common";
      if (used.folder == "common" || used.folder == "engines/common") return true;
      if (used.folder == user.folder) return true;
      return user.part == Place::tests && used.folder.rfind("frontend/", 0) == 0;
    },
    // The engines link no GUI library; only their tests reach the front end.
    [](const Place& p) { return p.part != Place::tests; }};

TEST(EngineLayers, NoEngineIncludesOrLinksAnother) {
  std::vector<std::string> engines;
  for (const auto& e : fs::directory_iterator(kRoot / "engines"))
    if (e.is_directory() && e.path().filename() != "common")
      engines.push_back(e.path().filename().string());
  ASSERT_EQ(engines.size(), 8u);  // the eight batch engines

  qvt::testing::expect_includes_follow(kEngineRule, kRoot, {kRoot / "common", kRoot / "engines"});

  const auto graph = qvt::testing::read_target_graph(QVT_TARGET_GRAPH);
  ASSERT_TRUE(graph) << "no target graph at " << QVT_TARGET_GRAPH << " (configure again)";
  int programs = 0;
  for (const qvt::testing::BuildTarget* t :
       qvt::testing::expect_targets_follow(kEngineRule, *graph)) {
    const Place p = qvt::testing::place_of(graph->sources_of(*t).front());
    if (t->type == "EXECUTABLE" && p.part == Place::code && p.folder != "engines/common")
      ++programs;
  }
  EXPECT_EQ(programs, 8) << "the target graph holds every engine's program";
}

}  // namespace
}  // namespace qvt::engine
