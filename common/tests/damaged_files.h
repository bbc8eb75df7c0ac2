#pragma once
// Damaged copies of a good file, made deterministically from a seed: what a full disk, a bad
// copy or a hand edit leaves behind. Binary files get cut, extended, flipped bytes, reals that
// are no numbers or absurd, counts beyond their tables and records repeated or swapped; text
// files get cut, lines repeated, swapped or dropped, flipped bytes and numbers replaced by
// huge, tiny or non-finite ones. Readers must refuse each copy or give a sound result.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace qvt::testing {

class FileDamage {
 public:
  explicit FileDamage(std::uint32_t seed) : rng_(seed) {}

  // One damaged copy of a binary file. `record` is the size of the records that may be
  // repeated or swapped (0: any 8-byte slice).
  std::string binary(const std::string& good, std::size_t record = 0) {
    std::string b = good;
    switch (pick(8)) {
      case 0:  // cut short
        b.resize(pick(b.size()));
        break;
      case 1:  // bytes left over
        b.append(1 + pick(16), static_cast<char>(pick(256)));
        break;
      case 2:  // flipped bytes
        for (std::size_t n = 1 + pick(4); n > 0 && !b.empty(); --n)
          b[pick(b.size())] ^= static_cast<char>(1u << pick(8));
        break;
      case 3:  // a real that is no number, or absurd
      case 4: {
        if (b.size() < 8) break;
        const double v = odd_real();
        std::size_t at = pick(b.size() - 7);
        if (pick(2) == 0) at -= at % 4;  // on a field boundary more often than not
        std::memcpy(b.data() + at, &v, 8);
        break;
      }
      case 5: {  // a count or index beyond its table
        if (b.size() < 4) break;
        static constexpr std::int32_t kCounts[] = {-1, -2, 25, 26, 50, 51, 80, 81, 1000,
                                                   std::numeric_limits<std::int32_t>::max(),
                                                   std::numeric_limits<std::int32_t>::min()};
        const std::int32_t v = kCounts[pick(std::size(kCounts))];
        std::size_t at = pick(b.size() - 3);
        at -= at % 4;
        std::memcpy(b.data() + at, &v, 4);
        break;
      }
      case 6: {  // a record repeated in place of the next
        const std::size_t r = record ? record : 8;
        if (b.size() < 2 * r) break;
        const std::size_t at = pick(b.size() - 2 * r + 1);
        b.replace(at + r, r, b.substr(at, r));
        break;
      }
      default: {  // two records swapped
        const std::size_t r = record ? record : 8;
        if (b.size() < 2 * r) break;
        const std::size_t i = pick(b.size() - r + 1), j = pick(b.size() - r + 1);
        const std::string a = b.substr(i, r), c = b.substr(j, r);
        if (i + r <= j || j + r <= i) {
          b.replace(i, r, c);
          b.replace(j, r, a);
        }
        break;
      }
    }
    return b;
  }

  // One damaged copy of a text file of lines ended by CR LF.
  std::string text(const std::string& good) {
    std::vector<std::string> lines = split(good);
    switch (pick(7)) {
      case 0: {  // cut short, anywhere
        std::string t = good;
        t.resize(pick(t.size()));
        return t;
      }
      case 1:  // a line repeated
        if (!lines.empty()) {
          const std::size_t i = pick(lines.size());
          lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i), lines[i]);
        }
        break;
      case 2:  // two lines swapped
        if (lines.size() > 1) std::swap(lines[pick(lines.size())], lines[pick(lines.size())]);
        break;
      case 3:  // a line dropped
        if (!lines.empty()) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(pick(lines.size())));
        break;
      case 4: {  // flipped bytes
        std::string t = good;
        for (std::size_t n = 1 + pick(3); n > 0 && !t.empty(); --n)
          t[pick(t.size())] ^= static_cast<char>(1u << pick(8));
        return t;
      }
      default:  // a number replaced by an odd one
        if (!lines.empty()) {
          std::string& l = lines[pick(lines.size())];
          std::vector<std::pair<std::size_t, std::size_t>> numbers;
          for (std::size_t i = 0; i < l.size();) {
            const std::size_t start = i;
            while (i < l.size() && l[i] != ',') ++i;
            numbers.push_back({start, i - start});
            ++i;
          }
          static constexpr const char* kTexts[] = {
              "nan", "inf", "-inf", "1e308", "-1e308", "1e400", "1e-312", "1e9", "-1e9",
              "2147483648", "-2147483649", "32768", "-32769", "126", "26", "9999999", "0", "-1",
              "", "1,2", "0x10", "1e", "--1"};
          const auto [at, length] = numbers[pick(numbers.size())];
          l.replace(at, length, kTexts[pick(std::size(kTexts))]);
        }
        break;
    }
    std::string t;
    for (const std::string& l : lines) t += l + "\r\n";
    return t;
  }

  std::size_t pick(std::size_t n) {
    return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
  }

 private:
  double odd_real() {
    static constexpr double kReals[] = {std::numeric_limits<double>::quiet_NaN(),
                                        std::numeric_limits<double>::infinity(),
                                        -std::numeric_limits<double>::infinity(),
                                        std::numeric_limits<double>::max(),
                                        -1e300,
                                        1e13,
                                        -1e13,
                                        1e-312,
                                        -1e-312,
                                        1e-300,
                                        0.0,
                                        -0.0};
    if (pick(4) == 0) return std::bit_cast<double>(static_cast<std::uint64_t>(rng_()) << 32 | rng_());
    return kReals[pick(std::size(kReals))];
  }

  static std::vector<std::string> split(const std::string& t) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < t.size()) {
      std::size_t nl = t.find('\n', start);
      if (nl == std::string::npos) nl = t.size();
      std::size_t end = nl;
      if (end > start && t[end - 1] == '\r') --end;
      lines.push_back(t.substr(start, end - start));
      start = nl + 1;
    }
    return lines;
  }

  std::mt19937 rng_;
};

// A word "nan" or "inf" (any case, a sign before it allowed) standing on its own in ASCII text:
// what printf makes of a NaN or an infinity.
inline bool holds_non_finite_text(std::string_view text) {
  auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
    if (i > 0 && letter(text[i - 1])) continue;
    // A byte of 0x80 or above before it may lead a double-byte character whose second byte
    // is a letter; such text is no number.
    if (i > 0 && static_cast<unsigned char>(text[i - 1]) >= 0x80) continue;
    std::string w;
    for (std::size_t k = i; k < i + 3; ++k)
      w += static_cast<char>(text[k] | 0x20);
    if ((w == "nan" || w == "inf") && (i + 3 == text.size() || !letter(text[i + 3]))) return true;
  }
  return false;
}

}  // namespace qvt::testing
