#include "engines/common/line_scan.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace qvt::engine {
namespace {

bool is_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool is_digit(char c) { return c >= '0' && c <= '9'; }

void skip_space(std::string_view s, std::size_t& pos) {
  while (pos < s.size() && is_space(s[pos])) ++pos;
}

// [sign] digits, saturated to [lo, hi].
bool parse_integer(std::string_view s, std::size_t& pos, long long lo, long long hi,
                   long long& out) {
  std::size_t p = pos;
  skip_space(s, p);
  bool negative = false;
  if (p < s.size() && (s[p] == '+' || s[p] == '-')) negative = s[p++] == '-';
  if (p >= s.size() || !is_digit(s[p])) return false;
  long long v = 0;
  constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 10;
  for (; p < s.size() && is_digit(s[p]); ++p)
    if (v < kLimit) v = v * 10 + (s[p] - '0');
  if (negative) v = -v;
  out = v < lo ? lo : (v > hi ? hi : v);
  pos = p;
  return true;
}

// [sign] (digits [. [digits]] | . digits) [(e|E) [sign] digits], in decimal only.
template <class Real>
bool parse_real(std::string_view s, std::size_t& pos, Real& out) {
  std::size_t p = pos;
  skip_space(s, p);
  const std::size_t sign_at = p;
  if (p < s.size() && (s[p] == '+' || s[p] == '-')) ++p;
  const std::size_t body = p;
  std::size_t digits = 0;
  while (p < s.size() && is_digit(s[p])) ++p, ++digits;
  if (p < s.size() && s[p] == '.') {
    ++p;
    while (p < s.size() && is_digit(s[p])) ++p, ++digits;
  }
  if (digits == 0) return false;
  if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
    std::size_t q = p + 1;
    if (q < s.size() && (s[q] == '+' || s[q] == '-')) ++q;
    if (q < s.size() && is_digit(s[q])) {
      while (q < s.size() && is_digit(s[q])) ++q;
      p = q;
    }
  }
  // from_chars takes no "+" and no leading "." without a digit before it; give it the body
  // with a "0" put in front.
  const std::string_view number = s.substr(body, p - body);
  char small[64];
  std::string large;
  char* text = small;
  if (number.size() + 1 > sizeof small) {
    large.resize(number.size() + 1);
    text = large.data();
  }
  text[0] = '0';
  number.copy(text + 1, number.size());
  const char* text_end = text + number.size() + 1;
  Real v{};
  auto [end, ec] = std::from_chars(text, text_end, v, std::chars_format::general);
  if (ec != std::errc() || end != text_end) return false;
  out = (s[sign_at] == '-') ? -v : v;
  pos = p;
  return true;
}

template <class T, class Parse>
int scan(std::string_view line, T* out, int n, Parse parse) {
  std::size_t pos = 0;
  for (int i = 0; i < n; ++i) {
    if (i > 0) {
      if (pos >= line.size() || line[pos] != ',') return i;
      ++pos;
    }
    if (!parse(line, pos, out[i])) return i;
  }
  return n;
}

template <class Int>
int scan_integers(std::string_view line, Int* out, int n) {
  return scan(line, out, n, [](std::string_view s, std::size_t& pos, Int& v) {
    long long x = 0;
    if (!parse_integer(s, pos, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max(),
                       x))
      return false;
    v = static_cast<Int>(x);
    return true;
  });
}

template <class Real>
int scan_reals(std::string_view line, Real* out, int n) {
  return scan(line, out, n,
              [](std::string_view s, std::size_t& pos, Real& v) { return parse_real(s, pos, v); });
}

}  // namespace

int scan_items(std::string_view line, std::int32_t* out, int n) {
  return scan_integers(line, out, n);
}
int scan_items(std::string_view line, std::int16_t* out, int n) {
  return scan_integers(line, out, n);
}
int scan_items(std::string_view line, double* out, int n) { return scan_reals(line, out, n); }
int scan_items(std::string_view line, float* out, int n) { return scan_reals(line, out, n); }

}  // namespace qvt::engine
