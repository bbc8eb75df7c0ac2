#include "frontend/model/counterfort_outline.h"

#include "frontend/model/block_outline.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace qvt::model {
namespace {

using Points = std::vector<std::pair<double, double>>;

class Recorder : public MessageSink {
 public:
  void show_message(MessageIcon, const std::string&, const std::string& text) override {
    texts.push_back(text);
  }
  std::vector<std::string> texts;
};

// A wall H = 6 high, W = 4 wide, slab D = 0.6, front wall Tw = 0.5, haunch Hc = 0.3; for the
// vertical face a front footing Lf = 1 long, Tf = 0.5 thick with Cf = 0.2, a counterfort Bc = 1
// wide at the top and Hr = 2 high at the rear.
CounterfortShape wall(int sub_type, double rx = 0, double ry = 0) {
  CounterfortShape c;
  c.sub_type = static_cast<i16>(sub_type);
  c.head.ref_x = rx;
  c.head.ref_y = ry;
  c.dims_a[0][0] = 6;    // H
  c.dims_a[1][0] = 4;    // W
  c.dims_a[0][1] = 0.6;  // D
  c.dims_a[1][1] = 0.5;  // Tw
  c.dims_a[3][0] = 0.3;  // Hc
  c.dims_a[1][2] = 1;    // Bc
  c.dims_a[0][2] = 2;    // Hr
  c.dims_a[0][3] = 0.5;  // Tf
  c.dims_a[1][3] = 1;    // Lf
  c.dims_a[3][1] = 0.2;  // Cf
  for (int i = 0; i <= COUNTERFORT_OUTLINE_POINTS; ++i) {
    c.outline_x[i] = -77;
    c.outline_y[i] = -88;
  }
  c.tail = 55;
  return c;
}

// The leaning-face wall of the worked example: foot of the face Ht = 1 above the base, lean
// Ln = 0.5 over the remaining 5.
CounterfortShape leaning(double rx = 0, double ry = 0) {
  CounterfortShape c = wall(COUNTERFORT_LEANING_FACE, rx, ry);
  c.dims_a[0][2] = 1;    // Ht
  c.dims_a[1][2] = 0.5;  // Ln
  return c;
}

Points points(const CounterfortShape& c, int from, int to) {
  Points p;
  for (int i = from; i < to; ++i) p.push_back({c.outline_x[i], c.outline_y[i]});
  return p;
}

void expect_points(const Points& got, const Points& want, double tol, double dx = 0,
                   double dy = 0) {
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_NEAR(got[i].first, want[i].first + dx, tol) << "point " << i;
    EXPECT_NEAR(got[i].second, want[i].second + dy, tol) << "point " << i;
  }
}

