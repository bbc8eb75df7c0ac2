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

class MainMenus {
 public:
  // Builds the menus and the toolbar into the window; the update-check item shows the setting.
  MainMenus(MainWindow& window, bool check_updates_at_start);

  RecentFiles& recent_files() { return *recent_files_; }
  // The help menu's "check for a new version at start" item.
  QAction* update_check_action() const { return update_check_action_; }
  // Toolbar buttons 1 to 12; the separators 4, 7 and 11 are null.
  QAction* toolbar_button(int button) const { return toolbar_buttons_.at(button); }

 private:
  void build_toolbar(MainWindow& window);

  std::unique_ptr<RecentFiles> recent_files_;
  QAction* update_check_action_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  std::array<QAction*, 13> toolbar_buttons_{};
};

}  // namespace qvt::shell
