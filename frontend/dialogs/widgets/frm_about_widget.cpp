#include "frontend/dialogs/widgets/frm_about_widget.h"

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

FrmAboutWidget::FrmAboutWidget(QWidget* owner, const std::string& version_text, int current_year,
                               std::function<void(const QString&)> open_address)
    : QDialog(owner), open_address_(std::move(open_address)) {
  const AboutTexts t = about_texts(version_text, current_year);
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(u8(t.caption));
  setModal(true);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("picIcon"));
  icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
  title0_ = new QLabel(u8(t.lblTitle0), this);
  title0_->setObjectName(QStringLiteral("lblTitle_0"));
  QFont big = title0_->font();
  big.setPointSizeF(big.pointSizeF() * 2);
  big.setBold(true);
  title0_->setFont(big);
  title1_ = new QLabel(u8(t.lblTitle1), this);
  title1_->setObjectName(QStringLiteral("lblTitle_1"));
  version_ = new QLabel(u8(t.lblVersion), this);
  version_->setObjectName(QStringLiteral("lblVersion"));

  auto* contacts = new QGridLayout;
  const struct {
    const char* label;
    const char* name;
    const std::string& text;
  } rows[] = {{"URL：", "Text6", t.Text6},
              {"E-Mail：", "Text3", t.Text3},
              {"FAX：", "Text4", t.Text4},
              {"TEL：", "Text5", t.Text5}};
  int r = 0;
  for (const auto& row : rows) {
    contacts->addWidget(new QLabel(QString::fromUtf8(row.label), this), r, 0, Qt::AlignRight);
    QLineEdit* e = field(this, row.name, row.text);
    if (r == 0) text6_ = e;
    contacts->addWidget(e, r, 1);
    ++r;
  }
  text6_->installEventFilter(this);
  if (is_web_address(t.Text6)) text6_->setCursor(Qt::PointingHandCursor);

  text2_ = field(this, "Text2", t.Text2);
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  auto* head = new QHBoxLayout;
  head->addWidget(icon, 0, Qt::AlignTop);
  auto* titles = new QVBoxLayout;
  titles->addWidget(title0_);
  titles->addWidget(title1_);
  titles->addWidget(version_);
  head->addLayout(titles);
  head->addStretch();
  auto* foot = new QHBoxLayout;
  foot->addWidget(text2_, 1);
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

void FrmAboutWidget::Text6_Click() {
  const std::string text = text6_->text().toStdString();
  if (!is_web_address(text)) return;
  QPalette p = text6_->palette();
  p.setColor(QPalette::Text, QColor(128, 0, 128));  // a visited link
  text6_->setPalette(p);
  if (open_address_) open_address_(text6_->text());
}

bool FrmAboutWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text6_ && event->type() == QEvent::MouseButtonRelease) Text6_Click();
  return QDialog::eventFilter(watched, event);
}

}  // namespace qvt::dialogs
