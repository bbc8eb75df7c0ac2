#pragma once
// Number items of one line of the condition files, as the engines' fixed line formats hold
// them ("%d,%d,%d", "%lf,%lf"): the items are separated by commas, blanks around an item are
// skipped, and each item is read with the item parser the front end's readers use too. A line
// is sound only when it holds exactly the items its format names and every one of them reads:
// an empty item, one that is not a finite number, an integer item with a fraction or beyond
// its type's range makes the line malformed, and the line's targets keep their values.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qvt::engine {

// Reads exactly n items into out[0..n-1]; false (out unchanged) when the line is not sound.
bool read_items(std::string_view line, std::int32_t* out, int n);
bool read_items(std::string_view line, std::int16_t* out, int n);
bool read_items(std::string_view line, double* out, int n);
// A real item held in single precision: it must be finite in that precision too.
bool read_items(std::string_view line, float* out, int n);

// One item: true when the line holds it and nothing else.
template <class T>
bool read_item(std::string_view line, T& out) {
  return read_items(line, &out, 1);
}

}  // namespace qvt::engine
