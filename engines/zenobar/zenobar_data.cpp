#include "engines/zenobar/zenobar_data.h"

#include "common/cp932.h"

namespace qvt::zenobar {

BlockWeightData run_data;

void reset_run_data() { run_data = BlockWeightData{}; }

const std::string& case_label(int case_index) {
  static const std::string labels[2] = {utf8_to_cp932_lossy("〈常  時〉"),
                                        utf8_to_cp932_lossy("〈地震時〉")};
  return labels[case_index == CASE_SEISMIC ? 1 : 0];
}

const std::string& unit_weight_label(int kind) {
  static const std::string labels[2] = {utf8_to_cp932_lossy(" γ   "),
                                        utf8_to_cp932_lossy("γ-γ'")};
  return labels[kind == KIND_BUOYANCY ? 1 : 0];
}

}  // namespace qvt::zenobar