TEST(CounterfortOutline, VerticalFace) {
  struct Case {
    int sub_type;
    int outline_count, tail;
    Points want;  // every written point, outline first
  };
  // Front wall face at x = Lf = 1, rear end at 1 + W = 5. Inner points: the back face at
  // x = 1.5 from the top down to the haunch at D + Hc = 0.9, the haunch foot (1.8, 0.6) and the
  // slab top at the rear (5, 0.6); the counterfort edge from (1 + 0.5 + 1, 6) to (5, 0.6 + 2).
  const Case cases[] = {
      {1, 8, 12,
       {{0, 0}, {0, 0.5}, {0.8, 0.5}, {1, 0.7}, {1, 6}, {5, 6}, {5, 0}, {1, 0},
        {1.5, 6}, {1.5, 0.9}, {1.8, 0.6}, {5, 0.6}, {2.5, 6}, {5, 2.6}}},
      // A tapered footing for every other value but 3.
      {2, 7, 11,
       {{0, 0}, {0, 0.5}, {1, 0.7}, {1, 6}, {5, 6}, {5, 0}, {1, 0},
        {1.5, 6}, {1.5, 0.9}, {1.8, 0.6}, {5, 0.6}, {2.5, 6}, {5, 2.6}}},
      {0, 7, 11,
       {{0, 0}, {0, 0.5}, {1, 0.7}, {1, 6}, {5, 6}, {5, 0}, {1, 0},
        {1.5, 6}, {1.5, 0.9}, {1.8, 0.6}, {5, 0.6}, {2.5, 6}, {5, 2.6}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sub_type);
    for (const auto& [rx, ry] : {std::pair{0.0, 0.0}, std::pair{-2.0, -9.5}}) {
      CounterfortShape f = wall(c.sub_type, rx, ry);
      std::string refusal;
      ASSERT_TRUE(build_counterfort_outline(f, refusal));
      EXPECT_EQ(f.outline_count, c.outline_count);
      EXPECT_EQ(f.tail, c.tail);
      const int written = static_cast<int>(c.want.size());
      expect_points(points(f, 0, written), c.want, 1e-12, rx, ry);
      EXPECT_EQ(f.outline_x[written], -77);  // nothing beyond
    }
  }
}

TEST(CounterfortOutline, LeaningFaceWorkedExample) {
  // theta = atan(0.5 / (6 - 1)) = 0.0996687 rad; cos = 0.9950372, sin = 0.0995037.
  // P3 = (0.5 + 0.5 cos, 6 - 0.5 sin) = (0.99752, 5.95025) -> (0.998, 5.950)
  // P4 = (0.998 + 0.3 cos, 5.95 - 0.3 sin) = (1.29651, 5.92015) -> (1.297, 5.920)
  // The back face runs from P3 through Q1 = P1 moved 0.5 square to the face = (0.49752, 0.95025):
  // dx/dy = (0.998 - 0.49752) / (5.95 - 0.95025) = 0.100101.
  //   P9 at y = 0.9: 0.998 - 5.05 * 0.100101 = 0.49249 -> 0.492
  //   P11 at y = 0.6: 0.998 - 5.35 * 0.100101 = 0.46246 -> 0.462
  //   P14 at y = 5.92: 0.998 - 0.03 * 0.100101 = 0.99500 -> 0.995
  // The parallel through P4 runs through Q3 = P9 moved 0.3 square to the back face:
  //   P10 at y = 0.6 -> 0.763, P12 at y = 0.9 -> 0.793 (1.297 - 5.02 * dx/dy', the same slope
  //   from the rounded P9).
  // P13: the front face x = 0.1 (y - 1) at y = 5.95 -> 0.495.
  const Points want = {{0, 0},        {0, 1},      {0.5, 6},     {0.998, 5.95}, {1.297, 5.92},
                       {4, 5.92},     {4, 0.9},    {4, 0.6},     {4, 0},        {0.492, 0.9},
                       {0.763, 0.6},  {0.462, 0.6}, {0.793, 0.9}, {0.495, 5.95}, {0.995, 5.92}};
  CounterfortShape f = leaning();
  std::string refusal;
  ASSERT_TRUE(build_counterfort_outline(f, refusal)) << refusal;
  EXPECT_EQ(f.outline_count, 9);
  EXPECT_EQ(f.tail, 55);  // not written by this variant
  expect_points(points(f, 0, 15), want, 1e-9);
  EXPECT_EQ(f.outline_x[15], -77);
  EXPECT_EQ(f.outline_y[COUNTERFORT_OUTLINE_POINTS], -88);
}

TEST(CounterfortOutline, LeaningFaceUpright) {
  // No lean: theta = 0, the back face is x = Tw = 0.5, the haunch line x = 0.8.
  CounterfortShape f = leaning(3, -2);
  f.dims_a[1][2] = 0;
  std::string refusal;
  ASSERT_TRUE(build_counterfort_outline(f, refusal)) << refusal;
  const Points want = {{0, 0},    {0, 1},     {0, 6},     {0.5, 6},   {0.8, 6},
                       {4, 6},    {4, 0.9},   {4, 0.6},   {4, 0},     {0.5, 0.9},
                       {0.8, 0.6}, {0.5, 0.6}, {0.8, 0.9}, {0, 6},     {0.5, 6}};
  expect_points(points(f, 0, 15), want, 1e-9, 3, -2);
}

TEST(CounterfortOutline, LeaningFaceWithoutHeightIsRefused) {
  for (double foot : {6.0, 7.5}) {  // the foot at or above the top
    ProjectModel m;
    WallBlock& b = m.wall_blocks[4];
    b.block_type = BLOCK_COUNTERFORT;
    b.counterfort = leaning();
    b.counterfort.dims_a[0][2] = foot;
    b.counterfort.outline_count = 21;
    const CounterfortShape before = b.counterfort;
    Recorder r;
    EXPECT_FALSE(build_block_outline(m, 4, r));
    ASSERT_EQ(r.texts.size(), 1u);
    EXPECT_EQ(r.texts[0], std::string("ブロック5: 扶壁式ブロックの前面下端の高さ(") +
                              (foot == 6.0 ? "6" : "7.5") +
                              ")が躯体の高さ(6)以上です。\n外形を作成できません。");
    EXPECT_EQ(b.counterfort.outline_count, 21);
    EXPECT_EQ(b.counterfort.outline_x, before.outline_x);
    EXPECT_EQ(b.counterfort.outline_y, before.outline_y);
  }
}

TEST(CounterfortOutline, LeaningFaceWhoseLinesDoNotMeetIsRefused) {
  // No wall thickness and no lean: the top of the back face P3 lies on x = 0, so the level line
  // through it meets the front face nowhere definite.
  ProjectModel m;
  WallBlock& b = m.wall_blocks[0];
  b.block_type = BLOCK_COUNTERFORT;
  b.counterfort = leaning();
  b.counterfort.dims_a[1][1] = 0;
  b.counterfort.dims_a[1][2] = 0;
  const CounterfortShape before = b.counterfort;
  Recorder r;
  EXPECT_FALSE(build_block_outline(m, 0, r));
  ASSERT_EQ(r.texts.size(), 1u);
  EXPECT_EQ(r.texts[0],
            "ブロック1: 扶壁式ブロックの寸法では外形の交点が求まりません。\n外形を作成できません。");
  EXPECT_EQ(b.counterfort.outline_count, before.outline_count);
  EXPECT_EQ(b.counterfort.outline_x, before.outline_x);
  EXPECT_EQ(b.counterfort.outline_y, before.outline_y);
}

TEST(CounterfortOutline, BuildingTwiceEqualsOnceAndKeepsParameters) {
  for (int sub_type : {1, 2, COUNTERFORT_LEANING_FACE}) {
    CounterfortShape f = sub_type == COUNTERFORT_LEANING_FACE ? leaning() : wall(sub_type);
    std::string refusal;
    ASSERT_TRUE(build_counterfort_outline(f, refusal));
    const CounterfortShape once = f;
    ASSERT_TRUE(build_counterfort_outline(f, refusal));
    EXPECT_EQ(f.outline_x, once.outline_x);
    EXPECT_EQ(f.outline_y, once.outline_y);
    EXPECT_EQ(f.outline_count, once.outline_count);
    EXPECT_EQ(f.tail, once.tail);
    const CounterfortShape fresh = sub_type == COUNTERFORT_LEANING_FACE ? leaning() : wall(sub_type);
    for (int r = 0; r < 4; ++r)
      for (int k = 0; k < 5; ++k) EXPECT_EQ(f.dims_a[r][k], fresh.dims_a[r][k]);
  }
}

}  // namespace
}  // namespace qvt::model
