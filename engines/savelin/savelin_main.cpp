// SAVELIN: the design conditions report engine. Arguments are ignored.
#include "engines/savelin/savelin.h"

int main() { return qvt::engine::start_engine(qvt::savelin::run_design_conditions_report); }
