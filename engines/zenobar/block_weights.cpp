#include "engines/zenobar/zenobar.h"

#include "engines/zenobar/zenobar_data.h"

namespace qvt::zenobar {

int run_block_weights() { return 0; }

}  // namespace qvt::zenobar
