#include "frontend/shell/settings_store.h"

#include <QSettings>

namespace qvt::shell {

namespace {

// ~/.config/Qvta_win/Qvta_win.ini (tests move it with QSettings::setPath).
QSettings open_store() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope,
                   QString::fromUtf8(kSettingsApplication), QString::fromUtf8(kSettingsApplication));
}

QString full_key(const QString& section, const QString& key) { return section + '/' + key; }

}  // namespace

QString get_setting(const QString& section, const QString& key, const QString& default_value) {
  QSettings store = open_store();
  return store.value(full_key(section, key), default_value).toString();
}

void save_setting(const QString& section, const QString& key, const QString& value) {
  QSettings store = open_store();
  store.setValue(full_key(section, key), value);
  store.sync();
}

void remove_setting(const QString& section, const QString& key) {
  QSettings store = open_store();
  store.remove(full_key(section, key));
  store.sync();
}

bool setting_text_is_true(const QString& text) {
  const QString t = text.trimmed();
  if (t.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0) return true;
  bool is_number = false;
  const double v = t.toDouble(&is_number);
  return is_number && v != 0;
}

}  // namespace qvt::shell
