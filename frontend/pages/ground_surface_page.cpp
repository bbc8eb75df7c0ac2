#include "frontend/pages/ground_surface_page.h"

#include "frontend/model/display_text.h"
#include "frontend/pages/box_ranges.h"

#include <algorithm>
#include <optional>

namespace qvt::pages {

using model::format_pattern;
using model::leading_number;

namespace {
constexpr const char* kBoxPattern = "###0.000";

// The display patterns of the grids' columns, the number column first: the loaded rows and the
// cells the user commits show their numbers alike.
const std::vector<std::string> kPointPatterns = {"#0", "##0.000", "##0.000"};
const std::vector<std::string> kLayerPatterns = {"#0", "##0.00", "##0.000", "##0.000"};
const std::vector<std::string> kRangePatterns = {"#0", "##0.000", "##0.00", "##0.00", "##0.00"};

bool is_box(GroundBox b) {
  const int i = static_cast<int>(b);
  return i >= 0 && i < kGroundBoxCount;
}

// The box of the other shape that shows the same seabed surcharge, if any.
std::optional<GroundBox> twin_of(GroundBox b) {
  switch (b) {
    case GroundBox::arbitrary_seabed_surcharge_normal: return GroundBox::seabed_surcharge_normal;
    case GroundBox::arbitrary_seabed_surcharge_seismic: return GroundBox::seabed_surcharge_seismic;
    case GroundBox::seabed_surcharge_normal: return GroundBox::arbitrary_seabed_surcharge_normal;
    case GroundBox::seabed_surcharge_seismic: return GroundBox::arbitrary_seabed_surcharge_seismic;
    default: return std::nullopt;
  }
}

// A data row's cells from its values in the column patterns.
std::string row_text(const std::vector<std::string>& patterns, std::initializer_list<double> values) {
  std::string out;
  std::size_t c = 0;
  for (double v : values) {
    if (c > 0) out += '\t';
    out += format_pattern(v, patterns.at(c++));
  }
  return out;
}
}  // namespace

GroundSurfacePage::GroundSurfacePage(model::ProjectModel& model, PageEffects& effects,
                                     std::function<void()> refit)
    : model_(model), effects_(effects), refit_(std::move(refit)) {}

void GroundSurfacePage::set_grid(GroundGrid which, GridPort* g) { grids_[static_cast<int>(which)] = g; }

void GroundSurfacePage::show_shape_frames(bool arbitrary) {
  s_.slopes_frame_visible = !arbitrary;
  s_.points_frame_visible = arbitrary;
  s_.embankment_frame_visible = arbitrary;
  s_.surface_surcharge_frame_visible = !arbitrary;
  s_.ranges_frame_visible = arbitrary;
  s_.collapse_options_enabled = arbitrary;
}

void GroundSurfacePage::choose_surface_option(SurfaceOption option) {
  const int index = static_cast<int>(option);
  if (index < 0 || index > 3) return;
  // The shape options and the collapse-angle options are pairs of their own.
  const int pair = index / 2 * 2;
  const bool changed = !s_.surface_options[index];
  s_.surface_options[pair] = index == pair;
  s_.surface_options[pair + 1] = index != pair;
  const bool shape = option == SurfaceOption::straight || option == SurfaceOption::arbitrary;
  if (shape) show_shape_frames(option == SurfaceOption::arbitrary);
  if (changed) surface_option_chosen(option);  // an option acts only when it turns on
}

void GroundSurfacePage::surface_option_chosen(SurfaceOption option) {
  if (option == SurfaceOption::straight || option == SurfaceOption::arbitrary) {
    const bool arbitrary = option == SurfaceOption::arbitrary;
    s_.seabed_surcharge_frame_visible = !arbitrary;
    s_.seabed_slope_box_visible = arbitrary;
    s_.collapse_frame_enabled = arbitrary;
    // The picture draws the surface by this value, so it is written at once.
    model_.conditions.surface_shape = arbitrary ? 1 : 0;
  }
  if (refit_) refit_();
}

void GroundSurfacePage::box_edited(GroundBox box, const std::string& text) {
  if (is_box(box)) s_.box(box).text = text;
}
void GroundSurfacePage::box_left(GroundBox box) {
  if (!is_box(box)) return;
  std::string& text = s_.box(box).text;
  text = format_pattern(leading_number(text), kBoxPattern);
  // The seabed surcharge has a pair of boxes for each shape; both pairs show the same values.
  if (const auto twin = twin_of(box)) s_.box(*twin).text = text;
}

void GroundSurfacePage::load() {
  const model::ProjectConditions& c = model_.conditions;
  choose_surface_option(c.surface_shape != 0 ? SurfaceOption::arbitrary : SurfaceOption::straight);
  choose_surface_option(c.collapse_angle_rule != 0 ? SurfaceOption::vertical_collapse
                                                   : SurfaceOption::first_layer_collapse_angle);
  const auto show = [this](GroundBox b, double v) { s_.box(b).text = format_pattern(v, kBoxPattern); };
  show(GroundBox::arbitrary_seabed_slope, c.seabed_slope_angle);
  show(GroundBox::surface_slope, c.surface_slope_angle);
  show(GroundBox::seabed_slope, c.seabed_slope_angle);
  show(GroundBox::surface_surcharge_normal, c.surface_surcharge[0]);
  show(GroundBox::surface_surcharge_seismic, c.surface_surcharge[1]);

  for (int i = 0; i < MAX_SURFACE_POINTS; ++i) s_.point_rows[i] = {};
  const int points = std::clamp<int>(c.surface_point_count, 0, MAX_SURFACE_POINTS);
  for (int i = 0; i < points; ++i)
    s_.point_rows[i] = {static_cast<model::i16>(i + 1), c.surface_points[i].x, c.surface_points[i].y};
  s_.point_row_count = static_cast<model::i16>(points);
  if (GridPort* g = grid(GroundGrid::points)) {
    g->reset(kPointGridRows, {"No.", "X座標", "Y座標"}, kPointPatterns);
    for (int k = 0; k < points; ++k)
      g->set_row_text(k + 1, row_text(kPointPatterns, {static_cast<double>(k + 1),
                                                       s_.point_rows[k].x, s_.point_rows[k].y}));
  }

  for (int i = 0; i < MAX_EMBANKMENT_LAYERS; ++i) s_.layer_rows[i] = {};
  int layers = 0;
  for (const model::EmbankmentLayer& l : c.embankment_layers) {
    if (l.unit_weight_air > 0 || l.unit_weight_submerged > 0) {
      s_.layer_rows[layers] = {static_cast<model::i16>(layers + 1), l.top_level, l.unit_weight_air,
                               l.unit_weight_submerged};
      ++layers;
    }
  }
  s_.layer_row_count = static_cast<model::i16>(layers);
  if (GridPort* g = grid(GroundGrid::layers)) {
    g->reset(kLayerGridRows, {"No.", "層上限(m)", "空中重量", "水中重量"}, kLayerPatterns);
    for (int k = 0; k < layers; ++k) {
      const EmbankmentRow& r = s_.layer_rows[k];
      g->set_row_text(k + 1, row_text(kLayerPatterns, {static_cast<double>(k + 1), r.top_level,
                                                       r.unit_weight_air, r.unit_weight_submerged}));
    }
  }

  for (int i = 0; i < MAX_SURCHARGE_RANGES; ++i) s_.range_rows[i] = {};
  int ranges = 0;
  for (const model::SurchargeRange& r : c.surcharge_ranges) {
    if (r.load[0] > 0 || r.load[1] > 0) {
      s_.range_rows[ranges] = {static_cast<model::i16>(ranges + 1), r.x_min, r.x_max, r.load[0],
                               r.load[1]};
      ++ranges;
    }
  }
  s_.range_row_count = static_cast<model::i16>(ranges);
  if (GridPort* g = grid(GroundGrid::ranges)) {
    g->reset(kRangeGridRows, {"No.", "Xmin", "Xmax", "常時", "地震時"}, kRangePatterns);
    for (int k = 0; k < ranges; ++k) {
      const SurchargeRow& r = s_.range_rows[k];
      g->set_row_text(k + 1, row_text(kRangePatterns, {static_cast<double>(k + 1), r.x_min, r.x_max,
                                                       r.load_normal, r.load_seismic}));
    }
  }

  const std::string seabed_normal = format_pattern(c.seabed_surcharge[0], "0.000");
  const std::string seabed_seismic = format_pattern(c.seabed_surcharge[1], "0.000");
  s_.box(GroundBox::arbitrary_seabed_surcharge_normal).text = seabed_normal;
  s_.box(GroundBox::seabed_surcharge_normal).text = seabed_normal;
  s_.box(GroundBox::arbitrary_seabed_surcharge_seismic).text = seabed_seismic;
  s_.box(GroundBox::seabed_surcharge_seismic).text = seabed_seismic;
}

// A cell of a quantity column holding a value the quantity cannot have goes back to the value
// its working row holds, with the number boxes' notice; the other cells of the row stand.
void GroundSurfacePage::take_back_out_of_range_cells(GroundGrid which, int last) {
  GridPort* g = grid(which);
  const int columns = which == GroundGrid::layers ? 4 : 5;
  bool taken_back = false;
  for (int r = 1; r <= last; ++r) {
    double previous[5] = {};
    if (which == GroundGrid::layers) {
      const EmbankmentRow& row = s_.layer_rows[r - 1];
      previous[1] = row.top_level, previous[2] = row.unit_weight_air;
      previous[3] = row.unit_weight_submerged;
    } else {
      const SurchargeRow& row = s_.range_rows[r - 1];
      previous[1] = row.x_min, previous[2] = row.x_max, previous[3] = row.load_normal;
      previous[4] = row.load_seismic;
    }
    std::string text;
    bool changed = false;
    for (int c = 0; c < columns; ++c) {
      std::string cell = g->cell(r, c);
      if (const auto q = ground_surface_cell_quantity(which, c)) {
        const BoxInterval range = box_interval(q);
        if (model::typed_number(cell, range.lowest, range.highest) !=
            model::TypedNumber::stands) {
          cell = format_pattern(previous[c], "##0.000");
          changed = true;
        }
      }
      text += (c ? "\t" : "") + cell;
    }
    if (changed) {
      g->set_row_text(r, text);
      taken_back = true;
    }
  }
  if (taken_back) effects_.set_status_text(kMsgValueOutOfRange);
}

void GroundSurfacePage::grid_edited(GroundGrid which) {
  GridPort* g = grid(which);
  if (!g) return;
  const auto at = [g](int row, int col) { return leading_number(g->cell(row, col)); };
  if (which != GroundGrid::points)
    take_back_out_of_range_cells(
        which, std::clamp(g->last_row_in_use(), 0,
                          (which == GroundGrid::layers ? kLayerGridRows : kRangeGridRows) - 1));
  switch (which) {
    case GroundGrid::points: {
      const int last = std::clamp(g->last_row_in_use(), 0, kPointGridRows - 1);
      s_.point_row_count = static_cast<model::i16>(last);
      for (int r = 1; r <= last; ++r) {
        s_.point_rows[r - 1].x = at(r, 1);
        s_.point_rows[r - 1].y = at(r, 2);
      }
      effects_.repaint_section();
      break;
    }
    case GroundGrid::layers: {
      const int last = std::clamp(g->last_row_in_use(), 0, kLayerGridRows - 1);
      s_.layer_row_count = static_cast<model::i16>(last);
      for (int r = 1; r <= last; ++r)
        s_.layer_rows[r - 1] = {s_.layer_rows[r - 1].number, at(r, 1), at(r, 2), at(r, 3)};
      break;
    }
    case GroundGrid::ranges: {
      const int last = std::clamp(g->last_row_in_use(), 0, kRangeGridRows - 1);
      s_.range_row_count = static_cast<model::i16>(last);
      for (int r = 1; r <= last; ++r)
        s_.range_rows[r - 1] = {s_.range_rows[r - 1].number, at(r, 1), at(r, 2), at(r, 3), at(r, 4)};
      break;
    }
  }
}

void GroundSurfacePage::store() {
  model::ProjectConditions& c = model_.conditions;
  c.surface_shape = s_.on(SurfaceOption::straight) ? 0 : 1;
  c.collapse_angle_rule = s_.on(SurfaceOption::first_layer_collapse_angle) ? 0 : 1;

  const int points = std::clamp<int>(s_.point_row_count, 0, MAX_SURFACE_POINTS);
  for (int i = 0; i < points; ++i) {
    c.surface_points[i].x = s_.point_rows[i].x;
    c.surface_points[i].y = s_.point_rows[i].y;
  }
  c.surface_point_count = static_cast<model::i16>(points);
  for (int i = points; i < MAX_SURFACE_POINTS; ++i) c.surface_points[i].x = c.surface_points[i].y = 0;

  const int layers = std::clamp<int>(s_.layer_row_count, 0, MAX_EMBANKMENT_LAYERS);
  for (int i = 0; i < layers; ++i)
    c.embankment_layers[i] = {s_.layer_rows[i].top_level, s_.layer_rows[i].unit_weight_air,
                              s_.layer_rows[i].unit_weight_submerged};
  c.embankment_layer_count = static_cast<model::i16>(layers);
  for (int i = layers; i < MAX_EMBANKMENT_LAYERS; ++i) c.embankment_layers[i] = {};

  c.surface_slope_angle = leading_number(s_.box(GroundBox::surface_slope).text);
  c.seabed_slope_angle = leading_number(s_.box(GroundBox::seabed_slope).text);
  if (c.surface_shape == 1)
    c.seabed_slope_angle = leading_number(s_.box(GroundBox::arbitrary_seabed_slope).text);
  c.surface_surcharge[0] = leading_number(s_.box(GroundBox::surface_surcharge_normal).text);
  c.surface_surcharge[1] = leading_number(s_.box(GroundBox::surface_surcharge_seismic).text);
  const bool straight = s_.on(SurfaceOption::straight);
  const GroundBox normal =
      straight ? GroundBox::seabed_surcharge_normal : GroundBox::arbitrary_seabed_surcharge_normal;
  const GroundBox seismic =
      straight ? GroundBox::seabed_surcharge_seismic : GroundBox::arbitrary_seabed_surcharge_seismic;
  c.seabed_surcharge[0] = leading_number(s_.box(normal).text);
  c.seabed_surcharge[1] = leading_number(s_.box(seismic).text);

  // Ranges without a load drop out and the later ones close up; the model holds five.
  int kept = 0;
  const int rows = std::clamp<int>(s_.range_row_count, 0, MAX_SURCHARGE_RANGES);
  for (int i = 0; i < rows; ++i) {
    const SurchargeRow& r = s_.range_rows[i];
    if (r.load_normal > 0 || r.load_seismic > 0) {
      model::SurchargeRange& d = c.surcharge_ranges[kept++];
      d.x_min = r.x_min;
      d.x_max = r.x_max;
      d.load[0] = r.load_normal;
      d.load[1] = r.load_seismic;
    }
  }
  c.surcharge_range_count = static_cast<model::i16>(kept);
  for (int i = kept; i < MAX_SURCHARGE_RANGES; ++i) c.surcharge_ranges[i] = {};
}

}  // namespace qvt::pages
