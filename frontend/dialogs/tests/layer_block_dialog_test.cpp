#include "frontend/dialogs/layer_block_dialog.h"

#include "frontend/dialogs/dialog_texts.h"
#include "frontend/model/block_geometry.h"
#include "frontend/model/display_text.h"
#include "frontend/model/outline_order.h"
#include "frontend/model/project_files.h"
#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace qvt::dialogs {
namespace {

using model::testing::Recorder;
using L = LayerBlockDialog;

struct P {
  double x, y;
};

class LayerDialogTest : public ::testing::Test {
 protected:
  std::unique_ptr<model::ProjectModel> m = model::testing::new_project();
  section::EditorState editor;
  Recorder rec;
  // X 0, Y 0, B 20, Dh1 = Dh2 = -25
  std::array<std::string, 5> body{"0.000", "0.000", "20.000", "-25.000", "-25.000"};

  // Opens the dialog on `slot`, types the tops and valid unit weights and accepts.
  bool enter(int slot, const char* sea, const char* land, bool edit = false,
             const char* name = "改良土") {
    LayerBlockDialog d(*m, editor, rec, {slot, edit, body});
    EXPECT_TRUE(d.load());
    d.boxes[LayerBlockDialog::kName] = name;
    d.boxes[LayerBlockDialog::kSeaTop] = sea;
    d.boxes[LayerBlockDialog::kLandTop] = land;
    d.boxes[LayerBlockDialog::kSaturated] = "18";
    d.boxes[LayerBlockDialog::kWet] = "17";
    d.boxes[LayerBlockDialog::kSubmerged] = "8";
    return d.finish();
  }
  std::vector<P> outline(int slot) const {
    int first = 0, end = 0;
    std::vector<P> out;
    if (!model::get_block_vertex_range(*m, slot, first, end)) return out;
    for (int j = first; j < end; ++j) {
      P p{};
      model::get_block_vertex(*m, slot, j, p.x, p.y);
      out.push_back(p);
    }
    return out;
  }
  void expect_outline(int slot, const std::vector<P>& expected) const {
    const std::vector<P> got = outline(slot);
    ASSERT_EQ(got.size(), expected.size()) << "slot " << slot;
    for (std::size_t k = 0; k < got.size(); ++k) {
      EXPECT_NEAR(got[k].x, expected[k].x, 1e-9) << "slot " << slot << " vertex " << k;
      EXPECT_NEAR(got[k].y, expected[k].y, 1e-9) << "slot " << slot << " vertex " << k;
    }
  }
  const model::PolygonShape& poly(int slot) const { return m->wall_blocks[slot].polygon; }
  model::i16 type(int slot) const { return m->wall_blocks[slot].block_type; }
  std::vector<std::string> texts() const {
    std::vector<std::string> out;
    for (const auto& r : rec.messages) out.push_back(r.text);
    return out;
  }
};

TEST_F(LayerDialogTest, RegisterLoadsDefaultsAndTheMainWindowBottoms) {
  body[3] = "-25.5abc";
  LayerBlockDialog d(*m, editor, rec, {0, false, body});
  ASSERT_TRUE(d.load());
  EXPECT_FALSE(d.edit_mode());
  EXPECT_EQ(d.boxes[L::kName], "");
  for (int i : {L::kSeaTop, L::kLandTop, L::kSaturated, L::kWet, L::kSubmerged})
    EXPECT_EQ(d.boxes[i], "0.000") << i;
  EXPECT_EQ(d.boxes[L::kSeaBottom], "-25.5abc");  // copied as it stands
  EXPECT_EQ(d.boxes[L::kLandBottom], "-25.000");
}

TEST_F(LayerDialogTest, FirstLayerIsLevelSecondLayerSlopesAndLiftsTheFirstBottom) {
  ASSERT_TRUE(enter(0, "-10", "-10"));
  EXPECT_EQ(type(0), model::BLOCK_SOIL_RECTANGLE);
  EXPECT_EQ(poly(0).head.ref_y, -25);
  EXPECT_EQ(poly(0).vertex_x[0], 20);
  EXPECT_EQ(poly(0).vertex_y[0], 15);
  EXPECT_EQ(poly(0).vertex_count, 2);
  EXPECT_EQ(poly(0).head.name, "改良土");
  EXPECT_EQ(poly(0).head.unit_weights[2], 18);
  EXPECT_EQ(poly(0).head.unit_weights[0], 17);
  EXPECT_EQ(poly(0).head.unit_weights[1], 8);
  expect_outline(0, {{0, -25}, {0, -10}, {20, -10}, {20, -25}});
  EXPECT_EQ(m->block_label_numbers[0], 0);

  ASSERT_TRUE(enter(1, "-15", "-17", false, "下層"));
  EXPECT_TRUE(rec.messages.empty());
  EXPECT_EQ(type(1), model::BLOCK_SOIL_POLYGON);
  EXPECT_EQ(type(0), model::BLOCK_SOIL_POLYGON);
  expect_outline(1, {{0, -15}, {20, -17}, {20, -25}, {0, -25}});
  expect_outline(0, {{0, -10}, {20, -10}, {20, -17}, {0, -15}});
  // Labels at the vertex means: (-15 - 17 - 25 - 25) / 4 and (-10 - 10 - 17 - 15) / 4.
  EXPECT_DOUBLE_EQ(poly(1).head.label_x, 10);
  EXPECT_DOUBLE_EQ(poly(1).head.label_y, -20.5);
  EXPECT_DOUBLE_EQ(poly(0).head.label_x, 10);
  EXPECT_DOUBLE_EQ(poly(0).head.label_y, -13);
  EXPECT_EQ(poly(0).head.name, "改良土");
  // The scratch list holds the last layer rebuilt, the top one.
  EXPECT_EQ(editor.work_vertex_count, 4);
  EXPECT_EQ(editor.work_vertices[2].x, 20);
  EXPECT_EQ(editor.work_vertices[2].y, -17);
}

TEST_F(LayerDialogTest, TopsOutsideTheLayersAboveAndBelowAreRefused) {
  ASSERT_TRUE(enter(0, "-10", "-10"));
  ASSERT_TRUE(enter(1, "-15", "-17"));
  const model::ProjectModel before = *m;
  struct Case {
    const char* sea;
    const char* land;
  };
  // Above the layer before it; below the improvement bottom under the last layer; above the
  // layer before on one side only.
  for (const Case& c : {Case{"-9", "-20"}, Case{"-20", "-26"}, Case{"-26", "-20"},
                        Case{"-20", "-16.999"}}) {
    SCOPED_TRACE(std::string(c.sea) + "/" + c.land);
    rec.messages.clear();
    EXPECT_FALSE(enter(2, c.sea, c.land));
    EXPECT_EQ(texts(), std::vector<std::string>{kMsgTopError});
  }
  // Below the layer after it, when registering into an earlier slot or editing.
  rec.messages.clear();
  EXPECT_FALSE(enter(0, "-10", "-17.001", true));
  EXPECT_EQ(texts(), std::vector<std::string>{kMsgTopError});
  EXPECT_EQ(type(2), model::BLOCK_EMPTY);
  for (int s = 0; s < 3; ++s) {
    EXPECT_EQ(m->wall_blocks[s].block_type, before.wall_blocks[s].block_type);
    EXPECT_EQ(m->wall_blocks[s].polygon.vertex_y, before.wall_blocks[s].polygon.vertex_y);
  }
  // Equal to the top of the layer above is allowed (zero thickness on that side).
  rec.messages.clear();
  EXPECT_TRUE(enter(2, "-15", "-20"));
  expect_outline(1, {{0, -15}, {20, -17}, {20, -20}, {0, -15}});
}

TEST_F(LayerDialogTest, UnitWeightsCheckedAndALayerWithoutAreaRefused) {
  for (int bad : {L::kSaturated, L::kWet, L::kSubmerged}) {
    rec.messages.clear();
    LayerBlockDialog d(*m, editor, rec, {0, false, body});
    ASSERT_TRUE(d.load());
    d.boxes[L::kSeaTop] = "-10";
    d.boxes[L::kLandTop] = "-10";
    for (int i : {L::kSaturated, L::kWet, L::kSubmerged}) d.boxes[i] = i == bad ? "0" : "18";
    EXPECT_FALSE(d.finish());
    EXPECT_EQ(texts(), std::vector<std::string>{kMsgInputError});
  }
  // Tops on the improvement bottom: a layer of no thickness cannot be weighed.
  rec.messages.clear();
  EXPECT_FALSE(enter(0, "-25", "-25"));
  EXPECT_EQ(texts(), std::vector<std::string>{kMsgInputError});
  EXPECT_EQ(type(0), model::BLOCK_EMPTY);
}

TEST_F(LayerDialogTest, SlopeToleranceDecidesTheType) {
  ASSERT_TRUE(enter(0, "-10", "-10.0002"));
  EXPECT_EQ(type(0), model::BLOCK_SOIL_POLYGON);
  EXPECT_EQ(poly(0).vertex_count, 4);
  ASSERT_TRUE(enter(0, "-10", "-10.00005", true));
  EXPECT_EQ(type(0), model::BLOCK_SOIL_RECTANGLE);
  EXPECT_EQ(poly(0).vertex_count, 2);
  // The sea-side top less the land-side bottom, at full precision.
  EXPECT_DOUBLE_EQ(poly(0).vertex_y[0], 15);
  EXPECT_EQ(poly(0).head.ref_y, -25);
}

TEST_F(LayerDialogTest, AnEarlierEmptySlotGoesOnTop) {
  ASSERT_TRUE(enter(3, "-12", "-12"));
  ASSERT_TRUE(enter(1, "-8", "-9"));
  expect_outline(1, {{0, -8}, {20, -9}, {20, -12}, {0, -12}});
  expect_outline(3, {{0, -25}, {0, -12}, {20, -12}, {20, -25}});
  EXPECT_EQ(m->block_label_numbers[1], 1);
  EXPECT_EQ(m->block_label_numbers[3], 3);
}

TEST_F(LayerDialogTest, WedgeLayerKeepsCornerOrderOverRepeatedAccepts) {
  // The upper layer ends in a point on the sea side, where the layer below has the same top.
  ASSERT_TRUE(enter(0, "-14", "-10"));
  ASSERT_TRUE(enter(1, "-14", "-12"));
  EXPECT_EQ(texts(), std::vector<std::string>{model::kMsgAngleTooShort});
  const std::vector<P> wedge{{0, -14}, {20, -10}, {20, -12}, {0, -14}};
  expect_outline(0, wedge);
  // A second accept reads the wedge by position and must find the same corners.
  rec.messages.clear();
  ASSERT_TRUE(enter(2, "-20", "-20"));
  expect_outline(0, wedge);
  expect_outline(1, {{0, -14}, {20, -12}, {20, -20}, {0, -20}});
  EXPECT_EQ(texts(), std::vector<std::string>{model::kMsgAngleTooShort});
}

TEST_F(LayerDialogTest, EveryAcceptRestacksAndClearsLengthMarkAndLabel) {
  ASSERT_TRUE(enter(0, "-10", "-10"));
  ASSERT_TRUE(enter(1, "-15", "-15"));
  model::PolygonShape& p0 = m->wall_blocks[0].polygon;
  p0.head.length = 5;
  p0.head.mark_x = 3;
  p0.head.mark_y = 4;
  p0.head.label_x = 99;
  m->block_label_numbers[0] = 7;
  m->block_label_numbers[1] = 8;
  // Editing the lower layer: its label number is reset to its slot, the other one's kept.
  ASSERT_TRUE(enter(1, "-16", "-16", true));
  EXPECT_EQ(p0.head.length, 0);
  EXPECT_EQ(p0.head.mark_x, 0);
  EXPECT_EQ(p0.head.mark_y, 0);
  EXPECT_EQ(p0.head.label_x, 10);
  EXPECT_EQ(m->block_label_numbers[0], 7);
  EXPECT_EQ(m->block_label_numbers[1], 1);
  expect_outline(0, {{0, -16}, {0, -10}, {20, -10}, {20, -16}});
}

TEST_F(LayerDialogTest, EditLoadsTheLayerElevations) {
  body[1] = "-25.000";  // Y
  ASSERT_TRUE(enter(0, "-10", "-12"));
  EXPECT_EQ(poly(0).head.ref_y, -25);
  EXPECT_EQ(poly(0).vertex_y[0], 15);  // relative to Y
  LayerBlockDialog d(*m, editor, rec, {0, true, body});
  ASSERT_TRUE(d.load());
  EXPECT_TRUE(d.edit_mode());
  EXPECT_EQ(d.boxes[L::kSeaTop], "-10.000");
  EXPECT_EQ(d.boxes[L::kLandTop], "-12.000");
  EXPECT_EQ(d.boxes[L::kSeaBottom], "-25.000");
  EXPECT_EQ(d.boxes[L::kLandBottom], "-25.000");
  EXPECT_EQ(d.boxes[L::kSaturated], "18.000");
  EXPECT_EQ(d.boxes[L::kWet], "17.000");
  EXPECT_EQ(d.boxes[L::kSubmerged], "8.000");
  EXPECT_EQ(d.boxes[L::kName], "改良土");
  d.boxes[L::kSeaTop] = "12.34567";
  d.leave_box(L::kSeaTop);
  d.boxes[L::kName] = "1.23456";
  d.leave_box(L::kName);
  EXPECT_EQ(d.boxes[L::kSeaTop], "12.346");
  EXPECT_EQ(d.boxes[L::kName], "1.23456");
  EXPECT_TRUE(d.cancel());
  EXPECT_EQ(poly(0).head.name, "改良土");
}

class SampleLayerTest : public LayerDialogTest {
 protected:
  void SetUp() override {
    const std::string base =
        (std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections" / "sample_block_quay").string();
    ASSERT_TRUE(model::load_project_files(base, *m, rec));
    const model::ImprovedBodyDims& d = m->conditions.body_dims;
    body = {model::format_pattern(d.ref_x, "###0.000"), model::format_pattern(d.ref_y, "###0.000"),
            model::format_pattern(d.width, "###0.000"), model::format_pattern(d.dh1, "###0.000"),
            model::format_pattern(d.dh2, "###0.000")};
    ASSERT_EQ(body[1], "-25.000");
    ASSERT_EQ(type(1), model::BLOCK_SOIL_RECTANGLE);
  }
};

TEST_F(SampleLayerTest, RegisteringALowerLayerLiftsTheBodyBottom) {
  ASSERT_TRUE(enter(2, "-18", "-18"));
  EXPECT_EQ(type(1), model::BLOCK_SOIL_RECTANGLE);
  EXPECT_EQ(poly(1).head.ref_y, -18);
  EXPECT_EQ(poly(1).vertex_x[0], 20);
  EXPECT_EQ(poly(1).vertex_y[0], 8);
  EXPECT_EQ(poly(1).head.name, "改良体");
  expect_outline(2, {{0, -25}, {0, -18}, {20, -18}, {20, -25}});
  EXPECT_EQ(type(0), model::BLOCK_RECTANGLE);  // the wall block is no layer
}

TEST_F(SampleLayerTest, EditingTheBodyToASlopedTop) {
  ASSERT_TRUE(enter(1, "-10", "-12", true));
  EXPECT_EQ(type(1), model::BLOCK_SOIL_POLYGON);
  expect_outline(1, {{0, -10}, {20, -12}, {20, -25}, {0, -25}});
  EXPECT_TRUE(rec.messages.empty());
}

}  // namespace
}  // namespace qvt::dialogs
