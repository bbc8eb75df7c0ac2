#include "frontend/dialogs/widgets/layer_block_dialog_widget.h"

#include "frontend/dialogs/dialog_texts.h"
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

// The object name of each box, by LayerBlockDialog::Box.
const char* const kBoxNames[LayerBlockDialog::kBoxCount] = {
    "sea_top", "land_top", "sea_bottom", "land_bottom", "saturated", "wet", "submerged", "name"};

}  // namespace

LayerBlockDialogWidget::LayerBlockDialogWidget(QWidget* owner, LayerBlockDialog& presenter)
    : QDialog(owner), presenter_(presenter) {
  setObjectName(QStringLiteral("layer_block_dialog"));
  setWindowTitle(QString::fromUtf8(kLayerCaption));
  setModal(true);

  for (int i = 0; i < LayerBlockDialog::kBoxCount; ++i) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(kBoxNames[i]));
    box->setMaxLength(10);
    if (i != LayerBlockDialog::kName) {
      box->setAlignment(Qt::AlignRight);
      box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10 + 16);
    }
    boxes_[i] = box;
    widgets::TextBoxFocus* watcher = bind_box(
        box, presenter_.boxes[i],
        i != LayerBlockDialog::kName ? widgets::BoxKind::number : widgets::BoxKind::text,
        [this, i] { presenter_.leave_box(static_cast<LayerBlockDialog::Box>(i)); });
    if (i == LayerBlockDialog::kSaturated || i == LayerBlockDialog::kWet ||
        i == LayerBlockDialog::kSubmerged)
      watcher->set_range(kUnitWeightBox.lowest, kUnitWeightBox.highest);
  }
  // The bottoms only show where the layer ends: not editable, on the dialog's face colour.
  for (int i : {LayerBlockDialog::kSeaBottom, LayerBlockDialog::kLandBottom}) {
    QLineEdit* box = boxes_[i];
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette p = box->palette();
    p.setBrush(QPalette::Base, p.brush(QPalette::Window));
    box->setPalette(p);
  }

  auto* g = new QGridLayout;
  g->addWidget(label(this, "名   称", QStringLiteral("name_label")), 0, 0);
  g->addWidget(boxes_[LayerBlockDialog::kName], 0, 1, 1, 2);
  g->addWidget(label(this, "港外側", QStringLiteral("sea_side")), 1, 1, Qt::AlignCenter);
  g->addWidget(label(this, "港内側", QStringLiteral("land_side")), 1, 2, Qt::AlignCenter);
  g->addWidget(label(this, "改良土層上限 Y", QStringLiteral("top_label")), 2, 0);
  g->addWidget(boxes_[LayerBlockDialog::kSeaTop], 2, 1);
  g->addWidget(boxes_[LayerBlockDialog::kLandTop], 2, 2);
  g->addWidget(label(this, "改良土層下限 Y", QStringLiteral("bottom_label")), 3, 0);
  g->addWidget(boxes_[LayerBlockDialog::kSeaBottom], 3, 1);
  g->addWidget(boxes_[LayerBlockDialog::kLandBottom], 3, 2);
  g->addWidget(label(this, "単位体積重量（kN/m3）", QStringLiteral("unit_weights_label")), 4, 0, 1, 3);
  const char* weights[] = {"飽和", "湿潤", "水中"};
  for (int k = 0; k < 3; ++k) {
    g->addWidget(label(this, weights[k],
                       QStringLiteral("%1_label").arg(kBoxNames[LayerBlockDialog::kSaturated + k])),
                 5 + k, 0, Qt::AlignRight);
    g->addWidget(boxes_[LayerBlockDialog::kSaturated + k], 5 + k, 1);
  }

  finish_ = command_button(this, QStringLiteral("終了"), QStringLiteral("finish"));
  cancel_ = command_button(this, QStringLiteral("取消"), QStringLiteral("cancel"));
  connect(finish_, &QPushButton::clicked, this, [this] { close_if(this, presenter_.finish(), true); });
  connect(cancel_, &QPushButton::clicked, this, [this] { close_if(this, presenter_.cancel(), false); });

  auto* top = new QVBoxLayout(this);
  top->addLayout(g);
  top->addLayout(button_row(finish_, cancel_));

  // Name, the two tops, the three unit weights, accept, cancel.
  QWidget* order[] = {boxes_[LayerBlockDialog::kName],      boxes_[LayerBlockDialog::kSeaTop],
                      boxes_[LayerBlockDialog::kLandTop],   boxes_[LayerBlockDialog::kSaturated],
                      boxes_[LayerBlockDialog::kWet],       boxes_[LayerBlockDialog::kSubmerged],
                      finish_,                              cancel_};
  for (int k = 0; k + 1 < 8; ++k) setTabOrder(order[k], order[k + 1]);
  boxes_[LayerBlockDialog::kName]->setFocus();
  centre_on_screen(this);
}

}  // namespace qvt::dialogs
