#include "common/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace qvt {

std::string format_real(double v) {
  if (v == 0.0) return "0";
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

std::string format_int(long v) { return std::to_string(v); }

std::string format_fixed(double v, int decimals) {
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  std::string s(buf);
  // "-0.000" and "0.000" are the same value: keep one text for it.
  if (s.size() > 1 && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos)
    s.erase(0, 1);
  return s;
}

std::string_view trim_blanks(std::string_view s) {
  std::size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  std::size_t e = s.find_last_not_of(" \t");
  return s.substr(b, e - b + 1);
}

std::optional<double> parse_real(std::string_view text) {
  std::string_view t = trim_blanks(text);
  if (t.empty()) return std::nullopt;
  // from_chars rejects a leading "+"; the files never write one, but accept it.
  if (t.front() == '+') {
    t.remove_prefix(1);
    if (t.empty() || t.front() == '+' || t.front() == '-') return std::nullopt;
  }
  double v = 0;
  auto r = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
  if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v))
    return std::nullopt;
  return v;
}

std::optional<long long> parse_integer(std::string_view text, long long lo, long long hi) {
  auto v = parse_real(text);
  if (!v || *v != std::trunc(*v)) return std::nullopt;
  // Compared as doubles first, so a huge value never reaches the conversion.
  if (*v < static_cast<double>(lo) || *v > static_cast<double>(hi)) return std::nullopt;
  const auto r = static_cast<long long>(*v);
  if (r < lo || r > hi) return std::nullopt;
  return r;
}

std::optional<std::int16_t> parse_i16(std::string_view text) {
  auto v = parse_integer(text, -32768, 32767);
  if (!v) return std::nullopt;
  return static_cast<std::int16_t>(*v);
}

}  // namespace qvt
