#pragma once
// Locale-free number text. What the system writes must read back to the same value, and equal
// values must give equal text, because snapshot files are compared line by line.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qvt {

// Shortest text that reads back to the same double ("100", "0.5", "-2.25", "1e-07");
// -0 is written as "0" so equal values give equal text.
std::string format_real(double v);
std::string format_int(long v);

// Fixed-point text with the given number of decimals and at least one digit before the point
// ("12.500", "-0.250"), rounded as the C library does.
std::string format_fixed(double v, int decimals);

// The one parser of a numeric item of the condition files, shared by the front end's readers
// and the engines' readers, so both read every item alike.
//
// A real item: a number, blanks around it allowed; accepts ".5", "-.5", "+1", "1e3".
// nullopt for an empty, partial or unparsable text and for one that is not a finite number
// ("nan", "inf", "1e400"): a file holding such an item is malformed.
std::optional<double> parse_real(std::string_view text);

// An integer item: a real item (as parse_real) whose value is a whole number within lo..hi.
// "3.7" is refused rather than rounded or cut; "3.0" and "1e3" are whole numbers.
std::optional<long long> parse_integer(std::string_view text, long long lo, long long hi);

// An integer item within i16.
std::optional<std::int16_t> parse_i16(std::string_view text);

// Blanks (space and tab) trimmed off both ends.
std::string_view trim_blanks(std::string_view s);

}  // namespace qvt
