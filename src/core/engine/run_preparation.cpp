#include "engine/run_preparation.h"

#include "engine/random_draws.h"
#include "model/derived_totals.h"

namespace finplan {

void prepareRun(Scenario& scenario, const RunSwitches& switches) {
    deriveTotals(scenario);
    if (switches.randomAccountRates) {
        resetAccountRateStats(scenario);
    }
}

} // namespace finplan
