#include "common/clock.h"

#include <cstdlib>
#include <string>

namespace qvt {

LocalTime now_local() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
  bool fixed = false;
  if (epoch && *epoch) {
    char* end = nullptr;
    long long v = std::strtoll(epoch, &end, 10);
    if (end && *end == '\0' && v >= 0) {
      t = static_cast<std::time_t>(v);
      fixed = true;
    }
  }
  if (fixed) gmtime_r(&t, &tm); else localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

}  // namespace qvt
