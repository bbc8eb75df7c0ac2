#include "frontend/dialogs/widgets/options_dialog_widget.h"

#include "frontend/widgets/text_box_focus.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>

#include <utility>

namespace qvt::dialogs {

namespace {

QString u8(const std::string& s) { return QString::fromStdString(s); }

// One frame of option buttons, `captions` in code order; a button is named after its frame and
// its code.
template <std::size_t N>
QGroupBox* option_frame(QWidget* parent, const char* frame_name, const QString& title,
                        const std::array<const char*, N>& captions,
                        std::array<QRadioButton*, N>& buttons) {
  auto* frame = new QGroupBox(title, parent);
  frame->setObjectName(QString::fromUtf8(frame_name));
  auto* layout = new QVBoxLayout(frame);
  for (std::size_t i = 0; i < N; ++i) {
    buttons[i] = new QRadioButton(QString::fromUtf8(captions[i]), frame);
    buttons[i]->setObjectName(QStringLiteral("%1_%2").arg(QString::fromUtf8(frame_name)).arg(i));
    layout->addWidget(buttons[i]);
  }
  return frame;
}

// Shows the option of `code` selected, or none for -1.
template <std::size_t N>
void show_code(std::array<QRadioButton*, N>& buttons, int code) {
  for (std::size_t i = 0; i < N; ++i) {
    const QSignalBlocker block(buttons[i]);
    buttons[i]->setAutoExclusive(false);
    buttons[i]->setChecked(static_cast<int>(i) == code);
    buttons[i]->setAutoExclusive(true);
  }
}

// The object name of each numeric box.
const char* box_name(OptionBox b) {
  switch (b) {
    case OptionBox::WallFrictionAngle: return "wall_friction_angle";
    case OptionBox::CollapseAngleNormal: return "collapse_angle_normal";
    case OptionBox::CollapseAngleNegativeRoot: return "collapse_angle_negative_root";
    case OptionBox::ConsolidationKc: return "consolidation_kc";
    case OptionBox::AtRestK0: return "at_rest_k0";
    case OptionBox::SurfaceDummyLength: return "surface_dummy_length";
    case OptionBox::PulloutPitch: return "pullout_pitch";
  }
  return "";
}

}  // namespace

OptionsDialogWidget::~OptionsDialogWidget() { widgets::TextBoxFocus::detach_all(this); }

OptionsDialogWidget::OptionsDialogWidget(QWidget* owner, const std::filesystem::path& work_folder,
                                         model::CustomOptions& options,
                                         model::MessageSink& messages,
                                         std::function<void()> open_manual)
    : QDialog(owner), form_(work_folder, options, messages, std::move(open_manual)) {
  setObjectName(QStringLiteral("options_dialog"));
  setWindowTitle(QStringLiteral("カスタマイズ"));
  setModal(true);

  // The numeric boxes with their labels; the collapse angle has a column per case.
  auto* numbers = new QGridLayout;
  auto box = [this](OptionBox b) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(box_name(b)));
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(90);
    connect(e, &QLineEdit::textEdited, this,
            [this, b](const QString& t) { form_.edit().box(b) = t.toStdString(); });
    widgets::TextBoxFocus::attach(
        e, widgets::kNumberBox,
        [this, b] {
          form_.enter_box(b);
          refresh();
        },
        [this, b] {
          form_.leave_box(b);
          refresh();
        });
    boxes_[static_cast<std::size_t>(b)] = e;
    return e;
  };
  auto label = [this](const QString& text) { return new QLabel(text, this); };
  auto* col0 = label(QStringLiteral("常時"));
  col0->setObjectName(QStringLiteral("normal_column"));
  auto* col1 = label(QStringLiteral("地震時"));
  col1->setObjectName(QStringLiteral("seismic_column"));
  numbers->addWidget(col0, 0, 1, Qt::AlignCenter);
  numbers->addWidget(col1, 0, 2, Qt::AlignCenter);
  numbers->addWidget(label(QStringLiteral("壁面摩擦角 δ(度)")), 1, 0);
  numbers->addWidget(box(OptionBox::WallFrictionAngle), 1, 1);
  numbers->addWidget(label(QStringLiteral("粘性土崩壊角 ζ(度)")), 2, 0);
  numbers->addWidget(box(OptionBox::CollapseAngleNormal), 2, 1);
  numbers->addWidget(box(OptionBox::CollapseAngleNegativeRoot), 2, 2);
  numbers->addWidget(label(QStringLiteral("圧密平衡係数 Kc")), 3, 0);
  numbers->addWidget(box(OptionBox::ConsolidationKc), 3, 1);
  numbers->addWidget(label(QStringLiteral("静止土圧係数 K0")), 4, 0);
  numbers->addWidget(box(OptionBox::AtRestK0), 4, 1);
  numbers->addWidget(label(QStringLiteral("地表面形状ダミー長さ（ｍ）")), 5, 0);
  numbers->addWidget(box(OptionBox::SurfaceDummyLength), 5, 1);
  numbers->addWidget(label(QStringLiteral("抜け出しの検討ピッチ（ｍ）")), 6, 0);
  numbers->addWidget(box(OptionBox::PulloutPitch), 6, 1);
  numbers->setColumnStretch(3, 1);

  QGroupBox* negative_root_frame = option_frame<4>(
      this, "negative_root_rule",
      QStringLiteral("粘性土の土圧強度を求める時、ルート内がマイナス値の場合"),
      {"カスタマイズで指定した崩壊角を用いて計算する", "常時の土圧式で計算する",
       "岡部の式で計算する", "Σγｈ＋ｗで計算する"},
      negative_root_);
  QGroupBox* toe_frame = option_frame<3>(
      this, "toe_confinement_rule", QStringLiteral("改良体の端趾圧の検討において"),
      {"着底部における改良体端部の側方拘束圧を考慮する Ｐ＝静止土圧", "側方拘束圧を考慮しない",
       "着底部における改良体端部の側方拘束圧を考慮する Ｐ＝受働土圧強度"},
      toe_confinement_);
  QGroupBox* surcharge_frame = option_frame<3>(
      this, "surcharge_method", QStringLiteral("荷重計算方法"),
      {"海底面における崩壊角より上載荷重を算出し、全土層の上載荷重とする",
       "各土層毎の崩壊角より上載荷重を算出",
       "改良体底面における崩壊角より上載荷重を算出し、全土層の上載荷重とする"},
      surcharge_);
  QGroupBox* rounding_frame = option_frame<2>(
      this, "seismic_rounding", QStringLiteral("設計震度、見かけの震度の丸め方法"),
      {"四捨五入", "二捨三入、七捨八入"}, rounding_);
  auto* water = new QGroupBox(QStringLiteral("見かけの震度を二建の式で計算する場合"), this);
  water->setObjectName(QStringLiteral("apparent_seismic_water"));
  auto* water_layout = new QHBoxLayout(water);
  water_layout->addWidget(option_frame<2>(
      water, "residual_water_rule", QStringLiteral("残留水位位置"),
      {"実残留水位を使用", "地表面天場位置を残留水位位置として使用"}, residual_));
  water_layout->addWidget(option_frame<2>(
      water, "front_water_rule", QStringLiteral("前面水位位置"),
      {"Ｌ．Ｗ．Ｌ．位置を前面水位として使用", "海底面位置を前面水位として使用"}, front_));

  backfill_vertical_ = new QCheckBox(
      QStringLiteral("背面土の鉛直力（側面付着力・主働土圧の鉛直成分）を考慮する"), this);
  backfill_vertical_->setObjectName(QStringLiteral("backfill_vertical"));
  passive_vertical_ = new QCheckBox(QStringLiteral("受働土圧の鉛直成分を考慮する"), this);
  passive_vertical_->setObjectName(QStringLiteral("passive_vertical"));

  static const char* const kButtons[3] = {"OK", "ｷｬﾝｾﾙ", "ﾍﾙﾌﾟ"};
  static const char* const kButtonNames[3] = {"ok", "cancel", "help"};
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (int i = 0; i < 3; ++i) {
    buttons_[i] = new QPushButton(QString::fromUtf8(kButtons[i]), this);
    buttons_[i]->setObjectName(QString::fromLatin1(kButtonNames[i]));
    buttons_[i]->setAutoDefault(false);
    buttons->addWidget(buttons_[i]);
  }
  connect(buttons_[0], &QPushButton::clicked, this, [this] { close_on(form_.ok(), true); });
  connect(buttons_[1], &QPushButton::clicked, this, [this] { close_on(form_.cancel(), false); });
  connect(buttons_[2], &QPushButton::clicked, this, [this] { close_on(form_.help(), false); });
  status_bar_ = new QStatusBar(this);
  status_bar_->setObjectName(QStringLiteral("status_bar"));
  status_bar_->setSizeGripEnabled(false);

  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addLayout(numbers);
  left->addWidget(negative_root_frame);
  left->addWidget(rounding_frame);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(toe_frame);
  right->addWidget(surcharge_frame);
  right->addWidget(water);
  columns->addLayout(left);
  columns->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(backfill_vertical_);
  layout->addWidget(passive_vertical_);
  layout->addLayout(buttons);
  layout->addWidget(status_bar_);

  // User edits reach the presenter; code that refreshes the controls blocks these signals.
  auto bind = [this](auto& group, int OptionsDialogState::*field) {
    for (std::size_t i = 0; i < group.size(); ++i)
      connect(group[i], &QRadioButton::clicked, this, [this, field, i] {
        form_.edit().*field = static_cast<int>(i);
      });
  };
  bind(negative_root_, &OptionsDialogState::negative_root_rule);
  bind(toe_confinement_, &OptionsDialogState::toe_confinement_rule);
  bind(surcharge_, &OptionsDialogState::surcharge_method);
  bind(rounding_, &OptionsDialogState::seismic_rounding);
  bind(residual_, &OptionsDialogState::residual_water_rule);
  bind(front_, &OptionsDialogState::front_water_rule);
  connect(backfill_vertical_, &QCheckBox::clicked, this, [this](bool on) {
    form_.edit().backfill_vertical = on;
    form_.toggle_backfill_vertical();
    refresh();
  });
  connect(passive_vertical_, &QCheckBox::clicked, this,
          [this](bool on) { form_.edit().passive_vertical = on; });

  form_.load();
  refresh();
  adjustSize();
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect area = s->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
}

