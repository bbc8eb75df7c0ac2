// Every page, inner tab and dialog as the user sees it, at the main window's own size and at a
// larger one: no two visible controls side by side cover each other, every caption (label,
// check box, option button, push button) has the room its text needs and lies inside the control
// that holds it, and every number box shows the whole text of the widest value it accepts. A
// picture that covers a caption, a bracket drawn over its box, an option cut off by its frame or
// a box that shows "-12345.678" as "12345.678" fails here, whatever sizes the layouts asked for.
#include "frontend/model/display_text.h"
#include "frontend/pages/widgets/design_conditions_view.h"
#include "frontend/pages/widgets/ground_surface_view.h"
#include "frontend/shell/splash_window.h"
#include "frontend/shell/tests/sample_window.h"
#include "frontend/widgets/text_box_focus.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

#include <algorithm>
#include <string>
#include <vector>

namespace qvt::shell::testing {
namespace {

std::string name_of(const QWidget* w) {
  std::string n = w->objectName().toStdString();
  if (n.empty()) n = w->metaObject()->className();
  if (const auto* b = qobject_cast<const QAbstractButton*>(w))
    n += " \"" + b->text().toStdString() + "\"";
  else if (const auto* l = qobject_cast<const QLabel*>(w); l && !l->text().isEmpty())
    n += " \"" + l->text().toStdString() + "\"";
  else if (const auto* g = qobject_cast<const QGroupBox*>(w))
    n += " \"" + g->title().toStdString() + "\"";
  return n;
}

std::string path_of(const QWidget* w) {
  std::string p = name_of(w);
  for (const QWidget* a = w->parentWidget(); a && !a->isWindow(); a = a->parentWidget())
    if (!a->objectName().isEmpty()) p = a->objectName().toStdString() + "/" + p;
  return p;
}

std::string rect_text(const QRect& r) {
  return "(" + std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
         "x" + std::to_string(r.height()) + ")";
}

// Controls whose inside is Qt's own business: they are checked as a whole, never entered.
bool is_leaf(const QWidget* w) {
  return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QLineEdit*>(w) ||
         qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
         qobject_cast<const QTabBar*>(w) || qobject_cast<const QAbstractButton*>(w) ||
         qobject_cast<const QLabel*>(w) || qobject_cast<const QMenuBar*>(w) ||
         qobject_cast<const QStatusBar*>(w) || qobject_cast<const QToolBar*>(w);
}

// The room a caption needs: its size hint; a wrapped label, the height its width needs.
void check_caption(const QWidget* w, std::vector<std::string>& faults) {
  const bool caption = qobject_cast<const QLabel*>(w) || qobject_cast<const QCheckBox*>(w) ||
                       qobject_cast<const QRadioButton*>(w) || qobject_cast<const QPushButton*>(w);
  if (!caption) return;
  QSize need = w->sizeHint();
  if (const auto* b = qobject_cast<const QPushButton*>(w)) {
    // The style gives every push button with a text a least width of a dialog button; a small
    // arrow button ("→") needs only the room of its text inside the button's margins.
    const int margins = 2 * (b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) +
                             b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b));
    need.setWidth(std::min(need.width(),
                           b->fontMetrics().size(Qt::TextShowMnemonic, b->text()).width() + margins));
  }
  if (const auto* l = qobject_cast<const QLabel*>(w); l && l->wordWrap() && l->pixmap().isNull()) {
    if (l->text().isEmpty()) return;
    need = QSize(0, l->heightForWidth(l->width()));
  }
  if (w->width() < need.width() || w->height() < need.height())
    faults.push_back(path_of(w) + " is " + rect_text(w->geometry()) + ", its text needs " +
                     std::to_string(need.width()) + "x" + std::to_string(need.height()));
}

// Whether a box shows the whole of `text`: the room QLineEdit paints a text in (its contents less
// the text margins and two pixels a side) holds the text's width, one pixel and the cursor.
bool shows_whole(const QLineEdit* e, const QString& text) {
  QStyleOptionFrame opt;
  opt.initFrom(e);
  opt.rect = e->contentsRect();
  opt.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, e) : 0;
  opt.midLineWidth = 0;
  opt.state |= QStyle::State_Sunken;
  const QRect contents =
      e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e).marginsRemoved(e->textMargins());
  const int room = contents.width() - 2 * 2;
  const int cursor = e->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, e);
  return e->fontMetrics().horizontalAdvance(text) + 1 + cursor <= room;
}

