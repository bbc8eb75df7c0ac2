#include "frontend/pages/widgets/page_status_bar.h"

#include "frontend/widgets/text_box_focus.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

namespace qvt::pages {

PageStatusBar::PageStatusBar(QMainWindow* window, model::MessageSink& messages,
                             std::function<void()> repaint)
    : messages_(messages), repaint_(std::move(repaint)) {
  bar_ = new QStatusBar(window);
  bar_->setObjectName(QStringLiteral("stv_gm"));
  bar_->setSizeGripEnabled(false);
  panel1_ = new QLabel(bar_);
  panel1_->setObjectName(QStringLiteral("stv_gm_panel1"));
  panel2_ = new QLabel(bar_);
  panel2_->setObjectName(QStringLiteral("stv_gm_panel2"));
  panel2_->setMinimumWidth(160);
  bar_->addPermanentWidget(panel1_, 1);
  bar_->addPermanentWidget(panel2_);
  window->setStatusBar(bar_);
}

void PageStatusBar::set_status_text(const std::string& text) {
  panel1_->setText(QString::fromStdString(text));
}

void PageStatusBar::clear_page_prompt() {
  const QString shown = panel1_->text();
  if (shown == QString::fromUtf8(widgets::kMsgNotANumber) ||
      shown == QString::fromUtf8(widgets::kMsgOutOfRange))
    return;
  panel1_->clear();
}

void PageStatusBar::repaint_section() {
  if (repaint_) repaint_();
}

void PageStatusBar::set_panel2_text(const QString& text) { panel2_->setText(text); }

}  // namespace qvt::pages
