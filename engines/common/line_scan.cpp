#include "engines/common/line_scan.h"

#include "common/numtext.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace qvt::engine {
namespace {

template <class T>
bool parse_one(std::string_view text, T& out) {
  if constexpr (std::is_integral_v<T>) {
    const auto v = parse_integer(text, std::numeric_limits<T>::min(),
                                 std::numeric_limits<T>::max());
    if (!v) return false;
    out = static_cast<T>(*v);
    return true;
  } else {
    const auto v = parse_real(text);
    if (!v) return false;
    const T narrowed = static_cast<T>(*v);
    if (!std::isfinite(narrowed)) return false;
    out = narrowed;
    return true;
  }
}

template <class T>
bool read_all(std::string_view line, T* out, int n) {
  if (n <= 0) return line.find_first_not_of(" \t") == std::string_view::npos;
  std::vector<T> values(static_cast<std::size_t>(n));
  std::size_t pos = 0;
  for (int i = 0; i < n; ++i) {
    const std::size_t comma = line.find(',', pos);
    const bool last = i == n - 1;
    // The last item runs to the end of the line; a further comma means items beyond the format.
    if (last ? comma != std::string_view::npos : comma == std::string_view::npos) return false;
    const std::size_t end = last ? line.size() : comma;
    if (!parse_one(line.substr(pos, end - pos), values[static_cast<std::size_t>(i)]))
      return false;
    pos = end + 1;
  }
  for (int i = 0; i < n; ++i) out[i] = values[static_cast<std::size_t>(i)];
  return true;
}

}  // namespace

bool read_items(std::string_view line, std::int32_t* out, int n) { return read_all(line, out, n); }
bool read_items(std::string_view line, std::int16_t* out, int n) { return read_all(line, out, n); }
bool read_items(std::string_view line, double* out, int n) { return read_all(line, out, n); }
bool read_items(std::string_view line, float* out, int n) { return read_all(line, out, n); }

}  // namespace qvt::engine
