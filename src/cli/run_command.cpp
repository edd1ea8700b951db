#include "cli/run_command.h"

#include "cli/cli_planner.h"
#include "model/file_io.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <ostream>
#include <string>
#include <vector>

namespace finplan::cli {

namespace {

int daysInMonth(int year, int month) {
    constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[static_cast<std::size_t>(month - 1)];
}

} // namespace

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
    const bool valid = at.year >= 1 && at.month >= 1 && at.month <= 12 && at.day >= 1 &&
                       at.day <= daysInMonth(at.year, at.month) && at.hour >= 0 && at.hour < 24 &&
                       at.minute >= 0 && at.minute < 60 && at.second >= 0 && at.second < 60;
    return valid ? std::optional(at) : std::nullopt;
}

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

RunSwitches runSwitches(const CliArguments& arguments) {
    RunSwitches switches;
    switches.detailedResults = arguments.has("--detailed");
    switches.accountSummary = arguments.has("--accounts");
    switches.summary = arguments.has("--summary");
    switches.randomAccountRates = arguments.has("--random-accounts");
    switches.randomGroupRates = arguments.has("--random-groups");
    return switches;
}

// An output file the command may write: a new one, or an existing one after a Yes (--yes).
// Says why and gives the exit status when it may not.
std::optional<ExitCode> refusedOutput(const CliContext& context, const std::string& path) {
    if (!fileExists(path) ||
        context.dialogs.ask(path + " exists - Overwrite anyway?", "FILE WARNING",
                            MessageIcon::Question) == Answer::Yes) {
        return std::nullopt;
    }
    context.err << "finplan-cli: " << path << " was not overwritten (add --yes to replace it)\n";
    return ExitCode::Usage;
}

namespace {

// Whether the last run wrote its run files whole (it said which it could not).
bool ranFiles(const Planner& planner) {
    return planner.output().fileFailure.empty();
}

// The status of an output the planner refused or failed to write.
ExitCode failedOutput(const CliContext& context, bool existed, const std::string& path) {
    if (existed && !context.answerYes) {
        context.err << "finplan-cli: " << path
                    << " was not overwritten (add --yes to replace it)\n";
        return ExitCode::Usage;
    }
    return ExitCode::WriteFailed;
}

ExitCode writeExports(const CliContext& context, const CliArguments& arguments, Planner& planner) {
    for (const auto& [option, kind] : {std::pair{"--export-tab", ExportKind::Tab},
                                       std::pair{"--export-csv", ExportKind::Comma}}) {
        if (const auto path = arguments.value(option)) {
            const bool existed = fileExists(*path);
            if (!planner.exportResults(*path, kind)) {
                return failedOutput(context, existed, *path);
            }
        }
    }
    return ExitCode::Success;
}

ExitCode writeSavedFiles(const CliContext& context, const CliArguments& arguments,
                         Planner& planner) {
    if (const auto path = arguments.value("--schedule")) {
        if (const auto refused = refusedOutput(context, *path)) {
            return *refused;
        }
        if (!planner.writeSchedule(*path)) {
            return ExitCode::WriteFailed;
        }
    }
    if (const auto path = arguments.value("--save-graphs")) {
        const bool existed = fileExists(*path);
        if (!planner.saveGraphs(*path)) {
            return failedOutput(context, existed, *path);
        }
    }
    return ExitCode::Success;
}

} // namespace

ExitCode runRun(const CliContext& context, const CliArguments& arguments) {
    const auto seed = randomSeed(arguments);
    if (!seed) {
        context.err << kSeedProblem;
        return ExitCode::Usage;
    }
    if (arguments.has("--random-accounts") && arguments.has("--random-groups")) {
        context.err << "finplan-cli: --random-accounts and --random-groups cannot be combined\n";
        return ExitCode::Usage;
    }
    ExitCode status = ExitCode::Success;
    const auto planner = CliPlanner::loaded(context, arguments, status);
    if (!planner) {
        return status;
    }
    // Every output comes from a run of its own from the same seed, so all of them describe
    // the same run. The first run's lines are printed: later runs find the accounts in run
    // order, as a second run of the window does.
    (*planner)->setFixedSeed(*seed);
    (*planner)->setSwitches(runSwitches(arguments));
    if (!(*planner)->run()) {
        return ranFiles(**planner) ? ExitCode::ReadFailed : ExitCode::WriteFailed;
    }
    if (!ranFiles(**planner)) {
        return ExitCode::WriteFailed;
    }
    const std::vector<ScheduleLine> lines = (*planner)->output().schedule.lines;
    if (const ExitCode exported = writeExports(context, arguments, **planner);
        exported != ExitCode::Success) {
        return exported;
    }
    for (const ScheduleLine& line : lines) {
        context.out << line.text << '\n';
    }
    return writeSavedFiles(context, arguments, **planner);
}

} // namespace finplan::cli
