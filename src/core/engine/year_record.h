#pragma once

#include "engine/run_context.h"

namespace finplan {

// The opening snapshot of a shown year: the result row, the account values and the plot
// file's year lines. `plotAge` is the age the plot file shows (fractional in a birthday year).
void recordOpeningSnapshot(RunContext& run, float plotAge);

// The year's flows into the result row, the plot file and the event log (shown years only).
void recordYearFlows(RunContext& run);

// The kind totals and liabilities of the current whole age.
void recordAgeTotals(RunContext& run);

} // namespace finplan
