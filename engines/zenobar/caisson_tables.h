#pragma once
// Member tables of the cellular caissons: type 2 (with a bottom slab) and type 3 (with footings,
// cells open to the base). A caisson is given by parameters, not by an outline: the rows of its
// tables are built from the wall thicknesses, the cell widths, the haunches, the footings and the
// fill layers, worked into volumes, weights and first moments, and written as generated table
// templates named in the block report.
//
// The row lists, the cell lists and the fill layers are growable: nothing here has a fixed
// capacity. What the block file cannot hold (more than eight cell widths) is refused with a
// message before anything is written.
#include "engines/common/condition_data.h"
#include "engines/zenobar/zenobar_data.h"

#include <span>
#include <string>
#include <vector>

namespace qvt::engine {
class TableTemplate;
}

namespace qvt::zenobar {

// One row of a member table. Dimensions in m; a negative divisor marks a deduction row.
struct MemberRow {
  std::string name;  // CP932, printed "%-16s" (or "%-10s" in the per-metre buoyancy table)
  double d1 = 0, d2 = 0, d3 = 0;
  int divisor = 1;
  int count = 0;
  double unit_weight = 0;  // kN/m3
  double volume = 0;       // V, m3
  double weight = 0;       // W (or U), kN
  double x = 0, y = 0;     // centroid; block frame until worked, absolute after
  double moment_x = 0;     // W·x
  double moment_y = 0;     // W·y
  bool subtotal = false;
};

// A member row before it is worked: x and y in the block frame.
MemberRow member_row(std::string name, int divisor, double d1, double d2, double d3, int count,
                     double x, double y, double unit_weight);
// The subtotal row "    小  計" of the rows since the last subtotal.
MemberRow subtotal_member_row();

// Distinct values in the order of their first occurrence, each with the number of its exact
// repetitions.
struct ValueGroups {
  std::vector<double> values;
  std::vector<int> counts;
  int size() const { return static_cast<int>(values.size()); }
};
ValueGroups group_equal_values(std::span<const double> values);

// A cell type: one distinct width with one distinct length, and how many cells have both.
struct CellType {
  double width = 0;
  double length = 0;
  int count = 0;
};
// For each entry of b (outer), each entry of a (inner): (a, b, count_a * count_b).
std::vector<CellType> combine_value_groups(const ValueGroups& a, const ValueGroups& b);

// The caisson's parameters and the positions derived from them, in the block frame (origin at
// the block's reference point, x across the section, y up from the bottom).
struct CaissonLayout {
  int n = 0, m = 0, s = 0;  // cells across, cells along the wall line, footing recipe
  double h = 0, f = 0, t = 0;
  double w = 0, l = 0, wf = 0, wp = 0;
  double lb = 0, we = 0, wq = 0;
  double hh = 0, hv = 0, c = 0;
  std::vector<double> b;  // inner cell widths
  std::vector<double> e;  // inner cell lengths
  double x0 = 0;          // front face of the body
  std::vector<double> cell_centre;  // c(j)
  double xb = 0, xm = 0, xw = 0, xh = 0, xp = 0;
  double wi = 0;  // clear width less the partitions
  int footing_count = 0;

