#include "frontend/dialogs/widgets/form3_widget.h"

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

// One frame of option buttons. `names` and `captions` are in code order.
template <std::size_t N>
QGroupBox* option_frame(QWidget* parent, const char* frame_name, const QString& title,
                        const std::array<const char*, N>& names,
                        const std::array<const char*, N>& captions,
                        std::array<QRadioButton*, N>& buttons) {
  auto* frame = new QGroupBox(title, parent);
  frame->setObjectName(QString::fromUtf8(frame_name));
  auto* layout = new QVBoxLayout(frame);
  for (std::size_t i = 0; i < N; ++i) {
    buttons[i] = new QRadioButton(QString::fromUtf8(captions[i]), frame);
    buttons[i]->setObjectName(QString::fromUtf8(names[i]));
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

}  // namespace

Form3Widget::~Form3Widget() { widgets::TextBoxFocus::detach_all(this); }

Form3Widget::Form3Widget(QWidget* owner, const std::filesystem::path& work_folder,
                         model::CustomOptions& options, model::MessageSink& messages,
                         std::function<void()> open_manual)
    : QDialog(owner), form_(work_folder, options, messages, std::move(open_manual)) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("カスタマイズ"));
  setModal(true);

  // The numeric boxes with their labels; the collapse angle has a column per case.
  auto* numbers = new QGridLayout;
  auto box = [this](int index) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QStringLiteral("txt_gm1_%1").arg(index));
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(90);
    connect(e, &QLineEdit::textEdited, this,
            [this, index](const QString& t) { form_.edit().txt_gm1[index] = t.toStdString(); });
    widgets::TextBoxFocus::attach(
        e, widgets::kNumberBox,
        [this, index] {
          form_.txt_gm1_GotFocus(index);
          refresh();
        },
        [this, index] {
          form_.txt_gm1_LostFocus(index);
          refresh();
        });
    txt_gm1_[index] = e;
    return e;
  };
  auto label = [this](const QString& text) { return new QLabel(text, this); };
  auto* col0 = label(QStringLiteral("常時"));
  col0->setObjectName(QStringLiteral("lbl_ogm2_0"));
  auto* col1 = label(QStringLiteral("地震時"));
  col1->setObjectName(QStringLiteral("lbl_ogm2_1"));
  numbers->addWidget(col0, 0, 1, Qt::AlignCenter);
  numbers->addWidget(col1, 0, 2, Qt::AlignCenter);
  numbers->addWidget(label(QStringLiteral("壁面摩擦角 δ(度)")), 1, 0);
  numbers->addWidget(box(2), 1, 1);
  numbers->addWidget(label(QStringLiteral("粘性土崩壊角 ζ(度)")), 2, 0);
  numbers->addWidget(box(3), 2, 1);
  numbers->addWidget(box(4), 2, 2);
  numbers->addWidget(label(QStringLiteral("圧密平衡係数 Kc")), 3, 0);
  numbers->addWidget(box(6), 3, 1);
  numbers->addWidget(label(QStringLiteral("静止土圧係数 K0")), 4, 0);
  numbers->addWidget(box(7), 4, 1);
  numbers->addWidget(label(QStringLiteral("地表面形状ダミー長さ（ｍ）")), 5, 0);
  numbers->addWidget(box(0), 5, 1);
  numbers->addWidget(label(QStringLiteral("抜け出しの検討ピッチ（ｍ）")), 6, 0);
  numbers->addWidget(box(1), 6, 1);
  numbers->setColumnStretch(3, 1);

  QGroupBox* f1 = option_frame<4>(
      this, "Frame1", QStringLiteral("粘性土の土圧強度を求める時、ルート内がマイナス値の場合"),
      {"Option3", "Option4", "Option2", "Option5"},
      {"カスタマイズで指定した崩壊角を用いて計算する", "常時の土圧式で計算する",
       "岡部の式で計算する", "Σγｈ＋ｗで計算する"},
      frame1_);
  QGroupBox* f2 = option_frame<3>(
      this, "Frame2", QStringLiteral("改良体の端趾圧の検討において"),
      {"Option9", "Option8", "Option10"},
      {"着底部における改良体端部の側方拘束圧を考慮する Ｐ＝静止土圧", "側方拘束圧を考慮しない",
       "着底部における改良体端部の側方拘束圧を考慮する Ｐ＝受働土圧強度"},
      frame2_);
  QGroupBox* f8 = option_frame<3>(
      this, "Frame8", QStringLiteral("荷重計算方法"), {"Option6", "Option7", "Option1"},
      {"海底面における崩壊角より上載荷重を算出し、全土層の上載荷重とする",
       "各土層毎の崩壊角より上載荷重を算出",
       "改良体底面における崩壊角より上載荷重を算出し、全土層の上載荷重とする"},
      frame8_);
  QGroupBox* f3 = option_frame<2>(this, "fra_ogm3_1",
                                  QStringLiteral("設計震度、見かけの震度の丸め方法"),
                                  {"opt_ogm3_2", "opt_ogm3_3"}, {"四捨五入", "二捨三入、七捨八入"},
                                  rounding_);
  auto* water = new QGroupBox(QStringLiteral("見かけの震度を二建の式で計算する場合"), this);
  water->setObjectName(QStringLiteral("fra_ogm1_0"));
  auto* water_layout = new QHBoxLayout(water);
  water_layout->addWidget(option_frame<2>(
      water, "fra_ogm1_2", QStringLiteral("残留水位位置"), {"opt_ogm1_2", "opt_ogm1_3"},
      {"実残留水位を使用", "地表面天場位置を残留水位位置として使用"}, residual_));
  water_layout->addWidget(option_frame<2>(
      water, "fra_ogm1_3", QStringLiteral("前面水位位置"), {"opt_ogm1_4", "opt_ogm1_5"},
      {"Ｌ．Ｗ．Ｌ．位置を前面水位として使用", "海底面位置を前面水位として使用"}, front_));

  check3_ = new QCheckBox(
      QStringLiteral("背面土の鉛直力（側面付着力・主働土圧の鉛直成分）を考慮する"), this);
  check3_->setObjectName(QStringLiteral("Check3"));
  check4_ = new QCheckBox(QStringLiteral("受働土圧の鉛直成分を考慮する"), this);
  check4_->setObjectName(QStringLiteral("Check4"));

  static const char* const kButtons[3] = {"OK", "ｷｬﾝｾﾙ", "ﾍﾙﾌﾟ"};
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (int i = 0; i < 3; ++i) {
    cmd_ogm_[i] = new QPushButton(QString::fromUtf8(kButtons[i]), this);
    cmd_ogm_[i]->setObjectName(QStringLiteral("cmd_ogm_%1").arg(i));
    cmd_ogm_[i]->setAutoDefault(false);
    buttons->addWidget(cmd_ogm_[i]);
    connect(cmd_ogm_[i], &QPushButton::clicked, this, [this, i] { click(i); });
  }
  stv_opt_ = new QStatusBar(this);
  stv_opt_->setObjectName(QStringLiteral("stv_opt"));
  stv_opt_->setSizeGripEnabled(false);

  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addLayout(numbers);
  left->addWidget(f1);
  left->addWidget(f3);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(f2);
  right->addWidget(f8);
  right->addWidget(water);
  columns->addLayout(left);
  columns->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(check3_);
  layout->addWidget(check4_);
  layout->addLayout(buttons);
  layout->addWidget(stv_opt_);

  // User edits reach the presenter; code that refreshes the controls blocks these signals.
  auto bind = [this](auto& group, int Form3State::*field) {
    for (std::size_t i = 0; i < group.size(); ++i)
      connect(group[i], &QRadioButton::clicked, this, [this, field, i] {
        form_.edit().*field = static_cast<int>(i);
      });
  };
  bind(frame1_, &Form3State::Frame1);
  bind(frame2_, &Form3State::Frame2);
  bind(frame8_, &Form3State::Frame8);
  bind(rounding_, &Form3State::fra_ogm3_1);
  bind(residual_, &Form3State::fra_ogm1_2);
  bind(front_, &Form3State::fra_ogm1_3);
  connect(check3_, &QCheckBox::clicked, this, [this](bool on) {
    form_.edit().Check3 = on;
    form_.Check3_Click();
    refresh();
  });
  connect(check4_, &QCheckBox::clicked, this, [this](bool on) { form_.edit().Check4 = on; });

  form_.Form_Load();
  refresh();
  adjustSize();
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect area = s->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
}

