#pragma once
// The one rule for a verdict line of the check summary: which relation between value and limit
// each check judges by, whether a line's flag agrees with its numbers, and the text a row shows
// for it (value, sign, limit). The stability engines use it when they write and read the lines,
// the results table, its text export and the stability summary page when they show them, so a
// flag, a sign and a mark never say different things about the same numbers.
#include "common/check_lines.h"
#include "common/check_summary_format.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qvt {

// How check line k (0..7 within a case) is judged: its row's relation (common/check_lines.h).
CheckRelation check_relation(int k);

// Whether value and limit satisfy line k's relation.
bool check_relation_holds(int k, double value, double limit);

// The line as it reads back from the file: its numbers as "%lf" writes them (six decimals).
CheckLine written_check_line(const CheckLine& line, bool pullout);

// Whether the value of line k is a quantity no ground or body can have below 0 (its row's
// never_negative: the maximum ground reaction and the internal stress).
bool check_value_never_negative(int k);

// A passed flag (0) is true only when the numbers, as written, satisfy the relation of line k,
// and a value that cannot be below 0 (check_value_never_negative) is not. A failed flag is
// always allowed: a check also fails for reasons its two numbers do not show (no value or no
// limit could be computed, a limit of 0). Readers refuse a line that is not consistent; the
// engines write it failed.
bool check_line_consistent(int k, const CheckLine& line);

// The limits line k can carry besides 0, which stands for a line the improvement pattern does not
// have or a limit that could not be computed (on a failed line): from CHECK_LIMIT_LEAST, the
// least number above 0 that the file's six decimals carry, to its row's limit_most (100 for a
// required safety factor, the conditions file's range; STRESS_LIMIT for an allowable stress or
// bearing capacity), never below 0.
struct CheckLimitRange {
  double least, most;
};
CheckLimitRange check_limit_range(int k);
// Whether `limit` is 0 or lies within line k's range (false for NaN).
bool check_limit_sound(int k, double limit);

// Whether a line read from the file can be taken: its failed flag 0 or 1, its limit sound
// (check_limit_sound) and a pass consistent with its numbers (check_line_consistent). Every
// reader of the file refuses the file on a line that cannot.
bool check_line_readable(int k, const CheckLine& line);

// The summary from the first sixteen lines (later lines are ignored); nullopt when there are
// fewer, a line does not hold its items, or a line cannot be taken (check_line_readable).
// Lines 5 and 6 of a case both carry the allowable shear stress; the one of line 6 is kept, as
// the writer wrote the same value on both.
std::optional<CheckSummary> parse_check_summary(const std::vector<std::string>& lines);

// What a row shows of line k. UTF-8.
//   value  the value with three decimals; a shear stress below 0 as its magnitude judged,
//          "|-11.412|"; "－" when the value was not computed.
//   sign   the relation that is true of the two numbers as shown (after rounding to the shown
//          decimals): "＜" or "≧" ("≦" for the internal stress when below, "＞" when above);
//          where the shown numbers are equal, the sign says equality together with the verdict:
//          "≧" (factor passed) or "≦" (factor failed), "≦" (stress passed) or "≧" (stress
//          failed). Empty when the value or the limit is "－".
//   limit  the limit; "－" when it was not computed.
// What the file carries tells what was not computed: an engine that cannot compute a value of
// a check writes it as 0 and fails the line with a message (no horizontal or turning force, no
// ground reaction, no shear plane, no pull-out step, ...), and every limit of these checks is
// above 0, an engine writing 0 for a bearing capacity it could not compute and failing any line
// judged against a limit not above 0. So on a failed line a value of exactly 0 and a limit not
// above 0 read "－"; a passed line always shows both numbers. (A factor that a check computed
// and rounded down to 0.000 reads "－" too; it fails either way.)
struct CheckRowText {
  std::string value;
  std::string sign;
  std::string limit;
  bool failed = false;
  // "value sign limit", or "value limit" when there is no sign.
  std::string cell() const;
};

// How a number is shown with a number of decimals: the front end's display pattern, or
// format_fixed (common/numtext.h) as the engines print.
using CheckNumberText = std::function<std::string(double value, int decimals)>;

// The row text of line k. The value has three decimals; the limit at least `limit_decimals`
// (0 to 3), more where fewer would show a different number than three do (a required factor of
// 1.05 is never shown as 1.1).
CheckRowText check_row_text(int k, const CheckLine& line, const CheckNumberText& number,
                            int limit_decimals = 3);

}  // namespace qvt
