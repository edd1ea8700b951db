#pragma once

#include "model/scenario.h"

namespace finplan {

// The empty event record: type 99, empty name, every other field 0.
EventRecord emptyEvent();

// Gives every block its new-scenario value. The birth date and its switch keep their values
// (a new scenario is usually for the same person).
void resetScenario(Scenario& scenario);

// Empties one event record; `listLine` and `sold` keep their values.
void clearEvent(Scenario& scenario, int eventIndex);

} // namespace finplan
