#include "frontend/pages/widgets/earth_pressure_view.h"

#include "frontend/pages/box_ranges.h"
#include "frontend/widgets/text_box_focus.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace qvt::pages {

namespace {
QString u8(const char* s) { return QString::fromUtf8(s); }

QLabel* number_label(const QString& name) {
  auto* l = new QLabel(QStringLiteral("0"));
  l->setObjectName(name);
  l->setFrameShape(QFrame::Panel);
  l->setFrameShadow(QFrame::Sunken);
  l->setAlignment(Qt::AlignCenter);
  l->setMinimumWidth(40);
  return l;
}

QPushButton* step_button(const char* caption, const QString& name) {
  auto* b = new QPushButton(u8(caption));
  b->setObjectName(name);
  b->setFixedWidth(32);
  return b;
}

QRadioButton* option(const char* caption, const QString& name) {
  auto* b = new QRadioButton(u8(caption));
  b->setObjectName(name);
  return b;
}

// Shows the options of a group; with none on, the group lets go while they are cleared.
void show_group(QButtonGroup* group, const std::vector<QRadioButton*>& buttons,
                const std::vector<bool>& on) {
  group->setExclusive(false);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    QSignalBlocker block(buttons[i]);
    buttons[i]->setChecked(on[i]);
  }
  group->setExclusive(true);
}

void show_text(QLineEdit* box, const std::string& text) {
  const QString t = QString::fromStdString(text);
  if (box->text() == t) return;
  QSignalBlocker block(box);
  box->setText(t);
}
}  // namespace

QLineEdit* EarthPressureView::make_box(bool layer_box, int index) {
  auto* e = new QLineEdit;
  e->setObjectName(QStringLiteral("txt_gm%1_%2").arg(layer_box ? 5 : 4).arg(index));
  e->setAlignment(Qt::AlignRight);
  e->setFixedWidth(80);
  connect(e, &QLineEdit::textEdited, this, [this, layer_box, index](const QString& t) {
    if (layer_box)
      page_.txt_gm5_edited(index, t.toStdString());
    else
      page_.txt_gm4_edited(index, t.toStdString());
    refresh();  // a refused edit shows the text as it was
  });
  focus_watchers_.push_back(widgets::TextBoxFocus::attach(e, widgets::kNumberBox, {}, [this, layer_box, index] {
    if (layer_box)
      page_.txt_gm5_lost_focus(index);
    else
      page_.txt_gm4_lost_focus(index);
    refresh();
  }));
  if (layer_box) {
    const BoxInterval range = box_interval(earth_pressure_box_quantity(index));
    focus_watchers_.back()->set_range(range.lowest, range.highest);
  }
  // The page shows the friction angle (layer box 0) with two decimals, the other values with three.
  widgets::fit_number_box(e, layer_box && index == 0 ? 2 : 3);
  (layer_box ? txt_gm5_[index] : txt_gm4_[index]) = e;
  return e;
}

