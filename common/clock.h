#pragma once
// The one clock of the system. Honours SOURCE_DATE_EPOCH so report files are reproducible.
#include <ctime>

namespace qvt {

struct LocalTime {
  int year, month, day, hour, minute, second;
};

// The current local time, or SOURCE_DATE_EPOCH (seconds since 1970, read as UTC) when set.
LocalTime now_local();

}  // namespace qvt
