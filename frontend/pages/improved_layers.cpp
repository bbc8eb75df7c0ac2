#include "frontend/pages/improved_layers.h"

#include "frontend/model/block_outline.h"
#include "frontend/model/block_slots.h"
#include "frontend/model/display_text.h"
#include "frontend/model/soil_layers.h"

#include <cstdio>
#include <cstdlib>

namespace qvt::pages {

namespace {

using model::LayerCorners;
using model::LayerFrame;
using model::LayerLevels;
using model::OutlinePoint;
using model::ProjectModel;
using model::WallBlock;

constexpr const char* kBoxPattern = "###0.000";

// A level as its 15-significant-digit text reads back, so that sums such as -25 + 3.1 compare
// equal to the 3.1-metre level the user typed.
double round15(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return std::strtod(buf, nullptr);
}

int first_layer_slot(const ProjectModel& m) {
  for (int i = 0; i < model::MAX_WALL_BLOCKS; ++i)
    if (model::is_soil_layer(m.wall_blocks[i])) return i;
  return -1;
}

void move_layers(ProjectModel& m, const LayerFrame& f, model::MessageSink& messages) {
  for (int i = 0; i < model::MAX_WALL_BLOCKS; ++i) {
    WallBlock& b = m.wall_blocks[i];
    model::PolygonShape& p = b.polygon;
    if (b.block_type == model::BLOCK_SOIL_POLYGON) {
      // Vertices are relative to the reference point: re-base them on Y so every level stays.
      const double shift = p.head.ref_y - f.y;
      for (int k = 0; k < p.vertex_count && k <= model::POLYGON_VERTICES; ++k)
        if (p.vertex_y[k] != model::UNSET_COORD) p.vertex_y[k] += shift;
      p.head.ref_x = f.x;
      p.head.ref_y = f.y;
      model::center_block_label(m, i);
    } else if (b.block_type == model::BLOCK_SOIL_RECTANGLE) {
      p.head.ref_x = f.x;
      model::build_block_outline(m, i, messages);
      model::center_block_label(m, i);
    }
  }
}

void widen_layers(ProjectModel& m, double width, model::MessageSink& messages) {
  for (int i = 0; i < model::MAX_WALL_BLOCKS; ++i) {
    WallBlock& b = m.wall_blocks[i];
    model::PolygonShape& p = b.polygon;
    if (b.block_type == model::BLOCK_SOIL_POLYGON) {
      p.vertex_x[1] = width;
      p.vertex_x[2] = width;
      model::center_block_label(m, i);
    } else if (b.block_type == model::BLOCK_SOIL_RECTANGLE) {
      p.vertex_x[0] = width;
      model::build_block_outline(m, i, messages);
      model::center_block_label(m, i);
    }
  }
}

// Moves the body's bottom at one side to `d`: the layers it lies above (or exactly on the
// bottom of) are removed from the lowest slot up; the first it lies within or below is rebuilt
// down to `d` at that side and to the other box's bottom at the other.
void move_bottom(ProjectModel& m, bool sea_side, double d, const LayerFrame& f,
                 model::MessageSink& messages) {
  for (int i = model::MAX_WALL_BLOCKS - 1; i >= 0; --i) {
    WallBlock& b = m.wall_blocks[i];
    if (!model::is_soil_layer(b)) continue;
    const LayerLevels lv = model::layer_levels(b);
    const double top = round15(sea_side ? lv.sea_top : lv.land_top);
    const double bottom = round15(sea_side ? lv.sea_bottom : lv.land_bottom);
    const bool keep = (bottom < d && top >= d) || bottom > d;
    if (!keep) {
      model::clear_block_slot(b);
      continue;
    }
    const double sea_bottom = sea_side ? d : f.dh1;
    const double land_bottom = sea_side ? f.dh2 : d;
    const LayerCorners corners{OutlinePoint{0, lv.sea_top}, OutlinePoint{f.b, lv.land_top},
                               OutlinePoint{f.b, land_bottom}, OutlinePoint{0, sea_bottom}};
    model::rebuild_layer(m, i, corners, f, messages);
    return;
  }
}

}  // namespace

BodyBoxOutcome leave_body_box(ProjectModel& m, int index, std::array<std::string, 5>& texts,
                              const std::string& before, model::MessageSink& messages) {
  BodyBoxOutcome out;
  if (index < 0 || index >= 5 || index == kBoxY) return out;
  std::string& box = texts[index];
  box = model::format_pattern(model::leading_number(box), kBoxPattern);
  const double v = model::leading_number(box);
  if (v == model::leading_number(before)) return out;
  const LayerFrame f = model::layer_frame_from_texts(texts);
  const int first = first_layer_slot(m);

  auto refuse = [&](const char* why, model::TypedNumber notice) {
    box = before;
    out.change = BodyChange::refused;
    out.message = why;
    out.notice = notice;
    return out;
  };

  switch (index) {
    case kBoxX:
      move_layers(m, f, messages);
      out.refit = true;
      break;
    case kBoxB:
      if (first >= 0 && f.b <= 0) return refuse("", model::TypedNumber::out_of_range);
      widen_layers(m, f.b, messages);
      out.refit = true;
      break;
    default: {
      const bool sea_side = index == kBoxDh1;
      if (first >= 0) {
        const LayerLevels lv = model::layer_levels(m.wall_blocks[first]);
        const double upper = sea_side ? lv.sea_top : lv.land_top;
        if (v >= upper) return refuse(kMsgAboveBodyTop, model::TypedNumber::stands);
        move_bottom(m, sea_side, v, f, messages);
        out.refit = true;
      }
      break;
    }
  }
  out.change = BodyChange::changed;
  return out;
}

double improvement_height(const ProjectModel& m) {
  bool any = false;
  double top = -9999.999, bottom = 9999.999;
  for (int i = 0; i < model::MAX_WALL_BLOCKS; ++i) {
    const WallBlock& b = m.wall_blocks[i];
    const model::PolygonShape& p = b.polygon;
    if (b.block_type == model::BLOCK_SOIL_POLYGON) {
      for (int j = 0; j < p.vertex_count && j <= model::POLYGON_VERTICES; ++j) {
        const double y = p.head.ref_y + p.vertex_y[j];
        if (y > top) top = y;
        if (y < bottom) bottom = y;
        any = true;
      }
    } else if (b.block_type == model::BLOCK_SOIL_RECTANGLE) {
      const double y = p.head.ref_y + p.vertex_y[0];
      if (y > top) top = y;
      if (p.head.ref_y < bottom) bottom = p.head.ref_y;
      any = true;
    }
  }
  return any ? top - bottom : 0.0;
}

}  // namespace qvt::pages