EarthPressureView::EarthPressureView(EarthPressurePage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(4, 4, 4, 4);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("tab_gm_6_inner"));
  top->addWidget(tabs_);

  // --- Inner tab 0: the action points (fra_tb7(0)) ---
  auto* points = new QWidget;
  points->setObjectName(QStringLiteral("fra_tb7_0"));
  auto* pl = new QVBoxLayout(points);
  const char* mode_captions[3] = {"受働", "主働", "削除"};
  auto* modes = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    opt_gm4_[i] = option(mode_captions[i], QStringLiteral("opt_gm4_%1").arg(i));
    modes->addWidget(opt_gm4_[i]);
  }
  modes->addStretch(1);
  pl->addLayout(modes);

  auto* stepping = new QHBoxLayout;
  stepping->addWidget(new QLabel(u8("作用点")));
  lbl_gm4_ = number_label(QStringLiteral("lbl_gm4_0"));
  stepping->addWidget(lbl_gm4_);
  cmd_gm4_[0] = step_button("<", QStringLiteral("cmd_gm4_0"));
  cmd_gm4_[1] = step_button(">", QStringLiteral("cmd_gm4_1"));
  stepping->addWidget(cmd_gm4_[0]);
  stepping->addWidget(cmd_gm4_[1]);
  stepping->addStretch(1);
  pl->addLayout(stepping);

  auto* coords = new QGridLayout;
  coords->addWidget(new QLabel(u8("Ｘ")), 0, 0);
  coords->addWidget(make_box(false, 0), 0, 1);
  coords->addWidget(new QLabel(u8("Ｙ")), 1, 0);
  coords->addWidget(make_box(false, 1), 1, 1);
  coords->setColumnStretch(2, 1);
  pl->addLayout(coords);

  auto* frame7 = new QGroupBox(u8("主働土圧を計算する際の海底面"));
  frame7->setObjectName(QStringLiteral("Frame7"));
  auto* f7 = new QGridLayout(frame7);
  opt_gm4_[3] = option("受働側土圧作用点の上限", QStringLiteral("opt_gm4_3"));
  opt_gm4_[4] = option("入力値（m）", QStringLiteral("opt_gm4_4"));
  f7->addWidget(opt_gm4_[3], 0, 0, 1, 2);
  f7->addWidget(opt_gm4_[4], 1, 0);
  f7->addWidget(make_box(false, 2), 1, 1);
  pl->addWidget(frame7);
  pl->addStretch(1);
  tabs_->addTab(points, u8("土圧作用点"));

  opt_gm4_groups_[0] = new QButtonGroup(this);
  opt_gm4_groups_[1] = new QButtonGroup(this);
  for (int i = 0; i < 5; ++i) {
    opt_gm4_groups_[i <= 2 ? 0 : 1]->addButton(opt_gm4_[i], i);
    connect(opt_gm4_[i], &QRadioButton::clicked, this, [this, i] {
      page_.opt_gm4_select(i);
      refresh();
    });
  }
  for (int i = 0; i < 2; ++i)
    connect(cmd_gm4_[i], &QPushButton::clicked, this, [this, i] {
      page_.cmd_gm4_Click(i);
      refresh();
    });

  // --- Inner tab 1: the soil layers (fra_tb7(1)) ---
  auto* layers = new QWidget;
  layers->setObjectName(QStringLiteral("fra_tb7_1"));
  auto* ll = new QVBoxLayout(layers);
  auto* sides = new QHBoxLayout;
  opt_gm5_group_ = new QButtonGroup(this);
  const char* side_captions[2] = {"受働", "主働"};
  for (int i = 0; i < 2; ++i) {
    opt_gm5_[i] = option(side_captions[i], QStringLiteral("opt_gm5_%1").arg(i));
    opt_gm5_group_->addButton(opt_gm5_[i], i);
    sides->addWidget(opt_gm5_[i]);
    connect(opt_gm5_[i], &QRadioButton::clicked, this, [this, i] {
      page_.opt_gm5_select(i);
      refresh();
    });
  }
  sides->addStretch(1);
  ll->addLayout(sides);

  auto* layer_step = new QHBoxLayout;
  layer_step->addWidget(new QLabel(u8("層")));
  lbl_gm5_ = number_label(QStringLiteral("lbl_gm5_0"));
  layer_step->addWidget(lbl_gm5_);
  cmd_gm5_[0] = step_button("<", QStringLiteral("cmd_gm5_0"));
  cmd_gm5_[1] = step_button(">", QStringLiteral("cmd_gm5_1"));
  layer_step->addWidget(cmd_gm5_[0]);
  layer_step->addWidget(cmd_gm5_[1]);
  layer_step->addStretch(1);
  ll->addLayout(layer_step);
  for (int i = 0; i < 2; ++i)
    connect(cmd_gm5_[i], &QPushButton::clicked, this, [this, i] {
      page_.cmd_gm5_Click(i);
      refresh();
    });

  auto* fra_gm5 = new QGroupBox(u8("土質"));
  fra_gm5->setObjectName(QStringLiteral("fra_gm5"));
  auto* soil = new QHBoxLayout(fra_gm5);
  opt_gmd5_group_ = new QButtonGroup(this);
  const char* soil_captions[2] = {"砂質土", "粘性土"};
  for (int i = 0; i < 2; ++i) {
    opt_gmd5_[i] = option(soil_captions[i], QStringLiteral("opt_gmd5_%1").arg(i));
    opt_gmd5_group_->addButton(opt_gmd5_[i], i);
    soil->addWidget(opt_gmd5_[i]);
    connect(opt_gmd5_[i], &QRadioButton::clicked, this, [this, i] {
      page_.opt_gmd5_select(i);
      refresh();
    });
  }
  ll->addWidget(fra_gm5);

  auto* values = new QGridLayout;
  int row = 0;
  auto add_row = [&](const char* caption, int index) {
    auto* l = new QLabel(u8(caption));
    l->setWordWrap(true);
    values->addWidget(l, row, 0);
    values->addWidget(make_box(true, index), row, 1);
    ++row;
  };
  add_row("内部摩擦角 （度）", 0);
  add_row("基準面での粘着力 （kN/m2）", 1);
  add_row("粘着勾配", 2);
  values->addWidget(new QLabel(u8("単位体積重量 （kN/m3）")), row++, 0, 1, 2);
  add_row("空中", 3);
  add_row("水中", 4);
  values->setColumnStretch(0, 1);
  ll->addLayout(values);

  auto* fra_gm51 = new QGroupBox(u8("液状化"));
  fra_gm51->setObjectName(QStringLiteral("fra_gm51"));
  auto* liq = new QGridLayout(fra_gm51);
  chk_gm5_ = new QCheckBox(u8("液状化土層の場合はチェック"));
  chk_gm5_->setObjectName(QStringLiteral("chk_gm5"));
  connect(chk_gm5_, &QCheckBox::clicked, this, [this](bool checked) {
    page_.chk_gm5_set(checked);
    refresh();
  });
  liq->addWidget(chk_gm5_, 0, 0, 1, 2);
  slurry_caption_ = new QLabel(u8("泥水比重　γs （kN/m3）"));
  slurry_caption_->setObjectName(QStringLiteral("lbl_gm5_2"));
  liq->addWidget(slurry_caption_, 1, 0);
  liq->addWidget(make_box(true, 5), 1, 1);
  liq->setColumnStretch(0, 1);
  ll->addWidget(fra_gm51);
  ll->addStretch(1);
  tabs_->addTab(layers, u8("背面土層"));

  // A refused layer tab is turned back here; the change that turns it back must not be taken
  // for a new choice, and a modal message inside the presenter must not run this twice.
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
    if (tab_changing_) return;
    tab_changing_ = true;
    page_.select_inner_tab(tab);
    if (tabs_->currentIndex() != page_.state().inner_tab)
      tabs_->setCurrentIndex(page_.state().inner_tab);
    tab_changing_ = false;
    refresh();
  });
  refresh();
}

