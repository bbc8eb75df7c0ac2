#include "frontend/pages/widgets/improved_body_view.h"

#include "frontend/pages/widgets/illustrations.h"
#include "frontend/widgets/text_box_focus.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace qvt::pages {

namespace {

QString u8(const char* s) { return QString::fromUtf8(s); }

QLineEdit* number_box(QWidget* parent, const QString& name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setAlignment(Qt::AlignRight);
  box->setMaximumWidth(90);
  return box;
}

}  // namespace

ImprovedBodyView::ImprovedBodyView(ImprovedBodyPage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
  setObjectName(QStringLiteral("improved_body"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("improved_body_tabs"));
  layout->addWidget(tabs_);

  // Tab "改良体".
  auto* body = new QWidget(tabs_);
  auto* v = new QVBoxLayout(body);
  auto* grid = new QGridLayout;
  static const char* const kGroups[5] = {"配置基準点", "", "改良幅", "改良下限標高", ""};
  static const char* const kLabels[5] = {"Ｘ", "Ｙ", "Ｂ", "Dh1", "Dh2"};
  int row = 0;
  for (int i = 0; i < 5; ++i) {
    body_boxes_[i] = number_box(body, QStringLiteral("body_box_%1").arg(i));
    if (i == kBoxY) {  // Y only carries the loaded value back to the store
      body_boxes_[i]->hide();
      continue;
    }
    grid->addWidget(new QLabel(u8(kGroups[i]), body), row, 0);
    grid->addWidget(new QLabel(u8(kLabels[i]), body), row, 1);
    grid->addWidget(body_boxes_[i], row, 2);
    grid->addWidget(new QLabel(QStringLiteral("m"), body), row, 3);
    ++row;
    QLineEdit* box = body_boxes_[i];
    const auto id = static_cast<BodyBox>(i);
    focus_watchers_.push_back(
        widgets::TextBoxFocus::attach(box, widgets::kNumberBox, {}, [this, id, box] {
          page_.set_body_box(id, box->text().toStdString());
          const model::TypedNumber notice = page_.leave_body_box(id);
          refresh();
          // Once the focus has arrived where it goes, as the boxes that go back show theirs.
          if (notice != model::TypedNumber::stands)
            QTimer::singleShot(0, box, [notice] { widgets::TextBoxFocus::show_notice(notice); });
        }));
    widgets::fit_number_box(box, 3);  // the page shows "###0.000"
  }
  v->addLayout(grid);
  auto* hint = new QLabel(u8("異なる土質をブロックに分けて登録します"), body);
  hint->setObjectName(QStringLiteral("soil_block_hint"));
  hint->setWordWrap(true);
  v->addWidget(hint);
  auto* ops = new QHBoxLayout;
  ops->setSpacing(4);  // the button and the three options share the page's narrow width
  register_button_ = new QPushButton(u8("登録"), body);
  register_button_->setObjectName(QStringLiteral("register_soil_block"));
  ops->addWidget(register_button_);
  group_ = new QButtonGroup(this);
  static const char* const kOps[4] = {"登録", "編集", "削除", " Ｎｏ 位置"};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QRadioButton(u8(kOps[i]), body);
    b->setObjectName(QStringLiteral("soil_block_operation_%1").arg(i));
    b->installEventFilter(this);
    group_->addButton(b, i);
    operation_options_[i] = b;
    if (i == section::kRegisterSoilBlock) {
      b->hide();  // a member of the group that is never shown
      continue;
    }
    ops->addWidget(b);
  }
  v->addLayout(ops);
  auto* picture = new QLabel(body);
  picture->setObjectName(QStringLiteral("improved_body_picture"));
  picture->setPixmap(improved_body_picture());
  v->addWidget(picture, 0, Qt::AlignHCenter);
  v->addStretch(1);
  tabs_->addTab(body, u8("改良体"));

  // Tab "改良体の形状": the wall form's frame and the lattice form's frame.
  auto* shape = new QWidget(tabs_);
  auto* sv = new QVBoxLayout(shape);
  static const char* const kWall[5] = {"Ｌｓ", "Ｄｓ", "Ｌｌ", "Ｂｌ１", "Ｂｌ２"};
  for (int f = 0; f < 2; ++f) {
    auto* frame = new QGroupBox(u8(f == 0 ? "壁式" : "格子式"), shape);
    frame->setObjectName(f == kWallForm ? QStringLiteral("wall_form_frame")
                                        : QStringLiteral("lattice_form_frame"));
    auto* g = new QGridLayout(frame);
    g->addWidget(new QLabel(u8("短壁"), frame), 0, 0);
    g->addWidget(new QLabel(u8("長壁"), frame), 2, 0);
    for (int k = 0; k < 5; ++k) {
      const int i = form_box(static_cast<FormFrame>(f), static_cast<FormDimension>(k));
      form_boxes_[i] = number_box(frame, QStringLiteral("form_box_%1").arg(i));
      const int r = k;
      g->addWidget(new QLabel(u8(kWall[k]), frame), r, 1);
      g->addWidget(form_boxes_[i], r, 2);
      g->addWidget(new QLabel(QStringLiteral("m"), frame), r, 3);
      QLineEdit* box = form_boxes_[i];
      focus_watchers_.push_back(widgets::TextBoxFocus::attach(box, widgets::kNumberBox, {}, [this, i, box] {
        page_.set_form_box(i, box->text().toStdString());
        page_.leave_form_box(i);
        refresh();
      }));
      widgets::fit_number_box(box, 3);  // the page shows "###0.000"
    }
    g->addWidget(new QLabel(u8("Ｂｓ＝改良幅－（Ｂｌ１＋Ｂｌ２）"), frame), 5, 0, 1, 4);
    g->addWidget(new QLabel(u8("Ｄｌ＝改良高－Ｄｓ"), frame), 6, 0, 1, 4);
    auto* img = new QLabel(frame);
    img->setObjectName(f == kWallForm ? QStringLiteral("wall_form_picture")
                                      : QStringLiteral("lattice_form_picture"));
    img->setPixmap(f == kWallForm ? wall_form_picture() : lattice_form_picture());
    g->addWidget(img, 7, 0, 1, 4, Qt::AlignHCenter);
    sv->addWidget(frame);
    (f == kWallForm ? wall_frame_ : lattice_frame_) = frame;
  }
  sv->addStretch(1);
  tabs_->addTab(shape, u8("改良体の形状"));

  connect(register_button_, &QPushButton::clicked, this, [this] {
    page_.register_soil_block();
    refresh();
  });
  connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
    page_.choose_operation(id);
    refresh();
  });
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
    page_.select_inner_tab(tab);
    refresh();
  });
  refresh();
}

