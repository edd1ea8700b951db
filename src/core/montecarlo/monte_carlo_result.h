#pragma once

#include "montecarlo/age_samples.h"
#include "montecarlo/percentiles.h"
#include "montecarlo/random_mode.h"
#include "montecarlo/trial_outcome.h"

#include <array>
#include <cstdint>
#include <vector>

namespace finplan {

// How often one red flag was raised over the trials, and the median of its first age among
// the trials that raised it (0 when none did).
struct FlagShare {
    int trials = 0;
    int medianAge = 0;

    friend bool operator==(const FlagShare&, const FlagShare&) = default;
};

// The summary of many trials of one scenario.
struct MonteCarloResult {
    int trials = 0;
    std::uint32_t seed = 0;
    RandomMode mode = RandomMode::Groups;
    int successes = 0;
    std::array<FlagShare, kFlagKinds> flags{};
    // Per shown age: the age and the band percentiles of net worth and of liquid savings
    // (investment, tax-free and retirement).
    std::vector<float> ages;
    std::vector<Bands> netWorth;
    std::vector<Bands> liquid;

    const FlagShare& flag(FlagKind kind) const { return flags[static_cast<std::size_t>(kind)]; }
    // The net worth at the final age.
    Bands finalNetWorth() const { return netWorth.empty() ? Bands{} : netWorth.back(); }

    friend bool operator==(const MonteCarloResult&, const MonteCarloResult&) = default;
};

// What the trials left, one column or entry per trial.
struct TrialSamples {
    std::vector<float> ages;
    AgeSamples netWorth;
    AgeSamples liquid;
    std::vector<TrialOutcome> outcomes;
};

// The success rate, flag shares and bands of the trials in `samples` (whose values are
// reordered).
MonteCarloResult summarizeTrials(TrialSamples& samples);

} // namespace finplan
