#include "frontend/pages/widgets/design_conditions_view.h"

#include "frontend/pages/widgets/illustrations.h"
#include "frontend/pages/box_ranges.h"
#include "frontend/widgets/text_box_focus.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace qvt::pages {

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }
std::pair<int, int> key(BoxId id) { return {static_cast<int>(id.group), id.index}; }

const char* group_name(BoxGroup g) {
  switch (g) {
    case BoxGroup::basic: return "basic_box";
    case BoxGroup::seismic: return "seismic_box";
    case BoxGroup::forces: return "force_box";
    case BoxGroup::surcharges: return "surcharge_box";
    case BoxGroup::reactions: return "reaction_box";
  }
  return "box";
}

QGroupBox* frame(const char* name, const char* caption, QWidget* parent) {
  auto* f = new QGroupBox(u(caption), parent);
  f->setObjectName(u(name));
  return f;
}

QLabel* label(const char* text, QWidget* parent) { return new QLabel(u(text), parent); }

Qt::CheckState qt_state(int s) {
  return s == kChecked ? Qt::Checked : s == kGrayed ? Qt::PartiallyChecked : Qt::Unchecked;
}

// Shows a group's selection, none included.
void show_selection(QButtonGroup* group, const bool* selected) {
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) {
    const int id = group->id(b);
    QSignalBlocker block(b);
    b->setChecked(selected[id]);
  }
  group->setExclusive(true);
}

// Shows the one button of a group whose id is chosen, none when no id matches.
void show_choice(QButtonGroup* group, int chosen) {
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) {
    QSignalBlocker block(b);
    b->setChecked(group->id(b) == chosen);
  }
  group->setExclusive(true);
}

}  // namespace

DesignConditionsView::DesignConditionsView(DesignConditionsPage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
  setObjectName(QStringLiteral("design_conditions"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("design_conditions_tabs"));
  layout->addWidget(tabs_);
  const char* captions[3] = {"基本条件", "地震時", "外力"};
  for (int j = 0; j < 3; ++j) {
    auto* holder = new QWidget;
    auto* hl = new QVBoxLayout(holder);
    hl->setContentsMargins(4, 4, 4, 4);
    QWidget* f = j == 0 ? build_basic_tab() : j == 1 ? build_seismic_tab() : build_forces_tab();
    f->setObjectName(QStringLiteral("design_conditions_frame_%1").arg(j));
    hl->addWidget(f);
    inner_frames_[j] = f;
    tabs_->addTab(holder, u(captions[j]));
  }
  // The page holds many controls in the place of the section picture: a small font and tight
  // spacing keep all of them in view.
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);
  for (QLayout* l : findChildren<QLayout*>()) {
    if (l == layout) continue;
    l->setSpacing(2);
    if (qobject_cast<QGroupBox*>(l->parentWidget())) l->setContentsMargins(6, 2, 6, 3);
  }
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int j) {
    page_.select_inner_tab(j);
    refresh();
  });
  refresh();
}

// The focus watchers go first: a box that loses the focus while the children are destroyed
// then reaches neither the presenter nor this half-destroyed view.
DesignConditionsView::~DesignConditionsView() {
  for (widgets::TextBoxFocus* f : focus_watchers_) delete f;
  for (QObject* o : hover_.keys()) o->removeEventFilter(this);
}

QLineEdit* DesignConditionsView::txt(BoxId id) const {
  const auto it = boxes_.find(key(id));
  return it == boxes_.end() ? nullptr : it->second;
}

