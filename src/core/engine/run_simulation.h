#pragma once

#include "engine/run_context.h"
#include "results/results_export.h"

#include <iosfwd>

namespace finplan {

// Simulates the scenario from its start age to its end age. Lines go to the schedule list
// (Display), to `scheduleFile` (SaveResults: opened by the caller) or to the print work file
// "ptmpsch.dat" in the work directory (PrintResults). Returns 1 when the run completed, 0 when
// it could not start (a file could not be opened, impossible ages, print preparation).
// In the file modes the scenario description comes first. With `exportTo` the run also
// writes the yearly account balances as an export table.
int runSimulation(Scenario& scenario, RunOutput& output, const RunSwitches& switches,
                  RunEnvironment& environment, OutputMode mode,
                  std::ostream* scheduleFile = nullptr, ResultsExport* exportTo = nullptr);

} // namespace finplan
