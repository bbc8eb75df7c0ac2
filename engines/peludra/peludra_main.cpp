// PELUDRA: the condition drawing engine. Arguments are ignored.
#include "engines/peludra/peludra.h"

int main() { return qvt::engine::start_engine(qvt::peludra::run_condition_drawing); }
