// The engines' block reader against the front end's block writer: every block type written by
// the front end reads back field for field into the engines' condition data.
#include "common/cp932.h"
#include "engines/common/condition_readers.h"
#include "frontend/model/block_file.h"
#include "frontend/model/tests/block_fixtures.h"

#include <gtest/gtest.h>

#include <memory>

namespace qvt::engine {
namespace {

namespace m = qvt::model;
namespace mt = qvt::model::testing;

std::string sjis(const std::string& utf8) { return utf8_to_cp932(utf8).value(); }
// The engines keep a name line as it stands, so an empty name is the writer's blanks.
std::string written_name(const std::string& utf8, std::size_t blanks) {
  return utf8.empty() ? std::string(blanks, ' ') : sjis(utf8);
}

void expect_head(const BlockHead& e, const m::BlockHead& f) {
  EXPECT_EQ(std::string(e.name.c_str()), written_name(f.name, 16));
  EXPECT_EQ(e.ref_x, f.ref_x);
  EXPECT_EQ(e.ref_y, f.ref_y);
  EXPECT_EQ(e.length, f.length);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(e.unit_weights[k], f.unit_weights[k]) << k;
  EXPECT_EQ(e.label_x, f.label_x);
  EXPECT_EQ(e.label_y, f.label_y);
  EXPECT_EQ(e.mark_x, f.mark_x);
  EXPECT_EQ(e.mark_y, f.mark_y);
}

template <class E, class F>
void expect_parametric(const E& e, const F& f) {
  EXPECT_EQ(e.flag_a, f.flag_a);
  EXPECT_EQ(e.flag_b, f.flag_b);
  for (int r = 0; r < 4; ++r)
    for (int k = 0; k < 4; ++k) EXPECT_EQ(e.dims_a[r][k], f.dims_a[r][k]);
  for (int r = 0; r < 2; ++r)
    for (int k = 0; k < 8; ++k) EXPECT_EQ(e.dims_b[r][k], f.dims_b[r][k]);
  EXPECT_EQ(e.part_count, f.part_count);
  for (int k = 0; k < m::PART_NAMES; ++k)
    EXPECT_EQ(std::string(e.part_names[k].c_str()), written_name(f.part_names[k], 24)) << k;
  for (int r = 0; r < 4; ++r)
    for (int k = 0; k < 8; ++k) EXPECT_EQ(e.part_values[r][k], f.part_values[r][k]);
  EXPECT_EQ(e.outline_count, f.outline_count);
  EXPECT_EQ(e.tail, f.tail);
}

TEST(BlockReaderAgainstWriter, EveryTypeReadsBackFieldForField) {
  auto pm = std::make_unique<m::ProjectModel>();
  m::ProjectModel& model = *pm;
  mt::fill_every_block_type(model);
  const std::vector<std::string> lines = m::block_file_lines(model).lines;
  auto data = std::make_unique<ConditionData>();
  const Status st = parse_block_lines(lines, *data);
  ASSERT_TRUE(st.ok());

  for (int s = 0; s < m::MAX_WALL_BLOCKS; ++s) {
    SCOPED_TRACE(s);
    const m::WallBlock& f = model.wall_blocks[s];
    const WallBlock& e = data->wall_blocks[s];
    ASSERT_EQ(e.block_type, f.block_type);
    EXPECT_EQ(data->block_label_numbers[s], model.block_label_numbers[s]);
    switch (f.block_type) {
      case m::BLOCK_CAISSON:
      case m::BLOCK_FOOTING_CAISSON:
        EXPECT_EQ(e.sub_type, f.caisson.sub_type);
        expect_head(e.head, f.caisson.head);
        expect_parametric(e.caisson, f.caisson);
        for (int p = 0; p < m::CAISSON_OUTLINE_POINTS; ++p) {
          EXPECT_EQ(e.caisson.outline_x[p], static_cast<float>(f.caisson.outline_x[p])) << p;
          EXPECT_EQ(e.caisson.outline_y[p], static_cast<float>(f.caisson.outline_y[p])) << p;
        }
        break;
      case m::BLOCK_COUNTERFORT:
        EXPECT_EQ(e.sub_type, f.counterfort.sub_type);
        expect_head(e.head, f.counterfort.head);
        expect_parametric(e.counterfort, f.counterfort);
        for (int p = 0; p < m::COUNTERFORT_OUTLINE_POINTS; ++p) {
          EXPECT_EQ(e.counterfort.outline_x[p], f.counterfort.outline_x[p]) << p;
          EXPECT_EQ(e.counterfort.outline_y[p], f.counterfort.outline_y[p]) << p;
        }
        break;
      case m::BLOCK_QUAD:
      case m::BLOCK_LIBRARY: {
        const m::QuadShape& q = f.block_type == m::BLOCK_QUAD ? f.quad : f.library;
        expect_head(e.head, q.head);
        const double* values = f.block_type == m::BLOCK_QUAD ? e.quad.values : e.library.values;
        const double* cx = f.block_type == m::BLOCK_QUAD ? e.quad.corner_x : e.library.corner_x;
        const double* cy = f.block_type == m::BLOCK_QUAD ? e.quad.corner_y : e.library.corner_y;
        for (int k = 0; k < 4; ++k) {
          EXPECT_EQ(values[k], q.values[k]);
          EXPECT_EQ(cx[k], q.corner_x[k]);
          EXPECT_EQ(cy[k], q.corner_y[k]);
        }
        if (f.block_type == m::BLOCK_LIBRARY) {
          EXPECT_EQ(e.library.value, f.library.value);
          EXPECT_EQ(e.library.library_index, f.library.library_index);
          EXPECT_EQ(e.library.mirrored, f.library.mirrored);
        } else {
          EXPECT_EQ(e.quad.value, f.quad.value);
        }
        break;
      }
      default:
        expect_head(e.head, f.polygon.head);
        EXPECT_EQ(e.polygon.vertex_count, f.polygon.vertex_count);
        EXPECT_EQ(e.polygon.reserved, f.polygon.reserved);
        for (int v = 0; v < m::POLYGON_VERTICES; ++v) {
          EXPECT_EQ(e.polygon.vertex_x[v], f.polygon.vertex_x[v]) << v;
          EXPECT_EQ(e.polygon.vertex_y[v], f.polygon.vertex_y[v]) << v;
        }
    }
  }

  // The library: its reals went through three decimals, which the fixture values survive.
  ASSERT_EQ(data->shape_library_count, model.shape_library_count);
  for (int k = 0; k < model.shape_library_count; ++k) {
    SCOPED_TRACE(k);
    const m::ShapeEntry& f = model.shape_library[k];
    const ShapeEntry& e = data->shape_library[k];
    EXPECT_EQ(std::string(e.name.c_str()), sjis(f.name));
    for (int v = 0; v < 6; ++v) EXPECT_EQ(e.values[v], f.values[v]) << v;
    ASSERT_EQ(e.layer_count, f.layer_count);
    for (int l = 0; l < f.layer_count; ++l) {
      EXPECT_EQ(e.layer_a[l], f.layer_a[l]);
      EXPECT_EQ(e.layer_c[l], f.layer_c[l]);
    }
    ASSERT_EQ(e.point_count, f.point_count);
    for (int p = 1; p <= f.point_count; ++p) {
      EXPECT_EQ(e.point_x[p], f.point_x[p]);
      EXPECT_EQ(e.point_y[p], f.point_y[p]);
    }
    ASSERT_EQ(e.pair_count, f.pair_count);
    for (int p = 1; p <= f.pair_count; ++p) EXPECT_EQ(e.pair_second[p], f.pair_second[p]);
  }
}

}  // namespace
}  // namespace qvt::engine
