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

// Parses a number, blanks around it allowed; accepts ".5", "-.5", "+1", "1e3".
// nullopt for an empty, partial or non-finite text.
std::optional<double> parse_real(std::string_view text);

// An integer item: a number (as parse_real) rounded to the nearest integer, within i16.
std::optional<std::int16_t> parse_i16(std::string_view text);

// Blanks (space and tab) trimmed off both ends.
std::string_view trim_blanks(std::string_view s);

}  // namespace qvt
