#pragma once

#include "engine/run_switches.h"
#include "model/scenario.h"

#include <optional>
#include <string_view>

namespace finplan {

// Where the random rates of a trial come from: each account's own range, or the groups.
enum class RandomMode { Accounts, Groups };

// What a scenario without anything random to draw is told.
inline constexpr std::string_view kNoRandomRatesText =
    "This scenario has no random rates to draw: give its groups or its accounts a range of "
    "random rates first.";
inline constexpr std::string_view kMonteCarloTitle = "MONTE CARLO";

// Whether the scenario gives the mode anything to draw: an account whose minimum and maximum
// rate differ; a group range, or under the standard-deviation distribution an account with a
// deviation.
bool hasRandomRanges(const Scenario& scenario, RandomMode mode);

// Group rates when a group has a range, else account rates when an account has one; empty
// when the scenario has nothing random to draw.
std::optional<RandomMode> defaultRandomMode(const Scenario& scenario);

// The switches of a run with random rates of `mode`, as the random runs of the results page
// set them.
RunSwitches randomRunSwitches(RandomMode mode);

} // namespace finplan
