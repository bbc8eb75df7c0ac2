#include "frontend/model/outline_order.h"

#include "frontend/model/tests/model_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace qvt::model {
namespace {

using testing::Recorder;

struct AngleCase {
  double x, y;
  double angle;
  bool degenerate;
};

TEST(FunAtn2, AnglesAndTheTooShortVector) {
  const AngleCase cases[] = {
      {-1, 0, 3.14159265358979, false},       // straight down the first axis: +pi
      {0, -1, -3.14159265358979 / 2, false},  // -pi/2
      {1, 0, 0, false},
      {0, 1, 3.14159265358979 / 2, false},
      {1, 1, 3.14159265358979 / 4, false},
      {-1, -1, -3 * 3.14159265358979 / 4, false},
      {-1, 1e-12, 3.14159265358979 - 1e-12, false},
      {0.0005, -0.0009, -100, true},
      {0.001, 0.001, -100, true},  // within 0.001 in both counts as no direction
      {0.0011, 0, 0, false},
  };
  for (const AngleCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
    const EdgeAngle a = fun_atn2(c.x, c.y);
    EXPECT_NEAR(a.value, c.angle, 1e-14);
    EXPECT_EQ(a.degenerate, c.degenerate);
  }
}

struct OrderCase {
  const char* name;
  std::vector<OutlinePoint> entered;
  std::vector<OutlinePoint> stored;
  std::vector<std::string> messages;
};

TEST(OrientationCheck, StoresClockwiseWithVertexZeroInPlace) {
  const std::string ccw = kMsgCounterClockwise;
  const std::string angle = kMsgAngleTooShort;
  const OrderCase cases[] = {
      {"counter-clockwise triangle", {{0, 0}, {1, 0}, {0, 1}}, {{0, 0}, {0, 1}, {1, 0}}, {ccw}},
      {"clockwise triangle", {{0, 0}, {0, 1}, {1, 0}}, {{0, 0}, {0, 1}, {1, 0}}, {}},
      {"lowest vertex not first", {{1, 2}, {0, 0}, {2, 0}}, {{1, 2}, {2, 0}, {0, 0}}, {ccw}},
      // A clockwise square whose last vertex nearly repeats the lowest one: the angle to it has
      // no direction, the area decides, and the outline stays as entered.
      {"clockwise, previous vertex nearly on the lowest",
       {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0.0005}},
       {{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0.0005}},
       {angle}},
      // Counter-clockwise with the next vertex nearly on the lowest: reversed all the same.
      {"counter-clockwise, next vertex nearly on the lowest",
       {{0, 0}, {0.0005, 0.0001}, {10, 5}, {0, 10}},
       {{0, 0}, {0, 10}, {10, 5}, {0.0005, 0.0001}},
       {angle, ccw}},
      // Equally low vertices: the first is the lowest.
      {"clockwise with two lowest", {{0, 0}, {0, 4}, {4, 4}, {4, 0}}, {{0, 0}, {0, 4}, {4, 4}, {4, 0}}, {}},
      {"counter-clockwise with two lowest",
       {{0, 0}, {4, 0}, {4, 4}, {0, 4}},
       {{0, 0}, {0, 4}, {4, 4}, {4, 0}},
       {ccw}},
  };
  for (const OrderCase& c : cases) {
    SCOPED_TRACE(c.name);
    PolygonShape shape;
    shape.vertex_x[118] = shape.vertex_y[118] = 5;
    Recorder rec;
    orientation_check(c.entered, shape, rec);
    for (std::size_t k = 0; k < c.stored.size(); ++k) {
      EXPECT_EQ(shape.vertex_x[k], c.stored[k].x) << k;
      EXPECT_EQ(shape.vertex_y[k], c.stored[k].y) << k;
    }
    for (std::size_t k = c.stored.size(); k < 118; ++k) {
      EXPECT_EQ(shape.vertex_x[k], UNSET_COORD) << k;
      EXPECT_EQ(shape.vertex_y[k], UNSET_COORD) << k;
    }
    EXPECT_EQ(shape.vertex_x[118], 5);  // place 118 is not written
    std::vector<std::string> texts;
    for (const auto& m : rec.messages) {
      EXPECT_EQ(m.icon, MessageIcon::Exclamation);
      EXPECT_EQ(m.title, kAppTitle);
      texts.push_back(m.text);
    }
    EXPECT_EQ(texts, c.messages);
  }
}

}  // namespace
}  // namespace qvt::model
