#pragma once
// What the layer tests read, so they judge what the compiler and the linker see rather than
// one spelling of it:
// - every #include of a source, whatever its spacing, quotes or angle brackets, resolved to the
//   file the compiler reads ("..", a name beside the including file, a name under the root);
// - the build's target graph as CMake resolved it at generate time (target_graph.txt in the
//   build folder): each target's sources, the libraries it links and its include folders.
// And the place of a file in the layers: its folder (common, engines/<name>, frontend/<name>,
// ...) and its part there (code, the Qt widgets of a front-end folder, tests).
#include "common/textfile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::testing {

namespace layers_fs = std::filesystem;

// The file `p` under `root`, relative to it; empty when it lies outside.
inline layers_fs::path inside(const layers_fs::path& root, const layers_fs::path& p) {
  const layers_fs::path r = p.lexically_normal().lexically_relative(root.lexically_normal());
  if (r.empty() || *r.begin() == "..") return {};
  return r;
}

struct IncludeLine {
  int line = 0;          // from 1
  std::string spelled;   // as written between the quotes or brackets
  bool angle = false;
  layers_fs::path file;  // the file it reaches, relative to the root; empty: outside the tree
};

// Every include of `source` resolved as the compiler searches, with the root as the one include
// folder of the tree: a quoted name beside the including file first, then under the root; a
// name in angle brackets under the root only.
inline std::vector<IncludeLine> includes_of(const layers_fs::path& source,
                                            const layers_fs::path& root) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");
  std::vector<IncludeLine> found;
  const auto lines = read_lines(source);
  if (!lines) return found;
  for (std::size_t i = 0; i < lines->size(); ++i) {
    std::smatch m;
    if ((*lines)[i].find("include") == std::string::npos) continue;  // the regex is slow
    if (!std::regex_search((*lines)[i], m, kInclude)) continue;
    IncludeLine inc;
    inc.line = static_cast<int>(i) + 1;
    inc.angle = m[1] == "<";
    inc.spelled = m[2];
    std::vector<layers_fs::path> candidates;
    if (!inc.angle) candidates.push_back(source.parent_path() / inc.spelled);
    candidates.push_back(root / inc.spelled);
    for (const layers_fs::path& c : candidates) {
      // ".." is resolved by the system, as for the compiler.
      if (!layers_fs::is_regular_file(c)) continue;
      inc.file = inside(root, c);
      break;
    }
    found.push_back(inc);
  }
  return found;
}

// A header or a library of Qt: <QWidget>, <QtCore/QString>, "QLabel", Qt6::Widgets.
inline bool names_qt(std::string_view spelled) {
  if (spelled.rfind("Qt", 0) == 0) return true;
  return spelled.size() > 1 && spelled[0] == 'Q' && spelled[1] >= 'A' && spelled[1] <= 'Z';
}

inline bool is_source_file(const layers_fs::path& p) {
  static const std::set<std::string> kExtensions = {".h",  ".hh",  ".hpp", ".cpp",
                                                    ".cc", ".cxx", ".inc", ".ipp"};
  return kExtensions.count(p.extension().string()) > 0;
}

