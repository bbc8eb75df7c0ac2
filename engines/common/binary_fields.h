#pragma once
// Little-endian fields of the engines' binary files, written and read one by one at their
// offsets, never by dumping a struct.
#include <bit>
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

// Reads fields in order from a byte view whose size the caller has checked.
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
  double f64() { return std::bit_cast<double>(u(8)); }
  std::int32_t i32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(u(4))); }
  void skip(std::size_t n) { pos_ += n; }
  std::size_t position() const { return pos_; }

 private:
  // Out of range reads give zero bytes rather than undefined behaviour.
  char at(std::size_t i) const { return i < bytes_.size() ? bytes_[i] : '\0'; }
  std::string_view bytes_;
  std::size_t pos_;
};

}  // namespace qvt::engine