// The widest texts a number box may be asked to show: the ends of the range it accepts (the
// sign and every digit), with the decimals it shows its value with (those of its text now, three
// while it is empty).
std::vector<QString> widest_values(const QLineEdit* e, const widgets::TextBoxFocus& f) {
  const std::string shown = e->text().toStdString();
  const auto point = shown.find('.');
  const std::string pattern = shown.empty()                     ? "0.000"
                              : point == std::string::npos ? "0"
                                                           : "0." + std::string(shown.size() - point - 1, '0');
  return {QString::fromStdString(model::format_pattern(f.lowest(), pattern)),
          QString::fromStdString(model::format_pattern(f.highest(), pattern))};
}

void check_number_box(const QWidget* w, std::vector<std::string>& faults) {
  const auto* e = qobject_cast<const QLineEdit*>(w);
  if (!e) return;
  const widgets::TextBoxFocus* f = widgets::TextBoxFocus::of(e);
  if (!f || f->kind() != widgets::BoxKind::number) return;
  for (const QString& v : widest_values(e, *f))
    if (!shows_whole(e, v))
      faults.push_back(path_of(w) + " " + rect_text(w->geometry()) + " \"" + e->text().toStdString() +
                       "\" cannot show " + v.toStdString());
}

// The controls of `parent` and, inside each container, theirs.
void check_children(const QWidget* parent, std::vector<std::string>& faults) {
  std::vector<const QWidget*> shown;
  for (const QObject* o : parent->children()) {
    const auto* w = qobject_cast<const QWidget*>(o);
    if (!w || w->isWindow() || !w->isVisible()) continue;
    shown.push_back(w);
  }
  // The main window and a tab widget place their own parts (bars, tab row, page stack).
  const bool own_parts = qobject_cast<const QMainWindow*>(parent) || qobject_cast<const QTabWidget*>(parent);
  QRect title;
  if (const auto* g = qobject_cast<const QGroupBox*>(parent); g && !g->title().isEmpty()) {
    QStyleOptionGroupBox opt;
    opt.initFrom(g);
    opt.text = g->title();
    opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    opt.textAlignment = g->alignment();
    opt.lineWidth = 1;
    title = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const QWidget* w = shown[i];
    if (!own_parts && !parent->rect().contains(w->geometry()))
      faults.push_back(path_of(w) + " " + rect_text(w->geometry()) + " is cut off by " +
                       name_of(parent) + " " + rect_text(parent->rect()));
    if (title.isValid() && w->geometry().intersects(title))
      faults.push_back(path_of(w) + " covers the caption of " + name_of(parent));
    if (!own_parts)
      for (std::size_t j = i + 1; j < shown.size(); ++j)
        if (w->geometry().intersects(shown[j]->geometry()))
          faults.push_back(path_of(w) + " " + rect_text(w->geometry()) + " and " + path_of(shown[j]) +
                           " " + rect_text(shown[j]->geometry()) + " overlap");
    check_caption(w, faults);
    check_number_box(w, faults);
    if (!is_leaf(w)) check_children(w, faults);
  }
}

std::vector<std::string> layout_faults(const QWidget* window) {
  QApplication::processEvents();
  std::vector<std::string> faults;
  check_children(window, faults);
  return faults;
}

std::string listed(const std::vector<std::string>& faults) {
  std::string out;
  for (const std::string& f : faults) out += "\n  " + f;
  return out;
}

// Every tab widget of `root`, each on each of its tabs in turn, with the tabs that hold it chosen.
void for_each_tab(QWidget* root, const std::function<void(const std::string&)>& check) {
  for (QTabWidget* tabs : root->findChildren<QTabWidget*>()) {
    // Choose the tab that holds this tab widget in every tab widget around it.
    for (QWidget* w = tabs; w && w != root; w = w->parentWidget())
      if (auto* outer = qobject_cast<QTabWidget*>(w->parentWidget() ? w->parentWidget()->parentWidget() : nullptr))
        outer->setCurrentWidget(w);
    QApplication::processEvents();
    if (!tabs->isVisible()) continue;  // on a page not shown
    for (int i = 0; i < tabs->count(); ++i) {
      if (!tabs->isTabVisible(i)) continue;
      tabs->setCurrentIndex(i);
      QApplication::processEvents();
      check(tabs->objectName().toStdString() + " tab " + std::to_string(i) + " \"" +
            tabs->tabText(i).toStdString() + "\"");
    }
    tabs->setCurrentIndex(0);
  }
}

