#pragma once
// The improved body's five boxes (X, Y, B, Dh1, Dh2) against the improved-soil layer blocks:
// leaving a changed box reshapes the layers at once so that the section picture always shows
// the body the boxes describe, and the page's commit measures the body's height from them.
// Pure functions on the model; the page shows the message and refits the picture.
#include "frontend/model/display_text.h"
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
  unchanged,  // the box reads the value of `before`: nothing done
  refused,    // the box got back `before`; `message` or `notice` says why; no block touched
  changed,    // the layers (if any) were reshaped
};

struct BodyBoxOutcome {
  BodyChange change = BodyChange::unchanged;
  std::string message;  // the warning box of a refusal; empty when `notice` says it
  // The status bar's notice of a refusal that says no more than that the box went back.
  model::TypedNumber notice = model::TypedNumber::stands;
  bool refit = false;  // the picture's extents must be recomputed and fitted
};

// Leaving box `index` (0 X, 2 B, 3 Dh1, 4 Dh2) of `texts`; `before` is the box's text as the
// layers stand for it. The box is rewritten "###0.000" (or back to `before` on a refusal).
// X moves every layer keeping its levels; B sets every layer's width (while layers exist a width
// of zero or less is refused with the out-of-range notice: no layer can be that wide); Dh1/Dh2
// walk the layers from the lowest slot up, removing those the new bottom lies above (or exactly
// on the bottom of) and rebuilding the first one it lies within or below; a bottom at or above
// the first layer's top is refused with kMsgAboveBodyTop. Levels are compared absolute
// (reference y + vertex y), each read back from its 15-digit text.
BodyBoxOutcome leave_body_box(model::ProjectModel& m, int index, std::array<std::string, 5>& texts,
                              const std::string& before, model::MessageSink& messages);

// The vertical extent of every improved-soil block in absolute levels; 0 without any block.
double improvement_height(const model::ProjectModel& m);

}  // namespace qvt::pages
