#pragma once

#include "model/account_table.h"
#include "model/scenario.h"
#include "results/rate_stats.h"
#include "results/red_flags.h"
#include "results/run_totals.h"
#include "results/schedule_line.h"
#include "results/year_flows.h"

#include <string>
#include <string_view>
#include <vector>

namespace finplan {

// The texts of the financial schedule's own lines (event lines are made by their events).
// Amounts appear as money texts and rates as rate texts (money_text.h). Nothing here writes
// anything: the run passes the texts to the schedule sink with the kinds given.

// `count` hyphens (184 before a year's totals, 185 after them, 175 around the final totals).
std::string hyphenLine(int count);

// The age, then the money texts of the kind totals, liabilities and net worth, separated by
// tabs, each right-aligned in 15 characters.
std::string totalsLine(float age, const RunTotals& totals);

// "Initial Rates:" (kPlainLine), each used account's entered rate (kAccountRateLine), then
// the tax, inflation and appreciation rates (kScenarioRateLine).
std::vector<ScheduleLine> initialRatesBlock(const Scenario& scenario, float taxRate,
                                            float inflationRate, float avgEquityRate);

// The line naming the random distribution in effect. `randomAccounts` is set when account
// rates are random; it wins over group rates, so callers pass it whenever it is on. A
// distribution other than 0, 1 or 2 gives an empty text.
std::string inEffectLine(bool randomAccounts, int distribution);

// The drawn rate of an account or group during the year's growth (kAccountRateLine).
std::string rateDetailLine(std::string_view name, float rate);

// The year's payment lines; callers write each only when its amount is positive.
std::string savingsInterestTaxLine(float amount);
std::string withdrawalTaxesLine(float amount);
std::string penaltiesPaidLine(float amount);
std::string depositTaxesLine(float amount);

// The sum shown as "Total Outgoing", added in single precision in the order the line lists.
float totalOutgoing(const YearFlows& flows);

// "Summary:" with the totals in and out and each positive flow beneath its total.
std::vector<std::string> summaryBlock(const YearFlows& flows);

// "End Of Year Account Summary:" and one line per used account with its balance.
std::vector<std::string> accountSummaryBlock(const AccountTable& accounts);

// "Rate Statistics:" and, with random account rates, a line per used account whose count
// (in the scenario's slot arrays) is positive, else a line per group with a positive count.
// Every line, the heading included, has kind kAccountRateLine.
std::vector<ScheduleLine> rateStatisticsBlock(const Scenario& scenario, bool randomAccountRates,
                                              const GroupRateStatsTable& groupStats);

// "Red flags at age(s):" and a line per raised flag, in a fixed order; nothing at all when no
// flag is raised.
std::vector<std::string> redFlagLines(const RedFlags& flags);

} // namespace finplan
