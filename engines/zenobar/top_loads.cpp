#include "engines/zenobar/top_loads.h"

namespace qvt::zenobar {

namespace {
std::vector<TopLoad>& rows() {
  static std::vector<TopLoad> r;
  return r;
}
}  // namespace

const std::vector<TopLoad>& top_surcharge_rows() { return rows(); }

void set_top_surcharge_rows(std::vector<TopLoad> r) { rows() = std::move(r); }

}  // namespace qvt::zenobar