QLineEdit* DesignConditionsView::make_box(BoxId id, QWidget* parent, int width) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QStringLiteral("%1_%2").arg(u(group_name(id.group))).arg(id.index));
  if (width > 0) e->setFixedWidth(width);
  if (*DesignConditionsPage::pattern_of(id)) e->setAlignment(Qt::AlignRight);
  boxes_[key(id)] = e;
  connect(e, &QLineEdit::textEdited, this, [this, id](const QString& t) { box_edited(id, t); });
  const bool number = *DesignConditionsPage::pattern_of(id) != '\0';
  focus_watchers_.push_back(widgets::TextBoxFocus::attach(
      e, number ? widgets::BoxKind::number : widgets::BoxKind::text,
      [this, id] {
        page_.got_focus(id);
        refresh();
      },
      [this, id] {
        page_.lost_focus(id);
        refresh();
      }));
  const BoxInterval range = design_conditions_box_interval(id);
  focus_watchers_.back()->set_range(range.lowest, range.highest);
  if (id.group == BoxGroup::seismic)
    focus_watchers_.back()->set_rule(
        [this, id](double value) { return page_.factor_keeps_coefficient(id, value); });
  if (number) widgets::fit_number_box(e, model::pattern_decimals(DesignConditionsPage::pattern_of(id)));
  return e;
}

void DesignConditionsView::box_edited(BoxId id, const QString& text) {
  if (!page_.text_edited(id, text.toStdString())) {
    // Refused (a name limit or a character without a code): the box keeps its text.
    QLineEdit* e = txt(id);
    const QString before = QString::fromStdString(page_.text_box(id).text);
    const int cursor = e->cursorPosition() - static_cast<int>(text.size() - before.size());
    QSignalBlocker block(e);
    e->setText(before);
    e->setCursorPosition(std::max(0, cursor));
  }
  refresh();
}

QRadioButton* DesignConditionsView::make_option(const char* name, int id, const QString& caption,
                                                QButtonGroup* group, QWidget* parent) {
  auto* b = new QRadioButton(caption, parent);
  b->setObjectName(QStringLiteral("%1_%2").arg(u(name)).arg(id));
  group->addButton(b, id);
  return b;
}

// ---------------------------------------------------------------------------------------------
// Inner tab 0: basic conditions

