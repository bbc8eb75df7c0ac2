// The reader behind the layer tests: an include in any spelling reaches the file the compiler
// reads, a file's place in the layers, and the links of a target through the libraries it links.
#include "common/tests/source_layers.h"

#include "common/tests/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace qvt::testing {
namespace {

namespace fs = std::filesystem;

void put(const fs::path& p, const std::string& text) {
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << text;
}

TEST(SourceLayers, EveryIncludeFormReachesTheFileTheCompilerReads) {
  TempDir root;
  for (const char* header : {"engines/a/x.h", "engines/a/near.h", "engines/b/y.h"})
    put(root / header, "#pragma once\r\n");
  put(root / "engines/a/x.cpp",
      "#include \"engines/a/x.h\"\r\n"           // 1: from the root
      "#include \"../b/y.h\"\r\n"                // 2: beside the file, up one folder
      "#include <engines/b/y.h>\r\n"             // 3: angle brackets, from the root
      "  #  include   \"near.h\"\r\n"            // 4: spaced, beside the file
      "#include\"engines/a/../b/y.h\"\r\n"       // 5: no space, ".." inside the name
      "#include <near.h>\r\n"                    // 6: angle brackets never look beside the file
      "#include <vector>\r\n"                    // 7: outside the tree
      "// #include \"engines/b/y.h\"\r\n"        // 8: a comment, no include
      "int f();\r\n");
  struct Expected {
    int line;
    const char* spelled;
    bool angle;
    const char* file;  // "" outside the tree
  };
  const Expected expected[] = {{1, "engines/a/x.h", false, "engines/a/x.h"},
                               {2, "../b/y.h", false, "engines/b/y.h"},
                               {3, "engines/b/y.h", true, "engines/b/y.h"},
                               {4, "near.h", false, "engines/a/near.h"},
                               {5, "engines/a/../b/y.h", false, "engines/b/y.h"},
                               {6, "near.h", true, ""},
                               {7, "vector", true, ""}};
  const std::vector<IncludeLine> found = includes_of(root / "engines/a/x.cpp", root.path());
  ASSERT_EQ(found.size(), std::size(expected));
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_EQ(found[i].line, expected[i].line) << i;
    EXPECT_EQ(found[i].spelled, expected[i].spelled) << i;
    EXPECT_EQ(found[i].angle, expected[i].angle) << i;
    EXPECT_EQ(found[i].file, fs::path(expected[i].file)) << expected[i].spelled;
  }
}

TEST(SourceLayers, PlaceOfAFile) {
  struct Case {
    const char* file;
    const char* folder;
    Place::Part part;
  };
  const Case cases[] = {
      {"common/cp932.h", "common", Place::code},
      {"common/tests/sections/sample_block_quay.MSJ", "common", Place::tests},
      {"engines/common/condition_readers.h", "engines/common", Place::code},
      {"engines/tolmire/run.cpp", "engines/tolmire", Place::code},
      {"engines/tolmire/tests/dat_report_test.cpp", "engines/tolmire", Place::tests},
      {"frontend/pages/superstructure_page.h", "frontend/pages", Place::code},
      {"frontend/pages/widgets/superstructure_view.h", "frontend/pages", Place::widgets},
      {"frontend/pages/widgets/tests/superstructure_view_test.cpp", "frontend/pages", Place::tests},
      {"frontend/widgets/edit_grid.h", "frontend/widgets", Place::widgets},
      {"frontend/widgets/tests/edit_grid_test.cpp", "frontend/widgets", Place::tests},
      {"frontend/shell/main_window.cpp", "frontend/shell", Place::code},
      {"data/tools/make_bearing_data.cpp", "data", Place::code},
  };
  for (const Case& c : cases) {
    const Place p = place_of(c.file);
    EXPECT_EQ(p.folder, c.folder) << c.file;
    EXPECT_EQ(p.part, c.part) << c.file;
  }
}

TEST(SourceLayers, TargetGraphFollowsLinksThroughLibraries) {
  TempDir dir;
  const fs::path root = dir / "src";
  put(dir / "graph.txt",
      "root\t" + root.string() + "\n" + "build\t" + (root / "build").string() + "\n" +
          "target\tPROGRAM\tEXECUTABLE\t" + (root / "engines/a").string() + "\n" +
          "SOURCES\tPROGRAM\ta_main.cpp\n"
          "LINK_LIBRARIES\tPROGRAM\tlib_a\n"
          "target\tlib_a\tSTATIC_LIBRARY\t" + (root / "engines/a").string() + "\n" +
          "SOURCES\tlib_a\t" + (root / "engines/a/a.cpp").string() + "\n" +
          "SOURCES\tlib_a\t" + (root / "build/generated.cpp").string() + "\n" +
          "LINK_LIBRARIES\tlib_a\t::@(0x1234)\n"
          "LINK_LIBRARIES\tlib_a\tlib_model\n"
          "LINK_LIBRARIES\tlib_a\t::@\n"
          "LINK_LIBRARIES\tlib_a\tm\n"
          "INCLUDE_DIRECTORIES\tlib_a\t" + (root / "common/..").string() + "\n" +
          "target\tlib_model\tSTATIC_LIBRARY\t" + (root / "frontend").string() + "\n" +
          "SOURCES\tlib_model\tmodel/project.cpp\n"
          "LINK_LIBRARIES\tlib_model\tQt6::Core\n"
          "LINK_LIBRARIES\tlib_model\t\n");
  const auto graph = read_target_graph(dir / "graph.txt");
  ASSERT_TRUE(graph);
  ASSERT_EQ(graph->targets.size(), 3u);
  EXPECT_EQ(graph->linked_by("PROGRAM"),
            (std::set<std::string>{"lib_a", "lib_model", "m", "Qt6::Core"}));
  EXPECT_EQ(graph->sources_of(graph->targets.at("PROGRAM")),
            std::vector<fs::path>{"engines/a/a_main.cpp"});
  EXPECT_EQ(graph->sources_of(graph->targets.at("lib_a")),  // the generated one left out
            std::vector<fs::path>{"engines/a/a.cpp"});
  EXPECT_EQ(graph->sources_of(graph->targets.at("lib_model")),
            std::vector<fs::path>{"frontend/model/project.cpp"});
  EXPECT_EQ(inside(root, graph->targets.at("lib_a").include_dirs.at(0)), fs::path("."));
  EXPECT_FALSE(read_target_graph(dir / "missing.txt"));
}

}  // namespace
}  // namespace qvt::testing
