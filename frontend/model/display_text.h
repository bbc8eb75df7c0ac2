#pragma once
// How text boxes, grid cells and dialogs turn text into numbers and numbers into text. One helper
// each, so every page, the section picture and the dialogs read and show values the same way.
#include <cstdint>
#include <string>
#include <string_view>

namespace qvt::model {

// The number at the start of a text. Blanks, tabs, CR and LF anywhere in the text are skipped;
// then an optional sign, digits with at most one decimal point and an optional exponent are taken
// up to the first other character. A text that begins with no number, or whose number does not
// fit a double, gives 0. Never fails.
double leading_number(std::string_view text);

// Whether a text typed into a number box may stand: empty or blank (it reads as 0), or beginning
// with a number as leading_number reads it ("3m" is 3). A text with no leading number ("abc",
// "-", ".") may not: the box goes back to the value it had rather than turn a typo into 0.
bool typed_number_acceptable(std::string_view text);

// Formats a value with a display pattern such as "###0.000", "##0.0", "#0" or "0.000": as many
// decimals as the pattern has after its point, at least one digit before it, no grouping. The
// value is rounded half away from zero on its decimal value (the shortest text that reads back to
// the same double), so 1.0005 gives "1.001" and 2.675 gives "2.68" although their binary values
// lie just below. A value that rounds to zero is written without a minus sign.
std::string format_pattern(double value, std::string_view pattern);

// A value committed to a 16-bit integer field: rounded to the nearest integer, a half going to the
// even neighbour, clamped to -32768..32767 (not a number gives 0).
std::int16_t to_i16(double value);

}  // namespace qvt::model
