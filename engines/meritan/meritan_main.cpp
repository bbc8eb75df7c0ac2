// MERITAN: the external stability engine. Arguments are ignored.
#include "engines/meritan/meritan.h"

int main() { return qvt::engine::start_engine(qvt::meritan::run_external_stability_checks); }
