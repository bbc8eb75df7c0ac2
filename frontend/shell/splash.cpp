#include "frontend/shell/splash.h"

#include "frontend/model/messages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace qvt::shell {

frmSplash::frmSplash(const QString& version_text)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));
  auto* layout = new QVBoxLayout(this);
  lblProductName_ = new QLabel(QString::fromUtf8(model::kAppTitle), this);
  lblProductName_->setObjectName(QStringLiteral("lblProductName"));
  QFont big = lblProductName_->font();
  big.setPointSize(big.pointSize() * 2);
  lblProductName_->setFont(big);
  lblVersion_ = new QLabel(QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + version_text, this);
  lblVersion_->setObjectName(QStringLiteral("lblVersion"));
  layout->addWidget(lblProductName_, 0, Qt::AlignCenter);
  layout->addWidget(lblVersion_, 0, Qt::AlignCenter);
  resize(320, 160);
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
  event->accept();
  close();
}

}  // namespace qvt::shell
