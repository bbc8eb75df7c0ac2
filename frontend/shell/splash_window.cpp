#include "frontend/shell/splash_window.h"

#include "frontend/model/messages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace qvt::shell {

SplashWindow::SplashWindow(const QString& version_text)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("splash_window"));
  auto* layout = new QVBoxLayout(this);
  product_name_label_ = new QLabel(QString::fromUtf8(model::kAppTitle), this);
  product_name_label_->setObjectName(QStringLiteral("product_name_label"));
  QFont big = product_name_label_->font();
  big.setPointSize(big.pointSize() * 2);
  product_name_label_->setFont(big);
  version_label_ = new QLabel(QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + version_text, this);
  version_label_->setObjectName(QStringLiteral("version_label"));
  layout->addWidget(product_name_label_, 0, Qt::AlignCenter);
  layout->addWidget(version_label_, 0, Qt::AlignCenter);
  resize(320, 160);
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
  event->accept();
  close();
}

}  // namespace qvt::shell
