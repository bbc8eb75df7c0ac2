#pragma once
// Which block types a block file's slot may hold: the one rule of every block file reader,
// the front end's and the engines' alike.
#include "common/section_limits.h"

namespace qvt {

// Every type of BlockType has a record layout; any other value has none, and reading on would
// take the following slots from the wrong lines.
constexpr bool known_block_type(int type) { return type >= BLOCK_EMPTY && type <= BLOCK_LIBRARY; }

}  // namespace qvt
