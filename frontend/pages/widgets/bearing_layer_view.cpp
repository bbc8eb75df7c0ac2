#include "frontend/pages/widgets/bearing_layer_view.h"

#include "frontend/pages/box_ranges.h"
#include "frontend/widgets/text_box_focus.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace qvt::pages {

namespace {
QString u8(const char* s) { return QString::fromUtf8(s); }

// The object names of the boxes, by `BearingBox`.
constexpr const char* kBoxNames[kBearingBoxCount] = {
    "sandy_unit_weight", "shape_factor", "mean_n",    "phi",          "nr",          "nq",
    "overburden_po",     "cohesion",     "cohesion_gradient", "clay_unit_weight", "friction_mu"};
// The object names of the option buttons, by `BearingOption`.
constexpr const char* kOptionNames[kBearingOptionCount] = {
    "sandy_ground", "clayey_ground", "friction_input", "friction_tan_phi", "floating", "landed"};

QLabel* note(const char* text) {
  auto* l = new QLabel(u8(text));
  l->setWordWrap(true);
  return l;
}
}  // namespace

QLineEdit* BearingLayerView::make_box(int box) {
  auto* e = new QLineEdit;
  e->setObjectName(QString::fromLatin1(kBoxNames[box]));
  e->setAlignment(Qt::AlignRight);
  e->setFixedWidth(72);
  connect(e, &QLineEdit::textEdited, this, [this, box](const QString& t) {
    page_.text_edited(box, t.toStdString());
    refresh();
  });
  focus_watchers_.push_back(widgets::TextBoxFocus::attach(e, widgets::kNumberBox, {}, [this, box] {
    page_.lost_focus(box);
    refresh();
  }));
  // The mean N value is kept as a 16-bit integer; its range lies within that.
  const BoxInterval range = box_interval(bearing_layer_box_quantity(box));
  focus_watchers_.back()->set_range(range.lowest, range.highest);
  widgets::fit_number_box(e, 3);  // the page shows "###0.000"
  boxes_[box] = e;
  return e;
}

