#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_context.h"

#include <array>
#include <string_view>

namespace finplan::cli {

inline constexpr std::array<std::string_view, 2> kMonteCarloFlags = {"--random-accounts",
                                                                     "--random-groups"};
inline constexpr std::array<std::string_view, 8> kMonteCarloValued = {
    "--trials", "--seed", "--threads", "--csv", "--png", "--size", "--today", "--workdir"};
inline constexpr OptionSpec kMonteCarloOptions{kMonteCarloFlags, kMonteCarloValued};

// `montecarlo SCENARIO.RET`: many runs of the scenario with random rates, trial t seeded
// seed + t; prints the success rate, the red flags' shares and the net worth bands by age.
ExitCode runMonteCarlo(const CliContext& context, const CliArguments& arguments);

} // namespace finplan::cli
