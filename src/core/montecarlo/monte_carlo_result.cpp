#include "montecarlo/monte_carlo_result.h"

namespace finplan {

namespace {

FlagShare shareOf(const std::vector<TrialOutcome>& outcomes, FlagKind kind) {
    std::vector<float> ages;
    for (const TrialOutcome& outcome : outcomes) {
        if (outcome.flagAge(kind) >= 0) {
            ages.push_back(static_cast<float>(outcome.flagAge(kind)));
        }
    }
    return {static_cast<int>(ages.size()), static_cast<int>(nearestRank(ages, 50))};
}

} // namespace

MonteCarloResult summarizeTrials(TrialSamples& samples) {
    MonteCarloResult result;
    result.trials = static_cast<int>(samples.outcomes.size());
    for (const TrialOutcome& outcome : samples.outcomes) {
        result.successes += outcome.succeeded() ? 1 : 0;
    }
    for (int k = 0; k < kFlagKinds; ++k) {
        result.flags[static_cast<std::size_t>(k)] =
            shareOf(samples.outcomes, static_cast<FlagKind>(k));
    }
    result.ages = samples.ages;
    result.netWorth = samples.netWorth.bands(result.trials);
    result.liquid = samples.liquid.bands(result.trials);
    return result;
}

} // namespace finplan
