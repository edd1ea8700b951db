#include "cli/montecarlo_command.h"

#include "cli/cli_planner.h"
#include "cli/run_command.h"
#include "model/file_io.h"
#include "model/safe_write.h"
#include "montecarlo/monte_carlo.h"
#include "montecarlo/result_text.h"
#ifdef FINPLAN_CLI_GRAPHS
#include "cli/graph_command.h"
#include "cli/offscreen_application.h"
#include "render/fan_chart.h"
#endif

#include <charconv>
#include <ostream>
#include <string>

namespace finplan::cli {

namespace {

constexpr int kMaxThreads = 64;

std::optional<int> countIn(const CliArguments& arguments, std::string_view option, int fallback,
                           int highest) {
    const auto text = arguments.value(option);
    if (!text) {
        return fallback;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || value < 1 ||
        value > highest) {
        return std::nullopt;
    }
    return value;
}

// The settings the options give, or a usage message and none.
std::optional<MonteCarloSettings> readSettings(const CliContext& context,
                                               const CliArguments& arguments) {
    MonteCarloSettings settings;
    const auto trials = countIn(arguments, "--trials", kDefaultTrials, kMaxTrials);
    const auto threads = countIn(arguments, "--threads", 0, kMaxThreads);
    const auto seed = randomSeed(arguments);
    if (!trials) {
        context.err << "finplan-cli: --trials takes a whole number from 1 to " << kMaxTrials
                    << '\n';
    } else if (!threads) {
        context.err << "finplan-cli: --threads takes a whole number from 1 to " << kMaxThreads
                    << '\n';
    } else if (!seed) {
        context.err << kSeedProblem;
    } else if (arguments.has("--random-accounts") && arguments.has("--random-groups")) {
        context.err << "finplan-cli: --random-accounts and --random-groups cannot be combined\n";
    } else {
        settings.trials = *trials;
        settings.threads = *threads;
        settings.seed = *seed;
        return settings;
    }
    return std::nullopt;
}

ExitCode writeCsv(const CliContext& context, const std::string& path,
                  const MonteCarloResult& result) {
    if (const auto refused = refusedOutput(context, path)) {
        return *refused;
    }
    const WriteResult written = writeFileReplacing(path, bandsCsv(result));
    if (!written) {
        context.err << "Cannot write " << writeFailureText(path, written) << '\n';
        return ExitCode::WriteFailed;
    }
    return ExitCode::Success;
}

ExitCode writePng(const CliContext& context, const CliArguments& arguments,
                  const MonteCarloResult& result) {
#ifdef FINPLAN_CLI_GRAPHS
    const OffscreenApplication application;
    const std::string path = *arguments.value("--png");
    const auto size = imageSize(arguments.value("--size").value_or("1024x768"));
    if (!size) {
        context.err << "finplan-cli: --size takes WIDTHxHEIGHT, each from 200 to 8000\n";
        return ExitCode::Usage;
    }
    if (const auto refused = refusedOutput(context, path)) {
        return *refused;
    }
    const WriteResult written = render::writeFanChartPng(path, result, *size);
    if (!written) {
        context.err << "Cannot write " << writeFailureText(path, written) << '\n';
        return ExitCode::WriteFailed;
    }
    return ExitCode::Success;
#else
    (void)arguments;
    (void)result;
    context.err << "finplan-cli: --png needs the graph drawing, which this build lacks\n";
    return ExitCode::Usage;
#endif
}

// The mode the options ask for, else the scenario's default; empty after the message when
// the scenario has nothing random.
std::optional<RandomMode> chosenMode(const CliContext& context, const CliArguments& arguments,
                                     const Scenario& scenario) {
    if (arguments.has("--random-accounts")) {
        return RandomMode::Accounts;
    }
    if (arguments.has("--random-groups")) {
        return RandomMode::Groups;
    }
    const auto mode = defaultRandomMode(scenario);
    if (!mode) {
        context.dialogs.error(std::string(kNoRandomRatesText), std::string(kMonteCarloTitle));
    }
    return mode;
}

} // namespace

ExitCode runMonteCarlo(const CliContext& context, const CliArguments& arguments) {
    auto settings = readSettings(context, arguments);
    if (!settings) {
        return ExitCode::Usage;
    }
    ExitCode status = ExitCode::Success;
    const auto planner = CliPlanner::loaded(context, arguments, status);
    if (!planner) {
        return status;
    }
    const auto mode = chosenMode(context, arguments, (*planner)->scenario());
    if (!mode) {
        return ExitCode::Refused;
    }
    settings->mode = *mode;
    const MonteCarloOutcome outcome = (*planner)->monteCarloJob(*settings).run();
    if (outcome.status != MonteCarloStatus::Done) {
        context.dialogs.show(outcome.refusal);
        return ExitCode::Refused;
    }
    for (const std::string& line : summaryLines(outcome.result)) {
        context.out << line << '\n';
    }
    if (const auto path = arguments.value("--csv")) {
        if (const ExitCode written = writeCsv(context, *path, outcome.result);
            written != ExitCode::Success) {
            return written;
        }
    }
    if (arguments.value("--png")) {
        return writePng(context, arguments, outcome.result);
    }
    return ExitCode::Success;
}

} // namespace finplan::cli
