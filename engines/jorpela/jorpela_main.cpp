// JORPELA: the internal stability engine. Arguments are ignored.
#include "engines/jorpela/jorpela.h"

int main() { return qvt::engine::start_engine(qvt::jorpela::run_internal_stability_checks); }