  // The x of a cell width: the mean centre of the cells of that width.
  double width_x(double width) const;
};

// Reads and derives the layout of a type-2 or type-3 block. Cell counts outside 1 to 8 (the block
// file holds eight widths and eight lengths) and cell widths that add up to zero are refused:
// the engine shows the message and stops (engine::EngineStop is thrown).
CaissonLayout caisson_layout(const engine::WallBlock& block);

// Submersion of a caisson by the residual water level r: 0 above the top, 1 above the footing
// haunch, 2 inside the haunch, 3 inside the footing, 4 at or below the bottom.
int submersion_case(double ref_y, double t, double c, double h, double r);

// x of the footing, of the haunch triangle and of the rectangle beside it (block frame), with e
// the dry height of the haunch; for recipes 1 and 2 all are xb.
struct FootingPositions {
  double footing = 0, triangle = 0, rectangle = 0;
};
FootingPositions footing_positions(const CaissonLayout& g, double e);
// Widths of the submerged haunch triangle and rectangle.
double haunch_triangle_width(const CaissonLayout& g, double e);
double haunch_rectangle_width(const CaissonLayout& g, double e);

// A fill layer after it has been placed in the cells: top and bottom in the block frame.
struct FillLayer {
  int index = 0;  // into part_names / part_values
  double top = 0, bottom = 0;
  double thickness() const { return top - bottom; }
};
// Layers stacked downwards from the top of the body. Layers that together reach below `floor`
// (the slab top, or the base) are cut there; layers wholly below it are left out, since the
// space is concrete (or outside the block).
std::vector<FillLayer> stack_fill_layers(const engine::CaissonShape& shape, double h,
                                         double floor);
// The same for any block with fill layers: `part_count` layers (clamped to 0..8) whose
// thicknesses are part_values[0][k].
std::vector<FillLayer> stack_fill_layers(int part_count, const double (&part_values)[4][8],
                                         double h, double floor);

// The member rows of a type-2 caisson (concrete only), before they are worked.
std::vector<MemberRow> build_caisson_members(const CaissonLayout& g, double unit_weight);
// The whole weight row list of a type-2 caisson: members, subtotal, fill layers with theirs.
std::vector<MemberRow> caisson_weight_rows(const engine::WallBlock& block);
// The per-metre buoyancy rows of a type-2 caisson for a submersion case 0 to 3 (d3 = γw).
std::vector<MemberRow> caisson_buoyancy_rows(const engine::WallBlock& block, int water_case,
                                             double water_level, double water_unit_weight);
// The row list of a type-3 caisson for a kind at the residual water level `water_level`.
std::vector<MemberRow> footing_caisson_rows(const engine::WallBlock& block, int kind,
                                            double water_level);

// Works the rows in order: volumes, weights, absolute centroids and moments, the subtotals, and
// the totals of the block (weight, volume, moments and centroid).
BlockResult work_member_rows(std::vector<MemberRow>& rows, double ref_x, double ref_y);
// The same for per-metre buoyancy rows: U = r(d1·d2·d3 / divisor · count); no volume.
BlockResult work_buoyancy_rows(std::vector<MemberRow>& rows, double ref_x, double ref_y);

// Table templates. `block_name` is CP932. The counterfort styles print the unit-weight label of
// the kind; the inclined counterfort has no unit under the dimensions and marks its subtotal
// centroids with an asterisk as the total's.
enum class MemberTableStyle { caisson, footing_caisson, counterfort, inclined_counterfort };
engine::TableTemplate member_weight_table(const std::string& name, std::string_view block_name,
                                          const std::vector<MemberRow>& rows,
                                          const BlockResult& total, MemberTableStyle style,
                                          int kind);
engine::TableTemplate member_centroid_table(const std::string& name, std::string_view block_name,
                                            const std::vector<MemberRow>& rows,
                                            const BlockResult& total, MemberTableStyle style);
engine::TableTemplate buoyancy_shape_table(const std::string& name, std::string_view block_name,
                                           const std::vector<MemberRow>& rows,
                                           const BlockResult& total);
engine::TableTemplate buoyancy_centroid_table(const std::string& name,
                                              const std::vector<MemberRow>& rows,
                                              const BlockResult& total);

// Names the template in the report ("$0  name") and writes it.
void write_table_template(engine::PrintFile& report, const engine::TableTemplate& table,
                          const std::string& name);

// The writers called by the weight and buoyancy sections.
// Type 2, kind weight: BLKVV_nn.PFM and BLKVM_nn.PFM; the weight of the whole caisson.
int write_caisson_weight_tables(int slot, engine::PrintFile& report);
// Type 2, kind buoyancy, per metre of wall: FRKVV_nn.PFM and FRKVVVnn.PFM, or the no-buoyancy
// text (result -1).
int write_caisson_buoyancy_tables(int slot, engine::PrintFile& report);
// Type 3, either kind, for the whole body.
int write_footing_caisson_tables(int slot, engine::PrintFile& report, int kind);

}  // namespace qvt::zenobar