QWidget* DesignConditionsView::build_basic_tab() {
  auto* tab = new QWidget;
  auto* grid = new QGridLayout(tab);
  grid->setContentsMargins(0, 0, 0, 0);

  auto* job = new QHBoxLayout;
  auto* lbl0 = label("業務名称", tab);
  lbl0->setObjectName(QStringLiteral("job_name_caption"));
  job->addWidget(lbl0);
  job->addWidget(make_box(kJobNameBox, tab, 0));
  grid->addLayout(job, 0, 0, 1, 2);

  // Improvement pattern and ratio.
  pattern_group_ = new QButtonGroup(this);
  normal_clay_group_ = new QButtonGroup(this);
  auto* pattern_frame = frame("improvement_pattern_frame", "改良地盤の形状", tab);
  {
    auto* g = new QGridLayout(pattern_frame);
    auto pattern = [&](PatternChoice p, const char* caption) {
      QRadioButton* b = make_option("improvement_pattern", static_cast<int>(p), u(caption),
                                    pattern_group_, pattern_frame);
      pattern_buttons_[static_cast<int>(p)] = b;
      return b;
    };
    g->addWidget(pattern(PatternChoice::block, "ブロック式"), 0, 0);
    g->addWidget(pattern(PatternChoice::wall, "壁式"), 0, 1);
    g->addWidget(pattern(PatternChoice::tangent_circles, "接円式(ラップなし)"), 1, 0);
    g->addWidget(pattern(PatternChoice::lattice, "格子式"), 1, 1);
    g->addWidget(label("改良率 ap 　　　　　　　(%)", pattern_frame), 2, 0);
    g->addWidget(make_box(kImprovementRatioBox, pattern_frame, 70), 2, 1);
  }
  grid->addWidget(pattern_frame, 1, 0);

  // Allowable stresses and, for tangent circles, the design strength in one frame: their
  // internal stress is held to the allowable compressive stress and never to more than quck,
  // and their shear strength comes from quck, so its row takes the allowable shear stress's.
  QGroupBox*& stresses = allowable_stresses_frame_;
  stresses = frame("allowable_stresses_frame", "許容応力度（kN/m2）", tab);
  {
    auto* g = new QGridLayout(stresses);
    g->addWidget(label("常時", stresses), 0, 1, Qt::AlignCenter);
    g->addWidget(label("地震時", stresses), 0, 2, Qt::AlignCenter);
    g->addWidget(label("許容圧縮応力度", stresses), 1, 0);
    g->addWidget(make_box(kCompressiveNormalBox, stresses, 80), 1, 1);
    g->addWidget(make_box(kCompressiveSeismicBox, stresses, 80), 1, 2);
    allowable_shear_caption_ = label("許容せん断応力度", stresses);
    g->addWidget(allowable_shear_caption_, 2, 0);
    g->addWidget(make_box(kShearNormalBox, stresses, 80), 2, 1);
    g->addWidget(make_box(kShearSeismicBox, stresses, 80), 2, 2);
    design_strength_caption_ = label("設計基準強度 quck", stresses);
    g->addWidget(design_strength_caption_, 3, 0);
    g->addWidget(make_box(kDesignStrengthNormalBox, stresses, 80), 3, 1);
    g->addWidget(make_box(kDesignStrengthSeismicBox, stresses, 80), 3, 2);
    design_strength_note_ = label("改良地盤のせん断強度 = 1/2・quck・ap", stresses);
    g->addWidget(design_strength_note_, 4, 0, 1, 3);
  }
  grid->addWidget(stresses, 2, 0);

  // Clay formula of the normal case with its picture.
  auto* clay_frame = frame("normal_clay_formula_frame", "粘性土土圧強度式", tab);
  {
    auto* v = new QVBoxLayout(clay_frame);
    normal_clay_buttons_[kCompareFormulas] =
        make_option("normal_clay_formula", kCompareFormulas,
                    u("（式－1）と（式－2）を比較し、構造物に危険となる土圧分布をとる"),
                    normal_clay_group_, clay_frame);
    v->addWidget(normal_clay_buttons_[kCompareFormulas]);
    normal_clay_buttons_[kFormulaOneOnly] =
        make_option("normal_clay_formula", kFormulaOneOnly, u("（式－1）のみで土圧を計算する"),
                    normal_clay_group_, clay_frame);
    v->addWidget(normal_clay_buttons_[kFormulaOneOnly]);
    auto* img = new QLabel(clay_frame);
    img->setObjectName(QStringLiteral("normal_clay_formulas_picture"));
    img->setPixmap(normal_clay_formulas_picture());
    v->addWidget(img);
  }
  grid->addWidget(clay_frame, 3, 0);

  // Safety factors.
  auto* factors = frame("safety_factor_frame", "安全率", tab);
  {
    auto* g = new QGridLayout(factors);
    g->addWidget(label("常時", factors), 0, 1, Qt::AlignCenter);
    g->addWidget(label("地震時", factors), 0, 2, Qt::AlignCenter);
    const char* rows[4] = {"滑り出し", "転倒", "支持力", "抜け出し"};
    for (int k = kSlidingCheck; k <= kPullOutCheck; ++k) {
      g->addWidget(label(rows[k], factors), k + 1, 0);
      for (int c = 0; c < 2; ++c)
        g->addWidget(make_box(safety_factor_box(k, c), factors, 60), k + 1, c + 1);
    }
  }
  grid->addWidget(factors, 1, 1);

  // Water levels, unit weight and cohesion reference level.
  auto* tides = frame("water_level_frame", "潮位(m)", tab);
  {
    auto* g = new QGridLayout(tides);
    const char* names[3] = {"Ｈ．Ｗ．Ｌ", "Ｌ．Ｗ．Ｌ", "Ｒ．Ｗ．Ｌ"};
    const BoxId boxes[3] = {kHwlBox, kLwlBox, kRwlBox};
    for (int i = 0; i < 3; ++i) {
      g->addWidget(label(names[i], tides), 0, i, Qt::AlignCenter);
      g->addWidget(make_box(boxes[i], tides, 70), 1, i);
    }
  }
  auto* levels = new QVBoxLayout;
  levels->addWidget(tides);
  auto* wg = new QGridLayout;
  wg->addWidget(label("水の単位体積重量 (kN/m3)", tab), 0, 0);
  wg->addWidget(make_box(kWaterUnitWeightBox, tab, 70), 0, 1);
  wg->addWidget(label("粘着基準線の標高 (m)", tab), 1, 0);
  wg->addWidget(make_box(kCohesionLevelBox, tab, 70), 1, 1);
  levels->addLayout(wg);
  grid->addLayout(levels, 2, 1);

  // Seismic check and liquefaction.
  auto* f4 = frame("seismic_liquefaction_frame", "地震時、液状化", tab);
  {
    auto* v = new QGridLayout(f4);
    seismic_check_ = new QCheckBox(u("地震時の検討"), f4);
    seismic_check_->setObjectName(QStringLiteral("seismic_check"));
    liquefied_ignored_ = new QCheckBox(u("主働土圧を流動土圧に置き換えた場合、鉛直方向の土圧は無視"), f4);
    liquefied_ignored_->setObjectName(QStringLiteral("liquefied_vertical_ignored"));
    v->addWidget(seismic_check_, 0, 0, 1, 2);
    v->addWidget(liquefied_ignored_, 1, 0, 1, 2);
    // The brackets stand around the unconditional box, each beside it in one row, so neither
    // covers the box or its caption whatever the font; all three show only with "/td".
    auto* holder = new QWidget(f4);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(12, 0, 0, 0);
    row->setSpacing(2);
    open_bracket_ = new QLabel(u("（"), holder);
    open_bracket_->setObjectName(QStringLiteral("unconditional_open_bracket"));
    unconditionally_ignored_ = new QCheckBox(u("無条件に無視"), holder);
    unconditionally_ignored_->setObjectName(QStringLiteral("unconditionally_ignored"));
    close_bracket_ = new QLabel(u("）"), holder);
    close_bracket_->setObjectName(QStringLiteral("unconditional_close_bracket"));
    row->addWidget(open_bracket_);
    row->addWidget(unconditionally_ignored_);
    row->addWidget(close_bracket_);
    row->addStretch(1);
    v->addWidget(holder, 2, 0, 1, 2);
    v->addWidget(label("液状化層の土圧係数", f4), 3, 0);
    v->addWidget(make_box(kLiquefiedCoefBox, f4, 60), 3, 1, Qt::AlignLeft);
    connect(seismic_check_, &QCheckBox::clicked, this, [this](bool on) {
      page_.set_seismic_check(on ? kChecked : kUnchecked);
      refresh();
    });
    connect(liquefied_ignored_, &QCheckBox::clicked, this, [this](bool on) {
      page_.set_liquefied_vertical_ignored(on ? kChecked : kUnchecked);
      refresh();
    });
    connect(unconditionally_ignored_, &QCheckBox::clicked, this, [this](bool on) {
      page_.set_unconditionally_ignored(on ? kChecked : kUnchecked);
      refresh();
    });
  }
  grid->addWidget(f4, 3, 1);
  grid->setRowStretch(4, 1);

  connect(pattern_group_, &QButtonGroup::idClicked, this, [this](int id) {
    page_.choose_improvement_pattern(static_cast<PatternChoice>(id));
    refresh();
  });
  connect(normal_clay_group_, &QButtonGroup::idClicked, this, [this](int id) {
    page_.choose_normal_clay_formula(id);
    refresh();
  });
  return tab;
}

