#pragma once
// The framed, centred label cells the results dialogs build their tables from.
#include <QFrame>
#include <QLabel>
#include <QString>

namespace qvt::results {

inline QLabel* table_cell(QWidget* parent, const QString& text, const QString& name,
                          int min_width = 0, Qt::Alignment align = Qt::AlignCenter) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setFrameShape(QFrame::Box);
  l->setAlignment(align);
  l->setMargin(4);
  if (min_width > 0) l->setMinimumWidth(min_width);
  return l;
}

}  // namespace qvt::results