void OptionsDialogWidget::refresh() {
  const OptionsDialogState& s = form_.state();
  for (OptionBox b : kOptionBoxes) {
    QLineEdit* e = box(b);
    const QSignalBlocker block(e);
    if (e->text() != u8(s.box(b))) e->setText(u8(s.box(b)));
  }
  show_code(negative_root_, s.negative_root_rule);
  show_code(toe_confinement_, s.toe_confinement_rule);
  show_code(surcharge_, s.surcharge_method);
  show_code(rounding_, s.seismic_rounding);
  show_code(residual_, s.residual_water_rule);
  show_code(front_, s.front_water_rule);
  {
    const QSignalBlocker b3(backfill_vertical_), b4(passive_vertical_);
    backfill_vertical_->setChecked(s.backfill_vertical);
    passive_vertical_->setChecked(s.passive_vertical);
    passive_vertical_->setEnabled(s.passive_vertical_enabled);
  }
  if (s.status_text.empty())
    status_bar_->clearMessage();
  else
    status_bar_->showMessage(u8(s.status_text));
}


void OptionsDialogWidget::close_on(OptionsDialogClose close, bool accepted) {
  if (close == OptionsDialogClose::Close) {
    if (accepted)
      accept();
    else
      reject();
    return;
  }
  refresh();
}

}  // namespace qvt::dialogs
