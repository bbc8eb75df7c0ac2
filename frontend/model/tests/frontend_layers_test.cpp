// The front end's folders depend one way, from the bottom up:
//   model <- widgets (the shared Qt widgets) <- section <- pages <- dialogs, results, import
//   <- shell
// A folder includes and links only folders below it and common/; the three folders on one level
// do not use each other. Each folder's Qt-free code (all of model, and every folder's code
// outside its widgets/ but the shell's) includes no widgets, no Qt header and links no Qt.
// Tests may use their own folder and the folders below it, widgets included, and outside the
// front end the engines' shared test helpers and the chart formulas, never an engine.
//
// As for the engines, the includes are resolved as the compiler reads them and the links come
// from the build's target graph.
#include "common/tests/source_layers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

namespace qvt::model {
namespace {

namespace fs = std::filesystem;
using qvt::testing::Place;

const fs::path kRoot = fs::path(QVT_SOURCE_DIR);

const std::map<std::string, int> kLevel = {
    {"frontend/model", 0},   {"frontend/widgets", 1}, {"frontend/section", 2},
    {"frontend/pages", 3},   {"frontend/dialogs", 4}, {"frontend/results", 4},
    {"frontend/import", 4},  {"frontend/shell", 5}};

bool in_front_end(const Place& p) { return p.folder.rfind("frontend/", 0) == 0; }

bool qt_free(const Place& p) { return p.part == Place::code && p.folder != "frontend/shell"; }

bool may_use(const Place& user, const Place& used) {
  if (used.folder == "common") return true;
  if (!in_front_end(used)) {
    // Outside the front end only tests reach: the engines' shared test helpers and the chart
    // formulas, never an engine.
    const bool an_engine = used.folder.rfind("engines/", 0) == 0 && used.folder != "engines/common";
    return user.part == Place::tests && !an_engine;
  }
  const auto u = kLevel.find(user.folder), d = kLevel.find(used.folder);
  if (u == kLevel.end() || d == kLevel.end()) return false;
  if (used.folder != user.folder && d->second >= u->second) return false;
  if (user.part == Place::tests) return true;
  if (used.part == Place::tests) return false;
  return !qt_free(user) || used.part == Place::code;
}

const qvt::testing::LayerRule kFrontEndRule{in_front_end, may_use, qt_free};

TEST(FrontEndLayers, EachFolderUsesOnlyTheFoldersBelowIt) {
  for (const auto& e : fs::directory_iterator(kRoot / "frontend")) {
    if (e.is_directory()) {
      EXPECT_TRUE(kLevel.count("frontend/" + e.path().filename().string()))
          << e.path() << " has no place in the front end's order";
    }
  }

  qvt::testing::expect_includes_follow(kFrontEndRule, kRoot, {kRoot / "frontend"});

  const auto graph = qvt::testing::read_target_graph(QVT_TARGET_GRAPH);
  ASSERT_TRUE(graph) << "no target graph at " << QVT_TARGET_GRAPH << " (configure again)";
  std::map<std::string, int> libraries;  // the code and widgets libraries of each folder
  for (const qvt::testing::BuildTarget* t :
       qvt::testing::expect_targets_follow(kFrontEndRule, *graph)) {
    const Place p = qvt::testing::place_of(graph->sources_of(*t).front());
    if (t->type == "STATIC_LIBRARY") ++libraries[p.folder];
  }
  EXPECT_EQ(libraries.size(), kLevel.size()) << "the target graph holds every folder's library";
}

}  // namespace
}  // namespace qvt::model
