#pragma once
// Line files as the system writes them: CR LF line ends on writing; readers accept CR LF and
// LF alike and strip both. Lines are raw bytes (CP932 for every file of the system).
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvt {

// Whole file as bytes; nullopt when it cannot be opened or read.
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

}  // namespace qvt
