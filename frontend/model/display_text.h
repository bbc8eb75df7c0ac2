#pragma once
// How text boxes, grid cells and dialogs turn text into numbers and numbers into text. One helper
// each, so every page, the section picture and the dialogs read and show values the same way.
#include "common/section_limits.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qvt::model {

// The number at the start of a text. Blanks anywhere in the text are skipped; then an optional
// sign, digits with at most one decimal point and an optional exponent are taken up to the first
// other character. Tabs and line breaks arrive only in pasted text, where they part values: the
// number is read from the first piece between them that holds more than blanks ("12.5\r\n34" is
// 12.5, "\r\n7\r\n" is 7). A text that begins with no number, or whose number does not fit a
// double, gives 0 (typed_number tells these apart). Never fails.
double leading_number(std::string_view text);

// What a text typed into a number box comes to when the box loses the focus.
enum class TypedNumber {
  stands,        // empty or blank (reads as 0) where 0 is within the box's range, or a number
                 // within it and nothing else ("3", " -2.5e1 ", "12.5\r\n34" pasted)
  no_number,     // no number, or a number with anything but blanks after it ("abc", "-", ".",
                 // "12abc", "1,000", "１２"): the box goes back rather than read a value
                 // the user never typed
  out_of_range,  // a number the field cannot hold: beyond a double ("1e999") or the range
                 // (an empty text too, when 0 is outside the range)
};

// The largest finite double: a box without a range of its own takes any number a double holds.
inline constexpr double kAnyNumber = 1.7976931348623157e308;
// What a number box or a grid cell takes unless its field holds less. No input of a section
// (levels, lengths, forces, stresses, angles, unit weights) reaches this in its unit, and the
// project files refuse a level or a length beyond it, so a larger number is a slip that would
// only surface when the project is saved or reopened.
inline constexpr double kBoxLimit = SECTION_EXTENT_LIMIT;
// What a 16-bit integer field holds.
inline constexpr double kI16Lowest = -32768.0, kI16Highest = 32767.0;

// Classifies a typed text. The number is read as leading_number reads it, from the first piece
// of a pasted text; a number too small for a double ("1e-999") is 0 and stands. Files and the
// texts the program writes itself are read with leading_number, which stays lenient.
TypedNumber typed_number(std::string_view text, double lowest = -kAnyNumber,
                         double highest = kAnyNumber);

// Formats a value with a display pattern such as "###0.000", "##0.0", "#0" or "0.000": as many
// decimals as the pattern has after its point, at least one digit before it, no grouping. The
// value is rounded half away from zero on its decimal value (the shortest text that reads back to
// the same double), so 1.0005 gives "1.001" and 2.675 gives "2.68" although their binary values
// lie just below. A value that rounds to zero is written without a minus sign.
std::string format_pattern(double value, std::string_view pattern);

// The decimals a display pattern shows: the characters after its point ("###0.000" 3, "#0" 0).
int pattern_decimals(std::string_view pattern);

// A value committed to a 16-bit integer field: rounded to the nearest integer, a half going to the
// even neighbour, clamped to -32768..32767 (not a number gives 0).
std::int16_t to_i16(double value);

}  // namespace qvt::model
