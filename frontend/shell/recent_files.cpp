#include "frontend/shell/recent_files.h"

#include "frontend/shell/settings_store.h"
#include "frontend/shell/shell_logic.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace qvt::shell {

namespace {

const QString kSectionRecent = QStringLiteral("Recent Files");

QString recent_key(int n) { return QStringLiteral("RecentFile") + QString::number(n); }

// A path shown as a menu caption: "&" would otherwise mark an access key.
QString menu_text_of_path(const QString& path) {
  QString t = path;
  t.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return t;
}

}  // namespace

RecentFiles::RecentFiles(QObject* owner, QMenu* file_menu, std::function<void(int)> open) {
  actions_[0] = file_menu->addSeparator();
  actions_[0]->setObjectName(QStringLiteral("recent_file_0"));
  actions_[0]->setVisible(false);
  for (int i = 1; i <= 5; ++i) {
    QAction* a = file_menu->addAction(recent_key(i));
    a->setObjectName(QStringLiteral("recent_file_%1").arg(i));
    a->setVisible(false);
    QObject::connect(a, &QAction::triggered, owner, [open, i] { open(i); });
    actions_[i] = a;
  }
}

QString RecentFiles::path(int n) const { return actions_.at(n)->data().toString(); }

bool RecentFiles::position_of(const QString& path, int& npos) const {
  for (int a = 1; a <= kPositions; ++a) {
    const QString entry = actions_[a]->data().toString();
    if (!entry.isEmpty() && same_project_file(entry.toStdString(), path.toStdString())) {
      npos = a;
      return true;
    }
  }
  npos = kPositions;
  return false;
}

void RecentFiles::show_stored() {
  const QStringList list = stored_list();
  if (list.isEmpty()) return;
  actions_[0]->setVisible(true);
  for (int n = 1; n <= kPositions; ++n) {
    const bool filled = n <= list.size();
    if (filled) {
      actions_[n]->setText(menu_text_of_path(list[n - 1]));
      actions_[n]->setData(list[n - 1]);
    } else {
      actions_[n]->setData(QString());
    }
    actions_[n]->setVisible(filled);
  }
}

void RecentFiles::add(const QString& path) {
  QStringList list{path};
  for (const QString& entry : stored_list())
    if (list.size() < kPositions && !same_project_file(entry.toStdString(), path.toStdString()))
      list.push_back(entry);
  // Keys are filled from 1 upwards; a key left over from a longer list goes.
  for (int n = 1; n <= kPositions; ++n) {
    if (n <= list.size())
      save_setting(kSectionRecent, recent_key(n), list[n - 1]);
    else
      remove_setting(kSectionRecent, recent_key(n));
  }
  show_stored();
}

QStringList RecentFiles::stored_list() {
  QStringList list;
  // An empty first key means no list, whatever the others hold.
  if (get_setting(kSectionRecent, recent_key(1)).isEmpty()) return list;
  for (int n = 1; n <= kPositions; ++n) {
    const QString entry = get_setting(kSectionRecent, recent_key(n));
    if (entry.isEmpty()) continue;
    const bool listed = std::any_of(list.begin(), list.end(), [&](const QString& kept) {
      return same_project_file(kept.toStdString(), entry.toStdString());
    });
    if (!listed) list.push_back(entry);
  }
  return list;
}

}  // namespace qvt::shell
