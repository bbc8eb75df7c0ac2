#pragma once
// Category 3, the ground surface ("地表面"): straight or arbitrary surface, slope angles, the
// points of an arbitrary surface, up to three embankment layers and the surcharges. The points,
// layers and surcharge ranges are edited in three grids; the page keeps its own working rows of
// them, which the section picture draws and only the commit copies into the model.
#include "frontend/model/project.h"
#include "frontend/pages/design_conditions_page.h"
#include "frontend/pages/input_page.h"
#include "frontend/pages/page_effects.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace qvt::pages {

struct SurfacePointRow {
  model::i16 number = 0;
  double x = 0, y = 0;
};
struct EmbankmentRow {
  model::i16 number = 0;
  double top_level = 0, unit_weight_air = 0, unit_weight_submerged = 0;
};
struct SurchargeRow {
  model::i16 number = 0;
  double x_min = 0, x_max = 0, load_normal = 0, load_seismic = 0;
};

// Row capacity of the grids, heading row included: 80 points, 3 layers, 5 ranges.
inline constexpr int kPointGridRows = 81;
inline constexpr int kLayerGridRows = 4;
inline constexpr int kRangeGridRows = 6;

// What the page needs of a grid: rows written from tab-separated text, and for the edit event
// the cells of the rows in use.
class GridPort {
 public:
  virtual ~GridPort() = default;
  // Clears the grid and gives it its rows, columns and heading cells (row 0), and the display
  // pattern of each column's numbers, in which a cell the user commits shows its value.
  virtual void reset(int rows, const std::vector<std::string>& headings,
                     const std::vector<std::string>& patterns) = 0;
  // Writes data row `row` (1-based; 0 is the heading) from cells separated by tabs.
  virtual void set_row_text(int row, const std::string& text) = 0;
  // The last row with a non-empty data cell, 0 when there is none.
  virtual int last_row_in_use() const = 0;
  virtual std::string cell(int row, int column) const = 0;
};

enum class GroundGrid { points, layers, ranges };

// The options: the surface shape "直線形状" or "任意形状", and the collapse angle inside an
// embankment, "第１層の崩壊角を使用" or "90度（直上がり）を使用".
enum class SurfaceOption { straight, arbitrary, first_layer_collapse_angle, vertical_collapse };
// The number boxes. The seabed slope and the seabed surcharge have a box for each shape: an
// arbitrary surface shows its seabed slope under the grids and its seabed surcharge beside the
// surcharge ranges; a straight one shows them in frames of their own.
enum class GroundBox {
  arbitrary_seabed_slope,
  surface_slope,
  seabed_slope,
  arbitrary_seabed_surcharge_normal,
  arbitrary_seabed_surcharge_seismic,
  surface_surcharge_normal,
  surface_surcharge_seismic,
  seabed_surcharge_normal,
  seabed_surcharge_seismic
};
inline constexpr int kGroundBoxCount = 9;

struct GroundSurfaceState {
  std::array<bool, 4> surface_options{true, false, true, false};
  bool collapse_options_enabled = false;
  bool collapse_frame_enabled = false;
  // Frames: slope angles (straight) or points and layers (arbitrary); surface surcharge
  // (straight) or ranges (arbitrary); the seabed surcharge of a straight surface.
  bool slopes_frame_visible = true, points_frame_visible = false, embankment_frame_visible = false;
  bool surface_surcharge_frame_visible = true, ranges_frame_visible = false,
       seabed_surcharge_frame_visible = true;
  bool seabed_slope_box_visible = false;  // the arbitrary surface's seabed slope with its caption
  std::array<TextBox, kGroundBoxCount> boxes{};

  bool on(SurfaceOption o) const { return surface_options[static_cast<std::size_t>(o)]; }
  const TextBox& box(GroundBox b) const { return boxes[static_cast<std::size_t>(b)]; }
  TextBox& box(GroundBox b) { return boxes[static_cast<std::size_t>(b)]; }

  std::array<SurfacePointRow, MAX_SURFACE_POINTS + 1> point_rows{};
  model::i16 point_row_count = 0;
  std::array<EmbankmentRow, MAX_EMBANKMENT_LAYERS + 1> layer_rows{};
  model::i16 layer_row_count = 0;
  std::array<SurchargeRow, MAX_SURCHARGE_RANGES + 1> range_rows{};
  model::i16 range_row_count = 0;
};

class GroundSurfacePage : public InputPage {
 public:
  // `refit` fits the section picture to the section after a change of the surface shape.
  GroundSurfacePage(model::ProjectModel& model, PageEffects& effects, std::function<void()> refit);

  const GroundSurfaceState& state() const { return s_; }
  // The grids the page writes at load and reads at their edit events; unset grids are skipped.
  void set_grid(GroundGrid which, GridPort* grid);

  // `load_ground_surface_page` and `store_ground_surface_page`.
  void load() override;
  void store() override;

  // --- Events of the user ---
  void choose_surface_option(SurfaceOption option);
  void box_edited(GroundBox box, const std::string& text);
  void box_left(GroundBox box);
  // A user edit of a grid: the whole grid is read back into the working rows; the point grid
  // repaints the picture.
  void grid_edited(GroundGrid which);

  // An option turned on.
  void surface_option_chosen(SurfaceOption option);

 private:
  void show_shape_frames(bool arbitrary);
  void take_back_out_of_range_cells(GroundGrid which, int last);
  GridPort* grid(GroundGrid which) const { return grids_[static_cast<int>(which)]; }

  model::ProjectModel& model_;
  PageEffects& effects_;
  std::function<void()> refit_;
  GroundSurfaceState s_;
  std::array<GridPort*, 3> grids_{};
};

}  // namespace qvt::pages
