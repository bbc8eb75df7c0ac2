#include "frontend/model/display_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace qvt::model {

namespace {

bool is_separator(char c) { return c == '\t' || c == '\r' || c == '\n'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The text a number is read from: the first piece between tabs and line breaks that holds more
// than blanks, with its blanks taken out. Neither a tab nor a line break can be typed into a box
// or a cell (Tab and Return move on); they arrive only by pasting, where they part the cells of
// a copied spreadsheet range, and a single copied cell ends with a line break. So "12.5\r\n34"
// and "12.5\t34" read as 12.5, the value the box shows first, never as 12.534.
std::string without_blanks(std::string_view text) {
  std::string s;
  for (char c : text) {
    if (is_separator(c)) {
      if (!s.empty()) break;
    } else if (c != ' ') {
      s.push_back(c);
    }
  }
  return s;
}

// Adds one unit in the last place of a string of decimal digits; returns true on a carry out.
bool increment_digits(std::string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] == '9') {
      digits[i] = '0';
    } else {
      ++digits[i];
      return false;
    }
  }
  return true;
}

}  // namespace

namespace {

// The leading number of a text: `digits` tells whether there is one, `overflow` whether it is
// too large for a double (its value is then 0), `whole` whether nothing but blanks follows it
// in its piece of the text.
struct Leading {
  double value = 0.0;
  bool digits = false;
  bool overflow = false;
  bool whole = false;
};

Leading read_leading(std::string_view text) {
  const std::string s = without_blanks(text);

  Leading out;
  std::size_t i = 0;
  std::string num;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) num.push_back(s[i++]);
  while (i < s.size() && is_digit(s[i])) {
    num.push_back(s[i++]);
    out.digits = true;
  }
  if (i < s.size() && s[i] == '.') {
    num.push_back(s[i++]);
    while (i < s.size() && is_digit(s[i])) {
      num.push_back(s[i++]);
      out.digits = true;
    }
  }
  if (!out.digits) return out;
  // The exponent counts only when digits follow it; "2.5e" is 2.5.
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    std::string exp = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp.push_back(s[j++]);
    bool exp_digits = false;
    while (j < s.size() && is_digit(s[j])) {
      exp.push_back(s[j++]);
      exp_digits = true;
    }
    if (exp_digits) {
      num += exp;
      i = j;
    }
  }
  out.whole = i == s.size();
  // from_chars rejects a leading '+' and a lone trailing point; both read as the plain number.
  std::string_view body = num;
  bool negative = false;
  if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
    negative = body.front() == '-';
    body.remove_prefix(1);
  }
  double v = 0.0;
  const auto res = std::from_chars(body.data(), body.data() + body.size(), v);
  if (res.ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: the exponent's sign tells which. A number too small
    // to hold is 0, one too large cannot be held.
    const auto e = body.find_first_of("eE");
    out.overflow = !(e != std::string_view::npos && e + 1 < body.size() && body[e + 1] == '-');
    return out;
  }
  if (res.ec != std::errc() || !std::isfinite(v)) {
    out.overflow = res.ec == std::errc();
    return out;
  }
  if (v != 0.0) out.value = negative ? -v : v;
  return out;
}

}  // namespace

double leading_number(std::string_view text) { return read_leading(text).value; }

int pattern_decimals(std::string_view pattern) {
  const auto point = pattern.find('.');
  if (point == std::string_view::npos) return 0;
  return static_cast<int>(pattern.size() - point - 1);
}

TypedNumber typed_number(std::string_view text, double lowest, double highest) {
  // An empty box reads as 0, which must be a value of the box's range like any typed one: a
  // water unit weight box emptied would otherwise stand as 0.
  if (without_blanks(text).empty())
    return (0.0 < lowest || 0.0 > highest) ? TypedNumber::out_of_range : TypedNumber::stands;
  const Leading n = read_leading(text);
  // "12abc" is no more a number than "１２" or "abc": a box that read it as 12 would keep a
  // value the user never typed ("1,000" as 1, "3m" as 3).
  if (!n.digits || !n.whole) return TypedNumber::no_number;
  if (n.overflow || n.value < lowest || n.value > highest) return TypedNumber::out_of_range;
  return TypedNumber::stands;
}

std::string format_pattern(double value, std::string_view pattern) {
  const int decimals = pattern_decimals(pattern);
  if (!std::isfinite(value)) return std::string("0") + (decimals > 0 ? "." + std::string(decimals, '0') : "");

  // Shortest round-trip text in fixed notation: the decimal value the user typed or the engine
  // meant, without the binary representation error.
  char buf[512];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed);
  std::string text(buf, res.ptr);
  std::string int_part = text;
  std::string frac_part;
  if (const auto point = text.find('.'); point != std::string::npos) {
    int_part = text.substr(0, point);
    frac_part = text.substr(point + 1);
  }
  // Round the digit string half away from zero at the wanted number of decimals.
  std::string digits = int_part + frac_part.substr(0, std::min<std::size_t>(frac_part.size(), decimals));
  digits.append(static_cast<std::size_t>(decimals) - std::min<std::size_t>(frac_part.size(), decimals), '0');
  if (static_cast<int>(frac_part.size()) > decimals && frac_part[decimals] >= '5') {
    if (increment_digits(digits)) digits.insert(digits.begin(), '1');
  }
  std::string ip = digits.substr(0, digits.size() - decimals);
  std::string fp = digits.substr(digits.size() - decimals);
  const auto nz = ip.find_first_not_of('0');
  ip = nz == std::string::npos ? "0" : ip.substr(nz);

  const bool zero = ip == "0" && fp.find_first_not_of('0') == std::string::npos;
  std::string out = (value < 0 && !zero) ? "-" : "";
  out += ip;
  if (decimals > 0) out += "." + fp;
  return out;
}

std::int16_t to_i16(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 32767.0) return 32767;
  if (value <= -32768.0) return -32768;
  return static_cast<std::int16_t>(std::nearbyint(value));  // default mode: half to even
}

}  // namespace qvt::model
