#pragma once

#include "engine/run_context.h"

namespace finplan {

// Lets one event act in the current year: starts it when its age has come and does the
// year's work of its type.
void applyEventForYear(RunContext& run, int eventIndex);

} // namespace finplan
