#pragma once

#include "model/scenario.h"

namespace finplan {

// Whether an event can be copied: not budget-driven, older budget, asset allocation or RMD
// events, nor an index past the events.
bool mayCopyEvent(const Scenario& scenario, int index);

// Copies the event's 160 bytes to the record past the last event and counts it; false when
// the event may not be copied or the table is full.
bool copyEventPastLast(Scenario& scenario, int index);

// Removes an event: later events move up, the count drops, the freed record is cleared. A
// budget-driven withdrawal also ends its budget's `active` flag, an asset allocation event the
// allocation mode. An RMD distribution and an index past the events are not deleted (false).
bool deleteEventAt(Scenario& scenario, int index);

} // namespace finplan
