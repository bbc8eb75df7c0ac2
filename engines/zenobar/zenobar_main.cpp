// ZENOBAR: the block weight engine. Arguments are ignored.
#include "engines/zenobar/zenobar.h"

int main() { return qvt::zenobar::run_block_weights(); }
