// Side adhesion of the improved body. Cohesions, areas, forces and moments are worked by hand in
// the comments (cohesion reference level 0 throughout: c(z) = -z x gradient + c0).
#include "engines/zenobar/side_adhesion.h"
#include "engines/zenobar/tests/table_writer_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qvt::zenobar::testing {
namespace {

constexpr int ACTIVE = ADHESION_ACTIVE;
constexpr int PASSIVE = ADHESION_PASSIVE;

class SideAdhesion : public TableWriterTest {
 protected:
  SideAdhesion() {
    cd().cohesion_reference_level = 0;
    cd().body_dims.width = 10;
    cd().seismic_check = 1;
  }
  // A layer of the soil side that the adhesion side reads (active: land side 1; passive: 0).
  void add_layer(int side, double top, double bottom, int soil_type, double c0, double grad) {
    const int s = side == ACTIVE ? engine::SIDE_ACTIVE : engine::SIDE_PASSIVE;
    int& n = cd().soil_layer_counts[s];
    auto& l = cd().soil_layers[s][n++];
    l.top_level = top;
    l.bottom_level = bottom;
    l.soil_type = soil_type;
    l.cohesion = c0;
    l.cohesion_gradient = grad;
  }
  ParsedTable table(const char* name) { return parse_table(utf8_lines(name)); }
  const ForceSummary& normal() { return run_data.force_summaries[CASE_NORMAL]; }
  const ForceSummary& seismic() { return run_data.force_summaries[CASE_SEISMIC]; }
};

TEST_F(SideAdhesion, ActiveSideLayersAboveTheBodyAndTheBlockFace) {
  // Improved body: one type-7 block 10 m wide from -8 up to -3 (edge level -3).
  // Layer 0, sandy from 5 down to 2: nothing.
  // Layer 1, clay from 2 down to -3, c0 20, gradient 2: c(2) = 16, c(-3) = 26, mean 21,
  //   A = 2 - (-3) = 5, F = 105.000, M = 105 x 10 = 1050.000.
  // Layer 2, clay from -3 (within 0.001) down to -8, c0 30, gradient 1: it begins at the top
  //   of the body, so the block picks it up: c(-3) = 33, c(-8) = 38, mean 35.5, A = 5,
  //   F = 177.500, M = 1775.000.
  // Sum F = 282.500, M = 2825.000.
  set_rect(0, 7, 0, "S", 0, -8, 10, 5, 18, 8, 18);
  add_layer(ACTIVE, 5, 2, 0, 50, 0);
  add_layer(ACTIVE, 2, -3, 1, 20, 2);
  add_layer(ACTIVE, -3.0004, -8, 1, 30, 1);
  write_side_adhesion(ACTIVE);
  const ParsedTable t = table("M_FTYA_A.PFM");
  EXPECT_EQ(t.name, "M_FTYA_A.PFM");
  EXPECT_EQ(t.declared_rows, 8);
  EXPECT_EQ(t.columns, 6);
  EXPECT_EQ(t.widths, "9,22,24,9,9,11");
  ASSERT_EQ(t.rows.size(), 8u);
  EXPECT_EQ(t.rows[0].text, "主働側側面付着力,@,@,@,@,@");
  EXPECT_EQ(t.rows[1].text, "土層,平均粘着力,作用面積,付着力,作用長さ,ﾓｰﾒﾝﾄ");
  EXPECT_EQ(t.rows[2].text, "(m),C$Su$Z,A(m$U2$Z/m),(kN/m),(m),(kN･m/m)");
  EXPECT_EQ(t.rows[3].align, "1,1,2,1,1,1");
  // A layer from +2 to -3 is 2 + 3 = 5 m high.
  EXPECT_EQ(t.rows[3].text, "  2.000 ,1/2×(16.000+26.000) , ( 2.000+ 3.000),,,");
  EXPECT_EQ(t.rows[4].text, " -3.000 ,=  21.000 ,=   5.000 , 105.000 ,  10.000 ,  1050.000 ");
  EXPECT_EQ(t.rows[4].borders, std::vector<std::string>{"1110,1110,1110,1110,1110,1110"});
  EXPECT_EQ(t.rows[5].text, " -3.000 ,1/2×(33.000+38.000) , ( 8.000- 3.000),,,");
  EXPECT_EQ(t.rows[6].text, " -8.000 ,=  35.500 ,=   5.000 , 177.500 ,  10.000 ,  1775.000 ");
  EXPECT_EQ(t.rows[7].align, "3,1,1,1,1,1");
  EXPECT_EQ(t.rows[7].text, "計,,,   282.500 ,,  2825.000 ");
  EXPECT_EQ(t.rows[7].borders, std::vector<std::string>{"1111,1101,0101,0111,1110,1110"});
  for (const ForceSummary* f : {&normal(), &seismic()}) {
    EXPECT_DOUBLE_EQ(f->slot[FS_ACTIVE_SIDE_ADHESION], 282.5);
    EXPECT_DOUBLE_EQ(f->slot[FS_SIDE_ADHESION_MOMENT], 2825.0);
    EXPECT_EQ(f->slot[FS_PASSIVE_SIDE_ADHESION], 0.0);
  }
}

TEST_F(SideAdhesion, PassiveSideStoresTheNegativeSumAndNoMoment) {
  // Sea side: clay from -3 to -8 with c0 10 and no gradient: A 5, F = 50.000 -> [15] = -50.
  set_rect(0, 7, 0, "S", 0, -8, 10, 5, 18, 8, 18);
  add_layer(PASSIVE, -3, -8, 1, 10, 0);
  add_layer(ACTIVE, -3, -8, 1, 99, 0);  // the other side's layers play no part
  run_data.force_summaries[0].slot[FS_SIDE_ADHESION_MOMENT] = 7;
  write_side_adhesion(PASSIVE);
  const ParsedTable t = table("M_FTYA_B.PFM");
  EXPECT_EQ(t.declared_rows, 6);
  EXPECT_EQ(t.columns, 4);
  EXPECT_EQ(t.widths, "9,22,24,9");
  ASSERT_EQ(t.rows.size(), 6u);
  EXPECT_EQ(t.rows[0].text, "受働側側面付着力,@,@,@");
  EXPECT_EQ(t.rows[3].align, "1,1,2,1");
  EXPECT_EQ(t.rows[3].text, " -3.000 ,1/2×(10.000+10.000) , ( 8.000- 3.000),");
  EXPECT_EQ(t.rows[4].text, " -8.000 ,=  10.000 ,=   5.000 ,  50.000 ");
  EXPECT_EQ(t.rows[5].text, "計,,,    50.000 ");
  EXPECT_EQ(t.rows[5].borders, std::vector<std::string>{"1111,1101,0101,0111"});
  EXPECT_DOUBLE_EQ(normal().slot[FS_PASSIVE_SIDE_ADHESION], -50.0);
  EXPECT_DOUBLE_EQ(seismic().slot[FS_PASSIVE_SIDE_ADHESION], -50.0);
  EXPECT_EQ(normal().slot[FS_SIDE_ADHESION_MOMENT], 7.0);  // untouched
  EXPECT_EQ(normal().slot[FS_ACTIVE_SIDE_ADHESION], 0.0);
}

TEST_F(SideAdhesion, WithoutTheSeismicCheckTheSeismicRecordKeepsItsZeros) {
  cd().seismic_check = 0;
  set_rect(0, 7, 0, "S", 0, -8, 10, 5, 18, 8, 18);
  add_layer(ACTIVE, -3, -8, 1, 10, 0);
  add_layer(PASSIVE, -3, -8, 1, 10, 0);
  write_side_adhesion(ACTIVE);
  write_side_adhesion(PASSIVE);
  EXPECT_DOUBLE_EQ(normal().slot[FS_ACTIVE_SIDE_ADHESION], 50.0);
  EXPECT_DOUBLE_EQ(normal().slot[FS_SIDE_ADHESION_MOMENT], 500.0);
  EXPECT_DOUBLE_EQ(normal().slot[FS_PASSIVE_SIDE_ADHESION], -50.0);
  EXPECT_EQ(seismic().slot, ForceSummary{}.slot);
}

TEST_F(SideAdhesion, NoClayGivesZeroNotMinusZero) {
  set_rect(0, 7, 0, "S", 0, -8, 10, 5, 18, 8, 18);
  add_layer(PASSIVE, -3, -8, 0, 10, 0);  // sandy
  write_side_adhesion(PASSIVE);
  EXPECT_FALSE(std::signbit(normal().slot[FS_PASSIVE_SIDE_ADHESION]));
  EXPECT_EQ(table("M_FTYA_B.PFM").rows.back().text, "計,,,     0.000 ");
}

TEST_F(SideAdhesion, WithoutImprovedSoilEveryClayLayerIsListed) {
  // Edge level -9999.999: both clay layers count, the sandy one does not. Levels above 0 show
  // their height as zu - zl: 4 - 2 = 2 m; c = 5 constant: F = 10.000 and 2 x 5 = 10.000 for the
  // layer from 2 down to 0.
  add_layer(ACTIVE, 4, 2, 1, 5, 0);
  add_layer(ACTIVE, 2, 1, 0, 5, 0);
  add_layer(ACTIVE, 2, 0, 1, 5, 0);
  EXPECT_EQ(body_side_extent(ACTIVE).edge_level, -9999.999);
  EXPECT_EQ(body_side_extent(ACTIVE).layers, (std::vector<int>{0, 2}));
  write_side_adhesion(ACTIVE);
  const ParsedTable t = table("M_FTYA_A.PFM");
  ASSERT_EQ(t.rows.size(), 8u);
  EXPECT_EQ(t.rows[3].text, "  4.000 ,1/2×( 5.000+ 5.000) , ( 4.000- 2.000),,,");
  EXPECT_EQ(t.rows[5].text, "  2.000 ,1/2×( 5.000+ 5.000) , ( 2.000- 0.000),,,");
  EXPECT_DOUBLE_EQ(normal().slot[FS_ACTIVE_SIDE_ADHESION], 20.0);
  EXPECT_DOUBLE_EQ(normal().slot[FS_SIDE_ADHESION_MOMENT], 200.0);
}

TEST_F(SideAdhesion, EdgeLevelsOfTheLandAndTheSeaSide) {
  // Front block 10 wide from -8 to -3, rear block 5 wide at x 10 from -8 to -2. Candidates:
  // (10,-3), (0,-3), (15,-2), (10,-2). Land side (x and y both at least): (15,-2) -> -2.
  // Sea side (x at most, y at least): (0,-3) -> -3.
  set_rect(0, 7, 0, "F", 0, -8, 10, 5, 18, 8, 18);
  set_rect(1, 7, 0, "R", 10, -8, 5, 6, 18, 8, 18);
  EXPECT_DOUBLE_EQ(body_side_extent(ACTIVE).edge_level, -2.0);
  EXPECT_DOUBLE_EQ(body_side_extent(PASSIVE).edge_level, -3.0);
  // A layer whose top lies within 0.001 of the edge is left to the block.
  add_layer(ACTIVE, -1.9995, -4, 1, 5, 0);
  add_layer(ACTIVE, -1.998, -4, 1, 5, 0);
  EXPECT_EQ(body_side_extent(ACTIVE).layers, std::vector<int>{1});
  EXPECT_EQ(find_soil_layer(-2.0, ACTIVE), 0);
  EXPECT_EQ(find_soil_layer(-2.0, PASSIVE), -1);
}

TEST_F(SideAdhesion, PolygonBlockFaces) {
  // Type-6 block whose land face runs from the y of vertex 1 (-2) to that of vertex 2 (-7);
  // clay from -2 with c 10. In the wall pattern with the short walls reaching down to -5, two
  // plain segments: -2 to -5: A 3, F 30; -5 to -7: A 2, F 20. Sum 50, M 500.
  cd().improvement_pattern = PATTERN_WALL;
  cd().body_dims.ll = 3;
  cd().body_dims.ls = 1;
  run_data.short_wall_bottom_level = -5;
  set_polygon(3, 6, 0, "P", 0, 0, {{0, -8}, {0, -2}, {10, -7}, {10, -8}}, 18, 8, 18);
  add_layer(ACTIVE, -2, -9, 1, 10, 0);
  write_side_adhesion(ACTIVE);
  const ParsedTable t = table("M_FTYA_A.PFM");
  ASSERT_EQ(t.rows.size(), 8u);
  EXPECT_EQ(t.rows[3].text, " -2.000 ,1/2×(10.000+10.000) , ( 5.000- 2.000),,,");
  EXPECT_EQ(t.rows[4].text, " -5.000 ,=  10.000 ,=   3.000 ,  30.000 ,  10.000 ,   300.000 ");
  EXPECT_EQ(t.rows[6].text, " -7.000 ,=  10.000 ,=   2.000 ,  20.000 ,  10.000 ,   200.000 ");
  EXPECT_DOUBLE_EQ(normal().slot[FS_ACTIVE_SIDE_ADHESION], 50.0);
  EXPECT_DOUBLE_EQ(normal().slot[FS_SIDE_ADHESION_MOMENT], 500.0);
}

// Wall and lattice patterns, a type-7 block from -3 down to -8 crossing the short-wall bottom
// -5, clay on the land side from -3 with c0 30 and gradient 1: c(-3) 33, c(-5) 35, c(-8) 38.
// Long-wall share rho = 1 / ((3 + 1) / 3) = 0.750.
//   upper -3..-5: mean 34, height 2: full A 2 -> F 68.000; with rho A 1.5 -> F 51.000
//   lower -5..-8: mean 36.5, height 3: full A 3 -> F 109.500; with rho A 2.25 -> F 82.125
TEST_F(SideAdhesion, WallAndLatticeRatioCases) {
  struct Case {
    int pattern;
    double bl2;  // the land side has its long wall when bl2 > 0.0001
    const char* upper_area;
    const char* lower_area;
    double sum;
  };
  const Case cases[] = {
      {PATTERN_WALL, 2.0, "×0.750", "×0.750", 51 + 82.125},     // long wall on the side
      {PATTERN_WALL, 0.0, "×1.000", "×0.750", 68 + 82.125},     // no long wall
      {PATTERN_LATTICE, 2.0, "×1.000", "×1.000", 68 + 109.5},   // long wall on the side
      {PATTERN_LATTICE, 0.0, "×0.750", "×1.000", 51 + 109.5},   // no long wall
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern * 10 + static_cast<int>(c.bl2));
    cd() = engine::ConditionData{};
    for (auto& b : cd().wall_blocks) b.block_type = engine::BLOCK_EMPTY;
    reset_run_data();
    cd().body_dims.width = 10;
    cd().improvement_pattern = c.pattern;
    cd().body_dims.ll = 3;
    cd().body_dims.ls = 1;
    cd().body_dims.bl2 = c.bl2;
    run_data.short_wall_bottom_level = -5;
    set_rect(0, 7, 0, "S", 0, -8, 10, 5, 18, 8, 18);
    add_layer(ACTIVE, -3, -10, 1, 30, 1);
    write_side_adhesion(ACTIVE);
    const ParsedTable t = table("M_FTYA_A.PFM");
    ASSERT_EQ(t.rows.size(), 8u);
    EXPECT_EQ(t.rows[3].text,
              std::string(" -3.000 ,1/2×(33.000+35.000) , ( 5.000- 3.000)") + c.upper_area + ",,,");
    EXPECT_EQ(t.rows[5].text,
              std::string(" -5.000 ,1/2×(35.000+38.000) , ( 8.000- 5.000)") + c.lower_area + ",,,");
    EXPECT_DOUBLE_EQ(normal().slot[FS_ACTIVE_SIDE_ADHESION], c.sum);
    EXPECT_DOUBLE_EQ(normal().slot[FS_SIDE_ADHESION_MOMENT], c.sum * 10);
  }
}

