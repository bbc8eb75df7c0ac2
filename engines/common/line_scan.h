#pragma once
// Number items read from the start of a line the way the engines' fixed line formats read them
// ("%d,%d,%d", "%lf,%lf"): blanks before a number are skipped, the items are separated by
// single commas, and the first item that is not there ends the line; it and every item after
// it keep the values they had. Locale-free. Integers beyond the target's range saturate; a real
// beyond the range of its type counts as not there.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qvt::engine {

// Converts up to n items into out[0..n-1]; returns how many were converted.
int scan_items(std::string_view line, std::int32_t* out, int n);
int scan_items(std::string_view line, std::int16_t* out, int n);
int scan_items(std::string_view line, double* out, int n);
int scan_items(std::string_view line, float* out, int n);

// One item: true when it was converted.
template <class T>
bool scan_item(std::string_view line, T& out) {
  return scan_items(line, &out, 1) == 1;
}

}  // namespace qvt::engine
