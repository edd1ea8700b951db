#pragma once

#include "cli/cli_arguments.h"
#include "cli/cli_context.h"
#include "engine/run_switches.h"
#include "platform/clock.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace finplan::cli {

inline constexpr std::array<std::string_view, 5> kRunFlags = {
    "--detailed", "--accounts", "--summary", "--random-accounts", "--random-groups"};
inline constexpr std::array<std::string_view, 7> kRunValued = {
    "--workdir",    "--today",      "--seed",       "--schedule",
    "--export-csv", "--export-tab", "--save-graphs"};
inline constexpr OptionSpec kRunOptions{kRunFlags, kRunValued};

// `run SCENARIO.RET`: simulates the scenario once and prints the lines the results list shows.
ExitCode runRun(const CliContext& context, const CliArguments& arguments);

inline constexpr std::string_view kSeedProblem =
    "finplan-cli: --seed takes a whole number from 0 to 4294967295\n";

// The seed of --seed, or the clock's seconds without it; empty when it is no whole number.
std::optional<std::uint32_t> randomSeed(const CliArguments& arguments);
// The run switches the run options set.
RunSwitches runSwitches(const CliArguments& arguments);

// An output file the command may write: a new one, or an existing one after a Yes (--yes).
// Says why and gives the exit status when it may not.
std::optional<ExitCode> refusedOutput(const CliContext& context, const std::string& path);

// "YYYY-MM-DD" or "YYYY-MM-DDTHH:MM:SS"; empty when the text is not such a date.
std::optional<LocalDateTime> parseToday(std::string_view text);

} // namespace finplan::cli
