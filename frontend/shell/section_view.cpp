#include "frontend/shell/section_view.h"

#include "frontend/pages/page_switch.h"
#include "frontend/section/widgets/section_widget.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>

namespace qvt::shell {

namespace {

constexpr int kTwips = section::kTwipsPerPixel;
// Places inside the main window's client area, in pixels: the picture's top-left corner and the
// thickness of the arrow buttons around it.
constexpr int kPicLeft = 24;
constexpr int kPicTop = 48;
constexpr int kArrow = 16;
// The picture of the 800 x 606 window before its first layout.
constexpr int kStartPicWidth = 448;
constexpr int kStartPicHeight = 419;

// Runs the window's layout whenever the main window is resized.
class ResizeWatch : public QObject {
 public:
  ResizeWatch(QWidget* window, SectionView& view) : QObject(window), window_(window), view_(view) {
    window->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Resize)
      view_.lay_out(window_->width() * kTwips, window_->height() * kTwips);
    return false;
  }

 private:
  QWidget* window_;
  SectionView& view_;
};

}  // namespace

// What the picture reads of the input pages until the pages answer for themselves: the page
// shown, and the first option of every group.
class ShellPagePort : public section::PagePort {
 public:
  explicit ShellPagePort(section::EditorState& editor) : editor_(editor) {}
  void attach(PagesBesidePicture& pages) { pages_ = &pages; }
  const section::PageState& page_state() const override {
    state_.shown_page = -1;  // none while the pages are being switched
    if (pages_ != nullptr)
      for (int i = 0; i < pages::kCategoryCount; ++i)
        if (pages_->is_shown(i)) state_.shown_page = i;
    return state_;
  }
  void select_action_point(int n) override {
    if (pages_ != nullptr)
      pages_->select_action_point(n);  // the earth-pressure page shows the point
    else
      editor_.current_point_index = static_cast<std::int16_t>(n - 1);
  }
  void restore_operation_prompt() override {
    if (pages_ == nullptr) return;
    const int shown = page_state().shown_page;
    if (shown == 1) pages_->focus_wall_block_operation(state_.wall_block_operation);
    if (shown == 2) pages_->focus_soil_block_operation(state_.soil_block_operation);
  }
  section::PageState& state() { return state_; }

 private:
  section::EditorState& editor_;
  PagesBesidePicture* pages_ = nullptr;
  mutable section::PageState state_;
};

// The block editors' prompt line and dialogs.
class ShellEditorPorts : public section::PromptLine, public section::EditorDialogs {
 public:
  explicit ShellEditorPorts(SectionView& view) : view_(view) {}
  void show_prompt(const std::string& text) override {
    view_.show_prompt(QString::fromStdString(text));
  }
  void polygon(int slot) override {
    if (dialogs_ != nullptr) dialogs_->polygon(slot);
  }
  void rectangle(int slot) override {
    if (dialogs_ != nullptr) dialogs_->rectangle(slot);
  }
  void layer(int slot, const std::array<std::string, 5>& texts) override {
    if (dialogs_ != nullptr) dialogs_->layer(slot, texts);
  }
  section::EditorDialogs* dialogs_ = nullptr;

 private:
  SectionView& view_;
};

SectionView::SectionView(QWidget* parent, model::ProjectModel& model, UiPort& ui,
                         section::EditorState& editor)
    : ui_(ui),
      editor_(editor),
      page_port_(std::make_unique<ShellPagePort>(editor)),
      editor_ports_(std::make_unique<ShellEditorPorts>(*this)),
      picture_(std::make_unique<section::SectionPicture>(model, editor, *page_port_, *this)),
      hscroll_last(picture_->view().hscroll_last),
      vscroll_last(picture_->view().vscroll_last),
      bs_mode(editor.bs_mode) {
  const auto context = [this]() {
    return section::BlockEditContext{picture_->model(), picture_->view(), editor_,
                                     *page_port_,       *this,            *editor_ports_,
                                     *editor_ports_};
  };
  picture_->wall_block_editor = [context](int button, double X, double Y) {
    section::WallBlockEditor(context()).click(button, X, Y);
  };
  picture_->improved_soil_editor = [context](int button, double X, double Y) {
    section::SoilBlockEditor(context()).click(button, X, Y);
  };
  widget_ = new section::SectionPictureWidget(*picture_, parent);
  horizontal_bar_ = new QScrollBar(Qt::Horizontal, parent);
  horizontal_bar_->setObjectName(QStringLiteral("horizontal_bar"));
  horizontal_bar_->setRange(-32767, 32767);
  vertical_bar_ = new QScrollBar(Qt::Vertical, parent);
  vertical_bar_->setObjectName(QStringLiteral("vertical_bar"));
  vertical_bar_->setRange(-32768, 32767);
  for (QScrollBar* bar : {horizontal_bar_, vertical_bar_}) {
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(0);
    bar->hide();
  }
  QObject::connect(horizontal_bar_, &QScrollBar::valueChanged, horizontal_bar_,
                   [this](int v) { picture_->horizontal_bar_moved(v); });
  QObject::connect(vertical_bar_, &QScrollBar::valueChanged, vertical_bar_,
                   [this](int v) { picture_->vertical_bar_moved(v); });

  static const char* const kNames[4] = {"scroll_left", "scroll_right", "scroll_up", "scroll_down"};
  static const Qt::ArrowType kArrows[4] = {Qt::LeftArrow, Qt::RightArrow, Qt::UpArrow,
                                           Qt::DownArrow};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(kNames[i]));
    b->setArrowType(kArrows[i]);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    QScrollBar* bar = i < 2 ? horizontal_bar_ : vertical_bar_;
    const auto action = i % 2 == 0 ? QAbstractSlider::SliderSingleStepSub
                                   : QAbstractSlider::SliderSingleStepAdd;
    QObject::connect(b, &QToolButton::clicked, bar, [bar, action] { bar->triggerAction(action); });
    arrows_[i] = b;
  }
  place(kStartPicWidth, kStartPicHeight);
  resize_watch_ = new ResizeWatch(parent->window(), *this);
  set_shown(false);
}

