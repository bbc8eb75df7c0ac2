// A value that a box refuses leaves the project exactly as it was. Each case opens a shipped
// sample in the main window, types the value into a box as a person does and leaves the box with
// Tab (a box of a block dialog: presses 終了, then 取消), saves, and finds both saved files equal
// to the sample, byte for byte; the refusal is said in the status bar or in a message box.
//
// Every message box is a real modal box here, closed as soon as it is shown: it takes the focus
// from the box the Tab was moving to, as the user's box does, so the focus changes arrive at the
// pages in the order they arrive for the user.
#include "frontend/dialogs/dialog_texts.h"
#include "frontend/dialogs/widgets/layer_block_dialog_widget.h"
#include "frontend/dialogs/widgets/polygon_block_dialog_widget.h"
#include "frontend/dialogs/widgets/rectangle_block_dialog_widget.h"
#include "frontend/model/folders.h"
#include "frontend/model/soil_layers.h"
#include "frontend/pages/improved_layers.h"
#include "frontend/pages/widgets/improved_body_view.h"
#include "frontend/pages/widgets/superstructure_view.h"
#include "frontend/shell/input_pages.h"
#include "frontend/shell/main_window.h"
#include "frontend/shell/section_view.h"
#include "frontend/shell/tests/shell_test_support.h"
#include "frontend/widgets/text_box_focus.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace qvt::shell::testing {
namespace {

namespace fs = std::filesystem;

using pages::BodyBox;
using pages::form_box;
using L = dialogs::LayerBlockDialog;
using P = dialogs::PolygonBlockDialog;
using R = dialogs::RectangleBlockDialog;

// Where the value is typed: a body box or a wall-form box of the page "改良体", or a box of the
// dialog that editing a block on the picture opens (a wall block's from the page "上部工", an
// improved-soil block's from the page "改良体").
enum class Target { body, form, rectangle, polygon, layer };

struct RefusedCase {
  const char* sample;
  Target target;
  int box;  // BodyBox, form_box(), or the dialog's Box
  const char* typed;
  const char* said;  // the status bar's notice, or the text of the message box
};

// Each sample's body: X 0, its soil block from -15 up to -10, Dh1 = Dh2 = -15; B 18 in the wall
// and lattice samples, 16 in the others.
const char* const kWall = "sample_wall_caisson_clay";
const char* const kBlock = "sample_block_rectangle_sand";
const char* const kLattice = "sample_lattice_block_clay";
const char* const kCircle = "sample_circle_counterfort_sand";

const RefusedCase kCases[] = {
    // The width must be positive while the body has soil blocks.
    {kWall, Target::body, pages::kBoxB, "-5", widgets::kMsgOutOfRange},
    {kWall, Target::body, pages::kBoxB, "0", widgets::kMsgOutOfRange},
    {kBlock, Target::body, pages::kBoxB, "-5", widgets::kMsgOutOfRange},
    {kLattice, Target::body, pages::kBoxB, "0", widgets::kMsgOutOfRange},
    {kCircle, Target::body, pages::kBoxB, "-1", widgets::kMsgOutOfRange},
    // Unreadable or beyond any box.
    {kWall, Target::body, pages::kBoxB, "abc", widgets::kMsgNotANumber},
    {kWall, Target::body, pages::kBoxB, "1e999", widgets::kMsgOutOfRange},
    {kWall, Target::body, pages::kBoxX, "abc", widgets::kMsgNotANumber},
    {kWall, Target::body, pages::kBoxDh1, "x", widgets::kMsgNotANumber},
    // A bottom at or above the body's top (-10).
    {kWall, Target::body, pages::kBoxDh1, "0", pages::kMsgAboveBodyTop},
    {kWall, Target::body, pages::kBoxDh1, "-5", pages::kMsgAboveBodyTop},
    {kWall, Target::body, pages::kBoxDh2, "-10", pages::kMsgAboveBodyTop},
    {kBlock, Target::body, pages::kBoxDh2, "3", pages::kMsgAboveBodyTop},
    // The wall and lattice forms' dimensions.
    {kWall, Target::form, form_box(pages::kWallForm, pages::kLs), "abc", widgets::kMsgNotANumber},
    {kLattice, Target::form, form_box(pages::kLatticeForm, pages::kBl1), "1e999",
     widgets::kMsgOutOfRange},
    // The block dialogs: refused at 終了, or gone back in the box (終了 then takes the block as
    // it was).
    {kWall, Target::rectangle, R::kWidth, "-5", "横断方向入力に誤りがあります。"},
    {kWall, Target::rectangle, R::kWidth, "abc", widgets::kMsgNotANumber},
    {kWall, Target::polygon, P::kRefX, "1e999", widgets::kMsgOutOfRange},
    // A layer's top below the improvement bottom (-15).
    {kBlock, Target::layer, L::kSeaTop, "-20", dialogs::kMsgTopError},
};

class RefusedEntryTest : public ShellTest {
 protected:
  RefusedEntryTest() {
    model::prepare_work_folder(install(), work());
    window = std::make_unique<MainWindow>(ui, install(), work(), "", false);
    window->load();
    window->show();
    // A box shown while the focus moves takes it, as the user's modal box does.
    ui.on_box = [](const Shown&) {
      QMessageBox box(QApplication::activeWindow());
      QTimer::singleShot(0, &box, &QMessageBox::accept);
      box.exec();
    };
  }

