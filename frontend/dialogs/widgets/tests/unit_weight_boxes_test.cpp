// The unit weight boxes of the three block dialogs take what a block can weigh, above 0 (at the
// millimetre the boxes show) and up to the table's limit: a value no material has goes back to
// the box's previous text where it is typed, with the notice the pages' boxes give, and never
// reaches "終了". A text that is not a number, "12abc" as much as "１２", goes back as well.
#include "frontend/dialogs/dialog_texts.h"
#include "frontend/dialogs/widgets/layer_block_dialog_widget.h"
#include "frontend/dialogs/widgets/polygon_block_dialog_widget.h"
#include "frontend/dialogs/widgets/rectangle_block_dialog_widget.h"
#include "frontend/model/tests/model_test_support.h"
#include "frontend/widgets/text_box_focus.h"

#include "frontend/dialogs/widgets/tests/widget_test_app.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qvt::dialogs {
namespace {

using R = RectangleBlockDialog;
using P = PolygonBlockDialog;
using L = LayerBlockDialog;

void key(QWidget* w, int k, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
  QApplication::sendEvent(w, &press);
  QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, text);
  QApplication::sendEvent(w, &release);
}

// Gives `box` the focus, types `typed` over its whole text (nullptr: types nothing, "": empties
// it) and leaves it for `next`, as a person does.
void enter(QLineEdit* box, QLineEdit* next, const char* typed) {
  box->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(box->hasFocus()) << box->objectName().toStdString();
  if (typed != nullptr) {
    box->selectAll();
    if (*typed == '\0') key(box, Qt::Key_Backspace);
    for (QChar c : QString::fromUtf8(typed)) key(box, Qt::Key_unknown, QString(c));
  }
  next->setFocus();
  QApplication::processEvents();
  QApplication::processEvents();  // the notice follows the focus
}

struct Entry {
  const char* typed;
  const char* shown;   // the box's text once it is left
  const char* notice;  // the status line's last text; "" for none
};

// Each row leaves the box as the row before left it; the box opens on 0.000 (a new block).
const std::vector<Entry> kEntries = {
    {nullptr, "0.000", ""},  // left as found: nothing to go back to, nothing said
    {"-18", "0.000", widgets::kMsgOutOfRange},
    {"0", "0.000", widgets::kMsgOutOfRange},
    {"1e-320", "0.000", widgets::kMsgOutOfRange},  // below the 0.001 the box shows
    {"0.0004", "0.000", widgets::kMsgOutOfRange},
    {"18", "18.000", ""},
    {"100.001", "18.000", widgets::kMsgOutOfRange},
    {"", "18.000", widgets::kMsgOutOfRange},  // an empty box reads as 0
    {"12abc", "18.000", widgets::kMsgNotANumber},
    {"１２", "18.000", widgets::kMsgNotANumber},
    {"0.001", "0.001", ""},
    {"100", "100.000", ""},
};

class UnitWeightBoxes : public ::testing::Test {
 protected:
  UnitWeightBoxes() {
    testing::app();
    widgets::TextBoxFocus::set_status_line([this](const std::string& s) { notices.push_back(s); });
  }
  ~UnitWeightBoxes() override { widgets::TextBoxFocus::set_status_line({}); }

  // Runs the entries through each unit weight box of a shown dialog; `box(i)` is its box i.
  void check(QDialog& dialog, const std::function<QLineEdit*(int)>& box, const char* what,
             int saturated, int wet, int submerged, int name) {
    dialog.show();
    dialog.activateWindow();
    QApplication::processEvents();
    for (int b : {saturated, wet, submerged}) {
      for (const Entry& e : kEntries) {
        SCOPED_TRACE(std::string(what) + " box " + std::to_string(b) + " typed " +
                     (e.typed ? e.typed : "nothing"));
        notices.clear();
        enter(box(b), box(name), e.typed);
        EXPECT_EQ(box(b)->text().toStdString(), e.shown);
        EXPECT_EQ(notices.empty() ? std::string() : notices.back(), e.notice);
      }
    }
    dialog.close();
  }

  std::vector<std::string> notices;
  std::unique_ptr<model::ProjectModel> m = model::testing::new_project();
  model::testing::Recorder messages;
  section::EditorState editor;
};

TEST_F(UnitWeightBoxes, RectangleDialog) {
  RectangleBlockDialog presenter(*m, messages, {0, true});
  ASSERT_TRUE(presenter.load());
  RectangleBlockDialogWidget w(nullptr, presenter);
  check(w, [&w](int b) { return w.box(static_cast<R::Box>(b)); }, "rectangle", R::kSaturated,
        R::kWet, R::kSubmerged, R::kName);
  EXPECT_EQ(presenter.boxes[R::kSaturated], "100.000");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(UnitWeightBoxes, PolygonDialog) {
  PolygonBlockDialog presenter(*m, editor, messages, {0, true});
  ASSERT_TRUE(presenter.load());
  PolygonBlockDialogWidget w(nullptr, presenter);
  check(w, [&w](int b) { return w.box(static_cast<P::Box>(b)); }, "polygon", P::kSaturated,
        P::kWet, P::kSubmerged, P::kName);
  EXPECT_EQ(presenter.boxes[P::kSubmerged], "100.000");
}

TEST_F(UnitWeightBoxes, LayerDialog) {
  LayerDialogRequest request;
  request.slot = 0;
  request.body_texts = {"0.000", "-10.000", "10.000", "-15.000", "-15.000"};
  LayerBlockDialog presenter(*m, editor, messages, request);
  ASSERT_TRUE(presenter.load());
  LayerBlockDialogWidget w(nullptr, presenter);
  check(w, [&w](int b) { return w.box(static_cast<L::Box>(b)); }, "layer", L::kSaturated,
        L::kWet, L::kSubmerged, L::kName);
  EXPECT_EQ(presenter.boxes[L::kWet], "100.000");
}

}  // namespace
}  // namespace qvt::dialogs
