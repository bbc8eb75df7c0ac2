#include "frontend/shell/shell_logic.h"

#include <algorithm>
#include <fnmatch.h>
#include <string>
#include <system_error>
#include <vector>

namespace qvt::shell {

namespace {

std::string_view file_name_of(std::string_view path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Position of the dot that starts the suffix inside the file name, npos when there is none.
std::string_view::size_type suffix_dot(std::string_view name) {
  const auto dot = name.find_last_of('.');
  if (dot == std::string_view::npos || dot == 0) return std::string_view::npos;
  return dot;
}

bool is_blank(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n'; }

}  // namespace

std::string title_of_path(std::string_view path) {
  std::string_view name = file_name_of(path);
  return std::string(name.substr(0, name.find('.')));
}

std::string suffix_of_path(std::string_view path) {
  std::string_view name = file_name_of(path);
  const auto dot = suffix_dot(name);
  if (dot == std::string_view::npos) return {};
  std::string suffix(name.substr(dot + 1));
  for (char& ch : suffix)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return suffix;
}

std::string base_of_path(std::string_view path) {
  std::string_view name = file_name_of(path);
  const auto dot = suffix_dot(name);
  if (dot == std::string_view::npos) return std::string(path);
  return std::string(path.substr(0, path.size() - name.size() + dot));
}

bool same_project_file(std::string_view a, std::string_view b) {
  namespace fs = std::filesystem;
  const fs::path fa = base_of_path(a) + ".MSJ", fb = base_of_path(b) + ".MSJ";
  std::error_code ec;
  if (fs::exists(fa, ec) && fs::exists(fb, ec)) {
    const bool same = fs::equivalent(fa, fb, ec);
    if (!ec) return same;
  }
  ec.clear();
  const fs::path na = fs::absolute(fa, ec).lexically_normal();
  if (ec) return fa == fb;
  const fs::path nb = fs::absolute(fb, ec).lexically_normal();
  if (ec) return fa == fb;
  return na == nb;
}

std::string start_caption(std::string_view version_text) {
  std::string caption = "Tervane Ver";
  caption += version_text;
  return caption;
}

std::string window_caption(std::string_view version_text, std::string_view title) {
  std::string caption = start_caption(version_text);
  caption += " - ";
  caption += title;
  return caption;
}

std::string trimmed_command_line(std::string_view command_line) {
  while (!command_line.empty() && is_blank(command_line.front())) command_line.remove_prefix(1);
  while (!command_line.empty() && is_blank(command_line.back())) command_line.remove_suffix(1);
  return std::string(command_line);
}

bool is_td_command_line(std::string_view command_line) {
  std::string t = trimmed_command_line(command_line);
  for (char& ch : t)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return t == "/td";
}

bool wildcard_match(std::string_view pattern, std::string_view name) {
  // No flags: "*" also matches a leading dot or nothing, and case counts.
  return ::fnmatch(std::string(pattern).c_str(), std::string(name).c_str(), 0) == 0;
}

int delete_stale_results(const std::filesystem::path& folder) {
  static constexpr const char* kPatterns[] = {"*.PDT", "CAL_AN?.DAT", "CAL_HEN.DAT", "DAT_*.DAT"};
  int deleted = 0;
  for (const char* pattern : kPatterns) {
    std::vector<std::filesystem::path> matches;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
      std::error_code type_ec;
      if (!it->is_regular_file(type_ec)) continue;
      if (wildcard_match(pattern, it->path().filename().string())) matches.push_back(it->path());
    }
    for (const auto& file : matches) {
      std::error_code rm_ec;
      if (std::filesystem::remove(file, rm_ec)) ++deleted;
    }
  }
  return deleted;
}

}  // namespace qvt::shell
