#pragma once
// The per-user settings store of the application "Qvta_win": text values by section and key,
// as the system keeps its update-check setting and its recent-file list.
#include <QString>

namespace qvt::shell {

inline constexpr const char* kSettingsApplication = "Qvta_win";

// The stored text, or `default_value` when the key does not exist.
QString get_setting(const QString& section, const QString& key,
                    const QString& default_value = QString());

// Stores the text and writes the store out at once.
void save_setting(const QString& section, const QString& key, const QString& value);

// Removes the key; a later read gives the default.
void remove_setting(const QString& section, const QString& key);

// A stored "True"/"False" text as a boolean: "true" in any case, or a non-zero number, is true.
bool setting_text_is_true(const QString& text);

}  // namespace qvt::shell
