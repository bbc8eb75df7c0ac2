#include "frontend/dialogs/widgets/dialog_layout.h"

#include "frontend/widgets/text_box_focus.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

namespace qvt::dialogs {

widgets::TextBoxFocus* bind_box(QLineEdit* box, std::string& text, widgets::BoxKind kind,
                                std::function<void()> lost_focus) {
  box->setText(QString::fromStdString(text));
  QObject::connect(box, &QLineEdit::textEdited, box,
                   [&text](const QString& typed) { text = typed.toStdString(); });
  return widgets::TextBoxFocus::attach(box, kind, {}, [box, &text, lost = std::move(lost_focus)] {
    lost();
    const QString shown = QString::fromStdString(text);
    if (box->text() != shown) {
      const QSignalBlocker block(box);
      box->setText(shown);
    }
  });
}

QPushButton* command_button(QWidget* parent, const QString& caption, const QString& name) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  b->setDefault(false);
  return b;
}

QHBoxLayout* button_row(QPushButton* accept, QPushButton* cancel) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(accept);
  row->addWidget(cancel);
  return row;
}

void centre_on_screen(QDialog* dialog) {
  dialog->adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    dialog->move(area.center() - dialog->rect().center());
  }
}

void close_if(QDialog* dialog, bool closes, bool accepted) {
  if (!closes) return;
  if (accepted)
    dialog->accept();
  else
    dialog->reject();
}

}  // namespace qvt::dialogs
