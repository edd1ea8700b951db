#pragma once

#include "engine/run_context.h"

namespace finplan {

// This year's inflation rate under random rates.
float drawInflationRate(RunContext& run);

// Draws the ten group rates of the year (random group rates, ranged distributions).
void drawGroupRates(RunContext& run);

// The rate an account grows by this year: drawn under random rates, else its current rate.
float accountGrowthRate(RunContext& run, const AccountRecord& account);

// The detail line of an account's drawn rate, and its statistics (or its group's).
void reportDrawnRate(RunContext& run, AccountRecord& account, float rate);

// Statistics of the account rates before a run with random account rates.
void resetAccountRateStats(Scenario& scenario);

} // namespace finplan
