#pragma once

#include "model/scenario.h"

#include <string>
#include <vector>

namespace finplan {

// The scenario as text: an "Initial Rates" line, then a block of lines per event. The event
// list window shows it and the events report prints it.
//
// Sorts the events, then stores in each event's `listLine` the index of its first line
// (kNoListLine for an event that produces no line). An RMD distribution shown with an
// unknown `rmdDistribution` sets that field to 3, the way it is shown.
std::vector<std::string> buildScenarioList(Scenario& scenario);

// The index of the event that owns a line of the list last built: the event whose block
// starts at or contains it. -1 for the header line and for lines no event owns.
int eventForListLine(const Scenario& scenario, int line);

} // namespace finplan
