// VASKUDE: the earth pressure engine. Arguments are ignored.
#include "engines/vaskude/vaskude.h"

int main() { return qvt::engine::start_engine(qvt::vaskude::run_earth_pressures); }
