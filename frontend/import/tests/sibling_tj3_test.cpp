#include "common/tests/temp_dir.h"
#include "frontend/import/sibling_importer.h"
#include "frontend/import/sibling_tj3.h"
#include "frontend/import/tests/sibling_fixture.h"
#include "frontend/import/tests/sibling_tj3_fixture.h"
#include "frontend/model/block_file.h"
#include "frontend/model/block_geometry.h"
#include "frontend/model/conditions_file.h"
#include "frontend/model/project_files.h"
#include "frontend/model/snapshots.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace qvt::import {
namespace {

namespace fs = std::filesystem;
using model::ProjectModel;
using model::testing::new_project;
using model::testing::Recorder;
using testing::FixtureForce;
using testing::Tj3Fixture;

// Blocks of every type the file carries, with values told apart.
std::unique_ptr<ProjectModel> fixture_blocks() {
  auto m = std::make_unique<ProjectModel>();
  auto& b = m->wall_blocks;
  b[0].block_type = model::BLOCK_POLYGON;
  auto& p = b[0].polygon;
  p.head = {"  多角形  ", 1.5, 2.5, 3.5, {10, 11, 12, 13, 14, 15, 0}, 4.5, 5.5, 6.5, 7.5};
  p.reserved = 3;
  p.vertex_count = 3;
  p.vertex_x[0] = 0.125, p.vertex_y[0] = 0.25;
  p.vertex_x[2] = 8.5, p.vertex_y[2] = 9.5;
  // Slot 1 stays empty: its type is all the file holds.
  b[2].block_type = model::BLOCK_RECTANGLE;
  b[2].polygon.head.name = "矩形";
  b[2].polygon.vertex_count = 1;
  b[2].polygon.vertex_x[0] = 4;
  b[2].polygon.vertex_y[0] = 1.5;
  b[3].block_type = model::BLOCK_CAISSON;
  auto& c = b[3].caisson;
  c.head.name = "ケーソン";
  c.sub_type = 2;
  c.head.unit_weights[5] = 19.5;
  c.head.mark_y = -2.5;
  c.dims_a[3][3] = 33.5;
  c.flag_a = 2;
  c.flag_b = 1;
  c.dims_b[1][7] = 17.5;
  c.part_count = 2;
  c.part_names[1] = "中詰";
  c.part_values[0][1] = 40.5;
  c.part_values[3][1] = 43.5;
  b[4].block_type = model::BLOCK_QUAD;
  auto& q = b[4].quad;
  q.head.name = "四隅";
  q.head.length = 2.75;
  q.values[0] = 50.5;
  q.values[3] = 53.5;
  q.value = 54.5;
  b[5].block_type = model::BLOCK_COUNTERFORT;
  auto& f = b[5].counterfort;
  f.head.name = "扶壁";
  f.sub_type = 3;
  f.flag_a = 1;
  f.dims_a[0][0] = 60.5;
  f.dims_b[1][7] = 67.5;
  f.part_count = 1;
  f.part_names[0] = "底版";
  f.part_values[3][0] = 63.5;
  b[6].block_type = model::BLOCK_SOIL_POLYGON;  // read as its type only
  b[7].block_type = model::BLOCK_LIBRARY;
  auto& l = b[7].library;
  l.head.name = "L型";
  l.values[1] = 1.25;  // replaced by the entry's width
  l.mirrored = 1;
  l.library_index = 0;
  for (int s = 0; s < model::MAX_WALL_BLOCKS; ++s)
    m->block_label_numbers[s] = static_cast<i16>(s + 30);
  m->shape_library_count = 1;
  auto& e = m->shape_library[0];
  e.name = "L型 標準";
  e.name2 = "第2名";
  for (int k = 0; k < 6; ++k) e.values[k] = 70.5 + k;
  e.layer_count = 2;
  e.layer_a[1] = 80.5;
  e.layer_c[1] = 82.5;
  e.point_count = 4;
  e.point_x[4] = 90.5;
  e.point_y[4] = 91.5;
  e.pair_count = 2;
  e.pair_first[2] = 3;
  e.pair_second[2] = 4;
  return m;
}

struct Read {
  bool ok;
  std::unique_ptr<Tj3Design> design = std::make_unique<Tj3Design>();
  std::unique_ptr<ProjectModel> model = new_project();
};

Read read(const Tj3Fixture& t) {
  Read r;
  r.ok = read_tj3(testing::write_tj3(t).lines, *r.design, *r.model);
  return r;
}

TEST(Tj3Fixture, ItemCountMatchesTheHandCount) {
  // The smallest design: no layout blocks, no step-8 rows, 20 empty slots, no library, 15
  // check points that end at their number, check point number 0, 16 empty force groups.
  // Steps 1-2: 36 + 8; grid 16; step 5: 14; top surcharges 5 x 18; step 7: 12; step 8: 103;
  // blocks 1 + 1 + 20 + 1; check points 1 + 1 + 15 + 1 + 3; one line before the force
  // heading, the heading and 16 counts: 1 + 1 + 16.
  Tj3Fixture t;
  t.layout_code = 0;
  t.step8_count = 0;
  t.check_point_number = 0;
  for (auto& p : t.check_points) p.number = -1;
  EXPECT_EQ(testing::write_tj3(t).items, 44 + 16 + 14 + 90 + 12 + 103 + 23 + 21 + 18);
  EXPECT_TRUE(read(t).ok);
}

TEST(Tj3File, ReadsEveryPartOfTheDesign) {
  auto blocks = fixture_blocks();
  Tj3Fixture t;
  t.blocks = blocks.get();
  t.top_loads[3][4] = 44.5;
  t.check_points[1].points = 17;
  t.check_points[4].number = -1;  // the next entry follows at once
  t.force_groups[0] = {{"荷重A, 北側", 1, 2, 3, 4}};
  t.force_groups[5] = {{" 地震 ", 5, 6, 7, 8}, {"B", 9, 10, 11, 12}};
  auto r = read(t);
  ASSERT_TRUE(r.ok);
  const SiblingConditions& c = r.design->conditions;
  EXPECT_EQ(c.sibling_levels[0], 1.5);
  EXPECT_EQ(c.sibling_levels[1], 0.25);
  EXPECT_EQ(c.sibling_levels[2], 0.75);
  EXPECT_EQ(c.case_grid, (std::array<i16, 4>{1, 1, 0, 0}));
  EXPECT_EQ(c.seismic_studied, 1);
  EXPECT_EQ(r.design->hwl_loads_given, 1);
  EXPECT_EQ(c.top_surcharge_x_min[4], 4.5);
  EXPECT_EQ(c.top_surcharge_x_max[2], 3.25);
  EXPECT_EQ(c.top_surcharge_loads[0][1], 11);
  EXPECT_EQ(c.top_surcharge_loads[1][2], 22);
  EXPECT_EQ(c.top_surcharge_loads[2][0], 30);
  EXPECT_EQ(c.top_surcharge_loads[3][4], 44.5);
  EXPECT_EQ(c.dynamic_water_rule, 1);
  EXPECT_EQ(c.check_point_number, 2);
  const auto& pts = r.design->check_points;
  EXPECT_EQ(pts[1].number, 2);
  EXPECT_EQ(pts[1].z, 301);
  EXPECT_EQ(pts[1].block_flags[19], 0);
  EXPECT_EQ(pts[4].number, -1);
  EXPECT_EQ(pts[4].x, 0);
  EXPECT_EQ(pts[5].number, 6);
  EXPECT_EQ(pts[14].y, 214);
  EXPECT_EQ(pts[14].flag, 2);
  EXPECT_EQ(pts[15].number, 0);  // no file fills the last entry
  ASSERT_EQ(r.design->force_groups[0].size(), 1u);
  EXPECT_EQ(r.design->force_groups[0][0].name, "荷重A, 北側");
  ASSERT_EQ(r.design->force_groups[5].size(), 2u);
  EXPECT_EQ(r.design->force_groups[5][0].name, "地震");
  EXPECT_EQ(r.design->force_groups[5][1].y, 12);
  EXPECT_FALSE(r.design->centroid_by_layer);

  const ProjectModel& m = *r.model;
  const auto& p = m.wall_blocks[0].polygon;
  EXPECT_EQ(p.head.name, "多角形");
  EXPECT_EQ(p.head.unit_weights[5], 15);
  EXPECT_EQ(p.head.mark_y, 7.5);
  EXPECT_EQ(p.head.length, 3.5);
  EXPECT_EQ(p.reserved, 3);
  EXPECT_EQ(p.vertex_count, 3);
  EXPECT_EQ(p.vertex_y[2], 9.5);
  EXPECT_EQ(m.wall_blocks[1].block_type, model::BLOCK_EMPTY);
  EXPECT_EQ(m.wall_blocks[2].polygon.vertex_y[0], 1.5);
  const auto& c3 = m.wall_blocks[3].caisson;
  EXPECT_EQ(c3.head.name, "ケーソン");
  EXPECT_EQ(c3.sub_type, 2);
  EXPECT_EQ(c3.head.unit_weights[5], 19.5);
  EXPECT_EQ(c3.head.mark_y, -2.5);
  EXPECT_EQ(c3.dims_a[3][3], 33.5);
  EXPECT_EQ(c3.flag_b, 1);
  EXPECT_EQ(c3.dims_b[1][7], 17.5);
  EXPECT_EQ(c3.part_names[1], "中詰");
  EXPECT_EQ(c3.part_values[0][1], 40.5);
  EXPECT_EQ(c3.part_values[3][1], 43.5);
  const auto& q = m.wall_blocks[4].quad;
  EXPECT_EQ(q.head.length, 2.75);
  EXPECT_EQ(q.values[3], 53.5);
  EXPECT_EQ(q.value, 54.5);
  const auto& f = m.wall_blocks[5].counterfort;
  EXPECT_EQ(f.sub_type, 3);
  EXPECT_EQ(f.dims_a[0][0], 60.5);
  EXPECT_EQ(f.dims_b[1][7], 67.5);
  EXPECT_EQ(f.part_names[0], "底版");
  EXPECT_EQ(f.part_values[3][0], 63.5);
  EXPECT_EQ(m.wall_blocks[6].block_type, model::BLOCK_SOIL_POLYGON);
  EXPECT_EQ(m.wall_blocks[7].library.mirrored, 1);
  EXPECT_EQ(m.block_label_numbers[7], 37);
  EXPECT_EQ(m.block_label_numbers[1], 0);  // an empty slot carries no label
  EXPECT_EQ(m.shape_library_count, 1);
  const auto& e = m.shape_library[0];
  EXPECT_EQ(e.name2, "第2名");
  for (int k = 0; k < 6; ++k) EXPECT_EQ(e.values[k], 70.5 + k) << k;
  EXPECT_EQ(e.layer_c[1], 82.5);
  EXPECT_EQ(e.point_y[4], 91.5);
  EXPECT_EQ(e.pair_second[2], 4);
}

TEST(Tj3File, SeismicFlagComesFromTheTextOfTheSeismicColumn) {
  struct Case {
    std::array<std::array<std::string, 4>, 4> grid;
    std::array<i16, 4> case_grid;
    int seismic;
  } cases[] = {
      {{{{"1", "0", "77", "77"}, {"0", "0", "77", "77"}, {"77", "0", "77", "77"},
         {"77", "1", "77", "77"}}},
       {1, 0, 0, 0},
       1},
      {{{{"1", "2", "77", "77"}, {"0", "1.0", "77", "77"}, {"77", "0", "77", "77"},
         {"77", "0", "77", "77"}}},
       {1, 2, 0, 1},
       0},
  };
  for (const Case& c : cases) {
    Tj3Fixture t;
    t.grid = c.grid;
    auto r = read(t);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.design->conditions.case_grid, c.case_grid);
    EXPECT_EQ(r.design->conditions.seismic_studied, c.seismic);
  }
}

