#pragma once

#include "engine/run_switches.h"
#include "model/scenario.h"

namespace finplan {

// What every run does to the scenario before the simulation starts: the derived totals, and
// fresh account rate statistics when account rates are drawn. A run from the same scenario,
// switches and seed then gives the same result wherever it is started.
void prepareRun(Scenario& scenario, const RunSwitches& switches);

} // namespace finplan
