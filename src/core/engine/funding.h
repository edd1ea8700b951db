#pragma once

#include "engine/run_context.h"

namespace finplan {

// Why money is funded, which decides the charges a Retirement or Tax-Free withdrawal brings.
// Codes below kTaxPayment are ordinary withdrawals: taxed and penalised.
inline constexpr int kOrdinaryWithdrawal = 0;
inline constexpr int kTaxPayment = 67;     // penalised, not taxed
inline constexpr int kPenaltyPayment = 98; // neither

// Takes `amount` from the account with this id; returns what that account could not cover.
float withdrawFromAccount(RunContext& run, float amount, int eventIndex, int accountId);

// Takes `amount` from the liquid accounts in table order, through the asset allocation first
// when it applies. What no account covers is charged to the first Investment account.
void fundWithdrawal(RunContext& run, float amount, float age, int purpose, int lineKind);

// Pays a charge of an event: from its chosen account first (`accountId` >= 0), and what that
// account cannot cover through the default funding.
void payFromAccountOrFunding(RunContext& run, float amount, int eventIndex, int accountId);

// Spreads `amount` over the accounts of the asset allocation by their shares; returns what was
// not covered, or 0 when that is at most 1.00.
float fundByAllocation(RunContext& run, float amount, float age, int purpose, int lineKind);

// The share of each allocation member, by the allocation mode.
void computeAllocationShares(RunContext& run);

} // namespace finplan
