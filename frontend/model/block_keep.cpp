#include "frontend/model/block_keep.h"

namespace qvt::model {

KeptSoilBlocks keep_soil_blocks(ProjectModel& m) {
  KeptSoilBlocks kept;
  for (int i = 0; i < MAX_WALL_BLOCKS; ++i) {
    WallBlock& b = m.wall_blocks[i];
    if (b.block_type == BLOCK_SOIL_POLYGON || b.block_type == BLOCK_SOIL_RECTANGLE) {
      kept.held_types[kept.count] = b.block_type;
      // count <= i: the slot written is this one or one already passed.
      m.wall_blocks[kept.count].held_section = b.polygon;
      ++kept.count;
    }
    empty_block_slot(b);
  }
  return kept;
}

void empty_shape_library(ProjectModel& m) {
  m.shape_library_count = 0;
  for (int e = 0; e < SHAPE_LIBRARY_SIZE; ++e) clear_shape_entry(m.shape_library[e]);
}

int empty_slot_count(const ProjectModel& m) {
  int n = 0;
  for (int k = 0; k < MAX_WALL_BLOCKS; ++k) n += m.wall_blocks[k].block_type == BLOCK_EMPTY;
  return n;
}

bool put_back_soil_blocks(ProjectModel& m, const KeptSoilBlocks& kept, bool label_by_slot) {
  if (kept.count == 0) return true;
  if (empty_slot_count(m) < kept.count) return false;
  int i = 0;
  for (int k = 0; k < MAX_WALL_BLOCKS && i < kept.count; ++k) {
    WallBlock& b = m.wall_blocks[k];
    if (b.block_type != BLOCK_EMPTY) continue;
    b.block_type = kept.held_types[i];
    b.polygon = m.wall_blocks[i].held_section;
    if (label_by_slot) m.block_label_numbers[k] = static_cast<i16>(k);
    ++i;
  }
  return true;
}

SuperstructureTakeover take_over_superstructure(ProjectModel& m, const std::string& base,
                                                SiblingImport& import, MessageSink& messages,
                                                KeptBlockLabels labels) {
  SuperstructureTakeover r;
  const KeptSoilBlocks kept = keep_soil_blocks(m);
  r.kept = kept.count;
  empty_shape_library(m);
  const bool by_slot = labels == KeptBlockLabels::NumberBySlot;
  if (by_slot) m.block_label_numbers.fill(0);
  if (!import.import_tj2_project(base, m, messages)) {
    r.outcome = SuperstructureTakeover::Outcome::ImportFailed;
    return r;
  }
  r.empty_slots = empty_slot_count(m);
  if (!put_back_soil_blocks(m, kept, by_slot)) r.outcome = SuperstructureTakeover::Outcome::NoSlot;
  return r;
}

}  // namespace qvt::model
