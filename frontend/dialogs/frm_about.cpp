#include "frontend/dialogs/frm_about.h"

#include "frontend/model/messages.h"

namespace qvt::dialogs {

std::string about_year_range(int first_year, int current_year) {
  if (current_year <= first_year) return std::to_string(first_year);
  return std::to_string(first_year) + "-" + std::to_string(current_year);
}

AboutTexts about_texts(const std::string& version_text, int current_year) {
  AboutTexts t;
  t.caption = std::string(model::kAppTitle) + "のﾊﾞｰｼﾞｮﾝ情報";
  t.lblTitle0 = model::kAppTitle;
  t.lblTitle1 = "for Linux";
  t.lblVersion = "ﾊﾞｰｼﾞｮﾝ " + version_text;
  // The project publishes no address, mail, fax or telephone of its own.
  t.Text6 = kNoContact;
  t.Text3 = kNoContact;
  t.Text4 = kNoContact;
  t.Text5 = kNoContact;
  t.Text2 = "© " + about_year_range(kAboutFirstYear, current_year) + " " + kCopyrightHolder;
  return t;
}

bool is_web_address(const std::string& text) {
  const auto starts = [&](const char* p) { return text.rfind(p, 0) == 0; };
  return (starts("http://") || starts("https://")) &&
         text.find_first_of(" \t\r\n") == std::string::npos;
}

}  // namespace qvt::dialogs
