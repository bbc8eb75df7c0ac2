#include "frontend/pages/page_switch.h"

namespace qvt::pages {

void PageSwitch::choose_category(int index) {
  if (index < 0 || index >= kCategoryCount) return;
  // A prompt such as the superstructure page's "登録するブロックタイプを…" belongs to its page.
  if (index != tab_no_) effects_.clear_page_prompt();
  // The dimension-line category has no page data; its page object only picks its mode.
  if (host_.tab_shown(tab_no_) && pages_[tab_no_] && tab_no_ != section::kDimensionLinePage) pages_[tab_no_]->store();
  host_.set_tab_shown(tab_no_, false);
  host_.set_tab_enabled(tab_no_, false);
  host_.disable_inner_frames();
  host_.set_tab_enabled(index, true);

  InputPage* page = pages_[index];
  switch (index) {
    case section::kDesignConditionsPage:
      if (page) page->load();
      host_.enable_selected_inner_frame();
      break;
    case section::kSuperstructurePage:
      if (page) page->load();
      editor_.block_step = section::BlockEditStep::idle;
      break;
    case section::kImprovedBodyPage:
      editor_.block_step = section::BlockEditStep::idle;
      if (page) page->load();
      break;
    case section::kDimensionLinePage:
      break;
    default:
      if (page) page->load();
      break;
  }
  if (page) page->arrive();
  host_.set_picture_shown(index != section::kDesignConditionsPage);
  host_.set_tab_shown(index, true);
  tab_no_ = index;
  effects_.repaint_section();
}

}  // namespace qvt::pages