// The widgets outlive this object inside the main window until it is destroyed; nothing may
// reach the picture through them after this.
SectionView::~SectionView() {
  delete resize_watch_;
  QObject::disconnect(horizontal_bar_, &QScrollBar::valueChanged, nullptr, nullptr);
  QObject::disconnect(vertical_bar_, &QScrollBar::valueChanged, nullptr, nullptr);
  delete widget_;
}

QWidget* SectionView::picture_widget() const { return widget_; }

section::PageState& SectionView::page_state() { return page_port_->state(); }

void SectionView::set_block_dialogs(section::EditorDialogs* dialogs) {
  editor_ports_->dialogs_ = dialogs;
}

void SectionView::attach_pages(PagesBesidePicture& pages) {
  pages_ = &pages;
  page_port_->attach(pages);
}

void SectionView::attach_toolbar(QAction* button8, QAction* button9, QAction* button10) {
  view_buttons_ = {button8, button9, button10};
  view_group_ = new QActionGroup(button8->parent());
  view_group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (QAction* a : view_buttons_) {
    a->setCheckable(true);
    view_group_->addAction(a);
  }
}

void SectionView::attach_status_bar(QLabel* prompt_label, QLabel* readout_label) {
  prompt_label_ = prompt_label;
  readout_label_ = readout_label;
  readout_label_->setMinimumWidth(160);
}

void SectionView::set_picture_size(double width, double height) {
  picture_->view().pic_width = static_cast<int>(width);
  picture_->view().pic_height = static_cast<int>(height);
}

void SectionView::place(int w, int h) {
  widget_->setGeometry(kPicLeft, kPicTop, w, h);
  arrows_[0]->setGeometry(kPicLeft - kArrow, kPicTop, kArrow, h);
  arrows_[1]->setGeometry(kPicLeft + w, kPicTop, kArrow, h);
  arrows_[2]->setGeometry(kPicLeft, kPicTop - kArrow, w, kArrow);
  arrows_[3]->setGeometry(kPicLeft, kPicTop + h, w, kArrow);
}

void SectionView::lay_out(int W, int H) {
  const auto l = section::layout_for(W, H);
  if (!l) return;
  place(l->pic_width / kTwips, l->pic_height / kTwips);
  if (pages_ != nullptr) {
    for (int i = 1; i < pages::kCategoryCount; ++i) {
      QWidget* t = pages_->page_container(i);
      t->move(l->tabs_left / kTwips, t->y());
    }
    QWidget* t0 = pages_->page_container(0);
    t0->resize(l->tab0_width / kTwips, t0->height());
    for (int i = 0; i < pages::kCategoryCount; ++i) {
      QWidget* t = pages_->page_container(i);
      t->resize(t->width(), l->tabs_height / kTwips);
    }
  }
  picture_->view().pic_width = l->drawing_width;
  picture_->view().pic_height = l->drawing_height;
}

void SectionView::set_shown(bool shown) {
  widget_->setVisible(shown);
  for (QToolButton* b : arrows_) b->setVisible(shown);
  if (shown) widget_->raise();
}

void SectionView::repaint_section() { widget_->update(); }

void SectionView::show_prompt(const QString& text) {
  if (prompt_label_ != nullptr) prompt_label_->setText(text);
}

void SectionView::repaint() { widget_->update(); }

void SectionView::warn(const std::string& text) {
  ui_.notice(widget_->window(), MessageIcon::Exclamation, QString(), QString::fromStdString(text));
}

void SectionView::show_readout(const std::string& text) {
  if (readout_label_ != nullptr) readout_label_->setText(QString::fromStdString(text));
}

void SectionView::set_zoom_pointer(bool zoom) { widget_->set_zoom_pointer(zoom); }

void SectionView::set_view_button(int button, bool pressed) {
  if (button < 8 || button > 10) return;
  if (QAction* a = view_buttons_[button - 8]) a->setChecked(pressed);
}

void SectionView::set_scroll_position(bool horizontal, int position) {
  (horizontal ? horizontal_bar_ : vertical_bar_)->setValue(position);
}

}  // namespace qvt::shell
