#pragma once
// The main window's menu bar (file with the recent-file list, options, view, data input,
// calculation, help) and its toolbar, each item wired to the window's command.
#include "frontend/shell/recent_files.h"

#include <array>
#include <memory>

class QAction;
class QToolBar;

namespace qvt::shell {

class MainWindow;

// The toolbar's buttons, numbered in their order along the bar: the numbers between (4, 7, 11)
// are separators.
enum class ToolbarButton : int {
  new_project = 1,
  open_project = 2,
  save_project = 3,
  calculate = 5,
  print_report = 6,
  whole_section = 8,
  zoom_in = 9,
  zoom_out = 10,
  manual = 12,
};

class MainMenus {
 public:
  // Builds the menus and the toolbar into the window; the update-check item shows the setting.
  MainMenus(MainWindow& window, bool check_updates_at_start);

  RecentFiles& recent_files() { return *recent_files_; }
  // The help menu's "check for a new version at start" item.
  QAction* update_check_action() const { return update_check_action_; }
  QAction* toolbar_button(ToolbarButton button) const {
    return toolbar_buttons_.at(static_cast<int>(button));
  }

 private:
  void build_toolbar(MainWindow& window);

  std::unique_ptr<RecentFiles> recent_files_;
  QAction* update_check_action_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  std::array<QAction*, 13> toolbar_buttons_{};
};

}  // namespace qvt::shell
