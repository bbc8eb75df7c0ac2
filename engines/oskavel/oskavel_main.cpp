// OSKAVEL: the block division drawing engine. Arguments are ignored.
#include "engines/oskavel/oskavel.h"

int main() { return qvt::engine::start_engine(qvt::oskavel::run_block_division_drawing); }
