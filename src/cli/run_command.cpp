#include "cli/run_command.h"

#include "cli/scenario_files.h"
#include "engine/random_draws.h"
#include "engine/run_simulation.h"
#include "graphs/save_graphs.h"
#include "model/derived_totals.h"
#include "model/file_io.h"
#include "results/results_export.h"
#include "results/results_file.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

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

// Runs the scenario as often as the requested files need, each time from the same seed so
// that every file describes the same run.
class CliRunner {
public:
    CliRunner(const CliContext& context, Scenario& scenario, RunSwitches switches,
              std::uint32_t seed, const Clock& clock, std::filesystem::path workDir)
        : m_context(context)
        , m_scenario(scenario)
        , m_switches(switches)
        , m_seed(seed)
        , m_clock(clock)
        , m_workDir(std::move(workDir)) {}

    ExitCode display(RunOutput& output, const std::pair<ExportKind, std::string>* exportTo) {
        if (exportTo == nullptr) {
            return run(output, OutputMode::Display, nullptr, nullptr);
        }
        std::optional<std::ofstream> file;
        if (const ExitCode opened = open(exportTo->second, true, file);
            opened != ExitCode::Success) {
            return opened;
        }
        ResultsExport table(*file, exportTo->first);
        return run(output, OutputMode::Display, nullptr, &table);
    }

    ExitCode saveSchedule(const std::string& path) {
        std::optional<std::ofstream> file;
        if (const ExitCode opened = open(path, false, file); opened != ExitCode::Success) {
            return opened;
        }
        RunOutput output;
        m_switches.saveRunInProgress = true;
        const ExitCode code = run(output, OutputMode::SaveResults, &*file, nullptr);
        m_switches.saveRunInProgress = false;
        return code;
    }

    ExitCode saveGraphFile(const std::string& path) {
        const bool existed = fileExists(path);
        if (saveGraphs(m_workDir, path, m_context.dialogs)) {
            return ExitCode::Success;
        }
        return refusedOverwrite(existed, path) ? ExitCode::Usage : ExitCode::WriteFailed;
    }

private:
    ExitCode run(RunOutput& output, OutputMode mode, std::ostream* file, ResultsExport* table) {
        RandomSource random(m_seed);
        if (m_switches.randomAccountRates) {
            resetAccountRateStats(m_scenario);
        }
        RunEnvironment environment{m_workDir, m_context.dialogs, m_clock, &random};
        if (runSimulation(m_scenario, output, m_switches, environment, mode, file, table) != 1) {
            return ExitCode::ReadFailed;
        }
        return ExitCode::Success;
    }

    // Opens an output file; an existing one is replaced only after a Yes (--yes).
    ExitCode open(const std::string& path, bool exportFile, std::optional<std::ofstream>& file) {
        const bool existed = fileExists(path);
        if (exportFile) {
            file = openExportFile(path, m_context.dialogs);
        } else if (!existed ||
                   m_context.dialogs.ask(path + " exists - Overwrite anyway?", "FILE WARNING",
                                         MessageIcon::Question) == Answer::Yes) {
            file = openResultsFile(path, m_context.dialogs);
        }
        if (file) {
            return ExitCode::Success;
        }
        return refusedOverwrite(existed, path) ? ExitCode::Usage : ExitCode::WriteFailed;
    }

    bool refusedOverwrite(bool existed, const std::string& path) {
        if (!existed || m_context.answerYes) {
            return false;
        }
        m_context.err << "finplan-cli: " << path
                      << " was not overwritten (add --yes to replace it)\n";
        return true;
    }

    const CliContext& m_context;
    Scenario& m_scenario;
    RunSwitches m_switches;
    std::uint32_t m_seed;
    const Clock& m_clock;
    std::filesystem::path m_workDir;
};

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
    const SystemClock systemClock;
    const FixedClock fixedClock(today.value_or(LocalDateTime{}));
    const Clock& clock = today ? static_cast<const Clock&>(fixedClock) : systemClock;
    CliRunner runner{context, scenario, switches,
                     *seed,   clock,    arguments.value("--workdir").value_or(".")};

    std::vector<std::pair<ExportKind, std::string>> exports;
    if (const auto path = arguments.value("--export-tab")) {
        exports.emplace_back(ExportKind::Tab, *path);
    }
    if (const auto path = arguments.value("--export-csv")) {
        exports.emplace_back(ExportKind::Comma, *path);
    }
    RunOutput output;
    if (const ExitCode shown = runner.display(output, exports.empty() ? nullptr : &exports[0]);
        shown != ExitCode::Success) {
        return shown;
    }
    for (const ScheduleLine& line : output.schedule.lines) {
        context.out << line.text << '\n';
    }
    for (std::size_t i = 1; i < exports.size(); ++i) {
        RunOutput again;
        if (const ExitCode code = runner.display(again, &exports[i]); code != ExitCode::Success) {
            return code;
        }
    }
    if (const auto path = arguments.value("--schedule")) {
        if (const ExitCode code = runner.saveSchedule(*path); code != ExitCode::Success) {
            return code;
        }
    }
    if (const auto path = arguments.value("--save-graphs")) {
        return runner.saveGraphFile(*path);
    }
    return ExitCode::Success;
}

} // namespace finplan::cli
