#pragma once

#include "model/scenario.h"

namespace finplan {

// Recomputes the header's initial totals and average rates from the accounts, and sets each
// used account's balance and current rate to its initial values.
void deriveTotals(Scenario& scenario);

// Run-time fields of accounts and events back to their start-of-run values.
void resetRunFields(Scenario& scenario);

} // namespace finplan
