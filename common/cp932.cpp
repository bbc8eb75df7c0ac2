#include "common/cp932.h"

#include <cerrno>
#include <iconv.h>

namespace qvt {
namespace {

// One conversion with iconv. On an invalid or unconvertible sequence, either fail or put the
// replacement in its place and skip one input character.
std::optional<std::string> convert(const char* to, const char* from, std::string_view in,
                                   const char* replacement, bool from_cp932) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.reserve(in.size() * 2 + 8);
  char buf[1024];
  char* inp = const_cast<char*>(in.data());
  size_t inleft = in.size();
  std::optional<std::string> result;
  bool failed = false;
  while (inleft > 0) {
    char* outp = buf;
    size_t outleft = sizeof buf;
    size_t r = iconv(cd, &inp, &inleft, &outp, &outleft);
    out.append(buf, static_cast<size_t>(outp - buf));
    if (r != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    if (!replacement) { failed = true; break; }
    out += replacement;
    // Skip one character of the input.
    size_t skip = 1;
    if (from_cp932) {
      skip = static_cast<size_t>(cp932_char_length(static_cast<unsigned char>(*inp)));
    } else {
      unsigned char c = static_cast<unsigned char>(*inp);
      if (c >= 0xF0) skip = 4; else if (c >= 0xE0) skip = 3; else if (c >= 0xC0) skip = 2;
    }
    if (skip > inleft) skip = inleft;
    inp += skip;
    inleft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  if (!failed) {
    char* outp = buf;
    size_t outleft = sizeof buf;
    iconv(cd, nullptr, nullptr, &outp, &outleft);
    out.append(buf, static_cast<size_t>(outp - buf));
    result = std::move(out);
  }
  iconv_close(cd);
  return result;
}

}  // namespace

std::optional<std::string> utf8_to_cp932(std::string_view utf8) {
  return convert("CP932", "UTF-8", utf8, nullptr, false);
}
std::optional<std::string> cp932_to_utf8(std::string_view cp932) {
  return convert("UTF-8", "CP932", cp932, nullptr, true);
}
std::string utf8_to_cp932_lossy(std::string_view utf8) {
  return convert("CP932", "UTF-8", utf8, "?", false).value_or(std::string());
}
std::string cp932_to_utf8_lossy(std::string_view cp932) {
  return convert("UTF-8", "CP932", cp932, "\xEF\xBF\xBD", true).value_or(std::string());
}

std::string_view cp932_truncate(std::string_view s, std::size_t max_bytes) {
  std::size_t i = 0;
  while (i < s.size()) {
    std::size_t n = static_cast<std::size_t>(cp932_char_length(static_cast<unsigned char>(s[i])));
    if (i + n > max_bytes || i + n > s.size()) break;
    i += n;
  }
  return s.substr(0, i);
}

}  // namespace qvt
