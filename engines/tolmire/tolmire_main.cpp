// TOLMIRE: the earth pressure report engine. Arguments are ignored.
#include "engines/tolmire/tolmire.h"

int main() { return qvt::engine::start_engine(qvt::tolmire::run_earth_pressure_report); }
