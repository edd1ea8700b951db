#pragma once

#include "model/scenario.h"

namespace finplan {

// The empty event record: type 99, empty name, every other field 0.
EventRecord emptyEvent();

// Gives every block its new-scenario value. The birth date and its switch keep their values
// (a new scenario is usually for the same person).
void resetScenario(Scenario& scenario);

// Gives every one of the 50 account records the slot of its own index, with these penalty
// values and out of the asset allocation: what a file without its slot arrays gets.
void resetSlotsToIndexes(Scenario& scenario, float penaltyAge, float penaltyRate);

// What new accounts leave behind of the old ones: no slot in the asset allocation, RMD tables
// or first withdrawal ages, no allocation mode, empty groups, and the three life tables
// starting at 70 named "IRA 1" to "IRA 3".
void clearAccountDependents(Scenario& scenario);

// Empties one event record; `listLine` and `sold` keep their values.
void clearEvent(Scenario& scenario, int eventIndex);

} // namespace finplan
