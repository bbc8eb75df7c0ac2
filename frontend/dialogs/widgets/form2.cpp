#include "frontend/dialogs/widgets/form2.h"

#include "frontend/dialogs/widgets/dialog_layout.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace qvt::dialogs {

namespace {

QLabel* label(QWidget* parent, const char* text, const QString& name) {
  auto* l = new QLabel(QString::fromUtf8(text), parent);
  l->setObjectName(name);
  return l;
}

}  // namespace

Form2::Form2(QWidget* owner, LayerBlockDialog& presenter) : QDialog(owner), presenter_(presenter) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QString::fromUtf8(kLayerCaption));
  setModal(true);

  for (int i : {0, 1, 2, 3, 4, 5, 6, 9}) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("txt_gm(%1)").arg(i));
    box->setMaxLength(10);
    if (i != LayerBlockDialog::kName) {
      box->setAlignment(Qt::AlignRight);
      box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10 + 16);
    }
    txt_gm_[i] = box;
    bind_box(box, presenter_.txt_gm[i],
             i != LayerBlockDialog::kName ? widgets::BoxKind::number : widgets::BoxKind::text,
             [this, i] { presenter_.txt_gm_LostFocus(i); });
  }
  // The bottoms only show where the layer ends: not editable, on the dialog's face colour.
  for (int i : {LayerBlockDialog::kSeaBottom, LayerBlockDialog::kLandBottom}) {
    QLineEdit* box = txt_gm_[i];
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette p = box->palette();
    p.setBrush(QPalette::Base, p.brush(QPalette::Window));
    box->setPalette(p);
  }

  auto* g = new QGridLayout;
  g->addWidget(label(this, "名   称", QStringLiteral("lbl_gm(8)")), 0, 0);
  g->addWidget(txt_gm_[LayerBlockDialog::kName], 0, 1, 1, 2);
  g->addWidget(label(this, "港外側", QStringLiteral("Label1(1)")), 1, 1, Qt::AlignCenter);
  g->addWidget(label(this, "港内側", QStringLiteral("Label1(3)")), 1, 2, Qt::AlignCenter);
  g->addWidget(label(this, "改良土層上限 Y", QStringLiteral("lbl_gm(0)")), 2, 0);
  g->addWidget(txt_gm_[LayerBlockDialog::kSeaTop], 2, 1);
  g->addWidget(txt_gm_[LayerBlockDialog::kLandTop], 2, 2);
  g->addWidget(label(this, "改良土層下限 Y", QStringLiteral("lbl_gm(1)")), 3, 0);
  g->addWidget(txt_gm_[LayerBlockDialog::kSeaBottom], 3, 1);
  g->addWidget(txt_gm_[LayerBlockDialog::kLandBottom], 3, 2);
  g->addWidget(label(this, "単位体積重量（kN/m3）", QStringLiteral("lbl_gm(12)")), 4, 0, 1, 3);
  const char* weights[] = {"飽和", "湿潤", "水中"};
  for (int k = 0; k < 3; ++k) {
    g->addWidget(label(this, weights[k], QStringLiteral("lbl_gm(%1)").arg(9 + k)), 5 + k, 0,
                 Qt::AlignRight);
    g->addWidget(txt_gm_[LayerBlockDialog::kSaturated + k], 5 + k, 1);
  }

  cmd_gm_[0] = command_button(this, QStringLiteral("終了"), QStringLiteral("cmd_gm(0)"));
  cmd_gm_[1] = command_button(this, QStringLiteral("取消"), QStringLiteral("cmd_gm(1)"));
  connect(cmd_gm_[0], &QPushButton::clicked, this, [this] { cmd_gm_Click(0); });
  connect(cmd_gm_[1], &QPushButton::clicked, this, [this] { cmd_gm_Click(1); });

  auto* top = new QVBoxLayout(this);
  top->addLayout(g);
  top->addLayout(button_row(cmd_gm_[0], cmd_gm_[1]));

  // Name, the two tops, the three unit weights, accept, cancel.
  QWidget* order[] = {txt_gm_[9], txt_gm_[0], txt_gm_[1], txt_gm_[4],
                      txt_gm_[5], txt_gm_[6], cmd_gm_[0], cmd_gm_[1]};
  for (int k = 0; k + 1 < 8; ++k) setTabOrder(order[k], order[k + 1]);
  txt_gm_[LayerBlockDialog::kName]->setFocus();
  centre_on_screen(this);
}

void Form2::cmd_gm_Click(int index) {
  if (!presenter_.cmd_gm_Click(index)) return;
  if (index == 0)
    accept();
  else
    reject();
}

}  // namespace qvt::dialogs
