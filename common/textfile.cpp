#include "common/textfile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace qvt {

std::optional<std::string> read_file_bytes(const std::filesystem::path& path) {
  // A folder of that name opens but cannot be read; the stream then throws from inside the
  // iterator. Either way the file cannot be read.
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;
  try {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
  } catch (const std::ios_base::failure&) {
    return std::nullopt;
  }
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
  FileReplacement file(path);
  return file.write(bytes) && file.commit();
}

namespace {

long system_write(int fd, const void* data, unsigned long size) { return ::write(fd, data, size); }

WriteCall g_write_call = system_write;

bool write_fully(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const long n = g_write_call(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The permissions a file created now gets: 0666 less the process's umask. The mask is read
// from /proc, as setting it to read it back would briefly change it for every thread.
mode_t new_file_mode() {
  if (std::FILE* f = std::fopen("/proc/self/status", "r")) {
    char line[256];
    unsigned mask = 0;
    bool found = false;
    while (!found && std::fgets(line, sizeof line, f))
      found = std::sscanf(line, "Umask: %o", &mask) == 1;
    std::fclose(f);
    if (found) return 0666 & ~static_cast<mode_t>(mask);
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

bool sync_folder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

WriteCall set_write_call(WriteCall call) {
  const WriteCall old = g_write_call;
  g_write_call = call ? call : system_write;
  return old;
}

FileReplacement::FileReplacement(std::filesystem::path target) : target_(std::move(target)) {}

FileReplacement::~FileReplacement() { discard(); }

void FileReplacement::discard() {
  if (temp_.empty()) return;
  ::unlink(temp_.c_str());
  temp_.clear();
}

bool FileReplacement::write(std::string_view bytes) {
  discard();
  std::string pattern = target_.string() + ".XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return false;
  temp_ = pattern;
  struct stat old {};
  const mode_t mode = ::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode)
                         ? (old.st_mode & 07777)
                         : new_file_mode();
  bool ok = write_fully(fd, bytes);
  ok = ok && ::fchmod(fd, mode) == 0;
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (!ok) discard();
  return ok;
}

bool FileReplacement::commit() {
  if (temp_.empty()) return false;
  if (::rename(temp_.c_str(), target_.c_str()) != 0) {
    discard();
    return false;
  }
  temp_.clear();
  // The new file is in place; flushing the folder makes its name survive a crash. A folder
  // that cannot be flushed (some file systems refuse) does not undo the replacement.
  (void)sync_folder(target_.parent_path());
  return true;
}

}  // namespace qvt