// ---------------------------------------------------------------------------------------------
// Inner tab 1: seismic coefficients and clay options

QWidget* DesignConditionsView::build_seismic_tab() {
  auto* tab = new QWidget;
  // Two columns, each stacked on its own: the coefficients over the picture on the left, the
  // R.W.L. and clay frames on the right. The picture has a place of its own, so it never lies
  // under a frame's caption, and each column takes its own heights.
  auto* columns = new QHBoxLayout(tab);
  columns->setContentsMargins(0, 0, 0, 0);
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  for (auto*& g : seismic_groups_) g = new QButtonGroup(this);
  auto option = [this](int i, const char* caption, int group, QWidget* parent) {
    QRadioButton* b = make_option("seismic_option", i, u(caption), seismic_groups_[group], parent);
    seismic_options_[i] = b;
    watch_hover(b, 1, i);
    return b;
  };
  auto watch_frame = [this](int i, QGroupBox* f) {
    hint_frames_[i] = f;
    watch_hover(f, 0, i);
  };
  QGroupBox* const* frames = hint_frames_.data();

  // Design seismic coefficients.
  watch_frame(kSeismicCoefFrame, frame("seismic_coef_frame", "設計震度", tab));
  {
    QGroupBox* f = frames[kSeismicCoefFrame];
    auto* g = new QGridLayout(f);
    g->addWidget(option(kCoefDirect, "直接入力", 0, f), 0, 0);
    g->addWidget(option(kCoefFromFactors, "係数より計算", 0, f), 0, 1, 1, 2);
    g->addWidget(label("地震時土圧", f), 1, 1, Qt::AlignCenter);
    g->addWidget(label("慣性力", f), 1, 2, Qt::AlignCenter);
    const char* rows[4] = {"地域別震度", "地盤種別係数", "重要度係数", "設計震度"};
    const BoxId earth[4] = {kRegionalEarthBox, kGroundTypeEarthBox, kImportanceEarthBox,
                            kSeismicCoefEarthBox};
    const BoxId inertia[4] = {kRegionalInertiaBox, kGroundTypeInertiaBox, kImportanceInertiaBox,
                              kSeismicCoefInertiaBox};
    for (int r = 0; r < 4; ++r) {
      g->addWidget(label(rows[r], f), r + 2, 0);
      g->addWidget(make_box(earth[r], f, 70), r + 2, 1);
      g->addWidget(make_box(inertia[r], f, 70), r + 2, 2);
    }
  }
  left->addWidget(frames[kSeismicCoefFrame]);

  watch_frame(kApparentCoefFrame, frame("apparent_coef_frame", "見かけの震度", tab));
  {
    QGroupBox* f = frames[kApparentCoefFrame];
    auto* g = new QGridLayout(f);
    g->addWidget(option(kApparentDirect, "直接入力", 1, f), 0, 0);
    g->addWidget(make_box(kApparentCoefBox, f, 70), 0, 1, Qt::AlignLeft);
    g->addWidget(option(kApparentGeneral, "一般式（γ/（γ-10）・ｋ）", 1, f), 1, 0, 1, 2);
    // The two proposals share a row, which leaves the picture its height below.
    g->addWidget(option(kApparentNiken, "二建の提案式", 1, f), 2, 0);
    g->addWidget(option(kApparentAraiYokoi, "荒井・横井の提案式", 1, f), 2, 1);
  }
  left->addWidget(frames[kApparentCoefFrame]);

  watch_frame(kRwlFrame, frame("rwl_frame", "Ｒ．Ｗ．Ｌ．位置の震度の取り扱い", tab));
  {
    QGroupBox* f = frames[kRwlFrame];
    auto* v = new QVBoxLayout(f);
    v->addWidget(option(kRwlAirBelowApparent, "上側は空中震度、下側は見かけの震度を用いる", 2, f));
    v->addWidget(option(kRwlAirBoth, "上・下共に空中震度を用いる", 2, f));
  }
  right->addWidget(frames[kRwlFrame]);

  seismic_picture_ = new QLabel(tab);
  seismic_picture_->setObjectName(QStringLiteral("seismic_picture"));
  seismic_picture_->setFixedSize(kSeismicPictureSize);
  left->addWidget(seismic_picture_, 0, Qt::AlignHCenter);
  left->addStretch(1);

  watch_frame(kClayHandlingFrame, frame("clay_handling_frame", "粘性土の取り扱い", tab));
  {
    QGroupBox* clay = frames[kClayHandlingFrame];
    auto* v = new QVBoxLayout(clay);
    watch_frame(kSeismicClayFormulaFrame, frame("seismic_clay_formula_frame", "土圧強度式", clay));
    QGroupBox* formula = frames[kSeismicClayFormulaFrame];
    auto* v4 = new QVBoxLayout(formula);
    v4->addWidget(option(kSeismicClayCompare,
                         "（式－1）と（式－2）を比較し、構造物に危険となる土圧分布をとる", 3,
                         formula));
    v4->addWidget(option(kSeismicClayFormulaOne, "（式－1）のみで土圧を計算する", 3, formula));
    v->addWidget(formula);
    watch_frame(kShallowClayFrame,
                frame("shallow_clay_frame", "海底面～海底面-10mにある粘土層の土圧計算方法と採用値",
                      clay));
    QGroupBox* shallow = frames[kShallowClayFrame];
    auto* v5 = new QVBoxLayout(shallow);
    // The order on the page is not the order of the stored codes.
    v5->addWidget(option(kShallowApparentBoth, "上・下共に見かけの震度を用いて土圧を計算する", 4, shallow));
    v5->addWidget(option(kShallowPressureLower, "土圧強度を直線補間して下限値を求める", 4, shallow));
    v5->addWidget(option(kShallowPressureBounds, "土圧強度を直線補間して上・下限値を求める", 4, shallow));
    v5->addWidget(option(kShallowApparentBounds, "見かけの震度を直線補間して上・下限値を求める", 4, shallow));
    v->addWidget(shallow);
    watch_frame(kClayComparisonFrame,
                frame("clay_comparison_frame", "海底面以下にある粘土層の土圧採用値", clay));
    QGroupBox* comparison = frames[kClayComparisonFrame];
    auto* v7 = new QVBoxLayout(comparison);
    const char* checks[2] = {"（海底面～海底面-10ｍ）土層上限や海底面での土圧強度と比較する",
                             "（海底面-10ｍ以深）土層上限の土圧強度と下限値を比較する"};
    for (int i = kCompareShallow; i <= kCompareDeep; ++i) {
      auto* c = new QCheckBox(u(checks[i]), comparison);
      c->setObjectName(QStringLiteral("clay_comparison_%1").arg(i));
      watch_hover(c, 2, i);
      connect(c, &QCheckBox::clicked, this, [this, i](bool on) {
        page_.set_clay_comparison(i, on ? kChecked : kUnchecked);
        refresh();
      });
      clay_comparison_[i] = c;
      v7->addWidget(c);
    }
    v->addWidget(comparison);
  }
  right->addWidget(frames[kClayHandlingFrame]);
  right->addStretch(1);

  for (QButtonGroup* g : seismic_groups_)
    connect(g, &QButtonGroup::idClicked, this, [this](int id) {
      page_.choose_seismic_option(id);
      refresh();
    });
  return tab;
}

