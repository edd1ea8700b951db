#pragma once

#include "model/scenario.h"

namespace finplan {

// Stable bubble sort of the events on start age, then type (signed).
void sortEvents(Scenario& scenario);

// Stable bubble sort of the events on name alone (byte-wise).
void sortEventsByName(Scenario& scenario);

} // namespace finplan
