#include "common/textfile.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>
#include <unistd.h>

namespace qvt {

std::optional<std::string> read_file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::vector<std::string> split_lines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t nl = bytes.find('\n', start);
    std::size_t end = (nl == std::string_view::npos) ? bytes.size() : nl;
    std::size_t stop = end;
    if (stop > start && bytes[stop - 1] == '\r') --stop;
    lines.emplace_back(bytes.substr(start, stop - start));
    if (nl == std::string_view::npos) break;
    start = nl + 1;
  }
  return lines;
}

std::optional<std::vector<std::string>> read_lines(const std::filesystem::path& path) {
  auto bytes = read_file_bytes(path);
  if (!bytes) return std::nullopt;
  return split_lines(*bytes);
}

std::string join_crlf(const std::vector<std::string>& lines) {
  std::string out;
  std::size_t total = 0;
  for (const auto& l : lines) total += l.size() + 2;
  out.reserve(total);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

namespace {
bool write_all(const std::filesystem::path& path, std::string_view bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = (std::fflush(f) == 0) && ok;
  ok = (std::fclose(f) == 0) && ok;
  return ok;
}
}  // namespace

bool write_file_bytes(const std::filesystem::path& path, std::string_view bytes) {
  return write_all(path, bytes);
}

bool replace_file_bytes(const std::filesystem::path& path, std::string_view bytes) {
  std::random_device rd;
  std::filesystem::path tmp = path;
  tmp += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(rd());
  if (!write_all(tmp, bytes)) {
    std::error_code ec;
    std::filesystem::remove(tmp, ec);
    return false;
  }
  std::error_code ec;
  std::filesystem::rename(tmp, path, ec);
  if (ec) {
    std::filesystem::remove(tmp, ec);
    return false;
  }
  return true;
}

}  // namespace qvt
