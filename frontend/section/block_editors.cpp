#include "frontend/section/block_editors.h"

#include "frontend/model/block_outline.h"
#include "frontend/model/block_slots.h"
#include "frontend/model/display_text.h"
#include "frontend/section/picking.h"

#include <cmath>

namespace qvt::section {

namespace {

using model::BLOCK_POLYGON;
using model::BLOCK_RECTANGLE;

// Selection and base point take the nearest label or vertex anywhere in the picture.
constexpr double kAnyDistance = 9999.9;
// A move destination snaps to a block vertex within this many picture units.
constexpr double kSnapUnits = 45.0;
// Values this close to zero after a move are stored as exactly zero.
constexpr double kZero = 0.0001;
// Tops or bottoms closer than this count as level.
constexpr double kLevel = 0.0001;

// Outline messages of the editors go out as warnings.
class WarnSink : public model::MessageSink {
 public:
  explicit WarnSink(SectionEffects& effects) : effects_(effects) {}
  void show_message(model::MessageIcon, const std::string&, const std::string& text) override {
    effects_.warn(text);
  }

 private:
  SectionEffects& effects_;
};

bool is_wall_block(const model::WallBlock& b) {
  return b.block_type == BLOCK_POLYGON || b.block_type == BLOCK_RECTANGLE;
}

bool is_soil_layer(const model::WallBlock& b) {
  return b.block_type == model::BLOCK_SOIL_POLYGON || b.block_type == model::BLOCK_SOIL_RECTANGLE;
}

using Step = BlockEditStep;

bool valid_slot(int slot) { return slot >= 0 && slot < model::MAX_WALL_BLOCKS; }

void snap_small_to_zero(double& v) {
  if (std::fabs(v) < kZero) v = 0;
}

// Step 1 of both editors: a left click follows the table (only while the editor's page is
// shown), a right click ends the operation and puts the operation's prompt back.
void transition(BlockEditContext& c, std::span<const EditorRule> rules, int page, int option,
                bool restore_prompt, int button) {
  EditorState& e = c.editor;
  if (button == 1) {
    if (!c.pages.page_state().shows(page)) return;
    const EditorRule* r = find_rule(rules, option, e.block_step);
    if (r == nullptr) return;
    e.block_step = r->after;
    if (r->prompt != nullptr) c.prompt.show_prompt(r->prompt);
  } else if (button == 2) {
    e.block_step = Step::idle;
    c.effects.repaint();
    if (restore_prompt) c.pages.restore_operation_prompt();
  }
}

}  // namespace

const EditorRule* find_rule(std::span<const EditorRule> rules, int option, BlockEditStep state) {
  for (const EditorRule& r : rules)
    if (r.option == option && r.before == state) return &r;
  return nullptr;
}

// ---- wall blocks ------------------------------------------------------------------------

void WallBlockEditor::click(int button, double X, double Y) {
  const int option = c_.pages.page_state().wall_block_operation;
  transition(c_, kWallBlockRules, kSuperstructurePage, option, option >= 0 && option <= 5, button);
  const WorldPoint w = world_point(c_.view, X, Y);
  EditorState& e = c_.editor;
  const int slot = e.current_block_slot;

  switch (e.block_step) {
    case Step::select:
    case Step::copy_start:
      if (e.block_step == Step::copy_start) {
        e.block_step = Step::select;
        if (model::first_free_block_slot(c_.model) < 0) {
          c_.effects.warn(model::kMsgBlockLimit);
          e.block_step = Step::idle;
          return;
        }
      }
      select(w.x, w.y);
      return;
    case Step::base_point:
      // With no block selected this still takes the nearest vertex of all blocks.
      snap_to_block_vertex(c_.model, w.x, w.y, kAnyDistance, c_.view.move_base_x,
                           c_.view.move_base_y, slot);
      if (slot >= 0) c_.effects.repaint();
      return;
    default:
      break;
  }

  // The remaining states act on the selected block; a selection that found no label leaves
  // nothing to act on, so the operation ends there.
  if (e.block_step == Step::edit || e.block_step == Step::move || e.block_step == Step::copy ||
      e.block_step == Step::erase || e.block_step == Step::number_position) {
    if (!valid_slot(slot)) {
      e.block_step = Step::idle;
      return;
    }
  }
  model::WallBlock& b = c_.model.wall_blocks[valid_slot(slot) ? slot : 0];

  switch (e.block_step) {
    case Step::edit:
      if (b.block_type == BLOCK_POLYGON)
        c_.dialogs.polygon(slot);
      else if (b.block_type == BLOCK_RECTANGLE)
        c_.dialogs.rectangle(slot);
      e.block_step = Step::idle;
      return;
    case Step::copy: {
      const int free = model::first_free_block_slot(c_.model);
      if (free < 0) {
        // Another block may have taken the last free slot since the copy started.
        c_.effects.warn(model::kMsgBlockLimit);
        e.block_step = Step::idle;
        return;
      }
      c_.model.wall_blocks[free] = c_.model.wall_blocks[slot];
      c_.model.block_label_numbers[free] = static_cast<model::i16>(free);
      e.current_block_slot = static_cast<std::int16_t>(free);
      e.block_step = Step::move;
      WarnSink sink(c_.effects);
      model::build_block_outline(c_.model, free, sink);
      model::center_block_label(c_.model, free);
      move_to(w.x, w.y);
      return;
    }
    case Step::move:
      move_to(w.x, w.y);
      return;
    case Step::erase:
      if (is_wall_block(b)) model::clear_block_slot(b);
      e.block_step = Step::idle;
      c_.effects.repaint();
      return;
    case Step::number_position:
      if (!is_soil_layer(b)) {
        if (model::BlockHead* h = block_head(b)) {
          h->label_x = w.x;
          h->label_y = w.y;
        }
      }
      e.block_step = Step::select;
      c_.effects.repaint();
      return;
    default:
      return;
  }
}

void WallBlockEditor::select(double x, double y) {
  EditorState& e = c_.editor;
  e.current_block_slot = static_cast<std::int16_t>(pick_block_at(c_.model, x, y, kAnyDistance));
  if (e.current_block_slot < 0) return;
  if (!is_wall_block(c_.model.wall_blocks[e.current_block_slot])) {
    e.block_step = Step::idle;
    return;
  }
  c_.effects.repaint();
}

void WallBlockEditor::move_to(double x, double y) {
  double sx = 0, sy = 0;
  if (c_.view.scale > 0 &&
      snap_to_block_vertex(c_.model, x, y, kSnapUnits / c_.view.scale, sx, sy, -1) == 1) {
    x = sx;
    y = sy;
  }
  const int slot = c_.editor.current_block_slot;
  model::WallBlock& b = c_.model.wall_blocks[slot];
  if (is_wall_block(b)) {
    const double dx = x - c_.view.move_base_x;
    const double dy = y - c_.view.move_base_y;
    model::BlockHead& h = b.polygon.head;
    h.ref_x = dx + h.ref_x;
    h.ref_y = dy + h.ref_y;
    h.mark_x = dx + h.mark_x;
    h.mark_y = dy + h.mark_y;
    h.label_x = dx + h.label_x;
    h.label_y = dy + h.label_y;
    for (double* v : {&h.ref_x, &h.ref_y, &h.mark_x, &h.mark_y, &h.label_x, &h.label_y})
      snap_small_to_zero(*v);
  }
  c_.view.move_base_x = x;
  c_.view.move_base_y = y;
  WarnSink sink(c_.effects);
  model::build_block_outline(c_.model, slot, sink);
  c_.effects.repaint();
}

// ---- improved-soil layers ---------------------------------------------------------------

BodyFrame body_frame(const std::array<std::string, 5>& t) {
  return {model::leading_number(t[0]), model::leading_number(t[1]), model::leading_number(t[2]),
          model::leading_number(t[3]), model::leading_number(t[4])};
}

LayerTop soil_layer_top(const model::WallBlock& b) {
  const model::PolygonShape& p = b.polygon;
  if (b.block_type == model::BLOCK_SOIL_POLYGON)
    return {p.head.ref_y + p.vertex_y[0], p.head.ref_y + p.vertex_y[1]};
  return {p.vertex_y[11], p.vertex_y[12]};
}

bool extend_layer_to_bottom(model::ProjectModel& m, int slot, const BodyFrame& f,
                            EditorState& editor, model::MessageSink& messages) {
  if (!valid_slot(slot) || !is_soil_layer(m.wall_blocks[slot])) return false;
  model::WallBlock& b = m.wall_blocks[slot];
  const LayerTop top = soil_layer_top(b);
  auto& wv = editor.work_vertices;
  wv[0] = {0, top.sea};
  wv[1] = {f.b, top.land};
  wv[2] = {f.b, f.dh2};
  wv[3] = {0, f.dh1};

  model::PolygonShape& p = b.polygon;
  p.vertex_count = 4;
  p.head.ref_x = f.x;
  p.head.ref_y = f.y;
  p.head.length = 0;
  p.head.label_x = p.head.label_y = 0;
  p.head.mark_x = p.head.mark_y = 0;
  p.reserved = 0;
  for (int k = 0; k < model::POLYGON_VERTICES; ++k) {
    p.vertex_x[k] = k < 4 ? wv[k].x : model::UNSET_COORD;
    p.vertex_y[k] = k < 4 ? wv[k].y - f.y : model::UNSET_COORD;
  }
  if (std::fabs(top.sea - top.land) >= kLevel || std::fabs(f.dh2 - f.dh1) >= kLevel) {
    b.block_type = model::BLOCK_SOIL_POLYGON;
  } else {
    p.vertex_x[0] = f.b;
    p.vertex_y[0] = top.sea - f.dh2;
    p.head.ref_y = f.dh2;
    for (int k = 1; k < 4; ++k) p.vertex_x[k] = p.vertex_y[k] = model::UNSET_COORD;
    p.vertex_count = 2;
    b.block_type = model::BLOCK_SOIL_RECTANGLE;
    model::build_block_outline(m, slot, messages);
  }
  model::center_block_label(m, slot);
  return true;
}

void SoilBlockEditor::click(int button, double X, double Y) {
  const PageState& page = c_.pages.page_state();
  const int option = page.soil_block_operation;
  transition(c_, kSoilBlockRules, kImprovedBodyPage, option, option >= 1 && option <= 3, button);
  const WorldPoint w = world_point(c_.view, X, Y);
  EditorState& e = c_.editor;
  const int slot = e.current_block_slot;

  if (e.block_step == Step::select) {
    e.current_block_slot =
        static_cast<std::int16_t>(pick_block_at(c_.model, w.x, w.y, kAnyDistance));
    if (e.current_block_slot < 0) return;
    if (is_soil_layer(c_.model.wall_blocks[e.current_block_slot]))
      c_.effects.repaint();
    else
      e.block_step = Step::idle;
    return;
  }
  if (e.block_step != Step::edit && e.block_step != Step::erase &&
      e.block_step != Step::number_position)
    return;
  // The dialog, the delete and the label need a selected layer.
  if (!valid_slot(slot)) {
    e.block_step = Step::idle;
    return;
  }
  switch (e.block_step) {
    case Step::edit:
      c_.dialogs.layer(slot, page.body_boxes);
      e.block_step = Step::idle;
      return;
    case Step::erase:
      delete_layers();
      return;
    case Step::number_position: {
      model::WallBlock& b = c_.model.wall_blocks[slot];
      if (is_soil_layer(b)) {
        b.polygon.head.label_x = w.x;
        b.polygon.head.label_y = w.y;
      }
      e.block_step = Step::select;
      c_.effects.repaint();
      return;
    }
    default:
      return;
  }
}

void SoilBlockEditor::delete_layers() {
  EditorState& e = c_.editor;
  const int slot = e.current_block_slot;
  const BodyFrame frame = body_frame(c_.pages.page_state().body_boxes);
  // The layer that will be left lowest: the last improved-soil block before the selected one.
  int kept = -1;
  for (int s = slot - 1; s >= 0; --s)
    if (is_soil_layer(c_.model.wall_blocks[s])) {
      kept = s;
      break;
    }
  // Extending that layer down to a bottom above its top would turn it inside out: refuse
  // before anything is deleted. A bottom exactly on the top leaves a layer of no thickness.
  if (kept >= 0) {
    const LayerTop top = soil_layer_top(c_.model.wall_blocks[kept]);
    if (frame.dh1 > top.sea || frame.dh2 > top.land) {
      c_.effects.warn(kMsgAboveBodyTop);
      e.block_step = Step::idle;
      return;
    }
  }
  for (int s = slot; s < model::MAX_WALL_BLOCKS; ++s)
    if (is_soil_layer(c_.model.wall_blocks[s])) model::clear_block_slot(c_.model.wall_blocks[s]);
  e.block_step = Step::idle;
  if (kept >= 0) {
    WarnSink sink(c_.effects);
    extend_layer_to_bottom(c_.model, kept, frame, e, sink);
  }
  c_.effects.repaint();
}

}  // namespace qvt::section
