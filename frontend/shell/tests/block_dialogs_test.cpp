// The block dialogs opened as the pages and the block editors open them, through the shell's
// BlockDialogs, typed into with the keyboard and closed with their buttons or the title bar.
#include "frontend/dialogs/dialog_texts.h"
#include "frontend/dialogs/widgets/layer_block_dialog_widget.h"
#include "frontend/dialogs/widgets/polygon_block_dialog_widget.h"
#include "frontend/dialogs/widgets/rectangle_block_dialog_widget.h"
#include "frontend/widgets/edit_grid.h"
#include "frontend/model/display_text.h"
#include "frontend/model/outline_order.h"
#include "frontend/model/project_files.h"
#include "frontend/model/tests/model_test_support.h"
#include "frontend/shell/block_dialogs_port.h"
#include "frontend/shell/tests/shell_test_support.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qvt::shell {
namespace {

using L = dialogs::LayerBlockDialog;
using P = dialogs::PolygonBlockDialog;
using R = dialogs::RectangleBlockDialog;

using testing::FakeUi;
using testing::Shown;

class BlockDialogsTest : public ::testing::Test {
 protected:

  // Runs `drive` on the dialog while it is shown, as a person would.
  void when_shown(std::function<void(QDialog&)> drive) {
    ui.on_dialog = [this, drive](QDialog& d) {
      d.show();
      d.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
      drive(d);
      dialog_open_after = d.isVisible();
      d.close();
    };
  }
  // Types `text` key by key; letters beyond ASCII arrive as a key press carrying the letter, as
  // an input method hands them over.
  static void keys(QWidget* w, const QString& text) {
    for (const QChar c : text) {
      if (c.unicode() < 128) {
        QTest::keyClick(w, c.toLatin1());
      } else {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
      }
    }
  }
  // Replaces the text of a box by typing, then leaves it.
  static void type_into(QLineEdit* box, const QString& text) {
    box->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(box->selectedText(), box->text()) << box->objectName().toStdString();
    keys(box, text);  // the whole text was selected: typing replaces it
    EXPECT_EQ(box->text(), text);
  }
  // Types into a cell and commits it; the cell then shows the value it holds, `shown`.
  static void type_cell(widgets::EditGrid* grid, int row, int col, const QString& text,
                        const QString& shown) {
    grid->setFocus();
    grid->setCurrentCell(row - 1, col);  // moving to a cell opens it for editing
    QApplication::processEvents();
    if (QApplication::focusWidget() == grid) grid->edit(grid->model()->index(row - 1, col));
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid);
    keys(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(grid->cell(row, col), shown);
  }
  std::vector<std::string> boxes() const { return ui.box_texts(); }

