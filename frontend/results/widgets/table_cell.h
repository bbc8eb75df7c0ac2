#pragma once
// The framed, centred label cells the results dialogs build their tables from.
#include <QFrame>
#include <QLabel>
#include <QString>

#include <string>

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

// A verdict cell: the text the report page writes, a failure in red so it is seen at a glance.
inline void show_verdict(QLabel* label, const std::string& text) {
  label->setText(QString::fromStdString(text));
  label->setStyleSheet(text == "ＯＵＴ" ? QStringLiteral("color: #c00000; font-weight: bold;")
                                        : QString());
}

}  // namespace qvt::results
