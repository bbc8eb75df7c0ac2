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

QLineEdit* EarthPressureView::make_box(const QString& name) {
  auto* e = new QLineEdit;
  e->setObjectName(name);
  e->setAlignment(Qt::AlignRight);
  e->setFixedWidth(80);
  return e;
}

QLineEdit* EarthPressureView::make_point_box(PointBox box) {
  static const char* const names[] = {"point_x", "point_y", "active_seabed_level"};
  QLineEdit* e = make_box(QString::fromLatin1(names[static_cast<int>(box)]));
  connect(e, &QLineEdit::textEdited, this, [this, box](const QString& t) {
    page_.point_box_edited(box, t.toStdString());
    refresh();  // a refused edit shows the text as it was
  });
  focus_watchers_.push_back(widgets::TextBoxFocus::attach(e, widgets::kNumberBox, {}, [this, box] {
    page_.point_box_left(box);
    refresh();
  }));
  widgets::fit_number_box(e, 3);
  point_boxes_[static_cast<std::size_t>(box)] = e;
  return e;
}

QLineEdit* EarthPressureView::make_layer_box(LayerBox box) {
  static const char* const names[] = {"layer_phi",      "layer_cohesion",
                                      "layer_cohesion_gradient", "layer_unit_weight_air",
                                      "layer_unit_weight_submerged", "layer_slurry_unit_weight"};
  QLineEdit* e = make_box(QString::fromLatin1(names[static_cast<int>(box)]));
  connect(e, &QLineEdit::textEdited, this, [this, box](const QString& t) {
    page_.layer_box_edited(box, t.toStdString());
    refresh();  // a refused edit shows the text as it was
  });
  focus_watchers_.push_back(widgets::TextBoxFocus::attach(e, widgets::kNumberBox, {}, [this, box] {
    page_.layer_box_left(box);
    refresh();
  }));
  const BoxInterval range = earth_pressure_box_interval(box, false);
  focus_watchers_.back()->set_range(range.lowest, range.highest);
  // The page shows the friction angle with two decimals, the other values with three.
  widgets::fit_number_box(e, box == LayerBox::phi ? 2 : 3);
  layer_boxes_[static_cast<std::size_t>(box)] = e;
  return e;
}