// The focus watchers go first: a box that loses the focus while the children are destroyed
// then reaches neither the presenter nor this half-destroyed view.
ImprovedBodyView::~ImprovedBodyView() {
  for (widgets::TextBoxFocus* f : focus_watchers_) delete f;
  for (QRadioButton* b : operation_options_) b->removeEventFilter(this);
}

bool ImprovedBodyView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn)
    for (int i = 0; i < 4; ++i)
      if (watched == operation_options_[i]) page_.focus_operation(i);
  return QWidget::eventFilter(watched, event);
}

void ImprovedBodyView::refresh() {
  const ImprovedBodyState& s = page_.state();
  for (int i = 0; i < 5; ++i) {
    const QString t = QString::fromStdString(s.body[i]);
    if (body_boxes_[i]->text() != t) body_boxes_[i]->setText(t);
  }
  for (int i = 0; i < 10; ++i) {
    const QString t = QString::fromStdString(s.form_dims[i]);
    if (form_boxes_[i]->text() != t) form_boxes_[i]->setText(t);
  }
  // No option is checked after a registration: the group lets go while it is cleared.
  group_->setExclusive(false);
  for (int i = 0; i < 4; ++i) {
    QSignalBlocker block(operation_options_[i]);
    operation_options_[i]->setChecked(s.operation == i);
  }
  group_->setExclusive(true);
  {
    QSignalBlocker block(tabs_);
    tabs_->setTabEnabled(1, s.shape_tab_enabled);
    tabs_->setCurrentIndex(s.inner_tab);
  }
  wall_frame_->setVisible(s.wall_frame_visible);
  lattice_frame_->setVisible(s.lattice_frame_visible);
  if (on_refresh_) on_refresh_();
}

}  // namespace qvt::pages
