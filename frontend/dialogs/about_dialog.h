#pragma once
// The version dialog: its texts, Qt-free.
#include <string>

namespace qvt::dialogs {

// The year the notice's range starts with, and whom it names (as the README does).
inline constexpr int kAboutFirstYear = 2026;
inline constexpr const char* kCopyrightHolder = "Qvta_win maintainers";
// A contact field the project has no entry for.
inline constexpr const char* kNoContact = "－";

struct AboutTexts {
  std::string caption;     // "Tervaneのﾊﾞｰｼﾞｮﾝ情報"
  std::string product_name;
  std::string platform;      // platform line
  std::string version;       // "ﾊﾞｰｼﾞｮﾝ " + version text
  std::string web_address;   // URL
  std::string email;         // E-Mail
  std::string fax;           // FAX
  std::string telephone;     // TEL
  std::string copyright;     // "© " + year range + " " + holder
};

// "2026" in the first year (or when the clock is behind it), else "2026-<year>".
std::string about_year_range(int first_year, int current_year);

// The texts of the dialog for the version text and the current year.
AboutTexts about_texts(const std::string& version_text, int current_year);

// True when the web-address field holds an address that may be opened.
bool is_web_address(const std::string& text);

}  // namespace qvt::dialogs
