#include "frontend/import/widgets/data_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace qvt::import {

namespace {
// The dialog's layout is kept in twips; 15 twips make one pixel.
QRect tw(int left, int top, int width, int height) {
  return QRect(left / 15, top / 15, width / 15, height / 15);
}
}  // namespace

DataDialog::DataDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Brakmoorデータの読込み"));
  setFixedSize(6030 / 15, 2925 / 15);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setGeometry(tw(1800, 2280, 2535, 375));
  ok->setDefault(true);
  auto* label =
      new QLabel(QStringLiteral("H.W.L/L.W.Lの検討結果があります。どちらか一方を選択して下さい。"), this);
  // The dialog's own width for the text: the system font runs wider than the dialog was drawn for.
  label->setGeometry(tw(180, 360, 5760, 255));
  auto* frame = new QGroupBox(QStringLiteral("採用する検討結果"), this);
  frame->setGeometry(tw(240, 840, 5295, 1215));
  hwl_ = new QRadioButton(QStringLiteral("H.W.Lの検討"), frame);
  hwl_->setGeometry(tw(240, 360, 2535, 255));
  lwl_ = new QRadioButton(QStringLiteral("L.W.Lの検討"), frame);
  lwl_->setGeometry(tw(240, 720, 2535, 255));
  lwl_->setChecked(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  ok->setFocus();
}

int DataDialog::chosen_case() const { return hwl_->isChecked() ? 2 : 1; }

int ask_water_level_study(QWidget* parent) {
  DataDialog d(parent);
  if (d.exec() != QDialog::Accepted) return 0;
  return d.chosen_case();
}

}  // namespace qvt::import