// ---------------------------------------------------------------------------------------------
// Inner tab 2: external forces, top surcharges, body reactions

QWidget* DesignConditionsView::build_forces_tab() {
  auto* tab = new QWidget;
  auto* grid = new QGridLayout(tab);
  grid->setContentsMargins(0, 0, 0, 0);
  const char* headers[6] = {"No", "外力名称(20文字まで)", "鉛直力(kN/m)", "水平力(kN/m)",
                            "X座標   (m)", "Y座標   (m)"};
  for (int c = 0; c < 2; ++c) {
    auto* f = frame(c == 0 ? "normal_forces_frame" : "seismic_forces_frame", c == 0 ? "常時" : "地震時", tab);
    auto* g = new QGridLayout(f);
    g->setVerticalSpacing(2);
    for (int h = 0; h < 6; ++h) g->addWidget(label(headers[h], f), 0, h, Qt::AlignCenter);
    for (int r = 0; r < 3; ++r) {
      g->addWidget(label(std::to_string(r + 1).c_str(), f), r + 1, 0, Qt::AlignCenter);
      for (int k = kForceName; k <= kForceY; ++k)
        g->addWidget(make_box(force_box(c, r, k), f, k == kForceName ? 0 : 90), r + 1, k + 1);
    }
    g->setColumnStretch(2, 1);
    grid->addWidget(f, c, 0, 1, 3);
  }

  auto* f6 = frame("top_surcharge_frame", "上載荷重（本体工上部）", tab);
  hint_frames_[kTopSurchargeFrame] = f6;
  watch_hover(f6, 0, kTopSurchargeFrame);
  {
    auto* g = new QGridLayout(f6);
    g->setVerticalSpacing(2);
    g->addWidget(label("作用幅 (m)", f6), 0, 1, 1, 2, Qt::AlignCenter);
    g->addWidget(label("作用力 (kN/㎡)", f6), 0, 3, 1, 2, Qt::AlignCenter);
    const char* cols[4] = {"Xmin", "Xmax", "常 時", "地震時"};
    for (int k = 0; k < 4; ++k) g->addWidget(label(cols[k], f6), 1, k + 1, Qt::AlignCenter);
    for (int r = 0; r < 3; ++r) {
      g->addWidget(label(std::to_string(r + 1).c_str(), f6), r + 2, 0);
      for (int k = kSurchargeXmin; k <= kSurchargeSeismic; ++k)
        g->addWidget(make_box(surcharge_box(r, k), f6, 62), r + 2, k + 1);
    }
    top_surcharge_ = new QCheckBox(u("本体工上部の上載荷重を計算に考慮する"), f6);
    top_surcharge_->setObjectName(QStringLiteral("top_surcharge_considered"));
    connect(top_surcharge_, &QCheckBox::clicked, this, [this](bool on) {
      page_.set_top_surcharge_considered(on ? kChecked : kUnchecked);
      refresh();
    });
    g->addWidget(top_surcharge_, 5, 0, 1, 5);
  }
  // The number boxes take the width of their widest value, so the three frames below the forces
  // do not stand side by side: the reaction and the dynamic water pressure share one column.
  grid->addWidget(f6, 2, 0, 2, 1, Qt::AlignTop);

  auto* f3 = frame("body_reaction_frame", "本体工の地盤反力", tab);
  {
    auto* g = new QGridLayout(f3);
    g->setVerticalSpacing(2);
    g->addWidget(label("常 時", f3), 0, 1, Qt::AlignCenter);
    g->addWidget(label("地震時", f3), 0, 2, Qt::AlignCenter);
    // The reaction is an intensity: the engines spread it over the width and add it to the
    // overburden pressure.
    const char* rows[3] = {"地盤反力(kN/m2)", "分布幅(m)", "分散角(°)"};
    const BoxId boxes[3][2] = {{kReactionNormalBox, kReactionSeismicBox},
                               {kSpreadWidthNormalBox, kSpreadWidthSeismicBox},
                               {kSpreadAngleNormalBox, kSpreadAngleSeismicBox}};
    for (int r = 0; r < 3; ++r) {
      g->addWidget(label(rows[r], f3), r + 1, 0);
      for (int c = 0; c < 2; ++c) g->addWidget(make_box(boxes[r][c], f3, 70), r + 1, c + 1);
    }
  }
  grid->addWidget(f3, 2, 1, Qt::AlignTop);

  auto* f2 = frame("dynamic_water_frame", "動水圧", tab);
  {
    auto* g = new QGridLayout(f2);
    g->addWidget(label("動水圧合力(kN/m)", f2), 0, 0);
    g->addWidget(make_box(kDynamicWaterForceBox, f2, 70), 0, 1);
    g->addWidget(label("作用位置  標高(m)", f2), 1, 0);
    g->addWidget(make_box(kDynamicWaterLevelBox, f2, 70), 1, 1);
  }
  grid->addWidget(f2, 3, 1, Qt::AlignTop);
  grid->setRowStretch(4, 1);
  return tab;
}

