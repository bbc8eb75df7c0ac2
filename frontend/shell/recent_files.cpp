#include "frontend/shell/recent_files.h"

#include "frontend/shell/settings_store.h"

#include <QAction>
#include <QMenu>

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
    if (actions_[a]->data().toString() == path) {
      npos = a;
      return true;
    }
  }
  npos = kPositions;
  return false;
}

void RecentFiles::write(const QString& path, int npos) {
  for (int i = npos - 1; i >= 1; --i) {
    const QString entry = get_setting(kSectionRecent, recent_key(i));
    if (!entry.isEmpty()) save_setting(kSectionRecent, recent_key(i + 1), entry);
  }
  save_setting(kSectionRecent, recent_key(1), path);
}

void RecentFiles::show_stored() {
  if (get_setting(kSectionRecent, recent_key(1)).isEmpty()) return;
  for (int n = 1; n <= kPositions; ++n) {
    const QString entry = get_setting(kSectionRecent, recent_key(n));
    if (entry.isEmpty()) continue;
    actions_[0]->setVisible(true);
    actions_[n]->setText(menu_text_of_path(entry));
    actions_[n]->setData(entry);
    actions_[n]->setVisible(true);
  }
}

void RecentFiles::add(const QString& path) {
  int npos = 0;
  position_of(path, npos);
  write(path, npos);
  show_stored();
}

}  // namespace qvt::shell
