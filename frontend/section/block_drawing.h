#pragma once
// Drawing one block slot on the section picture: the cross at its reference point, its label
// letter and its outline with the inner lines of its type.
#include "frontend/model/project.h"
#include "frontend/section/draw_sink.h"
#include "frontend/section/view.h"

#include <string>

namespace qvt::section {

// mode 0 normal (red cross, magenta or green label, white lines), 1 highlighted (all yellow).
// An empty slot draws nothing. A count or point index outside its array ends that block's
// outline where it is met.
void draw_wall_block(const model::ProjectModel& m, const ViewState& v, int slot, int mode,
                     DrawSink& sink);
// The label letter; called by draw_wall_block only.
void draw_block_label(const model::ProjectModel& m, const ViewState& v, int slot, int mode,
                      DrawSink& sink);

// "A" plus (number mod 26), the remainder taking the number's sign.
std::string block_label_text(int number);

}  // namespace qvt::section
