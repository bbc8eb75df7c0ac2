#pragma once
// Limits on what can be typed into a name box. The files and the engines keep names as CP932
// bytes in fixed fields, so a limit counts CP932 bytes, and a character that CP932 cannot hold is
// refused while typing rather than turned into "?" when the file is written.
#include <cstddef>
#include <string_view>

namespace qvt::pages {

// Bytes the job name may take: its field in the condition files.
inline constexpr std::size_t kJobNameMaxBytes = 64;
// Bytes an external force name may take: it must fit the force listing's column.
inline constexpr std::size_t kForceNameMaxBytes = 20;
// Characters of a number box that can be typed (the coefficient boxes and the force values).
inline constexpr std::size_t kCoefficientBoxMaxChars = 10;
inline constexpr std::size_t kForceValueMaxChars = 8;

// Whether an edit that turns `before` into `after` (UTF-8) is taken. A text set by a load is
// never cut: an edit that does not make an over-long text longer is taken, so a long name that
// was loaded can still be shortened.
bool accepts_cp932_edit(std::string_view before, std::string_view after, std::size_t max_bytes);
// The same for a limit in characters (Unicode code points).
bool accepts_length_edit(std::string_view before, std::string_view after, std::size_t max_chars);

}  // namespace qvt::pages