BearingLayerView::BearingLayerView(BearingLayerPage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(4, 4, 4, 4);
  top->setSpacing(3);

  const char* captions[6] = {"砂質土地盤（着底型）", "粘性土地盤", "入力値", "μ=tanΦ",
                                 "浮き型（標準）", "着底型（特殊な事例）"};
  for (int i = 0; i < kBearingOptionCount; ++i) {
    options_[i] = new QRadioButton(u8(captions[i]));
    options_[i]->setObjectName(QString::fromLatin1(kOptionNames[i]));
    connect(options_[i], &QRadioButton::clicked, this, [this, i] {
      page_.choose_option(i);
      refresh();
    });
  }
  for (int pair = 0; pair < kBearingOptionCount; pair += 2) {
    auto* g = new QButtonGroup(this);
    g->addButton(options_[pair]);
    g->addButton(options_[pair + 1]);
  }

  // Soil type.
  frames_[kSoilTypeFrame] = new QGroupBox(u8("支持層タイプ"));
  auto* types = new QHBoxLayout(frames_[kSoilTypeFrame]);
  types->addWidget(options_[kSandyGround]);
  types->addWidget(options_[kClayeyGround]);
  top->addWidget(frames_[kSoilTypeFrame]);

  // Sandy ground.
  frames_[kSandyFrame] = new QGroupBox(u8("砂質土地盤"));
  auto* sandy = new QGridLayout(frames_[kSandyFrame]);
  sandy->setVerticalSpacing(2);
  // Four columns (caption, box, arrow, proposal) in the page's width, the boxes as wide as their
  // widest value: close columns leave the captions room for two lines.
  sandy->setHorizontalSpacing(3);
  int row = 0;
  auto add_row = [&](QGridLayout* grid, const char* caption, QWidget* box) {
    grid->addWidget(note(caption), row, 0);
    grid->addWidget(box, row, 1);
    ++row;
  };
  add_row(sandy, "単位体積重量 （kN/m3）  水中", make_box(kSandyUnitWeightBox));
  add_row(sandy, "形状係数 β", make_box(kShapeFactorBox));
  add_row(sandy, "平均Ｎ値", make_box(kMeanNBox));
  sandy->setColumnStretch(0, 1);
  formula_list_ = new QComboBox;
  formula_list_->setObjectName(QStringLiteral("phi_formula"));
  for (const char* f : kPhiFormulas) formula_list_->addItem(u8(f));
  connect(formula_list_, &QComboBox::activated, this, [this](int index) {
    page_.select_formula(index);
    refresh();
  });
  sandy->addWidget(new QLabel(u8("φを求める式")), row, 0);
  sandy->addWidget(formula_list_, row, 1, 1, 3);
  ++row;
  sandy->addWidget(new QLabel(u8("支持力係数")), row++, 0);
  const char* factor_captions[3] = {"φ", "Ｎｒ", "Ｎｑ"};
  for (int i = 0; i < 3; ++i) {
    sandy->addWidget(new QLabel(u8(factor_captions[i])), row, 0, Qt::AlignRight);
    sandy->addWidget(make_box(kPhiBox + i), row, 1);
    take_buttons_[i] = new QPushButton(u8("→"));
    take_buttons_[i]->setObjectName(QStringLiteral("take_proposal_%1").arg(i));
    // As narrow as the arrow allows: the button's text inside its margins.
    take_buttons_[i]->setFixedWidth(take_buttons_[i]->fontMetrics().size(Qt::TextShowMnemonic, take_buttons_[i]->text()).width() +
                           2 * (take_buttons_[i]->style()->pixelMetric(QStyle::PM_ButtonMargin) +
                                take_buttons_[i]->style()->pixelMetric(QStyle::PM_DefaultFrameWidth)));
    // The arrow points from the proposal to the box it fills.
    sandy->addWidget(take_buttons_[i], row, 2);
    proposal_[i] = new QLabel(u8("0.00"));
    proposal_[i]->setObjectName(QStringLiteral("proposal_%1").arg(i));
    proposal_[i]->setFrameShape(QFrame::Panel);
    proposal_[i]->setFrameShadow(QFrame::Sunken);
    proposal_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    proposal_[i]->setMinimumWidth(50);
    sandy->addWidget(proposal_[i], row, 3);
    connect(take_buttons_[i], &QPushButton::clicked, this, [this, i] {
      page_.take_proposal(i);
      refresh();
    });
    ++row;
  }
  // Po only carries its value from the load to the commit: box and caption stay hidden.
  po_caption_ = new QLabel(u8("支持砂層の有効土かぶり圧 Ｐｏ"));
  sandy->addWidget(po_caption_, row, 0);
  sandy->addWidget(make_box(kPoBox), row, 1);
  ++row;
  po_caption_->hide();
  boxes_[kPoBox]->hide();
  top->addWidget(frames_[kSandyFrame]);

  // Clayey ground.
  frames_[kClayeyFrame] = new QGroupBox(u8("粘性土地盤"));
  auto* clay = new QGridLayout(frames_[kClayeyFrame]);
  row = 0;
  add_row(clay, "基準面での粘着力　Ｃｏ", make_box(kCohesionBox));
  add_row(clay, "粘着勾配　Ｋ", make_box(kCohesionGradientBox));
  add_row(clay, "単位体積重量 （kN/m3）  水中", make_box(kClayUnitWeightBox));
  top->addWidget(frames_[kClayeyFrame]);

  // Improvement form, with the notes on the sliding check. The two forms share a row and the
  // lines stand close, so that the hint and every note have the height of their lines on a
  // clayey layer in the page's height.
  frames_[kImprovementFormFrame] = new QGroupBox(u8("改良形式"));
  auto* form = new QVBoxLayout(frames_[kImprovementFormFrame]);
  form->setSpacing(2);
  auto* forms = new QHBoxLayout;
  forms->addWidget(options_[kFloating]);
  forms->addWidget(options_[kLanded]);
  form->addLayout(forms);
  form->addWidget(note("支持層の粘性土地盤が軟弱な場合は『浮き型』とします。"
                       "ある程度強度が見込める場合は『着底型』としてください。"));
  for (const char* t : {"滑動の検討における『改良体底面の粘着力』", "着底型：未改良土の粘着力",
                        "浮き型：支持層の粘着力"}) {
    wall_notes_.push_back(note(t));
    form->addWidget(wall_notes_.back());
  }
  for (const char* t : {"滑動の検討におけるせん断抵抗力", "着底型：min｛Σv・μ、τa・B｝",
                        "浮き型：C・B", "※μは支持層（砂質土地盤）の条件を採用"}) {
    other_notes_.push_back(note(t));
    form->addWidget(other_notes_.back());
  }
  top->addWidget(frames_[kImprovementFormFrame]);

  // Friction of the sliding check.
  frames_[kFrictionFrame] = new QGroupBox(u8("滑動検討において"));
  auto* friction = new QGridLayout(frames_[kFrictionFrame]);
  friction->addWidget(options_[kFrictionInput], 0, 0);
  friction->addWidget(options_[kFrictionTanPhi], 0, 1);
  friction->addWidget(new QLabel(u8("摩擦係数　μ")), 1, 0);
  friction->addWidget(make_box(kFrictionBox), 1, 1);
  top->addWidget(frames_[kFrictionFrame]);

  // The caption is a wrapping label beside the box: the page is too narrow for one line.
  slope_check_ = new QCheckBox;
  slope_check_->setObjectName(QStringLiteral("slope_length_width"));
  connect(slope_check_, &QCheckBox::clicked, this, [this](bool checked) {
    page_.set_slope_length_width(checked ? kChecked : kUnchecked);
  });
  auto* katu_label = note("滑働の検討において、支持面が傾斜する場合の改良幅Bを傾斜長とする");
  auto* katu = new QHBoxLayout;
  katu->addWidget(slope_check_, 0, Qt::AlignTop);
  katu->addWidget(katu_label, 1);
  top->addLayout(katu);
  top->addStretch(1);
  refresh();
}

