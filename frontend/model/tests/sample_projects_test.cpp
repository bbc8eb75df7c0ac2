// The two test sections in common/tests/sections/ (a block and a caisson quay the engine and
// widget tests are measured on; the samples shipped to users are in data/samples/) are written
// by the project's own writer from the sections built here; this test rebuilds them and
// compares byte for byte, so a change of the file layout or of a section shows up. With
// QVT_UPDATE_SAMPLES=1 it writes them anew.
#include "common/tests/temp_dir.h"
#include "common/tests/update_switch.h"
#include "common/textfile.h"
#include "frontend/model/block_file.h"
#include "frontend/model/block_outline.h"
#include "frontend/model/conditions_file.h"
#include "frontend/model/project_files.h"
#include "frontend/model/snapshots.h"
#include "frontend/model/tests/model_test_support.h"
#include "frontend/model/tests/shipped_samples.h"

#include <gtest/gtest.h>


namespace qvt::model {
namespace {

using qvt::model::testing::Recorder;

void set_unit_weights(BlockHead& h, double above, double submerged, double below) {
  h.unit_weights[0] = above;
  h.unit_weights[1] = submerged;
  h.unit_weights[2] = below;
}

// The ground of both samples: water, soil, surcharges, bearing layer and, in slot 1, the body
// of level improved soil 20 m wide from the seabed at -10.0 down to the bearing layer at
// -25.0, the sea-side toe of the body at x = 0. The wall on it is the sample's own.
void build_improved_ground(ProjectModel& m) {
  ProjectConditions& c = m.conditions;
  c.seismic_check = 2;
  c.improvement_pattern = 0;
  c.improvement_ratio = 100;
  c.water_levels[0] = 1.8;  // H.W.L.
  c.water_levels[1] = 0.0;  // L.W.L.
  c.water_levels[2] = 0.6;  // R.W.L.
  c.cohesion_reference_level = -10.0;
  c.seismic_coef_mode = 0;
  c.seismic_coef_earth = 0.15;
  c.seismic_coef_inertia = 0.15;
  c.apparent_coef_method = 0;
  // Below the water the apparent coefficient of saturated sand is about
  // gamma_sat / gamma' * kh = 20 / 10 * 0.15 = 0.30.
  c.apparent_seismic_coef = 0.30;

  // Earth-pressure action points: the sea-side face of the body (x = 0) from the seabed down,
  // the land-side face (x = 20) from the ground surface down, a point at every layer change.
  PressurePointList& sea = c.pressure_points[SIDE_PASSIVE];
  sea.count = 2;
  sea.x[0] = 0, sea.y[0] = -10.0;
  sea.x[1] = 0, sea.y[1] = -25.0;
  PressurePointList& land = c.pressure_points[SIDE_ACTIVE];
  land.count = 3;
  land.x[0] = 20, land.y[0] = 3.0;
  land.x[1] = 20, land.y[1] = -10.0;
  land.x[2] = 20, land.y[2] = -25.0;
  // Sea side: soft marine clay, c = 30 kN/m2 at -10.0 rising 2 kN/m2 per metre.
  testing::set_sample_layer(c.soil_layers[SIDE_PASSIVE][0], -10.0, -25.0, 16.0, 6.0, 1, 0, 30.0, 2.0);
  // Land side: sand backfill (phi 30 degrees, 18 / 10 kN/m3) down to -10.0, the clay below.
  testing::set_sample_layer(c.soil_layers[SIDE_ACTIVE][0], 3.0, -10.0, 18.0, 10.0, 0, 30.0, 0, 0);
  testing::set_sample_layer(c.soil_layers[SIDE_ACTIVE][1], -10.0, -25.0, 16.0, 6.0, 1, 0, 30.0, 2.0);

  ImprovedBodyDims& d = c.body_dims;
  d.ref_x = 0;
  d.ref_y = -25.0;
  d.width = 20.0;
  d.dh1 = -25.0;
  d.dh2 = -25.0;
  d.bs = 20.0;  // B - (Bl1 + Bl2) with no walls
  d.dl = 15.0;  // improvement height - Ds

  // Surcharge 10 kN/m2 (normal) and 5 kN/m2 (seismic) behind the wall and on the wall top.
  c.surface_surcharge[CASE_NORMAL] = 10.0;
  c.surface_surcharge[CASE_SEISMIC] = 5.0;
  c.top_surcharges[0].x_min = 0;
  c.top_surcharges[0].x_max = 6.0;
  c.top_surcharges[0].load[CASE_NORMAL] = 10.0;
  c.top_surcharges[0].load[CASE_SEISMIC] = 5.0;

  // Dense sandy bearing layer, N = 50, phi 40 degrees; bearing factors of that angle.
  BearingLayer& b = c.bearing_layer;
  b.soil_type = 0;
  b.unit_weight = 10.0;
  b.shape_factor = 1.0;
  b.mean_n = 50;
  b.phi = 40.0;
  b.bearing_nr = 93.7;
  b.bearing_nq = 64.2;
  b.friction_rule = 1;

  // Slot 1: the improved body, one level improved-soil block (16.0 kN/m3; submerged 5.9).
  WallBlock& body = m.wall_blocks[1];
  body.block_type = BLOCK_SOIL_RECTANGLE;
  body.polygon.head.name = "改良体";
  body.polygon.head.ref_x = 0;
  body.polygon.head.ref_y = -25.0;
  body.polygon.vertex_x[0] = 20.0;
  body.polygon.vertex_y[0] = 15.0;
  set_unit_weights(body.polygon.head, 16.0, 5.9, 16.0);
  m.block_label_numbers[1] = 1;
}

// A block-pattern quay wall: a concrete wall block 6 m wide from -10.0 to +3.0 on the improved
// body.
void build_block_quay(ProjectModel& m) {
  build_improved_ground(m);
  m.conditions.project_title = "sample_block_quay";
  m.conditions.job_name = "改良地盤上のブロック式岸壁（サンプル）";
  // Slot 0: the concrete wall block (24.0 kN/m3; submerged 24.0 - 10.1 = 13.9).
  WallBlock& wall = m.wall_blocks[0];
  wall.block_type = BLOCK_RECTANGLE;
  wall.polygon.head.name = "上部工";
  wall.polygon.head.ref_x = 0;
  wall.polygon.head.ref_y = -10.0;
  wall.polygon.vertex_x[0] = 6.0;
  wall.polygon.vertex_y[0] = 13.0;
  set_unit_weights(wall.polygon.head, 24.0, 13.9, 24.0);
  m.block_label_numbers[0] = 0;
  Recorder rec;
  for (int slot : {0, 1}) {
    ASSERT_TRUE(build_block_outline(m, slot, rec));
    ASSERT_TRUE(center_block_label(m, slot));
  }
}

// A caisson quay wall on the same improved body: a reinforced-concrete caisson 12 m wide
// (sea-land), 11 m high from the body top at -10.0 to +1.0 and 20 m long along the wall, with
// 1 m footings in front and behind (0.5 m corner haunches), 3 x 4 cells filled with sand, and a
// concrete superstructure 2 m high on it up to the quay level +3.0. With the R.W.L. at +0.6 the
// caisson stands in the water but for its top 0.4 m.
void build_caisson_quay(ProjectModel& m) {
  build_improved_ground(m);
  ProjectConditions& c = m.conditions;
  c.project_title = "sample_caisson_quay";
  c.job_name = "改良地盤上のケーソン式岸壁（サンプル）";
  // The wall-top surcharge on the superstructure, from its front face to its rear face.
  c.top_surcharges[0].x_min = 1.0;
  c.top_surcharges[0].x_max = 13.0;

  // Slot 0: the caisson; the tip of its front footing at x = 0 on the body top.
  WallBlock& wall = m.wall_blocks[0];
  wall.block_type = BLOCK_CAISSON;
  CaissonShape& k = wall.caisson;
  k.sub_type = 1;  // footings in front and behind, each with a 45-degree haunch
  k.head.name = "ケーソン";
  k.head.ref_x = 0;
  k.head.ref_y = -10.0;
  // Reinforced concrete 24.5 kN/m3 (submerged 24.5 - 10.1 = 14.4).
  set_unit_weights(k.head, 24.5, 14.4, 24.5);
  k.flag_a = 3;                   // cells across the section
  k.flag_b = 4;                   // cells along the wall line
  k.dims_a[0][0] = 11.0;          // H, body height
  k.dims_a[0][1] = 1.5;           // F, bottom slab
  k.dims_a[0][2] = 1.0;           // T, footing thickness
  k.dims_a[1][0] = 12.0;          // W, body width
  k.dims_a[1][1] = 1.0;           // L, footing length
  k.dims_a[1][2] = 0.5;           // Wf, front and rear walls
  k.dims_a[1][3] = 0.4;           // Wp, partitions along the wall line
  k.dims_a[2][0] = 20.0;          // Lb, length along the wall line
  k.dims_a[2][1] = 0.5;           // We, end walls
  k.dims_a[2][2] = 0.4;           // Wq, cross partitions
  k.dims_a[3][0] = 0.3;           // Hh, vertical haunches in the cell corners
  k.dims_a[3][1] = 0.3;           // Hv, haunches along the cell floor
  k.dims_a[3][2] = 0.5;           // C, footing haunch
  // Cells: (12 - 2 x 0.5 - 2 x 0.4) / 3 = 3.4 across, (20 - 2 x 0.5 - 3 x 0.4) / 4 = 4.45 along.
  for (int j = 0; j < 3; ++j) k.dims_b[0][j] = 3.4;
  for (int i = 0; i < 4; ++i) k.dims_b[1][i] = 4.45;
  // One fill layer, sand from the top of the walls down to the slab: 11.0 - 1.5 = 9.5 m;
  // 20.0 kN/m3 saturated (below the R.W.L.), 18.0 above it, 20.0 - 10.1 = 9.9 submerged.
  k.part_count = 1;
  k.part_names[0] = "中詰砂";
  k.part_values[0][0] = 9.5;
  k.part_values[1][0] = 20.0;
  k.part_values[2][0] = 18.0;
  k.part_values[3][0] = 9.9;
  m.block_label_numbers[0] = 0;

  // Slot 2: the superstructure on the caisson body (x 1 to 13), +1.0 to +3.0, concrete
  // 24.0 kN/m3 (submerged 13.9), wholly above the R.W.L.
  WallBlock& top = m.wall_blocks[2];
  top.block_type = BLOCK_RECTANGLE;
  top.polygon.head.name = "上部工";
  top.polygon.head.ref_x = 1.0;
  top.polygon.head.ref_y = 1.0;
  top.polygon.vertex_x[0] = 12.0;
  top.polygon.vertex_y[0] = 2.0;
  set_unit_weights(top.polygon.head, 24.0, 13.9, 24.0);
  m.block_label_numbers[2] = 2;

  Recorder rec;
  for (int slot : {0, 1, 2}) {
    ASSERT_TRUE(build_block_outline(m, slot, rec));
    ASSERT_TRUE(center_block_label(m, slot));
  }
  EXPECT_TRUE(rec.messages.empty());
}

struct Sample {
  const char* name;
  void (*build)(ProjectModel&);
};
const Sample kSamples[] = {{"sample_block_quay", build_block_quay},
                           {"sample_caisson_quay", build_caisson_quay}};

ProjectModel fresh_model(const std::filesystem::path& work) {
  ProjectModel m;
  m.work_folder = work;
  reset_project_to_defaults(m);
  return m;
}

TEST(SampleProjects, ShippedFilesAreWhatTheWriterMakes) {
  const std::filesystem::path samples = std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections";
  const bool update = qvt::testing::update_switch_on("QVT_UPDATE_SAMPLES");
  qvt::testing::TempDir dir;
  for (const Sample& s : kSamples) {
    SCOPED_TRACE(s.name);
    ProjectModel m = fresh_model(dir.path());
    s.build(m);
    Recorder rec;
    const auto base = (update ? samples : dir.path()) / s.name;
    ASSERT_EQ(write_project_files(m, base.string(), false, rec), 0);
    EXPECT_TRUE(rec.messages.empty());
    if (update) continue;
    for (const char* ext : {".MSJ", ".MBJ"}) {
      auto made = read_file_bytes(base.string() + ext);
      auto shipped = read_file_bytes((samples / s.name).string() + ext);
      ASSERT_TRUE(made && shipped) << ext;
      EXPECT_EQ(*made, *shipped) << ext << " differs: run with QVT_UPDATE_SAMPLES=1 after checking";
    }
  }
}

TEST(SampleProjects, LoadWriteAsCalAndReadBackGivesTheSameModel) {
  const std::filesystem::path samples = std::filesystem::path(QVT_SOURCE_DIR) / "common" / "tests" / "sections";
  qvt::testing::TempDir dir;
  for (const Sample& s : kSamples) {
    SCOPED_TRACE(s.name);
    ProjectModel loaded = fresh_model(dir.path());
    Recorder rec;
    ASSERT_TRUE(load_project_files((samples / s.name).string(), loaded, rec));
    ASSERT_EQ(write_project_files(loaded, "CAL", true, rec), 0);
    EXPECT_TRUE(rec.messages.empty());
    ProjectModel back = fresh_model(dir.path());
    ASSERT_TRUE(read_conditions_file(dir / "QVTAJKN.CAL", back.conditions, back.file_version));
    ASSERT_TRUE(read_block_file(dir / "QVTABLK.CAL", back.file_version, back));
    EXPECT_EQ(conditions_file_lines(back), conditions_file_lines(loaded));
    EXPECT_EQ(block_file_lines(back).lines, block_file_lines(loaded).lines);
    EXPECT_EQ(back.wall_blocks[1].polygon.vertex_x[13], 20.0);  // rear bottom corner of the body
    EXPECT_EQ(back.wall_blocks[1].polygon.vertex_y[13], -25.0);
  }
}

}  // namespace
}  // namespace qvt::model
