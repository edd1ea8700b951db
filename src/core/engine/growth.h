#pragma once

#include "engine/run_context.h"

namespace finplan {

// The end of a simulated year: accounts grow, Investment interest is taxed, assets and
// property appreciate, the year's taxes and penalties are paid, the summary is written and
// the year's flows recorded.
void applyYearGrowth(RunContext& run);

} // namespace finplan
