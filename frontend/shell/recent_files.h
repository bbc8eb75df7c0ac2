#pragma once
// The recent-file list of the file menu: four paths kept in the user's settings ("Recent
// Files", keys "RecentFile1".."RecentFile4"), shown as menu items below the print command. The
// list names each project once: paths that name the same project file (same_project_file,
// such as quay.msj typed in the save dialog and quay.MSJ chosen in the open dialog) are one
// entry, under the spelling used last.
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QObject;

namespace qvt::shell {

class RecentFiles {
 public:
  // Adds the separator and the five items (hidden until filled) to the menu; choosing item n
  // (1 to 4) calls open(n).
  RecentFiles(QObject* owner, QMenu* file_menu, std::function<void(int)> open);

  // Item 0 is the separator above the list; items 1 to 5 carry the paths (5 is never filled).
  QAction* action(int index) const { return actions_.at(index); }
  // The path item n stands for; empty when the item is not filled.
  QString path(int n) const;

  // Whether the path's project is on the list, and where: its position, or the last one when
  // it is not.
  bool position_of(const QString& path, int& npos) const;
  // Shows the stored list in the menu, each project once (a list stored by an earlier version
  // may name one twice).
  void show_stored();
  // Puts a path just opened or saved at the top of the list, in place of an entry of the same
  // project, and shows the list.
  void add(const QString& path);

  // Items 1 to 4 carry the list.
  static constexpr int kPositions = 4;

 private:
  // The stored entries, newest first, without empty keys and each project once.
  static QStringList stored_list();

  std::array<QAction*, 6> actions_{};
};

}  // namespace qvt::shell