void Form3Widget::refresh() {
  const Form3State& s = form_.state();
  for (int i = 0; i < kForm3Boxes; ++i) {
    if (!txt_gm1_[i]) continue;
    const QSignalBlocker block(txt_gm1_[i]);
    if (txt_gm1_[i]->text() != u8(s.txt_gm1[i])) txt_gm1_[i]->setText(u8(s.txt_gm1[i]));
  }
  show_code(frame1_, s.Frame1);
  show_code(frame2_, s.Frame2);
  show_code(frame8_, s.Frame8);
  show_code(rounding_, s.fra_ogm3_1);
  show_code(residual_, s.fra_ogm1_2);
  show_code(front_, s.fra_ogm1_3);
  {
    const QSignalBlocker b3(check3_), b4(check4_);
    check3_->setChecked(s.Check3);
    check4_->setChecked(s.Check4);
    check4_->setEnabled(s.Check4_enabled);
  }
  if (s.status_text.empty())
    stv_opt_->clearMessage();
  else
    stv_opt_->showMessage(u8(s.status_text));
}


void Form3Widget::click(int index) {
  if (form_.cmd_ogm_Click(index) == Form3Close::Close) {
    if (index == 0)
      accept();
    else
      reject();
    return;
  }
  refresh();
}

}  // namespace qvt::dialogs
