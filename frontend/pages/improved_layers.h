#pragma once
// The improved body's five boxes (X, Y, B, Dh1, Dh2) against the improved-soil layer blocks:
// leaving a changed box reshapes the layers at once so that the section picture always shows
// the body the boxes describe, and the page's commit measures the body's height from them.
// Pure functions on the model; the page shows the message and refits the picture.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"

#include <array>
#include <string>

namespace qvt::pages {

inline constexpr const char* kMsgAboveBodyTop = "改良体上限を超えます。";
inline constexpr const char* kMsgWidthNotSet = "改良幅 Ｂ が設定されていません。";
inline constexpr const char* kMsgBottomNotSet = "改良下限標高 Ｄｈ が設定されていません。";

// The box indexes of the improved-body page.
enum BodyBox { kBoxX = 0, kBoxY = 1, kBoxB = 2, kBoxDh1 = 3, kBoxDh2 = 4 };

enum class BodyChange {
  unchanged,  // the box holds the value it had on getting the focus: nothing done
  refused,    // the box got back its focus text; `message` says why; no block touched
  changed,    // the layers (if any) were reshaped
};

struct BodyBoxOutcome {
  BodyChange change = BodyChange::unchanged;
  std::string message;  // the warning to show for a refusal
  bool refit = false;   // the picture's extents must be recomputed and fitted
};

// Leaving box `index` (0 X, 2 B, 3 Dh1, 4 Dh2) of `texts`; `focus_text` is what the box held
// on getting the focus. The box is rewritten "###0.000" (or back to `focus_text` on a refusal).
// X moves every layer keeping its levels; B sets every layer's width (refused when zero or
// less while layers exist, as registration refuses it); Dh1/Dh2 walk the layers from the
// lowest slot up, removing those the new bottom lies above (or exactly on the bottom of) and
// rebuilding the first one it lies within or below; a bottom at or above the first layer's top
// is refused. Levels are compared absolute (reference y + vertex y), each read back from its
// 15-digit text.
BodyBoxOutcome leave_body_box(model::ProjectModel& m, int index, std::array<std::string, 5>& texts,
                              const std::string& focus_text, model::MessageSink& messages);

// The vertical extent of every improved-soil block in absolute levels; 0 without any block.
double improvement_height(const model::ProjectModel& m);

}  // namespace qvt::pages
