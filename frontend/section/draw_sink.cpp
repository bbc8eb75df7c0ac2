#include "frontend/section/draw_sink.h"

namespace qvt::section {

void DrawSink::line(int x1, int y1, int x2, int y2) {
  draw_line(x1, y1, x2, y2, state_);
  state_.current_x = x2;
  state_.current_y = y2;
}

void DrawSink::rectangle(int x1, int y1, int x2, int y2) {
  draw_rectangle(x1, y1, x2, y2, state_);
  state_.current_x = x2;
  state_.current_y = y2;
}

void DrawSink::set_text_position(int x, int y) {
  state_.text_x = x;
  state_.text_y = y;
}

void DrawSink::print(const std::string& text) { draw_text(state_.text_x, state_.text_y, text, state_); }

void DisplayList::draw_line(int x1, int y1, int x2, int y2, const PenState& pen) {
  items.push_back({DrawItem::Line, x1, y1, x2, y2, pen.colour, pen.style, {}});
}

void DisplayList::draw_rectangle(int x1, int y1, int x2, int y2, const PenState& pen) {
  items.push_back({DrawItem::Rectangle, x1, y1, x2, y2, pen.colour, pen.style, {}});
}

void DisplayList::draw_text(int x, int y, const std::string& text, const PenState& pen) {
  items.push_back({DrawItem::Text, x, y, 0, 0, pen.colour, pen.style, text});
}

}  // namespace qvt::section