TEST(Tj3File, MalformedFilesAreReadErrors) {
  auto blocks = fixture_blocks();
  struct Case {
    const char* what;
    void (*change)(Tj3Fixture&, ProjectModel&);
  } cases[] = {
      {"18 points at a check point",
       [](Tj3Fixture& t, ProjectModel&) { t.check_points[3].points = 18; }},
      {"no force heading", [](Tj3Fixture& t, ProjectModel&) { t.with_force_heading = false; }},
      {"a grid cell that is no number",
       [](Tj3Fixture& t, ProjectModel&) { t.grid[1][0] = "-"; }},
      {"an unknown block type",
       [](Tj3Fixture&, ProjectModel& m) { m.wall_blocks[1].block_type = 9; }},
      {"block type 42", [](Tj3Fixture&, ProjectModel& m) { m.wall_blocks[1].block_type = 42; }},
      {"9 caisson cells",
       [](Tj3Fixture&, ProjectModel& m) { m.wall_blocks[3].caisson.flag_a = 9; }},
      {"a vertex count beyond the store",
       [](Tj3Fixture&, ProjectModel& m) { m.wall_blocks[0].polygon.vertex_count = 119; }},
      {"a pair index beyond the points",
       [](Tj3Fixture&, ProjectModel& m) { m.shape_library[0].pair_first[1] = 101; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto changed = std::make_unique<ProjectModel>(*blocks);
    Tj3Fixture t;
    t.blocks = changed.get();
    c.change(t, *changed);
    EXPECT_FALSE(read(t).ok);
  }
  // Held to its line layout: one of the 29 filler lines before the water levels lost used to
  // read the levels and the top surcharges from the lines after them; two neighbouring lines
  // of different item counts swapped, a level beyond the section: read errors.
  {
    auto lines = testing::write_tj3(Tj3Fixture{}).lines;
    ASSERT_EQ(lines[10], "7777.25,77");
    lines.erase(lines.begin() + 10);
    Tj3Design d;
    auto m = new_project();
    EXPECT_FALSE(read_tj3(lines, d, *m)) << "a filler line missing";
  }
  {
    auto lines = testing::write_tj3(Tj3Fixture{}).lines;
    // Lines 35 and 36 hold the levels (2 items) and the two more levels with a filler; 37 and
    // 38 two fillers each; 39 the first grid row of 4.
    ASSERT_EQ(lines[34], "0.25,0.75");
    std::swap(lines[37], lines[38]);
    Tj3Design d;
    auto m = new_project();
    EXPECT_FALSE(read_tj3(lines, d, *m)) << "a line of 2 and one of 4 swapped";
  }
  {
    Tj3Fixture t;
    t.lwl = -1e308;
    Tj3Design d;
    auto m = new_project();
    EXPECT_FALSE(read_tj3(testing::write_tj3(t).lines, d, *m)) << "L.W.L. -1e308";
  }
  // Cut short anywhere: the last force of the last group.
  Tj3Fixture t;
  t.force_groups[15] = {{"末尾", 1, 2, 3, 4}};
  auto lines = testing::write_tj3(t).lines;
  lines.pop_back();
  Tj3Design d;
  auto m = new_project();
  EXPECT_FALSE(read_tj3(lines, d, *m));
}

// A library entry's pair count must match its pair lines: a count below them used to leave the
// pair lines to be read as what follows (the next entry's names, or the check-point heading).
TEST(Tj3File, APairCountThatDoesNotMatchItsPairLinesIsARefusal) {
  auto blocks = fixture_blocks();
  // A second entry after the first, so pair lines left over meet the next entry's names.
  blocks->shape_library_count = 2;
  auto& second = blocks->shape_library[1];
  second.name = "第2型";
  second.name2 = "その2";
  second.point_count = 2;
  second.point_x[2] = 1.5;
  second.pair_count = 1;
  second.pair_first[1] = 1;
  second.pair_second[1] = 2;
  Tj3Fixture t;
  t.blocks = blocks.get();
  const std::vector<std::string> good = testing::write_tj3(t).lines;
  {
    Tj3Design d;
    auto m = new_project();
    ASSERT_TRUE(read_tj3(good, d, *m));
    EXPECT_EQ(m->shape_library[0].pair_count, 2);
    EXPECT_EQ(m->shape_library[1].pair_second[1], 2);
  }
  // The first entry's count line "2" stands two lines before its second pair "3,4,77"; the
  // second entry's count "1" one line before "1,2,77".
  const auto at = [&](const char* line) {
    return static_cast<std::size_t>(std::find(good.begin(), good.end(), line) - good.begin());
  };
  const std::size_t first_count = at("3,4,77") - 2, second_count = at("1,2,77") - 1;
  ASSERT_EQ(good[first_count], "2");
  ASSERT_EQ(good[second_count], "1");
  const struct {
    const char* what;
    std::size_t line;
    const char* count;
  } cases[] = {
      {"first entry: count 0 before its two pair lines", first_count, "0"},
      {"first entry: count 1 before its two pair lines", first_count, "1"},
      {"first entry: count 3 before its two pair lines", first_count, "3"},
      {"last entry: count 0 before its pair line", second_count, "0"},
      {"last entry: count 2 before its pair line", second_count, "2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> lines = good;
    lines[c.line] = c.count;
    Tj3Design d;
    auto m = new_project();
    EXPECT_FALSE(read_tj3(lines, d, *m));
  }
}

// --- The whole import ---

class Tj3Import : public ::testing::Test {
 protected:

  // A design with a simple clockwise polygon the engines accept, forces in groups 0, 1, 4, 5.
  Tj3Fixture design() {
    blocks = new_project();
    auto& p = blocks->wall_blocks[0];
    p.block_type = model::BLOCK_POLYGON;
    p.polygon.head.name = "上部工";
    p.polygon.vertex_count = 4;
    const double xs[] = {0, 0, 3, 3}, ys[] = {0, 2, 2, 0};
    for (int k = 0; k < 4; ++k) p.polygon.vertex_x[k] = xs[k], p.polygon.vertex_y[k] = ys[k];
    blocks->block_label_numbers[0] = 4;
    Tj3Fixture t;
    t.blocks = blocks.get();
    t.force_groups[0] = {{"常時L", 1, 2, 3, 4}};
    t.force_groups[1] = {{"地震L", 5, 6, 7, 8}};
    t.force_groups[4] = {{"常時H", 11, 12, 13, 14}, {"常時H2", 15, 16, 17, 18}};
    t.force_groups[5] = {{"地震H", 21, 22, 23, 24}};
    return t;
  }
  void write(const Tj3Fixture& t, int sin_lines = 4) {
    testing::write_tj3(t).save(base + ".TJ3");
    if (sin_lines > 0) testing::write_sin(sin_lines).save(base + ".SIN");
  }

  qvt::testing::TempDir tmp;
  fs::path dir = tmp.path();
  std::string base = (dir / "quay").string();
  std::unique_ptr<ProjectModel> blocks;
};

std::unique_ptr<ProjectModel> marked_project() {
  auto m = new_project();
  m->conditions.water_levels[0] = -1;
  m->conditions.water_levels[1] = -2;
  m->conditions.water_levels[2] = -3;
  for (auto& s : m->conditions.top_surcharges) s.load[0] = s.load[1] = -9;
  m->conditions.project_title = "keep";
  m->conditions.top_surcharge_ignored = 1;
  return m;
}

TEST_F(Tj3Import, StudiesChooseLevelsLoadsAndForceGroups) {
  struct Case {
    const char* what;
    std::array<const char*, 4> cells;  // (0,0), (0,1), (1,0), (1,1)
    int hwl_loads_given;
    int answer;  // of the question; -1: not asked
    bool done;
    double hwl, lwl, rwl;
    double load_normal, load_seismic;  // range 1
    double sin_check_x;
    const char* force_normal;
    int count_normal;
  } cases[] = {
      {"L.W.L.", {"1", "1", "0", "0"}, 1, -1, true, 1.5, 0.25, 0.75, 11, 21, 1, "常時L", 1},
      {"H.W.L.", {"0", "0", "1", "1"}, 1, -1, true, 1.5, 1.5, 1.5, 31, 41, 21, "常時H", 2},
      {"H.W.L. without loads of its own", {"0", "0", "1", "0"}, 0, -1, true, 1.5, 1.5, 1.5,
       11, 21, 21, "常時H", 2},
      {"no study", {"0", "0", "0", "0"}, 1, -1, true, -1, -2, -3, -9, -9, 1, "常時H", 2},
      {"both, H.W.L. chosen", {"1", "0", "1", "0"}, 1, 2, true, 1.5, 1.5, 1.5, 31, 41, 21,
       "常時H", 2},
      {"both, L.W.L. chosen", {"1", "0", "1", "0"}, 1, 1, true, 1.5, 0.25, 0.75, 11, 21, 1,
       "常時L", 1},
      {"both, closed", {"1", "0", "1", "0"}, 1, 0, false, -1, -2, -3, -9, -9, 0, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Tj3Fixture t = design();
    t.grid[0][0] = c.cells[0];
    t.grid[0][1] = c.cells[1];
    t.grid[1][0] = c.cells[2];
    t.grid[1][1] = c.cells[3];
    t.hwl_loads_given = c.hwl_loads_given;
    write(t);
    int asked = -1;
    SiblingImporter importer([&](int) {
      asked = c.answer;
      return c.answer;
    });
    auto m = marked_project();
    const auto before = std::make_unique<ProjectModel>(*m);
    Recorder rec;
    EXPECT_EQ(importer.import_tj3_project(base, *m, rec), c.done);
    EXPECT_EQ(asked, c.answer);
    EXPECT_TRUE(rec.messages.empty());
    if (!c.done) {
      EXPECT_EQ(m->wall_blocks[0].block_type, model::BLOCK_EMPTY);
      EXPECT_EQ(m->conditions.external_forces[0][0].name,
                before->conditions.external_forces[0][0].name);
      continue;
    }
    const auto& pc = m->conditions;
    EXPECT_EQ(pc.water_levels[0], c.hwl);
    EXPECT_EQ(pc.water_levels[1], c.lwl);
    EXPECT_EQ(pc.water_levels[2], c.rwl);
    EXPECT_EQ(pc.top_surcharges[1].load[0], c.load_normal);
    EXPECT_EQ(pc.top_surcharges[1].load[1], c.load_seismic);
    EXPECT_EQ(pc.top_surcharges[3].x_min, 3.5);
    EXPECT_EQ(pc.top_surcharges[3].x_max, 4.25);
    EXPECT_EQ(pc.body_reactions[0].check_x, c.sin_check_x);
    EXPECT_EQ(pc.body_reactions[1].check_x, c.sin_check_x + 10);
    EXPECT_EQ(pc.external_forces[0][0].name, c.force_normal);
    EXPECT_EQ(pc.external_force_counts[0], c.count_normal);
    EXPECT_EQ(pc.external_force_counts[1], 1);
    const bool seismic = std::string(c.cells[1]) == "1" || std::string(c.cells[3]) == "1";
    EXPECT_EQ(pc.seismic_check, seismic ? 2 : 0);
    EXPECT_EQ(pc.dynamic_water_force, 10.0 * (c.sin_check_x > 10 ? 3 : 1) + 7);
    EXPECT_EQ(pc.top_surcharge_ignored, 1);  // the caller's: the file has no such setting
    EXPECT_EQ(pc.project_title, "keep");
    EXPECT_EQ(pc.imported_check_point.number, 2);
    EXPECT_EQ(pc.imported_check_point.y, 201);
    EXPECT_EQ(m->imported_check_blocks[0], 1);
    EXPECT_EQ(m->wall_blocks[0].polygon.head.name, "上部工");
    EXPECT_EQ(m->block_label_numbers[0], 4);
  }
}

TEST_F(Tj3Import, SeismicColumnRowThreeSetsTheSeismicCheck) {
  Tj3Fixture t = design();
  t.grid[0] = {"1", "0", "77", "77"};
  t.grid[1] = {"0", "0", "77", "77"};
  t.grid[3][1] = "1";
  write(t);
  SiblingImporter importer(nullptr);
  auto m = marked_project();
  m->conditions.seismic_check = 0;
  Recorder rec;
  ASSERT_TRUE(importer.import_tj3_project(base, *m, rec));
  EXPECT_EQ(m->conditions.seismic_check, 2);
  EXPECT_EQ(m->conditions.water_levels[1], 0.25);  // still the L.W.L. study
}

TEST_F(Tj3Import, AtMostThreeForcesACaseAndANoticeNamingTheOthers) {
  Tj3Fixture t = design();
  t.force_groups[0] = {{"F1", 1, 0, 0, 0}, {"F2", 2, 0, 0, 0}, {"F3", 3, 0, 0, 0},
                       {"F4", 4, 0, 0, 0}, {"F5", 5, 0, 0, 0}};
  write(t);
  SiblingImporter importer(nullptr);
  auto m = marked_project();
  Recorder rec;
  ASSERT_TRUE(importer.import_tj3_project(base, *m, rec));
  EXPECT_EQ(m->conditions.external_force_counts[0], 3);
  EXPECT_EQ(m->conditions.external_forces[0][2].name, "F3");
  EXPECT_EQ(m->conditions.external_forces[0][2].vertical, 3);
  ASSERT_EQ(rec.messages.size(), 1u);
  EXPECT_EQ(rec.messages[0].text, std::string(kMsgForcesNotTaken) + "\n常時：F4、F5");
}

TEST_F(Tj3Import, NoticesAfterTheImport) {
  struct Case {
    const char* what;
    void (*change)(Tj3Fixture&, ProjectModel&);
    std::string message;
    model::MessageIcon icon;
  } cases[] = {
      {"a load on the last saved range",
       [](Tj3Fixture& t, ProjectModel&) { t.top_loads[1][3] = 5; }, kMsgTopRangeNotShown,
       model::MessageIcon::Information},
      {"a load on the range no project keeps",
       [](Tj3Fixture& t, ProjectModel&) { t.top_loads[0][4] = 5; }, kMsgTopRangeDropped,
       model::MessageIcon::Information},
      {"centroid set layer by layer",
       [](Tj3Fixture& t, ProjectModel& m) {
         m.shape_library_count = 1;
         m.shape_library[0].point_count = 0;
         t.centroid_by_layer = true;
       },
       kMsgCentroidByLayer, model::MessageIcon::Exclamation},
      {"a counter-clockwise polygon",
       [](Tj3Fixture&, ProjectModel& m) {
         auto& p = m.wall_blocks[0].polygon;
         p.vertex_x[1] = 3, p.vertex_y[1] = 0;
         p.vertex_x[3] = 0, p.vertex_y[3] = 2;
       },
       "", model::MessageIcon::Information},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Tj3Fixture t = design();
    c.change(t, *blocks);
    write(t);
    SiblingImporter importer(nullptr);
    auto m = marked_project();
    Recorder rec;
    ASSERT_TRUE(importer.import_tj3_project(base, *m, rec));
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].icon, c.icon);
    if (c.message.empty()) {
      const std::string& text = rec.messages[0].text;
      EXPECT_EQ(text.rfind(std::string(kMsgBlocksToMend) + "\nブロック1《上部工》: ", 0), 0u)
          << text;
    } else {
      EXPECT_EQ(rec.messages[0].text, c.message);
    }
  }
}

TEST_F(Tj3Import, LibraryBlockMirrorsAboutItsEntrysWidth) {
  Tj3Fixture t = design();
  auto& b = blocks->wall_blocks[1];
  b.block_type = model::BLOCK_LIBRARY;
  b.library.library_index = 0;
  b.library.mirrored = 1;
  b.library.values[1] = 1.25;
  blocks->shape_library_count = 1;
  auto& e = blocks->shape_library[0];
  e.values[0] = 3.5;
  e.point_count = 4;
  const double xs[] = {0, 0, 0, 3.5, 3.5}, ys[] = {0, 0, 2, 2, 0};
  for (int k = 1; k <= 4; ++k) e.point_x[k] = xs[k], e.point_y[k] = ys[k];
  write(t);
  SiblingImporter importer(nullptr);
  auto m = marked_project();
  Recorder rec;
  ASSERT_TRUE(importer.import_tj3_project(base, *m, rec));
  EXPECT_EQ(m->wall_blocks[1].library.values[1], 3.5);
  // Drawn where it is weighed: each point as the picture places it is the point the engines
  // place, mirrored about the entry's width from the reference point.
  const auto& head = m->wall_blocks[1].library.head;
  for (int j = 1; j <= 4; ++j) {
    double x = 0, y = 0;
    ASSERT_TRUE(model::get_block_vertex(*m, 1, j, x, y)) << j;
    EXPECT_DOUBLE_EQ(x, head.ref_x + 3.5 - xs[j]) << j;
    EXPECT_DOUBLE_EQ(y, head.ref_y + ys[j]) << j;
  }

  // An entry the library does not hold stops the import.
  b.library.library_index = 1;
  write(t);
  auto n = marked_project();
  Recorder fail;
  EXPECT_FALSE(importer.import_tj3_project(base, *n, fail));
  ASSERT_EQ(fail.messages.size(), 1u);
  EXPECT_EQ(fail.messages[0].text, kMsgCj3MidRead);
}

TEST_F(Tj3Import, AnImportedProjectSavedAndReopenedIsTheSame) {
  // Every block type, forces, levels, surcharges and the check point go through the project
  // files: the files written from the reopened model are those written from the imported one.
  auto all = fixture_blocks();
  Tj3Fixture t = design();
  t.blocks = all.get();
  t.top_loads[1][3] = 5;
  write(t);
  SiblingImporter importer(nullptr);
  auto imported = new_project();
  Recorder rec;
  ASSERT_TRUE(importer.import_tj3_project(base, *imported, rec));
  const std::string saved = (dir / "saved").string();
  ASSERT_EQ(model::write_project_files(*imported, saved, false, rec), 0);
  auto reopened = new_project();
  ASSERT_TRUE(model::load_project_files(saved, *reopened, rec));
  EXPECT_EQ(model::conditions_file_lines(*reopened), model::conditions_file_lines(*imported));
  EXPECT_EQ(model::block_file_lines(*reopened).lines, model::block_file_lines(*imported).lines);
  // A few values read straight, so a field both writers dropped would still show.
  const auto& a = imported->conditions;
  const auto& b = reopened->conditions;
  EXPECT_EQ(b.water_levels[1], 0.25);
  EXPECT_EQ(b.top_surcharges[3].load[1], 5);
  EXPECT_EQ(b.external_forces[0][0].name, "常時L");
  EXPECT_EQ(b.external_force_counts[0], a.external_force_counts[0]);
  EXPECT_EQ(b.imported_check_point.z, 301);
  EXPECT_EQ(b.body_reactions[1].spread_angle, 14);
  EXPECT_EQ(b.dynamic_water_level, a.dynamic_water_level);
  EXPECT_EQ(reopened->wall_blocks[3].caisson.part_values[3][1], 43.5);
  EXPECT_EQ(reopened->wall_blocks[7].library.values[1], 70.5);
  EXPECT_EQ(reopened->shape_library[0].point_y[4], 91.5);
  EXPECT_EQ(reopened->block_label_numbers[5], 35);
}

TEST_F(Tj3Import, FailuresChangeNothing) {
  struct Case {
    const char* what;
    void (*change)(Tj3Fixture&);
    int sin_lines;
    bool tj3;
    const char* message;
  } cases[] = {
      {"no .TJ3", [](Tj3Fixture&) {}, 4, false, kMsgCj3Unreadable},
      {"no force heading", [](Tj3Fixture& t) { t.with_force_heading = false; }, 4, true,
       kMsgCj3MidRead},
      {"18 points", [](Tj3Fixture& t) { t.check_points[0].points = 18; }, 4, true,
       kMsgCj3MidRead},
      {"no .SIN", [](Tj3Fixture&) {}, 0, true, kMsgSinUnreadable},
      {"check point 0", [](Tj3Fixture& t) { t.check_point_number = 0; }, 4, true,
       kMsgSinUnreadable},
      {"check point 17", [](Tj3Fixture& t) { t.check_point_number = 17; }, 4, true,
       kMsgSinUnreadable},
      {"2-line .SIN with H.W.L.",
       [](Tj3Fixture& t) {
         t.grid[0] = {"0", "0", "77", "77"};
         t.grid[1] = {"1", "1", "77", "77"};
       },
       2, true, kMsgSinUnreadable},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(dir);
    fs::create_directories(dir);
    Tj3Fixture t = design();
    c.change(t);
    if (c.tj3) write(t, c.sin_lines);
    SiblingImporter importer(nullptr);
    auto m = marked_project();
    const auto before = std::make_unique<ProjectModel>(*m);
    Recorder rec;
    EXPECT_FALSE(importer.import_tj3_project(base, *m, rec));
    ASSERT_EQ(rec.messages.size(), 1u);
    EXPECT_EQ(rec.messages[0].text, c.message);
    EXPECT_EQ(rec.messages[0].icon, model::MessageIcon::Exclamation);
    EXPECT_EQ(m->wall_blocks[0].block_type, before->wall_blocks[0].block_type);
    EXPECT_EQ(m->block_label_numbers, before->block_label_numbers);
    EXPECT_EQ(m->conditions.water_levels[0], -1);
    EXPECT_EQ(m->conditions.seismic_check, before->conditions.seismic_check);
    EXPECT_EQ(m->conditions.external_force_counts[0], before->conditions.external_force_counts[0]);
    EXPECT_EQ(m->conditions.imported_check_point.number,
              before->conditions.imported_check_point.number);
  }
}

}  // namespace
}  // namespace qvt::import
