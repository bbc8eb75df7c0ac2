// The earth pressure figure: page frames, the page rotation, scales and positions worked by
// hand, label placement and the level column.
#include "engines/common/engine_entry.h"
#include "engines/tolmire/dat_report.h"
#include "engines/tolmire/figure_page.h"
#include "engines/tolmire/tests/report_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace qvt::tolmire::testing {
namespace {

std::string stop_text(const std::function<void()>& f) {
  try {
    f();
  } catch (const engine::EngineStop& s) {
    return s.messages.empty() ? "<silent>" : cp932_to_utf8_lossy(s.messages[0].text);
  }
  return {};
}

std::size_t count(const std::string& s, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + 1)) ++n;
  return n;
}

TEST(FigurePageTest, PortraitAndLandscapeFramesByteForByte) {
  qvt::testing::TempDir dir;
  FigureLayout portrait, landscape;
  init_figure_layout(portrait);
  layout_pressure_figure(landscape);
  for (auto* l : {&portrait, &landscape}) {
    engine::FigureFile f;
    ASSERT_TRUE(f.open(dir / (l == &portrait ? "P.PZK" : "L.PZK"), {}));
    draw_page_frame(f, *l, "C");
    ASSERT_TRUE(f.close({}));
  }
  EXPECT_EQ(*read_file_bytes(dir / "P.PZK"),
            "Q    0    0 3900 5900 0 3\r\nL    0  300 3900  300 0 3\r\n"
            "K  100  225  150  150 0 3\r\nC\r\n");
  EXPECT_EQ(*read_file_bytes(dir / "L.PZK"),
            "Q    0 5900 3900    0 0 3\r\nL  300 5900  300    0 0 3\r\n"
            "K  225 5800  150  150 90 3\r\nC\r\n");
}

TEST(FigurePageTest, TheLandscapeRotationWorksInDoublesAndTruncates) {
  FigureLayout l;
  layout_pressure_figure(l);
  EXPECT_GT(l.page_cos, 0.0);  // cos 90 degrees from the library: 6.1e-17, not 0
  EXPECT_LT(l.page_cos, 1e-16);
  // A drawing point (x, y) lands at page (y, 5900 - x); the tiny cosine term of a negative x
  // takes an exact 670 just below it.
  EXPECT_EQ(to_page(l, 1000, 670, "F.PZK").x, 670);
  EXPECT_EQ(to_page(l, 1000, 670, "F.PZK").y, 4900);
  EXPECT_EQ(to_page(l, -1000, 670, "F.PZK").x, 669);
  EXPECT_EQ(stop_text([&] { to_page(l, std::nan(""), 0, "F.PZK"); }),
            "(ERROR)-図の座標値が範囲を超えました.(F.PZK)");
  EXPECT_EQ(stop_text([&] { to_page(l, 0, 1e12, "F.PZK"); }),
            "(ERROR)-図の座標値が範囲を超えました.(F.PZK)");
}

// Ground top +3.0, boundaries down to -10.0, active 0 to 26.0, passive 10.0 to 30.0, no
// residual water. Land boundaries +3.0, -3.0, -10.0; the sea top 0.00005 below -3.0.
struct SimpleCase {
  std::unique_ptr<engine::ConditionData> cd = std::make_unique<engine::ConditionData>();
  std::unique_ptr<TolmireData> data = std::make_unique<TolmireData>();
  SimpleCase() {
    cd->water_levels[1] = 2.9;   // L.W.L.: its label overlaps the one of +3.0
    cd->water_levels[2] = -3.0;  // R.W.L. on a land boundary
    engine::PressureWorkFile& w = data->work;
    w.header = {0, 0, 0, 0, 3, 2, 0, 0, 0};
    w.land[0].top_level = 3.0;
    w.land[0].thickness = 6.0;
    w.land[1].top_level = -3.0;
    w.land[1].thickness = 7.0;
    w.land[2].top_level = -10.0;
    w.active[0].horizontal_top = 0;
    w.active[0].horizontal_bottom = 12;
    w.active[1].horizontal_top = 12;
    w.active[1].horizontal_bottom = 26;
    w.sea[0].top_level = -3.00005;
    w.sea[0].thickness = 6.99995;
    w.sea[1].top_level = -10.0;
    w.passive[0].passive_top = 10;
    w.passive[0].passive_bottom = 30;
  }
  std::string draw(const qvt::testing::TempDir& dir) {
    engine::PrintFile report;
    engine::open_or_stop(report, dir / "R.PDT");
    const ReportInput in{*cd, data->work, row_context(*cd, -3.0), 0, "DAT_PRN1.DAT"};
    write_pressure_figure(report, in, *data, dir.path());
    engine::close_or_stop(report);
    EXPECT_EQ(read_utf8(dir / "R.PDT"), "$1                  DOATU_Z0.PZK\n");
    return read_utf8(dir / "DOATU_Z0.PZK");
  }
};

