#include "frontend/model/block_keep.h"

#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

namespace qvt::model {
namespace {

// A polygon section told apart by its name and first vertex.
PolygonShape polygon(const std::string& name, double x) {
  PolygonShape p;
  p.head.name = name;
  p.head.unit_weights[1] = 9.5;
  p.vertex_count = 4;
  p.vertex_x[0] = x;
  p.vertex_y[0] = -x;
  p.vertex_x[117] = x + 1;
  return p;
}

class BlockKeep : public ::testing::Test {
 protected:
  BlockKeep() : m(testing::new_project()) {
    for (int k = 0; k < MAX_WALL_BLOCKS; ++k) m->block_label_numbers[k] = static_cast<i16>(100 + k);
  }
  void put(int slot, i16 type, const std::string& name) {
    m->wall_blocks[slot].block_type = type;
    m->wall_blocks[slot].polygon = polygon(name, slot);
  }
  // What an import writes: blocks of type 1 in slots 0..n-1 with label numbers 1..n.
  void import(int n) {
    for (int k = 0; k < n; ++k) {
      m->wall_blocks[k].block_type = BLOCK_RECTANGLE;
      m->wall_blocks[k].polygon = polygon("wall", 50 + k);
      m->block_label_numbers[k] = static_cast<i16>(k + 1);
    }
  }
  std::unique_ptr<ProjectModel> m;
};

TEST_F(BlockKeep, KeptBlocksLandInTheFirstEmptySlotsInTheirOrder) {
  put(2, BLOCK_RECTANGLE, "old wall");
  put(6, BLOCK_SOIL_RECTANGLE, "soil A");
  put(9, BLOCK_SOIL_POLYGON, "soil B");
  m->shape_library_count = 2;
  m->shape_library[1].name = "shape";

  const KeptSoilBlocks kept = keep_soil_blocks(*m);
  ASSERT_EQ(kept.count, 2);
  EXPECT_EQ(kept.held_types[0], BLOCK_SOIL_RECTANGLE);
  EXPECT_EQ(kept.held_types[1], BLOCK_SOIL_POLYGON);
  EXPECT_EQ(m->wall_blocks[0].held_section.head.name, "soil A");
  EXPECT_EQ(m->wall_blocks[1].held_section.head.name, "soil B");
  for (int k = 0; k < MAX_WALL_BLOCKS; ++k) {
    EXPECT_EQ(m->wall_blocks[k].block_type, BLOCK_EMPTY) << k;
    EXPECT_EQ(m->wall_blocks[k].polygon.vertex_x[0], UNSET_COORD) << k;
  }
  EXPECT_EQ(m->wall_blocks[6].polygon.head.name, "soil A");  // only the vertices are unset
  empty_shape_library(*m);
  EXPECT_EQ(m->shape_library_count, 0);
  EXPECT_EQ(m->shape_library[1].name, "");

  import(4);
  EXPECT_EQ(empty_slot_count(*m), 16);
  ASSERT_TRUE(put_back_soil_blocks(*m, kept, false));
  EXPECT_EQ(m->wall_blocks[4].block_type, BLOCK_SOIL_RECTANGLE);
  EXPECT_EQ(m->wall_blocks[5].block_type, BLOCK_SOIL_POLYGON);
  EXPECT_EQ(m->wall_blocks[4].polygon.head.name, "soil A");
  EXPECT_EQ(m->wall_blocks[4].polygon.vertex_x[0], 6);
  EXPECT_EQ(m->wall_blocks[4].polygon.vertex_x[117], 7);
  EXPECT_EQ(m->wall_blocks[5].polygon.head.name, "soil B");
  EXPECT_EQ(m->wall_blocks[5].polygon.vertex_y[0], -9);
  EXPECT_EQ(m->wall_blocks[6].block_type, BLOCK_EMPTY);
  // The slots keep their label numbers; the sibling's blocks have theirs.
  EXPECT_EQ(m->block_label_numbers[4], 104);
  EXPECT_EQ(m->block_label_numbers[5], 105);
  EXPECT_EQ(m->block_label_numbers[0], 1);
  EXPECT_EQ(m->wall_blocks[3].polygon.head.name, "wall");
}

TEST_F(BlockKeep, OpenNumbersThePutBackBlocksByTheirSlots) {
  put(3, BLOCK_SOIL_POLYGON, "first");
  put(7, BLOCK_SOIL_POLYGON, "second");
  const KeptSoilBlocks kept = keep_soil_blocks(*m);
  import(5);
  ASSERT_TRUE(put_back_soil_blocks(*m, kept, true));
  EXPECT_EQ(m->wall_blocks[5].polygon.head.name, "first");
  EXPECT_EQ(m->wall_blocks[6].polygon.head.name, "second");
  EXPECT_EQ(m->block_label_numbers[5], 5);
  EXPECT_EQ(m->block_label_numbers[6], 6);
}

TEST_F(BlockKeep, NoSoilBlockPutsNothingBack) {
  put(0, BLOCK_POLYGON, "wall");
  const KeptSoilBlocks kept = keep_soil_blocks(*m);
  EXPECT_EQ(kept.count, 0);
  import(2);
  ASSERT_TRUE(put_back_soil_blocks(*m, kept, true));
  EXPECT_EQ(empty_slot_count(*m), MAX_WALL_BLOCKS - 2);
  EXPECT_EQ(m->block_label_numbers[2], 102);
}

TEST_F(BlockKeep, KeptBlocksThatFindNoSlotAreRefusedNotDropped) {
  put(6, BLOCK_SOIL_POLYGON, "soil");
  const KeptSoilBlocks kept = keep_soil_blocks(*m);
  import(MAX_WALL_BLOCKS);
  EXPECT_FALSE(put_back_soil_blocks(*m, kept, false));
  for (int k = 0; k < MAX_WALL_BLOCKS; ++k) EXPECT_EQ(m->wall_blocks[k].block_type, BLOCK_RECTANGLE);
  // Two kept, one empty slot: refused as a whole.
  import(19);
  m->wall_blocks[19].block_type = BLOCK_EMPTY;
  KeptSoilBlocks two = kept;
  two.held_types[1] = BLOCK_SOIL_RECTANGLE;
  two.count = 2;
  EXPECT_FALSE(put_back_soil_blocks(*m, two, false));
  EXPECT_EQ(m->wall_blocks[19].block_type, BLOCK_EMPTY);
}

// Writes `fill` blocks of type 1 from slot 0 with label numbers 1, 2, ...
struct FakeImport : SiblingImport {
  int fill = 2;
  bool ok = true;
  std::string base;
  bool import_tj2_project(const std::string& b, ProjectModel& m, MessageSink&) override {
    base = b;
    for (int k = 0; k < fill; ++k) {
      m.wall_blocks[k].block_type = BLOCK_RECTANGLE;
      m.block_label_numbers[k] = static_cast<i16>(k + 1);
    }
    return ok;
  }
  // The superstructure take-over never reads a single-file design.
  bool import_tj3_project(const std::string&, ProjectModel&, MessageSink&) override {
    ADD_FAILURE() << "a .TJ3 import was not asked for";
    return false;
  }
};

TEST_F(BlockKeep, TakeOverNumbersAsTheCommandAsks) {
  struct Case {
    const char* name;
    KeptBlockLabels labels;
    i16 label_of_slot_2, label_of_slot_5;  // slot 2 the first put back, slot 5 left empty
  };
  const Case cases[] = {{"replace", KeptBlockLabels::KeepSlotLabels, 102, 105},
                        {"open", KeptBlockLabels::NumberBySlot, 2, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m = testing::new_project();
    for (int k = 0; k < MAX_WALL_BLOCKS; ++k) m->block_label_numbers[k] = static_cast<i16>(100 + k);
    put(7, BLOCK_SOIL_POLYGON, "soil");
    m->shape_library_count = 1;
    FakeImport imp;
    testing::Recorder rec;
    const SuperstructureTakeover r = take_over_superstructure(*m, "/p/sib", imp, rec, c.labels);
    EXPECT_EQ(r.outcome, SuperstructureTakeover::Outcome::Done);
    EXPECT_EQ(r.kept, 1);
    EXPECT_EQ(imp.base, "/p/sib");
    EXPECT_EQ(m->shape_library_count, 0);
    EXPECT_EQ(m->wall_blocks[2].block_type, BLOCK_SOIL_POLYGON);
    EXPECT_EQ(m->wall_blocks[2].polygon.head.name, "soil");
    EXPECT_EQ(m->block_label_numbers[1], 2);
    EXPECT_EQ(m->block_label_numbers[2], c.label_of_slot_2);
    EXPECT_EQ(m->block_label_numbers[5], c.label_of_slot_5);
  }
}

TEST_F(BlockKeep, TakeOverReportsAFailedImportAndMissingSlots) {
  put(3, BLOCK_SOIL_POLYGON, "a");
  put(4, BLOCK_SOIL_RECTANGLE, "b");
  testing::Recorder rec;
  FakeImport failing;
  failing.ok = false;
  auto copy = std::make_unique<ProjectModel>(*m);
  EXPECT_EQ(take_over_superstructure(*copy, "x", failing, rec, KeptBlockLabels::KeepSlotLabels)
                .outcome,
            SuperstructureTakeover::Outcome::ImportFailed);
  FakeImport full;
  full.fill = 19;
  copy = std::make_unique<ProjectModel>(*m);
  const SuperstructureTakeover r =
      take_over_superstructure(*copy, "x", full, rec, KeptBlockLabels::KeepSlotLabels);
  EXPECT_EQ(r.outcome, SuperstructureTakeover::Outcome::NoSlot);
  EXPECT_EQ(r.kept, 2);
  EXPECT_EQ(r.empty_slots, 1);
}

}  // namespace
}  // namespace qvt::model