  bool app_ready = (testing::app(), true);  // before the first widget
  FakeUi ui;
  QWidget owner;
  std::unique_ptr<model::ProjectModel> m = model::testing::new_project();
  section::EditorState editor;
  ShellBlockDialogs dialogs{ui, &owner, *m, editor};
  bool dialog_open_after = false;
};

TEST_F(BlockDialogsTest, PolygonRegisteredByKeyboard) {
  when_shown([&](QDialog& d) {
    auto& f = dynamic_cast<dialogs::PolygonBlockDialogWidget&>(d);
    EXPECT_EQ(f.windowTitle().toStdString(), "任意形状ブロックの詳細設定");
    EXPECT_EQ(f.vertex_table()->objectName().toStdString(), "ZAHYO");
    EXPECT_EQ(f.vertex_table()->row_count(), 101);
    EXPECT_EQ(f.vertex_table()->cell(0, 0).toStdString(), "No.");
    EXPECT_EQ(f.vertex_table()->cell(1, 0).toStdString(), "1");
    EXPECT_EQ(f.preview()->width(), 384);  // 5760 twips
    // Accepting at once: the weights are 0.
    QTest::mouseClick(f.finish_button(), Qt::LeftButton);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(boxes(), std::vector<std::string>{dialogs::kMsgInputError});
    type_into(f.box(P::kName), "擁壁");
    type_into(f.box(P::kSaturated), "20.12345");
    type_into(f.box(P::kWet), "18");
    EXPECT_EQ(f.box(P::kSaturated)->text().toStdString(), "20.123");  // rewritten on leaving
    type_into(f.box(P::kSubmerged), "10");
    type_into(f.box(P::kRefX), "5");
    // Counter-clockwise: (0, 0), (3, 0), (0, 2).
    type_cell(f.vertex_table(), 2, 1, "3", "3.000");
    type_cell(f.vertex_table(), 3, 2, "2", "2.000");
    EXPECT_EQ(f.vertex_table()->cell(3, 0).toStdString(), "3");
    // The number column is not the user's, also in a row not filled yet.
    f.vertex_table()->setCurrentCell(9, 0);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), f.vertex_table());
    keys(f.vertex_table(), "7");
    EXPECT_EQ(f.vertex_table()->cell(10, 0).toStdString(), "");
    EXPECT_EQ(editor.work_vertex_count, 3);
    // The preview: scale min(0.8 x 5700 / 3, 0.8 x 5100 / 2) = 1520 twips/m, left = 1.5 - 2850 /
    // 1520 = -0.375 m, so the edge from (0, 0) to (0, 2) runs down x = 570 twips = 38 px, from
    // 1030 to 4070 twips (69 to 271 px); the rest is black.
    const QImage pic = f.preview()->grab().toImage();
    EXPECT_EQ(pic.pixelColor(38, 170), QColor(255, 255, 255));
    EXPECT_EQ(pic.pixelColor(100, 170), QColor(0, 0, 0));
    EXPECT_EQ(pic.pixelColor(38, 300), QColor(0, 0, 0));
    QTest::mouseClick(f.finish_button(), Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
  });
  dialogs.polygon({6, true});
  ASSERT_EQ(ui.count(Shown::What::Dialog), 1);
  EXPECT_EQ(ui.shown[0].title, "polygon_block_dialog");
  EXPECT_EQ(boxes(), (std::vector<std::string>{dialogs::kMsgInputError,
                                               model::kMsgCounterClockwise}));
  for (const Shown& s : ui.shown)
    if (s.what == Shown::What::Box) {
      EXPECT_EQ(s.icon, model::MessageIcon::Exclamation);
      EXPECT_EQ(s.title, model::kAppTitle);
    }
  const model::PolygonShape& p = m->wall_blocks[6].polygon;
  EXPECT_EQ(m->wall_blocks[6].block_type, model::BLOCK_POLYGON);
  EXPECT_EQ(p.head.name, "擁壁");
  EXPECT_EQ(p.head.unit_weights[2], 20.123);
  EXPECT_EQ(p.head.ref_x, 5);
  EXPECT_EQ(p.vertex_count, 3);
  EXPECT_EQ(p.vertex_y[1], 2);  // stored clockwise
  EXPECT_EQ(p.vertex_x[2], 3);
  EXPECT_EQ(m->block_label_numbers[6], 6);
}

TEST_F(BlockDialogsTest, PolygonCancelledAndTitleBarClosed) {
  for (bool by_button : {true, false}) {
    ui.shown.clear();
    when_shown([&](QDialog& d) {
      auto& f = dynamic_cast<dialogs::PolygonBlockDialogWidget&>(d);
      type_into(f.box(P::kSaturated), "20");
      if (by_button) {
        QTest::mouseClick(f.cancel_button(), Qt::LeftButton);
        EXPECT_FALSE(f.isVisible());
      }
    });
    dialogs.polygon({2, true});
    EXPECT_EQ(ui.count(Shown::What::Dialog), 1);
    EXPECT_EQ(m->wall_blocks[2].block_type, model::BLOCK_EMPTY);
    EXPECT_TRUE(boxes().empty());
  }
}

TEST_F(BlockDialogsTest, PolygonOfMoreThanAHundredVerticesIsNotOpened) {
  m->wall_blocks[0].block_type = model::BLOCK_POLYGON;
  m->wall_blocks[0].polygon.vertex_count = 118;
  dialogs.polygon({0, false});
  EXPECT_EQ(ui.count(Shown::What::Dialog), 0);
  EXPECT_EQ(boxes(), std::vector<std::string>{dialogs::kMsgTooManyVertices});
  EXPECT_EQ(m->wall_blocks[0].polygon.vertex_count, 118);
}

