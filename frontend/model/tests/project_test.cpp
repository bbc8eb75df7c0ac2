#include "frontend/model/project.h"

#include "common/tests/temp_dir.h"
#include "common/textfile.h"

#include <gtest/gtest.h>

namespace qvt::model {
namespace {

const char* kOptions = "15\r\n45,45\r\n0.5\r\n0.5\r\n100\r\n2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0.5\r\n0\r\n0\r\n";

// A model that a previous project has filled everywhere a reset must reach.
void dirty(ProjectModel& m) {
  ProjectConditions& c = m.conditions;
  c.project_title = "old";
  c.job_name = "job";
  c.stamp_date[0] = 2020;
  c.water_levels[2] = 1.5;
  c.seismic_check = 2;
  c.improvement_ratio = 50;
  c.safety_factors[1][3] = 9;
  c.allowable_stresses[2][1] = 7;
  c.clay_compare_deep = 0;
  c.active_seabed_level = -12;
  c.active_seabed_rule = 1;
  c.liquefied_vertical_rule = 2;
  c.imported_check_point.number = 3;
  c.pressure_points[1].count = 4;
  c.pressure_points[1].y[3] = -8;
  c.body_dims.bl2 = 3;
  c.surface_points[79].kind = 0;
  c.surface_points[79].x = 5;
  c.top_surcharges[3].load[1] = 4;
  c.bearing_layer.friction_rule = 0;
  c.bearing_layer.founding_type = 0;
  c.bearing_layer.overburden_po = 11;
  c.external_forces[1][2].name = "F";
  c.soil_layers[0][14].slurry_unit_weight = 12;
  c.dimension_points[1].count = 5;
  c.body_reactions[1].extra = 6;
  c.dynamic_water_level = -3;
  m.imported_check_blocks[19] = 1;
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s) {
    WallBlock& b = m.wall_blocks[s];
    b.block_type = BLOCK_CAISSON;
    b.caisson.sub_type = 5;
    b.caisson.part_values[3][7] = 2.5;
    b.caisson.flag_a = 3;
    b.polygon.vertex_x[117] = 1;
    b.polygon.vertex_count = 4;
    b.quad.value = 8;
  }
  m.used_slot_count = 20;
  m.block_label_numbers[4] = 9;
  m.shape_library_count = 2;
  m.shape_library[1].name = "L";
  m.shape_library[1].seventh_value = 1;
  m.shape_library[1].point_x[100] = 3;
  m.custom_options.negative_root_rule = 3;
  m.custom_options.pullout_pitch = 9;
  m.project_file_path = "/p/quay.msj";
  m.project_base_path = "/p/quay";
  m.version_text = "1.0";
  m.command_line = "/td";
  m.file_version = 7;
}

TEST(Reset, GivesTheValuesOfANewProject) {
  qvt::testing::TempDir dir;
  write_file_bytes(dir / "QVT_DAT.CST", kOptions);
  ProjectModel m;
  m.work_folder = dir.path();
  dirty(m);
  ASSERT_TRUE(reset_project_to_defaults(m));
  const ProjectConditions& c = m.conditions;
  EXPECT_EQ(c.project_title, "");
  EXPECT_EQ(c.job_name, "");
  EXPECT_EQ(c.stamp_date[0], 0);
  EXPECT_EQ(c.water_levels[2], 0);
  EXPECT_EQ(c.seismic_check, 0);
  EXPECT_EQ(c.improvement_ratio, 100);
  EXPECT_EQ(c.water_unit_weight, 10.1);
  const double sf[2][4] = {{1.2, 1.2, 2.5, 1.2}, {1.0, 1.1, 1.5, 1.0}};
  for (int cs = 0; cs < 2; ++cs)
    for (int k = 0; k < 4; ++k) EXPECT_EQ(c.safety_factors[cs][k], sf[cs][k]);
  const double as[3][2] = {{600, 900}, {300, 450}, {0, 0}};
  for (int k = 0; k < 3; ++k)
    for (int cs = 0; cs < 2; ++cs) EXPECT_EQ(c.allowable_stresses[k][cs], as[k][cs]);
  EXPECT_EQ(c.clay_compare_shallow, 1);
  EXPECT_EQ(c.clay_compare_deep, 1);
  EXPECT_EQ(c.liquefied_pressure_coef, 1.0);
  EXPECT_EQ(c.liquefied_vertical_rule, 1);
  EXPECT_EQ(c.active_seabed_level, 0);
  EXPECT_EQ(c.active_seabed_rule, 0);
  EXPECT_EQ(c.imported_check_point.number, -1);
  EXPECT_EQ(c.pressure_points[1].count, 0);
  EXPECT_EQ(c.pressure_points[1].y[3], 0);
  EXPECT_EQ(c.body_dims.bl2, 0);
  EXPECT_EQ(c.surface_points[79].kind, -1);
  EXPECT_EQ(c.surface_points[79].x, 0);
  EXPECT_EQ(c.top_surcharges[3].load[1], 0);
  EXPECT_EQ(c.bearing_layer.friction_rule, 1);
  EXPECT_EQ(c.bearing_layer.founding_type, 1);
  EXPECT_EQ(c.bearing_layer.overburden_po, 0);
  EXPECT_EQ(c.external_forces[1][2].name, "");
  EXPECT_EQ(c.soil_layers[0][14].slurry_unit_weight, 0);
  EXPECT_EQ(c.dimension_points[1].count, 0);
  EXPECT_EQ(c.body_reactions[1].extra, 0);
  EXPECT_EQ(c.dynamic_water_level, 0);
  EXPECT_EQ(m.imported_check_blocks[19], 0);
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s) {
    const WallBlock& b = m.wall_blocks[s];
    EXPECT_EQ(b.block_type, BLOCK_EMPTY);
    EXPECT_EQ(b.caisson.sub_type, 1);
    EXPECT_EQ(b.caisson.part_values[3][7], UNSET_COORD);
    EXPECT_EQ(b.polygon.vertex_x[117], UNSET_COORD);
    // Fields the reset does not reach keep their values.
    EXPECT_EQ(b.caisson.flag_a, 3);
    EXPECT_EQ(b.polygon.vertex_count, 4);
    EXPECT_EQ(b.quad.value, 8);
  }
  EXPECT_EQ(m.used_slot_count, 0);
  EXPECT_EQ(m.block_label_numbers[4], 0);
  EXPECT_EQ(m.shape_library_count, 0);
  EXPECT_EQ(m.shape_library[1].name, "");
  EXPECT_EQ(m.shape_library[1].seventh_value, 22.6);
  EXPECT_EQ(m.shape_library[1].point_x[100], 0);
  EXPECT_EQ(m.custom_options.negative_root_rule, 2);
  EXPECT_EQ(m.custom_options.pullout_pitch, 0.5);
  // What belongs to the program, not to the project, survives.
  EXPECT_EQ(m.project_file_path, "/p/quay.msj");
  EXPECT_EQ(m.project_base_path, "/p/quay");
  EXPECT_EQ(m.version_text, "1.0");
  EXPECT_EQ(m.command_line, "/td");
  EXPECT_EQ(m.file_version, 7);
  EXPECT_EQ(m.work_folder, dir.path());
}

TEST(Reset, MissingOptionsFileIsReportedButTheResetIsFinished) {
  qvt::testing::TempDir dir;
  ProjectModel m;
  m.work_folder = dir.path();
  dirty(m);
  EXPECT_FALSE(reset_project_to_defaults(m));
  // A new project never inherits the previous project's shapes or labels.
  EXPECT_EQ(m.shape_library_count, 0);
  EXPECT_EQ(m.shape_library[1].name, "");
  EXPECT_EQ(m.block_label_numbers[4], 0);
  // Options are cleared but for the negative-root rule, which is kept when nothing is read.
  EXPECT_EQ(m.custom_options.pullout_pitch, 0);
  EXPECT_EQ(m.custom_options.negative_root_rule, 3);
}

}  // namespace
}  // namespace qvt::model