// The focus watchers go first: a box that loses the focus while the children are destroyed
// then reaches neither the presenter nor this half-destroyed view.
EarthPressureView::~EarthPressureView() {
  for (widgets::TextBoxFocus* f : focus_watchers_) delete f;
}

void EarthPressureView::refresh() {
  const EarthPressureState& s = page_.state();
  if (!tab_changing_ && tabs_->currentIndex() != s.inner_tab) {
    QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(s.inner_tab);
  }
  show_group(opt_gm4_groups_[0], {opt_gm4_[0], opt_gm4_[1], opt_gm4_[2]},
             {s.opt_gm4[0], s.opt_gm4[1], s.opt_gm4[2]});
  show_group(opt_gm4_groups_[1], {opt_gm4_[3], opt_gm4_[4]}, {s.opt_gm4[3], s.opt_gm4[4]});
  lbl_gm4_->setText(QString::fromStdString(s.lbl_gm4));
  for (int i = 0; i < 3; ++i) show_text(txt_gm4_[i], s.txt_gm4[i].text);
  txt_gm4_[0]->setReadOnly(s.txt_gm4_locked);
  txt_gm4_[1]->setReadOnly(s.txt_gm4_locked);

  show_group(opt_gm5_group_, {opt_gm5_[0], opt_gm5_[1]}, {s.opt_gm5[0], s.opt_gm5[1]});
  lbl_gm5_->setText(QString::fromStdString(s.lbl_gm5));
  show_group(opt_gmd5_group_, {opt_gmd5_[0], opt_gmd5_[1]}, {s.opt_gmd5[0], s.opt_gmd5[1]});
  for (int i = 0; i < 6; ++i) {
    show_text(txt_gm5_[i], s.txt_gm5[i].text);
    txt_gm5_[i]->setEnabled(s.txt_gm5[i].enabled);
  }
  {
    QSignalBlocker block(chk_gm5_);
    chk_gm5_->setChecked(s.chk_gm5 == kChecked);
  }
  slurry_caption_->setVisible(s.slurry_visible);
  txt_gm5_[5]->setVisible(s.slurry_visible);
  if (on_refresh_) on_refresh_();
}

}  // namespace qvt::pages
