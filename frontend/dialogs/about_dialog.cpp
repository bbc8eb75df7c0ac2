#include "frontend/dialogs/about_dialog.h"

#include "frontend/model/messages.h"

namespace qvt::dialogs {

std::string about_year_range(int first_year, int current_year) {
  if (current_year <= first_year) return std::to_string(first_year);
  return std::to_string(first_year) + "-" + std::to_string(current_year);
}

AboutTexts about_texts(const std::string& version_text, int current_year) {
  AboutTexts t;
  t.caption = std::string(model::kAppTitle) + "のﾊﾞｰｼﾞｮﾝ情報";
  t.product_name = model::kAppTitle;
  t.platform = "for Linux";
  t.version = "ﾊﾞｰｼﾞｮﾝ " + version_text;
  // The project publishes no address, mail, fax or telephone of its own.
  t.web_address = kNoContact;
  t.email = kNoContact;
  t.fax = kNoContact;
  t.telephone = kNoContact;
  t.copyright = "© " + about_year_range(kAboutFirstYear, current_year) + " " + kCopyrightHolder;
  return t;
}

bool is_web_address(const std::string& text) {
  const auto starts = [&](const char* p) { return text.rfind(p, 0) == 0; };
  return (starts("http://") || starts("https://")) &&
         text.find_first_of(" \t\r\n") == std::string::npos;
}

}  // namespace qvt::dialogs