class LayoutFitTest : public SampleWindowTest {
 protected:
  void choose_page(int index) {
    window->findChild<QRadioButton*>(QStringLiteral("category_%1").arg(index))->click();
    QApplication::processEvents();
  }
  void expect_fits(const QWidget* window, const std::string& where) {
    const auto faults = layout_faults(window);
    EXPECT_TRUE(faults.empty()) << where << listed(faults);
  }
  // Every page, and every inner tab of it, as the main window shows them now.
  void check_pages(const std::string& size) {
    for (int page = 0; page < kInputPageCount; ++page) {
      choose_page(page);
      const std::string where = size + " page " + std::to_string(page);
      expect_fits(window.get(), where);
      for_each_tab(window->centralWidget(), [&](const std::string& tab) {
        expect_fits(window.get(), where + " " + tab);
      });
    }
  }
  // A dialog as it opens, and stretched to the larger size when it may be.
  void check_dialog(QDialog& d, const std::string& name) {
    d.show();
    QApplication::processEvents();
    expect_fits(&d, name);
    for_each_tab(&d, [&](const std::string& tab) { expect_fits(&d, name + " " + tab); });
    if (d.maximumSize().width() >= 1024 && d.maximumSize().height() >= 768) {
      d.resize(1024, 768);
      expect_fits(&d, name + " at 1024x768");
    }
  }
};

