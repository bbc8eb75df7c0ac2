#include "frontend/model/bearing_factors.h"

#include "frontend/model/display_text.h"

#include <cmath>
#include <fstream>
#include <string>

namespace qvt::model {
namespace {

// Column widths of a record; the line end follows the Nq field.
constexpr std::size_t kKeyWidth = 4;
constexpr std::size_t kNrWidth = 8;
constexpr std::size_t kNqWidth = 4;

std::string field(const std::string& line, std::size_t from, std::size_t width) {
  if (from >= line.size()) return {};
  return line.substr(from, width);
}

}  // namespace

BearingFactors lookup_bearing_factors(const std::filesystem::path& table, double phi) {
  BearingFactors f;
  const double whole = std::trunc(phi);
  std::ifstream in(table, std::ios::binary);
  if (!in) {
    f.table_read = false;
  } else {
    std::string line;
    std::getline(in, line);  // the heading
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) continue;
      const double key = std::nearbyint(leading_number(field(line, 0, kKeyWidth)));
      if (key == whole) {
        f.nr = leading_number(field(line, kKeyWidth, kNrWidth));
        f.nq = leading_number(field(line, kKeyWidth + kNrWidth, kNqWidth));
        break;
      }
    }
  }
  if (whole >= 40) {
    f.nr = 114;
    f.nq = 80;
  }
  return f;
}

}  // namespace qvt::model
