#pragma once
// The number boxes of the eccentric load dialogs (N, Nc and the design safety factor) follow the
// rule of every number box: a text without a number, or with a number the quantity cannot have,
// keeps the value the box held before, and the box says why when it is left. These helpers give
// the dialogs' presenters that rule without Qt, with the range of each quantity.
#include "frontend/model/display_text.h"

#include <string>
#include <string_view>

namespace qvt::results {

struct NumberRange {
  double lowest;
  double highest;
};

// N of the sand check's charts. The charts' own labels reach 250 (the 45-degree chart at its
// origin), and N = Ngamma of the charts' formula is 873.9 at phi = 50 degrees, beyond any sand a
// quay stands on; 1000 holds every N a chart or a hand reading can give, and no N is below 0.
inline constexpr NumberRange kNRange{0.0, 1000.0};
// Nc of the clay check. The lists give at most a + b = 2 + pi plus the growth term (below 8 in
// KS_AB.CSV), the class "0.25以上" never more than the class 0.25; 1000 holds them and any Nc of
// another method a hundred times over, and no Nc is below 0.
inline constexpr NumberRange kNcRange{0.0, 1000.0};
// A design safety factor: no design asks for a hundredfold margin, and 0 (no margin at all) is
// refused by OK with its own message.
inline constexpr NumberRange kDesignFactorRange{0.0, 100.0};
// The design safety factor a check opens on: the bearing safety factor of the case in the design
// conditions, which the conditions file holds to (0, 100]; any other value (0 of a project
// without one) is taken as 1.
inline double conditions_design_factor(double bearing_safety_factor) {
  return bearing_safety_factor > 0.0 && bearing_safety_factor <= kDesignFactorRange.highest
             ? bearing_safety_factor
             : 1.0;
}

// What a box holds of a typed or pasted text: a box holds one line, so of a text with line ends
// (a value copied from a table brings "\r\n", a pasted column several lines) the first line that
// is not blank, "" when there is none; a text without line ends as it is.
std::string single_line(std::string_view text);

// Whether a box's text stands in the range (model::typed_number on its single line).
model::TypedNumber entry_verdict(std::string_view text, NumberRange range);

// One number box of a dialog: the text it shows and the text of the value it holds (the last
// text that stood when the box was left, or the text the dialog set).
class NumberEntry {
 public:
  explicit NumberEntry(NumberRange range, std::string text = "")
      : range_(range), text_(text), held_(std::move(text)) {}

  // The text typed (or pasted); the box shows its single line.
  void type(std::string_view text) { text_ = single_line(text); }
  // Set by the dialog (a chart reading, a class chosen): shown and held at once.
  void set(std::string text);
  // The box is left: a text that stands is held, reformatted by `pattern`; any other goes back
  // to the text held. Returns what the text was, for the box's notice.
  model::TypedNumber leave(const char* pattern);

  const std::string& text() const { return text_; }
  bool stands() const { return entry_verdict(text_, range_) == model::TypedNumber::stands; }
  // The value that counts now: the shown text's while it stands, else the held one's.
  double value() const;
  // The value that counts was typed by hand, not set by the dialog: a text typed that stands
  // and differs from the held one, or a held value that came from such a text.
  bool by_hand() const { return (stands() && text_ != held_) || held_by_hand_; }

 private:
  NumberRange range_;
  std::string text_;
  std::string held_;
  bool held_by_hand_ = false;
};

}  // namespace qvt::results