  // Opens a copy of the shipped sample `name` kept in `folder`.
  void open_copy(const char* name, const fs::path& folder) {
    fs::create_directories(folder);
    for (const char* ext : {".MSJ", ".MBJ"})
      fs::copy_file(shipped(name, ext), folder / (std::string(name) + ext));
    ui.files.push_back(QString::fromStdString((folder / name).string() + ".MSJ"));
    window->open_project();
    ui.shown.clear();
  }
  static fs::path shipped(const char* name, const char* ext) {
    return fs::path(QVT_SOURCE_DIR) / "data" / "samples" / (std::string(name) + ext);
  }

  // Clicks the left button at a world point of the section picture.
  void click_picture(double x, double y) {
    const section::ViewState& v = window->view().picture().view();
    const QPointF at((x - v.left_x) * v.scale / 15, (v.top_y - y) * v.scale / 15);
    QWidget* pic = window->view().picture_widget();
    QMouseEvent e(QEvent::MouseButtonPress, at, pic->mapToGlobal(at), Qt::LeftButton,
                  Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pic, &e);
  }

  // Types `text` over the whole text of `box` and leaves it with Tab.
  static void type_and_tab(QLineEdit* box, const char* text) {
    // The window a message box has given back the focus to, as the window system does.
    box->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(box->window()));
    box->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(box->hasFocus()) << box->objectName().toStdString();
    box->selectAll();
    QTest::keyClicks(box, QString::fromUtf8(text));
    QTest::keyClick(box, Qt::Key_Tab);
    QApplication::processEvents();
  }

  // Opens the dialog of the first block of `type` by the picture's edit operation, types into
  // its box `box` and presses 終了; a dialog that stays open is closed with 取消.
  template <typename Widget, typename Box>
  void edit_block(int page, int operation, bool (*is_type)(const model::WallBlock&), int box,
                  const char* text) {
    window->findChild<QRadioButton*>(QStringLiteral("category_%1").arg(page))->click();
    QApplication::processEvents();
    QRadioButton* option = page == 1
        ? window->pages().superstructure_view().operation_option(operation)
        : window->pages().improved_body_view().operation_option(operation);
    option->click();
    int slot = 0;
    while (slot < model::MAX_WALL_BLOCKS && !is_type(window->model().wall_blocks[slot])) ++slot;
    ASSERT_LT(slot, model::MAX_WALL_BLOCKS);
    const model::BlockHead& h = window->model().wall_blocks[slot].polygon.head;
    bool shown = false;
    ui.on_dialog = [&](QDialog& d) {
      shown = true;
      auto& f = dynamic_cast<Widget&>(d);
      d.show();
      d.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
      type_and_tab(f.box(static_cast<Box>(box)), text);
      QTest::mouseClick(f.finish_button(), Qt::LeftButton);
      if (d.isVisible()) QTest::mouseClick(f.cancel_button(), Qt::LeftButton);
      EXPECT_FALSE(d.isVisible());
    };
    click_picture(h.label_x, h.label_y);  // selects the block
    click_picture(h.label_x, h.label_y);  // opens its dialog
    ui.on_dialog = nullptr;
    EXPECT_TRUE(shown);
  }

  std::unique_ptr<MainWindow> window;
};

bool is_rectangle(const model::WallBlock& b) { return b.block_type == model::BLOCK_RECTANGLE; }
bool is_polygon(const model::WallBlock& b) { return b.block_type == model::BLOCK_POLYGON; }
bool is_layer(const model::WallBlock& b) { return model::is_soil_layer(b); }