TEST(PressureFigureTest, ScalesAndPositionsWorkedByHand) {
  qvt::testing::TempDir dir;
  SimpleCase c;
  const std::string fig = c.draw(dir);
  // Pressures from -30 to 26: 3600 / 56 units per kN/m2, centred on -2 at 100 + 570 + 1800;
  // levels from +3 to -10: 2900 / 13 units per metre, centred on -3.5 at 2050. The wall line
  // p = 0 lies at drawing x 2598.57, truncated to 2598, page y 5900 - 2598.
  EXPECT_EQ(fig.rfind("DOATU_Z0.PZK  土圧・残留水圧図[常  時]\n46 67\n", 0), 0u);
  EXPECT_NE(fig.find("（土圧・残留水圧図）［常　時］\nL  600 3302 3500 3302 0 2\n"), std::string::npos)
      << fig;
  // Active bottom point: 26 kN/m2 at -10.0, drawing (4270, 3500).
  EXPECT_NE(fig.find("L 3500 3302 3500 1630 0 2\n"), std::string::npos) << fig;
  // The first layer (0 to 12): one triangle numbered at the mean of its page corners + (30, 15).
  // Corners (600, 3302), (1938, 3302), (1938, 2530): mean (1492, 3044.7).
  EXPECT_NE(fig.find("L 1938 3302 1938 2530 0 2\nL  600 3302 1938 2530 0 2\n"
                     "K 1522 3059   60   60   90 2\n1\n"),
            std::string::npos);
  EXPECT_EQ(count(fig, "（主働土圧図）"), 1u);
  EXPECT_EQ(count(fig, "（受働土圧図）"), 1u);
  EXPECT_EQ(count(fig, "（残留水圧図）"), 0u);  // no residual water
}

TEST(PressureFigureTest, LevelColumnAndOverlappingLabels) {
  qvt::testing::TempDir dir;
  SimpleCase c;
  const std::string fig = c.draw(dir);
  // +3.000 at drawing y 600; the L.W.L. +2.900 at 622 would overlap it and goes one row
  // (90 units) below the first label's box: start (5530, 690).
  EXPECT_NE(fig.find("K  585  370   60   60   90 2\n  +3.000 \n"), std::string::npos) << fig;
  EXPECT_NE(fig.find("K  675  370   60   60   90 2\n  +2.900 \nL  690  370  690  160 0 2\n"
                     "L  622  430  622  400 0 2\nL  622  400  690  370 0 2\n"),
            std::string::npos)
      << fig;
  // -3.0 once: a land boundary, the R.W.L. on it and the sea top 0.00005 below it.
  EXPECT_EQ(count(fig, "  -3.000 \n"), 1u);
  EXPECT_EQ(count(fig, " -10.000 \n"), 1u);
}

TEST(PressureFigureTest, ALayerWithoutPositivePressureIsNotDrawnOrNumbered) {
  qvt::testing::TempDir dir;
  SimpleCase c;
  c.data->work.active[0].horizontal_top = -4;
  c.data->work.active[0].horizontal_bottom = 0;
  const std::string fig = c.draw(dir);
  // One active part (the lower trapezoid: two triangles) and the passive ones.
  const std::size_t active_start = fig.find("L  600 3302 3500 3302 0 2\n");
  const std::size_t caption = fig.find("（主働土圧図）");
  ASSERT_NE(caption, std::string::npos);
  const std::string active = fig.substr(active_start, caption - active_start);
  EXPECT_EQ(count(active, "   60   60   90 2\n"), 2u) << active;
  // Cut in memory only where the sign changes inside a layer: this one keeps its record.
  EXPECT_EQ(c.data->work.land[0].top_level, 3.0);
}

TEST(PressureFigureTest, ResidualWaterBelowTheGroundTopLevelIsOnePart) {
  qvt::testing::TempDir dir;
  SimpleCase c;
  c.cd->water_levels[1] = 5.0;  // front level above the ground top: no corners at F
  c.data->work.summary.residual_water_intensity = 10.0;
  c.data->work.active[0].water_top = 4;
  c.data->work.active[1].water_bottom = 10;
  const std::string fig = c.draw(dir);
  const std::size_t at = fig.find("（受働土圧図）");
  const std::size_t cap = fig.find("（残留水圧図）");
  ASSERT_NE(cap, std::string::npos) << fig;
  const std::string water = fig.substr(at, cap - at);
  EXPECT_EQ(count(water, "   60   60   90 2\n1\n"), 1u);
  EXPECT_EQ(count(water, "   60   60   90 2\n2\n"), 0u);
  EXPECT_EQ(count(fig, " pw="), 2u);
}

TEST(PressureFigureTest, ZeroRangesStopTheRun) {
  qvt::testing::TempDir dir;
  SimpleCase c;
  for (auto& a : c.data->work.active) a = {};
  for (auto& p : c.data->work.passive) p = {};
  EXPECT_EQ(stop_text([&] { c.draw(dir); }),
            "(ERROR)-スケールの計算中にＸ方向の座標値が 0.0 になりました.");
  SimpleCase d;
  d.data->work.sea[1].top_level = 3.0;
  EXPECT_EQ(stop_text([&] { d.draw(dir); }),
            "(ERROR)-スケールの計算中にＹ方向の座標値が 0.0 になりました.");
}

}  // namespace
}  // namespace qvt::tolmire::testing
