#pragma once
// The switch between the seven input categories of the main window: which page is stored and
// which loaded, what is shown and enabled, in a fixed order.
#include "frontend/pages/input_page.h"
#include "frontend/pages/page_effects.h"
#include "frontend/section/editor_state.h"
#include "frontend/section/page_port.h"

#include <array>

namespace qvt::pages {

// The categories are section::InputCategory: a page's index is its category.
inline constexpr int kCategoryCount = section::kInputCategoryCount;

// The containers of the categories and the section picture, as the window holds them.
class PageSwitchHost {
 public:
  virtual ~PageSwitchHost() = default;
  virtual bool tab_shown(int category) const = 0;
  virtual void set_tab_shown(int category, bool shown) = 0;
  virtual void set_tab_enabled(int category, bool enabled) = 0;
  // Disables the frames of the three design-conditions inner tabs.
  virtual void disable_inner_frames() = 0;
  // Enables the frame of the inner tab selected on the design-conditions category.
  virtual void enable_selected_inner_frame() = 0;
  virtual void set_picture_shown(bool shown) = 0;
};

class PageSwitch {
 public:
  PageSwitch(PageSwitchHost& host, PageEffects& effects, section::EditorState& editor)
      : host_(host), effects_(effects), editor_(editor) {}

  // The page of a category; null where the category has none yet (nothing loads or stores).
  void set_page(int category, InputPage* page) { pages_.at(category) = page; }
  InputPage* page(int category) const { return pages_.at(category); }

  // `tab_no`: the category shown.
  int tab_no() const { return tab_no_; }
  // Set by the commands that replace the project, which hide the category shown first.
  void set_tab_no(int category) { tab_no_ = category; }

  // Chooses category `index` (0..6; anything else is ignored). Choosing the category shown
  // stores and loads it again. Choosing another clears the prompt line first.
  void choose_category(int index);

 private:
  PageSwitchHost& host_;
  PageEffects& effects_;
  section::EditorState& editor_;
  std::array<InputPage*, kCategoryCount> pages_{};
  int tab_no_ = 0;
};

}  // namespace qvt::pages
