#pragma once

#include "engine/run_context.h"

namespace finplan {

// Fills `allocationShare` for the accounts of life-expectancy table `table` (1..3) by the
// scenario's RMD distribution mode and returns their total positive balance; 0, with every
// share 0, when the table holds no money or the number names no table.
float computeRmdShares(RunContext& run, int table);

// The year's required minimum distribution by table `table` at whole age `age`: moves the
// table's balance divided by the age's life-expectancy divisor from the table's accounts into
// the RMD transfer account, taxed at the current tax rate, and writes the schedule lines with
// `eventIndex` as their kind. Bad table values, a table number outside 1..3 and a transfer
// account that does not exist are reported in the schedule and distribute nothing.
void distributeRmd(RunContext& run, int age, int eventIndex, int table);

} // namespace finplan
