#include "frontend/model/version_text.h"

#include "common/cp932.h"
#include "common/numtext.h"
#include "common/textfile.h"

namespace qvt::model {

std::string read_version_text(const std::filesystem::path& sysver_file) {
  auto lines = read_lines(sysver_file);
  if (!lines || lines->empty()) return kBuiltInVersionText;
  std::string_view first = (*lines)[0];
  std::string_view item = trim_blanks(first.substr(0, first.find(',')));
  if (item.size() >= 2 && item.front() == '"' && item.back() == '"')
    item = item.substr(1, item.size() - 2);
  if (item.empty()) return kBuiltInVersionText;
  return cp932_to_utf8_lossy(item);
}

}  // namespace qvt::model
