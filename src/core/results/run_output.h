#pragma once

#include "results/rate_stats.h"
#include "results/red_flags.h"
#include "results/result_tables.h"
#include "results/schedule_sink.h"

#include <array>
#include <string>
#include <vector>

namespace finplan {

// What runs leave behind for the views: the tables, the schedule list, the captions and the
// account names of the last run. Kept from run to run (rows a run does not reach stay).
struct RunOutput {
    ResultTables tables;
    ScheduleList schedule;
    std::array<std::string, 3> captions;
    std::vector<std::string> accountNames;
    RedFlags redFlags;
    GroupRateStatsTable groupStats{};
    int graphKind = 1; // the graph kind the plot file names
    // "<file>: <cause>" of a run file the last run could not write whole; empty when all were.
    std::string fileFailure;
};

} // namespace finplan
