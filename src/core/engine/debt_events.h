#pragma once

#include "engine/run_context.h"

namespace finplan {

// Loans, mortgages and credit-card debt in a run. The event step calls startDebtEvent in the
// year a type 3 or 4 event starts (after setting currentAmount, state and sold) and then
// applyDebtYear in every year the event is active, that first year included.

// Computes the monthly payment of a loan or mortgage and books the purchase: the loan into its
// account, the down payment, the equity, the closing costs. A loan whose account does not exist
// books nothing and is finished at once.
void startDebtEvent(RunContext& run, int eventIndex);

// One year of a debt: its payments, the property taxes, the payoff at the payoff age and the
// sale at the sell age.
void applyDebtYear(RunContext& run, int eventIndex);

} // namespace finplan
