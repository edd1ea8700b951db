#pragma once

#include "montecarlo/monte_carlo_result.h"

#include <string>
#include <vector>

namespace finplan {

// The fan chart's heading: "Net worth of 10,000 trials".
std::string chartHeading(const MonteCarloResult& result);

// "Success: 93.40% (9,340 of 10,000)".
std::string successLine(const MonteCarloResult& result);

// One line per red flag that at least one trial raised, in the schedule's order:
// "Liquid accounts depleted: 6.60%, median first age 84".
std::vector<std::string> flagLines(const MonteCarloResult& result);

// The summary the command line prints: trials, seed, success, flags, then the net worth
// bands as a tab-separated table with one row per shown age.
std::vector<std::string> summaryLines(const MonteCarloResult& result);

// The bands of net worth and of liquid savings by age, comma-separated, with a heading row.
std::string bandsCsv(const MonteCarloResult& result);

} // namespace finplan
