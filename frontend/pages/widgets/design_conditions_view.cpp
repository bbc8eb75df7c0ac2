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

namespace qvt::pages {

namespace {

QString u(const char* s) { return QString::fromUtf8(s); }
std::pair<int, int> key(BoxId id) { return {static_cast<int>(id.group), id.index}; }

const char* group_name(BoxGroup g) {
  switch (g) {
    case BoxGroup::gm1: return "txt_gm1";
    case BoxGroup::gm2: return "txt_gm2";
    case BoxGroup::gm19: return "txt_gm19";
    case BoxGroup::gm20: return "txt_gm20";
    case BoxGroup::gm21: return "txt_gm21";
  }
  return "txt";
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

}  // namespace

DesignConditionsView::DesignConditionsView(DesignConditionsPage& page, QWidget* parent)
    : QWidget(parent), page_(page) {
  setObjectName(QStringLiteral("design_conditions"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("tab_gm_0"));
  layout->addWidget(tabs_);
  const char* captions[3] = {"基本条件", "地震時", "外力"};
  for (int j = 0; j < 3; ++j) {
    auto* holder = new QWidget;
    auto* hl = new QVBoxLayout(holder);
    hl->setContentsMargins(4, 4, 4, 4);
    QWidget* f = j == 0 ? build_basic_tab() : j == 1 ? build_seismic_tab() : build_forces_tab();
    f->setObjectName(QStringLiteral("fra_tb1_%1").arg(j));
    hl->addWidget(f);
    fra_tb1_[j] = f;
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
  const BoxInterval range = box_interval(design_conditions_box_quantity(id));
  focus_watchers_.back()->set_range(range.lowest, range.highest);
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

QRadioButton* DesignConditionsView::make_option(std::array<QRadioButton*, 14>& store,
                                                const char* array_name, int i,
                                                const QString& caption, QButtonGroup* group,
                                                QWidget* parent) {
  auto* b = new QRadioButton(caption, parent);
  b->setObjectName(QStringLiteral("%1_%2").arg(u(array_name)).arg(i));
  group->addButton(b, i);
  store[i] = b;
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
  lbl0->setObjectName(QStringLiteral("lbl_gm1_0"));
  job->addWidget(lbl0);
  job->addWidget(make_box({BoxGroup::gm1, 0}, tab, 0));
  grid->addLayout(job, 0, 0, 1, 2);

  // Improvement pattern and ratio.
  for (auto*& g : gm1_groups_) g = new QButtonGroup(this);
  fra_gm1_[0] = frame("fra_gm1_0", "改良地盤の形状", tab);
  {
    auto* g = new QGridLayout(fra_gm1_[0]);
    g->addWidget(make_option(opt_gm1_, "opt_gm1", 0, u("ブロック式"), gm1_groups_[0], fra_gm1_[0]), 0, 0);
    g->addWidget(make_option(opt_gm1_, "opt_gm1", 1, u("壁式"), gm1_groups_[0], fra_gm1_[0]), 0, 1);
    g->addWidget(make_option(opt_gm1_, "opt_gm1", 4, u("接円式(ラップなし)"), gm1_groups_[0], fra_gm1_[0]), 1, 0);
    g->addWidget(make_option(opt_gm1_, "opt_gm1", 5, u("格子式"), gm1_groups_[0], fra_gm1_[0]), 1, 1);
    g->addWidget(label("改良率 ap 　　　　　　　(%)", fra_gm1_[0]), 2, 0);
    g->addWidget(make_box({BoxGroup::gm1, 25}, fra_gm1_[0], 70), 2, 1);
  }
  grid->addWidget(fra_gm1_[0], 1, 0);

  // Allowable stresses and design strength share one place.
  fra_gm1_[2] = frame("fra_gm1_2", "許容応力度（kN/m2）", tab);
  {
    auto* g = new QGridLayout(fra_gm1_[2]);
    g->addWidget(label("常時", fra_gm1_[2]), 0, 1, Qt::AlignCenter);
    g->addWidget(label("地震時", fra_gm1_[2]), 0, 2, Qt::AlignCenter);
    g->addWidget(label("許容圧縮応力度", fra_gm1_[2]), 1, 0);
    g->addWidget(make_box({BoxGroup::gm1, 1}, fra_gm1_[2], 80), 1, 1);
    g->addWidget(make_box({BoxGroup::gm1, 2}, fra_gm1_[2], 80), 1, 2);
    g->addWidget(label("許容せん断応力度", fra_gm1_[2]), 2, 0);
    g->addWidget(make_box({BoxGroup::gm1, 3}, fra_gm1_[2], 80), 2, 1);
    g->addWidget(make_box({BoxGroup::gm1, 4}, fra_gm1_[2], 80), 2, 2);
  }
  fra_gm1_[6] = frame("fra_gm1_6", "設計基準強度（kN/m2）", tab);
  {
    auto* g = new QGridLayout(fra_gm1_[6]);
    g->addWidget(label("常時", fra_gm1_[6]), 0, 1, Qt::AlignCenter);
    g->addWidget(label("地震時", fra_gm1_[6]), 0, 2, Qt::AlignCenter);
    g->addWidget(label("設計基準強度 quck", fra_gm1_[6]), 1, 0);
    g->addWidget(make_box({BoxGroup::gm1, 30}, fra_gm1_[6], 80), 1, 1);
    g->addWidget(make_box({BoxGroup::gm1, 29}, fra_gm1_[6], 80), 1, 2);
    g->addWidget(label("改良地盤のせん断強度 = 1/2・quck・ap", fra_gm1_[6]), 2, 0, 1, 3);
  }
  grid->addWidget(fra_gm1_[2], 2, 0);
  grid->addWidget(fra_gm1_[6], 2, 0);

  // Clay formula of the normal case with its picture.
  fra_gm1_[4] = frame("fra_gm1_4", "粘性土土圧強度式", tab);
  {
    auto* v = new QVBoxLayout(fra_gm1_[4]);
    v->addWidget(make_option(opt_gm1_, "opt_gm1", 2,
                             u("（式－1）と（式－2）を比較し、構造物に危険となる土圧分布をとる"),
                             gm1_groups_[1], fra_gm1_[4]));
    v->addWidget(make_option(opt_gm1_, "opt_gm1", 3, u("（式－1）のみで土圧を計算する"),
                             gm1_groups_[1], fra_gm1_[4]));
    auto* img = new QLabel(fra_gm1_[4]);
    img->setObjectName(QStringLiteral("Img_gm1"));
    img->setPixmap(normal_clay_formulas_picture());
    v->addWidget(img);
  }
  grid->addWidget(fra_gm1_[4], 3, 0);

  // Safety factors.
  fra_gm1_[1] = frame("fra_gm1_1", "安全率", tab);
  {
    auto* g = new QGridLayout(fra_gm1_[1]);
    g->addWidget(label("常時", fra_gm1_[1]), 0, 1, Qt::AlignCenter);
    g->addWidget(label("地震時", fra_gm1_[1]), 0, 2, Qt::AlignCenter);
    const char* rows[4] = {"滑り出し", "転倒", "支持力", "抜け出し"};
    for (int k = 0; k < 4; ++k) {
      g->addWidget(label(rows[k], fra_gm1_[1]), k + 1, 0);
      for (int c = 0; c < 2; ++c)
        g->addWidget(make_box({BoxGroup::gm1, 12 + 2 * k + c}, fra_gm1_[1], 60), k + 1, c + 1);
    }
  }
  grid->addWidget(fra_gm1_[1], 1, 1);

  // Water levels, unit weight and cohesion reference level.
  fra_gm1_[5] = frame("fra_gm1_5", "潮位(m)", tab);
  {
    auto* g = new QGridLayout(fra_gm1_[5]);
    const char* names[3] = {"Ｈ．Ｗ．Ｌ", "Ｌ．Ｗ．Ｌ", "Ｒ．Ｗ．Ｌ"};
    for (int i = 0; i < 3; ++i) {
      g->addWidget(label(names[i], fra_gm1_[5]), 0, i, Qt::AlignCenter);
      g->addWidget(make_box({BoxGroup::gm1, 22 + i}, fra_gm1_[5], 70), 1, i);
    }
  }
  auto* levels = new QVBoxLayout;
  levels->addWidget(fra_gm1_[5]);
  auto* wg = new QGridLayout;
  wg->addWidget(label("水の単位体積重量 (kN/m3)", tab), 0, 0);
  wg->addWidget(make_box({BoxGroup::gm1, 20}, tab, 70), 0, 1);
  wg->addWidget(label("粘着基準線の標高 (m)", tab), 1, 0);
  wg->addWidget(make_box({BoxGroup::gm1, 21}, tab, 70), 1, 1);
  levels->addLayout(wg);
  grid->addLayout(levels, 2, 1);

  // Seismic check and liquefaction.
  auto* f4 = frame("Frame4", "地震時、液状化", tab);
  {
    auto* v = new QGridLayout(f4);
    chk_gm1_ = new QCheckBox(u("地震時の検討"), f4);
    chk_gm1_->setObjectName(QStringLiteral("chk_gm1"));
    chk_gm1_1_ = new QCheckBox(u("主働土圧を流動土圧に置き換えた場合、鉛直方向の土圧は無視"), f4);
    chk_gm1_1_->setObjectName(QStringLiteral("chk_gm1_1"));
    v->addWidget(chk_gm1_, 0, 0, 1, 2);
    v->addWidget(chk_gm1_1_, 1, 0, 1, 2);
    // The brackets stand around the unconditional box, each beside it in one row, so neither
    // covers the box or its caption whatever the font; all three show only with "/td".
    auto* holder = new QWidget(f4);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(12, 0, 0, 0);
    row->setSpacing(2);
    lbl_gm1_27_ = new QLabel(u("（"), holder);
    lbl_gm1_27_->setObjectName(QStringLiteral("lbl_gm1_27"));
    chk_gm1_2_ = new QCheckBox(u("無条件に無視"), holder);
    chk_gm1_2_->setObjectName(QStringLiteral("chk_gm1_2"));
    lbl_gm1_27_close_ = new QLabel(u("）"), holder);
    lbl_gm1_27_close_->setObjectName(QStringLiteral("lbl_gm1_27_close"));
    row->addWidget(lbl_gm1_27_);
    row->addWidget(chk_gm1_2_);
    row->addWidget(lbl_gm1_27_close_);
    row->addStretch(1);
    v->addWidget(holder, 2, 0, 1, 2);
    v->addWidget(label("液状化層の土圧係数", f4), 3, 0);
    v->addWidget(make_box({BoxGroup::gm1, 26}, f4, 60), 3, 1, Qt::AlignLeft);
    connect(chk_gm1_, &QCheckBox::clicked, this, [this](bool on) {
      page_.set_chk_gm1(on ? kChecked : kUnchecked);
      refresh();
    });
    connect(chk_gm1_1_, &QCheckBox::clicked, this, [this](bool on) {
      page_.set_chk_gm1_1(on ? kChecked : kUnchecked);
      refresh();
    });
    connect(chk_gm1_2_, &QCheckBox::clicked, this, [this](bool on) {
      page_.set_chk_gm1_2(on ? kChecked : kUnchecked);
      refresh();
    });
  }
  grid->addWidget(f4, 3, 1);
  grid->setRowStretch(4, 1);

  for (QButtonGroup* g : gm1_groups_)
    connect(g, &QButtonGroup::idClicked, this, [this](int id) {
      page_.opt_gm1_select(id);
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
  for (auto*& g : gm2_groups_) g = new QButtonGroup(this);
  auto option = [this](int i, const char* caption, int group, QWidget* parent) {
    QRadioButton* b = make_option(opt_gm2_, "opt_gm2", i, u(caption), gm2_groups_[group], parent);
    watch_hover(b, 1, i);
    return b;
  };
  auto watch_frame = [this](int i, QGroupBox* f) {
    fra_gm2_[i] = f;
    watch_hover(f, 0, i);
  };

  // Design seismic coefficients.
  watch_frame(0, frame("fra_gm2_0", "設計震度", tab));
  {
    auto* g = new QGridLayout(fra_gm2_[0]);
    g->addWidget(option(0, "直接入力", 0, fra_gm2_[0]), 0, 0);
    g->addWidget(option(1, "係数より計算", 0, fra_gm2_[0]), 0, 1, 1, 2);
    g->addWidget(label("地震時土圧", fra_gm2_[0]), 1, 1, Qt::AlignCenter);
    g->addWidget(label("慣性力", fra_gm2_[0]), 1, 2, Qt::AlignCenter);
    const char* rows[4] = {"地域別震度", "地盤種別係数", "重要度係数", "設計震度"};
    const int earth[4] = {0, 1, 2, 3};
    const int inertia[4] = {6, 7, 8, 4};
    for (int r = 0; r < 4; ++r) {
      g->addWidget(label(rows[r], fra_gm2_[0]), r + 2, 0);
      g->addWidget(make_box({BoxGroup::gm2, earth[r]}, fra_gm2_[0], 70), r + 2, 1);
      g->addWidget(make_box({BoxGroup::gm2, inertia[r]}, fra_gm2_[0], 70), r + 2, 2);
    }
  }
  left->addWidget(fra_gm2_[0]);

  watch_frame(1, frame("fra_gm2_1", "見かけの震度", tab));
  {
    auto* g = new QGridLayout(fra_gm2_[1]);
    g->addWidget(option(2, "直接入力", 1, fra_gm2_[1]), 0, 0);
    g->addWidget(make_box({BoxGroup::gm2, 5}, fra_gm2_[1], 70), 0, 1, Qt::AlignLeft);
    g->addWidget(option(3, "一般式（γ/（γ-10）・ｋ）", 1, fra_gm2_[1]), 1, 0, 1, 2);
    // The two proposals share a row, which leaves the picture its height below.
    g->addWidget(option(4, "二建の提案式", 1, fra_gm2_[1]), 2, 0);
    g->addWidget(option(5, "荒井・横井の提案式", 1, fra_gm2_[1]), 2, 1);
  }
  left->addWidget(fra_gm2_[1]);

  watch_frame(2, frame("fra_gm2_2", "Ｒ．Ｗ．Ｌ．位置の震度の取り扱い", tab));
  {
    auto* v = new QVBoxLayout(fra_gm2_[2]);
    v->addWidget(option(8, "上側は空中震度、下側は見かけの震度を用いる", 2, fra_gm2_[2]));
    v->addWidget(option(9, "上・下共に空中震度を用いる", 2, fra_gm2_[2]));
  }
  right->addWidget(fra_gm2_[2]);

  img_gm2_ = new QLabel(tab);
  img_gm2_->setObjectName(QStringLiteral("img_gm2"));
  img_gm2_->setFixedSize(kSeismicPictureSize);
  left->addWidget(img_gm2_, 0, Qt::AlignHCenter);
  left->addStretch(1);

  watch_frame(3, frame("fra_gm2_3", "粘性土の取り扱い", tab));
  {
    auto* v = new QVBoxLayout(fra_gm2_[3]);
    watch_frame(4, frame("fra_gm2_4", "土圧強度式", fra_gm2_[3]));
    auto* v4 = new QVBoxLayout(fra_gm2_[4]);
    v4->addWidget(option(10, "（式－1）と（式－2）を比較し、構造物に危険となる土圧分布をとる", 3,
                         fra_gm2_[4]));
    v4->addWidget(option(11, "（式－1）のみで土圧を計算する", 3, fra_gm2_[4]));
    v->addWidget(fra_gm2_[4]);
    watch_frame(5, frame("fra_gm2_5", "海底面～海底面-10mにある粘土層の土圧計算方法と採用値",
                         fra_gm2_[3]));
    auto* v5 = new QVBoxLayout(fra_gm2_[5]);
    // Top to bottom 13, 12, 6, 7: the order on the page is not the order of the codes.
    v5->addWidget(option(13, "上・下共に見かけの震度を用いて土圧を計算する", 4, fra_gm2_[5]));
    v5->addWidget(option(12, "土圧強度を直線補間して下限値を求める", 4, fra_gm2_[5]));
    v5->addWidget(option(6, "土圧強度を直線補間して上・下限値を求める", 4, fra_gm2_[5]));
    v5->addWidget(option(7, "見かけの震度を直線補間して上・下限値を求める", 4, fra_gm2_[5]));
    v->addWidget(fra_gm2_[5]);
    watch_frame(7, frame("fra_gm2_7", "海底面以下にある粘土層の土圧採用値", fra_gm2_[3]));
    auto* v7 = new QVBoxLayout(fra_gm2_[7]);
    const char* checks[2] = {"（海底面～海底面-10ｍ）土層上限や海底面での土圧強度と比較する",
                             "（海底面-10ｍ以深）土層上限の土圧強度と下限値を比較する"};
    for (int i = 0; i < 2; ++i) {
      auto* c = new QCheckBox(u(checks[i]), fra_gm2_[7]);
      c->setObjectName(QStringLiteral("chk_gm2_%1").arg(i));
      watch_hover(c, 2, i);
      connect(c, &QCheckBox::clicked, this, [this, i](bool on) {
        page_.set_chk_gm2(i, on ? kChecked : kUnchecked);
        refresh();
      });
      chk_gm2_[i] = c;
      v7->addWidget(c);
    }
    v->addWidget(fra_gm2_[7]);
  }
  right->addWidget(fra_gm2_[3]);
  right->addStretch(1);

  for (QButtonGroup* g : gm2_groups_)
    connect(g, &QButtonGroup::idClicked, this, [this](int id) {
      page_.opt_gm2_select(id);
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
    auto* f = frame(c == 0 ? "fra_gm19_0" : "fra_gm19_1", c == 0 ? "常時" : "地震時", tab);
    auto* g = new QGridLayout(f);
    g->setVerticalSpacing(2);
    for (int h = 0; h < 6; ++h) g->addWidget(label(headers[h], f), 0, h, Qt::AlignCenter);
    for (int r = 0; r < 3; ++r) {
      g->addWidget(label(std::to_string(r + 1).c_str(), f), r + 1, 0, Qt::AlignCenter);
      for (int k = 0; k < 5; ++k)
        g->addWidget(make_box({BoxGroup::gm19, 15 * c + 5 * r + k}, f, k == 0 ? 0 : 90), r + 1,
                     k + 1);
    }
    g->setColumnStretch(2, 1);
    grid->addWidget(f, c, 0, 1, 3);
  }

  auto* f6 = frame("fra_gm2_6", "上載荷重（本体工上部）", tab);
  fra_gm2_[6] = f6;
  watch_hover(f6, 0, 6);
  {
    auto* g = new QGridLayout(f6);
    g->setVerticalSpacing(2);
    g->addWidget(label("作用幅 (m)", f6), 0, 1, 1, 2, Qt::AlignCenter);
    g->addWidget(label("作用力 (kN/㎡)", f6), 0, 3, 1, 2, Qt::AlignCenter);
    const char* cols[4] = {"Xmin", "Xmax", "常 時", "地震時"};
    for (int k = 0; k < 4; ++k) g->addWidget(label(cols[k], f6), 1, k + 1, Qt::AlignCenter);
    for (int r = 0; r < 3; ++r) {
      g->addWidget(label(std::to_string(r + 1).c_str(), f6), r + 2, 0);
      for (int k = 0; k < 4; ++k)
        g->addWidget(make_box({BoxGroup::gm20, 4 * r + k}, f6, 62), r + 2, k + 1);
    }
    chk_gm20_ = new QCheckBox(u("本体工上部の上載荷重を計算に考慮する"), f6);
    chk_gm20_->setObjectName(QStringLiteral("chk_gm20"));
    connect(chk_gm20_, &QCheckBox::clicked, this, [this](bool on) {
      page_.set_chk_gm20(on ? kChecked : kUnchecked);
      refresh();
    });
    g->addWidget(chk_gm20_, 5, 0, 1, 5);
  }
  // The number boxes take the width of their widest value, so the three frames below the forces
  // do not stand side by side: the reaction and the dynamic water pressure share one column.
  grid->addWidget(f6, 2, 0, 2, 1, Qt::AlignTop);

  auto* f3 = frame("Frame3", "本体工の地盤反力", tab);
  {
    auto* g = new QGridLayout(f3);
    g->setVerticalSpacing(2);
    g->addWidget(label("常 時", f3), 0, 1, Qt::AlignCenter);
    g->addWidget(label("地震時", f3), 0, 2, Qt::AlignCenter);
    // The reaction is an intensity: the engines spread it over the width and add it to the
    // overburden pressure.
    const char* rows[3] = {"地盤反力(kN/m2)", "分布幅(m)", "分散角(°)"};
    for (int r = 0; r < 3; ++r) {
      g->addWidget(label(rows[r], f3), r + 1, 0);
      for (int c = 0; c < 2; ++c)
        g->addWidget(make_box({BoxGroup::gm21, 2 * r + c}, f3, 70), r + 1, c + 1);
    }
  }
  grid->addWidget(f3, 2, 1, Qt::AlignTop);

  auto* f2 = frame("Frame2", "動水圧", tab);
  {
    auto* g = new QGridLayout(f2);
    g->addWidget(label("動水圧合力(kN/m)", f2), 0, 0);
    g->addWidget(make_box({BoxGroup::gm21, 6}, f2, 70), 0, 1);
    g->addWidget(label("作用位置  標高(m)", f2), 1, 0);
    g->addWidget(make_box({BoxGroup::gm21, 7}, f2, 70), 1, 1);
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
      if (kind == 0) page_.fra_gm2_MouseMove(index);
      else if (kind == 1) page_.opt_gm2_MouseMove(index);
      else page_.chk_gm2_MouseMove(index);
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
  for (int i = 0; i < static_cast<int>(s.txt_gm1.size()); ++i) show_box({BoxGroup::gm1, i}, s.txt_gm1[i]);
  for (int i = 0; i < static_cast<int>(s.txt_gm2.size()); ++i) show_box({BoxGroup::gm2, i}, s.txt_gm2[i]);
  for (int i = 0; i < static_cast<int>(s.txt_gm19.size()); ++i) show_box({BoxGroup::gm19, i}, s.txt_gm19[i]);
  for (int i = 0; i < static_cast<int>(s.txt_gm20.size()); ++i) show_box({BoxGroup::gm20, i}, s.txt_gm20[i]);
  for (int i = 0; i < static_cast<int>(s.txt_gm21.size()); ++i) show_box({BoxGroup::gm21, i}, s.txt_gm21[i]);

  std::array<bool, 14> gm1{};
  std::copy(s.opt_gm1.begin(), s.opt_gm1.end(), gm1.begin());
  for (QButtonGroup* g : gm1_groups_) show_selection(g, gm1.data());
  for (QButtonGroup* g : gm2_groups_) show_selection(g, s.opt_gm2.data());

  const std::pair<QCheckBox*, int> checks[] = {{chk_gm1_, s.chk_gm1},     {chk_gm1_1_, s.chk_gm1_1},
                                               {chk_gm1_2_, s.chk_gm1_2}, {chk_gm2_[0], s.chk_gm2[0]},
                                               {chk_gm2_[1], s.chk_gm2[1]}, {chk_gm20_, s.chk_gm20}};
  for (const auto& [box, state] : checks) {
    QSignalBlocker block(box);
    box->setCheckState(qt_state(state));
  }
  fra_gm1_[2]->setVisible(s.fra_gm1_2_visible);
  fra_gm1_[6]->setVisible(s.fra_gm1_6_visible);
  lbl_gm1_27_->setVisible(s.td_controls_visible);
  chk_gm1_2_->setVisible(s.td_controls_visible);
  lbl_gm1_27_close_->setVisible(s.td_controls_visible);
  for (int j = 0; j < 3; ++j) fra_tb1_[j]->setEnabled(s.fra_tb1_enabled[j]);
  if (tabs_->currentIndex() != s.inner_tab) {
    QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(s.inner_tab);
  }
  if (s.img_gm2 != shown_picture_) {
    shown_picture_ = s.img_gm2;
    if (s.img_gm2 == kPictureRwl) img_gm2_->setPixmap(rwl_pressure_picture());
    else if (s.img_gm2 == kPictureClay) img_gm2_->setPixmap(seismic_clay_formulas_picture());
    else img_gm2_->clear();
  }
}

}  // namespace qvt::pages
