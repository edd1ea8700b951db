#include "cli/run_command.h"

#include "cli/scenario_files.h"
#include "engine/random_draws.h"
#include "engine/run_simulation.h"
#include "model/derived_totals.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <ostream>
#include <string>

namespace finplan::cli {

std::optional<LocalDateTime> parseToday(std::string_view text) {
    LocalDateTime at;
    int used = 0;
    const std::string copy(text);
    const int fields =
        std::sscanf(copy.c_str(), "%4d-%2d-%2d%n", &at.year, &at.month, &at.day, &used);
    if (fields != 3) {
        return std::nullopt;
    }
    if (static_cast<std::size_t>(used) < copy.size()) {
        int more = 0;
        if (std::sscanf(copy.c_str() + used, "T%2d:%2d:%2d%n", &at.hour, &at.minute, &at.second,
                        &more) != 3 ||
            static_cast<std::size_t>(used + more) != copy.size()) {
            return std::nullopt;
        }
    }
    const bool valid = at.month >= 1 && at.month <= 12 && at.day >= 1 && at.day <= 31 &&
                       at.hour >= 0 && at.hour < 24 && at.minute >= 0 && at.minute < 60 &&
                       at.second >= 0 && at.second < 60;
    return valid ? std::optional(at) : std::nullopt;
}

namespace {

// The seed of the random rates: the user's, or the clock's seconds as at program start.
std::optional<std::uint32_t> randomSeed(const CliArguments& arguments) {
    const auto text = arguments.value("--seed");
    if (!text) {
        return static_cast<std::uint32_t>(std::time(nullptr));
    }
    std::uint32_t seed = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), seed);
    if (error != std::errc() || end != text->data() + text->size()) {
        return std::nullopt;
    }
    return seed;
}

} // namespace

ExitCode runRun(const CliContext& context, const CliArguments& arguments) {
    const auto seed = randomSeed(arguments);
    if (!seed) {
        context.err << "finplan-cli: --seed takes a whole number from 0 to 4294967295\n";
        return ExitCode::Usage;
    }
    if (arguments.has("--random-accounts") && arguments.has("--random-groups")) {
        context.err << "finplan-cli: --random-accounts and --random-groups cannot be combined\n";
        return ExitCode::Usage;
    }
    std::optional<LocalDateTime> today;
    if (const auto text = arguments.value("--today")) {
        today = parseToday(*text);
        if (!today) {
            context.err << "finplan-cli: --today takes YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS, got \""
                        << *text << "\"\n";
            return ExitCode::Usage;
        }
    }
    Scenario scenario;
    AppSettings settings;
    if (const ExitCode loaded = loadScenario(context, arguments.files[0], scenario, settings);
        loaded != ExitCode::Success) {
        return loaded;
    }
    deriveTotals(scenario);

    RunSwitches switches;
    switches.detailedResults = arguments.has("--detailed");
    switches.accountSummary = arguments.has("--accounts");
    switches.summary = arguments.has("--summary");
    switches.randomAccountRates = arguments.has("--random-accounts");
    switches.randomGroupRates = arguments.has("--random-groups");
    if (switches.randomAccountRates) {
        resetAccountRateStats(scenario);
    }
    RandomSource random(*seed);
    const SystemClock systemClock;
    const FixedClock fixedClock(today.value_or(LocalDateTime{}));
    const Clock& clock = today ? static_cast<const Clock&>(fixedClock) : systemClock;
    RunEnvironment environment{arguments.value("--workdir").value_or("."), context.dialogs, clock,
                               &random};
    RunOutput output;
    if (runSimulation(scenario, output, switches, environment, OutputMode::Display) != 1) {
        return ExitCode::ReadFailed;
    }
    for (const ScheduleLine& line : output.schedule.lines) {
        context.out << line.text << '\n';
    }
    return ExitCode::Success;
}

} // namespace finplan::cli
