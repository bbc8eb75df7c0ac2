#include "frontend/model/project.h"

namespace qvt::model {

void reset_caisson_section(CaissonShape& c) {
  c.sub_type = 1;
  for (int row = 0; row < 4; ++row)
    for (int k = 0; k < PART_NAMES; ++k) c.part_values[row][k] = UNSET_COORD;
}

void empty_block_slot(WallBlock& b) {
  b.block_type = BLOCK_EMPTY;
  reset_caisson_section(b.caisson);
  for (int v = 0; v < POLYGON_VERTICES; ++v) {
    b.polygon.vertex_x[v] = UNSET_COORD;
    b.polygon.vertex_y[v] = UNSET_COORD;
  }
}

void clear_shape_entry(ShapeEntry& e) {
  e.name.clear();
  e.name2.clear();
  for (double& v : e.values) v = 0;
  e.seventh_value = 22.6;
  e.layer_count = e.point_count = e.pair_count = 0;
  e.layer_a.fill(0);
  e.layer_b.fill(0);
  e.layer_c.fill(0);
  e.point_x.fill(0);
  e.point_y.fill(0);
  e.pair_first.fill(0);
  e.pair_second.fill(0);
}

bool reset_project_to_defaults(ProjectModel& m) {
  ProjectConditions& c = m.conditions;
  // Condition values: each group gets its value of a new project. The field initialisers of
  // ProjectConditions are exactly those values, so a fresh record is the reset record.
  c = ProjectConditions{};
  m.imported_check_blocks.fill(0);

  // Block slots: only the type, the caisson recipe and part values and the polygon vertices are
  // reset; the other fields of a slot keep what they held.
  for (int s = 0; s < MAX_WALL_BLOCKS; ++s) empty_block_slot(m.wall_blocks[s]);
  m.used_slot_count = 0;

  // Options: every value but the negative-root rule is cleared before the file is read.
  const i16 negative_root_rule = m.custom_options.negative_root_rule;
  m.custom_options = CustomOptions{};
  m.custom_options.negative_root_rule = negative_root_rule;
  const bool options_read = read_custom_options(m.work_folder / kOptionsFileName, m.custom_options);

  // The library and the label numbers are always cleared, also when the options file is
  // missing: a new project never inherits the previous project's shapes.
  m.shape_library_count = 0;
  for (int e = 0; e < SHAPE_LIBRARY_SIZE; ++e) clear_shape_entry(m.shape_library[e]);
  m.block_label_numbers.fill(0);
  return options_read;
}

}  // namespace qvt::model
