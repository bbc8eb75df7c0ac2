#pragma once
// Little-endian fields of the engines' binary files, written and read one by one at their
// offsets, never by dumping a struct.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qvt::engine {

inline void put_u64(std::string& out, std::uint64_t bits, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}
inline void put_f64(std::string& out, double v) { put_u64(out, std::bit_cast<std::uint64_t>(v), 8); }
inline void put_i32(std::string& out, std::int32_t v) {
  put_u64(out, static_cast<std::uint32_t>(v), 4);
}
inline void put_zeros(std::string& out, std::size_t n) { out.append(n, '\0'); }

// The largest magnitude a real of a hand-over file may have. No force, moment, level or
// intensity of a quay section comes near it, and sums and products of such values stay far
// from overflowing, so a damaged file cannot turn into "inf" further on.
inline constexpr double kHandOverMagnitudeLimit = 1e12;

// A real of a hand-over file that a later engine may compute with: finite and within the limit.
inline bool sound_hand_over_real(double v) {
  return std::isfinite(v) && std::fabs(v) <= kHandOverMagnitudeLimit;
}

// Reads fields in order from a byte view whose size the caller has checked. Every real read is
// looked at: sound() stays true only while each was finite and within the limit above, so a
// decoder refuses a damaged file with one test after reading it.
class FieldReader {
 public:
  explicit FieldReader(std::string_view bytes, std::size_t offset = 0)
      : bytes_(bytes), pos_(offset) {}
  std::uint64_t u(int n) {
    std::uint64_t v = 0;
    for (int i = n - 1; i >= 0; --i)
      v = (v << 8) | static_cast<unsigned char>(at(pos_ + static_cast<std::size_t>(i)));
    pos_ += static_cast<std::size_t>(n);
    return v;
  }
  double f64() {
    const double v = std::bit_cast<double>(u(8));
    if (!sound_hand_over_real(v)) sound_ = false;
    return v;
  }
  std::int32_t i32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(u(4))); }
  void skip(std::size_t n) { pos_ += n; }
  std::size_t position() const { return pos_; }
  bool sound() const { return sound_; }

 private:
  // Out of range reads give zero bytes rather than undefined behaviour.
  char at(std::size_t i) const { return i < bytes_.size() ? bytes_[i] : '\0'; }
  std::string_view bytes_;
  std::size_t pos_;
  bool sound_ = true;
};

}  // namespace qvt::engine