TEST_F(SideAdhesion, TheDeclaredRowCountIsTheCountOfRowsWritten) {
  // Wall pattern, a block whose top meets no layer of the side and that does not reach the
  // short-wall bottom: no segment. The table has its title, heading, unit and total rows only.
  cd().improvement_pattern = PATTERN_WALL;
  cd().body_dims.ll = 3;
  cd().body_dims.ls = 1;
  run_data.short_wall_bottom_level = -20;
  set_rect(0, 7, 0, "S", 0, -8, 10, 5, 18, 8, 18);
  add_layer(ACTIVE, -4, -10, 1, 30, 1);
  write_side_adhesion(ACTIVE);
  const ParsedTable t = table("M_FTYA_A.PFM");
  EXPECT_EQ(t.declared_rows, 4);
  EXPECT_EQ(t.rows.size(), 4u);
  EXPECT_EQ(normal().slot[FS_ACTIVE_SIDE_ADHESION], 0.0);
}

TEST_F(SideAdhesion, BlockPatternUsesThePlainRows) {
  // The same block in the block pattern: one segment -3..-8, mean 35.5, A 5, F 177.500.
  set_rect(0, 7, 0, "S", 0, -8, 10, 5, 18, 8, 18);
  add_layer(ACTIVE, -3, -10, 1, 30, 1);
  run_data.short_wall_bottom_level = -5;
  write_side_adhesion(ACTIVE);
  const ParsedTable t = table("M_FTYA_A.PFM");
  ASSERT_EQ(t.rows.size(), 6u);
  EXPECT_EQ(t.rows[3].text, " -3.000 ,1/2×(33.000+38.000) , ( 8.000- 3.000),,,");
  EXPECT_DOUBLE_EQ(normal().slot[FS_ACTIVE_SIDE_ADHESION], 177.5);
}

