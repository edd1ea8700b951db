#pragma once

#include "engine/run_context.h"

#include <iosfwd>

namespace finplan {

// Simulates the scenario from its start age to its end age. Lines go to the schedule list
// (Display), to `scheduleFile` (SaveResults: opened by the caller) or to the print work file
// "ptmpsch.dat" in the work directory (PrintResults). Returns 1 when the run completed, 0 when
// it could not start (a file could not be opened, impossible ages, print preparation).
int runSimulation(Scenario& scenario, RunOutput& output, const RunSwitches& switches,
                  RunEnvironment& environment, OutputMode mode,
                  std::ostream* scheduleFile = nullptr);

} // namespace finplan