// ---------------------------------------------------------------------------------------------
// Events and refresh

void DesignConditionsView::watch_hover(QWidget* w, int kind, int index) {
  w->setMouseTracking(true);
  // A move that the control does not take would travel on to its frames, and an outer
  // frame's handler would overwrite what the control under the cursor has just shown.
  w->setAttribute(Qt::WA_NoMousePropagation);
  w->installEventFilter(this);
  hover_.insert(w, {kind, index});
}

bool DesignConditionsView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    const auto it = hover_.constFind(watched);
    if (it != hover_.constEnd()) {
      const auto [kind, index] = *it;
      if (kind == 0) page_.hover_frame(index);
      else if (kind == 1) page_.hover_seismic_option(index);
      else page_.hover_clay_comparison(index);
      refresh();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void DesignConditionsView::show_box(BoxId id, const TextBox& b) {
  QLineEdit* e = txt(id);
  if (!e) return;
  const QString t = QString::fromStdString(b.text);
  if (e->text() != t) {
    QSignalBlocker block(e);
    e->setText(t);
  }
  e->setEnabled(b.enabled);
}

void DesignConditionsView::refresh() {
  const DesignConditionsState& s = page_.state();
  const auto show_group = [this](BoxGroup g, const auto& boxes) {
    for (int i = 0; i < static_cast<int>(boxes.size()); ++i) show_box({g, i}, boxes[i]);
  };
  show_group(BoxGroup::basic, s.basic_boxes);
  show_group(BoxGroup::seismic, s.seismic_boxes);
  show_group(BoxGroup::forces, s.force_boxes);
  show_group(BoxGroup::surcharges, s.surcharge_boxes);
  show_group(BoxGroup::reactions, s.reaction_boxes);

  show_choice(pattern_group_, static_cast<int>(s.improvement_pattern));
  show_choice(normal_clay_group_, s.normal_clay_formula);
  for (QButtonGroup* g : seismic_groups_) show_selection(g, s.seismic_options.data());

  const std::pair<QCheckBox*, int> checks[] = {
      {seismic_check_, s.seismic_check},
      {liquefied_ignored_, s.liquefied_vertical_ignored},
      {unconditionally_ignored_, s.unconditionally_ignored},
      {clay_comparison_[kCompareShallow], s.clay_comparison[kCompareShallow]},
      {clay_comparison_[kCompareDeep], s.clay_comparison[kCompareDeep]},
      {top_surcharge_, s.top_surcharge_considered}};
  for (const auto& [box, state] : checks) {
    QSignalBlocker block(box);
    box->setCheckState(qt_state(state));
  }
  allowable_stresses_frame_->setVisible(s.allowable_stresses_visible || s.design_strength_visible);
  allowable_stresses_frame_->setTitle(s.design_strength_visible
                                          ? u("許容応力度・設計基準強度（kN/m2）")
                                          : u("許容応力度（kN/m2）"));
  using Row = std::initializer_list<QWidget*>;
  for (QWidget* w : Row{allowable_shear_caption_, txt(kShearNormalBox), txt(kShearSeismicBox)})
    w->setVisible(s.allowable_shear_visible);
  for (QWidget* w : Row{design_strength_caption_, txt(kDesignStrengthNormalBox),
                        txt(kDesignStrengthSeismicBox), design_strength_note_})
    w->setVisible(s.design_strength_visible);
  open_bracket_->setVisible(s.td_controls_visible);
  unconditionally_ignored_->setVisible(s.td_controls_visible);
  close_bracket_->setVisible(s.td_controls_visible);
  for (int j = 0; j < 3; ++j) inner_frames_[j]->setEnabled(s.inner_frame_enabled[j]);
  if (tabs_->currentIndex() != s.inner_tab) {
    QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(s.inner_tab);
  }
  if (s.seismic_picture != shown_picture_) {
    shown_picture_ = s.seismic_picture;
    if (s.seismic_picture == kPictureRwl) seismic_picture_->setPixmap(rwl_pressure_picture());
    else if (s.seismic_picture == kPictureClay) seismic_picture_->setPixmap(seismic_clay_formulas_picture());
    else seismic_picture_->clear();
  }
}

}  // namespace qvt::pages
