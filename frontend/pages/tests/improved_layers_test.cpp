#include "frontend/pages/improved_layers.h"

#include "frontend/model/project_files.h"
#include "frontend/model/soil_layers.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace qvt::pages {
namespace {

using model::BLOCK_EMPTY;
using model::BLOCK_SOIL_POLYGON;
using model::BLOCK_SOIL_RECTANGLE;
using model::testing::Recorder;

struct Pt {
  double x, y;
  bool operator==(const Pt&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Pt& p) {
  return os << "(" << p.x << ", " << p.y << ")";
}

// The absolute corners of a layer as the picture draws them.
std::vector<Pt> corners(const model::ProjectModel& m, int slot) {
  const model::WallBlock& b = m.wall_blocks[slot];
  const model::PolygonShape& p = b.polygon;
  std::vector<Pt> out;
  if (b.block_type == BLOCK_SOIL_POLYGON) {
    for (int k = 0; k < p.vertex_count; ++k)
      out.push_back({p.head.ref_x + p.vertex_x[k], p.head.ref_y + p.vertex_y[k]});
  } else if (b.block_type == BLOCK_SOIL_RECTANGLE) {
    for (int k = 10; k < 14; ++k) out.push_back({p.vertex_x[k], p.vertex_y[k]});
  }
  return out;
}

Pt label(const model::ProjectModel& m, int slot) {
  return {m.wall_blocks[slot].polygon.head.label_x, m.wall_blocks[slot].polygon.head.label_y};
}

// X 0, Y 0, B 10; level layers 0..-5, -5..-10, -10..-15 in slots 3, 4, 5; Dh1 = Dh2 = -15.
class LayeredBody : public ::testing::Test {
 protected:
  void SetUp() override {
    m = model::testing::new_project();
    const model::LayerFrame f{0, 0, 10, -15, -15};
    const double levels[] = {0, -5, -10, -15};
    for (int i = 0; i < 3; ++i) {
      m->wall_blocks[3 + i].polygon.head.name = "改良土";
      m->wall_blocks[3 + i].polygon.head.unit_weights[0] = 16;
      model::rebuild_layer(*m,3 + i,
                           {model::OutlinePoint{0, levels[i]}, model::OutlinePoint{10, levels[i]},
                            model::OutlinePoint{10, levels[i + 1]},
                            model::OutlinePoint{0, levels[i + 1]}},
                           f, rec);
    }
  }
  BodyBoxOutcome leave(int index, const std::string& text) {
    const std::string focus = texts[index];
    texts[index] = text;
    return leave_body_box(*m, index, texts, focus, rec);
  }
  std::unique_ptr<model::ProjectModel> m;
  Recorder rec;
  std::array<std::string, 5> texts{"0.000", "0.000", "10.000", "-15.000", "-15.000"};
};

TEST_F(LayeredBody, SetUpGivesThreeLevelLayers) {
  for (int s = 3; s <= 5; ++s) EXPECT_EQ(m->wall_blocks[s].block_type, BLOCK_SOIL_RECTANGLE);
  EXPECT_EQ(corners(*m, 5), (std::vector<Pt>{{0, -15}, {0, -10}, {10, -10}, {10, -15}}));
  EXPECT_DOUBLE_EQ(improvement_height(*m), 15);
}

struct DhCase {
  const char* text;
  int removed_from;  // slots >= this are removed (6: none)
  int rebuilt;
  int type;
  std::vector<Pt> rebuilt_corners;  // P0..P3 order for type 6
};

TEST_F(LayeredBody, SeaSideBottomWalksTheLayers) {
  const DhCase cases[] = {
      {"-12", 6, 5, BLOCK_SOIL_POLYGON, {{0, -10}, {10, -10}, {10, -15}, {0, -12}}},
      {"-7", 5, 4, BLOCK_SOIL_POLYGON, {{0, -5}, {10, -5}, {10, -15}, {0, -7}}},
      {"-20", 6, 5, BLOCK_SOIL_POLYGON, {{0, -10}, {10, -10}, {10, -15}, {0, -20}}},
      {"-10", 6, 5, BLOCK_SOIL_POLYGON, {{0, -10}, {10, -10}, {10, -15}, {0, -10}}},
  };
  for (const DhCase& c : cases) {
    SetUp();
    const BodyBoxOutcome out = leave(kBoxDh1, c.text);
    SCOPED_TRACE(c.text);
    EXPECT_EQ(out.change, BodyChange::changed);
    EXPECT_TRUE(out.refit);
    EXPECT_EQ(texts[kBoxDh1], std::string(c.text) + ".000");
    for (int s = c.removed_from; s <= 5; ++s) {
      EXPECT_EQ(m->wall_blocks[s].block_type, BLOCK_EMPTY) << s;
      EXPECT_EQ(m->wall_blocks[s].polygon.head.name, "") << s;
    }
    const model::WallBlock& b = m->wall_blocks[c.rebuilt];
    EXPECT_EQ(b.block_type, c.type);
    EXPECT_EQ(b.polygon.vertex_count, 4);
    EXPECT_EQ(b.polygon.head.name, "改良土");  // name and weights survive the rebuild
    EXPECT_EQ(b.polygon.head.unit_weights[0], 16);
    const model::LayerLevels lv = model::layer_levels(b);
    EXPECT_EQ(lv.sea_top, c.rebuilt_corners[0].y);
    EXPECT_EQ(lv.land_top, c.rebuilt_corners[1].y);
    EXPECT_EQ(lv.land_bottom, c.rebuilt_corners[2].y);
    EXPECT_EQ(lv.sea_bottom, c.rebuilt_corners[3].y);
    for (int s = 3; s < c.rebuilt; ++s) EXPECT_EQ(m->wall_blocks[s].block_type, BLOCK_SOIL_RECTANGLE);
  }
}

TEST_F(LayeredBody, CutLayerLabelSitsAtTheMeanOfItsCorners) {
  leave(kBoxDh1, "-12");
  EXPECT_EQ(label(*m, 5), (Pt{5, -11.75}));  // (-10 - 10 - 15 - 12) / 4
}

TEST_F(LayeredBody, LevelCutBecomesARectangleAgain) {
  // Both bottoms to -12: the layer in slot 5 is level again, two vertices and a built outline.
  leave(kBoxDh2, "-12");
  EXPECT_EQ(m->wall_blocks[5].block_type, BLOCK_SOIL_POLYGON);
  leave(kBoxDh1, "-12");
  const model::WallBlock& b = m->wall_blocks[5];
  EXPECT_EQ(b.block_type, BLOCK_SOIL_RECTANGLE);
  EXPECT_EQ(b.polygon.vertex_count, 2);
  EXPECT_EQ(b.polygon.vertex_x[0], 10);
  EXPECT_EQ(b.polygon.vertex_y[0], 2);
  EXPECT_EQ(b.polygon.head.ref_y, -12);
  EXPECT_EQ(corners(*m, 5), (std::vector<Pt>{{0, -12}, {0, -10}, {10, -10}, {10, -12}}));
  EXPECT_DOUBLE_EQ(improvement_height(*m), 12);
}

TEST_F(LayeredBody, BottomAtOrAboveTheTopIsRefusedWithTheFocusText) {
  leave(kBoxDh1, "-12");
  ASSERT_EQ(m->wall_blocks[5].block_type, BLOCK_SOIL_POLYGON);
  for (const char* text : {"0", "3", "abc"}) {
    const BodyBoxOutcome out = leave(kBoxDh1, text);
    EXPECT_EQ(out.change, BodyChange::refused) << text;
    EXPECT_EQ(out.message, kMsgAboveBodyTop);
    EXPECT_FALSE(out.refit);
    EXPECT_EQ(texts[kBoxDh1], "-12.000");  // the accepted change, not the stored -15
    EXPECT_EQ(model::layer_levels(m->wall_blocks[5]).sea_bottom, -12);
  }
}

TEST_F(LayeredBody, SameThreeDecimalsIsNoChange) {
  m->wall_blocks[5].polygon.head.label_x = 77;
  for (const char* text : {"10.0001", "10", " 10.0004"}) {
    const BodyBoxOutcome out = leave(kBoxB, text);
    EXPECT_EQ(out.change, BodyChange::unchanged) << text;
    EXPECT_FALSE(out.refit);
    EXPECT_EQ(texts[kBoxB], "10.000");
  }
  EXPECT_EQ(m->wall_blocks[5].polygon.head.label_x, 77);
}

TEST_F(LayeredBody, WidthReachesEveryLayer) {
  leave(kBoxDh1, "-12");
  const BodyBoxOutcome out = leave(kBoxB, "8");
  EXPECT_EQ(out.change, BodyChange::changed);
  EXPECT_TRUE(out.refit);
  for (int s = 3; s <= 4; ++s) {
    EXPECT_EQ(m->wall_blocks[s].polygon.vertex_x[0], 8);
    EXPECT_EQ(m->wall_blocks[s].polygon.vertex_x[12], 8);
    EXPECT_EQ(label(*m, s).x, 4);
  }
  EXPECT_EQ(corners(*m, 5), (std::vector<Pt>{{0, -10}, {8, -10}, {8, -15}, {0, -12}}));
}

// No layer can be that wide: the box goes back with the status bar's out-of-range notice (no
// warning box) and every layer keeps its corners.
TEST_F(LayeredBody, NoWidthIsRefusedWhileLayersExist) {
  for (const char* text : {"0", "-3", "x"}) {
    const BodyBoxOutcome out = leave(kBoxB, text);
    EXPECT_EQ(out.change, BodyChange::refused) << text;
    EXPECT_EQ(out.message, "");
    EXPECT_EQ(out.notice, model::TypedNumber::out_of_range);
    EXPECT_FALSE(out.refit);
    EXPECT_EQ(texts[kBoxB], "10.000");
    EXPECT_EQ(m->wall_blocks[3].polygon.vertex_x[0], 10);
    EXPECT_EQ(corners(*m, 5), (std::vector<Pt>{{0, -15}, {0, -10}, {10, -10}, {10, -15}}));
  }
  EXPECT_TRUE(rec.messages.empty());
}

TEST(ImprovedLayers, WithoutLayersTheBoxesAreOnlyReformatted) {
  auto m = model::testing::new_project();
  Recorder rec;
  std::array<std::string, 5> texts{"0.000", "0.000", "0.000", "0.000", "0.000"};
  texts[kBoxDh1] = "-12.5";
  BodyBoxOutcome out = leave_body_box(*m, kBoxDh1, texts, "0.000", rec);
  EXPECT_EQ(out.change, BodyChange::changed);
  EXPECT_FALSE(out.refit);
  EXPECT_EQ(texts[kBoxDh1], "-12.500");
  texts[kBoxB] = "0";  // unchanged
  texts[kBoxX] = "abc";
  out = leave_body_box(*m, kBoxX, texts, "1.000", rec);
  EXPECT_EQ(out.change, BodyChange::changed);
  EXPECT_TRUE(out.refit);  // moving and widening always refit
  EXPECT_EQ(texts[kBoxX], "0.000");
  texts[kBoxB] = "-2";
  out = leave_body_box(*m, kBoxB, texts, "0.000", rec);
  EXPECT_EQ(out.change, BodyChange::changed);  // nothing to refuse without layers
  EXPECT_TRUE(rec.messages.empty());
  EXPECT_EQ(improvement_height(*m), 0);
}

TEST(ImprovementHeight, SpansEveryImprovedSoilBlock) {
  auto m = model::testing::new_project();
  EXPECT_EQ(improvement_height(*m), 0);
  model::WallBlock& r = m->wall_blocks[2];  // type 7, -20 up 15
  r.block_type = BLOCK_SOIL_RECTANGLE;
  r.polygon.head.ref_y = -20;
  r.polygon.vertex_y[0] = 15;
  EXPECT_EQ(improvement_height(*m), 15);
  model::WallBlock& p = m->wall_blocks[0];  // type 6, relative to -10: -18..-3 absolute
  p.block_type = BLOCK_SOIL_POLYGON;
  p.polygon.head.ref_y = -10;
  p.polygon.vertex_count = 0;  // no vertices: nothing
  EXPECT_EQ(improvement_height(*m), 15);
  p.polygon.vertex_count = 3;
  p.polygon.vertex_y[0] = 7;
  p.polygon.vertex_y[1] = -8;
  p.polygon.vertex_y[2] = 0;
  r.polygon.head.ref_y = -25;
  r.polygon.vertex_y[0] = 7;  // -25..-18
  EXPECT_EQ(improvement_height(*m), 22);
  m->wall_blocks[5].block_type = model::BLOCK_RECTANGLE;  // other types are skipped
  m->wall_blocks[5].polygon.head.ref_y = -100;
  EXPECT_EQ(improvement_height(*m), 22);
}

class SampleBlockQuay : public ::testing::Test {
 protected:
  void SetUp() override {
    m = model::testing::new_project();
    const std::string base =
        (std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / "sample_block_quay").string();
    ASSERT_TRUE(model::load_project_files(base, *m, rec));
  }
  BodyBoxOutcome leave(int index, const std::string& text) {
    const std::string focus = texts[index];
    texts[index] = text;
    return leave_body_box(*m, index, texts, focus, rec);
  }
  std::unique_ptr<model::ProjectModel> m;
  Recorder rec;
  std::array<std::string, 5> texts{"0.000", "-25.000", "20.000", "-25.000", "-25.000"};
};

TEST_F(SampleBlockQuay, SeaSideCutKeepsAbsoluteLevelsBelowANonZeroY) {
  ASSERT_EQ(m->wall_blocks[1].block_type, BLOCK_SOIL_RECTANGLE);
  leave(kBoxDh1, "-22");
  EXPECT_EQ(m->wall_blocks[1].block_type, BLOCK_SOIL_POLYGON);
  EXPECT_EQ(m->wall_blocks[1].polygon.head.ref_y, -25);
  const model::LayerLevels lv = model::layer_levels(m->wall_blocks[1]);
  EXPECT_EQ(lv.sea_top, -10);
  EXPECT_EQ(lv.land_top, -10);
  EXPECT_EQ(lv.land_bottom, -25);
  EXPECT_EQ(lv.sea_bottom, -22);
  EXPECT_EQ(label(*m, 1), (Pt{10, -16.75}));
  EXPECT_EQ(m->wall_blocks[0].block_type, model::BLOCK_RECTANGLE);  // the wall block stays
  EXPECT_DOUBLE_EQ(improvement_height(*m), 15);
}

TEST_F(SampleBlockQuay, MovingXKeepsTheLevels) {
  leave(kBoxX, "2");
  EXPECT_EQ(corners(*m, 1), (std::vector<Pt>{{2, -25}, {2, -10}, {22, -10}, {22, -25}}));
  EXPECT_EQ(label(*m, 1), (Pt{12, -17.5}));
  // A cut layer moved keeps its levels too.
  leave(kBoxDh1, "-22");
  leave(kBoxX, "-1");
  const model::LayerLevels lv = model::layer_levels(m->wall_blocks[1]);
  EXPECT_EQ(lv.sea_bottom, -22);
  EXPECT_EQ(lv.land_top, -10);
  EXPECT_EQ(m->wall_blocks[1].polygon.head.ref_x, -1);
}

TEST_F(SampleBlockQuay, RefusalsPutBackTheFocusText) {
  EXPECT_EQ(leave(kBoxB, "0").change, BodyChange::refused);
  EXPECT_EQ(texts[kBoxB], "20.000");
  EXPECT_EQ(leave(kBoxDh1, "-12").change, BodyChange::changed);
  const BodyBoxOutcome out = leave(kBoxDh1, "0");
  EXPECT_EQ(out.change, BodyChange::refused);
  EXPECT_EQ(texts[kBoxDh1], "-12.000");
}

}  // namespace
}  // namespace qvt::pages
