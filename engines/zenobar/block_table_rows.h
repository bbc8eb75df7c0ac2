#pragma once
// Records shared by the block tables of the weight and buoyancy sections: the table heading
// with its repeated column header, and the centroid of a block from its moment sums.
#include "engines/zenobar/zenobar_data.h"

#include <string_view>

namespace qvt::zenobar {

// "$R  keep", "$T  ", the heading QVT_BK00 with the block name and the unit weight label, and
// the repeated column header QVT_BK03 with the label again. Name and label are CP932.
void write_block_table_heading(engine::PrintFile& report, int keep, std::string_view block_name,
                               std::string_view label);

// The block's total row (QVT_BK02: weight, centroid, moments) and the end of its table. The
// writers print the moment about y with their own width.
void write_block_total_and_end(engine::PrintFile& report, const BlockResult& result,
                               int moment_y_width);

// round(moment / weight), 0 when the weight is 0.
double centroid_of(double moment, double weight);

}  // namespace qvt::zenobar
