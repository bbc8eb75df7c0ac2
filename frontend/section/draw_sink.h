#pragma once
// What the section picture draws, Qt-free. The drawing routines set a pen colour and a line
// style and draw lines, rectangle outlines and texts in whole picture units; the sink keeps the
// pen, the current point and the text position between operations, as a picture box does, and
// restores nothing. A DisplayList records every operation with the pen it was drawn with; the
// widget paints that list, tests read it.
#include <cstdint>
#include <string>
#include <vector>

namespace qvt::section {

struct Colour {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

// Colours of the standard 16-colour palette that the picture uses.
inline constexpr Colour kBlue{0, 0, 255};
inline constexpr Colour kGreen{0, 255, 0};
inline constexpr Colour kCyan{0, 255, 255};
inline constexpr Colour kRed{255, 0, 0};
inline constexpr Colour kMagenta{255, 0, 255};
inline constexpr Colour kYellow{255, 255, 0};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kBlack{0, 0, 0};

enum class LineStyle { Solid, Dot };

// The picture's drawing settings that persist from one operation, and one repaint, to the next.
struct PenState {
  Colour colour = kWhite;
  LineStyle style = LineStyle::Solid;
  int current_x = 0, current_y = 0;  // end of the last line
  int text_x = 0, text_y = 0;        // top-left corner of the next text
};

class DrawSink {
 public:
  explicit DrawSink(PenState state = {}) : state_(state) {}
  virtual ~DrawSink() = default;

  void set_colour(Colour c) { state_.colour = c; }
  void set_style(LineStyle s) { state_.style = s; }
  void line(int x1, int y1, int x2, int y2);
  // A line from the current point.
  void line_to(int x, int y) { line(state_.current_x, state_.current_y, x, y); }
  // The outline of the rectangle with corners (x1, y1) and (x2, y2).
  void rectangle(int x1, int y1, int x2, int y2);
  void set_text_position(int x, int y);
  // Prints at the text position, anchored at the text's top-left corner.
  void print(const std::string& text);

  const PenState& state() const { return state_; }

 protected:
  virtual void draw_line(int x1, int y1, int x2, int y2, const PenState& pen) = 0;
  virtual void draw_rectangle(int x1, int y1, int x2, int y2, const PenState& pen) = 0;
  virtual void draw_text(int x, int y, const std::string& text, const PenState& pen) = 0;

 private:
  PenState state_;
};

struct DrawItem {
  enum Kind { Line, Rectangle, Text };
  Kind kind = Line;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a text's position in x1, y1
  Colour colour;
  LineStyle style = LineStyle::Solid;
  std::string text;  // UTF-8
};

class DisplayList : public DrawSink {
 public:
  using DrawSink::DrawSink;
  std::vector<DrawItem> items;

 protected:
  void draw_line(int x1, int y1, int x2, int y2, const PenState& pen) override;
  void draw_rectangle(int x1, int y1, int x2, int y2, const PenState& pen) override;
  void draw_text(int x, int y, const std::string& text, const PenState& pen) override;
};

}  // namespace qvt::section
