#include "frontend/shell/launchers.h"

#include "common/cp932.h"
#include "common/textfile.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace qvt::shell {

namespace {

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string trimmed(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return std::string(s);
}

bool starts_with_ci(const std::string& s, std::string_view prefix) {
  return s.size() > prefix.size() && lower(s.substr(0, prefix.size())) == prefix;
}

bool is_document_suffix(const std::filesystem::path& p) {
  const std::string ext = lower(p.extension().string());
  return ext == ".pdf" || ext == ".html" || ext == ".htm" || ext == ".txt";
}

// True when `p` lies inside `folder` (after "." and ".." are resolved and links followed).
bool inside(const std::filesystem::path& folder, const std::filesystem::path& p) {
  std::error_code ec;
  const auto f = std::filesystem::weakly_canonical(folder, ec);
  if (ec) return false;
  const auto c = std::filesystem::weakly_canonical(p, ec);
  if (ec) return false;
  auto fi = f.begin();
  auto ci = c.begin();
  for (; fi != f.end(); ++fi, ++ci) {
    if (fi->empty()) continue;  // a trailing separator of the folder
    if (ci == c.end() || *ci != *fi) return false;
  }
  return ci != c.end();
}

}  // namespace

UpdateHistoryTarget update_history_target(const std::filesystem::path& install_folder) {
  using Kind = UpdateHistoryTarget::Kind;
  UpdateHistoryTarget t;
  const auto lines = read_lines(install_folder / kUpdaterInfoFile);
  if (!lines) return t;  // InfoMissing
  if (static_cast<int>(lines->size()) < kUpdateHistoryLine) {
    t.kind = Kind::InfoShort;
    return t;
  }
  const std::string line = trimmed(cp932_to_utf8_lossy((*lines)[kUpdateHistoryLine - 1]));
  if (line.empty()) {
    t.kind = Kind::InfoShort;
    return t;
  }
  t.target = line;
  if (starts_with_ci(line, "http://") || starts_with_ci(line, "https://")) {
    // An address with blanks or control characters inside is not one.
    const bool clean = std::none_of(line.begin(), line.end(), [](char c) {
      return static_cast<unsigned char>(c) <= 0x20;
    });
    t.kind = clean ? Kind::Address : Kind::Refused;
    return t;
  }
  // A file name, taken in the install folder; an absolute path must lie inside it too.
  std::filesystem::path p = std::filesystem::path(line);
  if (p.is_relative()) p = install_folder / p;
  if (!is_document_suffix(p) || !inside(install_folder, p)) {
    t.kind = Kind::Refused;
    return t;
  }
  std::error_code ec;
  t.target = p.lexically_normal().string();
  t.kind = std::filesystem::is_regular_file(p, ec) ? Kind::Document : Kind::Missing;
  return t;
}

std::string update_history_message(const UpdateHistoryTarget& t) {
  using Kind = UpdateHistoryTarget::Kind;
  switch (t.kind) {
    case Kind::InfoMissing:
      return std::string("更新情報ﾌｧｲﾙ(") + kUpdaterInfoFile + ")が読み込み出来ません。";
    case Kind::InfoShort:
      return std::string("更新情報ﾌｧｲﾙ(") + kUpdaterInfoFile + ")に更新履歴の指定がありません。";
    case Kind::Missing: return missing_document_message(std::filesystem::path(t.target));
    case Kind::Refused:
      return std::string("更新履歴の指定は、http(s)のアドレスか、インストールフォルダの文書"
                         "(.pdf/.html/.htm/.txt)ではありません。\n") +
             t.target;
    case Kind::Address:
    case Kind::Document: break;
  }
  return {};
}

std::string missing_document_message(const std::filesystem::path& document) {
  return "文書ﾌｧｲﾙ(" + document.filename().string() + ")が見つかりません。\n" +
         document.string();
}

}  // namespace qvt::shell
