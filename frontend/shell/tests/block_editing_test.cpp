// The block editors in the main window: the block quay sample on the superstructure page,
// clicks at the pixels of world points move, copy and delete the wall block, panel 1 of the
// status bar shows each prompt, and the picture shows the selection in yellow and the base
// point in blue.
#include "frontend/shell/tests/sample_window.h"

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>

#include <memory>

namespace qvt::shell::testing {
namespace {

class BlockEditingTest : public SampleWindowTest {
 protected:
  void click(Qt::MouseButton button, double x, double y) {
    const QPointF at = pixel_of(x, y);
    QMouseEvent e(QEvent::MouseButtonPress, at, pic()->mapToGlobal(at), button, button,
                  Qt::NoModifier);
    QApplication::sendEvent(pic(), &e);
  }
  std::string prompt() { return window->view().prompt_label()->text().toStdString(); }
  const model::BlockHead& head(int slot) {
    return window->model().wall_blocks[slot].polygon.head;
  }
  // Whether a pixel of the colour lies within one pixel of the world point.
  bool colour_near(const QImage& image, double x, double y, QRgb colour) {
    const QPointF at = pixel_of(x, y);
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        if ((image.pixel(int(at.x()) + dx, int(at.y()) + dy) & 0xffffff) == (colour & 0xffffff))
          return true;
    return false;
  }
};

TEST_F(BlockEditingTest, MoveOnThePicture) {
  window->findChild<QAbstractButton*>(QStringLiteral("category_1"))->click();  // "上部工"
  ASSERT_EQ(window->current_page(), 1);
  window->view().page_state().wall_block_operation = section::kMoveWallBlock;
  // The window's own fit: the 45-unit snap radius still takes (20, -10) from 0.141 m away.
  EXPECT_GT(45 / picture().view().scale, 0.15);

  click(Qt::LeftButton, 3, -3);
  EXPECT_EQ(window->view().editor().current_block_slot, 0);
  EXPECT_EQ(prompt(), "移動する壁体ブロックの基準点を選択してください。(右ボタンで終了)");
  click(Qt::LeftButton, 0.1, -9.9);
  EXPECT_EQ(window->view().editor().block_step, section::BlockEditStep::base_point);
  EXPECT_EQ(prompt(), "移動先を指定してください。(右ボタンで終了)");

  const QImage image = pic()->grab().toImage();
  EXPECT_TRUE(colour_near(image, 0, -3, qRgb(255, 255, 0)));    // the selected block's edge
  EXPECT_TRUE(colour_near(image, 10, -25, qRgb(255, 255, 255)));  // the body, not selected
  EXPECT_TRUE(colour_near(image, 0, -10, qRgb(0, 0, 255)));     // the base point

  click(Qt::LeftButton, 20.1, -10.1);
  EXPECT_DOUBLE_EQ(head(0).ref_x, 20);
  EXPECT_DOUBLE_EQ(head(0).ref_y, -10);
  EXPECT_DOUBLE_EQ(window->model().wall_blocks[0].polygon.vertex_x[13], 26);
  EXPECT_DOUBLE_EQ(head(0).label_x, 23);
  EXPECT_DOUBLE_EQ(head(0).label_y, -3.5);
  click(Qt::MiddleButton, 22.1, -9.9);
  EXPECT_NEAR(head(0).ref_x, 22.1, 1e-9);
  EXPECT_NEAR(head(0).ref_y, -9.9, 1e-9);
  click(Qt::RightButton, 0, 0);
  EXPECT_EQ(window->view().editor().block_step, section::BlockEditStep::idle);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(BlockEditingTest, CopyThenDeleteTheOriginal) {
  window->choose_category(1);
  window->view().page_state().wall_block_operation = section::kCopyWallBlock;
  click(Qt::LeftButton, 3, -3);
  EXPECT_EQ(prompt(), "複写する壁体ブロックの基準点を選択してください。(右ボタンで終了)");
  click(Qt::LeftButton, 0.1, -9.9);
  EXPECT_EQ(prompt(), "複写先を指定してください。(右ボタンで終了)");
  click(Qt::LeftButton, 20.1, -10.1);
  const model::ProjectModel& m = window->model();
  ASSERT_EQ(m.wall_blocks[2].block_type, model::BLOCK_RECTANGLE);
  EXPECT_EQ(m.block_label_numbers[2], 2);
  EXPECT_DOUBLE_EQ(head(2).ref_x, 20);
  EXPECT_DOUBLE_EQ(head(2).label_x, 23);
  click(Qt::RightButton, 0, 0);

  window->view().page_state().wall_block_operation = section::kDeleteWallBlock;
  click(Qt::LeftButton, 3, -3);
  EXPECT_EQ(prompt(), "左ボタンで削除／右ボタンで終了");
  click(Qt::LeftButton, 3, -3);
  EXPECT_EQ(m.wall_blocks[0].block_type, model::BLOCK_EMPTY);
  EXPECT_EQ(m.wall_blocks[2].block_type, model::BLOCK_RECTANGLE);
  EXPECT_EQ(m.wall_blocks[1].block_type, model::BLOCK_SOIL_RECTANGLE);
}

TEST_F(BlockEditingTest, OpeningABlockPageEndsAnOperation) {
  window->choose_category(1);
  window->view().page_state().wall_block_operation = section::kMoveWallBlock;
  click(Qt::LeftButton, 3, -3);
  click(Qt::LeftButton, 0, -10);
  ASSERT_EQ(window->view().editor().block_step, section::BlockEditStep::base_point);
  window->choose_category(2);
  EXPECT_EQ(window->view().editor().block_step, section::BlockEditStep::idle);
  window->view().editor().block_step = section::BlockEditStep::select;
  window->choose_category(1);
  EXPECT_EQ(window->view().editor().block_step, section::BlockEditStep::idle);
}

TEST_F(BlockEditingTest, ImprovedBodyPageDeletesALayer) {
  window->choose_category(2);
  section::PageState& page = window->view().page_state();
  page.soil_block_operation = section::kDeleteSoilBlock;
  page.body_boxes = {"0.000", "-25.000", "20.000", "-22.000", "-25.000"};
  click(Qt::LeftButton, 10, -17.5);
  EXPECT_EQ(window->view().editor().current_block_slot, 1);
  EXPECT_EQ(prompt(), "左ボタンで削除／右ボタンで終了");
  click(Qt::LeftButton, 10, -17.5);
  EXPECT_EQ(window->model().wall_blocks[1].block_type, model::BLOCK_EMPTY);
  EXPECT_EQ(window->model().wall_blocks[0].block_type, model::BLOCK_RECTANGLE);
}

}  // namespace
}  // namespace qvt::shell::testing
