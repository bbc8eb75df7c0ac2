#pragma once
// Line files as the system writes them: CR LF line ends on writing; readers accept CR LF and
// LF alike and strip both. Lines are raw bytes (CP932 for every file of the system).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvt {

// Whole file as bytes; nullopt when it cannot be opened or read or is no regular file (a folder,
// a pipe).
std::optional<std::string> read_file_bytes(const std::filesystem::path& path);

// Splits bytes into lines: "\r\n" and "\n" end a line (a lone "\r" before "\n" is stripped);
// a last line without an end still counts; an empty input has no lines.
std::vector<std::string> split_lines(std::string_view bytes);

// read_file_bytes + split_lines.
std::optional<std::vector<std::string>> read_lines(const std::filesystem::path& path);

// Lines joined with CR LF after each line.
std::string join_crlf(const std::vector<std::string>& lines);

// Writes bytes in place, replacing the file. False when it cannot be created or written.
bool write_file_bytes(const std::filesystem::path& path, std::string_view bytes);

// Writes bytes to a temporary file in the same folder and renames it over the target, so a
// failed write never destroys the previous file. False on any failure (the old file stays).
bool replace_file_bytes(const std::filesystem::path& path, std::string_view bytes);

// One file being replaced whole. write() puts the new bytes into a temporary file created
// (mkstemp) beside the target, writes them all, flushes them to disk and gives the file the
// old file's permissions (a new file gets the usual ones); commit() renames it over the target
// and flushes the folder, so after a crash either the old or the new file is there, whole.
// Several replacements can be written first and committed together, so a failure while
// writing any of them leaves every old file as it was. A temporary file not committed is
// removed.
class FileReplacement {
 public:
  explicit FileReplacement(std::filesystem::path target);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  bool write(std::string_view bytes);
  bool commit();

 private:
  void discard();
  std::filesystem::path target_;
  std::filesystem::path temp_;
};

// The system call that writes the temporary files' bytes. Tests put in its place one that
// fails part-way, as a full disk does. Returns the call it replaces.
using WriteCall = long (*)(int fd, const void* data, unsigned long size);
WriteCall set_write_call(WriteCall call);

}  // namespace qvt
