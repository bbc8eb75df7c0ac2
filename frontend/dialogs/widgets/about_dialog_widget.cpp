#include "frontend/dialogs/widgets/about_dialog_widget.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <utility>

namespace qvt::dialogs {

namespace {

QString u8(const std::string& s) { return QString::fromStdString(s); }

QLineEdit* field(QWidget* parent, const char* name, const std::string& text) {
  auto* e = new QLineEdit(u8(text), parent);
  e->setObjectName(QString::fromUtf8(name));
  e->setReadOnly(true);
  e->setFrame(false);
  e->setMinimumWidth(260);
  return e;
}

}  // namespace

AboutDialogWidget::AboutDialogWidget(QWidget* owner, const std::string& version_text,
                                     int current_year,
                                     std::function<void(const QString&)> open_address)
    : QDialog(owner), open_address_(std::move(open_address)) {
  const AboutTexts t = about_texts(version_text, current_year);
  setObjectName(QStringLiteral("about_dialog"));
  setWindowTitle(u8(t.caption));
  setModal(true);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("icon"));
  icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
  product_name_ = new QLabel(u8(t.product_name), this);
  product_name_->setObjectName(QStringLiteral("product_name"));
  QFont big = product_name_->font();
  big.setPointSizeF(big.pointSizeF() * 2);
  big.setBold(true);
  product_name_->setFont(big);
  platform_ = new QLabel(u8(t.platform), this);
  platform_->setObjectName(QStringLiteral("platform"));
  version_ = new QLabel(u8(t.version), this);
  version_->setObjectName(QStringLiteral("version"));

  auto* contacts = new QGridLayout;
  const struct {
    const char* label;
    const char* name;
    const std::string& text;
  } rows[] = {{"URL：", "web_address", t.web_address},
              {"E-Mail：", "email", t.email},
              {"FAX：", "fax", t.fax},
              {"TEL：", "telephone", t.telephone}};
  int r = 0;
  for (const auto& row : rows) {
    contacts->addWidget(new QLabel(QString::fromUtf8(row.label), this), r, 0, Qt::AlignRight);
    QLineEdit* e = field(this, row.name, row.text);
    if (r == 0) web_address_ = e;
    contacts->addWidget(e, r, 1);
    ++r;
  }
  web_address_->installEventFilter(this);
  if (is_web_address(t.web_address)) web_address_->setCursor(Qt::PointingHandCursor);

  copyright_ = field(this, "copyright", t.copyright);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  auto* head = new QHBoxLayout;
  head->addWidget(icon, 0, Qt::AlignTop);
  auto* titles = new QVBoxLayout;
  titles->addWidget(product_name_);
  titles->addWidget(platform_);
  titles->addWidget(version_);
  head->addLayout(titles);
  head->addStretch();
  auto* foot = new QHBoxLayout;
  foot->addWidget(copyright_, 1);
  foot->addWidget(ok_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addLayout(contacts);
  layout->addLayout(foot);

  adjustSize();
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    const QRect area = s->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
  }
}

void AboutDialogWidget::open_web_address() {
  const std::string text = web_address_->text().toStdString();
  if (!is_web_address(text)) return;
  QPalette p = web_address_->palette();
  p.setColor(QPalette::Text, QColor(128, 0, 128));  // a visited link
  web_address_->setPalette(p);
  if (open_address_) open_address_(web_address_->text());
}

bool AboutDialogWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == web_address_ && event->type() == QEvent::MouseButtonRelease)
    open_web_address();
  return QDialog::eventFilter(watched, event);
}

}  // namespace qvt::dialogs
