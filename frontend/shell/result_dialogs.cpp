#include "frontend/shell/result_dialogs.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace qvt::shell {

namespace {

void set_up(QDialog& d, const char* name, const QString& caption) {
  d.setObjectName(QString::fromUtf8(name));
  d.setWindowTitle(caption);
  d.setModal(true);
  auto* layout = new QVBoxLayout(&d);
  layout->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &d);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  layout->addWidget(buttons);
  d.resize(480, 320);
}

}  // namespace

Form8::Form8(QWidget* owner) : QDialog(owner) {
  set_up(*this, "Form8", QStringLiteral("偏心傾斜荷重の検討"));
}

}  // namespace qvt::shell
