#include "frontend/model/block_outline.h"

#include "common/numtext.h"
#include "frontend/model/block_geometry.h"
#include "frontend/model/caisson_outline.h"
#include "frontend/model/counterfort_outline.h"

#include <algorithm>
#include <string>

namespace qvt::model {

namespace {

const char* const kCannotBuild = "外形を作成できません。";

bool valid_slot(int slot) { return slot >= 0 && slot < MAX_WALL_BLOCKS; }

// "ブロック3「name」: " - the block as the user finds it: slots counted from 1, and its name.
std::string block_caption(int slot, const std::string& name) {
  std::string s = "ブロック" + format_int(slot + 1);
  std::string_view trimmed = trim_blanks(name);
  if (!trimmed.empty()) s += "「" + std::string(trimmed) + "」";
  return s + ": ";
}

void refuse(MessageSink& messages, int slot, const std::string& name, const std::string& reason) {
  messages.show_message(MessageIcon::Exclamation, kAppTitle,
                        block_caption(slot, name) + reason + "\n" + kCannotBuild);
}

void build_rectangle(PolygonShape& p) {
  const double rx = p.head.ref_x, ry = p.head.ref_y;
  const double w = p.vertex_x[0], h = p.vertex_y[0];
  p.vertex_x[10] = rx;
  p.vertex_y[10] = ry;
  p.vertex_x[11] = rx;
  p.vertex_y[11] = ry + h;
  p.vertex_x[12] = rx + w;
  p.vertex_y[12] = ry + h;
  p.vertex_x[13] = rx + w;
  p.vertex_y[13] = ry;
}

// A parallelogram: width values[1], height values[2], its top shifted by `value` per unit of height.
void build_quad(QuadShape& q) {
  const double rx = q.head.ref_x, ry = q.head.ref_y;
  q.corner_x[0] = rx;
  q.corner_y[0] = ry;
  q.corner_x[1] = q.values[2] * q.value + rx;
  q.corner_y[1] = ry + q.values[2];
  q.corner_x[2] = q.corner_x[1] + q.values[1];
  q.corner_y[2] = ry + q.values[2];
  q.corner_x[3] = rx + q.values[1];
  q.corner_y[3] = ry;
}

bool build_library(ProjectModel& m, int slot, MessageSink& messages) {
  LibraryShape& l = m.wall_blocks[slot].library;
  const ShapeEntry* e = library_entry(m, l.library_index);
  if (e == nullptr) {
    refuse(messages, slot, l.head.name,
           "形状ライブラリの番号(" + format_int(l.library_index) + ")に該当する形状がありません。");
    return false;
  }
  if (e->point_count < 4) {
    refuse(messages, slot, l.head.name,
           "形状ライブラリの形状「" + e->name + "」の外形点が4点未満です。");
    return false;
  }
  const double rx = l.head.ref_x, ry = l.head.ref_y;
  for (int k = 0; k < 4; ++k) {
    const double px = e->point_x[k + 1], py = e->point_y[k + 1];
    if (l.mirrored == 0) {
      l.corner_x[k] = rx + px;
      l.corner_y[k] = ry + py;
    } else {
      // Reflected about the vertical line at half the block's width; the order is reversed so
      // that the corners keep their sense of rotation.
      l.corner_x[3 - k] = l.values[1] - px + rx;
      l.corner_y[3 - k] = ry + py;
    }
  }
  return true;
}

}  // namespace

bool build_block_outline(ProjectModel& m, int slot, MessageSink& messages) {
  if (!valid_slot(slot)) {
    messages.show_message(MessageIcon::Exclamation, kAppTitle,
                          "ブロックの番号(" + format_int(slot + 1) + ")が1～" +
                              format_int(MAX_WALL_BLOCKS) + "の範囲にありません。\n" +
                              kCannotBuild);
    return false;
  }
  WallBlock& b = m.wall_blocks[slot];
  std::string refusal;
  switch (b.block_type) {
    case BLOCK_RECTANGLE:
    case BLOCK_SOIL_RECTANGLE:
      build_rectangle(b.polygon);
      return true;
    case BLOCK_CAISSON:
    case BLOCK_FOOTING_CAISSON:
      if (build_caisson_outline(b.caisson, b.block_type == BLOCK_CAISSON, refusal)) return true;
      refuse(messages, slot, b.caisson.head.name, refusal);
      return false;
    case BLOCK_QUAD:
      build_quad(b.quad);
      return true;
    case BLOCK_COUNTERFORT:
      if (build_counterfort_outline(b.counterfort, refusal)) return true;
      refuse(messages, slot, b.counterfort.head.name, refusal);
      return false;
    case BLOCK_LIBRARY:
      return build_library(m, slot, messages);
    default:  // empty slots and polygons keep what the user drew
      return true;
  }
}

bool rebuild_all_block_outlines(ProjectModel& m, MessageSink& messages) {
  bool all = true;
  for (int slot = 0; slot < MAX_WALL_BLOCKS; ++slot) {
    if (m.wall_blocks[slot].block_type == BLOCK_EMPTY) continue;
    if (!build_block_outline(m, slot, messages)) all = false;
  }
  return all;
}

bool center_block_label(ProjectModel& m, int slot) {
  if (!valid_slot(slot)) return false;
  WallBlock& b = m.wall_blocks[slot];
  switch (b.block_type) {
    case BLOCK_POLYGON:
    case BLOCK_SOIL_POLYGON: {
      PolygonShape& p = b.polygon;
      const int count = std::clamp<int>(p.vertex_count, 0, POLYGON_VERTICES);
      // Unset vertices add nothing, but the sums are divided by the block's vertex count:
      // stored labels of existing projects were placed this way.
      if (count == 0) return true;
      double sx = 0, sy = 0;
      for (int i = 0; i < count; ++i) {
        if (p.vertex_x[i] == UNSET_COORD || p.vertex_y[i] == UNSET_COORD) continue;
        sx += p.vertex_x[i] + p.head.ref_x;
        sy += p.vertex_y[i] + p.head.ref_y;
      }
      p.head.label_x = sx / count;
      p.head.label_y = sy / count;
      return true;
    }
    case BLOCK_RECTANGLE:
    case BLOCK_SOIL_RECTANGLE: {
      PolygonShape& p = b.polygon;
      p.head.label_x = p.vertex_x[0] * 0.5 + p.head.ref_x;
      p.head.label_y = p.vertex_y[0] * 0.5 + p.head.ref_y;
      return true;
    }
    case BLOCK_CAISSON:
    case BLOCK_FOOTING_CAISSON: {
      CaissonShape& c = b.caisson;
      // The middle of the body, behind the footing length except for the recipe without
      // footings (recipes 6 and 7, rear footing only, are shifted by it all the same).
      if (c.sub_type == 5) {
        c.head.label_x = c.dims_a[1][0] * 0.5 + c.head.ref_x;
      } else {
        c.head.label_x = c.dims_a[1][0] * 0.5 + c.dims_a[1][1] + c.head.ref_x;
      }
      c.head.label_y = c.dims_a[0][0] * 0.5 + c.head.ref_y;
      return true;
    }
    case BLOCK_QUAD: {
      QuadShape& q = b.quad;
      q.head.label_x = (q.values[2] * q.value + q.values[1]) * 0.5 + q.head.ref_x;
      q.head.label_y = q.values[2] * 0.5 + q.head.ref_y;
      return true;
    }
    case BLOCK_COUNTERFORT: {
      CounterfortShape& c = b.counterfort;
      c.head.label_x = c.dims_a[1][0] * 0.5 + c.dims_a[1][3] + c.head.ref_x;
      c.head.label_y = c.dims_a[0][0] * 0.5 + c.head.ref_y;
      return true;
    }
    case BLOCK_LIBRARY: {
      LibraryShape& l = b.library;
      // mark_x/mark_y hold the label of the unreflected shape.
      l.head.label_x = l.mirrored == 0 ? l.head.mark_x
                                       : l.head.ref_x + l.values[1] - (l.head.mark_x - l.head.ref_x);
      l.head.label_y = l.head.mark_y;
      return true;
    }
    default:
      return true;
  }
}

}  // namespace qvt::model
