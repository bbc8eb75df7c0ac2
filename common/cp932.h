#pragma once
// Conversion between UTF-8 and CP932 (Shift-JIS as Windows writes it). Every text file the
// system reads or writes is CP932; the front end works in UTF-8, the engines keep CP932 bytes.
#include <optional>
#include <string>
#include <string_view>

namespace qvt {

// Strict conversions: nullopt when the input holds a sequence that has no counterpart.
std::optional<std::string> utf8_to_cp932(std::string_view utf8);
std::optional<std::string> cp932_to_utf8(std::string_view cp932);

// Lossy conversions for texts that must always go through (titles, names): a character that
// cannot be converted becomes "?" (to CP932) or U+FFFD (to UTF-8).
std::string utf8_to_cp932_lossy(std::string_view utf8);
std::string cp932_to_utf8_lossy(std::string_view cp932);

// Length in bytes of the CP932 character that starts with byte b (1 or 2).
inline int cp932_char_length(unsigned char b) {
  return ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) ? 2 : 1;
}

// The longest prefix of a CP932 text that fits into max_bytes without splitting a character.
std::string_view cp932_truncate(std::string_view cp932, std::size_t max_bytes);

}  // namespace qvt
