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
  bar_->setObjectName(QStringLiteral("main_status_bar"));
  bar_->setSizeGripEnabled(false);
  prompt_label_ = new QLabel(bar_);
  prompt_label_->setObjectName(QStringLiteral("status_prompt"));
  readout_label_ = new QLabel(bar_);
  readout_label_->setObjectName(QStringLiteral("status_readout"));
  readout_label_->setMinimumWidth(160);
  bar_->addPermanentWidget(prompt_label_, 1);
  bar_->addPermanentWidget(readout_label_);
  window->setStatusBar(bar_);
}

void PageStatusBar::set_status_text(const std::string& text) {
  prompt_label_->setText(QString::fromStdString(text));
}

void PageStatusBar::clear_page_prompt() {
  const QString shown = prompt_label_->text();
  if (shown == QString::fromUtf8(widgets::kMsgNotANumber) ||
      shown == QString::fromUtf8(widgets::kMsgOutOfRange))
    return;
  prompt_label_->clear();
}

void PageStatusBar::repaint_section() {
  if (repaint_) repaint_();
}


}  // namespace qvt::pages
