#pragma once
// The clockwise rule for outlines entered in the block dialogs and rebuilt by the improved-soil
// layer helpers: the direction angle of an edge, and the decision whether an entered vertex list
// runs counter-clockwise and must be stored reversed. Stored outlines run clockwise with y up.
#include "frontend/model/messages.h"
#include "frontend/model/project.h"

#include <span>
#include <vector>

namespace qvt::model {

// The value of pi the angle routine works with.
inline constexpr double kOutlinePi = 3.14159265358979;

inline constexpr const char* kMsgAngleTooShort =
    "in Function funAtn2 データが不正か座標が近すぎます";
inline constexpr const char* kMsgCounterClockwise =
    "入力順が左回りになっています。\n右回りに変換します。";

struct OutlinePoint {
  double x = 0.0;
  double y = 0.0;
};

// The direction angle of the vector (x, y) in radians, in (-pi, pi]: x along the first axis, so
// called with (dy, dx) it is measured from straight up towards +x. A vector within 0.001 of zero
// in both components has no direction: the result is -100 and `degenerate` is set, and the
// caller shows kMsgAngleTooShort.
struct EdgeAngle {
  double value = 0.0;
  bool degenerate = false;
};
EdgeAngle fun_atn2(double x, double y);

// How an entered vertex list is to be stored.
struct OrientationDecision {
  bool reversed = false;         // counter-clockwise: vertex 0 stays, the others run backwards
  bool next_degenerate = false;  // the edge to the next vertex of the lowest one had no direction
  bool prev_degenerate = false;  // the edge to the previous vertex had no direction
};

// Decides the order from the edges at the lowest vertex (the first of equally low ones): the
// order is counter-clockwise when the angle to the previous vertex is not greater than the angle
// to the next. When either edge has no direction its angle decides nothing; the sign of the
// outline's area does (positive, with y up, is counter-clockwise), so a clockwise outline with
// a near-duplicate vertex keeps its order.
OrientationDecision decide_orientation(std::span<const OutlinePoint> v);

// The messages of a decision, in the order the angle routine and the rule raise them: one
// kMsgAngleTooShort per edge without direction (next, then previous), then kMsgCounterClockwise
// when the list is reversed. Exclamation boxes with the application title.
void show_orientation_messages(const OrientationDecision& d, MessageSink& messages);

// The vertices in stored order: V0 first, then the others forwards or, reversed, backwards.
std::vector<OutlinePoint> oriented(std::span<const OutlinePoint> v, const OrientationDecision& d);

// Writes the vertices in stored order into places 0..n-1 of the shape and 9999 into both
// coordinates of every place from n to 117 (place 118 is left alone). Vertex coordinates are
// written as given (the caller makes them relative to the reference point).
void store_oriented(std::span<const OutlinePoint> v, const OrientationDecision& d,
                    PolygonShape& shape);

// decide_orientation, show_orientation_messages and store_oriented in one.
OrientationDecision orientation_check(std::span<const OutlinePoint> v, PolygonShape& shape,
                                      MessageSink& messages);

}  // namespace qvt::model