TEST_F(BlockDialogsTest, RectangleRegisteredThenEdited) {
  when_shown([&](QDialog& d) {
    auto& f = dynamic_cast<dialogs::RectangleBlockDialogWidget&>(d);
    EXPECT_EQ(f.windowTitle().toStdString(), "矩形形状ブロックの詳細設定");
    QTest::mouseClick(f.finish_button(), Qt::LeftButton);
    EXPECT_TRUE(f.isVisible());
    const char* texts[] = {"壁", "20", "18", "10", "3", "2", "10", "-5"};
    for (int i = 0; i < R::kBoxCount; ++i)
      type_into(f.box(static_cast<R::Box>(i)), QString::fromUtf8(texts[i]));
    QTest::mouseClick(f.finish_button(), Qt::LeftButton);
  });
  dialogs.rectangle({1, true});
  EXPECT_FALSE(dialog_open_after);
  EXPECT_EQ(boxes(), std::vector<std::string>{"飽和重量入力に誤りがあります。"});
  const model::PolygonShape& p = m->wall_blocks[1].polygon;
  EXPECT_EQ(m->wall_blocks[1].block_type, model::BLOCK_RECTANGLE);
  EXPECT_EQ(p.vertex_x[12], 13);
  EXPECT_EQ(p.vertex_y[12], -3);
  EXPECT_EQ(p.head.label_x, 11.5);

  when_shown([&](QDialog& d) {
    auto& f = dynamic_cast<dialogs::RectangleBlockDialogWidget&>(d);
    EXPECT_EQ(f.box(R::kRefX)->text().toStdString(), "10.000");
    type_into(f.box(R::kRefX), "2.5e1");
    type_into(f.box(R::kName), "壁2");
    EXPECT_EQ(f.box(R::kRefX)->text().toStdString(), "25.000");
    QTest::mouseClick(f.finish_button(), Qt::LeftButton);
  });
  dialogs.rectangle({1, false});
  EXPECT_EQ(p.head.ref_x, 25);
  EXPECT_EQ(p.head.label_x, 26.5);
  EXPECT_EQ(p.head.name, "壁2");
}

