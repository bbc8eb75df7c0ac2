// ZENOBAR: the block weight engine. Arguments are ignored.
#include "engines/zenobar/zenobar.h"

int main() { return qvt::engine::start_engine(qvt::zenobar::run_block_weights); }