TEST_F(SideAdhesion, InputsThatLeaveNothingToComputeAreRefused) {
  // A type-6 block needs four vertices for its faces.
  set_polygon(2, 6, 0, "三角", 0, 0, {{0, -8}, {0, -2}, {10, -7}}, 18, 8, 18);
  EXPECT_NE(stop_text([] { write_side_adhesion(ACTIVE); }).find("《三角》の頂点が 4 点未満"),
            std::string::npos);
  cd().wall_blocks[2].block_type = engine::BLOCK_EMPTY;

  // No long walls in the wall pattern: the long-wall share is undefined.
  cd().improvement_pattern = PATTERN_WALL;
  set_rect(0, 7, 0, "S", 0, -8, 10, 5, 18, 8, 18);
  add_layer(ACTIVE, -3, -10, 1, 30, 1);
  for (double ll : {0.0, -1.0}) {
    cd().body_dims.ll = ll;
    cd().body_dims.ls = 1;
    EXPECT_NE(stop_text([] { write_side_adhesion(ACTIVE); }).find("側面付着力の長壁の割合"),
              std::string::npos)
        << ll;
  }
  // Through the engine entry: one error line and exit code 1.
  cd().body_dims.ll = 0;
  const int code = engine::start_engine([] {
    write_side_adhesion(ACTIVE);
    return engine::Status::success();
  });
  EXPECT_EQ(code, 1);
  ASSERT_EQ(channel.lines.size(), 1u);
  EXPECT_EQ(channel.lines[0].rfind("QVTMSG\terror\terror\t", 0), 0u);
}

}  // namespace
}  // namespace qvt::zenobar::testing
