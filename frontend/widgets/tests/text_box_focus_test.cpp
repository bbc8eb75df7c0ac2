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
  TextBoxFocus::attach(a, [&] { seen.push_back("in"); }, [&] { seen.push_back("out"); });
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

}  // namespace
}  // namespace qvt::widgets
