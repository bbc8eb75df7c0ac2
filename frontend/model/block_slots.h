#pragma once
// Emptying and finding the 20 block slots, as the block editors, the register buttons and the
// improved-body rebuild do it.
#include "frontend/model/project.h"

namespace qvt::model {

// The one message of a full slot table: the count 20 written as a signed number (one blank).
inline constexpr const char* kMsgBlockLimit =
    "ﾌﾞﾛｯｸ数が最大値( 20)に達しています。これ以上の追加はできません。";

// The lowest slot 0..19 whose block_type is -1, or -1 when every slot is used.
int first_free_block_slot(const ProjectModel& m);

// Empties a slot: block_type -1 and its polygon section cleared (name, reference point, length,
// unit weights 0..5, label and mark 0, no vertices, every vertex 0..117 unset). Other sections
// keep what they hold; nothing reads them while the slot is empty.
void clear_block_slot(WallBlock& b);

}  // namespace qvt::model
