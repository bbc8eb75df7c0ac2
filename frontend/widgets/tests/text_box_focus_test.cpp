#include "frontend/widgets/text_box_focus.h"

#include "frontend/widgets/tests/offscreen_app.h"

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

// Leaving a number box: a text with a leading number stands; one without goes back to the text
// the box had when it got the focus, through textEdited before the box's own focus-out step,
// and the status line says why. A text box keeps whatever was typed.
TEST(TextBoxFocus, ANumberBoxWithoutANumberGoesBack) {
  app();
  struct Case {
    BoxKind kind;
    const char* typed;
    const char* after;
    bool notice;
  } cases[] = {
      {BoxKind::number, "abc", "0.600", true}, {BoxKind::number, "3m", "3m", false},
      {BoxKind::number, "", "", false},        {BoxKind::number, "-", "0.600", true},
      {BoxKind::text, "abc", "abc", false},
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
    TextBoxFocus::attach(a, c.kind, {}, [&] { seen.push_back("out " + a->text().toStdString()); });
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
    if (c.notice) {
      EXPECT_EQ(seen, (std::vector<std::string>{"edited 0.600", "out 0.600"}));
      EXPECT_EQ(shown, kMsgNotANumber);
    } else {
      EXPECT_EQ(seen, (std::vector<std::string>{"out " + std::string(c.after)}));
      EXPECT_EQ(shown, "");
    }
    TextBoxFocus::set_status_line({});
  }
}

}  // namespace
}  // namespace qvt::widgets