EarthPressureView::EarthPressureView(EarthPressurePage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(4, 4, 4, 4);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("earth_pressure_tabs"));
  top->addWidget(tabs_);

  // --- Inner tab 0: the action points ---
  auto* points = new QWidget;
  points->setObjectName(QStringLiteral("action_points_tab"));
  auto* pl = new QVBoxLayout(points);
  const char* mode_captions[3] = {"受働", "主働", "削除"};
  const char* mode_names[3] = {"passive_mode", "active_mode", "delete_mode"};
  auto* modes = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    point_options_[i] = option(mode_captions[i], QString::fromLatin1(mode_names[i]));
    modes->addWidget(point_options_[i]);
  }
  modes->addStretch(1);
  pl->addLayout(modes);

  auto* stepping = new QHBoxLayout;
  stepping->addWidget(new QLabel(u8("作用点")));
  point_number_ = number_label(QStringLiteral("point_number"));
  stepping->addWidget(point_number_);
  point_steps_[0] = step_button("<", QStringLiteral("previous_point"));
  point_steps_[1] = step_button(">", QStringLiteral("next_point"));
  stepping->addWidget(point_steps_[0]);
  stepping->addWidget(point_steps_[1]);
  stepping->addStretch(1);
  pl->addLayout(stepping);

  auto* coords = new QGridLayout;
  coords->addWidget(new QLabel(u8("Ｘ")), 0, 0);
  coords->addWidget(make_point_box(PointBox::x), 0, 1);
  coords->addWidget(new QLabel(u8("Ｙ")), 1, 0);
  coords->addWidget(make_point_box(PointBox::y), 1, 1);
  coords->setColumnStretch(2, 1);
  pl->addLayout(coords);

  auto* seabed_frame = new QGroupBox(u8("主働土圧を計算する際の海底面"));
  seabed_frame->setObjectName(QStringLiteral("active_seabed_frame"));
  auto* seabed = new QGridLayout(seabed_frame);
  QRadioButton*& passive_top =
      point_options_[static_cast<std::size_t>(PointOption::seabed_at_passive_top)];
  QRadioButton*& typed = point_options_[static_cast<std::size_t>(PointOption::seabed_typed)];
  passive_top = option("受働側土圧作用点の上限", QStringLiteral("seabed_at_passive_top"));
  typed = option("入力値（m）", QStringLiteral("seabed_typed"));
  seabed->addWidget(passive_top, 0, 0, 1, 2);
  seabed->addWidget(typed, 1, 0);
  seabed->addWidget(make_point_box(PointBox::seabed_level), 1, 1);
  pl->addWidget(seabed_frame);
  pl->addStretch(1);
  tabs_->addTab(points, u8("土圧作用点"));

  mode_group_ = new QButtonGroup(this);
  seabed_group_ = new QButtonGroup(this);
  for (int i = 0; i < 5; ++i) {
    const auto o = static_cast<PointOption>(i);
    (o <= PointOption::remove ? mode_group_ : seabed_group_)->addButton(point_options_[i], i);
    connect(point_options_[i], &QRadioButton::clicked, this, [this, o] {
      page_.choose_point_option(o);
      refresh();
    });
  }
  for (int i = 0; i < 2; ++i)
    connect(point_steps_[i], &QPushButton::clicked, this, [this, i] {
      page_.step_point(static_cast<Step>(i));
      refresh();
    });

  // --- Inner tab 1: the soil layers ---
  auto* layers = new QWidget;
  layers->setObjectName(QStringLiteral("soil_layers_tab"));
  auto* ll = new QVBoxLayout(layers);
  auto* sides = new QHBoxLayout;
  side_group_ = new QButtonGroup(this);
  const char* side_captions[2] = {"受働", "主働"};
  const char* side_names[2] = {"passive_side", "active_side"};
  for (int i = 0; i < 2; ++i) {
    side_options_[i] = option(side_captions[i], QString::fromLatin1(side_names[i]));
    side_group_->addButton(side_options_[i], i);
    sides->addWidget(side_options_[i]);
    connect(side_options_[i], &QRadioButton::clicked, this, [this, i] {
      page_.choose_layer_side(i);
      refresh();
    });
  }
  sides->addStretch(1);
  ll->addLayout(sides);

  auto* layer_step = new QHBoxLayout;
  layer_step->addWidget(new QLabel(u8("層")));
  layer_number_ = number_label(QStringLiteral("layer_number"));
  layer_step->addWidget(layer_number_);
  layer_steps_[0] = step_button("<", QStringLiteral("previous_layer"));
  layer_steps_[1] = step_button(">", QStringLiteral("next_layer"));
  layer_step->addWidget(layer_steps_[0]);
  layer_step->addWidget(layer_steps_[1]);
  layer_step->addStretch(1);
  ll->addLayout(layer_step);
  for (int i = 0; i < 2; ++i)
    connect(layer_steps_[i], &QPushButton::clicked, this, [this, i] {
      page_.step_layer(static_cast<Step>(i));
      refresh();
    });

  auto* soil_frame = new QGroupBox(u8("土質"));
  soil_frame->setObjectName(QStringLiteral("soil_type_frame"));
  auto* soil = new QHBoxLayout(soil_frame);
  soil_type_group_ = new QButtonGroup(this);
  const char* soil_captions[2] = {"砂質土", "粘性土"};
  const char* soil_names[2] = {"sand", "clay"};
  for (int i = 0; i < 2; ++i) {
    soil_type_options_[i] = option(soil_captions[i], QString::fromLatin1(soil_names[i]));
    soil_type_group_->addButton(soil_type_options_[i], i);
    soil->addWidget(soil_type_options_[i]);
    connect(soil_type_options_[i], &QRadioButton::clicked, this, [this, i] {
      page_.choose_soil_type(static_cast<SoilType>(i));
      refresh();
    });
  }
  ll->addWidget(soil_frame);

  auto* values = new QGridLayout;
  int row = 0;
  auto add_row = [&](const char* caption, LayerBox box) {
    auto* l = new QLabel(u8(caption));
    l->setWordWrap(true);
    values->addWidget(l, row, 0);
    values->addWidget(make_layer_box(box), row, 1);
    ++row;
  };
  add_row("内部摩擦角 （度）", LayerBox::phi);
  add_row("基準面での粘着力 （kN/m2）", LayerBox::cohesion);
  add_row("粘着勾配", LayerBox::cohesion_gradient);
  values->addWidget(new QLabel(u8("単位体積重量 （kN/m3）")), row++, 0, 1, 2);
  add_row("空中", LayerBox::unit_weight_air);
  add_row("水中", LayerBox::unit_weight_submerged);
  values->setColumnStretch(0, 1);
  ll->addLayout(values);

  auto* liquefaction = new QGroupBox(u8("液状化"));
  liquefaction->setObjectName(QStringLiteral("liquefaction_frame"));
  auto* liq = new QGridLayout(liquefaction);
  liquefied_ = new QCheckBox(u8("液状化土層の場合はチェック"));
  liquefied_->setObjectName(QStringLiteral("liquefied"));
  connect(liquefied_, &QCheckBox::clicked, this, [this](bool checked) {
    page_.tick_liquefied(checked);
    refresh();
  });
  liq->addWidget(liquefied_, 0, 0, 1, 2);
  slurry_caption_ = new QLabel(u8("泥水比重　γs （kN/m3）"));
  slurry_caption_->setObjectName(QStringLiteral("slurry_caption"));
  liq->addWidget(slurry_caption_, 1, 0);
  liq->addWidget(make_layer_box(LayerBox::slurry_unit_weight), 1, 1);
  liq->setColumnStretch(0, 1);
  ll->addWidget(liquefaction);
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
  const auto& o = point_options_;
  show_group(mode_group_, {o[0], o[1], o[2]},
             {s.point_options[0], s.point_options[1], s.point_options[2]});
  show_group(seabed_group_, {o[3], o[4]}, {s.point_options[3], s.point_options[4]});
  point_number_->setText(QString::fromStdString(s.point_number));
  for (int i = 0; i < 3; ++i) show_text(point_boxes_[i], s.point_boxes[i].text);
  point_box(PointBox::x)->setReadOnly(s.point_boxes_locked);
  point_box(PointBox::y)->setReadOnly(s.point_boxes_locked);

  show_group(side_group_, {side_options_[0], side_options_[1]},
             {s.side_options[0], s.side_options[1]});
  layer_number_->setText(QString::fromStdString(s.layer_number));
  show_group(soil_type_group_, {soil_type_options_[0], soil_type_options_[1]},
             {s.soil_type_options[0], s.soil_type_options[1]});
  for (int i = 0; i < 6; ++i) {
    show_text(layer_boxes_[i], s.layer_boxes[i].text);
    layer_boxes_[i]->setEnabled(s.layer_boxes[i].enabled);
  }
  {
    QSignalBlocker block(liquefied_);
    liquefied_->setChecked(s.liquefied == kChecked);
  }
  slurry_caption_->setVisible(s.slurry_visible);
  QLineEdit* slurry = layer_box(LayerBox::slurry_unit_weight);
  slurry->setVisible(s.slurry_visible);
  if (widgets::TextBoxFocus* watcher = widgets::TextBoxFocus::of(slurry)) {
    const BoxInterval range = earth_pressure_box_interval(
        LayerBox::slurry_unit_weight, s.slurry_visible && s.liquefied == kChecked);
    watcher->set_range(range.lowest, range.highest);
  }
  if (on_refresh_) on_refresh_();
}

}  // namespace qvt::pages