TEST_F(BlockDialogsTest, LayerRegisteredFocusOrderAndTitleBarClose) {
  const dialogs::LayerDialogRequest request{
      0, false, {"0.000", "0.000", "20.000", "-25.000", "-25.000"}};
  when_shown([&](QDialog& d) {
    auto& f = dynamic_cast<dialogs::LayerBlockDialogWidget&>(d);
    EXPECT_EQ(f.windowTitle().toStdString(), "改良土層");
    EXPECT_EQ(QApplication::focusWidget(), f.box(L::kName));
    // The tab order of the boxes and buttons; the bottoms take no focus.
    std::vector<std::string> order;
    QWidget* w = f.box(L::kName);
    for (int k = 0; k < 8; ++k) {
      order.push_back(w->objectName().toStdString());
      do w = w->nextInFocusChain();
      while (!(w->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(order, (std::vector<std::string>{"name", "sea_top", "land_top", "saturated", "wet",
                                               "submerged", "finish", "cancel"}));
    EXPECT_TRUE(f.box(L::kSeaBottom)->isReadOnly());
    EXPECT_EQ(f.box(L::kSeaBottom)->text().toStdString(), "-25.000");
    EXPECT_EQ(f.box(L::kSeaTop)->maxLength(), 10);
    type_into(f.box(L::kSeaTop), "-10");
    type_into(f.box(L::kLandTop), "-10");
    // Closed from the title bar: nothing is stored.
  });
  dialogs.layer(request);
  EXPECT_EQ(m->wall_blocks[0].block_type, model::BLOCK_EMPTY);

  when_shown([&](QDialog& d) {
    auto& f = dynamic_cast<dialogs::LayerBlockDialogWidget&>(d);
    type_into(f.box(L::kName), "改良体");
    type_into(f.box(L::kSeaTop), "-10");
    type_into(f.box(L::kLandTop), "-10");
    for (L::Box b : {L::kSaturated, L::kWet, L::kSubmerged}) type_into(f.box(b), "18");
    QTest::mouseClick(f.finish_button(), Qt::LeftButton);
  });
  dialogs.layer(request);
  EXPECT_FALSE(dialog_open_after);
  EXPECT_EQ(m->wall_blocks[0].block_type, model::BLOCK_SOIL_RECTANGLE);
  EXPECT_EQ(m->wall_blocks[0].polygon.vertex_y[0], 15);
  EXPECT_EQ(m->wall_blocks[0].polygon.head.name, "改良体");

  // A second layer whose top lies above the first is refused, and cancel leaves all as it was.
  when_shown([&](QDialog& d) {
    auto& f = dynamic_cast<dialogs::LayerBlockDialogWidget&>(d);
    type_into(f.box(L::kSeaTop), "-9");
    for (L::Box b : {L::kSaturated, L::kWet, L::kSubmerged}) type_into(f.box(b), "18");
    QTest::mouseClick(f.finish_button(), Qt::LeftButton);
    EXPECT_TRUE(f.isVisible());
    QTest::mouseClick(f.cancel_button(), Qt::LeftButton);
  });
  dialogs.layer({1, false, request.body_texts});
  EXPECT_FALSE(dialog_open_after);
  EXPECT_EQ(boxes(), std::vector<std::string>{dialogs::kMsgTopError});
  EXPECT_EQ(m->wall_blocks[1].block_type, model::BLOCK_EMPTY);
  EXPECT_EQ(m->wall_blocks[0].polygon.vertex_y[0], 15);
}

// Not a check: with QVT_DOCS_DIR set, saves the pictures of the three dialogs the documentation
// shows, on the shipped block sample.
TEST_F(BlockDialogsTest, Screenshots) {
  const QByteArray docs = qgetenv("QVT_DOCS_DIR");
  if (docs.isEmpty()) GTEST_SKIP() << "QVT_DOCS_DIR not set";
  model::testing::Recorder rec;
  const std::string base =
      (std::filesystem::path(QVT_SOURCE_DIR) / "data" / "samples" / "sample_block_rectangle_sand").string();
  ASSERT_TRUE(model::load_project_files(base, *m, rec));
  auto save = [&](const char* name) {
    ui.on_dialog = [&docs, name](QDialog& d) {
      d.show();
      QApplication::processEvents();
      ASSERT_TRUE(d.grab().save(QString::fromLocal8Bit(docs) + "/" + name));
    };
  };
  // A stepped wall block of five vertices, typed into the table.
  ui.on_dialog = [&docs](QDialog& d) {
    auto& f = dynamic_cast<dialogs::PolygonBlockDialogWidget&>(d);
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    type_into(f.box(P::kName), QStringLiteral("上部工"));
    const char* values[] = {"24", "24", "13.9", "0", "-10"};
    for (int i = P::kSaturated; i <= P::kRefY; ++i)
      type_into(f.box(static_cast<P::Box>(i)), QString::fromUtf8(values[i - P::kSaturated]));
    const char* rows[][2] = {{"0", "0"}, {"0", "13"}, {"3", "13"}, {"3", "6"}, {"6", "0"}};
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 2; ++c)
        type_cell(f.vertex_table(), r + 1, c + 1, QString::fromUtf8(rows[r][c]),
                  QString::fromUtf8(rows[r][c]) + QStringLiteral(".000"));
    f.box(P::kName)->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(f.grab().save(QString::fromLocal8Bit(docs) + "/dialog-polygon.png"));
  };
  dialogs.polygon({2, true});
  save("dialog-rectangle.png");
  dialogs.rectangle({0, false});
  save("dialog-layer.png");
  const model::ImprovedBodyDims& b = m->conditions.body_dims;
  dialogs.layer({1, true,
                 {model::format_pattern(b.ref_x, "###0.000"), model::format_pattern(b.ref_y, "###0.000"),
                  model::format_pattern(b.width, "###0.000"), model::format_pattern(b.dh1, "###0.000"),
                  model::format_pattern(b.dh2, "###0.000")}});
}

}  // namespace
}  // namespace qvt::shell