BearingLayerView::~BearingLayerView() {
  for (widgets::TextBoxFocus* f : focus_watchers_) delete f;
}

void BearingLayerView::refresh() {
  const BearingLayerState& s = page_.state();
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const QString t = QString::fromStdString(s.boxes[i].text);
    if (boxes_[i]->text() != t) {
      QSignalBlocker block(boxes_[i]);
      boxes_[i]->setText(t);
    }
    boxes_[i]->setEnabled(s.boxes[i].enabled);
  }
  for (std::size_t i = 0; i < proposal_.size(); ++i)
    proposal_[i]->setText(QString::fromStdString(s.proposal[i]));
  for (std::size_t i = 0; i < options_.size(); ++i) {
    QSignalBlocker block(options_[i]);
    options_[i]->setChecked(s.options[i]);
  }
  {
    QSignalBlocker block(formula_list_);
    formula_list_->setCurrentIndex(s.formula);
  }
  {
    QSignalBlocker block(slope_check_);
    slope_check_->setCheckState(s.slope_length_width == kUnchecked ? Qt::Unchecked
                                : s.slope_length_width == kChecked ? Qt::Checked
                                                                   : Qt::PartiallyChecked);
  }
  for (std::size_t i = 0; i < frames_.size(); ++i) frames_[i]->setVisible(s.frame_visible[i]);
  for (QLabel* l : wall_notes_) l->setVisible(s.wall_notes_visible);
  for (QLabel* l : other_notes_) l->setVisible(s.other_notes_visible);
}

}  // namespace qvt::pages