TEST_F(RefusedEntryTest, ARefusedValueLeavesTheSavedProjectAsItWas) {
  int n = 0;
  for (const RefusedCase& c : kCases) {
    SCOPED_TRACE(std::string(c.sample) + " target " + std::to_string(static_cast<int>(c.target)) +
                 " box " + std::to_string(c.box) + " typed " + c.typed);
    const fs::path folder = path("case" + std::to_string(n++));
    open_copy(c.sample, folder);

    pages::ImprovedBodyView& body = window->pages().improved_body_view();
    QLineEdit* box = nullptr;
    QString before;
    switch (c.target) {
      case Target::body:
      case Target::form:
        window->findChild<QRadioButton*>(QStringLiteral("category_2"))->click();
        body.inner_tabs()->setCurrentIndex(c.target == Target::body ? 0 : 1);
        QApplication::processEvents();
        box = c.target == Target::body ? body.body_box(static_cast<BodyBox>(c.box))
                                       : body.form_box_edit(c.box);
        before = box->text();
        type_and_tab(box, c.typed);
        EXPECT_EQ(box->text(), before) << "the box keeps its value";
        break;
      case Target::rectangle:
        edit_block<dialogs::RectangleBlockDialogWidget, R::Box>(1, section::kEditWallBlock,
                                                                is_rectangle, c.box, c.typed);
        break;
      case Target::polygon:
        edit_block<dialogs::PolygonBlockDialogWidget, P::Box>(1, section::kEditWallBlock,
                                                              is_polygon, c.box, c.typed);
        break;
      case Target::layer:
        edit_block<dialogs::LayerBlockDialogWidget, L::Box>(2, section::kEditSoilBlock, is_layer,
                                                            c.box, c.typed);
        break;
    }
    const std::string panel = window->view().prompt_label()->text().toStdString();
    const std::vector<std::string> boxes = ui.box_texts();
    if (c.said == std::string(widgets::kMsgOutOfRange) ||
        c.said == std::string(widgets::kMsgNotANumber)) {
      EXPECT_EQ(panel, c.said);
      EXPECT_TRUE(boxes.empty()) << boxes.front();
    } else {
      EXPECT_EQ(boxes, std::vector<std::string>{c.said});
    }
    ASSERT_TRUE(window->save_project());
    for (const char* ext : {".MSJ", ".MBJ"}) {
      const auto saved = read_file_bytes(folder / (std::string(c.sample) + ext));
      const auto original = read_file_bytes(shipped(c.sample, ext));
      ASSERT_TRUE(saved && original) << ext;
      EXPECT_TRUE(*saved == *original) << ext << " changed";
    }
  }
}

// The message box of a refused bottom takes the focus from the box the Tab was moving to, the
// other bottom, while the two bottoms differ: the sea side cut to -12, then 0 refused. The body
// keeps its cut, its land side still down to -15 (sample: top -10, both bottoms -15).
TEST_F(RefusedEntryTest, ARefusedBottomLeavesTheOtherBottomAsItWas) {
  open_copy(kWall, path("cut"));
  window->findChild<QRadioButton*>(QStringLiteral("category_2"))->click();
  QApplication::processEvents();
  QLineEdit* dh1 = window->pages().improved_body_view().body_box(pages::kBoxDh1);
  type_and_tab(dh1, "-12");
  type_and_tab(dh1, "0");
  EXPECT_EQ(dh1->text(), QStringLiteral("-12.000"));
  EXPECT_EQ(ui.box_texts(), std::vector<std::string>{pages::kMsgAboveBodyTop});
  ASSERT_TRUE(window->save_project());
  const model::ProjectModel& m = window->model();
  ASSERT_TRUE(model::is_soil_layer(m.wall_blocks[1]));
  const model::LayerLevels lv = model::layer_levels(m.wall_blocks[1]);
  EXPECT_EQ(lv.sea_top, -10);
  EXPECT_EQ(lv.land_top, -10);
  EXPECT_EQ(lv.sea_bottom, -12);
  EXPECT_EQ(lv.land_bottom, -15);
  EXPECT_EQ(m.conditions.body_dims.dh1, -12);
  EXPECT_EQ(m.conditions.body_dims.dh2, -15);
  EXPECT_EQ(m.conditions.body_dims.width, 18);
}

}  // namespace
}  // namespace qvt::shell::testing
