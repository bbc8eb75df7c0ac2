#include "common/tests/temp_dir.h"
#include "frontend/import/sibling_files.h"
#include "frontend/import/sibling_importer.h"
#include "frontend/import/tests/sibling_fixture.h"
#include "frontend/model/block_file.h"
#include "frontend/model/tests/block_fixtures.h"
#include "frontend/model/tests/block_layout.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace qvt::import {
namespace {

namespace fs = std::filesystem;
using model::ProjectModel;
using model::BLOCK_EMPTY, model::BLOCK_POLYGON, model::BLOCK_RECTANGLE;
using model::testing::new_project;
using model::testing::Recorder;
using testing::FixtureWriter;
using testing::Tj2Fixture;

TEST(SiblingFixture, ItemCountsMatchTheFileTables) {
  Tj2Fixture t;
  t.version = 2132;
  EXPECT_EQ(write_tj2(t, true).items, 727);
  t.version = 2133;
  EXPECT_EQ(write_tj2(t).items, 729);
  t.version = 2200;
  t.group80_count = 0;
  EXPECT_EQ(write_tj2(t).items, 1077);
  EXPECT_EQ(testing::write_tk2().items, 15 * 139 + 15 * 16);
}

TEST(Tj2File, VersionsGateTheLaterGroups) {
  for (int version : {2132, 2133, 2199, 2200}) {
    SCOPED_TRACE(version);
    Tj2Fixture t;
    t.version = version;
    t.case_grid = {0, 0, 1, 1};
    SiblingConditions c;
    c.adopted_case = 9;
    ASSERT_TRUE(read_tj2(write_tj2(t).lines, c));
    EXPECT_EQ(c.sibling_version, version);
    EXPECT_EQ(c.seismic_studied, 1);
    EXPECT_EQ(c.sibling_levels[2], 0.75);
    EXPECT_EQ(c.check_point_number, 2);
    EXPECT_EQ(c.force_counts[0], 2);
    EXPECT_EQ(c.force_counts[1], 1);
    EXPECT_EQ(c.force_counts[2], 3);
    EXPECT_EQ(c.top_surcharge_x_min[3], 3.5);
    EXPECT_EQ(c.top_surcharge_x_max[3], 4.25);
    EXPECT_EQ(c.top_surcharge_loads[1][2], 22);
    EXPECT_EQ(c.sibling_forces[0][0].name, "荷重A, 北側");
    EXPECT_EQ(c.sibling_forces[0][1].name, "船舶牽引力");
    EXPECT_EQ(c.sibling_forces[1][1].y, 20);
    EXPECT_EQ(c.sibling_forces[2][2].x, 31);
    EXPECT_EQ(c.dynamic_water_rule, 1);
    if (version < 2200) {
      EXPECT_EQ(c.case_grid, (std::array<i16, 4>{1, 1, 0, 0}));
      EXPECT_EQ(c.top_surcharge_loads[2][1], 11);  // rows 2..4 from rows 0, 1, 0
      EXPECT_EQ(c.top_surcharge_loads[3][1], 21);
      EXPECT_EQ(c.top_surcharge_loads[4][2], 12);
      EXPECT_EQ(c.adopted_case, 0);  // a fresh record: nothing of an earlier import
    } else {
      EXPECT_EQ(c.case_grid, (std::array<i16, 4>{0, 0, 1, 1}));
      EXPECT_EQ(c.top_surcharge_loads[2][1], 31);
      EXPECT_EQ(c.top_surcharge_loads[4][2], 52);
      EXPECT_EQ(c.adopted_case, 2);
    }
  }
}

TEST(Tj2File, MalformedFilesAreRefused) {
  Tj2Fixture t;
  t.group80_count = 5;
  SiblingConditions c;
  EXPECT_FALSE(read_tj2(write_tj2(t).lines, c));
  for (int rule : {0, 3}) {
    Tj2Fixture r;
    r.top_surcharge_rule = rule;
    EXPECT_FALSE(read_tj2(write_tj2(r).lines, c)) << rule;
  }
  // A file cut short anywhere.
  auto lines = write_tj2(Tj2Fixture{}).lines;
  lines.pop_back();
  EXPECT_FALSE(read_tj2(lines, c));
  // A version that claims group 68 where the file has none shifts every later item.
  Tj2Fixture old;
  old.version = 2132;
  auto shifted = write_tj2(old).lines;
  shifted[0] = "2133";
  EXPECT_FALSE(read_tj2(shifted, c));
}

// --- .TB2 ---

TEST(Tb2File, PlacementAndLabels) {
  auto src = new_project();
  src->wall_blocks[1].block_type = BLOCK_POLYGON;
  src->wall_blocks[1].polygon.head.name = "poly";
  src->wall_blocks[1].polygon.vertex_count = 3;
  src->wall_blocks[3].block_type = BLOCK_RECTANGLE;
  src->wall_blocks[3].polygon.head.name = "rect";
  src->block_label_numbers[1] = 7;
  src->block_label_numbers[3] = 4;
  src->block_label_numbers[0] = 99;  // an empty file slot's value is skipped
  auto lines = model::block_file_lines(*src).lines;
  auto m = new_project();
  m->wall_blocks[19].caisson.sub_type = 3;
  Recorder rec;
  ASSERT_TRUE(read_tb2(lines, 2200, *m, rec));
  EXPECT_EQ(m->wall_blocks[0].block_type, BLOCK_POLYGON);
  EXPECT_EQ(m->wall_blocks[0].polygon.head.name, "poly");
  EXPECT_EQ(m->wall_blocks[1].block_type, BLOCK_RECTANGLE);
  EXPECT_EQ(m->wall_blocks[19].block_type, BLOCK_EMPTY);
  EXPECT_EQ(m->wall_blocks[19].caisson.sub_type, 1);
  EXPECT_EQ(m->wall_blocks[18].block_type, BLOCK_EMPTY);
  EXPECT_EQ(m->block_label_numbers[0], 7);
  EXPECT_EQ(m->block_label_numbers[1], 4);

  // Below 2200 the used slots are numbered in slot order (the label line is not there).
  std::vector<std::string> old(lines.begin(), lines.begin() + 2 + 20 * model::kPolygonRecordLines);
  auto o = new_project();
  ASSERT_TRUE(read_tb2(old, 2199, *o, rec));
  EXPECT_EQ(o->block_label_numbers[0], 0);
  EXPECT_EQ(o->block_label_numbers[1], 1);
}

TEST(Tb2File, CaissonOutlinesHold74PointsBefore2130And148From2130) {
  // A caisson followed by a polygon: an outline read with the wrong length shifts the polygon.
  auto src = new_project();
  model::testing::Values v;
  src->wall_blocks[0].block_type = model::BLOCK_CAISSON;
  model::testing::fill_parametric(src->wall_blocks[0].caisson, v, "ケーソン");
  src->wall_blocks[1].block_type = BLOCK_POLYGON;
  model::testing::fill_polygon(src->wall_blocks[1].polygon, v, "after");
  // The 74-point layout, without label line and library, as the older files were written.
  const auto short_file = model::testing::older_block_file(2, *src);
  auto full_file = model::block_file_lines(*src).lines;
  full_file.resize(model::testing::record_start(*src, MAX_WALL_BLOCKS));
  struct Case {
    int version;
    const std::vector<std::string>* file;
    bool ok;
  } cases[] = {{2129, &short_file, true},
               {2130, &full_file, true},
               {2129, &full_file, false},
               {2130, &short_file, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    auto m = new_project();
    Recorder rec;
    EXPECT_EQ(read_tb2(*c.file, c.version, *m, rec), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(m->wall_blocks[0].caisson.head.name, "ケーソン");
    EXPECT_EQ(m->wall_blocks[0].caisson.part_values[3][7],
              src->wall_blocks[0].caisson.part_values[3][7]);
    EXPECT_EQ(m->wall_blocks[1].polygon.head.name, "after");
    EXPECT_EQ(m->wall_blocks[1].polygon.vertex_y[117], src->wall_blocks[1].polygon.vertex_y[117]);
  }
}

TEST(Tb2File, UnknownTypeIsAReadError) {
  auto src = new_project();
  for (const char* type : {"9", "42", "-2"}) {
    SCOPED_TRACE(type);
    auto lines = model::block_file_lines(*src).lines;
    lines[2] = type;  // the first slot's type
    auto m = new_project();
    const auto before = m->wall_blocks[0].block_type;
    Recorder rec;
    EXPECT_FALSE(read_tb2(lines, 2200, *m, rec));
    EXPECT_EQ(m->wall_blocks[0].block_type, before);
  }
}

// The block file is held to the project block file's line layout: two neighbouring lines of
// different item counts swapped, or a level beyond the section, are read errors.
TEST(Tb2File, LinesOffTheirLayoutAreAReadError) {
  auto src = new_project();
  model::testing::fill_every_block_type(*src);
  const auto good = model::block_file_lines(*src).lines;
  const int polygon = model::testing::record_start(*src, model::testing::kSlotPolygon);
  auto swapped = [&](int a) {
    auto l = good;
    std::swap(l[a], l[a + 1]);
    return l;
  };
  auto replaced = [&](int a, const char* text) {
    auto l = good;
    l[a] = text;
    return l;
  };
  for (const auto& lines : {swapped(polygon + 6), swapped(polygon + 23),
                            replaced(polygon + 5, "-1e308")}) {
    auto m = new_project();
    Recorder rec;
    EXPECT_FALSE(read_tb2(lines, 2200, *m, rec));
  }
  auto m = new_project();
  Recorder rec;
  EXPECT_TRUE(read_tb2(good, 2200, *m, rec));
}

// The hand-over file holds lines of eight values, two a study. A file of 4 lines that lost its
// first one used to read the seismic line as the normal case's loads.
TEST(SinFile, LinesOffTheirLayoutAreRefused) {
  const std::vector<std::string> good = testing::write_sin(4).lines;
  std::array<SiblingHandOver, 4> h{};
  ASSERT_TRUE(read_sin(good, 4, h));
  EXPECT_EQ(h[1].reaction.check_x, 11);
  EXPECT_EQ(h[1].dynamic_water_level, 18);
  ASSERT_TRUE(read_sin(good, 2, h));
  ASSERT_TRUE(read_sin(testing::write_sin(2).lines, 2, h));
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    int count;
  };
  auto without = [&](std::size_t k) {
    auto l = good;
    l.erase(l.begin() + static_cast<long>(k));
    return l;
  };
  auto with = [&](std::size_t k, const std::string& text) {
    auto l = good;
    l[k] = text;
    return l;
  };
  const Case cases[] = {
      {"first line missing, L.W.L. taken", without(0), 2},
      {"first line missing, H.W.L. taken", without(0), 4},
      {"third line missing, L.W.L. taken", without(2), 2},
      {"a value missing", with(0, "1,2,3,4,5,6,7"), 2},
      {"a value more", with(1, "1,2,3,4,5,6,7,8,9"), 2},
      {"two lines joined", [&] { auto l = without(1); l[0] += "," + good[1]; return l; }(), 2},
      {"check level -1e308", with(0, "1,-1e308,3,4,5,6,7,8"), 2},
      {"dynamic water level beyond the section", with(1, "1,2,3,4,5,6,7,2e5"), 2},
  };
  for (const Case& c : cases) {
    std::array<SiblingHandOver, 4> out{};
    out[0].reaction.check_x = -9;
    EXPECT_FALSE(read_sin(c.lines, c.count, out)) << c.what;
    EXPECT_EQ(out[0].reaction.check_x, -9) << c.what;
  }
}

TEST(Tb2File, LibraryBlockTakesItsEntrysWidth) {
  auto src = new_project();
  src->shape_library_count = 1;
  src->shape_library[0].name = "L型";
  src->shape_library[0].values[0] = 3.5;
  auto& b = src->wall_blocks[0];
  b.block_type = model::BLOCK_LIBRARY;
  b.library.library_index = 0;
  b.library.mirrored = 1;
  b.library.values[1] = 1.25;
  auto lines = model::block_file_lines(*src).lines;
  auto m = new_project();
  Recorder rec;
  ASSERT_TRUE(read_tb2(lines, 2200, *m, rec));
  EXPECT_EQ(m->shape_library_count, 1);
  EXPECT_EQ(m->wall_blocks[0].library.values[1], 3.5);  // mirrored about the same width
  // An entry the library does not hold is a read error.
  src->wall_blocks[0].library.library_index = 1;
  lines = model::block_file_lines(*src).lines;
  EXPECT_FALSE(read_tb2(lines, 2200, *m, rec));
}

// --- The whole import ---

class SiblingImport : public ::testing::Test {
 protected:

  void write_set(const Tj2Fixture& t, int sin_lines = 4, bool with_tk2 = true,
                 int second_polygon_vertices = -1) {
    write_tj2(t).save(base + ".TJ2");
    auto blocks = new_project();
    blocks->wall_blocks[0].block_type = BLOCK_POLYGON;
    blocks->wall_blocks[0].polygon.head.name = "上部工";
    // Clockwise, as the engines want it: no notice about the blocks.
    auto& p = blocks->wall_blocks[0].polygon;
    p.vertex_count = 4;
    const double xs[] = {0, 0, 3, 3}, ys[] = {0, 2, 2, 0};
    for (int k = 0; k < 4; ++k) p.vertex_x[k] = xs[k], p.vertex_y[k] = ys[k];
    if (second_polygon_vertices >= 0) {
      blocks->wall_blocks[1] = blocks->wall_blocks[0];
      blocks->wall_blocks[1].polygon.head.name = "胸壁";
      blocks->wall_blocks[1].polygon.vertex_count = static_cast<i16>(second_polygon_vertices);
    }
    write_lines(base + ".TB2", model::block_file_lines(*blocks).lines);
    if (with_tk2) testing::write_tk2().save(base + ".tk2");  // the suffix in any case
    testing::write_sin(sin_lines).save(base + ".SIN");
  }
  static void write_lines(const std::string& p, const std::vector<std::string>& l) {
    write_file_bytes(p, join_crlf(l));
  }

  qvt::testing::TempDir tmp;
  fs::path dir = tmp.path();
  std::string base = (dir / "quay").string();
};

// A project with values the import must overwrite or leave, told apart from the fixture's.
std::unique_ptr<ProjectModel> marked_project() {
  auto m = new_project();
  m->conditions.water_levels[0] = -1;
  m->conditions.water_levels[1] = -2;
  m->conditions.water_levels[2] = -3;
  for (auto& s : m->conditions.top_surcharges) s.load[0] = s.load[1] = -9;
  m->conditions.project_title = "keep";
  return m;
}

TEST_F(SiblingImport, WaterLevelStudies) {
  struct Case {
    std::array<int, 4> grid;
    int answer;  // of the question; -1: not asked
    bool done;
    double hwl, lwl, rwl;
    double load_normal, load_seismic;  // range 1
    double sin_check_x;               // normal line's first value
  } cases[] = {
      {{1, 1, 0, 0}, -1, true, 1.5, 0.25, 0.75, 11, 21, 1},
      {{0, 0, 1, 0}, -1, true, 1.5, 1.5, 1.5, 31, 41, 21},
      {{0, 0, 0, 0}, -1, true, -1, -2, -3, -9, -9, 1},
      {{1, 0, 1, 0}, 2, true, 1.5, 1.5, 1.5, 31, 41, 21},
      {{1, 0, 1, 0}, 1, true, 1.5, 0.25, 0.75, 11, 21, 1},
      {{1, 0, 1, 0}, 0, false, -1, -2, -3, -9, -9, 0},
      {{2, 2, 2, 2}, -1, true, -1, -2, -3, -9, -9, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.grid[0] * 1000 + c.grid[1] * 100 + c.grid[2] * 10 + c.grid[3]);
    SCOPED_TRACE(c.answer);
    Tj2Fixture t;
    for (int k = 0; k < 4; ++k) t.case_grid[k] = static_cast<i16>(c.grid[k]);
    write_set(t);
    int asked = -1;
    SiblingImporter importer([&](int proposed) {
      EXPECT_EQ(proposed, 2);
      asked = c.answer;
      return c.answer;
    });
    auto m = marked_project();
    Recorder rec;
    const bool done = importer.import_tj2_project(base, *m, rec);
    EXPECT_EQ(done, c.done);
    EXPECT_EQ(asked, c.answer);
    EXPECT_TRUE(rec.messages.empty());
    if (!c.done) {
      EXPECT_EQ(m->wall_blocks[0].block_type, BLOCK_EMPTY);  // nothing taken over
      continue;
    }
    const auto& pc = m->conditions;
    EXPECT_EQ(pc.water_levels[0], c.hwl);
    EXPECT_EQ(pc.water_levels[1], c.lwl);
    EXPECT_EQ(pc.water_levels[2], c.rwl);
    EXPECT_EQ(pc.top_surcharges[1].load[0], c.load_normal);
    EXPECT_EQ(pc.top_surcharges[1].load[1], c.load_seismic);
    EXPECT_EQ(pc.body_reactions[0].check_x, c.sin_check_x);
    EXPECT_EQ(pc.body_reactions[1].check_x, c.sin_check_x + 10);
    // Taken over whatever the study.
    EXPECT_EQ(pc.project_title, "keep");
    EXPECT_EQ(pc.seismic_check, 2);
    EXPECT_EQ(pc.top_surcharges[2].x_min, 2.5);
    EXPECT_EQ(pc.top_surcharges[2].x_max, 3.25);
    EXPECT_EQ(pc.top_surcharge_ignored, 0);
    EXPECT_EQ(pc.external_forces[0][0].name, "荷重A, 北側");
    EXPECT_EQ(pc.external_forces[0][1].horizontal, 6);
    EXPECT_EQ(pc.external_forces[1][1].vertical, 17);
    EXPECT_EQ(pc.external_force_counts[0], 2);
    EXPECT_EQ(pc.external_force_counts[1], 1);
    EXPECT_EQ(pc.imported_check_point.number, 2);  // entry 1
    EXPECT_EQ(pc.imported_check_point.x, 101);
    EXPECT_EQ(pc.imported_check_point.z, 301);
    EXPECT_EQ(pc.imported_check_point.flag, 1);
    EXPECT_EQ(m->imported_check_blocks[0], 1);
    EXPECT_EQ(m->imported_check_blocks[1], 0);
    EXPECT_EQ(m->imported_check_blocks[20], 0);
    EXPECT_EQ(m->wall_blocks[0].polygon.head.name, "上部工");
  }
}

// The block file ends a number at a blank, a comma or the line end, like the other three:
// numbers separated by blanks (one or more, a tab, or blanks around the comma) read as
// comma-separated ones, and the name lines keep their blanks.
TEST_F(SiblingImport, BlankSeparatedBlockFile) {
  write_set(Tj2Fixture{});
  auto blocks = new_project();
  auto& p = blocks->wall_blocks[0].polygon;
  blocks->wall_blocks[0].block_type = BLOCK_POLYGON;
  p.head.name = "上部 工";
  p.vertex_count = 4;
  const double xs[] = {0, 0, 3.5, 3.5}, ys[] = {-0.25, 2, 2, -0.25};
  for (int k = 0; k < 4; ++k) p.vertex_x[k] = xs[k], p.vertex_y[k] = ys[k];
  blocks->block_label_numbers[0] = 5;
  std::vector<std::string> lines = model::block_file_lines(*blocks).lines;
  const char* const separators[] = {" ", "  ", " , ", "\t"};
  int n = 0;
  for (std::string& l : lines) {
    std::string out;
    for (char ch : l) out += ch == ',' ? separators[n++ % 4] : std::string(1, ch);
    l = out;
  }
  ASSERT_GT(n, 100);
  write_lines(base + ".TB2", lines);

  SiblingImporter importer([](int) { return 1; });
  auto m = new_project();
  Recorder rec;
  ASSERT_TRUE(importer.import_tj2_project(base, *m, rec));
  EXPECT_TRUE(rec.messages.empty());
  const auto& got = m->wall_blocks[0].polygon;
  EXPECT_EQ(m->wall_blocks[0].block_type, BLOCK_POLYGON);
  EXPECT_EQ(got.head.name, "上部 工");
  EXPECT_EQ(got.vertex_count, 4);
  EXPECT_EQ(got.vertex_x[2], 3.5);
  EXPECT_EQ(got.vertex_y[0], -0.25);
  EXPECT_EQ(m->block_label_numbers[0], 5);
  EXPECT_EQ(m->wall_blocks[1].block_type, BLOCK_EMPTY);
}

TEST_F(SiblingImport, DynamicWaterAndRules) {
  struct Case {
    int water_rule, surcharge_rule, check_point;
    double force, level;
    int ignored;
  } cases[] = {
      {1, 1, 2, 7 + 10, 8 + 10 + 12, 0},  // level + the seismic check_y
      {0, 2, 16, 0, 0, 1},                // entry 16: the all-zero one
  };
  for (const Case& c : cases) {
    Tj2Fixture t;
    t.dynamic_water_rule = c.water_rule;
    t.top_surcharge_rule = c.surcharge_rule;
    t.check_point_number = c.check_point;
    write_set(t);
    SiblingImporter importer(nullptr);
    auto m = marked_project();
    Recorder rec;
    ASSERT_TRUE(importer.import_tj2_project(base, *m, rec));
    EXPECT_EQ(m->conditions.dynamic_water_force, c.force);
    EXPECT_EQ(m->conditions.dynamic_water_level, c.level);
    EXPECT_EQ(m->conditions.top_surcharge_ignored, c.ignored);
    if (c.check_point == 16) {
      EXPECT_EQ(m->conditions.imported_check_point.number, 0);
    }
  }
}

TEST_F(SiblingImport, ANoticeNamesTheBlocksTheEnginesWouldRefuse) {
  // A polygon of two vertices has no area: the import keeps it and says so once.
  write_set(Tj2Fixture{}, 4, true, 2);
  SiblingImporter importer(nullptr);
  auto m = marked_project();
  Recorder rec;
  ASSERT_TRUE(importer.import_tj2_project(base, *m, rec));
  EXPECT_EQ(m->wall_blocks[1].polygon.vertex_count, 2);
  ASSERT_EQ(rec.messages.size(), 1u);
  const std::string& text = rec.messages[0].text;
  EXPECT_EQ(text.rfind(std::string(kMsgBlocksToMend) + "\nブロック2《胸壁》: ", 0), 0u) << text;
  EXPECT_EQ(text.find("ブロック1"), std::string::npos) << text;
}

TEST_F(SiblingImport, FailuresChangeNothing) {
  struct Case {
    const char* what;
    int check_point;
    std::array<int, 4> grid;
    int sin_lines;
    bool tk2;
    const char* message;
  } cases[] = {
      {"check point 0", 0, {1, 1, 0, 0}, 4, true, kMsgSinUnreadable},
      {"no .TK2", 2, {1, 1, 0, 0}, 4, false, kMsgTk2Unreadable},
      {"2-line .SIN with H.W.L.", 2, {0, 0, 1, 1}, 2, true, kMsgSinUnreadable},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(dir);
    fs::create_directories(dir);
    Tj2Fixture t;
    t.check_point_number = c.check_point;
    for (int k = 0; k < 4; ++k) t.case_grid[k] = static_cast<i16>(c.grid[k]);
    write_set(t, c.sin_lines, c.tk2);
    SiblingImporter importer(nullptr);
    auto m = marked_project();
    const auto before = *m;
    Recorder rec;
    EXPECT_FALSE(importer.import_tj2_project(base, *m, rec));
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].text, c.message);
    EXPECT_EQ(rec.messages[0].icon, model::MessageIcon::Exclamation);
    EXPECT_EQ(m->wall_blocks[0].block_type, before.wall_blocks[0].block_type);
    EXPECT_EQ(m->conditions.water_levels[0], -1);
    EXPECT_EQ(m->conditions.body_reactions[0].check_x, before.conditions.body_reactions[0].check_x);
    EXPECT_EQ(m->conditions.imported_check_point.number, before.conditions.imported_check_point.number);
  }
  Recorder rec;
  SiblingImporter importer(nullptr);
  auto m = marked_project();
  EXPECT_FALSE(importer.import_tj2_project((dir / "missing").string(), *m, rec));
  ASSERT_EQ(rec.messages.size(), 1u);
  EXPECT_EQ(rec.messages[0].text, kMsgTj2Unreadable);
  // A folder in the file's place is a file that cannot be read.
  fs::create_directory(dir / "folder.TJ2");
  Recorder folder;
  EXPECT_FALSE(importer.import_tj2_project((dir / "folder").string(), *m, folder));
  ASSERT_EQ(folder.messages.size(), 1u);
  EXPECT_EQ(folder.messages[0].text, kMsgTj2Unreadable);
}

}  // namespace
}  // namespace qvt::import
