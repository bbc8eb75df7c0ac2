#include "frontend/widgets/text_box_focus.h"

#include "frontend/widgets/tests/offscreen_app.h"

#include <QDialog>
#include <QLineEdit>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace qvt::widgets {
namespace {

using namespace testing;

TEST(TextBoxFocus, AClickSelectsTheWholeTextAndFocusChangesAreReported) {
  app();
  QWidget w;
  auto* layout = new QVBoxLayout(&w);
  auto* a = new QLineEdit(QStringLiteral("123.456"), &w);
  auto* b = new QLineEdit(QStringLiteral("x"), &w);
  layout->addWidget(a);
  layout->addWidget(b);
  std::vector<std::string> seen;
  TextBoxFocus::attach(a, BoxKind::number, [&] { seen.push_back("in"); },
                       [&] { seen.push_back("out"); });
  show_active(w);
  b->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(b->hasFocus()) << "the offscreen window did not take the focus";
  seen.clear();  // the first box had the focus when the window was shown

  // The press places the cursor where it falls; the whole text is selected all the same.
  click(a, QPoint(a->width() / 2, a->height() / 2));
  EXPECT_TRUE(a->hasFocus());
  EXPECT_EQ(a->selectedText().toStdString(), "123.456");
  // Typing replaces the text.
  type_text(a, QStringLiteral("7"));
  EXPECT_EQ(a->text().toStdString(), "7");
  key(a, Qt::Key_Tab);
  QApplication::processEvents();
  EXPECT_TRUE(b->hasFocus());
  EXPECT_EQ(seen, (std::vector<std::string>{"in", "out"}));
}

// Leaving a number box: a number the box's field holds stands; a text that is not a number
// ("3m" included), or a number the field cannot hold or the box's further rule refuses, goes back
// to the text the box had when it got the focus, through textEdited before the box's own
// focus-out step, and the status line says why. A box left with the text it had says nothing,
// even where that text lies beyond the range. A text box keeps whatever was typed.
TEST(TextBoxFocus, ANumberBoxWithoutANumberGoesBack) {
  app();
  constexpr double kAny = model::kAnyNumber;
  struct Case {
    BoxKind kind;
    const char* typed;
    double highest;
    const char* after;
    const char* notice;
    double rule_highest = kAny;  // the further rule takes values up to this
  } cases[] = {
      {BoxKind::number, "abc", kAny, "0.600", kMsgNotANumber},
      {BoxKind::number, "3m", kAny, "0.600", kMsgNotANumber},
      {BoxKind::number, "3", kAny, "3", ""},
      {BoxKind::number, "0.600", 0.5, "0.600", ""},
      {BoxKind::number, "5", kAny, "0.600", kMsgOutOfRange, 4},
      {BoxKind::number, "4", kAny, "4", "", 4},
      {BoxKind::number, "", kAny, "", ""},
      {BoxKind::number, "-", kAny, "0.600", kMsgNotANumber},
      {BoxKind::number, "1e999", kAny, "0.600", kMsgOutOfRange},
      {BoxKind::number, "-1e999", kAny, "0.600", kMsgOutOfRange},
      {BoxKind::number, "200000", model::kBoxLimit, "0.600", kMsgOutOfRange},
      {BoxKind::number, "-100000", model::kBoxLimit, "-100000", ""},
      {BoxKind::number, "40000", model::kI16Highest, "0.600", kMsgOutOfRange},
      {BoxKind::number, "32767", model::kI16Highest, "32767", ""},
      {BoxKind::text, "abc", kAny, "abc", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    QWidget w;
    auto* layout = new QVBoxLayout(&w);
    auto* a = new QLineEdit(QStringLiteral("0.600"), &w);
    auto* b = new QLineEdit(&w);
    layout->addWidget(a);
    layout->addWidget(b);
    std::vector<std::string> seen;
    QObject::connect(a, &QLineEdit::textEdited,
                     [&](const QString& t) { seen.push_back("edited " + t.toStdString()); });
    TextBoxFocus* focus = TextBoxFocus::attach(
        a, c.kind, {}, [&] { seen.push_back("out " + a->text().toStdString()); });
    // kBoxLimit rows leave the box with the range every number box has until told otherwise.
    if (c.highest != model::kBoxLimit) focus->set_range(-c.highest, c.highest);
    if (c.rule_highest != kAny)
      focus->set_rule([limit = c.rule_highest](double v) { return v <= limit; });
    std::string shown;
    TextBoxFocus::set_status_line([&](const std::string& t) { shown = t; });
    show_active(w);
    a->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(a->hasFocus());
    a->selectAll();
    if (*c.typed)
      type_text(a, QString::fromUtf8(c.typed));
    else
      key(a, Qt::Key_Backspace);
    seen.clear();
    b->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(a->text().toStdString(), c.after);
    if (*c.notice)
      EXPECT_EQ(seen, (std::vector<std::string>{"edited 0.600", "out 0.600"}));
    else
      EXPECT_EQ(seen, (std::vector<std::string>{"out " + std::string(c.after)}));
    EXPECT_EQ(shown, c.notice);
    TextBoxFocus::set_status_line({});
  }
}

// The notice stays while the user moves through the boxes and goes at the next valid entry;
// opening another project clears it too (clear_notice), and a clear with no notice showing
// leaves the status line alone.
TEST(TextBoxFocus, TheNoticeGoesAtTheNextValidEntry) {
  app();
  QWidget w;
  auto* layout = new QVBoxLayout(&w);
  auto* a = new QLineEdit(QStringLiteral("1.000"), &w);
  auto* b = new QLineEdit(QStringLiteral("2.000"), &w);
  layout->addWidget(a);
  layout->addWidget(b);
  TextBoxFocus::attach(a, BoxKind::number);
  TextBoxFocus::attach(b, BoxKind::number);
  std::vector<std::string> lines;
  TextBoxFocus::set_status_line([&](const std::string& t) { lines.push_back(t); });
  show_active(w);
  auto enter = [&](QLineEdit* box, const char* typed, QLineEdit* next) {
    box->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(box->hasFocus());
    if (*typed) {
      box->selectAll();
      type_text(box, QString::fromUtf8(typed));
    }
    next->setFocus();
    QApplication::processEvents();
  };
  enter(a, "1e999", b);
  EXPECT_EQ(lines, (std::vector<std::string>{kMsgOutOfRange}));
  enter(b, "", a);  // passing through without an entry
  enter(a, "", b);
  EXPECT_EQ(lines.size(), 1u);
  enter(b, "5", a);
  EXPECT_EQ(b->text().toStdString(), "5");
  EXPECT_EQ(lines, (std::vector<std::string>{kMsgOutOfRange, ""}));
  enter(b, "7", a);  // nothing showing: nothing to clear
  EXPECT_EQ(lines.size(), 2u);
  enter(a, "x", b);
  TextBoxFocus::clear_notice();
  EXPECT_EQ(lines, (std::vector<std::string>{kMsgOutOfRange, "", kMsgNotANumber, ""}));
  TextBoxFocus::set_status_line({});
}

// A window destroyed while shown hides itself in QWidget's destructor, after its own members
// are gone; the focus-out of that hide must reach no handler once the window has let its boxes
// go, and does reach one that has not (which is why the dialogs let them go).
TEST(TextBoxFocus, AWindowThatLetsItsBoxesGoRunsNoHandlerWhileItIsDestroyed) {
  app();
  struct Window : QDialog {
    bool let_go;
    explicit Window(bool let_go) : let_go(let_go) {}
    ~Window() override {
      if (let_go) TextBoxFocus::detach_all(this);
    }
  };
  for (bool let_go : {true, false}) {
    SCOPED_TRACE(let_go);
    int lost = 0;
    {
      Window w(let_go);
      auto* layout = new QVBoxLayout(&w);
      auto* box = new QLineEdit(QStringLiteral("1.000"), &w);
      layout->addWidget(box);
      layout->addWidget(new QLineEdit(&w));
      TextBoxFocus::attach(box, kNumberBox, {}, [&] { ++lost; });
      show_active(w);
      box->setFocus();
      QApplication::processEvents();
      ASSERT_TRUE(box->hasFocus());
    }
    EXPECT_EQ(lost, let_go ? 0 : 1);
  }
}

// Whether a right-aligned box shows the whole of its text, as the box itself paints it: moved to
// the end (which scrolls a text too long for the box) and back to the start, the start of the text
// stands where it stood after a paint at the start.
bool shows_whole_text(QLineEdit& box) {
  auto start_x = [&box] { return box.inputMethodQuery(Qt::ImCursorRectangle).toRect().x(); };
  box.end(false);
  box.grab();
  box.setCursorPosition(0);
  const int after_end = start_x();
  box.grab();
  return start_x() == after_end;
}

// A number box widened to its range shows the whole of the widest value it accepts, with the
// decimals it is fitted for, and follows a change of its font or of its range; it never narrows,
// keeps a wider width of its own, and a text box is left alone.
TEST(TextBoxFocus, ANumberBoxIsAsWideAsItsWidestValue) {
  app();
  QWidget w;
  auto* layout = new QVBoxLayout(&w);
  auto* box = new QLineEdit(&w);
  auto* name = new QLineEdit(&w);
  for (QLineEdit* e : {box, name}) {
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(60);
    layout->addWidget(e);
  }
  TextBoxFocus* f = TextBoxFocus::attach(box, kNumberBox);
  TextBoxFocus::attach(name, BoxKind::text);
  show_active(w);
  auto shows = [&](const char* text) {
    box->setText(QString::fromUtf8(text));
    return shows_whole_text(*box);
  };
  ASSERT_FALSE(shows("-100000.000"));  // the fault: 60 pixels cut the sign off
  fit_number_box(box, 3);
  fit_number_box(name, 3);
  EXPECT_EQ(name->width(), 60);
  EXPECT_TRUE(shows("-100000.000"));
  EXPECT_TRUE(shows("100000.000"));
  EXPECT_EQ(box->minimumWidth(), box->maximumWidth());  // still a fixed width
  const int fitted = box->width();
  // A larger font (a page's own, set once the box is placed) widens it again.
  QFont big = box->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  box->setFont(big);
  QApplication::processEvents();
  EXPECT_GT(box->width(), fitted);
  EXPECT_TRUE(shows("-100000.000"));
  // A narrower range does not narrow it; a box wider than it needs keeps its width.
  const int wide = box->width();
  f->set_range(model::kI16Lowest, model::kI16Highest);
  EXPECT_EQ(box->width(), wide);
  box->setFont(w.font());
  box->setFixedWidth(200);
  fit_number_box(box, 3);
  EXPECT_EQ(box->width(), 200);
  // Two decimals need less room than three; the fit takes the decimals it is given.
  auto* two = new QLineEdit(&w);
  two->setAlignment(Qt::AlignRight);
  two->setFixedWidth(40);
  layout->addWidget(two);
  TextBoxFocus::attach(two, kNumberBox);
  fit_number_box(two, 2);
  QApplication::processEvents();
  two->setText(QStringLiteral("-100000.00"));
  EXPECT_TRUE(shows_whole_text(*two));
  two->setText(QStringLiteral("-100000.000"));
  EXPECT_FALSE(shows_whole_text(*two));
}

}  // namespace
}  // namespace qvt::widgets
