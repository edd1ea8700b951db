#pragma once

#include "engine/run_context.h"

namespace finplan {

// Simulates the scenario from its start age to its end age into the result tables of `output`,
// writing besides only what `outputs` asks for. Returns 1 when the run completed, 0 when it
// could not start (impossible ages, a run file that could not be opened).
int runSimulation(Scenario& scenario, RunOutput& output, const RunSwitches& switches,
                  RunEnvironment& environment, const RunOutputs& outputs = {});

} // namespace finplan