// The pages with the "/td" controls shown, at 800x606 and 1024x768; each design-conditions
// pattern, each ground-surface shape and the bearing layer's clayey ground show frames of their
// own, so each is looked at too.
TEST_F(LayoutFitTest, EveryPageAndInnerTabFits) {
  window.reset();
  window = std::make_unique<MainWindow>(ui, install(), work(), "/td", false);
  window->load();
  window->show();
  ui.files.push_back(QString::fromStdString(block_quay_sample().string()));
  window->open_project();
  for (const QSize size : {QSize(800, 606), QSize(1024, 768)}) {
    window->resize(size);
    QApplication::processEvents();
    ASSERT_EQ(window->size(), size);
    const std::string name = std::to_string(size.width()) + "x" + std::to_string(size.height());
    check_pages(name);
    // The other patterns and shapes: their frames, on the pages that show them.
    for (const char* option : {"improvement_pattern_0", "improvement_pattern_1", "normal_clay_formula_0",
                               "normal_clay_formula_1", "improvement_pattern_2", "improvement_pattern_3"}) {
      choose_page(0);
      auto* b = window->findChild<QRadioButton*>(QString::fromLatin1(option));
      if (!b || !b->isEnabled()) continue;
      b->click();
      for (int page : {0, 2}) {
        choose_page(page);
        for_each_tab(window->centralWidget(), [&](const std::string& tab) {
          expect_fits(window.get(), name + " pattern " + option + " page " +
                                      std::to_string(page) + " " + tab);
        });
      }
    }
    // The seismic tab with each of its pictures shown, as a mouse over a frame shows them.
    choose_page(0);
    pages::DesignConditionsView& conditions = window->pages().design_conditions_view();
    conditions.inner_tabs()->setCurrentIndex(1);
    for (int frame : {pages::kRwlFrame, pages::kSeismicClayFormulaFrame}) {
      QWidget* f = conditions.hint_frame(frame);
      const QPointF at(4, 4);
      QMouseEvent move(QEvent::MouseMove, at, f->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
      QApplication::sendEvent(f, &move);
      const QLabel* picture = window->findChild<QLabel*>(QStringLiteral("seismic_picture"));
      EXPECT_FALSE(picture->pixmap().isNull()) << frame;
      EXPECT_EQ(picture->pixmap().size(), picture->size()) << frame;
      expect_fits(window.get(), name + " seismic picture of frame " + std::to_string(frame));
    }
    conditions.inner_tabs()->setCurrentIndex(0);
    // The bearing layer on clayey ground: the improvement form, its hint and the notes on the
    // sliding check of the wall pattern (improvement_pattern_1) and of the others.
    for (const char* pattern : {"improvement_pattern_1", "improvement_pattern_3"}) {
      choose_page(0);
      window->findChild<QRadioButton*>(QString::fromLatin1(pattern))->click();
      choose_page(4);
      window->findChild<QRadioButton*>(QStringLiteral("clayey_ground"))->click();
      QApplication::processEvents();
      expect_fits(window.get(), name + " clayey bearing layer, " + pattern);
      window->findChild<QRadioButton*>(QStringLiteral("sandy_ground"))->click();
    }
    choose_page(3);
    window->pages().ground_surface_view().surface_option(pages::SurfaceOption::arbitrary)->click();
    for_each_tab(window->centralWidget(), [&](const std::string& tab) {
      expect_fits(window.get(), name + " arbitrary surface " + tab);
    });
    window->pages().ground_surface_view().surface_option(pages::SurfaceOption::straight)->click();
  }
}

TEST_F(LayoutFitTest, EveryDialogFits) {
  struct Opened {
    const char* name;
    std::function<void()> open;
  };
  const model::ImprovedBodyDims& b = window->model().conditions.body_dims;
  const std::array<std::string, 5> body = {
      model::format_pattern(b.ref_x, "###0.000"), model::format_pattern(b.ref_y, "###0.000"),
      model::format_pattern(b.width, "###0.000"), model::format_pattern(b.dh1, "###0.000"),
      model::format_pattern(b.dh2, "###0.000")};
  const Opened dialogs[] = {
      {"polygon block", [&] { window->block_dialogs().polygon({2, true}); }},
      {"rectangle block", [&] { window->block_dialogs().rectangle({0, false}); }},
      {"layer block", [&] { window->block_dialogs().layer({1, true, body}); }},
      {"options", [&] { window->options(); }},
      {"version", [&] { window->about(); }},
  };
  for (const Opened& o : dialogs) {
    SCOPED_TRACE(o.name);
    int shown = 0;
    ui.on_dialog = [&](QDialog& d) {
      ++shown;
      check_dialog(d, o.name);
      d.reject();
    };
    o.open();
    EXPECT_EQ(shown, 1);
    ui.on_dialog = nullptr;
  }
  // The start-up window with the version.
  SplashWindow splash(QStringLiteral("2.5.1"));
  splash.show();
  expect_fits(&splash, "splash");
}

// The results and the eccentric-load checks after a run with the real engines: a sand sample
// (the sand check) and a clay sample (the clay check).
TEST_F(LayoutFitTest, ResultsDialogsFit) {
  namespace fs = std::filesystem;
  for (const char* e : {"SAVELIN", "PELUDRA", "ZENOBAR", "OSKAVEL", "VASKUDE", "TOLMIRE",
                        "MERITAN", "JORPELA", "FAI30.CSV", "FAI35.CSV", "FAI40.CSV", "FAI45.CSV",
                        "KS_AB.CSV"})
    fs::copy_file(fs::path(QVT_BIN_DIR) / e, install() / e, fs::copy_options::overwrite_existing);
  for (const char* sample : {"sample_block_rectangle_sand", "sample_wall_caisson_clay"}) {
    SCOPED_TRACE(sample);
    ui.files.push_back(QString::fromStdString(
        (fs::path(QVT_SOURCE_DIR) / "data" / "samples" / (std::string(sample) + ".MSJ")).string()));
    window->open_project();
    int shown = 0;
    ui.on_dialog = [&](QDialog& d) {
      ++shown;
      check_dialog(d, std::string(sample) + " " + d.objectName().toStdString());
    };
    window->press_toolbar_button(ToolbarButton::calculate);  // calculate: the results
    window->eccentric_check();           // the eccentric-load check of the bearing layer
    ui.on_dialog = nullptr;
    EXPECT_EQ(shown, 2) << listed(ui.box_texts());
    ui.shown.clear();
  }
}

}  // namespace
}  // namespace qvt::shell::testing