// The sources under `dir`, sorted, so a failure names the same file first every run.
inline std::vector<layers_fs::path> sources_under(const layers_fs::path& dir) {
  std::vector<layers_fs::path> files;
  for (const auto& e : layers_fs::recursive_directory_iterator(dir))
    if (e.is_regular_file() && is_source_file(e.path())) files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Where a file stands in the layers. folder: "common", "engines/<name>", "frontend/<name>", or
// the top folder for anything else ("data", "tools"). part: tests anywhere under a tests
// folder; widgets for the Qt binding of a front-end folder (frontend/<name>/widgets) and for the
// shared widgets (frontend/widgets); code otherwise.
struct Place {
  enum Part { code, widgets, tests };
  std::string folder;
  Part part = code;
  bool operator==(const Place&) const = default;
};

inline Place place_of(const layers_fs::path& relative) {
  std::vector<std::string> parts;
  for (const auto& p : relative) parts.push_back(p.string());
  Place place;
  if (parts.empty()) return place;
  const bool two_level = (parts[0] == "engines" || parts[0] == "frontend") && parts.size() > 2;
  place.folder = two_level ? parts[0] + "/" + parts[1] : parts[0];
  const std::size_t inner = two_level ? 2 : 1;
  if (place.folder == "frontend/widgets") place.part = Place::widgets;
  for (std::size_t i = inner; i + 1 < parts.size(); ++i) {
    if (parts[i] == "tests") return {place.folder, Place::tests};
    if (parts[i] == "widgets" && parts[0] == "frontend") place.part = Place::widgets;
  }
  return place;
}

inline std::string describe(const Place& p) {
  static const char* const kParts[] = {"code", "widgets", "tests"};
  return p.folder + " (" + kParts[p.part] + ")";
}

// One target of the build as CMake resolved it.
struct BuildTarget {
  std::string name, type;
  layers_fs::path source_dir;
  std::vector<std::string> sources, links, include_dirs;
};

struct TargetGraph {
  layers_fs::path root, build;
  std::map<std::string, BuildTarget> targets;

  // The sources of a target as paths relative to the root (outside the tree: left out).
  std::vector<layers_fs::path> sources_of(const BuildTarget& t) const {
    std::vector<layers_fs::path> out;
    for (const std::string& s : t.sources) {
      layers_fs::path p(s);
      if (p.is_relative()) p = t.source_dir / p;
      const layers_fs::path r = inside(root, p);
      if (!r.empty() && !inside(build, p).empty()) continue;  // generated in the build folder
      if (!r.empty()) out.push_back(r);
    }
    return out;
  }

  // Everything a target links, directly or through the libraries it links: names of targets of
  // the build, and the other items as written (Qt6::Widgets, m, GTest::gtest, ...).
  std::set<std::string> linked_by(const std::string& name) const {
    std::set<std::string> seen;
    std::vector<std::string> todo{name};
    while (!todo.empty()) {
      const std::string n = todo.back();
      todo.pop_back();
      const auto it = targets.find(n);
      if (it == targets.end()) continue;
      for (const std::string& l : it->second.links)
        if (seen.insert(l).second) todo.push_back(l);
    }
    return seen;
  }
};

// The graph file: tab-separated lines "root <path>", "build <path>", "target <name> <type>
// <source dir>", and "SOURCES|LINK_LIBRARIES|INCLUDE_DIRECTORIES <name> <item>". Link items
// CMake marks with the folder they were named in ("::@(...)") are left out.
inline std::optional<TargetGraph> read_target_graph(const layers_fs::path& file) {
  const auto lines = read_lines(file);
  if (!lines) return std::nullopt;
  TargetGraph g;
  for (const std::string& line : *lines) {
    std::vector<std::string> f;
    std::size_t start = 0;
    for (;;) {
      const std::size_t tab = line.find('\t', start);
      f.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    if (f.size() == 2 && f[0] == "root") g.root = f[1];
    if (f.size() == 2 && f[0] == "build") g.build = f[1];
    if (f.size() == 4 && f[0] == "target") g.targets[f[1]] = {f[1], f[2], f[3], {}, {}, {}};
    if (f.size() != 3 || f[2].empty() || !g.targets.count(f[1])) continue;
    BuildTarget& t = g.targets[f[1]];
    if (f[0] == "SOURCES") t.sources.push_back(f[2]);
    if (f[0] == "LINK_LIBRARIES" && f[2].rfind("::@", 0) != 0) t.links.push_back(f[2]);
    if (f[0] == "INCLUDE_DIRECTORIES") t.include_dirs.push_back(f[2]);
  }
  if (g.root.empty() || g.targets.empty()) return std::nullopt;
  return g;
}

// What a layer test holds a tree to: the places it judges, which place may include or link
// which, and the places whose code uses no Qt header or library.
struct LayerRule {
  std::function<bool(const Place&)> judges;
  std::function<bool(const Place& user, const Place& used)> may_use;
  std::function<bool(const Place&)> qt_free;
};

// Every include of the sources under `dirs` that reaches a file of the tree is one the rule
// allows; Qt-free code includes no Qt header.
inline void expect_includes_follow(const LayerRule& rule, const layers_fs::path& root,
                                   const std::vector<layers_fs::path>& dirs) {
  for (const layers_fs::path& dir : dirs) {
    for (const layers_fs::path& file : sources_under(dir)) {
      const layers_fs::path rel = inside(root, file);
      const Place user = place_of(rel);
      if (!rule.judges(user)) continue;
      for (const IncludeLine& inc : includes_of(file, root)) {
        if (inc.file.empty()) {
          EXPECT_FALSE(rule.qt_free(user) && names_qt(inc.spelled))
              << rel.string() << ":" << inc.line << " includes " << inc.spelled << " of Qt";
          continue;
        }
        const Place used = place_of(inc.file);
        EXPECT_TRUE(rule.may_use(user, used))
            << rel.string() << ":" << inc.line << " includes \"" << inc.spelled << "\", "
            << inc.file.string() << ": " << describe(user) << " may not use " << describe(used);
      }
    }
  }
}

// Every target of a judged place compiles the sources of that place only, links (directly or
// through another library) only what the rule allows, no Qt when its place is Qt-free, and has
// no include folder in the tree but the root, so the includes are resolved as the compiler
// resolves them. Gives the targets judged.
inline std::vector<const BuildTarget*> expect_targets_follow(const LayerRule& rule,
                                                             const TargetGraph& graph) {
  std::vector<const BuildTarget*> judged;
  for (const auto& [name, target] : graph.targets) {
    const std::vector<layers_fs::path> sources = graph.sources_of(target);
    if (sources.empty()) continue;
    const Place place = place_of(sources.front());
    if (!rule.judges(place)) continue;
    judged.push_back(&target);
    for (const layers_fs::path& s : sources)
      EXPECT_TRUE(place_of(s) == place)
          << name << " compiles " << s.string() << " beside " << sources.front().string();
    for (const std::string& linked : graph.linked_by(name)) {
      const auto it = graph.targets.find(linked);
      if (it == graph.targets.end()) {
        EXPECT_FALSE(rule.qt_free(place) && names_qt(linked)) << name << " links " << linked;
        continue;
      }
      for (const layers_fs::path& s : graph.sources_of(it->second)) {
        if (rule.may_use(place, place_of(s))) continue;
        ADD_FAILURE() << name << " links " << linked << " (" << s.string()
                      << "): " << describe(place) << " may not use " << describe(place_of(s));
        break;  // one failure a library
      }
    }
    for (const std::string& dir : target.include_dirs) {
      const layers_fs::path in_tree = inside(graph.root, dir);
      if (in_tree.empty() || !inside(graph.build, dir).empty()) continue;
      EXPECT_EQ(in_tree, layers_fs::path(".")) << name << " includes from " << dir;
    }
  }
  return judged;
}

}  // namespace qvt::testing
