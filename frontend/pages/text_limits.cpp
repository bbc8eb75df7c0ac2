#include "frontend/pages/text_limits.h"

#include "common/cp932.h"

#include <string>

namespace qvt::pages {

namespace {

std::size_t code_points(std::string_view utf8) {
  std::size_t n = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

}  // namespace

bool accepts_cp932_edit(std::string_view before, std::string_view after, std::size_t max_bytes) {
  const auto encoded = qvt::utf8_to_cp932(after);
  if (!encoded) return false;
  if (encoded->size() <= max_bytes) return true;
  const std::string old = qvt::utf8_to_cp932_lossy(before);
  return encoded->size() <= old.size();
}

bool accepts_length_edit(std::string_view before, std::string_view after, std::size_t max_chars) {
  const std::size_t n = code_points(after);
  return n <= max_chars || n <= code_points(before);
}

}  // namespace qvt::pages
